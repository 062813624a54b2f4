#include "trenMovil.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "cubicas.h"

namespace {

// Largest and smallest value of a piece's cubic over 0 <= t <= 1.
struct rangoPieza {
    double maximo, minimo;
};
rangoPieza rangoDe(const cubica& c) {
    rangoPieza r{std::max(evaluar(c, 0), evaluar(c, 1)), std::min(evaluar(c, 0), evaluar(c, 1))};
    for (double t : estacionarios(c)) {
        r.maximo = std::max(r.maximo, evaluar(c, t));
        r.minimo = std::min(r.minimo, evaluar(c, t));
    }
    return r;
}

// ∫ over the piece of its positive and of its negative part. The cubic is
// monotone between its stationary points; where it changes sign on such a
// stretch the root is found by Newton's method kept inside the bracket
// (bisecting when a step would leave it), to the last bit, and between
// roots the integral is exact.
std::array<double, 2> integralesConSigno(const piezaLinea& p) {
    const double h = p.s1 - p.s0;
    std::array<double, 2> r{0, 0};
    if (h <= 0) return r;
    // The ends and the stationary points split [0, 1] into stretches where
    // the cubic is monotone: at most one sign change in each.
    std::array<double, 4> puntos{};
    int nPuntos = 0;
    puntos[static_cast<std::size_t>(nPuntos++)] = 0.0;
    for (double t : estacionarios(p.c)) puntos[static_cast<std::size_t>(nPuntos++)] = t;
    puntos[static_cast<std::size_t>(nPuntos++)] = 1.0;
    std::array<double, 5> cortes{};
    int nCortes = 0;
    cortes[static_cast<std::size_t>(nCortes++)] = 0.0;
    constexpr int iteracionesMaximas = 200;
    constexpr double pasoDespreciable = 1e-12;
    const cubica derivada{p.c[1], 2 * p.c[2], 3 * p.c[3], 0};
    for (int k = 0; k + 1 < nPuntos; ++k) {
        double lo = puntos[static_cast<std::size_t>(k)],
               hi = puntos[static_cast<std::size_t>(k + 1)];
        const bool negativoAbajo = evaluar(p.c, lo) < 0;
        if (negativoAbajo == (evaluar(p.c, hi) < 0)) continue;
        double t = (lo + hi) / 2;
        for (int it = 0; it < iteracionesMaximas; ++it) {
            const double v = evaluar(p.c, t);
            if (v == 0) {
                lo = hi = t;
                break;
            }
            if ((v < 0) == negativoAbajo) {
                lo = t;
            } else {
                hi = t;
            }
            const double d = evaluar(derivada, t);
            double siguiente = d != 0 ? t - v / d : lo;
            if (!(siguiente > lo && siguiente < hi)) siguiente = (lo + hi) / 2;
            if (siguiente <= lo || siguiente >= hi) break;
            // The integrand vanishes at the root: a root this close changes
            // the integral by less than the rounding of its terms.
            const bool cerca = std::abs(siguiente - t) <= pasoDespreciable;
            t = siguiente;
            if (cerca) break;
        }
        cortes[static_cast<std::size_t>(nCortes++)] = lo == hi ? lo : t;
    }
    cortes[static_cast<std::size_t>(nCortes++)] = 1.0;
    auto primitiva = [&](double t) {
        return t * (p.c[0] + t * (p.c[1] / 2 + t * (p.c[2] / 3 + t * p.c[3] / 4)));
    };
    for (int k = 0; k + 1 < nCortes; ++k) {
        const double parte = (primitiva(cortes[static_cast<std::size_t>(k + 1)]) -
                              primitiva(cortes[static_cast<std::size_t>(k)])) *
                             h;
        r[parte > 0 ? 0 : 1] += parte;
    }
    return r;
}

std::vector<double> bordesDe(const std::vector<piezaLinea>& piezas, double longitud) {
    std::vector<double> b = {0.0, longitud};
    for (const piezaLinea& p : piezas) b.push_back(p.s1);
    std::sort(b.begin(), b.end());
    b.erase(std::unique(b.begin(), b.end()), b.end());
    return b;
}

}  // namespace

