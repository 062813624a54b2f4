// Numbers and columns of the summary for a person: a fixed number of
// significant digits, rounding noise shown as 0, columns aligned by
// characters (UTF-8 text counts one per character, not per byte).
#pragma once

#include <string>

// Significant digits of every number in the summary.
constexpr int cifrasResumen = 6;
// A value below this fraction of the largest of its kind is rounding noise.
constexpr double umbralRuido = 1e-12;

// v with cifrasResumen significant digits ("-224.64", "1.5e-05"); "0" when
// |v| < umbralRuido·referencia, referencia being the largest |value| of the
// same kind (forces, moments, displacements, ...).
std::string cifra(double v, double referencia);

// Characters of a UTF-8 text (its bytes but the continuation bytes).
std::size_t caracteres(const std::string& texto);

// texto padded with blanks on the left (aDerecha) or on the right
// (aIzquierda) to `ancho` characters; longer texts are kept whole.
std::string aDerecha(const std::string& texto, std::size_t ancho);
std::string aIzquierda(const std::string& texto, std::size_t ancho);
