// Exact extremes of N, V and M along a bar, piece by piece.
#include "extremosBarra.h"

#include <algorithm>
#include <cmath>

namespace {

// Real roots of a·x² + b·x + c, formed without cancellation
// (q = -(b + sign(b)·√(b² - 4ac))/2, roots q/a and c/q); one root when the
// polynomial is linear, none when it is constant or the discriminant is
// negative.
std::vector<double> raicesCuadratica(double a, double b, double c) {
    if (a == 0) {
        if (b == 0) return {};
        return {-c / b};
    }
    const double discriminante = b * b - 4 * a * c;
    if (!(discriminante >= 0)) return {};
    const double q = -(b + std::copysign(std::sqrt(discriminante), b)) / 2;
    if (q == 0) return {0.0};
    return {q / a, c / q};
}

// One piece of the bar between singular points (or the ends).
struct tramoBarra {
    double x0, x1;
};

std::vector<tramoBarra> tramosDe(const resultadosBarra& b, int c) {
    std::vector<tramoBarra> t;
    double x0 = 0;
    for (const puntoSingular& p : b.puntosSingulares(c)) {
        t.push_back({x0, p.x});
        x0 = p.x;
    }
    t.push_back({x0, b.getLongitud()});
    return t;
}

// Candidate sections of one force: both ends of every piece and the given
// interior points of each piece, in ascending order.
template <class Interiores>
std::vector<seccionBarra> candidatos(const std::vector<tramoBarra>& tramos, Interiores interiores) {
    std::vector<seccionBarra> s;
    for (const tramoBarra& t : tramos) {
        s.push_back({t.x0, lado::despues});
        std::vector<double> dentro;
        for (double r : interiores(t)) {
            if (t.x0 < r && r < t.x1) dentro.push_back(r);
        }
        std::sort(dentro.begin(), dentro.end());
        for (double r : dentro) s.push_back({r, lado::despues});
        if (t.x1 > t.x0 || tramos.size() == 1) s.push_back({t.x1, lado::antes});
    }
    return s;
}

// Zeros of V inside the piece: the shear polynomial of the piece.
std::vector<double> cerosCortante(const resultadosBarra& b, int c, const tramoBarra& t) {
    const polinomioCortante p = b.cortanteEnTramo(c, (t.x0 + t.x1) / 2);
    return raicesCuadratica(p.c2, p.c1, p.c0);
}

// Zero of q = dV/dx inside the piece.
std::vector<double> cerosCarga(const resultadosBarra& b, int c, const tramoBarra& t) {
    const polinomioCortante p = b.cortanteEnTramo(c, (t.x0 + t.x1) / 2);
    return raicesCuadratica(0, 2 * p.c2, p.c1);
}

// Vertex of the parabola through N at the piece's ends and middle,
// N(t) = n0 + pb·t + pa·t² with t the share of the piece.
std::vector<double> verticeAxial(const resultadosBarra& b, int c, const tramoBarra& t) {
    if (!b.getCargasCombo(c).axialVariable()) return {};
    const double d = t.x1 - t.x0;
    const double n0 = b.esfuerzosEn(c, t.x0, lado::despues).N;
    const double nm = b.esfuerzosEn(c, t.x0 + d / 2, lado::despues).N;
    const double n1 = b.esfuerzosEn(c, t.x1, lado::antes).N;
    const double pa = 2 * n0 - 4 * nm + 2 * n1;
    const double pb = -3 * n0 + 4 * nm - n1;
    if (pa == 0) return {};
    return {t.x0 - pb / (2 * pa) * d};
}

// Largest and smallest of one force over the sections; the first section
// wins a tie, and any number beats a NaN.
template <class F>
extremosEsfuerzo extremosEn(const resultadosBarra& b, int c, const std::vector<seccionBarra>& s,
                            F fuerza) {
    extremosEsfuerzo e;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double v = fuerza(b.esfuerzosEn(c, s[i].x, s[i].l));
        if (i == 0 || v > e.maximo.valor || std::isnan(e.maximo.valor)) e.maximo = {v, s[i].x};
        if (i == 0 || v < e.minimo.valor || std::isnan(e.minimo.valor)) e.minimo = {v, s[i].x};
    }
    return e;
}

}  // namespace

std::vector<extremosBarra> extremosDeBarra(const resultadosBarra& b,
                                           const std::vector<int>& combos) {
    std::vector<extremosBarra> r;
    for (int c : combos) {
        if (c < 0 || c >= b.combosConResultados()) continue;
        const std::vector<tramoBarra> tramos = tramosDe(b, c);
        auto con = [&](auto ceros) {
            return candidatos(tramos, [&](const tramoBarra& t) { return ceros(b, c, t); });
        };
        extremosBarra e;
        e.N = extremosEn(b, c, con(verticeAxial), [](const esfuerzosSeccion& s) { return s.N; });
        e.V = extremosEn(b, c, con(cerosCarga), [](const esfuerzosSeccion& s) { return s.V; });
        e.M = extremosEn(b, c, con(cerosCortante), [](const esfuerzosSeccion& s) { return s.M; });
        r.push_back(e);
    }
    return r;
}

std::vector<seccionBarra> seccionesExtremas(const resultadosBarra& b, int c) {
    std::vector<seccionBarra> s;
    if (c < 0 || c >= b.combosConResultados()) return s;
    const std::vector<tramoBarra> tramos = tramosDe(b, c);
    for (std::size_t k = 0; k < tramos.size(); ++k) {
        const tramoBarra& t = tramos[k];
        if (k > 0) {
            s.push_back({t.x0, lado::antes});
            s.push_back({t.x0, lado::despues});
        }
        std::vector<double> dentro;
        for (auto ceros : {verticeAxial, cerosCarga, cerosCortante}) {
            for (double r : ceros(b, c, t)) {
                if (t.x0 < r && r < t.x1) dentro.push_back(r);
            }
        }
        std::sort(dentro.begin(), dentro.end());
        dentro.erase(std::unique(dentro.begin(), dentro.end()), dentro.end());
        for (double r : dentro) s.push_back({r, lado::despues});
    }
    return s;
}

valorEnBarra ceroDelCortante(const resultadosBarra& b, int c) {
    valorEnBarra mejor{0, -1};
    if (c < 0 || c >= b.combosConResultados()) return mejor;
    auto proponer = [&](double x, lado l) {
        const double m = b.esfuerzosEn(c, x, l).M;
        if (mejor.x < 0 || std::abs(m) > std::abs(mejor.valor)) mejor = {m, x};
    };
    const std::vector<tramoBarra> tramos = tramosDe(b, c);
    for (std::size_t k = 0; k < tramos.size(); ++k) {
        const tramoBarra& t = tramos[k];
        if (k > 0) {
            const double antes = b.esfuerzosEn(c, t.x0, lado::antes).V;
            const double despues = b.esfuerzosEn(c, t.x0, lado::despues).V;
            if ((antes <= 0 && despues >= 0) || (antes >= 0 && despues <= 0))
                proponer(t.x0, lado::despues);
        }
        std::vector<double> ceros = cerosCortante(b, c, t);
        std::sort(ceros.begin(), ceros.end());
        for (double r : ceros) {
            if (t.x0 < r && r < t.x1) proponer(r, lado::despues);
        }
    }
    return mejor;
}
