// The tables of "resultados-tablas" on beams whose results are known in
// closed form (textbook beam formulas, worked again by hand below), the
// envelope over two combinations, and the number and text formats.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "../fuzz/directorioTrabajo.h"
#include "../solver/modeloPrueba.h"
#include "archivoTemporal.h"
#include "escritorCsv.h"
#include "estacionesBarra.h"
#include "funcionSolucionU.h"
#include "lecturaCsv.h"
#include "tablasResultados.h"

namespace {

const double E = 1000, A = 1, I = 0.01, EI = E * I, L = 4;

// Solves model m into s and writes its tables in the current directory; the
// console is kept out of the test log.
bool resolverYEscribir(const modelo& m, solucion& s) {
    capturaConsola consola;
    s = funcionSolucionU(m);
    return funcionEscribirTablas(m, s, "");
}

tablaCsv tabla(const char* archivo) {
    return leerCsv(std::string(carpetaTablas) + "/" + archivo);
}

// Relative tolerance: the frame is solved exactly up to rounding.
void cerca(double calculado, double esperado, double escala) {
    EXPECT_NEAR(calculado, esperado, 1e-9 * escala);
}

// Horizontal beam of length L from node 1 (x = 0) to node 2 (x = L).
modelo viga(int ax1, int ay1, int ag1, int ax2, int ay2, int ag2) {
    modelo m;
    agregarNudo(m, 0, 0, ax1, ay1, ag1);
    agregarNudo(m, L, 0, ax2, ay2, ag2);
    agregarBarra(m, 0, 1, E, A, I);
    return m;
}

}  // namespace

// Cantilever clamped at x = 0, load P downwards at the tip: reaction
// (0, P, P·L), M(0) = -P·L (hogging), tip deflection -P·L³/(3EI) and, along
// the bar, v(x) = -P·x²·(3L - x)/(6EI) (textbook cantilever formulas).
TEST(Tablas, MensulaConCargaEnLaPunta) {
    directorioTrabajo d;
    ASSERT_TRUE(d.listo());
    const double P = 3;
    modelo modeloViga = viga(1, 1, 1, 0, 0, 0);
    modeloViga.nudo[1].setCargaPuntual("P", 0, -P, 0);
    agregarCombo(modeloViga, "C1", {{1, "P"}});
    solucion sol;
    ASSERT_TRUE(resolverYEscribir(modeloViga, sol));

    const tablaCsv r = tabla("reacciones.csv");
    ASSERT_EQ(r.filas.size(), 1u);
    EXPECT_EQ(r.texto(0, "nudo"), "1");
    EXPECT_EQ(r.texto(0, "combo"), "C1");
    EXPECT_EQ(r.texto(0, "Rx"), "0");
    cerca(r.numero(0, "Ry"), P, P);
    cerca(r.numero(0, "Mz"), P * L, P * L);

    const tablaCsv m = tabla("maximos.csv");
    ASSERT_EQ(m.filas.size(), 1u);
    cerca(m.numero(0, "Mmin"), -P * L, P * L);
    EXPECT_EQ(m.numero(0, "x_Mmin"), 0);
    cerca(m.numero(0, "Mmax"), 0, P * L);
    EXPECT_EQ(m.numero(0, "x_Mmax"), L);
    // Constant shear V = P; no axial force.
    cerca(m.numero(0, "Vmax"), P, P);
    cerca(m.numero(0, "Vmin"), P, P);
    cerca(m.numero(0, "Nmax"), 0, P);

    const double flechaPunta = -P * L * L * L / (3 * EI);
    const tablaCsv u = tabla("desplazamientos.csv");
    const int punta = u.fila({"2", "C1"});
    ASSERT_GE(punta, 0);
    cerca(u.numero(punta, "uy"), flechaPunta, std::abs(flechaPunta));
    // Tip rotation -P·L²/(2EI).
    cerca(u.numero(punta, "giro"), -P * L * L / (2 * EI), P * L * L / (2 * EI));

    const tablaCsv e = tabla("estaciones.csv");
    ASSERT_EQ(e.filas.size(), static_cast<std::size_t>(estacionesPorBarra));
    for (std::size_t k = 0; k < e.filas.size(); ++k) {
        const double x = e.numero(k, "x");
        cerca(x, L * k / (estacionesPorBarra - 1), L);
        cerca(e.numero(k, "v"), -P * x * x * (3 * L - x) / (6 * EI), std::abs(flechaPunta));
        cerca(e.numero(k, "M"), -P * (L - x), P * L);
    }
    EXPECT_EQ(e.numero(e.filas.size() - 1, "x"), L);

    const tablaCsv x = tabla("extremos.csv");
    ASSERT_EQ(x.filas.size(), 1u);
    cerca(x.numero(0, "M_inicio"), -P * L, P * L);
    cerca(x.numero(0, "V_fin"), P, P);
}

