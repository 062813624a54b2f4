// Stations along a bar and the envelope of its internal forces over a set of
// combinations.
#include "estacionesBarra.h"

#include <algorithm>
#include <cmath>

#include "extremosBarra.h"

namespace {

// Keeps value v of combination c at section j when it is the first one seen,
// or beyond the kept one (a NaN kept first gives way to any number).
void anotarEnvolvente(envolventeEsfuerzo& e, Eigen::Index j, double v, int c, bool primero) {
    if (primero || v > e.maximo(j) || std::isnan(e.maximo(j))) {
        e.maximo(j) = v;
        e.comboMaximo(j) = c;
    }
    if (primero || v < e.minimo(j) || std::isnan(e.minimo(j))) {
        e.minimo(j) = v;
        e.comboMinimo(j) = c;
    }
}

envolventeEsfuerzo envolventeVacia(Eigen::Index n) {
    envolventeEsfuerzo e;
    e.maximo = Eigen::VectorXd::Zero(n);
    e.minimo = Eigen::VectorXd::Zero(n);
    e.comboMaximo = Eigen::VectorXi::Constant(n, -1);
    e.comboMinimo = Eigen::VectorXi::Constant(n, -1);
    return e;
}

bool antesQue(const seccionBarra& u, const seccionBarra& v) {
    return u.x < v.x || (u.x == v.x && u.l == lado::antes && v.l == lado::despues);
}

bool mismaSeccion(const seccionBarra& u, const seccionBarra& v) {
    return u.x == v.x && u.l == v.l;
}

}  // namespace

std::vector<estacionesBarra> estacionesDeBarra(const resultadosBarra& b,
                                               const std::vector<int>& combos, int n,
                                               bool conSaltos) {
    std::vector<estacionesBarra> r;
    for (int c : combos) {
        if (c < 0 || c >= b.combosConResultados()) continue;
        const std::vector<seccionBarra> s = b.secciones(c, n, conSaltos);
        const Eigen::Index m = static_cast<Eigen::Index>(s.size());
        estacionesBarra e;
        e.x.resize(m);
        e.N.resize(m);
        e.V.resize(m);
        e.M.resize(m);
        e.v.resize(m);
        for (Eigen::Index j = 0; j < m; ++j) {
            const seccionBarra& sj = s[static_cast<std::size_t>(j)];
            const esfuerzosSeccion f = b.esfuerzosEn(c, sj.x, sj.l);
            e.x(j) = sj.x;
            e.N(j) = f.N;
            e.V(j) = f.V;
            e.M(j) = f.M;
            e.v(j) = f.v;
        }
        r.push_back(std::move(e));
    }
    return r;
}

envolventeBarra envolventeDeBarra(const resultadosBarra& b, const std::vector<int>& combos, int n,
                                  bool conExtremos) {
    // The stations, both sides of the jumps of every combination (a jump
    // takes the place of a station it falls on) and, when asked, their
    // extremes.
    std::vector<double> saltos;
    std::vector<seccionBarra> extremas;
    for (int c : combos) {
        if (c < 0 || c >= b.combosConResultados()) continue;
        for (const puntoSingular& p : b.puntosSingulares(c))
            if (p.salto) saltos.push_back(p.x);
        if (conExtremos) {
            const std::vector<seccionBarra> e = seccionesExtremas(b, c);
            extremas.insert(extremas.end(), e.begin(), e.end());
        }
    }
    const double L = b.getLongitud();
    std::vector<seccionBarra> s;
    const std::vector<seccionBarra> estaciones = b.secciones(-1, n, false);
    for (std::size_t k = 0; k < estaciones.size(); ++k) {
        const bool extremo = k == 0 || k + 1 == estaciones.size();
        const bool reemplazada = std::any_of(saltos.begin(), saltos.end(), [&](double x) {
            return std::abs(x - estaciones[k].x) <= toleranciaEstacion * L;
        });
        if (extremo || !reemplazada) s.push_back(estaciones[k]);
    }
    for (double x : saltos) {
        s.push_back({x, lado::antes});
        s.push_back({x, lado::despues});
    }
    s.insert(s.end(), extremas.begin(), extremas.end());
    std::stable_sort(s.begin(), s.end(), antesQue);
    s.erase(std::unique(s.begin(), s.end(), mismaSeccion), s.end());

    envolventeBarra r;
    const Eigen::Index m = static_cast<Eigen::Index>(s.size());
    r.x.resize(m);
    for (Eigen::Index j = 0; j < m; ++j) r.x(j) = s[static_cast<std::size_t>(j)].x;
    r.N = r.V = r.M = envolventeVacia(m);
    bool primero = true;
    for (int c : combos) {
        if (c < 0 || c >= b.combosConResultados()) continue;
        for (Eigen::Index j = 0; j < m; ++j) {
            const seccionBarra& sj = s[static_cast<std::size_t>(j)];
            const esfuerzosSeccion f = b.esfuerzosEn(c, sj.x, sj.l);
            anotarEnvolvente(r.N, j, f.N, c, primero);
            anotarEnvolvente(r.V, j, f.V, c, primero);
            anotarEnvolvente(r.M, j, f.M, c, primero);
        }
        primero = false;
    }
    return r;
}
