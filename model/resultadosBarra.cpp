// Results of a bar: equivalent nodal loads of its loads with the end fixity,
// and, from the end displacements, the end forces and the integration
// constants of its elastic line.
#include "resultadosBarra.h"

#include <algorithm>
#include <utility>

#include "liberacionExtremos.h"
#include "lineaElastica.h"

resultadosBarra::resultadosBarra(const objBarra2d& b, std::vector<cargasEnCombo> cargasCombos)
    : longitudConocida(b.nudosConocidos()),
      longitud(longitudConocida ? b.getLongitud() : 0.0),
      angulo(longitudConocida ? b.getAngulo() : 0.0),
      xi(b.getXi()),
      yi(b.getYi()),
      ei(b.getModE() * b.getInercia()),
      matrizT(longitudConocida ? b.getT() : Eigen::MatrixXd::Zero(6, 6)),
      kLocal(b.rigidezLocalSiHayDatos()),
      cargas(std::move(cargasCombos)) {
    // Clamped-clamped end actions of every load of the combination, summed,
    // then released through the end springs in one step. A bar of zero (or
    // unknown) length passes no load to its nodes.
    const Eigen::Index nc = static_cast<Eigen::Index>(cargas.size());
    cargasEquivalentesLocales = Eigen::MatrixXd::Zero(6, nc);
    if (conLongitud()) {
        const double L = longitud;
        const accionesExtremo cero = accionesExtremo::Constant(ceroNeutro);
        for (Eigen::Index k = 0; k < nc; ++k) {
            const accionesExtremo empotradas = cargas[static_cast<std::size_t>(k)].sumar(
                cero, [L](const auto& c) { return c.accionesEmpotramiento(L); });
            cargasEquivalentesLocales.col(k) = liberarExtremos(
                empotradas, L, b.getFactorArticulacionInicio(), b.getFactorArticulacionFin());
        }
    }
    cargasEquivalentesGlobales = matrizT.transpose() * cargasEquivalentesLocales;
}

namespace {

std::vector<cargasEnCombo> cargasDeCombos(const objBarra2d& b,
                                          const std::vector<comboCarga>& combos) {
    std::vector<cargasEnCombo> r;
    r.reserve(combos.size());
    for (const comboCarga& c : combos) r.push_back(b.getCargasCombo(c));
    return r;
}

}  // namespace

resultadosBarra::resultadosBarra(const objBarra2d& b, const std::vector<comboCarga>& combos)
    : resultadosBarra(b, cargasDeCombos(b, combos)) {}

double resultadosBarra::getLongitud() const {
    return longitudConocida ? longitud : 0.0;
}

int resultadosBarra::getCantidadDeCombos() const {
    return static_cast<int>(cargas.size());
}

const cargasEnCombo& resultadosBarra::getCargasCombo(int c) const {
    static const cargasEnCombo ninguna;
    if (c < 0 || c >= getCantidadDeCombos()) return ninguna;
    return cargas[static_cast<std::size_t>(c)];
}

Eigen::MatrixXd resultadosBarra::getMatrizCargasCombo() const {
    Eigen::MatrixXd m(getCantidadDeCombos(), 4);
    for (int c = 0; c < getCantidadDeCombos(); ++c) {
        const cargaTrapecial& t = cargas[static_cast<std::size_t>(c)].trapecio;
        m.row(c) << t.pi, t.pf, t.qi, t.qf;
    }
    return m;
}

const Eigen::MatrixXd& resultadosBarra::getCargasEquivalentesLocales() const {
    return cargasEquivalentesLocales;
}

const Eigen::MatrixXd& resultadosBarra::getCargasEquivalentesGlobales() const {
    return cargasEquivalentesGlobales;
}

Eigen::Matrix<double, 6, 1> resultadosBarra::columna(const Eigen::MatrixXd& m, int c) const {
    if (m.rows() != 6 || c < 0 || c >= m.cols()) return Eigen::Matrix<double, 6, 1>::Zero();
    return m.col(c);
}

aporteCarga resultadosBarra::aporteCargas(int c, double x, lado l) const {
    const double L = longitud;
    return getCargasCombo(c).sumar(aporteCarga{}, [&](const auto& k) { return k.aporte(x, L, l); });
}

