// Resultants of loads and reactions and the relative equilibrium error.
#include "equilibrioCargas.h"

#include <cmath>

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

resultantePlana resultanteCargasNudo(const objNudo2d& n, int combo) {
    resultantePlana r;
    if (combo < 0 || combo >= n.getCantidadDeCombos()) return r;
    r.sumar(n.getX(), n.getY(), n.getPxCombo(combo), n.getPyCombo(combo), n.getMzCombo(combo));
    return r;
}

// With e the bar's unit vector and n = e turned a quarter turn
// counter-clockwise: ∫p dx = L(pi + pf)/2 along e and ∫q dx = L(qi + qf)/2
// along n, both taken at the start node, plus the moment of the transverse
// load about it, ∫x·q dx = L²(qi/6 + qf/3); the axial load acts on the bar's
// line and has no moment about its start.
resultantePlana resultanteCargasBarra(objBarra2d& b, int combo) {
    resultantePlana r;
    if (combo < 0 || combo >= b.getCantidadDeCombos() || b.esLongitudCero()) return r;
    const double L = b.getLongitud();
    const double th = b.getAngulo();
    const double ex = std::cos(th), ey = std::sin(th);
    const double pi = b.getFInicioCombo(combo), pf = b.getFFinCombo(combo);
    const double qi = b.getQInicioCombo(combo), qf = b.getQFinCombo(combo);
    const double axial = L * (pi + pf) / 2;
    const double transversal = L * (qi + qf) / 2;
    r.sumar(b.getXi(), b.getYi(), axial * ex - transversal * ey, axial * ey + transversal * ex,
            L * L * (qi / 6 + qf / 3));
    return r;
}

bool esApoyo(const objNudo2d& n) {
    const Eigen::Vector3i apoyo = n.getApoyo();
    const double resortes[3] = {n.getResorteX(), n.getResorteY(), n.getResorteGiro()};
    for (int k = 0; k < 3; ++k) {
        if (apoyo(k) != 0 || resortes[k] != 0) return true;
    }
    return false;
}

Eigen::Vector3d reaccionesDeApoyo(const objNudo2d& n, int combo) {
    Eigen::Vector3d r = Eigen::Vector3d::Zero();
    if (combo < 0 || combo >= n.getCantidadDeCombos()) return r;
    const Eigen::Vector3i apoyo = n.getApoyo();
    const double resortes[3] = {n.getResorteX(), n.getResorteY(), n.getResorteGiro()};
    const double valores[3] = {n.getReaccionX(combo), n.getReaccionY(combo), n.getReaccionM(combo)};
    for (int k = 0; k < 3; ++k) {
        if (apoyo(k) != 0 || resortes[k] != 0) r(k) = valores[k];
    }
    return r;
}

balanceEquilibrio balanceDeEquilibrio(const std::vector<objNudo2d>& nudos,
                                      std::vector<objBarra2d>& barras, int combo) {
    balanceEquilibrio e;
    double escala = 0;
    for (const auto& n : nudos) {
        const resultantePlana carga = resultanteCargasNudo(n, combo);
        e.cargas += carga;
        escala += carga.magnitud();
        if (!esApoyo(n)) continue;
        const Eigen::Vector3d r = reaccionesDeApoyo(n, combo);
        resultantePlana reaccion;
        reaccion.sumar(n.getX(), n.getY(), r(0), r(1), r(2));
        e.reacciones += reaccion;
        escala += reaccion.magnitud();
    }
    for (auto& b : barras) {
        const resultantePlana carga = resultanteCargasBarra(b, combo);
        e.cargas += carga;
        escala += carga.magnitud();
    }
    resultantePlana suma = e.cargas;
    suma += e.reacciones;
    e.errorRelativo = escala > 0 ? suma.magnitud() / escala : 0.0;
    return e;
}
