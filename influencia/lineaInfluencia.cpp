#include "lineaInfluencia.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "cargaPuntual.h"
#include "cubicas.h"
#include "direccionCarga.h"
#include "estacionesBarra.h"
#include "liberacionExtremos.h"
#include "nudosFijos.h"

namespace {
// Where along a bar the cubic pieces are sampled.
constexpr double fraccionesMuestra[4] = {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0};
}  // namespace

// The unit load's released fixed-end actions, turned to global axes: the
// loads it puts on the bar's two nodes.
Eigen::Matrix<double, 6, 1> cargasDeLaUnitaria(const modelo& m, const tramoCamino& t, double a,
                                               const Eigen::Matrix<double, 6, 6>& tTranspuesta) {
    if (t.L == 0) return Eigen::Matrix<double, 6, 1>::Zero();
    const objBarra2d& b = m.barra[static_cast<std::size_t>(t.barra)];
    const Eigen::Vector2d p = componentesLocales(b.getAngulo(), Eigen::Vector2d(0, -1));
    const accionesExtremo local =
        liberarExtremos(cargaPuntual{a, p(0), p(1), 0, true}.accionesEmpotramiento(t.L), t.L,
                        b.getFactorArticulacionInicio(), b.getFactorArticulacionFin());
    return tTranspuesta * local;
}

std::vector<gradosCargados> gradosQueCarga(const modelo& m,
                                           const std::vector<caminoRecorrido>& caminos) {
    std::vector<gradosCargados> g(m.nudo.size(), gradosCargados{false, false, false});
    for (const caminoRecorrido& c : caminos) {
        for (const tramoCamino& t : c.tramos) {
            const objBarra2d& b = m.barra[static_cast<std::size_t>(t.barra)];
            const Eigen::Matrix<double, 6, 6> tT =
                Eigen::Matrix<double, 6, 6>(b.getT()).transpose();
            const int nudos[2] = {b.getNudoInicio(), b.getNudoFinal()};
            // The loads are cubic in the load's place: zero at four places,
            // zero everywhere.
            for (double f : fraccionesMuestra) {
                const Eigen::Matrix<double, 6, 1> F = cargasDeLaUnitaria(m, t, f * t.L, tT);
                for (int j = 0; j < 6; ++j) {
                    const int n = nudos[j / 3];
                    if (F(j) != 0 && n >= 0 && static_cast<std::size_t>(n) < g.size())
                        g[static_cast<std::size_t>(n)][static_cast<std::size_t>(j % 3)] = true;
                }
            }
        }
    }
    return g;
}

double fuerzaDe(const esfuerzosSeccion& e, tipoRespuesta t) {
    return t == tipoRespuesta::axial ? e.N : t == tipoRespuesta::cortante ? e.V : e.M;
}

namespace {

double valorDeNudo(const resultadosNudo& r, tipoRespuesta t, int k) {
    switch (t) {
        case tipoRespuesta::reaccionX:
            return r.getReaccionX(k);
        case tipoRespuesta::reaccionY:
            return r.getReaccionY(k);
        case tipoRespuesta::reaccionM:
            return r.getReaccionM(k);
        case tipoRespuesta::desplazamientoX:
            return r.getDesplazamientoX(k);
        case tipoRespuesta::desplazamientoY:
            return r.getDesplazamientoY(k);
        default:
            return r.getGiroZ(k);
    }
}

// A bar's force at its ends is taken from inside the bar.
lado ladoDeExtremo(double x, double L) {
    return x >= L ? lado::antes : lado::despues;
}

// The cubic c0 + c1·t + c2·t² + c3·t³ through its values at t = 0, 1/3,
// 2/3 and 1.
std::array<double, 4> cubicaPorCuatroPuntos(const std::array<double, 4>& v) {
    return {v[0], (-11 * v[0] + 18 * v[1] - 9 * v[2] + 2 * v[3]) / 2,
            (18 * v[0] - 45 * v[1] + 36 * v[2] - 9 * v[3]) / 2,
            (-9 * v[0] + 27 * v[1] - 27 * v[2] + 9 * v[3]) / 2};
}

}  // namespace

