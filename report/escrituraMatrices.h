// Matrix rows and columns in the report's layout (salidaReporte.h): each
// written as a one-row matrix, aligned to its own widest entry.
#pragma once

#include <Eigen/Dense>

#include "salidaReporte.h"

// Row k of m on one line (no line end); nothing when m has no row k.
inline void escribirFila(salidaReporte& s, const Eigen::MatrixXd& m, int k) {
    if (k >= 0 && k < m.rows()) s << Eigen::MatrixXd(m.row(k));
}

// Column k of m written as a row; nothing when m has no column k.
inline void escribirColumnaComoFila(salidaReporte& s, const Eigen::MatrixXd& m, int k) {
    if (k >= 0 && k < m.cols()) s << Eigen::MatrixXd(m.col(k).transpose());
}

// Rows 0 to 5 of a 6 x NC result matrix, one labelled line each.
inline void escribirSeisFilas(salidaReporte& s, const Eigen::MatrixXd& m,
                              const char* const etiquetas[6]) {
    for (int k = 0; k < 6; ++k) {
        s << etiquetas[k];
        escribirFila(s, m, k);
        s << "\n";
    }
}
