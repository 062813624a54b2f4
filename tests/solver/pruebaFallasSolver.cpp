// Unsound or degenerate models: the solver keeps its solution, warns once per
// unbalanced combination, never decomposes an empty matrix, and never stops.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "archivoTemporal.h"
#include "funcionSolucionU.h"
#include "modeloPrueba.h"

namespace {

const std::string aviso =
    "Advertencia: la estructura es inestable o la matriz de rigidez es singular; el combo ";

int veces(const std::string& texto, const std::string& que) {
    int n = 0;
    for (size_t p = texto.find(que); p != std::string::npos; p = texto.find(que, p + 1)) ++n;
    return n;
}

// Solves m into s and returns what the solver printed.
std::string resolverCapturando(const modelo& m, solucion& s) {
    capturaConsola consola;
    s = funcionSolucionU(m);
    return consola.texto();
}

}  // namespace

// A bar hinged at both ends, pinned at one node and free at the other: a
// mechanism transversally. A combination that pushes along the mechanism is
// warned about by name; one that only pulls along the bar is in equilibrium.
TEST(FallasSolver, MecanismoAvisaSoloLasCombinacionesDesequilibradas) {
    modelo m;
    solucion s;
    agregarNudo(m, 0, 0, 1, 1, 0);
    agregarNudo(m, 3, 0);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4, 0.0, 0.0);
    m.nudo[1].setCargaPuntual("T", 0, -5, 0);
    m.nudo[1].setCargaPuntual("A", 7, 0, 0);
    agregarCombo(m, "EMPUJE", {{1.0, "T"}});
    agregarCombo(m, "TIRO", {{1.0, "A"}});
    agregarCombo(m, "AMBOS", {{1.0, "A"}, {1.0, "T"}});
    const std::string texto = resolverCapturando(m, s);

    EXPECT_EQ(veces(texto, aviso), 2) << texto;
    EXPECT_NE(texto.find(aviso + "EMPUJE no cumple el equilibrio\n"), std::string::npos);
    EXPECT_NE(texto.find(aviso + "AMBOS no cumple el equilibrio\n"), std::string::npos);
    EXPECT_EQ(texto.find(aviso + "TIRO"), std::string::npos);
    // The same two, by index, for the outputs that flag them.
    EXPECT_EQ(s.combosSinEquilibrio, (std::vector<int>{0, 2}));
    // The solution is kept: the axial part is solved, the singular part is 0.
    EXPECT_NEAR(s.nudos[1].getDesplazamientoX(1), 7 * 3 / (2e7 * 0.01), 1e-15);
    EXPECT_EQ(s.nudos[1].getDesplazamientoY(0), 0.0);
    EXPECT_TRUE(s.resuelto);
}

// The three freedoms of user node 3, which no bar reaches, named one by one.
const std::string nudo3SinRigidez =
    "Advertencia: el nudo 3 no tiene rigidez en la dirección X (mecanismo)\n"
    "Advertencia: el nudo 3 no tiene rigidez en la dirección Y (mecanismo)\n"
    "Advertencia: el nudo 3 no tiene rigidez en la dirección giro (mecanismo)\n";

// A loaded node that no bar reaches cannot be in equilibrium; its freedoms
// are named before the combination.
TEST(FallasSolver, NudoSueltoCargado) {
    modelo m;
    solucion s;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 2, 0);
    agregarNudo(m, 5, 5);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4);
    m.nudo[2].setCargaPuntual("P", 0, 0, 3);
    agregarCombo(m, "C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(m, s), nudo3SinRigidez + aviso + "C1 no cumple el equilibrio\n");
}

// An unloaded free node nothing reaches makes kLL singular but leaves every
// combination in equilibrium: its freedoms are named (a modelling mistake
// the user wants to see), no combination is warned about, displacement 0.
TEST(FallasSolver, NudoSueltoSinCargaNombraSusGrados) {
    modelo m;
    solucion s;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 2, 0);
    agregarNudo(m, 5, 5);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4);
    m.nudo[1].setCargaPuntual("P", 1, -2, 0.5);
    agregarCombo(m, "C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(m, s), nudo3SinRigidez);
    EXPECT_TRUE(s.combosSinEquilibrio.empty());
    EXPECT_EQ(s.nudos[2].getDesplazamientoY(0), 0.0);
    // The loaded cantilever tip moves as it would alone, under P = −2 and
    // M = 0.5 at L = 2: v = PL³/3EI + ML²/2EI (cantilever tables).
    const double EI = 2e7 * 1e-4;
    EXPECT_NEAR(s.nudos[1].getDesplazamientoY(0), (-2 * 8 / 3.0 + 0.5 * 4 / 2) / EI, 1e-12);
}

