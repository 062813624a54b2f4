#pragma once

#include "modelo.h"
#include "solucion.h"

// Writes the full report "resultados.txt" in the current directory: into a
// temporary file beside it, renamed over it only when complete. Nothing is
// written (one warning, the previous file kept) for an unsolved model, a
// file or folder that cannot be written, a report larger than the free
// space, a failed write or a lack of memory. True when the whole report was
// written and put in place.
bool funcionImprimirResultados(const modelo& m, const solucion& r);
