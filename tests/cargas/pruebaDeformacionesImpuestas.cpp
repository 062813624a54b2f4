// Imposed deformations and inclined supports on beams whose answers are in
// the tables of structural analysis, through the whole stiffness method:
// settlements of supports, uniform temperature changes and gradients, and
// rollers on inclined surfaces.
//   Signs: reactions act on the structure; M > 0 sags (concave toward +y);
//   a warmer +y face (gradiente > 0) bends a free bar concave toward -y.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "funcionSolucionU.h"
#include "modeloPrueba.h"
#include "resultadosBarra.h"

namespace {

constexpr double E = 2e7, A = 0.02, I = 4e-4, EI = E * I, EA = E * A;
constexpr double alfa = 1.2e-5;
const double pi = std::acos(-1.0);

// Beam of n spans of length L along +X, supports given per node.
modelo vigaContinua(int vanos, double L, const std::vector<std::array<int, 3>>& apoyos) {
    modelo m;
    for (int k = 0; k <= vanos; ++k)
        agregarNudo(m, k * L, 0, apoyos[k][0], apoyos[k][1], apoyos[k][2]);
    for (int k = 0; k < vanos; ++k) agregarBarra(m, k, k + 1, E, A, I);
    return m;
}

const std::array<int, 3> empotrado{1, 1, 1}, articulado{1, 1, 0}, rodillo{0, 1, 0}, libre{0, 0, 0};

}  // namespace

// Fixed-fixed beam whose end B settles Δ downwards (Ghali & Neville,
// Structural Analysis, fixed-end forces due to end displacements): end
// moments ∓6E·I·Δ/L² (hogging at A, sagging at B), shear 12E·I·Δ/L³.
TEST(Asentamiento, VigaEmpotradaConUnExtremoQueBaja) {
    const double L = 5, D = 0.01;
    modelo m = vigaContinua(1, L, {empotrado, empotrado});
    m.nudo[1].setAsentamiento("S", 0, -D, 0);
    agregarCombo(m, "C1", {{1, "S"}});
    const solucion s = funcionSolucionU(m);
    const double k = EI * D / (L * L), tol = 1e-9 * k;
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, 0, lado::despues).M, -6 * k, tol);
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, L, lado::antes).M, 6 * k, tol);
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, L / 3, lado::despues).V, 12 * k / L, tol);
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), 12 * k / L, tol);
    EXPECT_NEAR(s.nudos[0].getReaccionM(0), 6 * k, tol);
    // The settled node shows its imposed displacement.
    EXPECT_EQ(s.nudos[1].getDesplazamientoY(0), -D);
    EXPECT_EQ(s.u(4, 0), -D);
}

// Propped cantilever (fixed at A, roller at B) whose roller settles Δ: the
// fixed-end moment 3E·I·Δ/L² (hogging), reaction 3E·I·Δ/L³ at B.
TEST(Asentamiento, VoladizoApuntalado) {
    const double L = 4, D = 0.02;
    modelo m = vigaContinua(1, L, {empotrado, rodillo});
    m.nudo[1].setAsentamiento("S", 0, -D, 0);
    agregarCombo(m, "C1", {{1, "S"}});
    const solucion s = funcionSolucionU(m);
    const double k = EI * D / (L * L);
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, 0, lado::despues).M, -3 * k, 1e-9 * k);
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), -3 * k / L, 1e-9 * k);
}

// Three equal spans, the second support settling Δ: the three-moment
// equation with support settlements (Hibbeler, Structural Analysis;
// Ghali & Neville), M_{n-1}·L + 4M_n·L + M_{n+1}·L = 6E·I·Σ(y_adjacent -
// y_n)/L with y upward, gives M_B = 3.6 E·I·Δ/L² and M_C = -2.4 E·I·Δ/L².
TEST(Asentamiento, VigaContinuaDeTresVanosYEcuacionDeLosTresMomentos) {
    const double L = 6, D = 0.015;
    modelo m = vigaContinua(3, L, {articulado, rodillo, rodillo, rodillo});
    m.nudo[1].setAsentamiento("S", 0, -D, 0);
    agregarCombo(m, "C1", {{1, "S"}});
    const solucion s = funcionSolucionU(m);
    const double k = EI * D / (L * L), tol = 1e-9 * k;
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, L, lado::antes).M, 3.6 * k, tol);
    EXPECT_NEAR(s.barras[1].esfuerzosEn(0, 0, lado::despues).M, 3.6 * k, tol);
    EXPECT_NEAR(s.barras[1].esfuerzosEn(0, L, lado::antes).M, -2.4 * k, tol);
    EXPECT_NEAR(s.barras[2].esfuerzosEn(0, L, lado::antes).M, 0, tol);
}

