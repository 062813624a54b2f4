#include "funcionLeerYResolver.h"

#include "cronometro.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"

faltantesDelModelo faltantesDe(const modelo& m) {
    faltantesDelModelo f;
    f.nudos = m.noNudos == 0;
    f.barras = m.noBarras == 0;
    f.combos = m.noCombos == 0;
    return f;
}

modeloResuelto funcionLeerYResolver(const std::string& nombreArchivo, duracionEtapas* duraciones) {
    duracionEtapas d;
    modeloResuelto r;
    d.lectura = segundosDe([&] { r.m = funcionLeerArchivo(nombreArchivo); });
    r.faltan = faltantesDe(r.m);
    if (r.faltan.completo()) d.solucion = segundosDe([&] { r.s = funcionSolucionU(r.m); });
    if (duraciones != nullptr) *duraciones = d;
    return r;
}
