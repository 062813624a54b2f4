// The geometry of a path: its bars in the order of travel, the way each is
// travelled, and the distance s along the path. The path starts at the end
// of its first bar that the second bar does not share (a one-bar path: at
// its start node).
#pragma once

#include <string>
#include <vector>

#include "modelo.h"

struct tramoCamino {
    int barra = 0;         // internal index
    bool adelante = true;  // travelled from its start node to its end node
    double inicio = 0;     // s where the bar begins on the path
    double L = 0;
    // Local abscissa a of the bar at s (inicio <= s <= inicio + L).
    double abscisa(double s) const { return adelante ? s - inicio : inicio + L - s; }
    // s at local abscissa a.
    double distancia(double a) const { return adelante ? inicio + a : inicio + L - a; }
};

struct caminoRecorrido {
    std::string nombre;
    std::vector<tramoCamino> tramos;
    std::vector<int> nudos;  // internal indexes, in the order of travel
    double longitud = 0;
};

caminoRecorrido caminoDe(const modelo& m, const recorrido& r);