caminoInfluencia::caminoInfluencia(const modelo& modelo, const sistemaInfluencia& s,
                                   const caminoRecorrido& c)
    : m(modelo), sistema(s), camino(c) {
    for (std::size_t i = 0; i < camino.tramos.size(); ++i) {
        const tramoCamino& t = camino.tramos[i];
        const objBarra2d& b = m.barra[static_cast<std::size_t>(t.barra)];
        datosTramo d;
        d.tTranspuesta = Eigen::Matrix<double, 6, 6>(b.getT()).transpose();
        const int nudos[2] = {b.getNudoInicio(), b.getNudoFinal()};
        for (int j = 0; j < 6; ++j)
            d.columnas[static_cast<std::size_t>(j)] = sistema.columna(nudos[j / 3], j % 3);
        const Eigen::Vector2d p = componentesLocales(b.getAngulo(), Eigen::Vector2d(0, -1));
        d.px = p(0);
        d.py = p(1);
        datos.push_back(d);
        for (int k = 0; k < 4; ++k)
            datos.back().muestras.col(k) = cargasEquivalentes(
                static_cast<int>(i), t.abscisa(t.inicio + fraccionesMuestra[k] * t.L));
    }
}

cargaPuntual caminoInfluencia::cargaUnitaria(int i, double a) const {
    const datosTramo& d = datos[static_cast<std::size_t>(i)];
    return cargaPuntual{a, d.px, d.py, 0, true};
}

Eigen::Matrix<double, 6, 1> caminoInfluencia::cargasEquivalentes(int i, double a) const {
    const tramoCamino& t = camino.tramos[static_cast<std::size_t>(i)];
    return cargasDeLaUnitaria(m, t, a, datos[static_cast<std::size_t>(i)].tTranspuesta);
}

double caminoInfluencia::valorNodal(int i, double a, const Eigen::VectorXd& efecto) const {
    const Eigen::Matrix<double, 6, 1> f = cargasEquivalentes(i, a);
    const datosTramo& d = datos[static_cast<std::size_t>(i)];
    double v = 0;
    for (int j = 0; j < 6; ++j) {
        const int c = d.columnas[static_cast<std::size_t>(j)];
        if (c >= 0) v += efecto(c) * f(j);
    }
    return v;
}

std::array<double, 4> caminoInfluencia::muestrasNodales(int i,
                                                        const Eigen::VectorXd& efecto) const {
    const datosTramo& d = datos[static_cast<std::size_t>(i)];
    std::array<double, 4> v{};
    for (int j = 0; j < 6; ++j) {
        const int c = d.columnas[static_cast<std::size_t>(j)];
        if (c < 0) continue;
        for (int k = 0; k < 4; ++k) v[static_cast<std::size_t>(k)] += efecto(c) * d.muestras(j, k);
    }
    return v;
}

Eigen::VectorXd efectoNodalDe(const sistemaInfluencia& sistema, const respuestaInfluencia& r) {
    const int n = sistema.columnas();
    Eigen::VectorXd e = Eigen::VectorXd::Zero(n);
    if (r.esDeBarra()) {
        const resultadosBarra b = sistema.resultadosDeBarra(r.barra);
        const lado l = ladoDeExtremo(r.x, b.getLongitud());
        for (int k = 0; k < n; ++k) e(k) = fuerzaDe(b.esfuerzosEn(k, r.x, l), r.tipo);
    } else {
        const resultadosNudo nudo = sistema.resultadosDeNudo(r.nudo);
        for (int k = 0; k < n; ++k) e(k) = valorDeNudo(nudo, r.tipo, k);
    }
    return e;
}

lineaInfluencia::lineaInfluencia(const caminoInfluencia& c, const respuestaInfluencia& r)
    : lineaInfluencia(c, r, efectoNodalDe(c.getSistema(), r)) {}

