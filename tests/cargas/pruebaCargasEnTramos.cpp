// Loads inside a bar (point forces, concentrated moments, partial
// distributed loads) on beams whose answers are in every table of beam
// formulas, solved through the whole stiffness method.
//   Sign conventions: reactions act on the structure, moments
//   counter-clockwise positive; M > 0 sags (concave toward local +y);
//   V = dM/dx.
#include <gtest/gtest.h>

#include <cmath>

#include "barraConResortes.h"
#include "funcionSolucionU.h"
#include "modeloPrueba.h"
#include "resultadosBarra.h"

namespace {

constexpr double E = 2e7, A = 0.02, I = 4e-4, EI = E * I;

// A horizontal beam from (0, 0) to (L, 0) with the given supports at its two
// nodes (restraint flags X, Y, rotation) and end fixity factors.
modelo viga(double L, const int apoyoInicio[3], const int apoyoFin[3], double ai = 1,
            double af = 1) {
    modelo m;
    agregarNudo(m, 0, 0, apoyoInicio[0], apoyoInicio[1], apoyoInicio[2]);
    agregarNudo(m, L, 0, apoyoFin[0], apoyoFin[1], apoyoFin[2]);
    agregarBarra(m, 0, 1, E, A, I, ai, af);
    return m;
}

const int empotrado[3] = {1, 1, 1};
const int articulado[3] = {1, 1, 0};
const int rodillo[3] = {0, 1, 0};

solucion resolverConCarga(modelo& m, const cargaBarra& carga) {
    m.barra[0].agregarCarga("Q", carga);
    agregarCombo(m, "C1", {{1, "Q"}});
    return funcionSolucionU(m);
}

}  // namespace

// Fixed-fixed beam, force P at a, b = L - a (Roark's Formulas for Stress and
// Strain, table 8.1, concentrated load, both ends fixed): end moments
// P·a·b²/L² and P·a²·b/L², end shears P·b²(3a + b)/L³ and P·a²(a + 3b)/L³,
// moment under the load 2P·a²·b²/L³, deflection there P·a³·b³/(3E·I·L³).
TEST(CargaPuntual, VigaEmpotradaEnAmbosExtremos) {
    const double L = 5, a = 1.5, b = L - a, P = 12;
    modelo m = viga(L, empotrado, empotrado);
    const solucion s = resolverConCarga(m, cargaPuntual{a, 0, -P, 0});
    ASSERT_TRUE(s.resuelto);
    const double tol = 1e-9 * P * L;
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), P * b * b * (3 * a + b) / (L * L * L), tol);
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), P * a * a * (a + 3 * b) / (L * L * L), tol);
    EXPECT_NEAR(s.nudos[0].getReaccionM(0), P * a * b * b / (L * L), tol);
    EXPECT_NEAR(s.nudos[1].getReaccionM(0), -P * a * a * b / (L * L), tol);

    const resultadosBarra& r = s.barras[0];
    EXPECT_NEAR(r.esfuerzosEn(0, 0, lado::despues).M, -P * a * b * b / (L * L), tol);
    EXPECT_NEAR(r.esfuerzosEn(0, L, lado::antes).M, -P * a * a * b / (L * L), tol);
    EXPECT_NEAR(r.esfuerzosEn(0, a, lado::antes).M, 2 * P * a * a * b * b / (L * L * L), tol);
    EXPECT_NEAR(r.esfuerzosEn(0, a, lado::despues).v,
                -P * a * a * a * b * b * b / (3 * EI * L * L * L), 1e-9 * P * L * L * L / EI);
}

// Simply supported beam, force P at a: reactions P·b/L and P·a/L, moment
// P·a·b/L under the load, where the shear jumps by -P (from P·b/L to
// -P·a/L); deflection under the load P·a²·b²/(3E·I·L) (any table of beam
// formulas, e.g. Gere & Goodno, Mechanics of Materials, appendix G).
TEST(CargaPuntual, VigaSimplementeApoyada) {
    const double L = 6, a = 4, b = L - a, P = 9;
    modelo m = viga(L, articulado, rodillo);
    const solucion s = resolverConCarga(m, cargaPuntual{a, 0, -P, 0});
    const double tol = 1e-9 * P * L;
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), P * b / L, tol);
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), P * a / L, tol);
    const resultadosBarra& r = s.barras[0];
    const esfuerzosSeccion antes = r.esfuerzosEn(0, a, lado::antes);
    const esfuerzosSeccion despues = r.esfuerzosEn(0, a, lado::despues);
    EXPECT_NEAR(antes.M, P * a * b / L, tol);
    EXPECT_NEAR(despues.M, P * a * b / L, tol);
    EXPECT_NEAR(antes.V, P * b / L, tol);
    EXPECT_NEAR(despues.V, -P * a / L, tol);
    EXPECT_NEAR(despues.V - antes.V, -P, tol);
    EXPECT_NEAR(antes.v, -P * a * a * b * b / (3 * EI * L), 1e-9 * P * L * L * L / EI);
}

