// Node: freedoms, loads of a combination, combination lookup, results and the
// reaction of sprung directions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "modelo.h"
#include "objNudo2d.h"
#include "resultadosNudo.h"

namespace {
comboCarga combo(const std::string& nombre, std::vector<terminoCombo> terminos) {
    return {nombre, std::move(terminos)};
}
}  // namespace

TEST(Nudo, RecienCreadoLibreSinResortesNiCombos) {
    objNudo2d n;
    EXPECT_EQ(n.getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_EQ(n.getResorteX(), 0);
    EXPECT_EQ(n.getResorteY(), 0);
    EXPECT_EQ(n.getResorteGiro(), 0);
    EXPECT_TRUE(n.getCargasPuntuales().empty());
    EXPECT_EQ(n.getCargasCombo(combo("C1", {{1, "D"}})), Eigen::Vector3d::Zero().eval());
    EXPECT_EQ(modelo().getNumeroDeCombo("C1"), -1);
    EXPECT_EQ(resultadosNudo().getCantidadDeCombos(), 0);
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
    modelo m;
    m.nudo.resize(1);
    objNudo2d& n = m.nudo[0];
    n.setCoordenadas(1.5, -2);
    n.setCargaPuntual("D", 1, 2, 3);
    n.setCargaPuntual("D", 10, 20, 30);     // same case: both count
    n.setCargaPuntual("d", 100, 100, 100);  // another case (names are exact)
    n.setCargaPuntual("W", 5, 0, 0);        // no combination names it
    m.combos = {combo("C1", {{1.2, "D"}}),
                combo("C2", {{1, "D"}, {0.5, "D"}}),  // the same case twice: counted twice
                combo("C3", {{2, "L"}})};             // case without loads at this node: zero row
    m.noCombos = 3;
    EXPECT_DOUBLE_EQ(n.getX(), 1.5);
    EXPECT_DOUBLE_EQ(n.getY(), -2);
    ASSERT_EQ(m.combos.size(), 3u);
    EXPECT_EQ(m.nombreDelCombo(1), "C2");
    Eigen::MatrixXd esperado(3, 3);
    esperado << 13.2, 26.4, 39.6, 16.5, 33, 49.5, 0, 0, 0;
    Eigen::MatrixXd obtenido(3, 3);
    for (int c = 0; c < 3; ++c) obtenido.row(c) = n.getCargasCombo(m.combos[c]).transpose();
    EXPECT_TRUE(obtenido.isApprox(esperado, 1e-14));
    EXPECT_DOUBLE_EQ(n.getCargasCombo(m.combos[0])(0), 13.2);
    EXPECT_DOUBLE_EQ(n.getCargasCombo(m.combos[1])(1), 33);
    EXPECT_DOUBLE_EQ(n.getCargasCombo(m.combos[2])(2), 0);
    EXPECT_EQ(m.getNumeroDeCombo("C2"), 1);
    EXPECT_EQ(m.getNumeroDeCombo("c2"), -1);
}

TEST(Nudo, Desplazamientos) {
    objNudo2d n;
    Eigen::MatrixXd d(3, 1);
    d << 0.1, -0.2, 0.003;
    const resultadosNudo r(n, d, Eigen::MatrixXd::Zero(3, 1));
    EXPECT_EQ(r.getCantidadDeCombos(), 1);
    EXPECT_DOUBLE_EQ(r.getDesplazamientoX(0), 0.1);
    EXPECT_DOUBLE_EQ(r.getDesplazamientoY(0), -0.2);
    EXPECT_DOUBLE_EQ(r.getGiroZ(0), 0.003);

    const resultadosNudo dos(n, Eigen::MatrixXd::Ones(3, 2), Eigen::MatrixXd::Zero(3, 2));
    EXPECT_EQ(dos.getDesplazamientoX(1), 1);  // one column per combination
}

// Spring k on the diagonal of K: the solver's r = K·u - p includes k·u. A free
// sprung direction (r = 0 residual) reports the spring force -k·u; a direction
// both restrained and sprung (u = 0) keeps the support reaction.
TEST(Nudo, ReaccionDeDireccionConResorte) {
    objNudo2d n;
    n.setApoyo(0, 1, 0);
    n.setResorte(1000, 500, 0);
    Eigen::MatrixXd d(3, 2);
    d << 0.002, -0.001,  // X free, sprung
        0, 0,            // Y restrained and sprung
        0.01, 0.02;      // rotation free, no spring
    Eigen::MatrixXd r(3, 2);
    r << 1e-15, 0,  // equilibrium residual
        7, -3,      // support reaction
        4, 5;       // residual left as the solver gave it (no spring)
    const resultadosNudo res(n, d, r);
    EXPECT_NEAR(res.getReaccionX(0), -2, 1e-12);
    EXPECT_NEAR(res.getReaccionX(1), 1, 1e-12);
    EXPECT_DOUBLE_EQ(res.getReaccionY(0), 7);
    EXPECT_DOUBLE_EQ(res.getReaccionY(1), -3);
    EXPECT_DOUBLE_EQ(res.getReaccionM(0), 4);
    EXPECT_DOUBLE_EQ(res.getReaccionM(1), 5);
}

// Single spring k under load F: u = F/k, r = k·u - F = 0, reported -F.
TEST(Nudo, ResorteAisladoReportaMenosLaCarga) {
    objNudo2d n;
    n.setResorte(0, 250, 0);
    n.setCargaPuntual("D", 0, 10, 0);
    Eigen::MatrixXd d = Eigen::MatrixXd::Zero(3, 1);
    d(1, 0) = 10.0 / 250;
    const resultadosNudo r(n, d, Eigen::MatrixXd::Zero(3, 1));
    EXPECT_NEAR(r.getReaccionY(0), -10, 1e-12);
}

TEST(Nudo, IndicesFueraDeRangoYSinResultadosDanCero) {
    objNudo2d n;
    n.setCargaPuntual("D", 1, 2, 3);
    const resultadosNudo sinResolver;
    EXPECT_EQ(sinResolver.getDesplazamientoX(0), 0);  // no solve yet
    EXPECT_EQ(sinResolver.getReaccionM(0), 0);
    n.setResorte(10, 0, 0);
    // No displacements: spring term 0.
    const resultadosNudo sinDesplazamientos(n, Eigen::MatrixXd(), Eigen::MatrixXd::Ones(3, 1));
    EXPECT_EQ(sinDesplazamientos.getReaccionX(0), 1);
    EXPECT_EQ(sinDesplazamientos.getReaccionX(3), 0);
    EXPECT_EQ(sinDesplazamientos.getDesplazamientoX(-1), 0);
    // Malformed result matrix.
    const resultadosNudo malformada(n, Eigen::MatrixXd(), Eigen::MatrixXd::Ones(1, 4));
    EXPECT_EQ(malformada.getReaccionY(0), 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    n.setResorte(nan, 0, 0);  // a NaN stiffness counts as a spring
    const resultadosNudo conNan(n, Eigen::MatrixXd::Ones(3, 1), Eigen::MatrixXd::Zero(3, 1));
    EXPECT_TRUE(std::isnan(conNan.getReaccionX(0)));
}
