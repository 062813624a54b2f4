// Bar results from end displacements: integration constants, internal forces
// along the bar, zero-shear point and deformed shape, checked against
// closed-form beam solutions (simply supported, cantilever, propped
// cantilever, axially restrained bar).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "archivoTemporal.h"
#include "barraConResortes.h"
#include "extremosBarra.h"
#include "objBarra2d.h"
#include "resultadosBarra.h"

namespace {
const double E = 1000, I = 0.01, EI = E * I, AREA = 0.5;

// Bar from (x1, y1) to (x2, y2) and its combinations; its results formed as
// the solver forms them, then given global end displacements d (6 x nc).
struct BarraResuelta {
    objBarra2d b;
    std::vector<comboCarga> combos;
    resultadosBarra r;
    BarraResuelta(double x1, double y1, double x2, double y2, double ai = 1, double af = 1,
                  double inercia = I) {
        b.resetFlags();
        b.setNudoInicio(0, x1, y1);
        b.setNudoFinal(1, x2, y2);
        b.setSeccionGenerica(AREA, inercia);
        b.setModuloE(E);
        b.setArticulacion(ai, af);
    }
    void carga(const std::string& combo, double pi, double pf, double qi, double qf) {
        b.setCargaLocal(combo + "_caso", pi, pf, qi, qf);
        combos.push_back({combo, {{1, combo + "_caso"}}});
    }
    void resolver(const Eigen::MatrixXd& d) {
        r = resultadosBarra(b, combos);
        r.setDesplazamientos(d);
    }
};

Eigen::MatrixXd columna(double a, double b, double c, double d, double e, double f) {
    Eigen::MatrixXd m(6, 1);
    m << a, b, c, d, e, f;
    return m;
}

void filaIgual(const Eigen::MatrixXd& r, std::initializer_list<double> esperado, double tol) {
    ASSERT_EQ(r.cols(), static_cast<Eigen::Index>(esperado.size()));
    int k = 0;
    for (double v : esperado) EXPECT_NEAR(r(1, k++), v, tol) << "estación " << k - 1;
}

// Simply supported, L = 4, uniform load -w = -2, rigid ends on nodes that
// rotate freely: θ = ∓wL³/(24EI) at the ends.
BarraResuelta simplementeApoyada() {
    const double L = 4, w = 2, th = w * L * L * L / (24 * EI);
    BarraResuelta s(0, 0, L, 0);
    s.carga("C1", 0, 0, -w, -w);
    s.resolver(columna(0, 0, -th, 0, 0, th));
    return s;
}
}  // namespace

TEST(BarraResultados, SimplementeApoyadaCargaUniforme) {
    BarraResuelta s = simplementeApoyada();
    const double w = 2, L = 4;
    const Eigen::VectorXd c = s.r.getConstantesIntegracion().col(0);
    EXPECT_NEAR(c(0), 0, 1e-12);
    EXPECT_NEAR(c(1), w, 1e-12);
    EXPECT_NEAR(c(2), w * L / 2, 1e-9);
    EXPECT_NEAR(c(3), 0, 1e-9);
    EXPECT_NEAR(c(4), -w * L * L * L / 24, 1e-9);
    EXPECT_NEAR(c(5), 0, 1e-12);

    filaIgual(s.r.getSolicitacionMomento(0, 5), {0, 3, 4, 3, 0}, 1e-9);
    filaIgual(s.r.getSolicitacionCortante(0, 5), {4, 2, 0, -2, -4}, 1e-9);
    const Eigen::MatrixXd m = s.r.getSolicitacionMomento(0, 5);
    for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(m(0, k), k * 1.0);
    EXPECT_NEAR(ceroDelCortante(s.r, 0).x, 2, 1e-9);
    EXPECT_NEAR(ceroDelCortante(s.r, 0).valor, 4, 1e-9);
    filaIgual(s.r.getSolicitacionMomento(0, 2), {0, 0}, 1e-9);
    filaIgual(s.r.getSolicitacionCortante(0, 2), {4, -4}, 1e-9);
    filaIgual(s.r.getSolicitacionAxial(0, 3), {0, 0, 0}, 1e-9);
}