planTren::planTren(const std::vector<piezaLinea>& piezas, double S, const tren& t)
    : bordes(bordesDe(piezas, S)) {
    const std::size_t n = t.ejes.size();
    if (n == 0) return;
    for (const bool adelante : {true, false}) {
        // Axle i stands at s0 + desplazamiento[i]: behind the leading one
        // travelling forward, ahead of it (in s) travelling back.
        std::vector<double> desplazamiento(n);
        for (std::size_t i = 0; i < n; ++i)
            desplazamiento[i] = adelante ? -t.distanciaAlEje(i) : t.distanciaAlEje(i);
        std::vector<double> cortes;
        for (std::size_t i = 0; i < n; ++i)
            for (double b : bordes) cortes.push_back(b - desplazamiento[i]);
        std::sort(cortes.begin(), cortes.end());
        cortes.erase(std::unique(cortes.begin(), cortes.end()), cortes.end());
        const double desde = adelante ? 0.0 : -t.largo(), hasta = adelante ? S + t.largo() : S;
        for (std::size_t k = 0; k + 1 < cortes.size(); ++k) {
            const double a = std::max(cortes[k], desde), b = std::min(cortes[k + 1], hasta);
            if (!(a < b)) continue;
            intervalo iv{a, b, adelante, {}};
            for (std::size_t i = 0; i < n; ++i) {
                // Inside (a, b) each axle on the path stays on one piece.
                const double medio = (a + b) / 2 + desplazamiento[i];
                if (medio < 0 || medio > S) continue;
                auto p = std::lower_bound(piezas.begin(), piezas.end(), medio,
                                          [](const piezaLinea& q, double v) { return q.s1 < v; });
                if (p == piezas.end() || p->s1 <= p->s0) continue;
                const double hp = p->s1 - p->s0;
                iv.ejes.push_back({static_cast<int>(i), static_cast<int>(p - piezas.begin()),
                                   (a + desplazamiento[i] - p->s0) / hp, (b - a) / hp});
            }
            lista.push_back(std::move(iv));
        }
    }
}

bool planTren::sirveParaPiezas(const std::vector<piezaLinea>& piezas) const {
    if (piezas.empty()) return bordes.size() <= 2;
    return bordesDe(piezas, bordes.back()) == bordes;
}

extremosTren extremosDelTren(const lineaInfluencia& linea, const tren& t) {
    return extremosDelTren(linea, t, planTren(linea.piezas(), linea.getCamino().longitud, t));
}

