// Concentrated load at a distance a from the start node, in local axes: a
// force px along x, a force py along y and a moment mz (counter-clockwise
// positive). A load given in global components is projected when read; it
// keeps the mark so that it is drawn as it was given.
//
// Clamped-clamped end actions, as loads on the nodes in the sense of the
// load, with b = L - a: the work-equivalent loads P·N(a) and M·N'(a) of the
// Hermite shape functions (Przemieniecki, Theory of Matrix Structural
// Analysis, §5.9; for the force they are the fixed-end forces of any beam
// table, Pab²/L², Pa²b/L², Pb²(3a + b)/L³, Pa²(a + 3b)/L³):
//   N1 = px·b/L                          N2 = px·a/L
//   V1 = py·b²(3a + b)/L³ - 6mz·a·b/L³   V2 = py·a²(a + 3b)/L³ + 6mz·a·b/L³
//   M1 = py·a·b²/L² + mz·b(b - 2a)/L²    M2 = -py·a²·b/L² + mz·a(a - 2b)/L²
// Along the bar, with <x - a>ⁿ Macaulay's bracket (zero before the load):
//   V = py<x - a>⁰   M = py<x - a> - mz<x - a>⁰
//   E·I·v = py<x - a>³/6 - mz<x - a>²/2
//   N over the line between the end forces: px·x/L - px<x - a>⁰
// so V jumps by py, N by -px and M by -mz at the load. A load at a = 0 or
// a = L belongs to the bar: at x = a the bracket <x - a>⁰ is 1 just after
// the load and 0 just before it.
#pragma once

#include <vector>

#include "aporteCarga.h"

struct cargaPuntual {
    double a = 0;
    double px = 0;
    double py = 0;
    double mz = 0;
    bool dadaEnGlobal = false;  // drawn with global components

    static constexpr const char* nombre = "puntual";
    // A load, not an imposed deformation (see cargaTemperatura.h).
    static constexpr bool deformacionImpuesta = false;

    // <x - a>⁰ on the given side of the load.
    bool despuesDeLaCarga(double x, lado l) const {
        return x > a || (x == a && l == lado::despues);
    }

    accionesExtremo accionesEmpotramiento(double L) const {
        const double b = L - a, L2 = L * L, L3 = L2 * L;
        accionesExtremo f;
        f << px * b / L, py * b * b * (3 * a + b) / L3 - 6 * mz * a * b / L3,
            py * a * b * b / L2 + mz * b * (b - 2 * a) / L2, px * a / L,
            py * a * a * (a + 3 * b) / L3 + 6 * mz * a * b / L3,
            -py * a * a * b / L2 + mz * a * (a - 2 * b) / L2;
        return f;
    }

    aporteCarga aporte(double x, double L, lado l) const {
        aporteCarga r;
        r.N = px * x / L;
        if (!despuesDeLaCarga(x, l)) return r;
        const double s = x - a;
        r.N -= px;
        r.V = py;
        r.M = py * s - mz;
        r.EIv = py * s * s * s / 6 - mz * s * s / 2;
        return r;
    }

    polinomioCortante cortante(double xm, double) const { return {xm > a ? py : 0.0, 0, 0}; }

    resultanteLocal resultante(double) const { return {px, py, a * py + mz}; }

    void puntosSingulares(double L, std::vector<puntoSingular>& p) const {
        if (0 < a && a < L && (px != 0 || py != 0 || mz != 0)) p.push_back({a, true});
    }

    bool axialVariable() const { return false; }

    cargaPuntual escalada(double f) const { return {a, f * px, f * py, f * mz, dadaEnGlobal}; }

    std::vector<campoCarga> campos() const {
        return {{"a", a}, {"Px", px}, {"Py", py}, {"Mz", mz}};
    }
};