// Partially fixed ends (0.6 and 0.8), trapezoidal load and every end
// displacement non-zero: the constants honour M(0) = -M1, M(L) = M2, y(0) = u2
// and y(L) = u5, with the end moments and shears taken from the independent
// spring-plus-bar model (clamped loads of the trapezoid: standard tables).
TEST(BarraResultados, ConstantesCumplenLasCuatroCondicionesDeExtremo) {
    const double L = 5, ai = 0.6, af = 0.8, qi = -3, qf = -7;
    BarraResuelta s(0, 0, L, 0, ai, af);
    s.carga("C1", 0, 0, qi, qf);
    const double u2 = 0.01, u3 = -0.002, u5 = -0.004, u6 = 0.003;
    s.resolver(columna(0, u2, u3, 0, u5, u6));

    const Eigen::Vector4d empotrada(L * (7 * qi + 3 * qf) / 20, L * L * (qi / 20 + qf / 30),
                                    L * (3 * qi + 7 * qf) / 20, -L * L * (qi / 30 + qf / 20));
    const Eigen::Vector4d p = rigidezCondensada(L, EI, ai, af) * Eigen::Vector4d(u2, u3, u5, u6) -
                              cargasCondensadas(L, EI, ai, af, empotrada);
    const double tol = 1e-9 * std::abs(p(1));
    filaIgual(s.r.getSolicitacionMomento(0, 2), {-p(1), p(3)}, tol);
    filaIgual(s.r.getSolicitacionCortante(0, 2), {p(0), -p(2)}, tol);
    const Eigen::VectorXd c = s.r.getConstantesIntegracion().col(0);
    EXPECT_NEAR(c(5), EI * u2, 1e-15);
    const Eigen::MatrixXd y = s.r.getBarraDeformada(0, 2, 1);
    EXPECT_NEAR(y(1, 0), u2, 1e-15);
    EXPECT_NEAR(y(1, 1), u5, 1e-12);
}

// Cantilever fixed at the start, tip load P downward: tip deflection
// -PL³/(3EI), rotation -PL²/(2EI); V = P, M from -PL to 0.
TEST(BarraResultados, VoladizoConCargaEnLaPunta) {
    const double L = 2, P = 5;
    BarraResuelta v(0, 0, L, 0);
    v.carga("C1", 0, 0, 0, 0);
    v.resolver(columna(0, 0, 0, 0, -P * L * L * L / (3 * EI), -P * L * L / (2 * EI)));
    const Eigen::VectorXd c = v.r.getConstantesIntegracion().col(0);
    EXPECT_NEAR(c(0), 0, 1e-12);
    EXPECT_NEAR(c(1), 0, 1e-12);
    EXPECT_NEAR(c(2), P, 1e-9);
    filaIgual(v.r.getSolicitacionCortante(0, 3), {P, P, P}, 1e-9);
    filaIgual(v.r.getSolicitacionMomento(0, 3), {-P * L, -P * L / 2, 0}, 1e-9);
    EXPECT_EQ(ceroDelCortante(v.r, 0).x, -1);
    EXPECT_EQ(ceroDelCortante(v.r, 0).valor, 0);
}

// Propped cantilever: start hinged to its node (any node rotation), end
// clamped. Uniform -w: R = 3wL/8 at the hinge, M = -wL²/8 at the clamp,
// zero shear at 3L/8 with M = 9wL²/128.
TEST(BarraResultados, ApoyoArticuladoYEmpotrado) {
    const double L = 8, w = 3;
    BarraResuelta p(0, 0, L, 0, 0, 1);
    p.carga("C1", 0, 0, -w, -w);
    p.resolver(columna(0, 0, 0.7, 0, 0, 0));
    filaIgual(p.r.getSolicitacionMomento(0, 2), {0, -w * L * L / 8}, 1e-9);
    filaIgual(p.r.getSolicitacionCortante(0, 2), {3 * w * L / 8, -5 * w * L / 8}, 1e-9);
    EXPECT_NEAR(ceroDelCortante(p.r, 0).x, 3 * L / 8, 1e-9);
    EXPECT_NEAR(ceroDelCortante(p.r, 0).valor, 9 * w * L * L / 128, 1e-9);
}

// Hinged at both ends: the node rotations do not reach the bar, the moment is
// the simple-span parabola.
TEST(BarraResultados, DobleArticulacionDaLaParabolaSimple) {
    const double L = 6, q = -4;
    BarraResuelta h(0, 0, L, 0, 0, 0);
    h.carga("C1", 0, 0, q, q);
    h.resolver(columna(0, 0, 0.1, 0, 0, -0.3));
    const Eigen::MatrixXd m = h.r.getSolicitacionMomento(0, 7);
    for (int k = 0; k < 7; ++k) {
        const double x = m(0, k);
        EXPECT_NEAR(m(1, k), -q * x * (L - x) / 2, 1e-9);
    }
}

