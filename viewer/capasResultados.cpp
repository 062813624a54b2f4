#include "capasResultados.h"

#include <algorithm>
#include <cmath>

#include "estacionesBarra.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"

namespace {

// Below this share of the row's largest intensity a value is rounding.
const double fraccionDespreciable = 1e-12;

double visible(double valor, double mayor) {
    return std::abs(valor) < fraccionDespreciable * mayor ? 0.0 : valor;
}

}  // namespace

bool comboExiste(int c) {
    return c >= 0 && c < modeloVisor.noCombos;
}

bool comboConResultados(int c) {
    // A combination beyond its critical load has no second-order results.
    return solucionVisor.resuelto && comboExiste(c) && !solucionVisor.comboSinSolucion(c);
}

std::vector<int> combosActivosConResultados() {
    std::vector<int> combos;
    for (int c = 0; c < modeloVisor.noCombos; ++c) {
        if (flagActivo(interruptor::primerCombo + c) && comboConResultados(c)) combos.push_back(c);
    }
    return combos;
}

intensidadesCarga intensidadesDibujadas(const cargaTrapecial& t) {
    const double fi = t.pi, ff = t.pf;
    const double qi = t.qi, qf = t.qf;
    const double mayor = std::max({std::abs(fi), std::abs(ff), std::abs(qi), std::abs(qf)});
    return {visible(fi, mayor), visible(ff, mayor), visible(qi, mayor), visible(qf, mayor)};
}

Eigen::Vector3d cargasNudoEnCombo(int i, int c) {
    if (!comboExiste(c)) return Eigen::Vector3d::Zero();
    return modeloVisor.nudo[static_cast<std::size_t>(i)].getCargasCombo(
        modeloVisor.combos[static_cast<std::size_t>(c)]);
}

Eigen::Vector3d asentamientoNudoEnCombo(int i, int c) {
    if (!comboExiste(c)) return Eigen::Vector3d::Zero();
    return modeloVisor.nudo[static_cast<std::size_t>(i)].getAsentamientosCombo(
        modeloVisor.combos[static_cast<std::size_t>(c)]);
}

cargasEnCombo cargasBarraEnCombo(int i, int c) {
    if (!comboExiste(c)) return {};
    return modeloVisor.barra[static_cast<std::size_t>(i)].getCargasCombo(
        modeloVisor.combos[static_cast<std::size_t>(c)]);
}

componentesDibujadas componentesPuntual(int i, const cargaPuntual& p) {
    if (!p.dadaEnGlobal) return {p.px, p.py, false};
    const double th = modeloVisor.barra[static_cast<std::size_t>(i)].getAngulo();
    const double gx = std::cos(th) * p.px - std::sin(th) * p.py;
    const double gy = std::sin(th) * p.px + std::cos(th) * p.py;
    const double mayor = std::max(std::abs(gx), std::abs(gy));
    return {visible(gx, mayor), visible(gy, mayor), true};
}

double mayorCargaDibujada(int i, const cargasEnCombo& k) {
    const intensidadesCarga q = intensidadesDibujadas(k.trapecio);
    double mayor = std::max(std::abs(q.qi), std::abs(q.qf));
    for (const cargaBarra& c : k.tramos) {
        if (const auto* p = std::get_if<cargaPuntual>(&c)) {
            const componentesDibujadas d = componentesPuntual(i, *p);
            mayor = std::max({mayor, std::abs(d.x), std::abs(d.y)});
        } else if (const auto* r = std::get_if<cargaParcial>(&c)) {
            mayor = std::max({mayor, std::abs(r->qa), std::abs(r->qb)});
        }
    }
    return mayor;
}

Eigen::MatrixXd diagramaDeBarra(int i, int c, esfuerzoBarra e) {
    const resultadosBarra& b = solucionVisor.barras[static_cast<std::size_t>(i)];
    const std::vector<seccionBarra> s = b.secciones(c, estacionesPorBarra, true, true);
    Eigen::MatrixXd m(2, static_cast<Eigen::Index>(s.size()));
    for (std::size_t k = 0; k < s.size(); ++k) {
        const esfuerzosSeccion f = b.esfuerzosEn(c, s[k].x, s[k].l);
        const Eigen::Index j = static_cast<Eigen::Index>(k);
        m(0, j) = s[k].x;
        m(1, j) = e == esfuerzoBarra::axial ? f.N : e == esfuerzoBarra::cortante ? f.V : f.M;
    }
    return m;
}
