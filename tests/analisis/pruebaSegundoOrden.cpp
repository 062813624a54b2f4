// Second order (P-Delta) against published benchmarks and against first
// order where there is no axial force, and its messages.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "extremosBarra.h"
#include "modal.h"
#include "modelosAnalisis.h"
#include "seccionesTablas.h"

namespace {

// AISC 360-16 Commentary, Appendix 7 / C2 benchmark problems: W14x48,
// A = 14.1 in², I = 484 in⁴, E = 29,000 ksi, L = 28 ft = 336 in; one bar per
// member in the file (kip, in).
const std::string seccionW14 = "seccionGenerica: W14x48 14.1 484 29000 0 1\n";

std::string combosP(const double (&p)[4]) {
    std::ostringstream s;
    for (int k = 0; k < 4; ++k) s << "combo: P" << k << " 1 Q " << p[k] << " P\n";
    return s.str() + "segundoOrden:\n";
}

}  // namespace

// Case 1: simply supported, w = 0.200 k/ft down, axial P at the roller;
// mid-span moment 235, 269, 313, 375 k·in and deflection 0.197, 0.224,
// 0.261, 0.311 in for P = 0, 150, 300, 450 k; within 1 %.
TEST(SegundoOrden, AiscCaso1VigaColumnaSimplementeApoyada) {
    const double p[4] = {0, 150, 300, 450};
    const double momento[4] = {235, 269, 313, 375};
    const double flecha[4] = {0.197, 0.224, 0.261, 0.311};
    const std::string texto =
        "nudos:\n1 0 0\n2 336 0\nbarras:\n1 1 2\napoyo: 1 1 0 1\n"
        "apoyo: 0 1 0 2\n" +
        seccionW14 +
        "distribuidaLocal: Q 0 0 -0.016666666666666666 "
        "-0.016666666666666666 1\npuntual: P -1 0 0 2\n" +
        combosP(p);
    const modeloResuelto r = analizar(texto);
    ASSERT_TRUE(r.s.segundoOrden);
    for (int c = 0; c < 4; ++c) {
        const esfuerzosSeccion e = r.s.barras[0].esfuerzosEn(c, 168, lado::despues);
        EXPECT_LT(errorRelativo(e.M, momento[c]), 0.01) << "P = " << p[c] << ", M = " << e.M;
        EXPECT_LT(errorRelativo(-e.v, flecha[c]), 0.01) << "P = " << p[c] << ", v = " << e.v;
    }
}

// Case 1 turned 30° counter-clockwise, the roller on a surface along the
// beam (apoyoInclinado:) and the loads along and across its axis: the same
// moments and deflections, and the same vibration frequencies as the
// horizontal beam, which checks the turned freedoms of inclined supports
// in the geometric stiffness and the mass.
TEST(SegundoOrden, AiscCaso1GiradoConApoyoInclinado) {
    const double p[4] = {0, 150, 300, 450};
    const double c = std::cos(pi / 6), s = std::sin(pi / 6);
    // Mass of the steel, 48 lb/ft: γ = 0.004 k/in / 14.1 in², g = 386.4 in/s².
    const std::string masa =
        "seccionGenerica: W14x48 14.1 484 29000 2.8368794326241135e-4 1\ngravedad: 386.4\n";
    std::ostringstream t;
    t.precision(17);
    t << "nudos:\n1 0 0\n2 " << 336 * c << " " << 336 * s
      << "\nbarras:\n1 1 2\napoyo: 1 1 0 1\napoyoInclinado: 30 0 2\n"
      << seccionW14 << "distribuidaLocal: Q 0 0 -0.016666666666666666 -0.016666666666666666 1\n"
      << "puntual: P " << -c << " " << -s << " 0 2\n"
      << combosP(p) << masa;
    const std::string horizontal =
        "nudos:\n1 0 0\n2 336 0\nbarras:\n1 1 2\napoyo: 1 1 0 1\n"
        "apoyo: 0 1 0 2\n" +
        seccionW14 +
        "distribuidaLocal: Q 0 0 -0.016666666666666666 "
        "-0.016666666666666666 1\npuntual: P -1 0 0 2\n" +
        combosP(p) + masa;
    const modeloResuelto girado = analizar(t.str());
    const modeloResuelto recto = analizar(horizontal);
    for (int k = 0; k < 4; ++k) {
        const esfuerzosSeccion a = girado.s.barras[0].esfuerzosEn(k, 168, lado::despues);
        const esfuerzosSeccion b = recto.s.barras[0].esfuerzosEn(k, 168, lado::despues);
        EXPECT_NEAR(a.M, b.M, 1e-8 * std::abs(b.M)) << p[k];
        EXPECT_NEAR(a.v, b.v, 1e-8 * std::abs(b.v)) << p[k];
        EXPECT_NEAR(a.N, b.N, 1e-8 * 450);
    }
    capturaConsola consola;
    const resultadoModal mg = funcionModal(girado.m, 3), mr = funcionModal(recto.m, 3);
    ASSERT_EQ(mg.omega.size(), 3);
    ASSERT_EQ(mr.omega.size(), 3);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(mg.omega(k), mr.omega(k), 1e-8 * mr.omega(k));
}

