#include "funcionSolucionU.h"

#include <algorithm>

#include "etapasSolucion.h"
#include "globales.h"

// Matrix stiffness method for every combination at once: assembly and
// partition, one factorisation, results to nodes and bars, reactions.
void funcionSolucionU() {
    // The counts come from the reader; the lists are what actually exists.
    const int nNudos = std::clamp(noNudos, 0, static_cast<int>(nudo.size()));
    const int nCombos = std::max(noCombos, 0);

    ensamblarYParticionar(nNudos, nCombos);
    resolverYDistribuir(nNudos, nCombos);
    verificarEquilibrio(nCombos);
    modeloResuelto = true;
}
