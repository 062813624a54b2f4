// Fixed-point and scientific text of a number with a given count of decimals,
// as drawn by the viewer (no OpenGL here, so it is testable without a window).
#pragma once

#include <string>

// The format is built first ("%.<d>f" or "%.<d>e") into a 20-character buffer
// and the value printed with it into a 100-character buffer; both writes are
// bounded, so a huge value or count of decimals gives a truncated text, never
// an overflow. Negative decimals count as 0.
std::string formatearNumero(double valor, int decimales, bool cientifica);
