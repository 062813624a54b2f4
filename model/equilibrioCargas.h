// Global equilibrium of one combination: the resultant of the applied loads
// (point loads at the nodes, distributed loads and self weight of the bars)
// and that of the support reactions (spring forces included), in global axes
// with moments about the global origin, counter-clockwise positive.
#pragma once

#include <Eigen/Dense>
#include <vector>

#include "modelo.h"
#include "solucion.h"

// ΣFx, ΣFy and ΣM about the origin of a set of forces and moments.
struct resultantePlana {
    double fx = 0;
    double fy = 0;
    double mz = 0;
    // Adds force (px, py) acting at (x, y) and moment m.
    void sumar(double x, double y, double px, double py, double m);
    resultantePlana& operator+=(const resultantePlana& o);
    // Euclidean size of (fx, fy, mz).
    double magnitud() const;
};

// Point loads of node n in combination c.
resultantePlana resultanteCargasNudo(const objNudo2d& n, const comboCarga& c);

// Loads of bar b in one combination (self weight included): the sum of the
// resultants of its loads, turned to global axes at the bar's start node.
resultantePlana resultanteCargasBarra(const objBarra2d& b, const cargasEnCombo& cargas);

// True when some direction of the node is restrained (an inclined support
// restrains one) or carries a spring.
bool esApoyo(const objNudo2d& n);

// Rx, Ry, Mz of the node as it reports them (the spring force in a sprung
// direction; both components of the normal reaction of an inclined
// support); 0 in a direction that is neither restrained nor sprung, where
// the solver leaves only the rounding of the equilibrium of free freedoms.
Eigen::Vector3d reaccionesDeApoyo(const objNudo2d& n, const resultadosNudo& r, int combo);

struct balanceEquilibrio {
    resultantePlana cargas;
    resultantePlana reacciones;
    // |cargas + reacciones| / (Σ|carga| + Σ|reacción|), each load and each
    // support's reaction taken by itself: a scale that stays that of the
    // forces at work when the loads cancel out (0 when there is none). In
    // second order the moments balance on the deformed geometry, not on the
    // one these sums take: the error is then that of the forces alone.
    double errorRelativo = 0;
    bool soloFuerzas = false;
};

balanceEquilibrio balanceDeEquilibrio(const modelo& m, const solucion& s, int combo);
