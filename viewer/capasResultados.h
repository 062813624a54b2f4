// Which combinations, and which values, the load and result layers draw.
#pragma once

#include <Eigen/Dense>
#include <vector>

#include "cargaBarra.h"

// Combination c is one of the model read (0 <= c < modeloVisor.noCombos).
bool comboExiste(int c);

// ... and the model held now has been solved, so its result matrices may be
// read (in second order, the combination has a solution). Nothing is drawn for a combination the
// model does not hold, nor before the model held now has been solved.
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
intensidadesCarga intensidadesDibujadas(const cargaTrapecial& t);

// Loads of node i and of bar i of the model shown in combination c.
Eigen::Vector3d cargasNudoEnCombo(int i, int c);
cargasEnCombo cargasBarraEnCombo(int i, int c);
// Settlement (dX, dY, giro) of node i of the model shown in combination c.
Eigen::Vector3d asentamientoNudoEnCombo(int i, int c);

// Components of a point load inside bar i as the loads layer draws them:
// along the bar's local x and y, or along global X and Y when it was given
// so (turned back from the local ones; rounding below 1e-12 of the larger
// component drawn as absent).
struct componentesDibujadas {
    double x, y;
    bool global;
};
componentesDibujadas componentesPuntual(int i, const cargaPuntual& p);

// Largest force or intensity that the loads layer draws as an arrow length
// for the loads of bar i in one combination (moments are arcs of fixed size).
double mayorCargaDibujada(int i, const cargasEnCombo& k);

// What a diagram layer of one force draws along bar i in combination c:
// row 0 the abscissas, row 1 the force, at the 21 stations, on both sides of
// every jump (two columns with the same x) and at every kink of its loads.
enum class esfuerzoBarra { axial, cortante, momento };
Eigen::MatrixXd diagramaDeBarra(int i, int c, esfuerzoBarra e);

// Pushes bar i's frame: origin on its start node, x along the bar, y to its
// left (the bar turned by its angle). The caller pops it.
void marcoBarra(int i);
