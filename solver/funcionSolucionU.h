#pragma once

#include "modelo.h"
#include "solucion.h"

// Assembles, partitions and solves the frame for every combination at once,
// and returns the results of every node and bar; a model too large for the
// memory there is comes back unsolved (resuelto false) with one line.
solucion funcionSolucionU(const modelo& m);