// Ten freedoms are named at most, then how many more: four loose nodes
// (numbers 2 to 5) have twelve freedoms without stiffness.
TEST(FallasSolver, AlosumoDiezGradosNombrados) {
    modelo m;
    solucion s;
    agregarNudo(m, 0, 0, 1, 1, 1);
    for (int i = 1; i <= 4; ++i) agregarNudo(m, i, i);
    agregarNudo(m, 9, 0, 1, 1, 1);
    agregarBarra(m, 0, 5, 2e7, 0.01, 1e-4);
    agregarCombo(m, "C1", {{1.0, "P"}});
    const std::string texto = resolverCapturando(m, s);
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
    modelo m;
    solucion s;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 0, 4);
    agregarNudo(m, 6, 4);
    agregarNudo(m, 6, 0, 1, 1, 1);
    agregarNudo(m, 12, 4);
    agregarBarra(m, 0, 1, 2e8, 0.16, 0.16 * 0.16 / 12);
    agregarBarra(m, 1, 2, 2e8, 0.18, 0.3 * std::pow(0.6, 3) / 12);
    agregarBarra(m, 2, 3, 2e8, 0.16, 0.16 * 0.16 / 12);
    agregarBarra(m, 2, 4, 1.0, 1e-4, 1e-9);  // a thread of rubber
    m.nudo[4].setResorte(1e-3, 1e-3, 1e-6);
    m.nudo[1].setCargaPuntual("W", 1e-6, 0, 0);
    m.nudo[4].setCargaPuntual("W", 0, -1e-6, 0);
    m.barra[1].setCargaLocal("D", 0, 0, -1e-6, -2e-6);
    agregarCombo(m, "C1", {{1.0, "W"}});
    agregarCombo(m, "C2", {{1.0, "D"}, {0.5, "W"}});
    EXPECT_EQ(resolverCapturando(m, s), "");
}

// Every freedom restrained: s.uLibres is 0 x NC, u is all zeros and the
// reactions are minus the loads; nothing is decomposed.
TEST(FallasSolver, SinGradosDeLibertadLibres) {
    modelo m;
    solucion s;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 4, 0, 1, 1, 1);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4);
    m.nudo[1].setCargaPuntual("P", 2, -3, 4);
    agregarCombo(m, "C1", {{1.0, "P"}});
    agregarCombo(m, "C2", {{2.0, "P"}});
    EXPECT_EQ(resolverCapturando(m, s), "");
    EXPECT_EQ(s.noLibres, 0);
    EXPECT_EQ(s.uLibres.rows(), 0);
    EXPECT_EQ(s.uLibres.cols(), 2);
    EXPECT_TRUE(s.u.isZero(0));
    EXPECT_DOUBLE_EQ(s.nudos[1].getReaccionY(1), 6.0);
    EXPECT_DOUBLE_EQ(s.nudos[1].getReaccionM(0), -4.0);
}

// Degenerate models: empty, no combinations, a count of combinations larger
// than the model's list of them, a support flag other than 0 and 1, bars
// whose nodes are not in the model, non-finite data. None may stop the
// program; non-finite results are warned about.
TEST(FallasSolver, ModelosDegeneradosNoDetienenElPrograma) {
    modelo m;
    solucion s;
    EXPECT_EQ(resolverCapturando(m, s), "");
    EXPECT_EQ(s.kEstructura.size(), 0);
    EXPECT_TRUE(s.resuelto);

    // Combinations counted but missing from the list read as zero loads.
    m = modelo();
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 2, 0, 0, 2, 0);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4);
    m.nudo[1].setCargaPuntual("P", 1, 0, 0);
    agregarCombo(m, "C1", {{1.0, "P"}});
    m.noCombos = 2;
    resolverCapturando(m, s);
    EXPECT_EQ(s.pCombo.cols(), 2);
    EXPECT_DOUBLE_EQ(s.pCombo(3, 1), 0.0);
    EXPECT_EQ(s.noLibres + s.noRestringidos, 5);  // flag 2: in neither list
    // Without combinations: no warning, and no result columns.
    m.noCombos = 0;
    EXPECT_EQ(resolverCapturando(m, s).find("Advertencia"), std::string::npos);
    EXPECT_EQ(s.uLibres.cols(), 0);

    // A bar whose end node index lies outside the model adds nothing.
    m = modelo();
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 2, 0);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4);
    m.barra.emplace_back();
    m.barra[1].setNudoInicio(1, 2, 0);
    m.barra[1].setNudoFinal(7, 2, 3);
    m.barra[1].setSeccionGenerica(0.01, 1e-4);
    m.barra[1].setModuloE(2e7);
    m.noBarras = 2;
    m.nudo[1].setCargaPuntual("P", 0, -1, 0);
    agregarCombo(m, "C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(m, s).find("Advertencia"), std::string::npos);
    EXPECT_LT(s.nudos[1].getDesplazamientoY(0), 0);

    // Counts larger than the lists.
    m.noNudos = 9;
    resolverCapturando(m, s);
    EXPECT_EQ(s.u.rows(), 6);

    // Non-finite stiffness and loads.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    m = modelo();
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 2, 0);
    agregarBarra(m, 0, 1, nan, 0.01, 1e-4);
    m.nudo[1].setCargaPuntual("P", 0, -1, 0);
    agregarCombo(m, "C1", {{1.0, "P"}});
    // Every residual is NaN: the first free freedom, node 2 along X, is named.
    const std::string residuoNudo2 =
        "Advertencia: en el combo C1 el mayor residuo de equilibrio está en el nudo 2 en la "
        "dirección X\n";
    EXPECT_EQ(resolverCapturando(m, s), aviso + "C1 no cumple el equilibrio\n" + residuoNudo2);

    m = modelo();
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 2, 0);
    agregarBarra(m, 0, 1, 2e7, 0.01, 1e-4);
    m.nudo[1].setCargaPuntual("P", inf, 0, 0);
    m.nudo[1].setResorte(0, inf, 0);
    agregarCombo(m, "C1", {{1.0, "P"}});
    EXPECT_EQ(resolverCapturando(m, s), aviso + "C1 no cumple el equilibrio\n" + residuoNudo2);
}
