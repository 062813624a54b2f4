// A cubic c0 + c1·t + c2·t² + c3·t³ on 0 <= t <= 1, as the pieces of an
// influence line and the effect of a train between two of its breaks are:
// its value and the places inside (0, 1) where its slope vanishes.
#pragma once

#include <array>
#include <cmath>
#include <utility>

using cubica = std::array<double, 4>;

inline double evaluar(const cubica& c, double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

// Real roots of c1 + 2c2·t + 3c3·t² (the derivative of the cubic) inside
// (0, 1), formed without cancellation, ascending: at most two.
struct raices {
    std::array<double, 2> t;
    int n = 0;
    const double* begin() const { return t.data(); }
    const double* end() const { return t.data() + n; }
};

inline raices estacionarios(const cubica& c) {
    const double A = 3 * c[3], B = 2 * c[2], C = c[1];
    const double escala = std::abs(A) + std::abs(B) + std::abs(C);
    raices r;
    if (escala == 0) return r;
    // A leading coefficient this small beside the others is rounding.
    constexpr double despreciable = 1e-12;
    double candidatas[2];
    int n = 0;
    if (std::abs(A) > despreciable * escala) {
        const double disc = B * B - 4 * A * C;
        if (disc < 0) return r;
        const double q = -(B + std::copysign(std::sqrt(disc), B)) / 2;
        if (q == 0) return r;
        candidatas[n++] = q / A;
        candidatas[n++] = C / q;
    } else if (std::abs(B) > despreciable * escala) {
        candidatas[n++] = -C / B;
    }
    for (int k = 0; k < n; ++k)
        if (candidatas[k] > 0 && candidatas[k] < 1)
            r.t[static_cast<std::size_t>(r.n++)] = candidatas[k];
    if (r.n == 2 && r.t[0] > r.t[1]) std::swap(r.t[0], r.t[1]);
    return r;
}