// Fixed-fixed bar heated uniformly by dT: compression E·A·α·dT, no moment;
// with a gradient, a constant moment E·I·α·gradiente and no deflection
// (the clamps keep the bar straight; Ghali & Neville, temperature).
TEST(Temperatura, VigaEmpotradaUniformeYGradiente) {
    const double L = 5, dT = 30, g = 50;
    modelo m = vigaContinua(1, L, {empotrado, empotrado});
    m.barra[0].agregarCarga("T", cargaTemperatura{alfa, dT, 0, EA, EI});
    m.barra[0].agregarCarga("G", cargaTemperatura{alfa, 0, g, EA, EI});
    agregarCombo(m, "uniforme", {{1, "T"}});
    agregarCombo(m, "gradiente", {{1, "G"}});
    const solucion s = funcionSolucionU(m);
    const resultadosBarra& b = s.barras[0];
    for (double x : {0.0, 1.3, 2.5, 5.0}) {
        const lado l = x == L ? lado::antes : lado::despues;
        EXPECT_NEAR(b.esfuerzosEn(0, x, l).N, -EA * alfa * dT, 1e-9 * EA * alfa * dT);
        EXPECT_NEAR(b.esfuerzosEn(0, x, l).M, 0, 1e-9 * EI * alfa * g);
        EXPECT_NEAR(b.esfuerzosEn(1, x, l).M, EI * alfa * g, 1e-9 * EI * alfa * g);
        EXPECT_NEAR(b.esfuerzosEn(1, x, l).v, 0, 1e-12);
        EXPECT_NEAR(b.esfuerzosEn(1, x, l).N, 0, 1e-9 * EA * alfa * dT);
    }
}

// Cantilever, free to move: tip deflection α·g·L²/2 toward -y, tip rotation
// α·g·L clockwise, elongation α·dT·L, and no internal force.
TEST(Temperatura, VoladizoLibreSeCurvaSinEsfuerzos) {
    const double L = 4, dT = 25, g = 40;
    modelo m = vigaContinua(1, L, {empotrado, libre});
    m.barra[0].agregarCarga("T", cargaTemperatura{alfa, dT, g, EA, EI});
    agregarCombo(m, "C1", {{1, "T"}});
    const solucion s = funcionSolucionU(m);
    EXPECT_NEAR(s.nudos[1].getDesplazamientoY(0), -alfa * g * L * L / 2, 1e-12);
    EXPECT_NEAR(s.nudos[1].getGiroZ(0), -alfa * g * L, 1e-12);
    EXPECT_NEAR(s.nudos[1].getDesplazamientoX(0), alfa * dT * L, 1e-12);
    const resultadosBarra& b = s.barras[0];
    for (double x : {0.0, 2.0, 4.0}) {
        const esfuerzosSeccion e = b.esfuerzosEn(0, x, x == L ? lado::antes : lado::despues);
        EXPECT_NEAR(e.N, 0, 1e-6);
        EXPECT_NEAR(e.V, 0, 1e-6);
        EXPECT_NEAR(e.M, 0, 1e-6);
        // The elastic line is the free curvature's parabola.
        EXPECT_NEAR(e.v, -alfa * g * x * x / 2, 1e-12);
    }
}

// Propped cantilever with a gradient: fixed-end moment 3E·I·α·g/2 and
// reaction 3E·I·α·g/(2L) at the roller; with the roller a hinged end of the
// bar on a fixed node, the same (the end release serves every load kind).
TEST(Temperatura, VoladizoApuntaladoYExtremoArticulado) {
    const double L = 6, g = 35, m0 = 1.5 * EI * alfa * g;
    modelo apuntalado = vigaContinua(1, L, {empotrado, rodillo});
    modelo articulado = vigaContinua(1, L, {empotrado, empotrado});
    articulado.barra[0].setArticulacion(1, 0);
    for (modelo* m : {&apuntalado, &articulado}) {
        m->barra[0].agregarCarga("G", cargaTemperatura{alfa, 0, g, EA, EI});
        agregarCombo(*m, "C1", {{1, "G"}});
        const solucion s = funcionSolucionU(*m);
        EXPECT_NEAR(s.barras[0].esfuerzosEn(0, 0, lado::despues).M, m0, 1e-9 * m0);
        EXPECT_NEAR(s.barras[0].esfuerzosEn(0, L, lado::antes).M, 0, 1e-9 * m0);
        EXPECT_NEAR(s.nudos[1].getReaccionY(0), m0 / L, 1e-9 * m0);
    }
}