// Triangular load 0 .. -w on a simply supported span: zero shear at L/√3,
// maximum moment wL²/(9√3).
TEST(BarraResultados, CargaTriangularMomentoMaximo) {
    const double L = 6, w = 4;
    BarraResuelta t(0, 0, L, 0, 0, 0);
    t.carga("C1", 0, 0, 0, -w);
    t.resolver(columna(0, 0, 0, 0, 0, 0));
    EXPECT_NEAR(ceroDelCortante(t.r, 0).x, L / std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(ceroDelCortante(t.r, 0).valor, w * L * L / (9 * std::sqrt(3.0)), 1e-9);
}

// q = 6 - 2x on a simply supported span L = 6: V = -6 + 6x - x², zeros at
// 3 ∓ √3, both inside, where M = -6x + 3x² - x³/3 = ∓2√3. The load is
// antisymmetric about mid-span, so |M| ties in exact arithmetic and either
// zero may be reported; the moment must be the one at the reported zero.
TEST(BarraResultados, DosCerosDeCortante) {
    BarraResuelta d(0, 0, 6, 0, 0, 0);
    d.carga("C1", 0, 0, 6, -6);
    d.resolver(columna(0, 0, 0, 0, 0, 0));
    const valorEnBarra cero = ceroDelCortante(d.r, 0);
    const double x = cero.x < 3 ? 3 - std::sqrt(3.0) : 3 + std::sqrt(3.0);
    EXPECT_NEAR(cero.x, x, 1e-9);
    EXPECT_NEAR(cero.valor, -6 * x + 3 * x * x - x * x * x / 3, 1e-9);
    EXPECT_NEAR(std::abs(cero.valor), 2 * std::sqrt(3.0), 1e-9);
}

// q = 1 .. -2 on a simply supported span: V = x - 3x²/(2L), zero at 0 (an
// end, not reported) and at 2L/3.
TEST(BarraResultados, CeroEnUnExtremoNoSeInforma) {
    const double L = 3;
    BarraResuelta d(0, 0, L, 0, 0, 0);
    d.carga("C1", 0, 0, 1, -2);
    d.resolver(columna(0, 0, 0, 0, 0, 0));
    EXPECT_NEAR(ceroDelCortante(d.r, 0).x, 2 * L / 3, 1e-9);
}

// Cantilever fixed at the start with tip load P and uniform w, both down:
// V = P + w(L - x) vanishes only beyond the tip.
TEST(BarraResultados, CeroDeCortanteFueraDeLaBarra) {
    const double L = 2, P = 3, w = 1.5;
    BarraResuelta v(0, 0, L, 0);
    v.carga("C1", 0, 0, -w, -w);
    v.resolver(columna(0, 0, 0, 0, -(P * L * L * L / (3 * EI) + w * L * L * L * L / (8 * EI)),
                       -(P * L * L / (2 * EI) + w * L * L * L / (6 * EI))));
    filaIgual(v.r.getSolicitacionCortante(0, 2), {P + w * L, P}, 1e-9);
    filaIgual(v.r.getSolicitacionMomento(0, 2), {-(P * L + w * L * L / 2), 0}, 1e-9);
    EXPECT_EQ(ceroDelCortante(v.r, 0).x, -1);
    EXPECT_EQ(ceroDelCortante(v.r, 0).valor, 0);
}

// Two load cases that add up to a uniform load leave a rounding-level slope
// (qi = -0.1 - 0.2, qf = -0.3 + 0): the shear is linear and its zero is at L/2.
TEST(BarraResultados, CortanteCasiLinealPorRedondeo) {
    const double L = 4;
    BarraResuelta s(0, 0, L, 0, 0, 0);
    s.b.setCargaLocal("a", 0, 0, -0.1, -0.3);
    s.b.setCargaLocal("b", 0, 0, -0.2, 0);
    s.combos.push_back({"C1", {{1, "a"}, {1, "b"}}});
    const cargaTrapecial t = s.b.getCargasCombo(s.combos[0]).trapecio;
    ASSERT_NE(t.qi, t.qf);  // the rounding is there
    s.resolver(columna(0, 0, 0, 0, 0, 0));
    EXPECT_NEAR(ceroDelCortante(s.r, 0).x, L / 2, 1e-9);
    EXPECT_NEAR(ceroDelCortante(s.r, 0).valor, 0.3 * L * L / 8, 1e-9);
}

// A second combination, three times the first: each has its own zero-shear
// point and moment there.
TEST(BarraResultados, CeroDeCortantePorCombinacion) {
    BarraResuelta s = simplementeApoyada();
    s.combos.push_back({"C2", {{3, "C1_caso"}}});
    const double th = 2 * 64 / (24 * EI);
    Eigen::MatrixXd d(6, 2);
    d << columna(0, 0, -th, 0, 0, th), 3 * columna(0, 0, -th, 0, 0, th);
    s.resolver(d);
    EXPECT_NEAR(ceroDelCortante(s.r, 0).x, 2, 1e-9);
    EXPECT_NEAR(ceroDelCortante(s.r, 1).valor, 12, 1e-9);
    filaIgual(s.r.getSolicitacionCortante(1, 3), {12, 0, -12}, 1e-9);
}

TEST(BarraResultados, CombinacionSinCargaNiDesplazamientoDaCeros) {
    BarraResuelta s(0, 0, 3, 0);
    s.carga("C1", 0, 0, -1, -1);
    s.combos.push_back({"C2", {{1, "nada"}}});
    Eigen::MatrixXd d = Eigen::MatrixXd::Zero(6, 2);
    s.resolver(d);
    EXPECT_TRUE(s.r.getConstantesIntegracion().col(1).isZero(0));
    EXPECT_FALSE(s.r.getConstantesIntegracion().col(0).isZero(0));
}

// Rigid translation of an inclined bar without load: only C4 = EI·u2, with u2
// the transverse component of the translation.
TEST(BarraResultados, TraslacionRigida) {
    BarraResuelta r(1, 1, 4, 5);  // axis (0.6, 0.8)
    r.carga("C1", 0, 0, 0, 0);
    const double dx = 0.02, dy = -0.01;
    r.resolver(columna(dx, dy, 0, dx, dy, 0));
    const Eigen::VectorXd c = r.r.getConstantesIntegracion().col(0);
    EXPECT_NEAR(c.head(5).norm(), 0, 1e-12);
    EXPECT_NEAR(c(5), EI * (-0.8 * dx + 0.6 * dy), 1e-12);
    const Eigen::MatrixXd p = r.r.getBarraDeformada(0, 5, 10);
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(p(0, k), 1 + 0.75 * k + 10 * dx, 1e-12);
        EXPECT_NEAR(p(1, k), 1 + 1.0 * k + 10 * dy, 1e-12);
    }
}

