// Exact extremes of N, V and M along a bar from its polynomials.
#include "extremosBarra.h"

#include <algorithm>
#include <cmath>

#include "estacionesBarra.h"
#include "lineaElastica.h"

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

// Positions to compare: both ends and the given interior points that lie
// strictly inside the bar, in ascending order.
std::vector<double> posiciones(double L, const std::vector<double>& interiores) {
    std::vector<double> x = {0.0};
    for (double r : interiores) {
        if (0 < r && r < L) x.push_back(r);
    }
    std::sort(x.begin(), x.end());
    if (L > 0) x.push_back(L);
    return x;
}

// Largest and smallest of f over the positions; the first position wins a
// tie, and any number beats a NaN.
template <class F>
extremosEsfuerzo extremosEn(const std::vector<double>& x, F f) {
    extremosEsfuerzo e;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double v = f(x[i]);
        if (i == 0 || v > e.maximo.valor || std::isnan(e.maximo.valor)) e.maximo = {v, x[i]};
        if (i == 0 || v < e.minimo.valor || std::isnan(e.minimo.valor)) e.minimo = {v, x[i]};
    }
    return e;
}

// N is the bar's axial force sampled at 0, L/2 and L, N(t) = n0 + b·t + a·t²
// with t = x/L (the parabola through the three samples). It is a straight
// line unless the axial load varies along the bar; then its vertex
// t = -b/(2a) is the interior extreme.
extremosEsfuerzo extremosAxial(objBarra2d& b, int c, double L) {
    const Eigen::MatrixXd s = b.getSolicitacionAxial(c, 3);
    const double n0 = s(1, 0), nm = s(1, 1), n1 = s(1, 2);
    const double pa = 2 * n0 - 4 * nm + 2 * n1;
    const double pb = -3 * n0 + 4 * nm - n1;
    std::vector<double> interiores;
    if (b.getFInicioCombo(c) != b.getFFinCombo(c) && pa != 0)
        interiores.push_back(-pb / (2 * pa) * L);
    return extremosEn(posiciones(L, interiores), [&](double x) {
        if (x == 0) return n0;
        if (x == L) return n1;
        const double t = x / L;
        return n0 + pb * t + pa * t * t;
    });
}

}  // namespace

std::vector<extremosBarra> extremosDeBarra(objBarra2d& b, const std::vector<int>& combos) {
    const int validos = combosConResultados(b);
    const Eigen::MatrixXd constantes = b.getConstantesIntegracion();
    std::vector<extremosBarra> r;
    for (int c : combos) {
        if (c < 0 || c >= validos) continue;
        // The bar's length as its sampling functions see it (last station).
        const double L = b.getSolicitacionMomento(c, 2)(0, 1);
        const constantesBarra k = constantes.col(c);
        extremosBarra e;
        e.N = extremosAxial(b, c, L);
        // V(x) = -A·x²/2 - B·x + C1 has its extreme where q = -(A·x + B) = 0.
        e.V = extremosEn(posiciones(L, raicesCuadratica(0, -k(0), -k(1))),
                         [&](double x) { return cortanteEn(k, x); });
        e.M = extremosEn(posiciones(L, raicesCuadratica(-k(0) / 2, -k(1), k(2))),
                         [&](double x) { return momentoEn(k, x); });
        r.push_back(e);
    }
    return r;
}
