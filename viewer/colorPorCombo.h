// "colorPorCombo": while the switch is on, every active combination is drawn
// in a colour of its own (deformed shape, diagrams, loads, reactions and its
// name in the list of combinations), its value labels carry its name, and
// the text lists of the second and later ones stand below the first's. The
// colours come from a fixed palette, taken in the order of the active
// combinations, so that up to eight active ones never share a colour.
#pragma once

#include <string>

// Colours of the palette.
constexpr int coloresDePaleta = 8;

struct colorCombo {
    double rgb[3];
};

// Entry k of the palette (0 <= k < coloresDePaleta).
colorCombo colorDePaleta(int k);

// The switch is on.
bool colorPorComboActivo();
// Place of combination c among the active combinations of the model shown
// (0 for the first, in the model's order); -1 when c is not active.
int rangoDeCombo(int c);
// How many combinations are active.
int cantidadCombosActivos();
// Colour of combination c (palette entry of its place, the first one when it
// is not active), and the darker one of the inner lines of its diagrams.
colorCombo colorDeCombo(int c);
colorCombo colorInteriorDeCombo(int c);
// " (C1)": what a value label of combination c carries after its number
// while the switch is on; "" while it is off.
std::string sufijoDeCombo(int c);
