// The scene as a vector drawing (PDF or SVG) through gl2ps: the frame is
// drawn once more in feedback mode, so bars, symbols, diagrams and the
// stroke-font text come out as lines, and the on-screen overlay texts are
// passed as text.
#pragma once

#include <string>

// True while the scene is being drawn for a vector capture: line widths
// and the overlay texts are passed on to it, and the cached layers are
// drawn directly.
bool capturaVectorialEnCurso();

// Writes the current window's scene to the new file `nombre` (which must not
// exist) as PDF or SVG. Empty on success, otherwise why it could not be
// written (nothing is left behind).
std::string escribirCapturaVectorial(const std::string& nombre, bool pdf);

// One overlay text at the current raster position, one line after another
// (the bitmap font's line height apart), as text of the vector drawing.
void textoVectorial(const std::string& texto, double xRaster, double yRaster,
                    double unidadesPorPixel);
