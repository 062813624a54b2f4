// Axial force, shear, bending moment and deflection along a bar: the
// homogeneous solution fixed by the end forces plus the contributions of the
// loads, piecewise between the points where a load makes a force jump.
//   N(x) = Ns + (Ne - Ns)·x/L + Σ N_carga(x)   (Ns, Ne the end axial forces)
//   V, M, E·I·v as in lineaElastica.h.
#include <algorithm>
#include <cmath>

#include "lineaElastica.h"
#include "resultadosBarra.h"

double resultadosBarra::flecha(int c, double x, const aporteCarga& a) const {
    // Without bending stiffness there is no elastic line: the axis is then
    // the chord between the end deflections u2 and u5.
    const double inversaEI = 1 / ei;
    if (std::isfinite(inversaEI))
        return eiFlechaEn(columna(constantesIntegracion, c), a, x) * inversaEI;
    const Eigen::Matrix<double, 6, 1> u = columna(desplazamientosLocales, c);
    return u(1) + (u(4) - u(1)) * x / longitud;
}

// Piece k holds [inicio_k, inicio_k+1]; at a boundary the side decides: just
// before it, the piece that ends there; just after it, the one that starts.
std::size_t resultadosBarra::piezaEn(double x, lado l, double& xPieza) const {
    std::size_t k = 0;
    while (k + 1 < piezas.size() &&
           (x > inicioPiezas[k + 1] || (x == inicioPiezas[k + 1] && l == lado::despues)))
        ++k;
    xPieza = x - inicioPiezas[k];
    return k;
}

esfuerzosSeccion resultadosBarra::esfuerzosEn(int c, double x, lado l, bool conFlecha) const {
    esfuerzosSeccion e;
    if (!conLongitud() || c < 0 || c >= combosConResultados()) return e;
    if (!piezas.empty()) {
        double xp = 0;
        const std::size_t k = piezaEn(x, l, xp);
        return piezas[k].esfuerzosEn(c, std::clamp(xp, 0.0, piezas[k].getLongitud()), l, conFlecha);
    }
    const double L = longitud;
    const aporteCarga a = aporteCargas(c, x, l);
    const constantesBarra k = constantesIntegracion.col(c);
    const double ns = -fuerzasExtremo(0, c);
    const double ne = fuerzasExtremo(3, c);
    e.N = axialEn(ns, ne, x, L, a);
    e.V = cortanteEn(k, a);
    e.M = momentoEn(k, a, x);
    if (conFlecha) e.v = flecha(c, x, a);
    return e;
}

std::vector<puntoSingular> resultadosBarra::puntosSingulares(int c) const {
    if (!conLongitud()) return {};
    std::vector<puntoSingular> p = getCargasCombo(c).puntosSingulares(longitud);
    if (piezas.empty()) return p;
    // The ends of the pieces: in second order the shear steps there.
    for (std::size_t k = 1; k < inicioPiezas.size(); ++k) {
        const double x = inicioPiezas[k];
        auto mismo = [x](const puntoSingular& q) { return q.x == x; };
        auto q = std::find_if(p.begin(), p.end(), mismo);
        if (q == p.end()) {
            p.push_back({x, true});
        } else {
            q->salto = true;
        }
    }
    std::sort(p.begin(), p.end(),
              [](const puntoSingular& u, const puntoSingular& v) { return u.x < v.x; });
    return p;
}

polinomioCortante resultadosBarra::cortanteEnTramo(int c, double xm) const {
    polinomioCortante p;
    if (!conLongitud() || c < 0 || c >= combosConResultados()) return p;
    if (!piezas.empty()) {
        // The piece's V(s) with s = x - x0, expanded in powers of x.
        double sm = 0;
        const std::size_t k = piezaEn(xm, lado::despues, sm);
        const double x0 = inicioPiezas[k];
        const polinomioCortante q = piezas[k].cortanteEnTramo(c, sm);
        return {q.c0 - q.c1 * x0 + q.c2 * x0 * x0, q.c1 - 2 * q.c2 * x0, q.c2};
    }
    const double L = longitud;
    p = getCargasCombo(c).sumar(p, [&](const auto& k) { return k.cortante(xm, L); });
    p.c0 += constantesIntegracion(2, c);
    return p;
}

std::vector<seccionBarra> resultadosBarra::secciones(int c, int n, bool conSaltos,
                                                     bool conQuiebres) const {
    const int puntos = std::max(n, 2);
    const double L = getLongitud();
    const double paso = L / (puntos - 1);
    std::vector<seccionBarra> s;
    s.reserve(static_cast<std::size_t>(puntos));
    for (int k = 0; k < puntos; ++k)
        s.push_back({paso * k, k == puntos - 1 ? lado::antes : lado::despues});
    if (!conSaltos && !conQuiebres) return s;

    std::vector<seccionBarra> extra;
    for (const puntoSingular& p : puntosSingulares(c)) {
        if (p.salto ? !conSaltos : !conQuiebres) continue;
        // A station on the point gives way to it.
        for (std::size_t k = 1; k + 1 < s.size(); ++k) {
            if (std::abs(s[k].x - p.x) <= toleranciaEstacion * L) {
                s.erase(s.begin() + static_cast<std::ptrdiff_t>(k));
                break;
            }
        }
        if (p.salto) extra.push_back({p.x, lado::antes});
        extra.push_back({p.x, lado::despues});
    }
    std::vector<seccionBarra> todas(s.size() + extra.size());
    std::merge(s.begin(), s.end(), extra.begin(), extra.end(), todas.begin(),
               [](const seccionBarra& u, const seccionBarra& v) { return u.x < v.x; });
    return todas;
}

namespace {

// 2 x n matrix of the stations of `r` and one force there.
template <class F>
Eigen::MatrixXd muestreo(const resultadosBarra& r, int c, int n, F valor) {
    const std::vector<seccionBarra> s = r.secciones(c, n, false);
    Eigen::MatrixXd m = Eigen::MatrixXd::Zero(2, static_cast<Eigen::Index>(s.size()));
    for (std::size_t k = 0; k < s.size(); ++k) {
        m(0, static_cast<Eigen::Index>(k)) = s[k].x;
        m(1, static_cast<Eigen::Index>(k)) = valor(r.esfuerzosEn(c, s[k].x, s[k].l));
    }
    return m;
}

}  // namespace

Eigen::MatrixXd resultadosBarra::getSolicitacionAxial(int c, int n) const {
    return muestreo(*this, c, n, [](const esfuerzosSeccion& e) { return e.N; });
}

Eigen::MatrixXd resultadosBarra::getSolicitacionCortante(int c, int n) const {
    return muestreo(*this, c, n, [](const esfuerzosSeccion& e) { return e.V; });
}

Eigen::MatrixXd resultadosBarra::getSolicitacionMomento(int c, int n) const {
    return muestreo(*this, c, n, [](const esfuerzosSeccion& e) { return e.M; });
}
