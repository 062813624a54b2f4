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
    // kEstructura, pCombo and u are in global axes; the blocks kLL .. pR,
    // uLibres and uRestringidos in the axes of the solve (turned at the
    // nodes on inclined supports), pL with the settlements' share taken off.
    Eigen::SparseMatrix<double> kEstructura;
    Eigen::SparseMatrix<double> kLL, kLR, kRL, kRR;
    Eigen::MatrixXd pCombo;
    Eigen::MatrixXd pL, pR;
    std::vector<int> gdlLibres;
    std::vector<int> gdlRestringidos;
    Eigen::MatrixXd uLibres;
    // Displacements imposed at the restrained freedoms (settlements).
    Eigen::MatrixXd uRestringidos;
    Eigen::MatrixXd u;
    Eigen::MatrixXd reacciones;
    // Combinations (indexes, ascending) the solve warned about: they do not
    // balance (a mechanism or a singular stiffness matrix).
    std::vector<int> combosSinEquilibrio;
    // Second order (P-Delta): which analysis gave these results, with the
    // sub-elements per bar, and for each combination its iterations and the
    // ratio of its largest displacement to that of first order. A
    // combination at or beyond its critical load has no second-order
    // solution: it is listed in combosSinSolucion and its results are NaN.
    bool segundoOrden = false;
    int subdivisiones = 0;
    std::vector<int> iteraciones;
    std::vector<double> amplificacion;
    std::vector<int> combosSinSolucion;
    bool comboSinSolucion(int c) const {
        for (int k : combosSinSolucion)
            if (k == c) return true;
        return false;
    }
    std::vector<resultadosNudo> nudos;
    std::vector<resultadosBarra> barras;
};
