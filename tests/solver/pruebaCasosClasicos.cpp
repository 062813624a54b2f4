// Classical beam and frame cases against their closed-form solutions
// (standard tables of beam deflections, moments and reactions).
#include <gtest/gtest.h>

#include <cmath>

#include "archivoTemporal.h"
#include "extremosBarra.h"
#include "funcionSolucionU.h"
#include "modeloPrueba.h"

namespace {

constexpr double E = 2.0e7;
constexpr double A = 0.02;
constexpr double I = 4.0e-4;
constexpr double EI = E * I;

// |a − b| within a relative tolerance of the reference size.
void cerca(double a, double b, double referencia, const char* que) {
    EXPECT_NEAR(a, b, 1e-9 * std::abs(referencia)) << que;
}

// Solves and checks that the solver prints no warning.
solucion resolverSinAvisos(const modelo& m) {
    capturaConsola consola;
    solucion s = funcionSolucionU(m);
    EXPECT_EQ(consola.texto().find("Advertencia"), std::string::npos) << consola.texto();
    return s;
}

// Horizontal beam of length L between two nodes with the given supports and
// a uniform transverse load −w (downwards) on the whole span.
solucion vigaConCargaUniforme(double L, double w, Eigen::Vector3i apoyo0, Eigen::Vector3i apoyo1,
                              double ai = 1, double af = 1) {
    modelo m;
    agregarNudo(m, 0, 0, apoyo0(0), apoyo0(1), apoyo0(2));
    agregarNudo(m, L, 0, apoyo1(0), apoyo1(1), apoyo1(2));
    agregarBarra(m, 0, 1, E, A, I, ai, af);
    m.barra[0].setCargaLocal("Q", 0, 0, -w, -w);
    agregarCombo(m, "C1", {{1.0, "Q"}});
    return resolverSinAvisos(m);
}

}  // namespace

// Cantilever with tip load P: v = PL³/3EI, θ = PL²/2EI; reactions P and PL.
TEST(CasosClasicos, VoladizoConCargaEnLaPunta) {
    const double L = 3, P = 12;
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, L, 0);
    agregarBarra(m, 0, 1, E, A, I);
    m.nudo[1].setCargaPuntual("P", 0, -P, 0);
    agregarCombo(m, "C1", {{1.0, "P"}});
    const solucion s = resolverSinAvisos(m);

    const double v = P * L * L * L / (3 * EI), th = P * L * L / (2 * EI);
    cerca(s.nudos[1].getDesplazamientoY(0), -v, v, "flecha en la punta");
    cerca(s.nudos[1].getGiroZ(0), -th, th, "giro en la punta");
    cerca(s.nudos[1].getDesplazamientoX(0), 0, v, "sin desplazamiento axial");
    cerca(s.nudos[0].getReaccionX(0), 0, P, "Rx");
    cerca(s.nudos[0].getReaccionY(0), P, P, "Ry");
    cerca(s.nudos[0].getReaccionM(0), P * L, P * L, "momento de empotramiento");
    // The free end has nothing to react.
    EXPECT_TRUE(s.resuelto);
    EXPECT_EQ(s.noLibres, 3);
    EXPECT_EQ(s.noRestringidos, 3);
    // Internal forces: V = P along the bar, M from −PL to 0.
    const Eigen::MatrixXd V = s.barras[0].getSolicitacionCortante(0, 2);
    const Eigen::MatrixXd M = s.barras[0].getSolicitacionMomento(0, 2);
    cerca(V(1, 0), P, P, "V al inicio");
    cerca(M(1, 0), -P * L, P * L, "M en el empotramiento");
    cerca(M(1, 1), 0, P * L, "M en la punta");
}

