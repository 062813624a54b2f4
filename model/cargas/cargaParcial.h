// Distributed load over part of the bar, from a to b (distances from the
// start node), varying linearly between its values at a and at b, in local
// axes: axial pa..pb along x and transverse qa..qb along y, per unit length
// of the bar. A load given in a global direction is projected when read.
//
// Clamped-clamped end actions, as loads on the nodes in the sense of the
// load: the work-equivalent loads ∫ N(x)·q(x) dx over [a, b] with the
// Hermite shape functions N1..N4 for the transverse load and 1 - x/L, x/L
// for the axial one (Przemieniecki, Theory of Matrix Structural Analysis,
// §5.9). The integrands are polynomials of degree four, integrated exactly
// by three-point Gauss-Legendre quadrature on [a, b].
// Along the bar, with s = x - a, d = b - a and k = (qb - qa)/d:
//   a < x < b:  V = qa·s + k·s²/2, M = qa·s²/2 + k·s³/6,
//               E·I·v = qa·s⁴/24 + k·s⁵/120
//   x >= b:     with t = x - b, W = d(qa + qb)/2, Mb = d²(2qa + qb)/6,
//               θb = d³(3qa + qb)/24, vb = d⁴(4qa + qb)/120:
//               V = W, M = Mb + W·t, E·I·v = vb + θb·t + Mb·t²/2 + W·t³/6
// and the same integrals of the axial load give N (with the opposite sign),
// taken over the line between the end forces. The load has no jump: V and N
// only change slope at a and at b.
// Resultant: d(pa + pb)/2 along x, W along y, moment about the start
// W·a + d²(qa + 2qb)/6.
#pragma once

#include <cmath>
#include <vector>

#include "aporteCarga.h"

struct cargaParcial {
    double a = 0;
    double b = 0;
    double pa = 0;  // axial at a and at b
    double pb = 0;
    double qa = 0;  // transverse at a and at b
    double qb = 0;

    static constexpr const char* nombre = "parcial";
    // A load, not an imposed deformation (see cargaTemperatura.h).
    static constexpr bool deformacionImpuesta = false;

    accionesExtremo accionesEmpotramiento(double L) const {
        // Gauss-Legendre, three points on [-1, 1]: ±√(3/5) with weight 5/9,
        // 0 with weight 8/9.
        const double t[3] = {-std::sqrt(0.6), 0.0, std::sqrt(0.6)};
        const double w[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
        const double m = (a + b) / 2, h = (b - a) / 2;
        accionesExtremo f = accionesExtremo::Zero();
        for (int i = 0; i < 3; ++i) {
            const double x = m + h * t[i];
            const double u = (x - a) / (b - a);
            const double p = pa + (pb - pa) * u, q = qa + (qb - qa) * u;
            const double xi = x / L, xi2 = xi * xi, xi3 = xi2 * xi;
            const double peso = h * w[i];
            f(0) += peso * p * (1 - xi);
            f(1) += peso * q * (1 - 3 * xi2 + 2 * xi3);
            f(2) += peso * q * L * (xi - 2 * xi2 + xi3);
            f(3) += peso * p * xi;
            f(4) += peso * q * (3 * xi2 - 2 * xi3);
            f(5) += peso * q * L * (xi3 - xi2);
        }
        return f;
    }

    // V, M, E·I·v of a load ra..rb on [a, b] at x (the primitives of the
    // header); with the axial values they give -N before the line is taken.
    struct integrales {
        double V = 0, M = 0, EIv = 0;
    };
    integrales integrar(double ra, double rb, double x) const {
        integrales r;
        if (x <= a) return r;
        const double d = b - a;
        if (x < b) {
            const double s = x - a, u = s / d;
            // k·s² = (rb - ra)·s·u keeps a short load from a large k.
            r.V = ra * s + (rb - ra) * s * u / 2;
            r.M = ra * s * s / 2 + (rb - ra) * s * s * u / 6;
            r.EIv = ra * s * s * s * s / 24 + (rb - ra) * s * s * s * s * u / 120;
            return r;
        }
        const double t = x - b;
        const double W = d * (ra + rb) / 2;
        const double Mb = d * d * (2 * ra + rb) / 6;
        const double tb = d * d * d * (3 * ra + rb) / 24;
        const double vb = d * d * d * d * (4 * ra + rb) / 120;
        r.V = W;
        r.M = Mb + W * t;
        r.EIv = vb + tb * t + Mb * t * t / 2 + W * t * t * t / 6;
        return r;
    }

    aporteCarga aporte(double x, double L, lado) const {
        aporteCarga r;
        const integrales q = integrar(qa, qb, x);
        r.V = q.V;
        r.M = q.M;
        r.EIv = q.EIv;
        // -∫p from 0 to x, less its share of the line between the ends.
        r.N = -integrar(pa, pb, x).V + integrar(pa, pb, L).V * x / L;
        return r;
    }

    polinomioCortante cortante(double xm, double) const {
        if (xm <= a) return {};
        if (xm >= b) return {(b - a) * (qa + qb) / 2, 0, 0};
        // qa·(x - a) + k·(x - a)²/2 expanded in powers of x.
        const double k = (qb - qa) / (b - a);
        return {-qa * a + k * a * a / 2, qa - k * a, k / 2};
    }

    resultanteLocal resultante(double) const {
        const double d = b - a, W = d * (qa + qb) / 2;
        return {d * (pa + pb) / 2, W, W * a + d * d * (qa + 2 * qb) / 6};
    }

    void puntosSingulares(double L, std::vector<puntoSingular>& p) const {
        if (pa == 0 && pb == 0 && qa == 0 && qb == 0) return;
        if (0 < a && a < L) p.push_back({a, false});
        if (0 < b && b < L) p.push_back({b, false});
    }

    bool axialVariable() const { return pa != pb; }

    cargaParcial escalada(double f) const { return {a, b, f * pa, f * pb, f * qa, f * qb}; }

    std::vector<campoCarga> campos() const {
        return {{"a", a}, {"b", b}, {"p_a", pa}, {"p_b", pb}, {"q_a", qa}, {"q_b", qb}};
    }
};
