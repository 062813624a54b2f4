#pragma once

// Writes the full report "resultados.txt" in the current directory: into a
// temporary file beside it, renamed over it only when complete. Nothing is
// written (one warning, the previous file kept) for an unsolved model, a
// file or folder that cannot be written, a report larger than the free
// space, a failed write or a lack of memory.
void funcionImprimirResultados();

// True when the last funcionImprimirResultados wrote the whole report and
// put it in place.
bool reporteEscrito();