// Simply supported beam, uniform w: mid-span deflection 5wL⁴/384EI,
// M = wL²/8 and V = 0 at L/2, end slope wL³/24EI, reactions wL/2.
TEST(CasosClasicos, SimplementeApoyadaConCargaUniforme) {
    const double L = 6, w = 5;
    const solucion s = vigaConCargaUniforme(L, w, {1, 1, 0}, {0, 1, 0});

    cerca(s.nudos[0].getReaccionY(0), w * L / 2, w * L, "reacción izquierda");
    cerca(s.nudos[1].getReaccionY(0), w * L / 2, w * L, "reacción derecha");
    const double th = w * L * L * L / (24 * EI);
    cerca(s.nudos[0].getGiroZ(0), -th, th, "giro en el apoyo izquierdo");
    cerca(s.nudos[1].getGiroZ(0), th, th, "giro en el apoyo derecho");

    const Eigen::MatrixXd M = s.barras[0].getSolicitacionMomento(0, 3);
    const Eigen::MatrixXd V = s.barras[0].getSolicitacionCortante(0, 3);
    cerca(M(1, 1), w * L * L / 8, w * L * L, "momento en L/2");
    cerca(V(1, 1), 0, w * L, "cortante nulo en L/2");
    cerca(ceroDelCortante(s.barras[0], 0).x, L / 2, L, "posición de cortante nulo");
    cerca(ceroDelCortante(s.barras[0], 0).valor, w * L * L / 8, w * L * L, "momento máximo");

    const double f = 5 * w * std::pow(L, 4) / (384 * EI);
    const Eigen::MatrixXd d = s.barras[0].getBarraDeformada(0, 3, 1.0);
    cerca(d(1, 1), -f, f, "flecha en L/2");
}

// Simply supported beam, load rising linearly from 0 to w: reactions wL/6 and
// wL/3, zero shear at L/√3 where M = wL²/(9√3).
TEST(CasosClasicos, SimplementeApoyadaConCargaTriangular) {
    const double L = 6, w = 9;
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 0);
    agregarNudo(m, L, 0, 0, 1, 0);
    agregarBarra(m, 0, 1, E, A, I);
    m.barra[0].setCargaLocal("T", 0, 0, 0, -w);
    agregarCombo(m, "C1", {{1.0, "T"}});
    const solucion s = resolverSinAvisos(m);

    cerca(s.nudos[0].getReaccionY(0), w * L / 6, w * L, "reacción izquierda");
    cerca(s.nudos[1].getReaccionY(0), w * L / 3, w * L, "reacción derecha");
    cerca(ceroDelCortante(s.barras[0], 0).x, L / std::sqrt(3.0), L, "momento máximo en L/√3");
    cerca(ceroDelCortante(s.barras[0], 0).valor, w * L * L / (9 * std::sqrt(3.0)), w * L * L,
          "momento máximo");
}

// Propped cantilever, uniform w: reactions 5wL/8 (fixed) and 3wL/8 (prop),
// fixing moment wL²/8, slope wL³/48EI at the prop.
TEST(CasosClasicos, EmpotradaApoyadaConCargaUniforme) {
    const double L = 5, w = 8;
    const solucion s = vigaConCargaUniforme(L, w, {1, 1, 1}, {0, 1, 0});

    cerca(s.nudos[0].getReaccionY(0), 5 * w * L / 8, w * L, "reacción del empotramiento");
    cerca(s.nudos[1].getReaccionY(0), 3 * w * L / 8, w * L, "reacción del apoyo");
    cerca(s.nudos[0].getReaccionM(0), w * L * L / 8, w * L * L, "momento de empotramiento");
    cerca(s.nudos[1].getGiroZ(0), w * std::pow(L, 3) / (48 * EI), w * std::pow(L, 3) / EI,
          "giro en el apoyo");
    const Eigen::MatrixXd M = s.barras[0].getSolicitacionMomento(0, 2);
    cerca(M(1, 0), -w * L * L / 8, w * L * L, "M negativo en el empotramiento");
    cerca(M(1, 1), 0, w * L * L, "M nulo en el apoyo");
}

// Fixed-fixed beam, uniform w: end moments wL²/12, mid-span moment wL²/24,
// mid-span deflection wL⁴/384EI.
TEST(CasosClasicos, BiempotradaConCargaUniforme) {
    const double L = 4, w = 6;
    const solucion s = vigaConCargaUniforme(L, w, {1, 1, 1}, {1, 1, 1});

    EXPECT_EQ(s.noLibres, 0);
    cerca(s.nudos[0].getReaccionY(0), w * L / 2, w * L, "reacción izquierda");
    cerca(s.nudos[1].getReaccionY(0), w * L / 2, w * L, "reacción derecha");
    cerca(s.nudos[0].getReaccionM(0), w * L * L / 12, w * L * L, "momento izquierdo");
    cerca(s.nudos[1].getReaccionM(0), -w * L * L / 12, w * L * L, "momento derecho");
    const Eigen::MatrixXd M = s.barras[0].getSolicitacionMomento(0, 3);
    cerca(M(1, 0), -w * L * L / 12, w * L * L, "M en el extremo");
    cerca(M(1, 1), w * L * L / 24, w * L * L, "M en L/2");
    const double f = w * std::pow(L, 4) / (384 * EI);
    cerca(s.barras[0].getBarraDeformada(0, 3, 1.0)(1, 1), -f, f, "flecha en L/2");
}