TEST(BarraResultados, TraccionPura) {
    const double L = 2, T = 7;
    BarraResuelta t(0, 0, L, 0);
    t.carga("C1", 0, 0, 0, 0);
    t.resolver(columna(0, 0, 0, T * L / (E * AREA), 0, 0));
    filaIgual(t.r.getSolicitacionAxial(0, 4), {T, T, T, T}, 1e-9);
}

// Both ends held axially, axial load 6 .. 0 over L = 3: N(0) = L(2pi + pf)/6
// = 6, and N(x) = 6 - ∫p, so N(1.5) = 6 - 6.75 = -0.75 and N(3) = -3 (the
// straight line would give 1.5 in the middle).
TEST(BarraResultados, AxialExactaConCargaAxialVariable) {
    BarraResuelta a(0, 0, 3, 0);
    a.carga("C1", 6, 0, 0, 0);
    a.resolver(columna(0, 0, 0, 0, 0, 0));
    filaIgual(a.r.getSolicitacionAxial(0, 3), {6, -0.75, -3}, 1e-9);
    BarraResuelta u(0, 0, 3, 0);  // uniform: straight line
    u.carga("C1", 2, 2, 0, 0);
    u.resolver(columna(0, 0, 0, 0, 0, 0));
    filaIgual(u.r.getSolicitacionAxial(0, 3), {3, 0, -3}, 1e-9);
}

