#include "etapasSolucion.h"

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

void distribuirResultados(const modelo& m, solucion& s, int nNudos, int nCombos) {
    // Full displacements: the free ones, the settlements at the restrained
    // ones, zero elsewhere; turned back to global axes at inclined supports.
    s.u = Eigen::MatrixXd::Zero(3 * nNudos, nCombos);
    for (int i = 0; i < s.noLibres; ++i) s.u.row(s.gdlLibres[i]) = s.uLibres.row(i);
    if (s.uRestringidos.rows() == s.noRestringidos && s.uRestringidos.cols() == nCombos) {
        for (int i = 0; i < s.noRestringidos; ++i)
            s.u.row(s.gdlRestringidos[i]) = s.uRestringidos.row(i);
    }
    aEjesGlobales(m, nNudos, s.u);

    // Every bar derives its end forces and integration constants from its
    // end displacements.
    for (std::size_t i = 0; i < m.barra.size() && i < s.barras.size(); ++i) {
        const Eigen::VectorXi g = m.barra[i].getGdl();
        s.barras[i].setDesplazamientos(filasDeGdl(s.u, g, nNudos));
    }

    // Reactions R = K·u − P (sparse product): the support reactions at
    // restrained freedoms, the equilibrium residual (≈ 0) at free ones.
    // Nodes replace the sprung directions by the spring force.
    s.reacciones = s.kEstructura * s.u - s.pCombo;
    resultadosDeNudos(m, s, nNudos);
}

void resultadosDeNudos(const modelo& m, solucion& s, int nNudos) {
    s.nudos.clear();
    s.nudos.reserve(static_cast<std::size_t>(nNudos));
    for (int k = 0; k < nNudos; ++k) {
        const Eigen::Vector3i g = m.nudo[k].getGdl();
        s.nudos.emplace_back(m.nudo[k], filasDeGdl(s.u, g, nNudos),
                             filasDeGdl(s.reacciones, g, nNudos));
    }
}