// A bar hinged at its end between two fully fixed nodes behaves as a propped
// cantilever: 5wL/8, 3wL/8, wL²/8 and no moment through the hinge.
TEST(CasosClasicos, BarraArticuladaEnUnExtremo) {
    const double L = 5, w = 8;
    const solucion s = vigaConCargaUniforme(L, w, {1, 1, 1}, {1, 1, 1}, 1.0, 0.0);

    cerca(s.nudos[0].getReaccionY(0), 5 * w * L / 8, w * L, "reacción del lado rígido");
    cerca(s.nudos[1].getReaccionY(0), 3 * w * L / 8, w * L, "reacción del lado articulado");
    cerca(s.nudos[0].getReaccionM(0), w * L * L / 8, w * L * L, "momento de empotramiento");
    cerca(s.nudos[1].getReaccionM(0), 0, w * L * L, "sin momento en la articulación");
    cerca(s.barras[0].getSolicitacionMomento(0, 2)(1, 1), 0, w * L * L,
          "M nulo en la articulación");
    cerca(ceroDelCortante(s.barras[0], 0).x, 5 * L / 8, L, "cortante nulo en 5L/8");
}

// Elastic support: a node held transversally only by a spring k (the bar is
// hinged at both ends) moves F/k and reports the spring force −F; along the
// bar it moves F·L/EA.
TEST(CasosClasicos, ApoyoElastico) {
    const double L = 2, k = 500, F = 30, H = 40;
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, L, 0, 0, 0, 1);
    agregarBarra(m, 0, 1, E, A, I, 0.0, 0.0);
    m.nudo[1].setResorte(0, k, 0);
    m.nudo[1].setCargaPuntual("F", H, F, 0);
    agregarCombo(m, "C1", {{1.0, "F"}});
    const solucion s = resolverSinAvisos(m);

    cerca(s.nudos[1].getDesplazamientoY(0), F / k, F / k, "desplazamiento F/k");
    cerca(s.nudos[1].getReaccionY(0), -F, F, "fuerza del resorte");
    cerca(s.nudos[1].getDesplazamientoX(0), H * L / (E * A), H * L / (E * A), "alargamiento");
    cerca(s.nudos[0].getReaccionX(0), -H, H, "reacción axial");
    cerca(s.nudos[0].getReaccionY(0), 0, F, "la barra articulada no lleva cortante");

    // Spring in parallel with a cantilever tip: v = P/(3EI/L³ + k).
    modelo m2;
    agregarNudo(m2, 0, 0, 1, 1, 1);
    agregarNudo(m2, L, 0);
    agregarBarra(m2, 0, 1, E, A, I);
    m2.nudo[1].setResorte(0, k * 1000, 0);
    m2.nudo[1].setCargaPuntual("P", 0, -F, 0);
    agregarCombo(m2, "C1", {{1.0, "P"}});
    const solucion s2 = resolverSinAvisos(m2);
    const double kv = 3 * EI / (L * L * L);
    const double v = F / (kv + k * 1000);
    cerca(s2.nudos[1].getDesplazamientoY(0), -v, v, "flecha con resorte");
    cerca(s2.nudos[1].getReaccionY(0), k * 1000 * v, F, "fuerza del resorte");
    cerca(s2.nudos[0].getReaccionY(0), kv * v, F, "reacción del empotramiento");
}