// Simply supported, uniform load w downwards: reactions wL/2, Mmax = wL²/8
// at L/2; the shear wL/2 at the ends is its largest value.
TEST(Tablas, VigaSimplementeApoyadaConCargaUniforme) {
    directorioTrabajo d;
    ASSERT_TRUE(d.listo());
    const double w = 2.5;
    modelo modeloViga = viga(1, 1, 0, 0, 1, 0);
    modeloViga.barra[0].setCargaLocal("Q", 0, 0, -w, -w);
    agregarCombo(modeloViga, "Q", {{1, "Q"}});
    solucion sol;
    ASSERT_TRUE(resolverYEscribir(modeloViga, sol));

    const tablaCsv r = tabla("reacciones.csv");
    ASSERT_EQ(r.filas.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) cerca(r.numero(k, "Ry"), w * L / 2, w * L);
    EXPECT_EQ(r.texto(1, "Rx"), "0");  // roller: free along X

    const tablaCsv m = tabla("maximos.csv");
    cerca(m.numero(0, "Mmax"), w * L * L / 8, w * L * L);
    cerca(m.numero(0, "x_Mmax"), L / 2, L);
    cerca(m.numero(0, "Vmax"), w * L / 2, w * L);
    EXPECT_EQ(m.numero(0, "x_Vmax"), 0);
    cerca(m.numero(0, "Vmin"), -w * L / 2, w * L);
    EXPECT_EQ(m.numero(0, "x_Vmin"), L);
    // Mid-span deflection 5wL⁴/(384EI) downwards.
    const tablaCsv e = tabla("estaciones.csv");
    cerca(e.numero(10, "v"), -5 * w * std::pow(L, 4) / (384 * EI), w * std::pow(L, 4) / EI);
}

// Simply supported, load growing linearly from 0 at x = 0 to w at x = L:
// R = wL/6 and wL/3; V = wL/6 - w·x²/(2L) vanishes at L/√3, where
// M = wL²/(9√3) (statics of the triangular load).
TEST(Tablas, VigaSimplementeApoyadaConCargaTriangular) {
    directorioTrabajo d;
    ASSERT_TRUE(d.listo());
    const double w = 6;
    modelo modeloViga = viga(1, 1, 0, 0, 1, 0);
    modeloViga.barra[0].setCargaLocal("T", 0, 0, 0, -w);
    agregarCombo(modeloViga, "T", {{1, "T"}});
    solucion sol;
    ASSERT_TRUE(resolverYEscribir(modeloViga, sol));

    const tablaCsv m = tabla("maximos.csv");
    cerca(m.numero(0, "Mmax"), w * L * L / (9 * std::sqrt(3.0)), w * L * L);
    cerca(m.numero(0, "x_Mmax"), L / std::sqrt(3.0), L);
    // No station falls at L/√3: the exact maximum exceeds every sample.
    const tablaCsv e = tabla("estaciones.csv");
    for (std::size_t k = 0; k < e.filas.size(); ++k)
        EXPECT_LT(e.numero(k, "M"), m.numero(0, "Mmax"));

    const tablaCsv r = tabla("reacciones.csv");
    cerca(r.numero(0, "Ry"), w * L / 6, w * L);
    cerca(r.numero(1, "Ry"), w * L / 3, w * L);
}

