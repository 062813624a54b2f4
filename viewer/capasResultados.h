// Which combinations the load and result layers may draw.
#pragma once

// Combination c is one of the model read (0 <= c < noCombos).
bool comboExiste(int c);

// ... and the model held now has been solved, so its result matrices may be
// read. Nothing is drawn for a combination the model does not hold, nor
// before the model held now has been solved.
bool comboConResultados(int c);

// Pushes bar i's frame: origin on its start node, x along the bar, y to its
// left (the bar turned by its angle). The caller pops it.
void marcoBarra(int i);
