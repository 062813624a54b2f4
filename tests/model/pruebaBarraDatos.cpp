// Bar data from the input: sections, fixity, length, angle, global loads,
// self weight, loads of a combination and messages.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "archivoTemporal.h"
#include "objBarra2d.h"
#include "resultadosBarra.h"

namespace {
const double pi = std::acos(-1.0);

objBarra2d barraEntre(double x1, double y1, double x2, double y2) {
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(0);
    b.setNumeroBarraUsuario(7);
    b.setNudoInicio(0, x1, y1);
    b.setNudoFinal(1, x2, y2);
    return b;
}

comboCarga combo(const std::string& nombre, std::vector<terminoCombo> terminos) {
    return {nombre, std::move(terminos)};
}

// Distributed-load row (axial at the start and end, transverse at the start
// and end) of the bar in combination c.
Eigen::RowVector4d fila(const objBarra2d& b, const comboCarga& c) {
    const cargaTrapecial t = b.getCargasCombo(c).trapecio;
    return Eigen::RowVector4d(t.pi, t.pf, t.qi, t.qf);
}
}  // namespace

TEST(BarraDatos, Secciones) {
    objBarra2d b;
    b.setSeccionRectangular(0.3, 0.5);
    EXPECT_NEAR(b.getArea(), 0.15, 1e-15);
    EXPECT_NEAR(b.getInercia(), 0.003125, 1e-15);
    b.setSeccionRectangular(0.5, 0.3);
    EXPECT_NEAR(b.getArea(), 0.15, 1e-15);
    EXPECT_NEAR(b.getInercia(), 0.001125, 1e-15);
    b.setSeccionGenerica(0.02, 4e-4);
    b.setModuloE(2.1e8);
    b.setPesoEspecifico(78.5);
    EXPECT_EQ(b.getArea(), 0.02);
    EXPECT_EQ(b.getInercia(), 4e-4);
    EXPECT_EQ(b.getModE(), 2.1e8);
    EXPECT_EQ(b.getPesoEspecifico(), 78.5);
}

TEST(BarraDatos, NombreDeSeccion) {
    objBarra2d b;
    {
        capturaConsola consola;
        EXPECT_EQ(b.getNombreDeSeccion(), "");
        EXPECT_EQ(consola.texto(), "Definir el nombre de sección\n");
    }
    b.setNombreDeSeccion("V30x50");
    EXPECT_EQ(b.getNombreDeSeccion(), "V30x50");
}

TEST(BarraDatos, FijacionLimitadaYTruncada) {
    objBarra2d b;
    EXPECT_EQ(b.getArticulacionInicio(), 1);
    EXPECT_EQ(b.getArticulacionFin(), 1);
    b.setArticulacion(-0.2, 1.7);
    EXPECT_EQ(b.getFactorArticulacionInicio(), 0);
    EXPECT_EQ(b.getFactorArticulacionFin(), 1);
    EXPECT_EQ(b.getArticulacionFin(), 1);
    b.setArticulacion(0.5, 0.5);
    EXPECT_EQ(b.getArticulacionInicio(), 0);
    EXPECT_EQ(b.getArticulacionFin(), 0);
    EXPECT_EQ(b.getFactorArticulacionFin(), 0.5);
    b.setArticulacion(std::numeric_limits<double>::quiet_NaN(),
                      -std::numeric_limits<double>::infinity());
    EXPECT_EQ(b.getFactorArticulacionInicio(), 1);
    EXPECT_EQ(b.getFactorArticulacionFin(), 0);
}

TEST(BarraDatos, LongitudYAngulo) {
    objBarra2d b = barraEntre(0, 0, 3, 4);
    EXPECT_DOUBLE_EQ(b.getLongitud(), 5);
    EXPECT_DOUBLE_EQ(b.getAngulo(), std::acos(0.6));
    EXPECT_DOUBLE_EQ(barraEntre(0, 0, -2, 0).getAngulo(), pi);
    EXPECT_DOUBLE_EQ(barraEntre(0, 0, 0, -2).getAngulo(), -pi / 2);
    EXPECT_DOUBLE_EQ(barraEntre(0, 0, 0, 2).getAngulo(), pi / 2);
    EXPECT_DOUBLE_EQ(barraEntre(1, 1, 0, 0).getAngulo(), -3 * pi / 4);
    EXPECT_EQ(b.getNoBarraUsuario(), 7);
    EXPECT_EQ(b.getNudoFinal(), 1);
    EXPECT_EQ(b.getXf(), 3);
    EXPECT_EQ(b.getYf(), 4);
}

// Length and angle follow the end nodes as soon as they change.
TEST(BarraDatos, LongitudYAnguloSiguenALosNudos) {
    objBarra2d b = barraEntre(0, 0, 3, 4);
    b.getAngulo();
    b.setNudoFinal(1, 0, 2);
    EXPECT_DOUBLE_EQ(b.getLongitud(), 2);
    EXPECT_DOUBLE_EQ(b.getAngulo(), pi / 2);
    b.resetFlags();
    b.setNudoInicio(0, 0, 0);
    b.setNudoFinal(1, 0, 2);
    EXPECT_DOUBLE_EQ(b.getLongitud(), 2);
    EXPECT_DOUBLE_EQ(b.getAngulo(), pi / 2);
}