// Simply supported beam with a gradient: no force, mid-span deflection
// α·g·L²/8; the curvature -α·g between two supports at the same level
// arches the beam, so mid-span rises (toward +y) while a cantilever's tip,
// which starts level, drops.
TEST(Temperatura, VigaSimplementeApoyada) {
    const double L = 8, g = 30;
    modelo m = vigaContinua(2, L / 2, {articulado, libre, rodillo});
    for (objBarra2d& b : m.barra) b.agregarCarga("G", cargaTemperatura{alfa, 0, g, EA, EI});
    agregarCombo(m, "C1", {{1, "G"}});
    const solucion s = funcionSolucionU(m);
    EXPECT_NEAR(s.nudos[1].getDesplazamientoY(0), alfa * g * L * L / 8, 1e-12);
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), 0, 1e-6);
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, 1, lado::despues).M, 0, 1e-6);
}

// Roller on a surface at 30° at B of a simple beam with a central load P:
// the roller's reaction is normal to its surface, (P/2)/cos 30°; the pin
// at A takes the horizontal component, (P/2)·tan 30° (statics).
TEST(ApoyoInclinado, RodilloA30GradosBajoCargaCentral) {
    const double L = 4, P = 10, th = pi / 6;
    modelo m = vigaContinua(2, L / 2, {articulado, libre, libre});
    m.nudo[2].setApoyoInclinado(th, 0);
    m.nudo[1].setCargaPuntual("P", 0, -P, 0);
    agregarCombo(m, "C1", {{1, "P"}});
    const solucion s = funcionSolucionU(m);
    const double rn = P / 2 / std::cos(th);
    EXPECT_NEAR(s.nudos[2].getReaccionX(0), -rn * std::sin(th), 1e-9 * P);
    EXPECT_NEAR(s.nudos[2].getReaccionY(0), rn * std::cos(th), 1e-9 * P);
    EXPECT_NEAR(s.nudos[0].getReaccionX(0), P / 2 * std::tan(th), 1e-9 * P);
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), P / 2, 1e-9 * P);
    // The roller moves along its surface only.
    const Eigen::Vector2d u(s.nudos[2].getDesplazamientoX(0), s.nudos[2].getDesplazamientoY(0));
    EXPECT_NEAR(u.dot(Eigen::Vector2d(-std::sin(th), std::cos(th))), 0, 1e-15);
    EXPECT_GT(u.norm(), 0);
}

// The same structure turned as a whole by -30°: the inclined roller becomes
// an ordinary one (restraining Y only), the beam and the load turn with it.
// The reactions must be those of the inclined model, turned by -30°.
TEST(ApoyoInclinado, IgualAlModeloGiradoConRodilloComun) {
    const double L = 4, P = 10, th = pi / 6;
    modelo inclinado = vigaContinua(2, L / 2, {articulado, libre, libre});
    inclinado.nudo[2].setApoyoInclinado(th, 0);
    inclinado.nudo[1].setCargaPuntual("P", 0, -P, 0);
    agregarCombo(inclinado, "C1", {{1, "P"}});

    const double c = std::cos(-th), sn = std::sin(-th);
    modelo girado;
    agregarNudo(girado, 0, 0, 1, 1, 0);
    agregarNudo(girado, c * L / 2, sn * L / 2);
    agregarNudo(girado, c * L, sn * L, 0, 1, 0);
    agregarBarra(girado, 0, 1, E, A, I);
    agregarBarra(girado, 1, 2, E, A, I);
    girado.nudo[1].setCargaPuntual("P", -sn * -P, c * -P, 0);
    agregarCombo(girado, "C1", {{1, "P"}});

    const solucion a = funcionSolucionU(inclinado);
    const solucion b = funcionSolucionU(girado);
    for (int i : {0, 2}) {
        const Eigen::Vector2d ra(a.nudos[i].getReaccionX(0), a.nudos[i].getReaccionY(0));
        const Eigen::Vector2d rb(b.nudos[i].getReaccionX(0), b.nudos[i].getReaccionY(0));
        EXPECT_NEAR(c * ra(0) - sn * ra(1), rb(0), 1e-9 * P) << "nudo " << i;
        EXPECT_NEAR(sn * ra(0) + c * ra(1), rb(1), 1e-9 * P) << "nudo " << i;
    }
    EXPECT_NEAR(a.barras[0].esfuerzosEn(0, L / 2, lado::antes).M,
                b.barras[0].esfuerzosEn(0, L / 2, lado::antes).M, 1e-9 * P * L);
}

