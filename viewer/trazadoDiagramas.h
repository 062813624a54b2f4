// Pieces shared by the force diagrams of one combination and their
// envelopes, drawn in a bar's own frame (x along the bar from its start
// node, y to its left).
#pragma once

#include <Eigen/Dense>
#include <functional>
#include <string>

// The labels of bar i are turned half a turn to read upright: the bar runs
// leftwards, up or down (|angle| > 90°).
bool rotulosGirados(int i);

// A label of a bar whose labels are turned is drawn in a frame turned 180°
// about an anchor, at (xGirada, yGirada) of that frame; otherwise directly at
// (x, y). dibujo(x, y) draws the label at (x, y) of the frame in use.
void rotular(bool girada, double x, double y, double xAncla, double yAncla, double xGirada,
             double yGirada, const std::function<void(double, double)>& dibujo);

// Inside an open glBegin(GL_LINES), in the current colour: the outline
// through the stations (x_k, y_k), one segment per step ...
void tramosContorno(const Eigen::VectorXd& x, const Eigen::VectorXd& y);
// ... and the cross lines from the bar axis (x_k, 0) to (x_k, y_k): all of
// them with switch 15 on (Alt+F), the two end ones otherwise.
void tramosTransversales(const Eigen::VectorXd& x, const Eigen::VectorXd& y);

// Where a label of bar i stands: at (x, y) of the bar's frame, aligned there
// by `alineacion` (alineacionTexto codes); on a bar whose labels are turned,
// at (xGirada, yGirada) of the frame turned half a turn about (xAncla,
// yAncla), aligned by `alineacionGirada`.
struct colocacionRotulo {
    double x, y;
    int alineacion;
    double xAncla, yAncla, xGirada, yGirada;
    int alineacionGirada;
};

// Draws the text of a label of bar i at the current text height where p
// puts it. With `dentro`, a label that would stand outside the window or
// over the list of combinations first slides along the bar (rotulosDentro.h).
void rotuloEnBarra(int i, bool girada, const std::string& texto, colocacionRotulo p, bool dentro);
