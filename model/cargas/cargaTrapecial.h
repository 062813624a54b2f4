// Distributed load over the whole bar, varying linearly from the start node
// to the end node, in local axes: axial pi..pf along x and transverse qi..qf
// along y, per unit length. Loads given in global directions and the self
// weight are projected to this form when they are read.
//
// Clamped-clamped end actions, as loads on the nodes in the sense of the
// load (the trapezoid taken as a uniform load qi plus a triangle qf - qi;
// fixed-end forces of Ghali & Neville, Structural Analysis, appendix C):
//   N1 = L(2pi + pf)/6            N2 = L(pi + 2pf)/6
//   V1 = L(7qi + 3qf)/20          V2 = L(3qi + 7qf)/20
//   M1 = L²(qi/20 + qf/30)        M2 = -L²(qi/30 + qf/20)
// Along the bar, with q(x) = -(A·x + B), A = -(qf - qi)/L and B = -qi
// (the first two integration constants of the report):
//   V = -A·x²/2 - B·x      M = -A·x³/6 - B·x²/2      E·I·v = -A·x⁵/120 - B·x⁴/24
//   N over the line between the end forces: (pf - pi)·x·(L - x)/(2L).
// Resultant: L(pi + pf)/2 along x, L(qi + qf)/2 along y, moment about the
// start ∫x·q dx = L²(qi/6 + qf/3).
#pragma once

#include <cmath>

#include "aporteCarga.h"

struct cargaTrapecial {
    double pi = 0;  // axial, at the start and at the end
    double pf = 0;
    double qi = 0;  // transverse, at the start and at the end
    double qf = 0;

    static constexpr const char* nombre = "trapecial";
    // A load, not an imposed deformation (see cargaTemperatura.h).
    static constexpr bool deformacionImpuesta = false;

    accionesExtremo accionesEmpotramiento(double L) const {
        accionesExtremo f;
        f << L * (2 * pi + pf) / 6, L * (7 * qi + 3 * qf) / 20, L * L * (qi / 20 + qf / 30),
            L * (pi + 2 * pf) / 6, L * (3 * qi + 7 * qf) / 20, -L * L * (qi / 30 + qf / 20);
        return f;
    }

    aporteCarga aporte(double x, double L, lado) const {
        // No load: the zeros the formulas below give (+0, N untouched), at
        // no cost; the unit nodal loads of many solves pass here.
        if (pi == 0 && pf == 0 && qi == 0 && qf == 0 && L > 0 && x >= 0) {
            aporteCarga a;
            a.V = a.M = a.EIv = 0.0;
            return a;
        }
        const double A = -(qf - qi) / L;
        const double B = -qi;
        aporteCarga a;
        if (pf != pi) a.N = (pf - pi) * x * (L - x) / (2 * L);
        a.V = -A * x * x / 2 - B * x;
        a.M = -A * x * x * x / 6 - B * x * x / 2;
        a.EIv = -A * std::pow(x, 5) / 120 - B * std::pow(x, 4) / 24;
        return a;
    }

    polinomioCortante cortante(double, double L) const {
        const double A = -(qf - qi) / L;
        return {0, qi, -A / 2};
    }

    resultanteLocal resultante(double L) const {
        return {L * (pi + pf) / 2, L * (qi + qf) / 2, L * L * (qi / 6 + qf / 3)};
    }

    void puntosSingulares(double, std::vector<puntoSingular>&) const {}

    // N is a parabola where the axial load varies.
    bool axialVariable() const { return pf != pi; }

    cargaTrapecial escalada(double f) const { return {f * pi, f * pf, f * qi, f * qf}; }

    cargaTrapecial& operator+=(const cargaTrapecial& o) {
        pi += o.pi;
        pf += o.pf;
        qi += o.qi;
        qf += o.qf;
        return *this;
    }

    std::vector<campoCarga> campos() const {
        return {{"p_inicio", pi}, {"p_fin", pf}, {"q_inicio", qi}, {"q_fin", qf}};
    }
};