TEST(BarraDatos, SinNudosMensajesYNadaGuardado) {
    objBarra2d b;
    capturaConsola consola;
    EXPECT_EQ(b.getLongitud(), 0);
    EXPECT_EQ(b.getAngulo(), 0);
    b.setCargaGlobal("D", 1, 1, 0, -1);
    EXPECT_EQ(consola.texto(),
              "Definir nudos del elemento\n"
              "Definir nudos del elemento\n"
              "no se puede calcular el angulo. Faltan datos\n"
              "Definir nudos del elemento\n"
              "no se puede calcular el angulo. Faltan datos\n"
              "el ángulo no está definido para calcular cargas globales de barra\n");
    EXPECT_TRUE(b.getCargas().empty());  // nothing was stored
    EXPECT_EQ(fila(b, combo("C1", {{1, "D"}}))(2), 0);
    b.setNudoInicio(0, 0, 0);
    b.setNudoFinal(1, 4, 0);
    EXPECT_DOUBLE_EQ(b.getLongitud(), 4);
}

// Only the direction of (dx, dy) matters; components along and across the bar.
TEST(BarraDatos, ProyeccionDeCargaGlobal) {
    objBarra2d horizontal = barraEntre(0, 0, 4, 0);
    horizontal.setCargaGlobal("D", 2, 2, 0, -5);
    EXPECT_TRUE(fila(horizontal, combo("C1", {{1, "D"}}))
                    .isApprox(Eigen::RowVector4d(0, 0, -2, -2), 1e-15));

    objBarra2d vertical = barraEntre(0, 0, 0, 3);
    vertical.setCargaGlobal("W", 3, 5, 1, 0);
    const Eigen::RowVector4d v = fila(vertical, combo("C1", {{1, "W"}}));
    EXPECT_NEAR(v(0), 0, 1e-15);
    EXPECT_NEAR(v(1), 0, 1e-15);
    EXPECT_NEAR(v(2), -3, 1e-15);
    EXPECT_NEAR(v(3), -5, 1e-15);

    // Bar along (3, 4), load along +X: axial 0.6·q, transverse -0.8·q.
    objBarra2d inclinada = barraEntre(0, 0, 3, 4);
    inclinada.setCargaGlobal("V", 10, 20, 2, 0);
    EXPECT_TRUE(fila(inclinada, combo("C1", {{1, "V"}}))
                    .isApprox(Eigen::RowVector4d(6, 12, -8, -16), 1e-14));
}

TEST(BarraDatos, PesoPropio) {
    // Horizontal, up and down bars, w = A·γ = 0.15·24 = 3.6.
    const double w = 3.6;
    objBarra2d viga = barraEntre(0, 3, 4, 3);
    objBarra2d subida = barraEntre(0, 0, 0, 3);
    objBarra2d bajada = barraEntre(4, 3, 4, 0);
    for (objBarra2d* b : {&viga, &subida, &bajada}) {
        b->setSeccionRectangular(0.3, 0.5);
        b->setPesoEspecifico(24);
        b->setPesoPropio("PP");
    }
    const comboCarga c1 = combo("C1", {{1, "PP"}});
    const double tol = 1e-14;
    EXPECT_TRUE(fila(viga, c1).isApprox(Eigen::RowVector4d(0, 0, -w, -w), tol));
    EXPECT_NEAR(fila(subida, c1)(0), -w, tol);
    EXPECT_NEAR(fila(subida, c1)(1), -w, tol);
    EXPECT_NEAR(fila(subida, c1)(2), 0, tol);
    EXPECT_NEAR(fila(bajada, c1)(0), w, tol);
    EXPECT_NEAR(fila(bajada, c1)(3), 0, tol);
}

// Beam of the portal frame example: CV = -15 local, self weight 3.6;
// C1 = 1.2 PP + 1.6 CV, C2 = PP + CV + W (W has no load on the bar).
TEST(BarraDatos, FilasDeCombinacionDelEjemplo) {
    objBarra2d b = barraEntre(0, 3, 4, 3);
    b.setSeccionRectangular(0.3, 0.5);
    b.setPesoEspecifico(24);
    b.setCargaLocal("CV", 0, 0, -15, -15);
    b.setPesoPropio("PP");
    const std::vector<comboCarga> combos = {combo("C1", {{1.2, "PP"}, {1.6, "CV"}}),
                                            combo("C2", {{1, "PP"}, {1, "CV"}, {1, "W"}}),
                                            combo("C3", {{1, "NADA"}})};
    const resultadosBarra r(b, combos);
    ASSERT_EQ(r.getCantidadDeCombos(), 3);
    Eigen::MatrixXd esperado(3, 4);
    esperado << 0, 0, -28.32, -28.32, 0, 0, -18.6, -18.6, 0, 0, 0, 0;
    EXPECT_TRUE(r.getMatrizCargasCombo().isApprox(esperado, 1e-14));
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(fila(b, combos[c]).isApprox(esperado.row(c), 1e-14)) << c;
}