// Case 2: cantilever (fixed base, free top), H = 1 k at the top and P down;
// base moment 336, 469, 598, 848 k·in and top deflection 0.901, 1.33,
// 1.75, 2.56 in for P = 0, 100, 150, 200 k; within 1 %.
TEST(SegundoOrden, AiscCaso2Mensula) {
    const double p[4] = {0, 100, 150, 200};
    const double momento[4] = {336, 469, 598, 848};
    const double desplazamiento[4] = {0.901, 1.33, 1.75, 2.56};
    const std::string texto = "nudos:\n1 0 0\n2 0 336\nbarras:\n1 1 2\napoyo: 1 1 1 1\n" +
                              seccionW14 + "puntual: Q 1 0 0 2\npuntual: P 0 -1 0 2\n" + combosP(p);
    const modeloResuelto r = analizar(texto);
    for (int c = 0; c < 4; ++c) {
        EXPECT_LT(errorRelativo(r.s.nudos[0].getReaccionM(c), momento[c]), 0.01) << p[c];
        EXPECT_LT(errorRelativo(r.s.nudos[1].getDesplazamientoX(c), desplazamiento[c]), 0.01)
            << p[c];
        // The base moment is also the bar's moment at its start.
        EXPECT_NEAR(std::abs(r.s.barras[0].esfuerzosEn(c, 0, lado::despues).M),
                    r.s.nudos[0].getReaccionM(c), 1e-9 * momento[c]);
    }
}

// Without axial force the geometric stiffness is zero: second order must
// give first order exactly, which checks that every kind of load lands on
// the right piece, that hinges and semi-rigid ends stay where they are and
// that the results come back to the user's bars. A continuous beam on
// rollers (no horizontal restraint but one pin, no horizontal load), a
// hinge, a semi-rigid end, point loads off and on the piece boundaries, a
// partial load across boundaries, a full trapezoid, a thermal gradient and
// a settlement.
TEST(SegundoOrden, SinAxialIgualAPrimerOrden) {
    const std::string base =
        "nudos:\n1 0 0\n2 6 0\n3 10 0\nbarras:\n1 1 2\n2 2 3\n"
        "apoyo: 1 1 0 1\napoyo: 0 1 0 2 3\n"
        "seccionRectangular: V 0.3 0.5 2.1e7 24 1 2\n"
        "articulacion: 1 0.6 1\narticulacion: 0 1 2\n"
        "distribuidaLocal: Q 0 0 -10 -4 1\n"
        "puntualLocal: Q 1.3 0 -20 5 1\npuntualLocal: Q 1.5 0 -7 0 1\n"
        "puntualLocal: Q 2 0 -3 0 2\n"
        "distribuidaLocalParcial: Q 0.7 3.9 0 0 -2 -6 2\n"
        "temperatura: T 1e-5 0 60 2\nasentamiento: A 0 -0.004 0 3\n"
        "combo: C1 1 Q\ncombo: C2 1 Q 1 T 1 A\n";
    const modeloResuelto primero = analizar(base);
    const modeloResuelto segundo = analizar(base + "segundoOrden:\nsubdivisiones: 4\n");
    ASSERT_TRUE(segundo.s.segundoOrden);
    for (int c = 0; c < 2; ++c) {
        for (int b = 0; b < 2; ++b) {
            const resultadosBarra& p = primero.s.barras[b];
            const resultadosBarra& q = segundo.s.barras[b];
            const double L = p.getLongitud();
            for (int k = 0; k <= 40; ++k) {
                for (lado l : {lado::antes, lado::despues}) {
                    const double x = L * k / 40;
                    const esfuerzosSeccion e1 = p.esfuerzosEn(c, x, l);
                    const esfuerzosSeccion e2 = q.esfuerzosEn(c, x, l);
                    EXPECT_NEAR(e2.N, e1.N, 1e-7) << b << " " << x;
                    EXPECT_NEAR(e2.V, e1.V, 1e-7) << b << " " << x;
                    EXPECT_NEAR(e2.M, e1.M, 1e-7) << b << " " << x;
                    EXPECT_NEAR(e2.v, e1.v, 1e-12) << b << " " << x;
                }
            }
            const extremosBarra x1 = extremosDeBarra(p, {c})[0], x2 = extremosDeBarra(q, {c})[0];
            EXPECT_NEAR(x2.M.maximo.valor, x1.M.maximo.valor, 1e-7);
            EXPECT_NEAR(x2.M.minimo.valor, x1.M.minimo.valor, 1e-7);
            EXPECT_NEAR(x2.M.maximo.x, x1.M.maximo.x, 1e-7);
        }
        for (int n = 0; n < 3; ++n) {
            EXPECT_NEAR(segundo.s.nudos[n].getDesplazamientoY(c),
                        primero.s.nudos[n].getDesplazamientoY(c), 1e-12);
            EXPECT_NEAR(segundo.s.nudos[n].getReaccionY(c), primero.s.nudos[n].getReaccionY(c),
                        1e-7);
        }
    }
}

