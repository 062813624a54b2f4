#include <iostream>
#include <string>

#include "etapasSolucion.h"
#include "globales.h"

namespace {

// Residual below this fraction of the force scale counts as rounding. The LU
// with complete pivoting leaves residuals of order n·eps of that scale; a
// load that the structure cannot carry leaves a residual of the order of the
// load itself.
constexpr double toleranciaEquilibrio = 1e-8;

// Name of combination c as the input gave it (kept by every node and bar);
// its 1-based number when no element holds it.
std::string nombreDeCombo(int c) {
    for (const auto& n : nudo) {
        if (c < n.getCantidadDeCombos()) return n.getNombreCombo(c);
    }
    return std::to_string(c + 1);
}

}  // namespace

// Equilibrium at the free freedoms, r = kLL·u − pL, per combination. It is
// compared with the force scale of that combination, the largest entry of
// |kLL|·|u| + |pL|: the size of the stiffness forces and loads that meet at
// a freedom. Unlike ‖kLL‖·‖u‖, this scale does not grow with the conditioning
// of kLL, so very stiff members next to very soft ones or springs give no
// false alarm, while a load left unbalanced by a mechanism is not hidden.
void verificarEquilibrio(int nCombos) {
    combosSinEquilibrio.clear();
    if (noLibres == 0) return;
    const Eigen::MatrixXd residuo = kLL * uLibres - pL;
    // |kLL|·|u| column by column, so that no second L x L matrix is made.
    Eigen::MatrixXd escala = pL.cwiseAbs();
    const Eigen::MatrixXd uAbs = uLibres.cwiseAbs();
    for (int j = 0; j < noLibres; ++j) escala.noalias() += kLL.col(j).cwiseAbs() * uAbs.row(j);
    for (int c = 0; c < nCombos; ++c) {
        const bool finito = uLibres.col(c).allFinite() && residuo.col(c).allFinite();
        const double r = finito ? residuo.col(c).cwiseAbs().maxCoeff() : 0;
        const double s = finito ? escala.col(c).maxCoeff() : 0;
        if (!finito || r > toleranciaEquilibrio * s) {
            combosSinEquilibrio.push_back(c);
            std::cout << "Advertencia: la estructura es inestable o la matriz de rigidez es "
                         "singular; el combo "
                      << nombreDeCombo(c) << " no cumple el equilibrio" << std::endl;
        }
    }
}
