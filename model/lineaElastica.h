// Internal forces and elastic line of a bar from its six integration
// constants c = (A, B, C1, C2, C3, C4), with the transverse load
// q(x) = -(A·x + B) along local y and x from the start node:
//   V(x)     = -A·x²/2 - B·x + C1
//   M(x)     = -A·x³/6 - B·x²/2 + C1·x + C2
//   E·I·y(x) = -A·x⁵/120 - B·x⁴/24 + C1·x³/6 + C2·x²/2 + C3·x + C4
// (successive integrals of E·I·y'''' = q; M > 0 concave toward local +y).
#pragma once

#include <Eigen/Dense>
#include <cmath>

using constantesBarra = Eigen::Matrix<double, 6, 1>;

inline double cortanteEn(const constantesBarra& c, double x) {
    return -c(0) * x * x / 2 - c(1) * x + c(2);
}

inline double momentoEn(const constantesBarra& c, double x) {
    return -c(0) * x * x * x / 6 - c(1) * x * x / 2 + c(2) * x + c(3);
}

// E·I times the transverse displacement in local y.
inline double eiFlechaEn(const constantesBarra& c, double x) {
    return -c(0) * std::pow(x, 5) / 120 - c(1) * std::pow(x, 4) / 24 + c(2) * x * x * x / 6 +
           c(3) * x * x / 2 + c(4) * x + c(5);
}
