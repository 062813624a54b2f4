#include "modelo.h"

std::string modelo::nombreDelCombo(int c) const {
    if (c >= 0 && c < static_cast<int>(combos.size()))
        return combos[static_cast<std::size_t>(c)].nombre;
    return std::to_string(c + 1);
}

int modelo::getNumeroDeCombo(const std::string& nombre) const {
    int indice = -1;
    for (std::size_t c = 0; c < combos.size(); ++c) {
        if (combos[c].nombre == nombre) indice = static_cast<int>(c);
    }
    return indice;
}
