// Words that look like tags but are none of the format: every word ending in
// ':' outside the names gets one warning with its line and, when a known tag
// is near, that tag ("Advertencia: línea 12: la etiqueta seccionRectangulr:
// no existe (¿seccionRectangular:?); se ignoran sus valores"). The reader
// itself takes such a word as free text and its values as nobody's.
#pragma once

#include <string>

#include "claseLeerArchivo.h"

// The known tag closest to a word ending in ':' (the same word in other
// letter case, or one or two letters away), or "" when none is near.
std::string etiquetaParecida(const std::string& palabra);

// One warning per unknown tag of the file, in file order. Names (after a
// tag that takes one, and the load cases of a combination's pairs) are not
// tags and are not looked at; `lector` tells number words apart as the
// reading steps do.
void avisarEtiquetasDesconocidas(const std::string& nombreArchivo, claseLeerArchivo& lector);
