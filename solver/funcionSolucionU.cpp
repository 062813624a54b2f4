#include "funcionSolucionU.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <stdexcept>

#include "etapasSolucion.h"
#include "globales.h"

namespace {

// Frees the solver's matrices after a failed solve, so that the program
// goes on with the memory it had.
void vaciarEstadoSolver() {
    kEstructura = Eigen::SparseMatrix<double>();
    kLL = kLR = kRL = kRR = Eigen::SparseMatrix<double>();
    pCombo = pL = pR = uLibres = u = reacciones = Eigen::MatrixXd();
    gdlLibres.clear();
    gdlRestringidos.clear();
    noLibres = noRestringidos = 0;
    combosSinEquilibrio.clear();
}

// The model stays unsolved: nothing draws or reports its results.
void faltaDeMemoria(int nNudos) {
    vaciarEstadoSolver();
    std::cout << "Advertencia: memoria insuficiente para resolver el modelo (" << 3 * nNudos
              << " grados de libertad); no se resuelve" << std::endl;
}

}  // namespace

// Matrix stiffness method for every combination at once: assembly and
// partition, one factorisation, results to nodes and bars, reactions, and
// the equilibrium check. Memory grows linearly with the model; a model too
// large for the machine is left unsolved with one line.
void funcionSolucionU() {
    // The counts come from the reader; the lists are what actually exists.
    const int nNudos = std::clamp(noNudos, 0, static_cast<int>(nudo.size()));
    const int nCombos = std::max(noCombos, 0);

    modeloResuelto = false;
    try {
        ensamblarYParticionar(nNudos, nCombos);
        const std::vector<int> sinRigidez = resolverLibres(nCombos);
        distribuirResultados(nNudos, nCombos);
        verificarEquilibrio(nCombos, sinRigidez);
        modeloResuelto = true;
    } catch (const std::bad_alloc&) {
        faltaDeMemoria(nNudos);
    } catch (const std::length_error&) {
        faltaDeMemoria(nNudos);
    }
}