lineaInfluencia::lineaInfluencia(const caminoInfluencia& c, const respuestaInfluencia& r,
                                 Eigen::VectorXd efecto)
    : base(c), respuesta(r), efectoNodal(std::move(efecto)) {
    formarPiezas();
}

// Each bar is a piece, split at the response's section when it lies inside
// a bar of the path; each piece is the cubic through four of its values
// (its ends taken from inside the piece).
void lineaInfluencia::formarPiezas() {
    const caminoRecorrido& camino = base.getCamino();
    tramos.reserve(camino.tramos.size() + 1);
    for (std::size_t i = 0; i < camino.tramos.size(); ++i) {
        const tramoCamino& t = camino.tramos[i];
        const int k = static_cast<int>(i);
        const bool conSeccion = respuesta.esDeBarra() && respuesta.barra == t.barra;
        if (!conSeccion) {
            // The nodal part alone, from the samples the path keeps.
            tramos.push_back({k, t.inicio, t.inicio + t.L,
                              cubicaPorCuatroPuntos(base.muestrasNodales(k, efectoNodal))});
            continue;
        }
        // Cuts in the bar's own abscissa, in path order: the section exactly.
        std::vector<double> cortes = {t.abscisa(t.inicio), t.abscisa(t.inicio + t.L)};
        if (respuesta.x > 0 && respuesta.x < t.L) cortes.insert(cortes.begin() + 1, respuesta.x);
        cortes.front() = t.adelante ? 0.0 : t.L;
        cortes.back() = t.adelante ? t.L : 0.0;
        for (std::size_t j = 0; j + 1 < cortes.size(); ++j) {
            const double a0 = cortes[j], a1 = cortes[j + 1];
            std::array<double, 4> v{};
            for (int q = 0; q < 4; ++q) {
                const lado desde = q == 3 ? lado::antes : lado::despues;
                const double a = q == 3 ? a1 : a0 + fraccionesMuestra[q] * (a1 - a0);
                v[static_cast<std::size_t>(q)] = valorEnTramo(k, a, desde);
            }
            tramos.push_back({k, t.distancia(a0), t.distancia(a1), cubicaPorCuatroPuntos(v)});
        }
    }
}

double lineaInfluencia::valorEnTramo(int i, double a, lado desde) const {
    const tramoCamino& t = base.getCamino().tramos[static_cast<std::size_t>(i)];
    if (t.L == 0) return 0;
    double v = base.valorNodal(i, a, efectoNodal);
    if (respuesta.esDeBarra() && respuesta.barra == t.barra) {
        // The load inside the response's own bar: the bar's state with fixed
        // nodes. On the section itself, the side the load comes from.
        // At a bar end the section is taken from inside the bar; a load on
        // it counts on the side it comes from (from inside the bar, it has
        // not reached the section yet).
        // A place within rounding of the section is the section (a path's
        // s and a bar's abscissa are turned into each other).
        const double x = respuesta.x;
        if (std::abs(a - x) <= toleranciaEstacion * t.L) a = x;
        lado l = ladoDeExtremo(x, t.L);
        if (a == x) {
            const bool cargaAntesEnLaBarra = (desde == lado::antes) == t.adelante;
            l = cargaAntesEnLaBarra ? lado::despues : lado::antes;
        }
        const objBarra2d& b = base.getModelo().barra[static_cast<std::size_t>(t.barra)];
        v += fuerzaDe(esfuerzosConNudosFijos(b, base.cargaUnitaria(i, a), x, l), respuesta.tipo);
    }
    return v;
}

double lineaInfluencia::valorDePiezas(double s, lado desde) const {
    if (tramos.empty()) return 0;
    // The piece that holds s; where two pieces meet, the one on the side
    // asked for.
    auto p = std::lower_bound(tramos.begin(), tramos.end(), s, [&](const piezaLinea& q, double v) {
        return desde == lado::antes ? q.s1 < v : q.s1 <= v;
    });
    if (p == tramos.end()) p = std::prev(tramos.end());
    return p->valor(s);
}