// An axial force inside a bar fixed at both ends is shared by the ends in
// inverse proportion to the lengths: the part before it carries P·b/L in
// tension, the part after it P·a/L in compression (a two-spring system).
TEST(CargaPuntual, FuerzaAxialEntreDosEmpotramientos) {
    const double L = 4, a = 1, b = L - a, P = 8;
    modelo m = viga(L, empotrado, empotrado);
    const solucion s = resolverConCarga(m, cargaPuntual{a, P, 0, 0});
    const resultadosBarra& r = s.barras[0];
    EXPECT_NEAR(r.esfuerzosEn(0, 0.5, lado::despues).N, P * b / L, 1e-9 * P);
    EXPECT_NEAR(r.esfuerzosEn(0, 3, lado::despues).N, -P * a / L, 1e-9 * P);
    EXPECT_NEAR(r.esfuerzosEn(0, a, lado::despues).N - r.esfuerzosEn(0, a, lado::antes).N, -P,
                1e-9 * P);
    EXPECT_NEAR(s.nudos[0].getReaccionX(0), -P * b / L, 1e-9 * P);
}

// Concentrated moment M0 at mid-span of a simply supported beam (Roark,
// table 8.1, concentrated moment, both ends simply supported): reactions
// ±M0/L (a couple), a constant shear M0/L, and a moment that jumps by -M0 at
// the load (from M0/2 to -M0/2 in this sign convention).
TEST(MomentoConcentrado, VigaSimplementeApoyadaAMitadDeLuz) {
    const double L = 4, M0 = 6;
    modelo m = viga(L, articulado, rodillo);
    const solucion s = resolverConCarga(m, cargaPuntual{L / 2, 0, 0, M0});
    const double tol = 1e-9 * M0;
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), M0 / L, tol);
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), -M0 / L, tol);
    const resultadosBarra& r = s.barras[0];
    EXPECT_NEAR(r.esfuerzosEn(0, L / 2, lado::antes).M, M0 / 2, tol);
    EXPECT_NEAR(r.esfuerzosEn(0, L / 2, lado::despues).M, -M0 / 2, tol);
    EXPECT_NEAR(r.esfuerzosEn(0, 1, lado::despues).V, M0 / L, tol);
    EXPECT_NEAR(r.esfuerzosEn(0, 3, lado::despues).V, M0 / L, tol);
    // Antisymmetric: no deflection at mid-span.
    EXPECT_NEAR(r.esfuerzosEn(0, L / 2, lado::antes).v, 0, 1e-12 * M0 * L * L / EI);
}

// Concentrated moment M0 at a on a fixed-fixed beam (Roark, table 8.1,
// concentrated moment, both ends fixed): end reaction moments
// M0·b(2a - b)/L² and M0·a(2b - a)/L², reactions ∓6M0·a·b/L³.
TEST(MomentoConcentrado, VigaEmpotradaEnAmbosExtremos) {
    const double L = 4, a = 1, b = L - a, M0 = 10;
    modelo m = viga(L, empotrado, empotrado);
    const solucion s = resolverConCarga(m, cargaPuntual{a, 0, 0, M0});
    const double tol = 1e-9 * M0;
    EXPECT_NEAR(s.nudos[0].getReaccionM(0), M0 * b * (2 * a - b) / (L * L), tol);
    EXPECT_NEAR(s.nudos[1].getReaccionM(0), M0 * a * (2 * b - a) / (L * L), tol);
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), 6 * M0 * a * b / (L * L * L), tol);
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), -6 * M0 * a * b / (L * L * L), tol);
}

