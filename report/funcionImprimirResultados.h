#pragma once

// Writes the full report "resultados.txt" in the current directory.
void funcionImprimirResultados();
