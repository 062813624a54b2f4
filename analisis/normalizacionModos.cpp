#include "normalizacionModos.h"

#include <cmath>

namespace {

// A component below this share of the largest one of the mode counts as
// zero: a mode whose translations are all rounding is a rotation mode.
constexpr double umbralComponenteNula = 1e-9;

// Index of the largest |u(g)| over the translations (X and Y of every
// node) or over the rotations; -1 when there is none.
int mayorComponente(const Eigen::VectorXd& u, bool traslaciones) {
    int mejor = -1;
    for (Eigen::Index g = 0; g < u.size(); ++g) {
        const bool esGiro = g % 3 == 2;
        if (esGiro == traslaciones) continue;
        if (mejor < 0 || std::abs(u(g)) > std::abs(u(mejor))) mejor = static_cast<int>(g);
    }
    return mejor;
}

}  // namespace

double factorDeModo(const Eigen::VectorXd& u) {
    if (u.size() == 0) return 1;
    const double escala = u.cwiseAbs().maxCoeff();
    if (!(escala > 0) || !std::isfinite(escala)) return 1;
    int g = mayorComponente(u, true);
    if (g < 0 || std::abs(u(g)) <= umbralComponenteNula * escala) g = mayorComponente(u, false);
    if (g < 0 || u(g) == 0) return 1;
    return 1 / u(g);
}