double lineaInfluencia::valorEn(double s, lado desde) const {
    const caminoRecorrido& camino = base.getCamino();
    if (camino.tramos.empty()) return 0;
    // The bar that holds s; at a joint, the one on the side asked for.
    std::size_t i = 0;
    while (i + 1 < camino.tramos.size()) {
        const tramoCamino& t = camino.tramos[i];
        const double fin = t.inicio + t.L;
        if (s < fin || (s == fin && desde == lado::antes)) break;
        ++i;
    }
    const tramoCamino& t = camino.tramos[i];
    return valorEnTramo(static_cast<int>(i), std::clamp(t.abscisa(s), 0.0, t.L), desde);
}

std::array<extremoLinea, 2> lineaInfluencia::extremos() const {
    std::array<extremoLinea, 2> r;
    bool primero = true;
    const caminoRecorrido& camino = base.getCamino();
    for (const piezaLinea& p : tramos) {
        const tramoCamino& t = camino.tramos[static_cast<std::size_t>(p.tramo)];
        auto proponer = [&](double u) {
            const double v = evaluar(p.c, u);
            const double s = p.s0 + u * (p.s1 - p.s0);
            const extremoLinea e{v, s, p.tramo, std::clamp(t.abscisa(s), 0.0, t.L)};
            if (primero || v > r[0].valor) r[0] = e;
            if (primero || v < r[1].valor) r[1] = e;
            primero = false;
        };
        proponer(0);
        for (double u : estacionarios(p.c)) proponer(u);
        proponer(1);
    }
    return r;
}

std::vector<filaInfluencia> lineaInfluencia::filas() const {
    const caminoRecorrido& camino = base.getCamino();
    std::vector<filaInfluencia> r;
    for (std::size_t i = 0; i < camino.tramos.size(); ++i) {
        const tramoCamino& t = camino.tramos[i];
        const int numero =
            base.getModelo().barra[static_cast<std::size_t>(t.barra)].getNoBarraUsuario();
        const int k = static_cast<int>(i);
        // The section inside this bar: a jump of V (or N) when the unit load
        // has a component across (along) the bar, otherwise a kink.
        const bool conSeccion = respuesta.esDeBarra() && respuesta.barra == t.barra;
        const cargaPuntual unitaria = base.cargaUnitaria(k, 0);
        const bool salto =
            conSeccion && ((respuesta.tipo == tipoRespuesta::cortante && unitaria.py != 0) ||
                           (respuesta.tipo == tipoRespuesta::axial && unitaria.px != 0));
        std::vector<double> estaciones;
        for (int j = 0; j < estacionesPorBarra; ++j)
            estaciones.push_back(t.L * j / (estacionesPorBarra - 1));
        if (conSeccion && respuesta.x > 0 && respuesta.x < t.L) {
            bool enEstacion = false;
            for (double& a : estaciones) {
                if (std::abs(a - respuesta.x) <= toleranciaEstacion * t.L) {
                    a = respuesta.x;
                    enEstacion = true;
                }
            }
            if (!enEstacion) estaciones.push_back(respuesta.x);
        }
        // In path order.
        std::sort(estaciones.begin(), estaciones.end(),
                  [&](double u, double v) { return t.distancia(u) < t.distancia(v); });
        for (std::size_t j = 0; j < estaciones.size(); ++j) {
            const double a = estaciones[j];
            const double s = t.distancia(a);
            if (salto && a == respuesta.x) {
                r.push_back({numero, a, s, valorEnTramo(k, a, lado::antes)});
                r.push_back({numero, a, s, valorEnTramo(k, a, lado::despues)});
                continue;
            }
            // The bar's ends from inside the bar.
            const lado desde = j + 1 == estaciones.size() ? lado::antes : lado::despues;
            r.push_back({numero, a, s, valorEnTramo(k, a, desde)});
        }
    }
    return r;
}
