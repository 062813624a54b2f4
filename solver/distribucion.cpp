#include "etapasSolucion.h"
#include "globales.h"

namespace {

// Rows g of a structure matrix (3N x nCombos) for an element's freedoms;
// a freedom outside the structure gives a zero row.
Eigen::MatrixXd filasDeGdl(const Eigen::MatrixXd& m, const Eigen::Ref<const Eigen::VectorXi>& g,
                           int nNudos) {
    Eigen::MatrixXd d = Eigen::MatrixXd::Zero(g.size(), m.cols());
    for (int k = 0; k < g.size(); ++k) {
        if (gdlEnRango(g(k), nNudos)) d.row(k) = m.row(g(k));
    }
    return d;
}

}  // namespace

void distribuirResultados(int nNudos, int nCombos) {
    // Full displacements: zero at every freedom that is not free (no
    // prescribed support displacements).
    u = Eigen::MatrixXd::Zero(3 * nNudos, nCombos);
    for (int i = 0; i < noLibres; ++i) u.row(gdlLibres[i]) = uLibres.row(i);

    // Every node first, then every bar (which derives its end forces and
    // integration constants from them).
    for (int m = 0; m < nNudos; ++m) {
        const Eigen::VectorXi g = nudo[m].getGdl();
        nudo[m].setDesplazamientos(filasDeGdl(u, g, nNudos));
    }
    for (auto& b : barra) {
        const Eigen::VectorXi g = b.getGdl();
        b.setDesplazamientos(filasDeGdl(u, g, nNudos));
    }

    // Reactions R = K·u − P (sparse product): the support reactions at
    // restrained freedoms, the equilibrium residual (≈ 0) at free ones.
    // Nodes replace the sprung directions by the spring force.
    reacciones = kEstructura * u - pCombo;
    for (int m = 0; m < nNudos; ++m) {
        const Eigen::VectorXi g = nudo[m].getGdl();
        nudo[m].setReacciones(filasDeGdl(reacciones, g, nNudos));
    }
}
