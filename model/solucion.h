// The solution of a model in every combination: the structure matrices of
// the stiffness method (kept for the report), displacements, reactions, and
// the results of every node and bar. A value: the solver returns it, the
// report and the viewer read it.
#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>
#include <vector>

#include "resultadosBarra.h"
#include "resultadosNudo.h"

struct solucion {
    // True once the model was solved; nothing draws or reports the results
    // of an unsolved model.
    bool resuelto = false;
    int noLibres = 0;
    int noRestringidos = 0;
    // The stiffness matrices are sparse (a frame joins each node to a few
    // neighbours); loads and results are dense, one column per combination.
    Eigen::SparseMatrix<double> kEstructura;
    Eigen::SparseMatrix<double> kLL, kLR, kRL, kRR;
    Eigen::MatrixXd pCombo;
    Eigen::MatrixXd pL, pR;
    std::vector<int> gdlLibres;
    std::vector<int> gdlRestringidos;
    Eigen::MatrixXd uLibres;
    Eigen::MatrixXd u;
    Eigen::MatrixXd reacciones;
    // Combinations (indexes, ascending) the solve warned about: they do not
    // balance (a mechanism or a singular stiffness matrix).
    std::vector<int> combosSinEquilibrio;
    std::vector<resultadosNudo> nudos;
    std::vector<resultadosBarra> barras;
};
