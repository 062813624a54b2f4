#include "cargasEnPiezas.h"

#include <algorithm>

namespace {

// A part of a partial load shorter than this share of the bar is rounding
// at a boundary, not load.
constexpr double tramoDespreciable = 1e-12;

// Value at x of a quantity varying linearly from va at xa to vb at xb.
double interpolar(double va, double vb, double xa, double xb, double x) {
    return xb == xa ? va : va + (vb - va) * (x - xa) / (xb - xa);
}

struct enPieza {
    double L, x0, x1;
    bool ultima;

    std::optional<cargaBarra> operator()(const cargaTrapecial& t) const {
        return cargaTrapecial{interpolar(t.pi, t.pf, 0, L, x0), interpolar(t.pi, t.pf, 0, L, x1),
                              interpolar(t.qi, t.qf, 0, L, x0), interpolar(t.qi, t.qf, 0, L, x1)};
    }
    std::optional<cargaBarra> operator()(const cargaParcial& c) const {
        const double a = std::max(c.a, x0), b = std::min(c.b, x1);
        if (!(b - a > tramoDespreciable * L)) return std::nullopt;
        return cargaParcial{a - x0,
                            b - x0,
                            interpolar(c.pa, c.pb, c.a, c.b, a),
                            interpolar(c.pa, c.pb, c.a, c.b, b),
                            interpolar(c.qa, c.qb, c.a, c.b, a),
                            interpolar(c.qa, c.qb, c.a, c.b, b)};
    }
    std::optional<cargaBarra> operator()(const cargaPuntual& p) const {
        const bool aqui = (p.a >= x0 && p.a < x1) || (ultima && p.a >= x1);
        if (!aqui) return std::nullopt;
        cargaPuntual q = p;
        q.a = std::clamp(p.a - x0, 0.0, x1 - x0);
        return q;
    }
    std::optional<cargaBarra> operator()(const cargaTemperatura& t) const { return t; }
};

}  // namespace

std::optional<cargaBarra> cargaEnPieza(const cargaBarra& carga, double L, double x0, double x1,
                                       bool ultima) {
    return std::visit(enPieza{L, x0, x1, ultima}, carga);
}
