// With "colorPorCombo" on, a value label of a bar that would stand partly
// outside the window, or over the list of combinations, slides along its own
// bar until it is wholly inside and clear of the list, as little as it can;
// a label that no place along the bar clears stays where it was.
#pragma once

// The box a label covers, in the frame of its bar (x along the bar from its
// start node, y to its left).
struct cajaRotulo {
    double x0, x1, y0, y1;
};

// Shift along bar i (bar-frame x) that brings the label's box inside the
// window and off the list, keeping the box's middle on the bar; 0 when it
// already is, or when no such shift exists.
double corrimientoAlInterior(int i, const cajaRotulo& caja);

// Box of a text of `caracteres` characters at the current text height whose
// baseline passes through (x, y) of the frame it is drawn in, aligned there
// by `alineacion` (alineacionTexto codes); when `girada`, that frame is the
// bar's turned half a turn about (xAncla, yAncla), and the box is given back
// in the bar's frame.
cajaRotulo cajaDeTexto(int caracteres, double x, double y, int alineacion, bool girada,
                       double xAncla, double yAncla);

// A text list (reactions, node displacements) beside the point at world x,
// covering y0 to y1: true when, started `separacion` to the right of the
// point and `caracteres` wide, it would be cut by the window's edge or run
// into the list of combinations, while ended `separacion` to its left it
// would not. Then it is drawn on the left.
bool listaALaIzquierda(double x, double y0, double y1, double separacion, int caracteres);
