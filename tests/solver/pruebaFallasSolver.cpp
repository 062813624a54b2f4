// Unsound or degenerate models: the solver keeps its solution, warns once per
// unbalanced combination, never decomposes an empty matrix, and never stops.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "archivoTemporal.h"
#include "funcionSolucionU.h"
#include "globales.h"
#include "modeloPrueba.h"

namespace {

const std::string aviso =
    "Advertencia: la estructura es inestable o la matriz de rigidez es singular; el combo ";

int veces(const std::string& texto, const std::string& que) {
    int n = 0;
    for (size_t p = texto.find(que); p != std::string::npos; p = texto.find(que, p + 1)) ++n;
    return n;
}

std::string resolverCapturando() {
    capturaConsola consola;
    funcionSolucionU();
    return consola.texto();
}

}  // namespace

// A bar hinged at both ends, pinned at one node and free at the other: a
// mechanism transversally. A combination that pushes along the mechanism is
// warned about by name; one that only pulls along the bar is in equilibrium.
TEST(FallasSolver, MecanismoAvisaSoloLasCombinacionesDesequilibradas) {
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 0);
    agregarNudo(3, 0);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4, 0.0, 0.0);
    nudo[1].setCargaPuntual("T", 0, -5, 0);
    nudo[1].setCargaPuntual("A", 7, 0, 0);
    agregarCombo("EMPUJE", {{1.0, "T"}});
    agregarCombo("TIRO", {{1.0, "A"}});
    agregarCombo("AMBOS", {{1.0, "A"}, {1.0, "T"}});
    const std::string texto = resolverCapturando();

    EXPECT_EQ(veces(texto, aviso), 2) << texto;
    EXPECT_NE(texto.find(aviso + "EMPUJE no cumple el equilibrio\n"), std::string::npos);
    EXPECT_NE(texto.find(aviso + "AMBOS no cumple el equilibrio\n"), std::string::npos);
    EXPECT_EQ(texto.find(aviso + "TIRO"), std::string::npos);
    // The same two, by index, for the outputs that flag them.
    EXPECT_EQ(combosSinEquilibrio, (std::vector<int>{0, 2}));
    // The solution is kept: the axial part is solved, the singular part is 0.
    EXPECT_NEAR(nudo[1].getDesplazamientoX(1), 7 * 3 / (2e7 * 0.01), 1e-15);
    EXPECT_EQ(nudo[1].getDesplazamientoY(0), 0.0);
    EXPECT_TRUE(modeloResuelto);
}

// The three freedoms of user node 3, which no bar reaches, named one by one.
const std::string nudo3SinRigidez =
    "Advertencia: el nudo 3 no tiene rigidez en la dirección X (mecanismo)\n"
    "Advertencia: el nudo 3 no tiene rigidez en la dirección Y (mecanismo)\n"
    "Advertencia: el nudo 3 no tiene rigidez en la dirección giro (mecanismo)\n";

// A loaded node that no bar reaches cannot be in equilibrium; its freedoms
// are named before the combination.
TEST(FallasSolver, NudoSueltoCargado) {
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(2, 0);
    agregarNudo(5, 5);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4);
    nudo[2].setCargaPuntual("P", 0, 0, 3);
    agregarCombo("C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(), nudo3SinRigidez + aviso + "C1 no cumple el equilibrio\n");
}

// An unloaded free node nothing reaches makes kLL singular but leaves every
// combination in equilibrium: its freedoms are named (a modelling mistake
// the user wants to see), no combination is warned about, displacement 0.
TEST(FallasSolver, NudoSueltoSinCargaNombraSusGrados) {
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(2, 0);
    agregarNudo(5, 5);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4);
    nudo[1].setCargaPuntual("P", 1, -2, 0.5);
    agregarCombo("C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(), nudo3SinRigidez);
    EXPECT_TRUE(combosSinEquilibrio.empty());
    EXPECT_EQ(nudo[2].getDesplazamientoY(0), 0.0);
    // The loaded cantilever tip moves as it would alone, under P = −2 and
    // M = 0.5 at L = 2: v = PL³/3EI + ML²/2EI (cantilever tables).
    const double EI = 2e7 * 1e-4;
    EXPECT_NEAR(nudo[1].getDesplazamientoY(0), (-2 * 8 / 3.0 + 0.5 * 4 / 2) / EI, 1e-12);
}

// Ten freedoms are named at most, then how many more: four loose nodes
// (numbers 2 to 5) have twelve freedoms without stiffness.
TEST(FallasSolver, AlosumoDiezGradosNombrados) {
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    for (int i = 1; i <= 4; ++i) agregarNudo(i, i);
    agregarNudo(9, 0, 1, 1, 1);
    agregarBarra(0, 5, 2e7, 0.01, 1e-4);
    agregarCombo("C1", {{1.0, "P"}});
    const std::string texto = resolverCapturando();
    EXPECT_EQ(veces(texto, "no tiene rigidez"), 10) << texto;
    EXPECT_NE(texto.find("Advertencia: el nudo 2 no tiene rigidez en la dirección X (mecanismo)\n"),
              std::string::npos);
    EXPECT_NE(texto.find("Advertencia: el nudo 5 no tiene rigidez en la dirección X (mecanismo)\n"
                         "... y 2 más\n"),
              std::string::npos)
        << texto;
}

