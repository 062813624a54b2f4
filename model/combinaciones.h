// Load combinations: a named list of (factor, load case). The one place where
// the loads of a combination are formed, for nodes and bars alike.
#pragma once

#include <string>
#include <vector>

struct terminoCombo {
    double factor = 0;
    std::string caso;
};

struct comboCarga {
    std::string nombre;
    std::vector<terminoCombo> terminos;  // possibly none: all loads zero
};

// Loads of element `cargas` (items with a member `caso`) in combination c:
// for each term in order, the sum of factor × load over the loads of its case
// (exact name match), each term's sum formed apart and then added to the
// total; a case named twice counts twice. sumar(valor, factor, carga) adds
// factor × carga into valor. A combination without terms gives `cero`.
template <class Valor, class Carga, class Sumar>
Valor sumaDelCombo(const comboCarga& c, const std::vector<Carga>& cargas, const Valor& cero,
                   Sumar sumar) {
    Valor total = cero;
    bool primero = true;
    for (const terminoCombo& t : c.terminos) {
        Valor termino = cero;
        for (const Carga& k : cargas) {
            if (k.caso == t.caso) sumar(termino, t.factor, k);
        }
        if (primero) {
            total = termino;
        } else {
            total += termino;
        }
        primero = false;
    }
    return total;
}