// Propped cantilever (clamped at x = 0, roller at x = L), uniform w:
// M(0) = -wL²/8, Mmax = 9wL²/128 at 5L/8 from the clamp; reactions 5wL/8 and
// 3wL/8 (textbook propped cantilever).
TEST(Tablas, VigaEmpotradaYApoyada) {
    directorioTrabajo d;
    ASSERT_TRUE(d.listo());
    const double w = 4;
    modelo modeloViga = viga(1, 1, 1, 0, 1, 0);
    modeloViga.barra[0].setCargaLocal("Q", 0, 0, -w, -w);
    agregarCombo(modeloViga, "Q", {{1, "Q"}});
    solucion sol;
    ASSERT_TRUE(resolverYEscribir(modeloViga, sol));

    const tablaCsv m = tabla("maximos.csv");
    cerca(m.numero(0, "Mmin"), -w * L * L / 8, w * L * L);
    EXPECT_EQ(m.numero(0, "x_Mmin"), 0);
    cerca(m.numero(0, "Mmax"), 9 * w * L * L / 128, w * L * L);
    cerca(m.numero(0, "x_Mmax"), 5 * L / 8, L);

    const tablaCsv r = tabla("reacciones.csv");
    cerca(r.numero(0, "Ry"), 5 * w * L / 8, w * L);
    cerca(r.numero(0, "Mz"), w * L * L / 8, w * L * L);
    cerca(r.numero(1, "Ry"), 3 * w * L / 8, w * L);
}

// Bar clamped at both ends under an axial load q(x) = p·(1 - 2x/L), from p
// at the start to -p at the end. Equilibrium dN/dx = -q gives
// N(x) = N(0) - p·(x - x²/L); no elongation, ∫N dx = 0, gives N(0) = pL/6. So
// N = pL/6 at both ends and N(L/2) = -pL/12 at the vertex, where q = 0:
// an interior extreme that no end value shows.
TEST(Tablas, AxialConCargaVariable) {
    directorioTrabajo d;
    ASSERT_TRUE(d.listo());
    const double p = 3;
    modelo modeloViga = viga(1, 1, 1, 1, 1, 1);
    modeloViga.barra[0].setCargaLocal("A", p, -p, 0, 0);
    agregarCombo(modeloViga, "A", {{1, "A"}});
    solucion sol;
    ASSERT_TRUE(resolverYEscribir(modeloViga, sol));
    const tablaCsv m = tabla("maximos.csv");
    cerca(m.numero(0, "Nmax"), p * L / 6, p * L);
    cerca(m.numero(0, "Nmin"), -p * L / 12, p * L);
    cerca(m.numero(0, "x_Nmin"), L / 2, L);
}