// With M1 and M2 the counter-clockwise end moments acting on the bar, the
// conditions M(0) = -M1, M(L) = M2, E·I·v(0) = E·I·u2 and E·I·v(L) = E·I·u5
// fix the constants: those at x = 0 give C2 and C4 at once; those at x = L
// are linear in C1 and C3 alone, each with the factor L:
//   C1 = (M2 - M(L)|C1=0) / L,  C3 = (E·I·u5 - E·I·v(L)|C3=0) / L.
// A and B are those of the full-length trapezoid (see lineaElastica.h).
void resultadosBarra::setDesplazamientos(Eigen::MatrixXd d) {
    if (d.rows() != 6) {
        Eigen::MatrixXd completa = Eigen::MatrixXd::Zero(6, d.cols());
        const Eigen::Index filas = std::min<Eigen::Index>(6, d.rows());
        completa.topRows(filas) = d.topRows(filas);
        d = completa;
    }
    desplazamientosGlobales = std::move(d);
    desplazamientosLocales = matrizT * desplazamientosGlobales;

    const Eigen::Index nc = desplazamientosLocales.cols();
    fuerzasExtremo = Eigen::MatrixXd::Zero(6, nc);
    constantesIntegracion = Eigen::MatrixXd::Zero(6, nc);
    for (Eigen::Index c = 0; c < nc; ++c) {
        const Eigen::Matrix<double, 6, 1> u = desplazamientosLocales.col(c);
        fuerzasExtremo.col(c) =
            kLocal * u - columna(cargasEquivalentesLocales, static_cast<int>(c));
        if (static_cast<std::size_t>(c) < rigidezGeometrica.size())
            fuerzasExtremo.col(c) += rigidezGeometrica[static_cast<std::size_t>(c)] * u;
    }
    // A bar of zero (or unknown) length has no elastic line: zero constants.
    if (!conLongitud()) return;

    const double L = longitud;
    for (Eigen::Index c = 0; c < nc; ++c) {
        const Eigen::Matrix<double, 6, 1> u = desplazamientosLocales.col(c);
        const double m1 = fuerzasExtremo(2, c);
        const double m2 = fuerzasExtremo(5, c);
        const cargaTrapecial& t = getCargasCombo(static_cast<int>(c)).trapecio;
        const aporteCarga enL = aporteCargas(static_cast<int>(c), L, lado::antes);
        // An exact zero is kept as +0 (0 - 0, 0 + 0), as a sum of terms gives it.
        constantesBarra k;
        k << -(t.qf - t.qi) / L, -t.qi, 0, 0.0 - m1, 0, 0.0 + ei * u(1);
        k(2) = (m2 - momentoEn(k, enL, L)) / L;
        k(4) = (ei * u(4) - eiFlechaEn(k, enL, L)) / L;
        constantesIntegracion.col(c) = k;
    }
}

Eigen::MatrixXd resultadosBarra::getDesplazamientosGlobales() const {
    if (desplazamientosGlobales.rows() != 6) return Eigen::MatrixXd::Zero(6, getCantidadDeCombos());
    return desplazamientosGlobales;
}

Eigen::MatrixXd resultadosBarra::getDesplazamientosLocales() const {
    if (desplazamientosLocales.rows() != 6) return Eigen::MatrixXd::Zero(6, getCantidadDeCombos());
    return desplazamientosLocales;
}

void resultadosBarra::setRigidezGeometrica(std::vector<matriz6> kg) {
    rigidezGeometrica = std::move(kg);
}

void resultadosBarra::setPiezas(std::vector<resultadosBarra> p, std::vector<double> inicios) {
    piezas = std::move(p);
    inicioPiezas = std::move(inicios);
    inicioPiezas.resize(piezas.size(), 0.0);
}

Eigen::MatrixXd resultadosBarra::getConstantesIntegracion() const {
    if (!piezas.empty()) return piezas.front().getConstantesIntegracion();
    if (constantesIntegracion.rows() != 6) return Eigen::MatrixXd::Zero(6, getCantidadDeCombos());
    return constantesIntegracion;
}

int resultadosBarra::combosConResultados() const {
    if (!piezas.empty())
        return std::min(getCantidadDeCombos(), piezas.front().combosConResultados());
    return static_cast<int>(
        std::min<Eigen::Index>(getCantidadDeCombos(), constantesIntegracion.cols()));
}
