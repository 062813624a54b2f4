// The kinds of load a bar carries, as one value type, and what is done with
// all the loads of a bar in one combination. Each kind lives in its own
// header and gives, for a bar of length L in local axes: its clamped-clamped
// end actions, its contribution to N, V, M and E·I·v at any section, the
// polynomial of its shear on a piece, whether its axial load varies, its
// resultant, the points where it makes a force jump or kink, itself times a
// factor, its report fields and whether it is an imposed deformation
// (listed apart in the report) rather than a load.
// A new kind: its header, one entry in the list below, its tag in the
// reader, its drawing in the viewer.
#pragma once

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "aporteCarga.h"
#include "cargaParcial.h"
#include "cargaPuntual.h"
#include "cargaTemperatura.h"
#include "cargaTrapecial.h"

using cargaBarra = std::variant<cargaTrapecial, cargaPuntual, cargaParcial, cargaTemperatura>;

// A load as the input gives it: the load case it belongs to.
struct cargaDeCaso {
    std::string caso;
    cargaBarra carga;
};

// The loads of one bar in one combination: every full-length trapezoid of
// the combination summed into one (the distributed-load row of the report),
// and every other load times its factor, in the order of the terms.
struct cargasEnCombo {
    cargaTrapecial trapecio;
    std::vector<cargaBarra> tramos;

    void agregar(const cargaTrapecial& t) { trapecio += t; }
    template <class Carga>
    void agregar(const Carga& c) {
        tramos.emplace_back(c);
    }
    cargasEnCombo& operator+=(const cargasEnCombo& o) {
        trapecio += o.trapecio;
        tramos.insert(tramos.end(), o.tramos.begin(), o.tramos.end());
        return *this;
    }

    // f(carga) for the trapezoid, then for each other load, with its kind.
    template <class F>
    void paraCadaCarga(F&& f) const {
        f(trapecio);
        for (const cargaBarra& c : tramos) std::visit(f, c);
    }

    // Sum of f(carga) over every load, from the neutral zero of Valor.
    template <class Valor, class F>
    Valor sumar(Valor total, F&& f) const {
        paraCadaCarga([&](const auto& c) { total += f(c); });
        return total;
    }

    // Some load of the combination varies along the bar axially.
    bool axialVariable() const {
        bool varia = false;
        paraCadaCarga([&](const auto& c) { varia = varia || c.axialVariable(); });
        return varia;
    }

    // The points inside (0, L) where a load makes a force jump or kink,
    // ascending; a point where one load jumps and another kinks jumps.
    std::vector<puntoSingular> puntosSingulares(double L) const {
        std::vector<puntoSingular> p;
        paraCadaCarga([&](const auto& c) { c.puntosSingulares(L, p); });
        std::sort(p.begin(), p.end(), [](const puntoSingular& u, const puntoSingular& v) {
            return u.x < v.x || (u.x == v.x && u.salto && !v.salto);
        });
        p.erase(
            std::unique(p.begin(), p.end(),
                        [](const puntoSingular& u, const puntoSingular& v) { return u.x == v.x; }),
            p.end());
        return p;
    }
};