// Two combinations on one simply supported beam: G, uniform w downwards,
// M = w·x·(L - x)/2 and V = w·(L/2 - x); S, uniform w/2 upwards, M and V
// of the opposite sign and half the size. Every envelope row holds the
// larger and the smaller of the two at its station, named by its
// combination; where both are equal (the ends for M, mid-span for V) any
// name is right.
TEST(Tablas, EnvolventeDeDosCombinaciones) {
    directorioTrabajo d;
    ASSERT_TRUE(d.listo());
    const double w = 2;
    modelo modeloViga = viga(1, 1, 0, 0, 1, 0);
    modeloViga.barra[0].setCargaLocal("G", 0, 0, -w, -w);
    modeloViga.barra[0].setCargaLocal("S", 0, 0, w / 2, w / 2);
    agregarCombo(modeloViga, "G", {{1, "G"}});
    agregarCombo(modeloViga, "S", {{1, "S"}});
    solucion sol;
    ASSERT_TRUE(resolverYEscribir(modeloViga, sol));

    const tablaCsv e = tabla("envolventes.csv");
    // The only interior extreme of either combination, M where V = 0, is at
    // mid-span, station 10: no row beyond the stations.
    ASSERT_EQ(e.filas.size(), static_cast<std::size_t>(estacionesPorBarra));
    const double escalaM = w * L * L, escalaV = w * L;
    for (std::size_t k = 0; k < e.filas.size(); ++k) {
        const double x = e.numero(k, "x");
        const double mG = w * x * (L - x) / 2, mS = -mG / 2;
        const double vG = w * (L / 2 - x), vS = -vG / 2;
        cerca(e.numero(k, "Mmax"), std::max(mG, mS), escalaM);
        cerca(e.numero(k, "Mmin"), std::min(mG, mS), escalaM);
        cerca(e.numero(k, "Vmax"), std::max(vG, vS), escalaV);
        cerca(e.numero(k, "Vmin"), std::min(vG, vS), escalaV);
        cerca(e.numero(k, "Nmax"), 0, escalaV);
        if (std::abs(mG - mS) > 1e-6 * escalaM) {
            EXPECT_EQ(e.texto(k, "combo_Mmax"), "G") << "x = " << x;
            EXPECT_EQ(e.texto(k, "combo_Mmin"), "S") << "x = " << x;
        }
        if (std::abs(vG - vS) > 1e-6 * escalaV) {
            EXPECT_EQ(e.texto(k, "combo_Vmax"), x < L / 2 ? "G" : "S") << "x = " << x;
            EXPECT_EQ(e.texto(k, "combo_Vmin"), x < L / 2 ? "S" : "G") << "x = " << x;
        }
    }

    // The same envelope through the model's interface, as the viewer asks
    // for it: only S active gives S everywhere; no active combination gives
    // no combination.
    const envolventeBarra soloS = envolventeDeBarra(sol.barras[0], {1});
    EXPECT_EQ(soloS.M.comboMaximo.minCoeff(), 1);
    EXPECT_EQ(soloS.M.comboMaximo.maxCoeff(), 1);
    cerca(soloS.M.minimo(10), -w * L * L / 16, escalaM);
    const envolventeBarra ninguna = envolventeDeBarra(sol.barras[0], {});
    EXPECT_EQ(ninguna.V.comboMinimo.maxCoeff(), -1);
    EXPECT_EQ(ninguna.x.size(), estacionesPorBarra);
}

// Shortest round-trip text: every double reads back as itself; -0 is 0.
TEST(FormatoCsv, NumerosDeIdaYVuelta) {
    EXPECT_EQ(numeroCsv(0.1), "0.1");
    EXPECT_EQ(numeroCsv(-224.64), "-224.64");
    EXPECT_EQ(numeroCsv(1e-5), "1e-05");
    EXPECT_EQ(numeroCsv(-0.0), "0");
    EXPECT_EQ(numeroCsv(std::numeric_limits<double>::infinity()), "inf");
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> mantisa(-1, 1);
    std::uniform_int_distribution<int> exponente(-300, 300);
    for (int k = 0; k < 2000; ++k) {
        const double v = std::ldexp(mantisa(gen), exponente(gen));
        EXPECT_EQ(std::strtod(numeroCsv(v).c_str(), nullptr), v) << numeroCsv(v);
    }
}

// Fields are quoted only when they need it, with their quotes doubled.
TEST(FormatoCsv, CamposDeTexto) {
    EXPECT_EQ(campoCsv("C1"), "C1");
    EXPECT_EQ(campoCsv("Viento+X"), "Viento+X");
    EXPECT_EQ(campoCsv("G,1"), "\"G,1\"");
    EXPECT_EQ(campoCsv("Q\"2"), "\"Q\"\"2\"");
    EXPECT_EQ(campoCsv("ñandú"), "ñandú");
}
