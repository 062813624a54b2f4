// Node: freedoms, combination rows, combination lookup, results and the
// reaction of sprung directions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "archivoTemporal.h"
#include "objNudo2d.h"

TEST(Nudo, RecienCreadoLibreSinResortesNiCombos) {
    objNudo2d n;
    EXPECT_EQ(n.getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_EQ(n.getResorteX(), 0);
    EXPECT_EQ(n.getResorteY(), 0);
    EXPECT_EQ(n.getResorteGiro(), 0);
    EXPECT_EQ(n.getCantidadDeCombos(), 0);
    EXPECT_EQ(n.getCargasGlobales().rows(), 0);
    EXPECT_EQ(n.getNumeroDeCombo("C1"), -1);
}

TEST(Nudo, GradosDeLibertadPorIndiceInterno) {
    objNudo2d n;
    n.setNumeroDeNudo(4);
    n.setNumeroNudoUsuario(40);
    EXPECT_EQ(n.getGdl(), Eigen::Vector3i(12, 13, 14));
    EXPECT_EQ(n.getNoNudo(), 4);
    EXPECT_EQ(n.getNoNudoUsuario(), 40);
}

TEST(Nudo, FilasDeCombinacion) {
    objNudo2d n;
    n.setCoordenadas(1.5, -2);
    n.setCargaPuntual("D", 1, 2, 3);
    n.setCargaPuntual("D", 10, 20, 30);     // same case: both count
    n.setCargaPuntual("d", 100, 100, 100);  // another case (names are exact)
    n.setCargaPuntual("W", 5, 0, 0);        // no combination names it
    n.setCombo("C1", 1.2, "D");
    n.setCombo("C2", 1, "D");
    n.setCombo("C2", 0.5, "D");  // the same case twice: counted twice
    n.setCombo("C3", 2, "L");    // case without loads at this node: zero row
    EXPECT_DOUBLE_EQ(n.getX(), 1.5);
    EXPECT_DOUBLE_EQ(n.getY(), -2);
    ASSERT_EQ(n.getCantidadDeCombos(), 3);
    EXPECT_EQ(n.getNombreCombo(1), "C2");
    Eigen::MatrixXd esperado(3, 3);
    esperado << 13.2, 26.4, 39.6, 16.5, 33, 49.5, 0, 0, 0;
    EXPECT_TRUE(n.getCargasGlobales().isApprox(esperado, 1e-14));
    EXPECT_DOUBLE_EQ(n.getPxCombo(0), 13.2);
    EXPECT_DOUBLE_EQ(n.getPyCombo(1), 33);
    EXPECT_DOUBLE_EQ(n.getMzCombo(2), 0);
    EXPECT_EQ(n.getNumeroDeCombo("C2"), 1);
    EXPECT_EQ(n.getNumeroDeCombo("c2"), -1);
}

TEST(Nudo, CargaPosteriorAlComboNoCuenta) {
    objNudo2d n;
    n.setCombo("C1", 1, "D");
    n.setCargaPuntual("D", 7, 0, 0);
    EXPECT_EQ(n.getPxCombo(0), 0);
}

TEST(Nudo, DesplazamientosYAvisoDeCantidadDeCombos) {
    objNudo2d n;
    n.setCombo("C1", 1, "D");
    Eigen::MatrixXd d(3, 1);
    d << 0.1, -0.2, 0.003;
    {
        capturaConsola consola;
        n.setDesplazamientos(d);
        EXPECT_EQ(consola.texto(), "");
    }
    EXPECT_DOUBLE_EQ(n.getDesplazamientoX(0), 0.1);
    EXPECT_DOUBLE_EQ(n.getDesplazamientoY(0), -0.2);
    EXPECT_DOUBLE_EQ(n.getGiroZ(0), 0.003);

    capturaConsola consola;
    n.setDesplazamientos(Eigen::MatrixXd::Ones(3, 2));
    EXPECT_EQ(consola.texto(),
              "La cantidad de combos de desplazamientos no es igual a la cantidad de combos en "
              "Ingreso de Datos\n");
    EXPECT_EQ(n.getDesplazamientoX(1), 1);  // stored anyway
}

// Spring k on the diagonal of K: the solver's r = K·u - p includes k·u. A free
// sprung direction (r = 0 residual) reports the spring force -k·u; a direction
// both restrained and sprung (u = 0) keeps the support reaction.
TEST(Nudo, ReaccionDeDireccionConResorte) {
    objNudo2d n;
    n.setApoyo(0, 1, 0);
    n.setResorte(1000, 500, 0);
    n.setCombo("C1", 1, "D");
    n.setCombo("C2", 1, "D");
    Eigen::MatrixXd d(3, 2);
    d << 0.002, -0.001,  // X free, sprung
        0, 0,            // Y restrained and sprung
        0.01, 0.02;      // rotation free, no spring
    n.setDesplazamientos(d);
    Eigen::MatrixXd r(3, 2);
    r << 1e-15, 0,  // equilibrium residual
        7, -3,      // support reaction
        4, 5;       // residual left as the solver gave it (no spring)
    n.setReacciones(r);
    EXPECT_NEAR(n.getReaccionX(0), -2, 1e-12);
    EXPECT_NEAR(n.getReaccionX(1), 1, 1e-12);
    EXPECT_DOUBLE_EQ(n.getReaccionY(0), 7);
    EXPECT_DOUBLE_EQ(n.getReaccionY(1), -3);
    EXPECT_DOUBLE_EQ(n.getReaccionM(0), 4);
    EXPECT_DOUBLE_EQ(n.getReaccionM(1), 5);
}

// Single spring k under load F: u = F/k, r = k·u - F = 0, reported -F.
TEST(Nudo, ResorteAisladoReportaMenosLaCarga) {
    objNudo2d n;
    n.setResorte(0, 250, 0);
    n.setCargaPuntual("D", 0, 10, 0);
    n.setCombo("C1", 1, "D");
    Eigen::MatrixXd d = Eigen::MatrixXd::Zero(3, 1);
    d(1, 0) = 10.0 / 250;
    n.setDesplazamientos(d);
    n.setReacciones(Eigen::MatrixXd::Zero(3, 1));
    EXPECT_NEAR(n.getReaccionY(0), -10, 1e-12);
}

TEST(Nudo, IndicesFueraDeRangoYSinResultadosDanCero) {
    objNudo2d n;
    n.setCargaPuntual("D", 1, 2, 3);
    n.setCombo("C1", 1, "D");
    EXPECT_EQ(n.getPxCombo(-1), 0);
    EXPECT_EQ(n.getPyCombo(1), 0);
    EXPECT_EQ(n.getNombreCombo(5), "");
    EXPECT_EQ(n.getDesplazamientoX(0), 0);  // no solve yet
    EXPECT_EQ(n.getReaccionM(0), 0);
    n.setResorte(10, 0, 0);
    n.setReacciones(Eigen::MatrixXd::Ones(3, 1));  // no displacements: spring term 0
    EXPECT_EQ(n.getReaccionX(0), 1);
    EXPECT_EQ(n.getReaccionX(3), 0);
    n.setReacciones(Eigen::MatrixXd::Ones(1, 4));  // malformed result matrix
    EXPECT_EQ(n.getReaccionY(0), 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    n.setResorte(nan, 0, 0);  // a NaN stiffness counts as a spring
    n.setDesplazamientos(Eigen::MatrixXd::Ones(3, 1));
    n.setReacciones(Eigen::MatrixXd::Zero(3, 1));
    EXPECT_TRUE(std::isnan(n.getReaccionX(0)));
}
