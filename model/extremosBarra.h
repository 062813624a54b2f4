// Exact extremes of the internal forces along a bar: not the largest sample,
// but the largest and smallest value of each polynomial over 0 <= x <= L.
//   M: the ends and every zero of the shear inside the bar (dM/dx = V);
//   V: the ends and the zero of the load inside the bar (dV/dx = q);
//   N: the ends and the vertex of its parabola under a varying axial load.
#pragma once

#include <vector>

#include "objBarra2d.h"

// A value of a force along the bar and the local abscissa where it occurs
// (the first such abscissa from the start node on a tie).
struct valorEnBarra {
    double valor = 0;
    double x = 0;
};

struct extremosEsfuerzo {
    valorEnBarra maximo;
    valorEnBarra minimo;
};

struct extremosBarra {
    extremosEsfuerzo N;
    extremosEsfuerzo V;
    extremosEsfuerzo M;
};

// The extremes of each combination of `combos`, in that order; combinations
// the bar holds no results for are left out (see combosConResultados).
std::vector<extremosBarra> extremosDeBarra(objBarra2d& b, const std::vector<int>& combos);