// Uniform load q over the left half of a fixed-fixed beam (Hibbeler,
// Structural Analysis, fixed-end moments table): end moments 11qL²/192 and
// 5qL²/192; vertical reactions 13qL/32 and 3qL/32.
TEST(CargaParcial, MitadIzquierdaDeVigaEmpotrada) {
    const double L = 8, q = 3;
    modelo m = viga(L, empotrado, empotrado);
    const solucion s = resolverConCarga(m, cargaParcial{0, L / 2, 0, 0, -q, -q});
    const double tol = 1e-9 * q * L * L;
    EXPECT_NEAR(s.nudos[0].getReaccionM(0), 11 * q * L * L / 192, tol);
    EXPECT_NEAR(s.nudos[1].getReaccionM(0), -5 * q * L * L / 192, tol);
    EXPECT_NEAR(s.nudos[0].getReaccionY(0), 13 * q * L / 32, tol);
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), 3 * q * L / 32, tol);
}

// A partial trapezoid on [a, b] of a fixed-fixed bar: the equivalent nodal
// loads are ∫ N_i(x)·q(x) dx with the Hermite shape functions
// N1 = 1 - 3ξ² + 2ξ³, N2 = L(ξ - 2ξ² + ξ³), N3 = 3ξ² - 2ξ³, N4 = L(ξ³ - ξ²),
// and ∫ (1 - ξ)·p, ∫ ξ·p for the axial load; integrated here by composite
// Simpson's rule with many panels, independently of the program's closed form.
TEST(CargaParcial, TrapecioCoincideConIntegralDeHermite) {
    const double L = 7, a = 1.25, b = 5.5;
    const cargaParcial c{a, b, 2.0, -1.0, -4.0, 7.0};
    modelo m = viga(L, empotrado, empotrado);
    m.barra[0].agregarCarga("Q", c);
    agregarCombo(m, "C1", {{1, "Q"}});
    const resultadosBarra r(m.barra[0], m.combos);
    const Eigen::MatrixXd f = r.getCargasEquivalentesLocales();

    const int paneles = 4000;
    const double h = (b - a) / paneles;
    Eigen::Matrix<double, 6, 1> integral = Eigen::Matrix<double, 6, 1>::Zero();
    for (int k = 0; k <= paneles; ++k) {
        const double x = a + k * h, xi = x / L, u = (x - a) / (b - a);
        const double p = c.pa + (c.pb - c.pa) * u, q = c.qa + (c.qb - c.qa) * u;
        const double w = (k == 0 || k == paneles) ? 1 : (k % 2 ? 4 : 2);
        Eigen::Matrix<double, 6, 1> g;
        g << p * (1 - xi), q * (1 - 3 * xi * xi + 2 * xi * xi * xi),
            q * L * (xi - 2 * xi * xi + xi * xi * xi), p * xi, q * (3 * xi * xi - 2 * xi * xi * xi),
            q * L * (xi * xi * xi - xi * xi);
        integral += w * h / 3 * g;
    }
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(f(k, 0), integral(k), 1e-9) << "fila " << k;
}

// A point load on a bar with a hinged end and with a partially fixed end
// (factor 0.5): the equivalent nodal loads equal those of the independent
// model of a rigid bar joined to its nodes by rotational springs
// a/(1 - a)·E·I/L, whose clamped loads are the fixed-end forces of the beam
// table and whose bar-end moments are condensed through the springs.
TEST(CargaPuntual, ExtremoArticuladoYSemirrigidoComoModeloDeResortes) {
    const double L = 5, a = 2, b = L - a, P = 10;
    const Eigen::Vector4d empotrada(P * b * b * (3 * a + b) / (L * L * L), P * a * b * b / (L * L),
                                    P * a * a * (a + 3 * b) / (L * L * L),
                                    -P * a * a * b / (L * L));
    // The spring model needs a finite spring: factors below 1 (a rigid end
    // beside a hinge is the propped cantilever of the next test).
    for (const auto& [ai, af] : {std::pair{0.5, 0.0}, std::pair{0.0, 0.5}, std::pair{0.5, 0.5}}) {
        modelo m = viga(L, empotrado, empotrado, ai, af);
        m.barra[0].agregarCarga("P", cargaPuntual{a, 0, P, 0});
        agregarCombo(m, "C1", {{1, "P"}});
        const resultadosBarra r(m.barra[0], m.combos);
        const Eigen::Vector4d esperada = cargasCondensadas(L, EI, ai, af, empotrada);
        const Eigen::MatrixXd f = r.getCargasEquivalentesLocales();
        const int filas[4] = {1, 2, 4, 5};
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(f(filas[k], 0), esperada(k), 1e-9 * P * L) << ai << " " << af << " " << k;
    }
}

