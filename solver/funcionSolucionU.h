#pragma once

#include <string>

// Assembles, partitions and solves the frame for every combination at once,
// then hands displacements and reactions to every node and bar.
void funcionSolucionU();

// Empty when the model read has nodes, bars and combinations; otherwise the
// one console line that says what is missing (used before solving on a
// reload and by the report tool).
std::string funcionFaltanteDelModelo();
