#include "funcionSolucionU.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <stdexcept>

#include "etapasSolucion.h"

// Matrix stiffness method for every combination at once: assembly and
// partition, one factorisation, results of nodes and bars, reactions, and
// the equilibrium check. Memory grows linearly with the model; a model too
// large for the machine is left unsolved with one line, and the memory the
// attempt took is given back.
solucion funcionSolucionU(const modelo& m) {
    // The counts come from the reader; the lists are what actually exists.
    const int nNudos = std::clamp(m.noNudos, 0, static_cast<int>(m.nudo.size()));
    const int nCombos = std::max(m.noCombos, 0);

    solucion s;
    try {
        ensamblarYParticionar(m, s, nNudos, nCombos);
        const std::vector<int> sinRigidez = resolverLibres(s, nCombos);
        distribuirResultados(m, s, nNudos, nCombos);
        verificarEquilibrio(m, s, nCombos, sinRigidez);
        s.resuelto = true;
        return s;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    s = solucion();
    std::cout << "Advertencia: memoria insuficiente para resolver el modelo (" << 3 * nNudos
              << " grados de libertad); no se resuelve" << std::endl;
    return s;
}
