// Internal forces and elastic line of a bar from its six integration
// constants c = (A, B, C1, C2, C3, C4) and the contributions of its loads
// (aporteCarga, zero at x = 0 for V, M and E·I·v):
//   V(x)     = Σ V_carga(x) + C1
//   M(x)     = Σ M_carga(x) + C1·x + C2
//   E·I·v(x) = Σ E·I·v_carga(x) + C1·x³/6 + C2·x²/2 + C3·x + C4
// so C1 = V(0), C2 = M(0), C3 = E·I·v'(0) and C4 = E·I·v(0) before any load
// at the start node. A and B describe the full-length trapezoid,
// q(x) = -(A·x + B), whose terms -A·x²/2 - B·x, ... are among the loads'.
// (Successive integrals of E·I·v'''' = q; M > 0 concave toward local +y.)
#pragma once

#include <Eigen/Dense>

#include "aporteCarga.h"

using constantesBarra = Eigen::Matrix<double, 6, 1>;

// N(x) = Ns + (Ne - Ns)·x/L + Σ N_carga(x), with Ns and Ne the axial force
// at the start and at the end (the loads' terms vanish at both ends).
inline double axialEn(double ns, double ne, double x, double L, const aporteCarga& a) {
    return ns + (ne - ns) * x / L + a.N;
}

inline double cortanteEn(const constantesBarra& c, const aporteCarga& a) {
    return a.V + c(2);
}

inline double momentoEn(const constantesBarra& c, const aporteCarga& a, double x) {
    return a.M + c(2) * x + c(3);
}

// E·I times the transverse displacement in local y.
inline double eiFlechaEn(const constantesBarra& c, const aporteCarga& a, double x) {
    return a.EIv + c(2) * x * x * x / 6 + c(3) * x * x / 2 + c(4) * x + c(5);
}
