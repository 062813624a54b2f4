// Second-order (P-Delta) solution of every combination: the bars split into
// sub-elements, each combination solved with K + Kg(N), the geometric
// stiffness of every piece from its axial force, iterated until the
// displacements change by less than toleranciaSegundoOrden relative (at most
// iteracionesMaximas), one factorisation per iteration. A combination whose
// K + Kg is not positive definite is at or beyond its critical load: it has
// no second-order solution.
#pragma once

#include "modelo.h"
#include "solucion.h"

constexpr double toleranciaSegundoOrden = 1e-10;
constexpr int iteracionesMaximas = 50;

// The solution of the user's model in second order, from its first-order
// solution: its matrices stay those of first order (the report lists them),
// its displacements, reactions, node and bar results are of second order
// (each bar's results from its pieces). One console line per combination.
solucion funcionSegundoOrden(const modelo& m, const solucion& primerOrden);