extremosTren extremosDelTren(const lineaInfluencia& linea, const tren& t, const planTren& plan) {
    const std::vector<piezaLinea>& piezas = linea.piezas();
    double positiva = 0, negativa = 0;
    // Scratch kept by each thread from one line to the next.
    thread_local std::vector<rangoPieza> rangos;
    thread_local std::vector<double> cotaMaxima, cotaMinima;
    rangos.clear();
    for (const piezaLinea& p : piezas) {
        if (t.q != 0) {
            const std::array<double, 2> i = integralesConSigno(p);
            positiva += i[0];
            negativa += i[1];
        }
        rangos.push_back(rangoDe(p.c));
    }

    // Values closer than this are equal: rounding of sums of the axle loads
    // times the line's values. Of two equal extremes the first position
    // counts (travelling from the path's start before travelling back,
    // then by the leading axle's place), so a symmetric case names the
    // same position every time.
    double cargaTotal = 0, mayorOrdenada = 0;
    for (double P : t.ejes) cargaTotal += P;
    for (const rangoPieza& r : rangos)
        mayorOrdenada = std::max({mayorOrdenada, std::abs(r.maximo), std::abs(r.minimo)});
    constexpr double redondeoRelativo = 1e-12;
    const double ruido = redondeoRelativo * cargaTotal * mayorOrdenada;

    // The axles' part alone; the train off the path (effect 0, with the
    // leading axle at the path's start, before every position) is where
    // both begin.
    struct candidato {
        extremoTren e;
        double orden = -1;  // interval index plus τ
    };
    candidato ejeMaximo, ejeMinimo;
    const auto& intervalos = plan.intervalos();
    // E(τ) on an interval: each axle's piece cubic in its own t = α + β·τ,
    // expanded in τ and weighted by the axle's load.
    auto efecto = [&](const planTren::intervalo& iv) {
        cubica e{};
        for (const planTren::ejeEnPieza& x : iv.ejes) {
            const cubica& c = piezas[static_cast<std::size_t>(x.pieza)].c;
            const double P = t.ejes[static_cast<std::size_t>(x.eje)], al = x.alfa, be = x.beta;
            e[0] += P * (c[0] + al * (c[1] + al * (c[2] + al * c[3])));
            e[1] += P * be * (c[1] + al * (2 * c[2] + 3 * c[3] * al));
            e[2] += P * be * be * (c[2] + 3 * c[3] * al);
            e[3] += P * be * be * be * c[3];
        }
        return e;
    };
    // v at `orden` replaces the kept candidate: beyond it, or equal to it
    // and first.
    auto mejora = [&](double v, double orden, const candidato& c, double signo) {
        const double diferencia = signo * (v - c.e.valor);
        return diferencia > ruido || (diferencia >= -ruido && orden < c.orden);
    };
    auto examinar = [&](std::size_t k, bool buscarMaximo, bool buscarMinimo) {
        const planTren::intervalo& iv = intervalos[k];
        const cubica e = efecto(iv);
        const double h = iv.b - iv.a;
        auto proponer = [&](double tau) {
            const double v = evaluar(e, tau);
            const double orden = static_cast<double>(k) + tau;
            const candidato c{{v, iv.a + h * tau, iv.adelante}, orden};
            if (buscarMaximo && mejora(v, orden, ejeMaximo, 1)) ejeMaximo = c;
            if (buscarMinimo && mejora(v, orden, ejeMinimo, -1)) ejeMinimo = c;
        };
        proponer(0);
        for (double tau : estacionarios(e)) proponer(tau);
        proponer(1);
    };
    // Bounds of every interval: each axle at the extreme of its piece (the
    // axle loads are downward magnitudes, never negative).
    cotaMaxima.resize(intervalos.size());
    cotaMinima.resize(intervalos.size());
    std::size_t mejorMaxima = 0, mejorMinima = 0;
    for (std::size_t k = 0; k < intervalos.size(); ++k) {
        double arriba = 0, abajo = 0;
        for (const planTren::ejeEnPieza& x : intervalos[k].ejes) {
            const double P = t.ejes[static_cast<std::size_t>(x.eje)];
            arriba += P * rangos[static_cast<std::size_t>(x.pieza)].maximo;
            abajo += P * rangos[static_cast<std::size_t>(x.pieza)].minimo;
        }
        cotaMaxima[k] = arriba;
        cotaMinima[k] = abajo;
        if (arriba > cotaMaxima[mejorMaxima]) mejorMaxima = k;
        if (abajo < cotaMinima[mejorMinima]) mejorMinima = k;
    }
    // The most promising intervals first, then every one that can still
    // beat what was found or equal it.
    if (!intervalos.empty()) {
        examinar(mejorMaxima, true, false);
        examinar(mejorMinima, false, true);
    }
    for (std::size_t k = 0; k < intervalos.size(); ++k) {
        const bool maximo = cotaMaxima[k] >= ejeMaximo.e.valor - ruido;
        const bool minimo = cotaMinima[k] <= ejeMinimo.e.valor + ruido;
        if (maximo || minimo) examinar(k, maximo, minimo);
    }

    extremosTren r;
    r.maximo = ejeMaximo.e;
    r.maximo.valor += t.q * positiva;
    r.minimo = ejeMinimo.e;
    r.minimo.valor += t.q * negativa;
    return r;
}