// Inclined simply supported bar from (0,0) to (3,4) under a vertical load w
// per unit length of bar (total 5w): reactions 2.5w and 2.5w; axial force
// −2w at the pin, +2w at the roller; mid-length moment w·L·a/8 = 15w/8.
TEST(CasosClasicos, BarraInclinadaConCargaGlobal) {
    const double w = 4;
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 0);
    agregarNudo(m, 3, 4, 0, 1, 0);
    agregarBarra(m, 0, 1, E, A, I);
    m.barra[0].setCargaGlobal("G", w, w, 0, -1);
    agregarCombo(m, "C1", {{1.0, "G"}});
    const solucion s = resolverSinAvisos(m);

    cerca(s.nudos[0].getReaccionX(0), 0, w, "sin reacción horizontal");
    cerca(s.nudos[0].getReaccionY(0), 2.5 * w, w, "reacción en el apoyo fijo");
    cerca(s.nudos[1].getReaccionY(0), 2.5 * w, w, "reacción en el apoyo móvil");
    const Eigen::MatrixXd N = s.barras[0].getSolicitacionAxial(0, 2);
    cerca(N(1, 0), -2 * w, w, "compresión al pie");
    cerca(N(1, 1), 2 * w, w, "tracción arriba");
    cerca(s.barras[0].getSolicitacionMomento(0, 3)(1, 1), 15 * w / 8, w, "momento a media barra");
}

// Portal frame of the worked example (columns C30, beam V30x50, E = 2.1e7,
// specific weight 24): reactions balance the loads of both combinations, and
// C1 is symmetric.
TEST(CasosClasicos, PorticoDelEjemploEnEquilibrio) {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 0, 3);
    agregarNudo(m, 4, 3);
    agregarNudo(m, 4, 0, 1, 1, 1);
    const int b1 = agregarBarra(m, 0, 1, 2.1e7, 0.09, 0.3 * std::pow(0.3, 3) / 12);
    const int b2 = agregarBarra(m, 1, 2, 2.1e7, 0.15, 0.3 * std::pow(0.5, 3) / 12);
    const int b3 = agregarBarra(m, 2, 3, 2.1e7, 0.09, 0.3 * std::pow(0.3, 3) / 12);
    for (int b : {b1, b2, b3}) m.barra[b].setPesoEspecifico(24);
    m.nudo[1].setCargaPuntual("W", 10, 0, 0);
    m.barra[b2].setCargaLocal("CV", 0, 0, -15, -15);
    for (auto& b : m.barra) b.setPesoPropio("PP");
    agregarCombo(m, "C1", {{1.2, "PP"}, {1.6, "CV"}});
    agregarCombo(m, "C2", {{1.0, "PP"}, {1.0, "CV"}, {1.0, "W"}});
    const solucion s = resolverSinAvisos(m);

    // Hand totals: column weight 0.09·24·3 = 6.48 each, beam weight
    // 0.15·24·4 = 14.4, live load 15·4 = 60, wind 10 at (0, 3).
    const double col = 6.48, viga = 14.4, cv = 60;
    const double fy[2] = {1.2 * (2 * col + viga) + 1.6 * cv, 2 * col + viga + cv};
    const double fx[2] = {0, 10};
    // Moment of the loads about node 1 (origin), counter-clockwise positive.
    const double mz[2] = {-(1.2 * viga + 1.6 * cv) * 2 - 1.2 * col * 4,
                          -(viga + cv) * 2 - col * 4 - 10 * 3};
    for (int c = 0; c < 2; ++c) {
        const double rx = s.nudos[0].getReaccionX(c) + s.nudos[3].getReaccionX(c);
        const double ry = s.nudos[0].getReaccionY(c) + s.nudos[3].getReaccionY(c);
        const double rm = s.nudos[0].getReaccionM(c) + s.nudos[3].getReaccionM(c) +
                          4 * s.nudos[3].getReaccionY(c);
        cerca(rx + fx[c], 0, fy[c], "equilibrio en X");
        cerca(ry - fy[c], 0, fy[c], "equilibrio en Y");
        cerca(rm + mz[c], 0, 4 * fy[c], "equilibrio de momentos");
    }
    cerca(s.nudos[0].getReaccionY(0), fy[0] / 2, fy[0], "C1 simétrico");
    cerca(s.nudos[0].getReaccionX(0), -s.nudos[3].getReaccionX(0), fy[0], "C1 simétrico en X");
    cerca(s.nudos[0].getReaccionM(0), -s.nudos[3].getReaccionM(0), fy[0], "C1 simétrico en M");
}
