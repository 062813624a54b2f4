// The user's model with every bar split into k sub-elements of equal length
// for the second-order, buckling and modal analyses: the user's nodes keep
// their indexes (0 .. N - 1, with their supports, springs, loads,
// settlements and masses), the inner nodes of each bar follow, free and
// unloaded; each piece takes the bar's section and material, its share of
// every load (cargasEnPiezas.h), and a released or partially fixed end only
// where the bar has it, the end spring kept as it is.
#pragma once

#include <vector>

#include "modelo.h"

struct modeloSubdividido {
    modelo m;
    int nudosUsuario = 0;
    // Per user bar: its pieces (indexes in m.barra, from the start node) and
    // where each starts along the bar.
    std::vector<std::vector<int>> piezas;
    std::vector<std::vector<double>> inicios;
};

// A bar without known nodes, of zero length or with k < 2 stays one piece.
modeloSubdividido subdividirModelo(const modelo& m, int k);

// Fixity factor of the end piece (length Lp) of a bar of length L whose end
// has the factor a: the same end spring a/(1 - a)·E·I/L, seen from a
// shorter element: a'/(1 - a') = (a/(1 - a))·Lp/L.
double fijacionDePieza(double a, double Lp, double L);
