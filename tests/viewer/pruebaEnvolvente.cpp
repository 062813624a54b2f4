// The envelope of the N, V and M layers without a window, on two simply
// supported beams, L = 4, under C1 = +w and C2 = -2w (w = 1 along local +y;
// bar 1 points right, bar 2 left). A simply supported beam under a uniform
// load q along local +y (textbook closed form, with M'' = q):
//   M(x) = -q·x·(L - x)/2,  V(x) = q·(x - L/2),
// so C1: M(2) = -w·L²/8 = -2, V(0) = -2, V(4) = 2;
//    C2: M(2) = 2·w·L²/8 = 4, V(0) = 4, V(4) = -4.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "autoEscala.h"
#include "capasResultados.h"
#include "envolventeDiagramas.h"
#include "interruptores.h"
#include "modeloVisor.h"

namespace {

const double L = 4;

double momento(double q, double x) {
    return -q * x * (L - x) / 2;
}
double cortante(double q, double x) {
    return q * (x - L / 2);
}

const std::vector<std::string> nombres = {"C1", "C2"};

class envolventeVigas : public ::testing::Test {
  protected:
    void SetUp() override {
        std::ifstream f(std::string(KARVEL_DATOS) + "/visor/resultados-envolvente.txt");
        std::stringstream texto;
        texto << f.rdbuf();
        ASSERT_NE("", texto.str());
        cargarModeloVisor(texto.str());
        capturaConsola silencio;
        resolverModeloVisor();
    }
};

}  // namespace

TEST_F(envolventeVigas, curvasMaximaYMinimaEnCadaEstacion) {
    for (int b : {0, 1}) {
        const curvasEnvolvente m =
            curvasDeEnvolvente(solucionVisor.barras[b], esfuerzoBarra::momento, {0, 1});
        const curvasEnvolvente v =
            curvasDeEnvolvente(solucionVisor.barras[b], esfuerzoBarra::cortante, {0, 1});
        ASSERT_EQ(21, m.x.size());
        ASSERT_EQ(21, v.x.size());
        for (int k = 0; k < 21; ++k) {
            const double x = 0.2 * k;
            EXPECT_NEAR(x, m.x(k), 1e-12);
            const double m1 = momento(1, x), m2 = momento(-2, x);
            EXPECT_NEAR(std::max(m1, m2), m.maximo(k), 1e-9) << "barra " << b << ", x = " << x;
            EXPECT_NEAR(std::min(m1, m2), m.minimo(k), 1e-9) << "barra " << b << ", x = " << x;
            const double v1 = cortante(1, x), v2 = cortante(-2, x);
            EXPECT_NEAR(std::max(v1, v2), v.maximo(k), 1e-9) << "barra " << b << ", x = " << x;
            EXPECT_NEAR(std::min(v1, v2), v.minimo(k), 1e-9) << "barra " << b << ", x = " << x;
        }
    }
    // One combination: both curves are its diagram.
    const curvasEnvolvente solo =
        curvasDeEnvolvente(solucionVisor.barras[0], esfuerzoBarra::momento, {1});
    for (int k = 0; k < 21; ++k) {
        EXPECT_NEAR(momento(-2, 0.2 * k), solo.maximo(k), 1e-9);
        EXPECT_NEAR(momento(-2, 0.2 * k), solo.minimo(k), 1e-9);
    }
    // No combination with results: nothing to draw.
    EXPECT_EQ(0, curvasDeEnvolvente(solucionVisor.barras[0], esfuerzoBarra::momento, {}).x.size());
    EXPECT_EQ(
        0, curvasDeEnvolvente(solucionVisor.barras[0], esfuerzoBarra::momento, {2, -1}).x.size());
}

