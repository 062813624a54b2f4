// What every influence line of a model needs: its paths and the
// structure's answer to unit loads at their nodes (one factorisation).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "caminoRecorrido.h"
#include "lineaInfluencia.h"
#include "sistemaInfluencia.h"

struct influenciaDelModelo {
    std::vector<caminoRecorrido> caminos;
    std::unique_ptr<sistemaInfluencia> sistema;
    std::vector<std::unique_ptr<caminoInfluencia>> bases;  // one per path
};

// False, with `problema` saying why in one Spanish phrase, when the model
// has no path or cannot carry a load on one (a mechanism or a singular
// stiffness). The result refers to m: it lives no longer than m.
bool prepararInfluencia(const modelo& m, influenciaDelModelo& d, std::string& problema);