TEST(BarraDatos, ComboRepetidoSumaDosVeces) {
    objBarra2d b = barraEntre(0, 0, 4, 0);
    b.setCargaLocal("D", 1, 2, 3, 4);
    b.setCargaLocal("D", 1, 1, 1, 1);
    EXPECT_TRUE(
        fila(b, combo("C1", {{1, "D"}, {1, "D"}})).isApprox(Eigen::RowVector4d(4, 6, 8, 10)));
}

TEST(BarraDatos, DireccionNulaRechazada) {
    objBarra2d b = barraEntre(0, 0, 4, 0);
    capturaConsola consola;
    b.setCargaGlobal("D", 2, 2, 0, 0);
    EXPECT_EQ(consola.texto(),
              "Advertencia: la carga global del caso D en la barra 7 tiene dirección (0, 0); no "
              "se considera\n");
    const Eigen::RowVector4d f = fila(b, combo("C1", {{1, "D"}}));
    EXPECT_EQ(f(2), 0);
    EXPECT_FALSE(std::isnan(f(2)));
}

// Only the direction of (dx, dy) counts: (3, 4), (3e300, 4e300) and
// (3e-310, 4e-310) are one direction, whose squares would overflow or
// underflow. A downward-right load q on a bar along +X: axial 0.6q,
// transverse 0.8q (components of the unit vector (0.6, 0.8)).
TEST(BarraDatos, DireccionGlobalDeCualquierLargo) {
    const double q = 5;
    for (double escala : {1.0, 1e300, 1e-310}) {
        SCOPED_TRACE(escala);
        objBarra2d b = barraEntre(0, 0, 4, 0);
        capturaConsola consola;
        b.setCargaGlobal("D", q, 2 * q, 3 * escala, -4 * escala);
        EXPECT_EQ(consola.texto(), "");
        const Eigen::RowVector4d f = fila(b, combo("C1", {{1, "D"}}));
        EXPECT_NEAR(f(0), 0.6 * q, 1e-12);
        EXPECT_NEAR(f(1), 1.2 * q, 1e-12);
        EXPECT_NEAR(f(2), -0.8 * q, 1e-12);
        EXPECT_NEAR(f(3), -1.6 * q, 1e-12);
    }
}

TEST(BarraDatos, GettersDeComboFueraDeRango) {
    objBarra2d b = barraEntre(0, 0, 4, 0);
    const resultadosBarra sinCombos(b, std::vector<comboCarga>{});
    EXPECT_EQ(sinCombos.getMatrizCargasCombo().cols(), 4);
    EXPECT_EQ(sinCombos.getCargasCombo(0).trapecio.pi, 0);
    b.setCargaLocal("D", 1, 2, 3, 4);
    const resultadosBarra r(b, {combo("C1", {{1, "D"}})});
    EXPECT_EQ(r.getCargasCombo(0).trapecio.qf, 4);
    EXPECT_EQ(r.getCargasCombo(1).trapecio.qf, 0);
    EXPECT_EQ(r.getCargasCombo(-1).trapecio.pf, 0);
}

// Coincident end nodes: no direction, no length; loads along it are zero.
TEST(BarraDatos, LongitudCero) {
    objBarra2d b = barraEntre(2, 2, 2, 2);
    EXPECT_TRUE(b.esLongitudCero());
    EXPECT_FALSE(barraEntre(0, 0, 1, 0).esLongitudCero());
    EXPECT_FALSE(objBarra2d().esLongitudCero());
    capturaConsola consola;
    EXPECT_EQ(b.getLongitud(), 0);
    EXPECT_EQ(b.getAngulo(), 0);
    b.setSeccionGenerica(1, 1);
    b.setPesoEspecifico(10);
    b.setPesoPropio("PP");
    b.setCargaGlobal("PP", 5, 5, 1, 1);
    EXPECT_EQ(consola.texto(), "");
    EXPECT_TRUE(fila(b, combo("C1", {{1, "PP"}})).isZero(0));
}

// Coordinates whose squares overflow or underflow still give a finite,
// non-zero length and the right angle; a tiny direction is still a direction.
TEST(BarraDatos, LongitudSinDesbordes) {
    objBarra2d grande = barraEntre(0, 0, 3e200, 4e200);
    EXPECT_DOUBLE_EQ(grande.getLongitud(), 5e200);
    EXPECT_DOUBLE_EQ(grande.getAngulo(), std::acos(0.6));
    objBarra2d diminuta = barraEntre(0, 0, 0, 1e-200);
    EXPECT_FALSE(diminuta.esLongitudCero());
    EXPECT_GT(diminuta.getLongitud(), 0);
    EXPECT_FALSE(diminuta.esLongitudCero());
    EXPECT_DOUBLE_EQ(diminuta.getAngulo(), pi / 2);
    objBarra2d viga = barraEntre(0, 0, 4, 0);
    viga.setCargaGlobal("D", 2, 2, 0, -1e-200);
    EXPECT_NEAR(fila(viga, combo("C1", {{1, "D"}}))(2), -2, 1e-15);
}
