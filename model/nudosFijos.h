// A bar whose end nodes do not move, loaded by one load: its internal
// forces at any section. With its end fixity, this is the state that a
// load inside a bar adds to the effect of the displacements of its ends
// (superposition: actual = fixed-node state + end-displacement state).
#pragma once

#include "cargaBarra.h"
#include "objBarra2d.h"
#include "resultadosBarra.h"

// N, V and M at x (v is not formed) of bar b with fixed end nodes under
// `carga`, on side l of a jump of the load.
esfuerzosSeccion esfuerzosConNudosFijos(const objBarra2d& b, const cargaPuntual& carga, double x,
                                        lado l);
