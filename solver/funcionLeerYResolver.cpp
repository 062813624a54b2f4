#include "funcionLeerYResolver.h"

#include <chrono>

#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "globales.h"

namespace {

template <class F>
double segundosDe(F etapa) {
    const auto inicio = std::chrono::steady_clock::now();
    etapa();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}

}  // namespace

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