TEST_F(envolventeVigas, rotulosDelMayorMaximoYElMenorMinimoConSuCombinacion) {
    for (int b : {0, 1}) {
        // Moment: both extremes at mid-span, where the shear vanishes.
        const auto m =
            rotulosDeEnvolvente(solucionVisor.barras[b], esfuerzoBarra::momento, {0, 1}, nombres);
        ASSERT_EQ(2u, m.size());
        EXPECT_TRUE(m[0].maximo);
        EXPECT_EQ("4.000 (C2)", m[0].texto);
        EXPECT_EQ(1, m[0].combo);
        EXPECT_NEAR(2, m[0].x, 1e-9);
        EXPECT_NEAR(4, m[0].valor, 1e-9);
        EXPECT_EQ(lugarRotulo::interior, m[0].lugar);
        EXPECT_FALSE(m[1].maximo);
        EXPECT_EQ("-2.000 (C1)", m[1].texto);
        EXPECT_EQ(0, m[1].combo);
        EXPECT_NEAR(2, m[1].x, 1e-9);
        EXPECT_EQ(lugarRotulo::interior, m[1].lugar);

        // Shear: the largest maximum at the start, the smallest minimum at
        // the end, both from C2.
        const auto v =
            rotulosDeEnvolvente(solucionVisor.barras[b], esfuerzoBarra::cortante, {0, 1}, nombres);
        ASSERT_EQ(2u, v.size());
        EXPECT_EQ("4.000 (C2)", v[0].texto);
        EXPECT_EQ(lugarRotulo::inicio, v[0].lugar);
        EXPECT_EQ(0, v[0].x);
        EXPECT_EQ("-4.000 (C2)", v[1].texto);
        EXPECT_EQ(lugarRotulo::fin, v[1].lugar);
        EXPECT_NEAR(L, v[1].x, 1e-12);
    }
    // Only C1: its own extremes; the model's decimals.
    precision = 1;
    const auto c1 =
        rotulosDeEnvolvente(solucionVisor.barras[0], esfuerzoBarra::cortante, {0}, nombres);
    ASSERT_EQ(2u, c1.size());
    EXPECT_EQ("2.0 (C1)", c1[0].texto);
    EXPECT_EQ(lugarRotulo::fin, c1[0].lugar);
    EXPECT_EQ("-2.0 (C1)", c1[1].texto);
    EXPECT_EQ(lugarRotulo::inicio, c1[1].lugar);
    // A combination the bar holds no results for is left out.
    EXPECT_TRUE(
        rotulosDeEnvolvente(solucionVisor.barras[0], esfuerzoBarra::momento, {5}, nombres).empty());
}

TEST_F(envolventeVigas, combosActivosYAutoEscalaIgualConYSinEnvolvente) {
    EXPECT_TRUE(combosActivosConResultados().empty()) << "ninguno activo al inicio";
    flags[interruptor::primerCombo + 1] = 1;
    EXPECT_EQ(std::vector<int>{1}, combosActivosConResultados());
    flags[interruptor::primerCombo] = 3;  // a counter, on while odd
    EXPECT_EQ((std::vector<int>{0, 1}), combosActivosConResultados());

    // autoEscala: the largest |M| over both is 2·w·L²/8 = 4 either way;
    // 8 % of zCam = 10 over 4 is 0.2.
    zCam = 10;
    flags[interruptor::capaMomento] = 1;
    const std::string sinEnvolvente = ajustarEscalaAutomatica();
    flags[interruptor::envolvente] = 1;
    EXPECT_NEAR(4, ordenadaMayor(interruptor::capaMomento), 1e-9);
    EXPECT_EQ(sinEnvolvente, ajustarEscalaAutomatica());
    EXPECT_EQ("Escala ajustada: escalaM = 0.2. Ingrese Comando:", sinEnvolvente);

    // An unsolved model has no results to take the envelope of.
    cargarModeloVisor("nudos:\n1 0 0\n2 1 0\nbarras:\n1 1 2\npesoPropio: P\ncombo: C 1 P\n");
    flags[interruptor::primerCombo] = 1;
    EXPECT_TRUE(combosActivosConResultados().empty());
}
