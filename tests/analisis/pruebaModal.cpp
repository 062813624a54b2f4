// Natural frequencies against Euler-Bernoulli beams and a shear frame by
// hand, effective masses, the sparse Lanczos against the dense oracle, and
// the messages.
#include <gtest/gtest.h>

#include <iostream>

#include "modal.h"
#include "modelosAnalisis.h"

namespace {

// A slender beam (A = 0.01, I = 1e-6, E = 2e8, γ = 78.5, g = 9.81: m =
// A·γ/g per unit length), L = 5, one bar in the file: its axial modes lie
// far above the first three flexural ones.
constexpr double Aviga = 0.01, Iviga = 1e-6, Eviga = 2e8, gammaViga = 78.5, gViga = 9.81;
constexpr double Lviga = 5;

resultadoModal modosViga(const std::string& inicio, const std::string& fin, int n,
                         const std::string& extra = "") {
    const modelo m = leer(miembro(1, Lviga, false, inicio, fin, Aviga, Iviga, Eviga, gammaViga,
                                  "puntual: P 0 -1 0 2\ncombo: C1 1 P\ngravedad: 9.81\n" + extra));
    capturaConsola c;
    return funcionModal(m, n);
}

double escalaViga() {
    return std::sqrt(Eviga * Iviga / (Aviga * gammaViga / gViga)) / (Lviga * Lviga);
}

}  // namespace

// Cantilever, ω = (βL)²·√(EI/m)/L² with βL = 1.8751, 4.6941, 7.8548
// (Blevins, Formulas for Natural Frequency and Mode Shape, table 8-1):
// the first within 0.01 % at the default subdivision (measured 0.0033 %);
// the second and third within twice the error of the default subdivision,
// measured as 0.117 % and 0.774 % (printed); its first effective mass fraction along the
// beam's transverse direction tends to 0.613 (Chopra, Dynamics of
// Structures, §17.5 / Clough & Penzien: 0.6131 for a uniform cantilever).
TEST(Modal, MensulaEulerBernoulli) {
    const double bL[3] = {1.875104068711961, 4.694091132974175, 7.854757438237613};
    const resultadoModal r = modosViga("1 1 1", "0 0 0", 3);
    ASSERT_EQ(r.omega.size(), 3);
    double error[3];
    for (int n = 0; n < 3; ++n) error[n] = errorRelativo(r.omega(n), bL[n] * bL[n] * escalaViga());
    std::cout << "Errores de la ménsula con 4 subdivisiones: " << error[0] << ", " << error[1]
              << ", " << error[2] << std::endl;
    EXPECT_LT(error[0], 1e-4);
    EXPECT_LT(error[1], 2 * 1.17e-3);
    EXPECT_LT(error[2], 2 * 7.74e-3);
    EXPECT_NEAR(r.masaY(0), 0.613, 0.02);
    EXPECT_NEAR(r.masaX(0), 0, 1e-12);
    const resultadoModal fina = modosViga("1 1 1", "0 0 0", 1, "subdivisiones: 40");
    EXPECT_NEAR(fina.masaY(0), 0.6131, 1e-3);
    // Mode scaled with its largest translation +1: the free end.
    EXPECT_NEAR(r.modos(4, 0), 1.0, 1e-12);
}

// Simply supported beam, ω = (nπ/L)²·√(EI/m) (Blevins, table 8-1). The
// cubic elements with consistent mass err by about (βh)⁴/1440 in ω, h the
// sub-element: with 4 (βh = π/4) the first mode is 0.026 % high, so 0.01 %
// takes 6 sub-elements; modes 2 and 3 within twice the errors of the
// default subdivision, measured as 0.395 % and 1.83 % (printed).
TEST(Modal, VigaSimplementeApoyada) {
    const resultadoModal seis = modosViga("1 1 0", "0 1 0", 1, "subdivisiones: 6");
    EXPECT_LT(errorRelativo(seis.omega(0), pi * pi * escalaViga()), 1e-4);
    const resultadoModal r = modosViga("1 1 0", "0 1 0", 3);
    ASSERT_EQ(r.omega.size(), 3);
    double error[3];
    for (int n = 1; n <= 3; ++n)
        error[n - 1] = errorRelativo(r.omega(n - 1), n * n * pi * pi * escalaViga());
    std::cout << "Errores de la viga simple con 4 subdivisiones: " << error[0] << ", " << error[1]
              << ", " << error[2] << std::endl;
    EXPECT_LT(error[0], 3e-4);
    EXPECT_LT(error[1], 2 * 3.95e-3);
    EXPECT_LT(error[2], 2 * 1.83e-2);
    // No mode of a symmetric beam mass along X; mode 1 is no rotation mode.
    for (int n = 0; n < 3; ++n) EXPECT_LT(r.masaX(n), 1e-20);
}