// A column loaded past its Euler load π²EI/L² (pinned both ends, 1973.9 for
// E·I = 2e4, L = 10, two bars) has no second-order solution: one warning,
// the combination marked, its results NaN, the summary says so; the
// combination below it is solved, its mid-height deflection under a small
// lateral load amplified by about 1/(1 - P/Pe) = 2.03 at P = 1000.
TEST(SegundoOrden, MasAllaDeLaCargaCritica) {
    const std::string texto = miembro(2, 10, true, "1 1 0", "1 0 0", 0.01, 1e-4, 2e8, 0,
                                      "puntual: P 0 -1 0 3\npuntual: H 0.001 0 0 2\n"
                                      "combo: BAJA 1000 P 1000 H\ncombo: ALTA 2500 P 2500 H\n"
                                      "segundoOrden:");
    std::string consola;
    const modeloResuelto r = analizar(texto, &consola);
    EXPECT_NE(consola.find("Advertencia: el combo ALTA supera su carga crítica; no hay solución "
                           "de segundo orden\n"),
              std::string::npos);
    EXPECT_NE(consola.find("Segundo orden: combo BAJA en "), std::string::npos);
    ASSERT_EQ(r.s.combosSinSolucion, std::vector<int>{1});
    EXPECT_TRUE(std::isnan(r.s.nudos[1].getDesplazamientoX(1)));
    EXPECT_TRUE(std::isfinite(r.s.nudos[1].getDesplazamientoX(0)));
    EXPECT_NEAR(r.s.amplificacion[0], 1 / (1 - 1000 / 1973.92), 0.03);
    std::ostringstream resumen;
    escribirResumen(resumen, datosTablas{r.m, r.s, "columna.txt"});
    EXPECT_NE(resumen.str().find("Combinación ALTA\n================\nSIN SOLUCIÓN DE SEGUNDO "
                                 "ORDEN: esta combinación supera su carga crítica"),
              std::string::npos);
    EXPECT_NE(resumen.str().find("Análisis: segundo orden (P-Delta), 4 subdivisiones por barra"),
              std::string::npos);
}

// A mechanism (a beam on two rollers) has no second-order solution at all.
TEST(SegundoOrden, MecanismoLoDice) {
    std::string consola;
    const modeloResuelto r = analizar(miembro(1, 5, false, "0 1 0", "0 1 0", 0.01, 1e-4, 2e8, 0,
                                              "puntual: P 0 -1 0 2\ncombo: C1 1 P\nsegundoOrden:"),
                                      &consola);
    EXPECT_NE(consola.find("Advertencia: la estructura es inestable (mecanismo); no hay solución "
                           "de segundo orden\n"),
              std::string::npos);
    EXPECT_EQ(r.s.combosSinSolucion, std::vector<int>{0});
}

// Without "segundoOrden:" nothing changes: the same solution as the linear
// solve, no line of second order.
TEST(SegundoOrden, SinEtiquetaPrimerOrden) {
    std::string consola;
    const modeloResuelto r = analizar(miembro(2, 5, false, "1 1 1", "0 0 0", 0.01, 1e-4, 2e8, 0,
                                              "puntual: P -100 -1 0 3\ncombo: C1 1 P"),
                                      &consola);
    EXPECT_FALSE(r.s.segundoOrden);
    EXPECT_EQ(consola.find("egundo orden"), std::string::npos);
    // Cantilever tip: P·L³/(3EI) with L = 5, EI = 2e4.
    EXPECT_NEAR(r.s.nudos[2].getDesplazamientoY(0), -125.0 / 3 / 2e4, 1e-12);
}
