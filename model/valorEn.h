// Safe read of a result or load matrix shared by nodes and bars.
#pragma once

#include <Eigen/Dense>

// Entry (fila, col) of m, or 0 when m does not hold it (no solve yet, or a
// combination index the element does not know).
inline double valorEn(const Eigen::MatrixXd& m, Eigen::Index fila, Eigen::Index col) {
    if (fila < 0 || col < 0 || fila >= m.rows() || col >= m.cols()) return 0.0;
    return m(fila, col);
}
