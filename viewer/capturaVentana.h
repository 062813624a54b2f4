// "captura", "capturaPDF" and "capturaSVG": the window as it is on screen to
// captura-NNN.png, or the same scene as a vector drawing to captura-NNN.pdf
// or .svg, in the current folder.
#pragma once

#include <string>

#include "lineaComandos.h"

// The first name captura-NNN.<extension> (NNN from 001) that no file holds.
std::string nombreCapturaLibre(const std::string& extension);

// Takes the capture asked for: the reply goes to the prompt first, so that
// the picture written is the one the window shows afterwards; when the file
// cannot be written the reply says why and no file is left.
void tomarCaptura(formatoCaptura formato);

// Why a file could not be written, from the system's error number.
std::string motivoError(int numeroError);