// Two-storey shear frame: rigid beams (I a million times the columns'),
// columns axially rigid, fixed bases, floor masses m1 = 2, m2 = 1 on the
// floor nodes, storey stiffness k = 2·12·EI/h³. Hand solution of
// det(K - ω²M) = 0 with K = [2k, -k; -k, k], M = diag(2, 1) (Chopra,
// Dynamics of Structures, example 10.4): ω² = k·(1 ∓ 1/√2)... written
// out: 2ω⁴ - 4kω² + k² = 0, ω² = k·(1 ∓ √2/2). Effective masses along X
// sum to 1 over both modes (all the mass is on free nodes).
TEST(Modal, PorticoDeCorteDeDosPisos) {
    const double EI = 2e8 * 1e-4, h = 3, k = 24 * EI / (h * h * h);
    const std::string texto =
        "nudos:\n1 0 0\n2 0 3\n3 0 6\n4 5 0\n5 5 3\n6 5 6\n"
        "barras:\n1 1 2\n2 2 3\n3 4 5\n4 5 6\n5 2 5\n6 3 6\n"
        "apoyo: 1 1 1 1 4\n"
        "seccionGenerica: C 1e3 1e-4 2e8 0 1 2 3 4\n"
        "seccionGenerica: V 1e3 1e2 2e8 0 5 6\n"
        "masa: 1 2 5\nmasa: 0.5 3 6\npuntual: P 1 0 0 3\ncombo: C1 1 P\n";
    capturaConsola c;
    const resultadoModal r = funcionModal(leer(texto), 12);
    ASSERT_GE(r.omega.size(), 2);
    EXPECT_LT(errorRelativo(r.omega(0), std::sqrt(k * (1 - std::sqrt(0.5)))), 1e-4);
    EXPECT_LT(errorRelativo(r.omega(1), std::sqrt(k * (1 + std::sqrt(0.5)))), 1e-4);
    EXPECT_NEAR(r.masaTotal, 3, 1e-12);
    EXPECT_NEAR(r.masaX.sum(), 1, 1e-9);
    EXPECT_NEAR(r.masaY.sum(), 1, 1e-9);
    // First mode: both floors the same way, the top one +1.
    EXPECT_NEAR(r.modos(3 * 2, 0), 1, 1e-12);
    EXPECT_GT(r.modos(3 * 1, 0), 0);
}

// A model without mass says which tags give it; a mechanism is not
// analysed; neither breaks anything.
TEST(Modal, SinMasaYMecanismo) {
    capturaConsola c;
    const resultadoModal sinMasa =
        funcionModal(leer(miembro(1, 5, false, "1 1 1", "0 0 0", 0.01, 1e-4, 2e8, 78.5,
                                  "puntual: P 0 -1 0 2\ncombo: C1 1 P")),
                     6);
    EXPECT_FALSE(sinMasa.conMasa);
    EXPECT_EQ(sinMasa.omega.size(), 0);
    EXPECT_NE(c.texto().find("Advertencia: el modelo no tiene masa (etiquetas masa: y "
                             "gravedad:); no se calculan modos de vibración\n"),
              std::string::npos);
    const resultadoModal mecanismo =
        funcionModal(leer(miembro(1, 5, false, "0 1 0", "0 1 0", 0.01, 1e-4, 2e8, 78.5,
                                  "puntual: P 0 -1 0 2\ncombo: C1 1 P\ngravedad: 9.81")),
                     6);
    EXPECT_FALSE(mecanismo.estable);
    EXPECT_NE(c.texto().find("Advertencia: la estructura es inestable (mecanismo); no se "
                             "calculan modos de vibración\n"),
              std::string::npos);
}

// Only node masses on a beam: its rotations have no mass (μ = 0 in the
// eigenproblem), and only as many modes as masses exist come out, both
// with the sparse Lanczos (a beam of 150 bars, above the dense limit) and
// with the dense solver: one mass at mid-span of a simply supported beam
// gives one flexural mode, ω² = 48EI/(m·L³) (and one axial mode); the
// 600 sub-elements of 1 cm make K ill-conditioned (about 1e10), hence the
// tolerance.
TEST(Modal, RotacionesSinMasa) {
    for (int barras : {2, 150}) {
        const int medio = barras / 2 + 1;
        const modelo m = leer(
            miembro(barras, 6, false, "1 1 0", "0 1 0", 0.01, 1e-4, 2e8, 0,
                    "masa: 3 " + std::to_string(medio) + "\npuntual: P 0 -1 0 2\ncombo: C1 1 P"));
        capturaConsola c;
        const resultadoModal r = funcionModal(m, 6);
        ASSERT_EQ(r.omega.size(), 2) << barras;  // vertical and horizontal (axial) of the mass
        EXPECT_LT(errorRelativo(r.omega(0), std::sqrt(48 * 2e4 / (3 * 216.0))), 1e-6) << barras;
        EXPECT_NEAR(r.masaX.sum() + r.masaY.sum(), 2, 1e-9);
    }
}
