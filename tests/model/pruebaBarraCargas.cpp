// Equivalent nodal loads: closed-form fixed-end values of uniform, triangular
// and trapezoidal loads (tables of fixed-end actions for clamped and propped
// beams), partial fixity through the spring model, rotation to global axes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "barraConResortes.h"
#include "objBarra2d.h"
#include "resultadosBarra.h"

namespace {
using Vector6d = Eigen::Matrix<double, 6, 1>;
const double E = 3e7, I = 2e-3;

objBarra2d barra(double x2, double y2, double ai, double af) {
    objBarra2d b;
    b.resetFlags();
    b.setNudoInicio(0, 0, 0);
    b.setNudoFinal(1, x2, y2);
    b.setSeccionGenerica(0.1, I);
    b.setModuloE(E);
    b.setArticulacion(ai, af);
    return b;
}

comboCarga combo(const std::string& nombre, std::vector<terminoCombo> terminos) {
    return {nombre, std::move(terminos)};
}

// Equivalent loads of one combination row on a bar along +X of length L.
Vector6d equivalentes(double L, double ai, double af, double pi, double pf, double qi, double qf) {
    objBarra2d b = barra(L, 0, ai, af);
    b.setCargaLocal("D", pi, pf, qi, qf);
    return resultadosBarra(b, {combo("C", {{1, "D"}})}).getCargasEquivalentesLocales().col(0);
}

Vector6d v6(double a, double b, double c, double d, double e, double f) {
    Vector6d v;
    v << a, b, c, d, e, f;
    return v;
}

void comparar(const Vector6d& obtenido, const Vector6d& esperado, const char* caso) {
    EXPECT_LT((obtenido - esperado).norm(), 1e-12 * (1 + esperado.norm()))
        << caso << "\nobtenido: " << obtenido.transpose() << "\nesperado: " << esperado.transpose();
}

// Transverse fixed-end actions (V1, M1, V2, M2), in the sense of the load, of
// a uniform load q and of a triangle rising from 0 at the start to q at the
// end, for each end condition.
struct Caso {
    double ai, af;
    Eigen::Vector4d uniforme, triangulo;  // per unit q, with L factored in below
};
}  // namespace

TEST(BarraCargas, TransversalEnCadaCasoDeArticulacion) {
    const double L = 6, q = 2.5;
    // (V1/(qL), M1/(qL²), V2/(qL), M2/(qL²)).
    const Caso casos[] = {
        {1, 1, {1. / 2, 1. / 12, 1. / 2, -1. / 12}, {3. / 20, 1. / 30, 7. / 20, -1. / 20}},
        {0, 1, {3. / 8, 0, 5. / 8, -1. / 8}, {1. / 10, 0, 2. / 5, -1. / 15}},
        {1, 0, {5. / 8, 1. / 8, 3. / 8, 0}, {9. / 40, 7. / 120, 11. / 40, 0}},
        {0, 0, {1. / 2, 0, 1. / 2, 0}, {1. / 6, 0, 1. / 3, 0}},
    };
    for (const Caso& c : casos) {
        const Eigen::Vector4d f(q * L, q * L * L, q * L, q * L * L);
        const Eigen::Vector4d u = c.uniforme.cwiseProduct(f);
        const Eigen::Vector4d t = c.triangulo.cwiseProduct(f);
        comparar(equivalentes(L, c.ai, c.af, 0, 0, q, q), v6(0, u(0), u(1), 0, u(2), u(3)),
                 "uniforme");
        comparar(equivalentes(L, c.ai, c.af, 0, 0, 0, q), v6(0, t(0), t(1), 0, t(2), t(3)),
                 "triangular creciente");
        // Falling triangle: the mirror image (ends swapped, moments change sign).
        comparar(equivalentes(L, c.af, c.ai, 0, 0, q, 0), v6(0, t(2), -t(3), 0, t(0), -t(1)),
                 "triangular decreciente");
        // Trapezoid 1.5q .. -0.5q = uniform 1.5q plus a triangle 0 .. -2q.
        const Eigen::Vector4d z = 1.5 * u - 2 * t;
        comparar(equivalentes(L, c.ai, c.af, 0, 0, 1.5 * q, -0.5 * q),
                 v6(0, z(0), z(1), 0, z(2), z(3)), "trapecial");
    }
}

// Partially fixed ends: the loads of the rigid-ended bar condensed through
// springs a/(1 - a)·E·I/L.
TEST(BarraCargas, FijacionParcialIgualAResorteRotacional) {
    const double L = 5, qi = -3, qf = 7;
    // Clamped trapezoid = uniform qi + triangle 0 .. (qf - qi).
    const double d = qf - qi;
    const Eigen::Vector4d empotrada(qi * L / 2 + 3 * d * L / 20, qi * L * L / 12 + d * L * L / 30,
                                    qi * L / 2 + 7 * d * L / 20, -qi * L * L / 12 - d * L * L / 20);
    const double fijaciones[][2] = {{0.5, 0.5}, {0.2, 0.9}, {0.75, 0}, {0, 0.35}, {0.6, 0.05}};
    for (const auto& f : fijaciones) {
        const Eigen::Vector4d esperado = cargasCondensadas(L, E * I, f[0], f[1], empotrada);
        const Vector6d obtenido = equivalentes(L, f[0], f[1], 0, 0, qi, qf);
        comparar(obtenido, v6(0, esperado(0), esperado(1), 0, esperado(2), esperado(3)),
                 "fijación parcial");
    }
}

