// Resultants of loads and reactions and the relative equilibrium error.
#include "equilibrioCargas.h"

#include <cmath>

#include "aporteCarga.h"

void resultantePlana::sumar(double x, double y, double px, double py, double m) {
    fx += px;
    fy += py;
    mz += x * py - y * px + m;
}

resultantePlana& resultantePlana::operator+=(const resultantePlana& o) {
    fx += o.fx;
    fy += o.fy;
    mz += o.mz;
    return *this;
}

double resultantePlana::magnitud() const {
    return std::sqrt(fx * fx + fy * fy + mz * mz);
}

resultantePlana resultanteCargasNudo(const objNudo2d& n, const comboCarga& c) {
    resultantePlana r;
    const Eigen::Vector3d p = n.getCargasCombo(c);
    r.sumar(n.getX(), n.getY(), p(0), p(1), p(2));
    return r;
}

// With e the bar's unit vector and n = e turned a quarter turn
// counter-clockwise: the resultant of every load, axial along e and
// transverse along n, taken at the start node with its moment about it.
resultantePlana resultanteCargasBarra(const objBarra2d& b, const cargasEnCombo& cargas) {
    resultantePlana r;
    if (!b.nudosConocidos() || b.esLongitudCero()) return r;
    const double L = b.getLongitud();
    const double th = b.getAngulo();
    const double ex = std::cos(th), ey = std::sin(th);
    const resultanteLocal cero{ceroNeutro, ceroNeutro, ceroNeutro};
    const resultanteLocal t = cargas.sumar(cero, [L](const auto& c) { return c.resultante(L); });
    r.sumar(b.getXi(), b.getYi(), t.axial * ex - t.transversal * ey,
            t.axial * ey + t.transversal * ex, t.momentoInicio);
    return r;
}

bool esApoyo(const objNudo2d& n) {
    if (n.esApoyoInclinado()) return true;
    const Eigen::Vector3i apoyo = n.getApoyo();
    const double resortes[3] = {n.getResorteX(), n.getResorteY(), n.getResorteGiro()};
    for (int k = 0; k < 3; ++k) {
        if (apoyo(k) != 0 || resortes[k] != 0) return true;
    }
    return false;
}

Eigen::Vector3d reaccionesDeApoyo(const objNudo2d& n, const resultadosNudo& res, int combo) {
    Eigen::Vector3d r = Eigen::Vector3d::Zero();
    if (combo < 0 || combo >= res.getCantidadDeCombos()) return r;
    const Eigen::Vector3i apoyo = n.getApoyo();
    const double resortes[3] = {n.getResorteX(), n.getResorteY(), n.getResorteGiro()};
    const double valores[3] = {res.getReaccionX(combo), res.getReaccionY(combo),
                               res.getReaccionM(combo)};
    // An inclined support reacts along its normal: both global components.
    const bool inclinado = n.esApoyoInclinado();
    for (int k = 0; k < 3; ++k) {
        if (apoyo(k) != 0 || resortes[k] != 0 || (inclinado && k < 2)) r(k) = valores[k];
    }
    return r;
}

balanceEquilibrio balanceDeEquilibrio(const modelo& m, const solucion& s, int combo) {
    balanceEquilibrio e;
    if (combo < 0 || combo >= static_cast<int>(m.combos.size())) return e;
    const comboCarga& c = m.combos[static_cast<std::size_t>(combo)];
    double escala = 0;
    e.soloFuerzas = s.segundoOrden;
    // The size of a resultant: of all of it, or of its forces alone.
    auto magnitud = [&e](resultantePlana r) {
        if (e.soloFuerzas) r.mz = 0;
        return r.magnitud();
    };
    for (std::size_t i = 0; i < m.nudo.size(); ++i) {
        const objNudo2d& n = m.nudo[i];
        const resultantePlana carga = resultanteCargasNudo(n, c);
        e.cargas += carga;
        escala += magnitud(carga);
        if (!esApoyo(n) || i >= s.nudos.size()) continue;
        const Eigen::Vector3d r = reaccionesDeApoyo(n, s.nudos[i], combo);
        resultantePlana reaccion;
        reaccion.sumar(n.getX(), n.getY(), r(0), r(1), r(2));
        e.reacciones += reaccion;
        escala += magnitud(reaccion);
    }
    for (std::size_t i = 0; i < m.barra.size() && i < s.barras.size(); ++i) {
        const resultantePlana carga =
            resultanteCargasBarra(m.barra[i], s.barras[i].getCargasCombo(combo));
        e.cargas += carga;
        escala += magnitud(carga);
    }
    resultantePlana suma = e.cargas;
    suma += e.reacciones;
    e.errorRelativo = escala > 0 ? magnitud(suma) / escala : 0.0;
    return e;
}
