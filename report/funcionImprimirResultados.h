#pragma once

// Writes the full report "resultados.txt" in the current directory.
void funcionImprimirResultados();

// True when the last funcionImprimirResultados opened and wrote the file
// without a stream error.
bool reporteEscrito();