TEST(BarraCargas, Axial) {
    const double L = 3, p = 4;
    comparar(equivalentes(L, 1, 1, p, p, 0, 0), v6(p * L / 2, 0, 0, p * L / 2, 0, 0), "uniforme");
    comparar(equivalentes(L, 0, 1, p, 0, 0, 0), v6(p * L / 3, 0, 0, p * L / 6, 0, 0), "p a 0");
    comparar(equivalentes(L, 1, 0, 0, p, 0, 0), v6(p * L / 6, 0, 0, p * L / 3, 0, 0), "0 a p");
    // 1 .. 4 = uniform 1 + rising triangle 3.
    comparar(equivalentes(L, 0, 0, 1, 4, 0, 0),
             v6(L / 2 + 3 * L / 6, 0, 0, L / 2 + 3 * L / 3, 0, 0), "trapecial");
    // 5 .. -1 = uniform -1 + falling triangle 6: the load changes sign.
    comparar(equivalentes(L, 1, 1, 5, -1, 0, 0),
             v6(-L / 2 + 6 * L / 3, 0, 0, -L / 2 + 6 * L / 6, 0, 0), "cambio de signo");
}

TEST(BarraCargas, PesoPropioEnVigaHorizontal) {
    const double L = 4, w = 3.6;
    objBarra2d b = barra(L, 0, 1, 1);
    b.setSeccionRectangular(0.3, 0.5);
    b.setPesoEspecifico(24);
    b.setPesoPropio("PP");
    const resultadosBarra r(b, {combo("C1", {{1, "PP"}})});
    comparar(r.getCargasEquivalentesLocales().col(0),
             v6(0, -w * L / 2, -w * L * L / 12, 0, -w * L / 2, w * L * L / 12), "peso propio");
}

TEST(BarraCargas, GlobalesEnBarraVerticalEInclinada) {
    const double L = 3, q = 2;
    objBarra2d columna = barra(0, L, 1, 1);
    columna.setCargaLocal("D", 0, 0, q, q);
    const Vector6d g =
        resultadosBarra(columna, {combo("C", {{1, "D"}})}).getCargasEquivalentesGlobales().col(0);
    comparar(g, v6(-q * L / 2, 0, q * L * L / 12, -q * L / 2, 0, -q * L * L / 12), "vertical");

    // Bar (0,0)-(3,4), vertical load -w over its length: the global forces add
    // up to (0, -5w) and the moments to the clamped ±wL²/12 pattern of the
    // transverse component (-0.6w).
    const double w = 10;
    objBarra2d inclinada = barra(3, 4, 1, 1);
    inclinada.setCargaGlobal("D", w, w, 0, -1);
    const Vector6d h =
        resultadosBarra(inclinada, {combo("C", {{1, "D"}})}).getCargasEquivalentesGlobales().col(0);
    EXPECT_NEAR(h(0) + h(3), 0, 1e-12);
    EXPECT_NEAR(h(1) + h(4), -5 * w, 1e-12);
    EXPECT_NEAR(h(2), -0.6 * w * 25 / 12, 1e-12);
    EXPECT_NEAR(h(5), 0.6 * w * 25 / 12, 1e-12);
}

TEST(BarraCargas, VariasCombinacionesYCasosVacios) {
    const resultadosBarra b(barra(2, 0, 1, 1), std::vector<comboCarga>{});
    EXPECT_EQ(b.getCargasEquivalentesLocales().rows(), 6);
    EXPECT_EQ(b.getCargasEquivalentesGlobales().cols(), 0);  // no combinations: 6 x 0

    objBarra2d c = barra(2, 0, 1, 1);
    c.setCargaLocal("D", 0, 0, -1, -1);
    const std::vector<comboCarga> combos = {
        combo("C1", {{1, "D"}}), combo("C2", {{1, "L"}}),  // nothing of case L on this bar
        combo("C3", {{3, "D"}})};
    const Eigen::MatrixXd f = resultadosBarra(c, combos).getCargasEquivalentesGlobales();
    ASSERT_EQ(f.cols(), 3);
    comparar(f.col(0), v6(0, -1, -1. / 3, 0, -1, 1. / 3), "C1");
    EXPECT_TRUE(f.col(1).isZero(0));
    comparar(f.col(2), 3 * f.col(0), "C3");
}

TEST(BarraCargas, LongitudCeroNoCarga) {
    objBarra2d b = barra(0, 0, 1, 1);
    b.setCargaLocal("D", 5, 5, 5, 5);
    const Eigen::MatrixXd f =
        resultadosBarra(b, {combo("C1", {{1, "D"}})}).getCargasEquivalentesGlobales();
    ASSERT_EQ(f.cols(), 1);
    EXPECT_TRUE(f.allFinite());
    EXPECT_TRUE(f.isZero(0));
}