TEST(BarraResultados, DeformadaDeSimplementeApoyada) {
    BarraResuelta s = simplementeApoyada();
    const double w = 2, L = 4, escala = 50;
    const Eigen::MatrixXd p = s.r.getBarraDeformada(0, 21, escala);
    ASSERT_EQ(p.cols(), 21);
    EXPECT_NEAR(p(0, 0), 0, 1e-12);
    EXPECT_NEAR(p(1, 0), 0, 1e-12);
    EXPECT_NEAR(p(0, 20), L, 1e-12);
    EXPECT_NEAR(p(1, 20), 0, 1e-12);
    EXPECT_NEAR(p(0, 10), L / 2, 1e-12);
    EXPECT_NEAR(p(1, 10), -escala * 5 * w * L * L * L * L / (384 * EI), 1e-9);
    const Eigen::MatrixXd dos = s.r.getBarraDeformada(0, 2, escala);
    EXPECT_NEAR(dos(0, 1), L, 1e-12);
    EXPECT_NEAR(dos(1, 1), 0, 1e-12);
}

TEST(BarraResultados, DeformadaConEscalaCero) {
    BarraResuelta s(1, 2, 4, 6);
    s.carga("C1", 0, 0, -1, -1);
    s.resolver(columna(0.1, 0.2, 0.3, -0.1, 0.4, 0.5));
    const Eigen::MatrixXd p = s.r.getBarraDeformada(0, 6, 0);
    for (int k = 0; k < 6; ++k) {
        EXPECT_NEAR(p(0, k), 1 + 3 * k / 5.0, 1e-12);
        EXPECT_NEAR(p(1, k), 2 + 4 * k / 5.0, 1e-12);
    }
}

// Vertical bar on a fixed base, top moved down by δ: the points stay on the
// vertical through the base, spacing L/(n - 1) less escala·δ/(n - 1).
TEST(BarraResultados, DeformadaDeColumnaAcortada) {
    const double L = 3, delta = 0.001, escala = 100;
    BarraResuelta c(2, 0, 2, L);
    c.carga("C1", 0, 0, 0, 0);
    c.resolver(columna(0, 0, 0, 0, -delta, 0));
    const Eigen::MatrixXd p = c.r.getBarraDeformada(0, 4, escala);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(p(0, k), 2, 1e-12);
        EXPECT_NEAR(p(1, k), k * (L - escala * delta) / 3, 1e-12);
    }
}

// E·I = 0: no elastic line; the deflection is the chord between the ends.
TEST(BarraResultados, DeformadaSinRigidezAFlexion) {
    BarraResuelta b(0, 0, 4, 0, 1, 1, 0);
    b.carga("C1", 0, 0, -2, -2);
    b.resolver(columna(0, 0.1, 0, 0, 0.3, 0));
    const Eigen::MatrixXd p = b.r.getBarraDeformada(0, 5, 10);
    ASSERT_TRUE(p.allFinite());
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(p(0, k), k, 1e-12);
        EXPECT_NEAR(p(1, k), 1 + 0.5 * k, 1e-12);
    }
}

// Coincident nodes: no stiffness, loads or constants; every result is finite.
TEST(BarraResultados, LongitudCeroResultadosFinitos) {
    BarraResuelta z(1, 1, 1, 1);
    z.carga("C1", 3, 3, -2, -2);
    z.resolver(columna(0.1, 0.2, 0.3, 0.4, 0.5, 0.6));
    EXPECT_TRUE(z.r.getConstantesIntegracion().isZero(0));
    for (const Eigen::MatrixXd& r :
         {z.r.getSolicitacionAxial(0, 21), z.r.getSolicitacionCortante(0, 21),
          z.r.getSolicitacionMomento(0, 21)}) {
        ASSERT_EQ(r.cols(), 21);
        EXPECT_TRUE(r.isZero(0));
    }
    EXPECT_EQ(ceroDelCortante(z.r, 0).x, -1);
    EXPECT_EQ(ceroDelCortante(z.r, 0).valor, 0);
    const Eigen::MatrixXd p = z.r.getBarraDeformada(0, 3, 10);
    ASSERT_TRUE(p.allFinite());
    EXPECT_NEAR(p(0, 0), 2, 1e-12);
    EXPECT_NEAR(p(1, 0), 3, 1e-12);
    EXPECT_NEAR(p(0, 2), 5, 1e-12);
    EXPECT_NEAR(p(1, 2), 6, 1e-12);
}

