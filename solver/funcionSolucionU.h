#pragma once

// Assembles, partitions and solves the frame for every combination at once,
// then hands displacements and reactions to every node and bar.
void funcionSolucionU();
