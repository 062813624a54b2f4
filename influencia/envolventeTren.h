// The envelope of N, V and M of a train running over a path, at the 21
// stations of every bar of the model: at each station, the largest and
// smallest value over every position and both ways of travel (the train's
// extremes on that station's influence line).
#pragma once

#include <vector>

#include "lineaInfluencia.h"
#include "recorridos.h"

struct filaEnvolventeTren {
    int barra;  // user's number
    double x;
    double Nmax, Nmin, Vmax, Vmin, Mmax, Mmin;
};

std::vector<filaEnvolventeTren> envolventeDelTren(const caminoInfluencia& camino, const tren& t);
