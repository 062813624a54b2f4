// What the N, V and M layers draw in envelope mode, without OpenGL: for the
// active combinations taken together, the largest and the smallest value at
// every station of a bar, and the labels of the bar's largest maximum and
// smallest minimum (exact extremes, not the largest sample) with the name of
// the combination that gives each.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "capasResultados.h"
#include "resultadosBarra.h"

// Both curves at the stations x (from the start node, 21 per bar). Empty
// when the bar holds results for none of the combinations.
struct curvasEnvolvente {
    Eigen::VectorXd x;
    Eigen::VectorXd maximo;
    Eigen::VectorXd minimo;
};
curvasEnvolvente curvasDeEnvolvente(const resultadosBarra& b, esfuerzoBarra e,
                                    const std::vector<int>& combos);

// Where a label stands along the bar: it is aligned into the bar at an end.
enum class lugarRotulo { inicio, interior, fin };

struct rotuloEnvolvente {
    bool maximo;  // the largest maximum, or the smallest minimum
    double x;     // abscissa from the start node
    double valor;
    int combo;          // index of the combination that gives it
    lugarRotulo lugar;  // x = 0, 0 < x < L or x = L
    std::string texto;  // "12.345 (C1)": the model's decimals and the name
};

// The largest maximum and the smallest minimum of the force along the bar
// over `combos` (the first combination in `combos` on a tie), the names
// given by combination index; none when the bar holds no results for them.
std::vector<rotuloEnvolvente> rotulosDeEnvolvente(const resultadosBarra& b, esfuerzoBarra e,
                                                  const std::vector<int>& combos,
                                                  const std::vector<std::string>& nombres);
