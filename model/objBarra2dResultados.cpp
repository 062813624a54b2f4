// Results of the bar from its end displacements: local displacements and the
// six integration constants of the elastic line for every combination.
#include <algorithm>
#include <utility>

#include "lineaElastica.h"
#include "objBarra2d.h"

// T for the result stages: the cached one, or built now when the end nodes are
// known (angle and length then need no message); zero otherwise.
Eigen::MatrixXd objBarra2d::transformacion() {
    if (matrizT.rows() == 6 && matrizT.cols() == 6) return matrizT;
    if (nudosConocidos()) {
        if (flagsBarra[flagAngulo] == 0) angulo = getAngulo();
        return getT();
    }
    return Eigen::MatrixXd::Zero(6, 6);
}

// K_local for the result stages: the cached one, or built now when every datum
// is known; zero otherwise.
Eigen::MatrixXd objBarra2d::rigidezLocal() {
    if (kLocal.rows() == 6 && kLocal.cols() == 6) return kLocal;
    if (nudosConocidos() && flagsBarra[flagSeccion] == 1 && flagsBarra[flagModulo] == 1)
        return getKLocal();
    return Eigen::MatrixXd::Zero(6, 6);
}

// Column `combo` of a 6-row result matrix, or zeros when it is not held.
Eigen::Matrix<double, 6, 1> objBarra2d::columnaResultado(const Eigen::MatrixXd& m,
                                                         int combo) const {
    if (m.rows() != 6 || combo < 0 || combo >= m.cols()) return Eigen::Matrix<double, 6, 1>::Zero();
    return m.col(combo);
}

// With q(x) = qi + (qf - qi)·x/L = -(A·x + B):
//   V = -A·x²/2 - B·x + C1,  M = -A·x³/6 - B·x²/2 + C1·x + C2,
//   E·I·y = -A·x⁵/120 - B·x⁴/24 + C1·x³/6 + C2·x²/2 + C3·x + C4,
// with C1..C4 fixed by M(0) = -M1, M(L) = M2, y(0) = u2 and y(L) = u5, where
// M1 and M2 are the counter-clockwise end moments acting on the bar. The
// conditions at x = 0 give C2 and C4 at once; those at x = L are linear in C1
// and C3 alone, each with the factor L:
//   C1 = (M2 - M(L)|C1=0) / L,  C3 = (E·I·u5 - E·I·y(L)|C3=0) / L.
static constantesBarra constantesDeExtremos(double L, double ei, double A, double B, double m1,
                                            double m2, double u2, double u5) {
    // An exact zero is kept as +0 (0 - 0, 0 + 0), as a sum of terms gives it.
    constantesBarra c;
    c << A, B, 0, 0.0 - m1, 0, 0.0 + ei * u2;
    c(2) = (m2 - momentoEn(c, L)) / L;
    c(4) = (ei * u5 - eiFlechaEn(c, L)) / L;
    return c;
}

void objBarra2d::setDesplazamientos(Eigen::MatrixXd d) {
    // Only six rows make sense; missing rows read as zero displacement.
    if (d.rows() != 6) {
        Eigen::MatrixXd completa = Eigen::MatrixXd::Zero(6, d.cols());
        const Eigen::Index filas = std::min<Eigen::Index>(6, d.rows());
        completa.topRows(filas) = d.topRows(filas);
        d = completa;
    }
    desplazamientosGlobales = std::move(d);
    desplazamientosLocales = transformacion() * desplazamientosGlobales;

    const Eigen::Index nc = desplazamientosLocales.cols();
    constantesIntegracion = Eigen::MatrixXd::Zero(6, nc);
    const double L = longitud;
    // A bar of zero (or unknown) length has no elastic line: zero constants.
    if (flagsBarra[flagLongitud] != 1 || L == 0) return;

    if (flagsBarra[flagCargasLocales] != 1 ||
        cargasEquivalentesLocales.cols() != matrizCargasCombo.rows())
        getCargasEquivalentesLocales();
    const double ei = moduloE * inercia;
    for (Eigen::Index c = 0; c < nc; ++c) {
        const Eigen::Matrix<double, 6, 1> u = desplazamientosLocales.col(c);
        const Eigen::Matrix<double, 6, 1> p = fuerzasExtremo(static_cast<int>(c));
        const double m1 = p(2);
        const double m2 = p(5);
        const double qi = valorEn(matrizCargasCombo, c, 2);
        const double qf = valorEn(matrizCargasCombo, c, 3);
        const double A = -(qf - qi) / L;
        const double B = -qi;

        constantesIntegracion.col(c) = constantesDeExtremos(L, ei, A, B, m1, m2, u(1), u(4));
    }
}

// Before any solve the results read as zeros, one column per combination.
Eigen::MatrixXd objBarra2d::getDesplazamientosGlobales() const {
    if (desplazamientosGlobales.rows() != 6) return Eigen::MatrixXd::Zero(6, getCantidadDeCombos());
    return desplazamientosGlobales;
}

Eigen::MatrixXd objBarra2d::getDesplazamientosLocales() const {
    if (desplazamientosLocales.rows() != 6) return Eigen::MatrixXd::Zero(6, getCantidadDeCombos());
    return desplazamientosLocales;
}

Eigen::MatrixXd objBarra2d::getConstantesIntegracion() const {
    if (constantesIntegracion.rows() != 6) return Eigen::MatrixXd::Zero(6, getCantidadDeCombos());
    return constantesIntegracion;
}
