// Direction of a distributed load given in global axes: only the direction of
// (dx, dy) counts, not its length.
#pragma once

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

// True when (dx, dy) points somewhere: finite and not (0, 0).
inline bool tieneDireccion(double dx, double dy) {
    return std::isfinite(dx) && std::isfinite(dy) && (dx != 0 || dy != 0);
}

// (dx, dy) as a unit vector, or false when it has no direction. Scaled by
// its larger component first, so that neither tiny nor huge components
// underflow or overflow when squared.
inline bool direccionUnitaria(double dx, double dy, Eigen::Vector2d& unitaria) {
    if (!tieneDireccion(dx, dy)) return false;
    const double escala = std::max(std::abs(dx), std::abs(dy));
    const Eigen::Vector2d d(dx / escala, dy / escala);
    unitaria = d / d.norm();
    return true;
}

// Components along a bar's local axes (x at `angulo` from global X, y a
// quarter turn counter-clockwise from it) of the global vector v:
// (e·v, (e × v)_z) with e the unit bar axis.
inline Eigen::Vector2d componentesLocales(double angulo, const Eigen::Vector2d& v) {
    const Eigen::Vector2d e(std::cos(angulo), std::sin(angulo));
    return Eigen::Vector2d(e.dot(v), e(0) * v(1) - e(1) * v(0));
}
