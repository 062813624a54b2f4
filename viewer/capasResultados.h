// Which combinations, and which values, the load and result layers draw.
#pragma once

#include <vector>

class objBarra2d;

// Combination c is one of the model read (0 <= c < noCombos).
bool comboExiste(int c);

// ... and the model held now has been solved, so its result matrices may be
// read. Nothing is drawn for a combination the model does not hold, nor
// before the model held now has been solved.
bool comboConResultados(int c);

// The active combinations (switch 100 + c on) that have results, ascending:
// what the envelope of the N, V and M layers is taken over.
std::vector<int> combosActivosConResultados();

// Distributed-load row of a bar in combination c as the loads layer draws
// it: an intensity whose magnitude is below 1e-12 times the largest of the
// row is rounding left over (the transverse share of the self weight of a
// column) and is drawn as absent (0). Values, report and tables keep the
// computed numbers.
struct intensidadesCarga {
    double fi, ff;  // axial, at the start and at the end
    double qi, qf;  // transverse, at the start and at the end
};
intensidadesCarga intensidadesDibujadas(const objBarra2d& b, int c);

// Pushes bar i's frame: origin on its start node, x along the bar, y to its
// left (the bar turned by its angle). The caller pops it.
void marcoBarra(int i);
