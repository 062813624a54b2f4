#include "funcionLeerYResolver.h"

#include "cronometro.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "globales.h"

faltantesDelModelo faltantesDelModeloLeido() {
    faltantesDelModelo f;
    f.nudos = noNudos == 0;
    f.barras = noBarras == 0;
    f.combos = noCombos == 0;
    return f;
}

faltantesDelModelo funcionLeerYResolver(duracionEtapas* duraciones) {
    duracionEtapas d;
    d.lectura = segundosDe(funcionLeerArchivo);
    const faltantesDelModelo f = faltantesDelModeloLeido();
    if (f.completo()) d.solucion = segundosDe(funcionSolucionU);
    if (duraciones != nullptr) *duraciones = d;
    return f;
}
