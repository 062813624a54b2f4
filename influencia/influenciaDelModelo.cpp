#include "influenciaDelModelo.h"

bool prepararInfluencia(const modelo& m, influenciaDelModelo& d, std::string& problema) {
    d = influenciaDelModelo{};
    if (m.recorridos.empty()) {
        problema = "el modelo no tiene ningún recorrido";
        return false;
    }
    std::vector<int> nudos;
    for (const recorrido& r : m.recorridos) {
        d.caminos.push_back(caminoDe(m, r));
        nudos.insert(nudos.end(), d.caminos.back().nudos.begin(), d.caminos.back().nudos.end());
    }
    d.sistema = std::make_unique<sistemaInfluencia>(m, nudos, gradosQueCarga(m, d.caminos));
    if (!d.sistema->resuelto()) {
        problema = "la estructura es inestable o su matriz de rigidez es singular";
        return false;
    }
    for (const caminoRecorrido& c : d.caminos)
        d.bases.push_back(std::make_unique<caminoInfluencia>(m, *d.sistema, c));
    return true;
}
