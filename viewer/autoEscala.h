// "autoEscala": the scale of the layer that is on, so that its largest
// ordinate over the active combinations is a fixed share of the view.
#pragma once

#include <string>

// Share of zCam (the world length across the shorter window side) that the
// largest ordinate takes.
const double fraccionAutoEscala = 0.08;

// Sets the scale of the deformed shape, N, V, M or loads layer that is on
// from the visible bars and nodes and the active combinations, and gives
// the reply for the prompt (the scale by the name of its tag in the file),
// or the reason why nothing was changed.
std::string ajustarEscalaAutomatica();

// Largest ordinate of a layer (one of the switches 3 to 7) per unit of its
// scale over the active combinations: the largest node and station
// displacement, |N|, |V| or |M| at the 21 stations, or the largest load
// intensity drawn as an arrow (node forces, transverse loads). 0 when the
// layer has nothing to draw.
double ordenadaMayor(int capa);