// Propped cantilever made of a bar fixed at its start and hinged at its
// end on a pinned node, load P at a from the fixed end: the propped
// reaction is P·a²(3L - a)/(2L³) (Roark, table 8.1, concentrated load, left
// end fixed, right end simply supported).
TEST(CargaPuntual, VoladizoApuntaladoPorArticulacionDeBarra) {
    const double L = 6, a = 2, P = 15;
    modelo m = viga(L, empotrado, empotrado, 1, 0);
    const solucion s = resolverConCarga(m, cargaPuntual{a, 0, -P, 0});
    EXPECT_NEAR(s.nudos[1].getReaccionY(0), P * a * a * (3 * L - a) / (2 * L * L * L), 1e-9 * P);
    EXPECT_NEAR(s.nudos[1].getReaccionM(0), 0, 1e-9 * P * L);
    EXPECT_NEAR(s.barras[0].esfuerzosEn(0, L, lado::antes).M, 0, 1e-9 * P * L);
}

// The same force and moment on a node, at a = L of the bar that ends there
// and at a = 0 of the bar that starts there (given in global components on
// inclined bars): the same displacements and reactions, since a load at an
// end belongs to the bar and goes straight into its node.
TEST(CargaPuntual, EnElExtremoDeUnaBarraComoEnElNudo) {
    const double px = 3, py = -7, mz = 2;
    auto marco = [](modelo& m) {
        agregarNudo(m, 0, 0, 1, 1, 1);
        agregarNudo(m, 3, 2, 0, 0, 0);
        agregarNudo(m, 7, 1, 1, 1, 0);
        agregarBarra(m, 0, 1, E, A, I);
        agregarBarra(m, 1, 2, E, A, I);
    };
    modelo enNudo, alFinal, alInicio;
    marco(enNudo);
    marco(alFinal);
    marco(alInicio);
    enNudo.nudo[1].setCargaPuntual("Q", px, py, mz);
    // Local components of the global force on bar 1 (angle atan2(2, 3)).
    const double L1 = std::hypot(3.0, 2.0), c = 3 / L1, sn = 2 / L1;
    alFinal.barra[0].agregarCarga("Q", cargaPuntual{L1, c * px + sn * py, -sn * px + c * py, mz});
    alInicio.barra[1].agregarCarga("Q", cargaPuntual{0, 0, 0, mz});
    const double L2 = std::hypot(4.0, -1.0), c2 = 4 / L2, s2 = -1 / L2;
    alInicio.barra[1].agregarCarga("Q",
                                   cargaPuntual{0, c2 * px + s2 * py, -s2 * px + c2 * py, 0, true});
    for (modelo* m : {&enNudo, &alFinal, &alInicio}) agregarCombo(*m, "C1", {{1, "Q"}});
    const solucion s0 = funcionSolucionU(enNudo);
    const double escalaU = s0.u.cwiseAbs().maxCoeff();
    for (const modelo* m : {&alFinal, &alInicio}) {
        const solucion s = funcionSolucionU(*m);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(s.nudos[i].getDesplazamientoX(0), s0.nudos[i].getDesplazamientoX(0),
                        1e-10 * escalaU);
            EXPECT_NEAR(s.nudos[i].getDesplazamientoY(0), s0.nudos[i].getDesplazamientoY(0),
                        1e-10 * escalaU);
            EXPECT_NEAR(s.nudos[i].getGiroZ(0), s0.nudos[i].getGiroZ(0), 1e-10 * escalaU);
            EXPECT_NEAR(s.nudos[i].getReaccionX(0), s0.nudos[i].getReaccionX(0), 1e-9);
            EXPECT_NEAR(s.nudos[i].getReaccionY(0), s0.nudos[i].getReaccionY(0), 1e-9);
            EXPECT_NEAR(s.nudos[i].getReaccionM(0), s0.nudos[i].getReaccionM(0), 1e-9);
        }
    }
}
