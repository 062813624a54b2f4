// The part of a bar's load that falls on one of its pieces, for a bar split
// into sub-elements: a full-length trapezoid becomes the trapezoid of the
// piece (its values where the piece starts and ends), a partial load the
// part of it over the piece, a point load goes to the piece that holds it
// (a load on a boundary to the piece that starts there, a load at the
// bar's end to the last piece) and a temperature to every piece. The
// piece runs from x0 to x1 of the bar (length L) and the result is in the
// piece's own abscissa, x - x0; nothing when the load does not reach it.
#pragma once

#include <optional>

#include "cargaBarra.h"

std::optional<cargaBarra> cargaEnPieza(const cargaBarra& carga, double L, double x0, double x1,
                                       bool ultima);