// Indexes beyond the combinations held, no solve yet, n < 2: zeros of the
// documented shape, never an out-of-range access.
TEST(BarraResultados, ConsultasFueraDeRango) {
    objBarra2d barraSinResolver;
    barraSinResolver.setNudoInicio(0, 0, 0);
    barraSinResolver.setNudoFinal(1, 4, 0);
    const resultadosBarra sinResolver(barraSinResolver,
                                      std::vector<comboCarga>{{"C1", {{1, "D"}}}});
    EXPECT_EQ(sinResolver.getConstantesIntegracion(), Eigen::MatrixXd::Zero(6, 1));
    EXPECT_EQ(sinResolver.getDesplazamientosLocales(), Eigen::MatrixXd::Zero(6, 1));
    EXPECT_EQ(sinResolver.getDesplazamientosGlobales(), Eigen::MatrixXd::Zero(6, 1));
    const Eigen::MatrixXd m = sinResolver.getSolicitacionMomento(0, 5);
    EXPECT_EQ(m.rows(), 2);
    EXPECT_TRUE(m.row(1).isZero(0));
    EXPECT_DOUBLE_EQ(m(0, 4), 4);
    EXPECT_TRUE(sinResolver.getSolicitacionAxial(0, 5).row(1).isZero(0));

    BarraResuelta s = simplementeApoyada();
    for (int combo : {-1, 1, 100}) {
        EXPECT_TRUE(s.r.getSolicitacionAxial(combo, 21).row(1).isZero(0));
        EXPECT_TRUE(s.r.getSolicitacionCortante(combo, 21).row(1).isZero(0));
        EXPECT_TRUE(s.r.getSolicitacionMomento(combo, 21).row(1).isZero(0));
        EXPECT_EQ(ceroDelCortante(s.r, combo).x, -1);
        EXPECT_EQ(ceroDelCortante(s.r, combo).valor, 0);
        const Eigen::MatrixXd p = s.r.getBarraDeformada(combo, 3, 10);
        EXPECT_NEAR(p(0, 1), 2, 1e-12);  // the undeformed bar
        EXPECT_NEAR(p(1, 1), 0, 1e-12);
    }
    for (int n : {1, 0, -5}) {
        EXPECT_EQ(s.r.getSolicitacionMomento(0, n).cols(), 2);
        EXPECT_EQ(s.r.getBarraDeformada(0, n, 1).cols(), 2);
    }
    filaIgual(s.r.getSolicitacionCortante(0, 1), {4, -4}, 1e-9);

    // Malformed or non-finite displacements do not break anything.
    s.r.setDesplazamientos(Eigen::MatrixXd::Ones(3, 1));
    EXPECT_EQ(s.r.getDesplazamientosGlobales().rows(), 6);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    s.r.setDesplazamientos(Eigen::MatrixXd::Constant(6, 1, nan));
    EXPECT_EQ(ceroDelCortante(s.r, 0).x, -1);
    EXPECT_EQ(s.r.getBarraDeformada(0, 21, 1).cols(), 21);
}

// Non-finite data anywhere in the chain give non-finite numbers, never a
// failed assertion or a crash.
TEST(BarraResultados, DatosNoFinitosNoRompenNada) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double casos[][6] = {{nan, 0, 4, 0, E, I},
                               {0, 0, inf, 0, E, I},
                               {0, 0, 4, 3, nan, I},
                               {0, 0, 4, 3, E, inf},
                               {0, 0, 4, 3, 0, 0}};
    for (const auto& c : casos) {
        objBarra2d b;
        b.setNudoInicio(0, c[0], c[1]);
        b.setNudoFinal(1, c[2], c[3]);
        b.setSeccionGenerica(AREA, c[5]);
        b.setModuloE(c[4]);
        b.setArticulacion(nan, 0.5);
        b.setCargaGlobal("D", nan, inf, 1, 1);
        b.setCargaLocal("D", 1, 2, 3, 4);
        b.setPesoPropio("D");
        b.getGdl();
        b.getKGlobal();
        resultadosBarra r(b, std::vector<comboCarga>{{"C1", {{1, "D"}}}});
        r.getCargasEquivalentesGlobales();
        r.setDesplazamientos(Eigen::MatrixXd::Constant(6, 1, 0.01));
        EXPECT_EQ(r.getSolicitacionAxial(0, 21).cols(), 21);
        EXPECT_EQ(r.getSolicitacionCortante(0, 21).cols(), 21);
        EXPECT_EQ(r.getSolicitacionMomento(0, 21).cols(), 21);
        ceroDelCortante(r, 0);
        EXPECT_EQ(r.getBarraDeformada(0, 21, inf).cols(), 21);
    }
}
