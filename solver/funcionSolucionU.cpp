#include "funcionSolucionU.h"

#include <algorithm>
#include <string>
#include <vector>

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

// Names what the model lacks to be solved, e.g. "El modelo no tiene barras
// ni combinaciones de carga; ...".
std::string funcionFaltanteDelModelo() {
    std::vector<std::string> faltan;
    if (noNudos == 0) faltan.push_back("nudos");
    if (noBarras == 0) faltan.push_back("barras");
    if (noCombos == 0) faltan.push_back("combinaciones de carga");
    if (faltan.empty()) return "";
    std::string lista = faltan[0];
    for (size_t i = 1; i < faltan.size(); ++i) {
        lista += (i + 1 == faltan.size() ? " ni " : ", ") + faltan[i];
    }
    return "El modelo no tiene " + lista + "; no se resuelve ni se escribe resultados.txt";
}
