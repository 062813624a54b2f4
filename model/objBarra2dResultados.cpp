// Results of the bar from its end displacements: local displacements and the
// six integration constants of the elastic line for every combination.
#include <Eigen/LU>
#include <algorithm>
#include <utility>

#include "objBarra2d.h"

// T for the result stages: the cached one, or built now when the end nodes are
// known (angle and length then need no message); zero otherwise.
Eigen::MatrixXd objBarra2d::transformacion() {
    if (matrizT.rows() == 6 && matrizT.cols() == 6) return matrizT;
    if (flagsBarra[1] == 1 && flagsBarra[2] == 1) {
        if (flagsBarra[7] == 0) angulo = getAngulo();
        return getT();
    }
    return Eigen::MatrixXd::Zero(6, 6);
}

// K_local for the result stages: the cached one, or built now when every datum
// is known; zero otherwise.
Eigen::MatrixXd objBarra2d::rigidezLocal() {
    if (kLocal.rows() == 6 && kLocal.cols() == 6) return kLocal;
    if (flagsBarra[1] == 1 && flagsBarra[2] == 1 && flagsBarra[4] == 1 && flagsBarra[5] == 1)
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
// M1 and M2 are the counter-clockwise end moments acting on the bar.
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
    if (flagsBarra[6] != 1 || L == 0) return;

    if (flagsBarra[11] != 1 || cargasEquivalentesLocales.cols() != matrizCargasCombo.rows())
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

        Eigen::Matrix4d sistema;
        sistema << 0, 1, 0, 0,  //
            L, 1, 0, 0,         //
            0, 0, 0, 1,         //
            L * L * L / 6, L * L / 2, L, 1;
        Eigen::Vector4d lado;
        lado << -m1, A * L * L * L / 6 + B * L * L / 2 + m2, ei * u(1),
            ei * u(4) + A * L * L * L * L * L / 120 + B * L * L * L * L / 24;
        const Eigen::Vector4d cs = sistema.fullPivLu().solve(lado);

        constantesIntegracion.col(c) << A, B, cs;
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
