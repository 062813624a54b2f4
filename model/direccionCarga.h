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
