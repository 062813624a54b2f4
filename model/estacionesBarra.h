// Internal forces and transverse displacement of a bar at evenly spaced
// stations (and on both sides of every jump), and their envelope over a set
// of combinations: what the tables and the viewer read along a bar.
//   N > 0 tension; M > 0 bends the bar concave toward local +y (E·I·y'' = M);
//   V = dM/dx; v is the displacement of the bar's axis along local y.
#pragma once

#include <Eigen/Dense>
#include <vector>

#include "resultadosBarra.h"

// Stations per bar of the result diagrams: 20 segments, both ends included.
constexpr int estacionesPorBarra = 21;

// One combination sampled at x_k = (L/(n - 1))·k, k = 0 .. n - 1 (n at least
// 2) and, with conSaltos, on both sides of every jump of its loads (two
// entries with the same x, first the value just before); v is unmagnified.
struct estacionesBarra {
    Eigen::VectorXd x;
    Eigen::VectorXd N;
    Eigen::VectorXd V;
    Eigen::VectorXd M;
    Eigen::VectorXd v;
};

// The stations of each combination of `combos`, in that order (combinations
// without results are left out).
std::vector<estacionesBarra> estacionesDeBarra(const resultadosBarra& b,
                                               const std::vector<int>& combos,
                                               int n = estacionesPorBarra, bool conSaltos = true);

// Largest and smallest value of one force at every section, with the index
// of the combination that gives each (the first one in `combos` on a tie; -1
// and value 0 when no combination of `combos` has results).
struct envolventeEsfuerzo {
    Eigen::VectorXd maximo;
    Eigen::VectorXi comboMaximo;
    Eigen::VectorXd minimo;
    Eigen::VectorXi comboMinimo;
};

struct envolventeBarra {
    Eigen::VectorXd x;
    envolventeEsfuerzo N;
    envolventeEsfuerzo V;
    envolventeEsfuerzo M;
};

// Envelope of N, V and M over the combinations `combos` (combination
// indexes, e.g. the viewer's active ones) at n stations, on both sides of
// every jump of any of them and, with conExtremos, at every section where
// one of them has an extreme inside a piece.
envolventeBarra envolventeDeBarra(const resultadosBarra& b, const std::vector<int>& combos,
                                  int n = estacionesPorBarra, bool conExtremos = false);