// A roller on a vertical wall (90°) restrains X alone: as apoyo 1 0 0.
TEST(ApoyoInclinado, ParedVerticalComoRodilloEnX) {
    auto columna = [](bool inclinado) {
        modelo m;
        agregarNudo(m, 0, 0, 1, 1, 1);
        agregarNudo(m, 0, 3, inclinado ? 0 : 1, 0, 0);
        if (inclinado) m.nudo[1].setApoyoInclinado(pi / 2, 0);
        agregarBarra(m, 0, 1, E, A, I);
        m.barra[0].agregarCarga("Q", cargaTrapecial{0, 0, 4, 4});
        agregarCombo(m, "C1", {{1, "Q"}});
        return funcionSolucionU(m);
    };
    const solucion a = columna(true), b = columna(false);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(a.nudos[i].getReaccionX(0), b.nudos[i].getReaccionX(0), 1e-9);
        EXPECT_NEAR(a.nudos[i].getReaccionY(0), b.nudos[i].getReaccionY(0), 1e-9);
        EXPECT_NEAR(a.nudos[i].getReaccionM(0), b.nudos[i].getReaccionM(0), 1e-9);
        EXPECT_NEAR(a.nudos[i].getGiroZ(0), b.nudos[i].getGiroZ(0), 1e-15);
    }
}

// Settlement, temperature and a load combined with factors 1, 0.5 and -1:
// the results are the factored sums of the three solved alone (linearity),
// on a frame with a settled support and an inclined roller.
TEST(DeformacionesImpuestas, CombinacionEsLaSumaConFactores) {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 0, 4);
    agregarNudo(m, 6, 4);
    agregarNudo(m, 6, 0);
    m.nudo[3].setApoyoInclinado(pi / 9, 0);
    agregarBarra(m, 0, 1, E, A, I);
    agregarBarra(m, 1, 2, E, A, I);
    agregarBarra(m, 3, 2, E, A, I);
    m.nudo[0].setAsentamiento("S", 0.003, -0.01, 0.001);
    m.nudo[3].setAsentamiento("S", 0, -0.005, 0);
    m.barra[1].agregarCarga("T", cargaTemperatura{alfa, 20, 40, EA, EI});
    m.nudo[2].setCargaPuntual("P", 5, -20, 3);
    agregarCombo(m, "S", {{1, "S"}});
    agregarCombo(m, "T", {{1, "T"}});
    agregarCombo(m, "P", {{1, "P"}});
    agregarCombo(m, "todo", {{1, "S"}, {0.5, "T"}, {-1, "P"}});
    const solucion s = funcionSolucionU(m);
    const Eigen::VectorXd suma = s.u.col(0) + 0.5 * s.u.col(1) - s.u.col(2);
    EXPECT_LT((s.u.col(3) - suma).cwiseAbs().maxCoeff(), 1e-12 * s.u.cwiseAbs().maxCoeff());
    const Eigen::VectorXd r = s.reacciones.col(0) + 0.5 * s.reacciones.col(1) - s.reacciones.col(2);
    EXPECT_LT((s.reacciones.col(3) - r).cwiseAbs().maxCoeff(),
              1e-9 * s.reacciones.cwiseAbs().maxCoeff());
    for (double x : {0.0, 3.0, 6.0}) {
        const lado l = x == 6 ? lado::antes : lado::despues;
        const resultadosBarra& b = s.barras[1];
        EXPECT_NEAR(
            b.esfuerzosEn(3, x, l).M,
            b.esfuerzosEn(0, x, l).M + 0.5 * b.esfuerzosEn(1, x, l).M - b.esfuerzosEn(2, x, l).M,
            1e-8 * std::abs(b.esfuerzosEn(0, 0, lado::despues).M));
    }
    // The settled support is where the settlement put it, in every combination.
    EXPECT_EQ(s.nudos[0].getDesplazamientoY(3), -0.01);
}
