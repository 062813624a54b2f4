// Every tag of the input file, in one list: the model builder's steps read
// them, and the unknown-tag warning compares each word ending in ':' with
// them. A tag added to a step goes here as well (a test of input/ checks
// that the two agree).
#pragma once

#include <vector>

// One tag and how the words after it are read: a name first (a section, a
// load case, a combination), and for a combination, factor / load-case pairs
// after the name. Names are taken as they stand, a word ending in ':' too.
struct etiquetaArchivo {
    const char* etiqueta;
    bool conNombre;
    bool conPares;
};

const std::vector<etiquetaArchivo>& etiquetasDelArchivo();
