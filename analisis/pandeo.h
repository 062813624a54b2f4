// Buckling load factors of every combination: the smallest λ > 0 with
// (K + λ·Kg(N))·φ = 0, Kg from the combination's first-order axial forces,
// on the bars split into sub-elements; each mode on the user's nodes.
#pragma once

#include <Eigen/Dense>
#include <vector>

#include "modelo.h"
#include "subdivisionModelo.h"
#include "solucion.h"

constexpr int modosPandeoPorDefecto = 3;

struct pandeoDeCombo {
    int combo = 0;
    bool comprimido = false;  // some bar is in compression
    bool convergio = true;
    Eigen::VectorXd factores;  // ascending
    Eigen::MatrixXd modos;     // 3N x factores: X, Y, rotation of each user node
    Eigen::MatrixXd formas;    // the same scale, every node of the subdivided model
};

struct resultadoPandeo {
    bool estable = false;  // K positive definite
    modeloSubdividido sub;  // where the shapes live (for drawing them)
    std::vector<pandeoDeCombo> combos;
};

// The n smallest factors of every combination, with one console line per
// combination (or why it has none). The axial forces are those of the
// first-order solution s (solved again, silently, when s is of second
// order).
resultadoPandeo funcionPandeo(const modelo& m, const solucion& s, int n);
