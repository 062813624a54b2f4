// Exact extremes of the internal forces along a bar: not the largest sample,
// but the largest and smallest value over 0 <= x <= L. The bar is split into
// pieces at the points where a load makes a force jump or kink; on each
// piece V is a polynomial of degree two at most, so
//   M: the piece's ends (both sides of every jump) and the zeros of V inside;
//   V: the piece's ends and the zero of the load q = dV/dx inside;
//   N: the piece's ends and the vertex of its parabola under a varying
//      axial load.
#pragma once

#include <vector>

#include "resultadosBarra.h"

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
// the bar holds no results for are left out.
std::vector<extremosBarra> extremosDeBarra(const resultadosBarra& b,
                                           const std::vector<int>& combos);

// Sections of combination c where some force may have an extreme: both
// sides of every jump and every stationary point inside a piece, ascending.
std::vector<seccionBarra> seccionesExtremas(const resultadosBarra& b, int c);

// Where the shear of combination c is zero inside the bar, or changes sign
// across a jump, with the moment there: of several, the one of largest
// |M| (the first on a tie). x = -1 when there is none.
valorEnBarra ceroDelCortante(const resultadosBarra& b, int c);