// Stiff but sound: members of E = 2e8 with loads of 1e-6, next to a very soft
// spring and a very soft member; the residual is rounding and no alarm is
// raised, and the soft spring still takes its share exactly.
TEST(FallasSolver, EstructuraRigidaYSanaNoDaFalsaAlarma) {
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(0, 4);
    agregarNudo(6, 4);
    agregarNudo(6, 0, 1, 1, 1);
    agregarNudo(12, 4);
    agregarBarra(0, 1, 2e8, 0.16, 0.16 * 0.16 / 12);
    agregarBarra(1, 2, 2e8, 0.18, 0.3 * std::pow(0.6, 3) / 12);
    agregarBarra(2, 3, 2e8, 0.16, 0.16 * 0.16 / 12);
    agregarBarra(2, 4, 1.0, 1e-4, 1e-9);  // a thread of rubber
    nudo[4].setResorte(1e-3, 1e-3, 1e-6);
    nudo[1].setCargaPuntual("W", 1e-6, 0, 0);
    nudo[4].setCargaPuntual("W", 0, -1e-6, 0);
    barra[1].setCargaLocal("D", 0, 0, -1e-6, -2e-6);
    agregarCombo("C1", {{1.0, "W"}});
    agregarCombo("C2", {{1.0, "D"}, {0.5, "W"}});
    EXPECT_EQ(resolverCapturando(), "");
}

// Every freedom restrained: uLibres is 0 x NC, u is all zeros and the
// reactions are minus the loads; nothing is decomposed.
TEST(FallasSolver, SinGradosDeLibertadLibres) {
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(4, 0, 1, 1, 1);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4);
    nudo[1].setCargaPuntual("P", 2, -3, 4);
    agregarCombo("C1", {{1.0, "P"}});
    agregarCombo("C2", {{2.0, "P"}});
    EXPECT_EQ(resolverCapturando(), "");
    EXPECT_EQ(noLibres, 0);
    EXPECT_EQ(uLibres.rows(), 0);
    EXPECT_EQ(uLibres.cols(), 2);
    EXPECT_TRUE(u.isZero(0));
    EXPECT_DOUBLE_EQ(nudo[1].getReaccionY(1), 6.0);
    EXPECT_DOUBLE_EQ(nudo[1].getReaccionM(0), -4.0);
}

// Degenerate models: empty, no combinations, a node or bar with fewer
// combination rows than noCombos, a support flag other than 0 and 1, bars
// whose nodes are not in the model, non-finite data. None may stop the
// program; non-finite results are warned about.
TEST(FallasSolver, ModelosDegeneradosNoDetienenElPrograma) {
    vaciarModelo();
    EXPECT_EQ(resolverCapturando(), "");
    EXPECT_EQ(kEstructura.size(), 0);
    EXPECT_TRUE(modeloResuelto);

    // Combination rows missing on an element read as zero loads.
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(2, 0, 0, 2, 0);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4);
    nudo[1].setCargaPuntual("P", 1, 0, 0);
    agregarCombo("C1", {{1.0, "P"}});
    noCombos = 2;
    resolverCapturando();
    EXPECT_EQ(pCombo.cols(), 2);
    EXPECT_DOUBLE_EQ(pCombo(3, 1), 0.0);
    EXPECT_EQ(noLibres + noRestringidos, 5);  // flag 2: in neither list
    // Without combinations the nodes say so (their count check); no warning.
    noCombos = 0;
    EXPECT_EQ(resolverCapturando().find("Advertencia"), std::string::npos);
    EXPECT_EQ(uLibres.cols(), 0);

    // A bar whose end node index lies outside the model adds nothing.
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(2, 0);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4);
    barra.emplace_back();
    barra[1].setNudoInicio(1, 2, 0);
    barra[1].setNudoFinal(7, 2, 3);
    barra[1].setSeccionGenerica(0.01, 1e-4);
    barra[1].setModuloE(2e7);
    noBarras = 2;
    nudo[1].setCargaPuntual("P", 0, -1, 0);
    agregarCombo("C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando().find("Advertencia"), std::string::npos);
    EXPECT_LT(nudo[1].getDesplazamientoY(0), 0);

    // Counts larger than the lists.
    noNudos = 9;
    resolverCapturando();
    EXPECT_EQ(u.rows(), 6);

    // Non-finite stiffness and loads.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(2, 0);
    agregarBarra(0, 1, nan, 0.01, 1e-4);
    nudo[1].setCargaPuntual("P", 0, -1, 0);
    agregarCombo("C1", {{1.0, "P"}});
    // Every residual is NaN: the first free freedom, node 2 along X, is named.
    const std::string residuoNudo2 =
        "Advertencia: en el combo C1 el mayor residuo de equilibrio está en el nudo 2 en la "
        "dirección X\n";
    EXPECT_EQ(resolverCapturando(), aviso + "C1 no cumple el equilibrio\n" + residuoNudo2);

    vaciarModelo();
    agregarNudo(0, 0, 1, 1, 1);
    agregarNudo(2, 0);
    agregarBarra(0, 1, 2e7, 0.01, 1e-4);
    nudo[1].setCargaPuntual("P", inf, 0, 0);
    nudo[1].setResorte(0, inf, 0);
    agregarCombo("C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(), aviso + "C1 no cumple el equilibrio\n" + residuoNudo2);
}
