// Matrix rows and columns in the report's layout: the matrix library's
// default text layout (entries right-aligned to the widest one, single blank
// separators) and the stream's default number format.
#pragma once

#include <Eigen/Dense>
#include <ostream>

// Row k of m on one line (no line end); nothing when m has no row k.
inline void escribirFila(std::ostream& s, const Eigen::MatrixXd& m, int k) {
    if (k >= 0 && k < m.rows()) s << m.row(k);
}

// Column k of m written as a row; nothing when m has no column k.
inline void escribirColumnaComoFila(std::ostream& s, const Eigen::MatrixXd& m, int k) {
    if (k >= 0 && k < m.cols()) s << m.col(k).transpose();
}

// Rows 0 to 5 of a 6 x NC result matrix, one labelled line each.
inline void escribirSeisFilas(std::ostream& s, const Eigen::MatrixXd& m,
                              const char* const etiquetas[6]) {
    for (int k = 0; k < 6; ++k) {
        s << etiquetas[k];
        escribirFila(s, m, k);
        s << "\n";
    }
}
