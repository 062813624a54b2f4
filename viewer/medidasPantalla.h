// Where the on-screen text stands (plotDialogo), in world units measured
// from the centre of the view: the unit L (12 pixels of a window wider than
// high), the half width W and half height H the text is laid out in, and the
// world length of one pixel. The label placement of "colorPorCombo" keeps
// value labels off the list of combinations through the same numbers.
#pragma once

struct medidasPantalla {
    double L, W, H, pixel;
};
medidasPantalla medidasDePantalla();

// Rows of the list of combinations: the heading at H - 3L, name i (from 0)
// 1.2·L·(i + 1) lower.
constexpr double margenTextoEnL = 3.0;
constexpr double renglonListaEnL = 1.2;
// The title line of a buckling or vibration mode, this many L under the top.
constexpr double lineaTituloEnL = 1.5;
// The two columns of the help stand this many L apart.
constexpr double separacionColumnasEnL = 2.0;
// Columns: the heading and the names start this many L from the right edge.
constexpr double columnaTituloEnL = 20.0;
constexpr double columnaNombresEnL = 18.0;

// A box of the view (world units about its centre).
struct cajaVista {
    double x0, y0, x1, y1;
};
// What the list of combinations covers: from its heading's column to the
// right edge, from the top down to below the last name.
cajaVista cajaListaCombos();
// What the window shows.
cajaVista cajaVentana();
