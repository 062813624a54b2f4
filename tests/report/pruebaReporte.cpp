// The report of a model small enough to work out by hand, compared in full,
// and the warning when "resultados.txt" cannot be opened.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "../solver/modeloPrueba.h"
#include "archivoTemporal.h"
#include "funcionImprimirResultados.h"
#include "funcionSolucionU.h"
#include "modeloIncompleto.h"

namespace {

// Runs f with a fresh temporary directory as the current directory.
template <class F>
void enDirectorioTemporal(F f) {
    char plantilla[] = "/tmp/karvel-reporte-XXXXXX";
    ASSERT_NE(mkdtemp(plantilla), nullptr);
    char anterior[4096];
    ASSERT_NE(getcwd(anterior, sizeof anterior), nullptr);
    ASSERT_EQ(chdir(plantilla), 0);
    f();
    ASSERT_EQ(chdir(anterior), 0);
    std::system(("rm -rf " + std::string(plantilla)).c_str());
}

std::string leer(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Simply supported bar of length L = 2 between user nodes 10 (pinned, at the
// origin) and 20 (roller), user bar 7, A = 0.01, I = 0.002, E = 1000, so that
// EA/L = 5, 12EI/L³ = 6EI/L² = 3, 4EI/L = 4, 2EI/L = 2.
//   C1: at node 20, Px = 2 and Mz = 6. Free block (θ10, u20, θ20):
//       u20 = 2/5 = 0.4; [4 2; 2 4]·(θ10, θ20) = (0, 6) → θ10 = −1, θ20 = 2
//       (ML/6EI and ML/3EI). End moments on the bar M1 = 0, M2 = 6;
//       C1 = (M1 + M2)/L = 3, C2 = −M1, C3 = EI·θ10 = −2, C4 = EI·u2 = 0;
//       N = EA/L·0.4 = 2; V = 3 throughout; M from 0 to 6.
//   C2: uniform transverse q = −3. Equivalent loads (0, qL/2, qL²/12, 0,
//       qL/2, −qL²/12) = (0, −3, −1, 0, −3, 1); free block right-hand side
//       (−1, 0, 1) → θ10 = −0.5, θ20 = 0.5 (wL³/24EI); M1 = M2 = 0;
//       A = 0, B = −q = 3, C1 = wL/2 = 3, C3 = EI·θ10 = −1; V from 3 to −3.
// Signed zeros: with no load, A = −(qf − qi)/L, B = −qi and the clamped end
// moment −L²·(qi/30 + qf/20) are −0, which the stream writes "-0" (the end
// moment becomes +0 once rotated to global axes, a sum with +0); C2 comes
// out of the 4 x 4 solve as +0.
modelo modeloDeDosNudos() {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 0);
    agregarNudo(m, 2, 0, 0, 1, 0);
    m.nudo[0].setNumeroNudoUsuario(10);
    m.nudo[1].setNumeroNudoUsuario(20);
    agregarBarra(m, 0, 1, 1000, 0.01, 0.002);
    m.barra[0].setNumeroBarraUsuario(7);
    m.barra[0].setNudoInicioUsuario(10);
    m.barra[0].setNudoFinalUsuario(20);
    m.nudo[1].setCargaPuntual("P", 2, 0, 6);
    m.barra[0].setCargaLocal("Q", 0, 0, -3, -3);
    agregarCombo(m, "C1", {{1.0, "P"}});
    agregarCombo(m, "C2", {{1.0, "Q"}});
    return m;
}

const char* const reporteEsperado =
    "#Nudo CoordX coordY\n"
    "10 0 0\n"
    "20 2 0\n"
    "\n\n"
    "Apoyado = 1; sin Apoyo = 0\n"
    "#Nudo | ApoyoX | ApoyoY | giro\n"
    "0 1 1 0\n"
    "1 0 1 0\n"
    "\n\n"
    "Matrices de Rigidez de Barras\n"
    "#_barra: 7\n"
    "nudo_Inicio: 10\n"
    "nudo_final: 20\n"
    "longitud: 2\n"
    "angulo: 0\n"
    "Area: 0.01\n"
    "Inercia: 0.002\n"
    "modE: 1000\n"
    "grados_de_libertad: 1 2 3 4 5 6\n"
    "Matriz_de_Rigidez:\n"
    " 5  0  0 -5  0  0\n"
    " 0  3  3  0 -3  3\n"
    " 0  3  4  0 -3  2\n"
    "-5  0  0  5  0  0\n"
    " 0 -3 -3  0  3 -3\n"
    " 0  3  2  0 -3  4\n"
    "\n"
    "\n\n"
    "MATRIZ DE RIGIDEZ DE TODA LA ESTRUCTURA: \n"
    " 5  0  0 -5  0  0\n"
    " 0  3  3  0 -3  3\n"
    " 0  3  4  0 -3  2\n"
    "-5  0  0  5  0  0\n"
    " 0 -3 -3  0  3 -3\n"
    " 0  3  2  0 -3  4\n"
    "\n\n"
    "CARGAS DISTRIBUIDAS LOCALES PARA CADA BARRA:\n"
    "#_barra: 7\n"
    "f_paralela_inicio: 0 0\n"
    "f_paralela_fin: 0 0\n"
    "q_perpend_inicio:  0 -3\n"
    "q_perpend_fin:  0 -3\n"
    "\n"
    "\n\n"
    "CARGAS EQUIVALENTES LOCALES Y GLOBALES PARA CADA BARRA:\n"
    "#_barra: 7\n"
    "fuerzas Equivalentes LOCALES:\n"
    "F1: 0 0\n"
    "F2:  0 -3\n"
    "M3:  0 -1\n"
    "F4: 0 0\n"
    "F5:  0 -3\n"
    "M6: -0  1\n"
    "fuerzas Equivalentes GLOBALES:\n"
    "Fx1: 0 0\n"
    "Fy2:  0 -3\n"
    "Mz3:  0 -1\n"
    "Fx4: 0 0\n"
    "Fy5:  0 -3\n"
    "Mz6: 0 1\n"
    "\n"
    "\n\n"
    "VECTOR DE CARGAS DE TODA LA ESTRUCTURA\n"
    " 0  0\n"
    " 0 -3\n"
    " 0 -1\n"
    " 2  0\n"
    " 0 -3\n"
    " 6  1\n"
    "\n\n"
    "VECTOR DE DESPLAZAMIENTOS\n"
    "   0    0\n"
    "   0    0\n"
    "  -1 -0.5\n"
    " 0.4    0\n"
    "   0    0\n"
    "   2  0.5\n"
    "\n\n"
    "VECTOR DE DESPLAZAMIENTOS GLOBALES Y LOCALES PARA CADA BARRA\n"
    "#_barra: 7\n"
    "Desplazamientos Globales [uGlobal]:\n"
    "ux: 0 0\n"
    "uy: 0 0\n"
    "Giro:   -1 -0.5\n"
    "ux: 0.4   0\n"
    "uy: 0 0\n"
    "Giro:   2 0.5\n"
    "Desplazamientos Locales [uLocal] = [T]*[uGlobal]:\n"
    "u1: 0 0\n"
    "u2: 0 0\n"
    "u3:   -1 -0.5\n"
    "u4: 0.4   0\n"
    "u5: 0 0\n"
    "u6:   2 0.5\n"
    "\n"
    "\n\n"
    "CONSTANTES DE INTEGRACI\xc3\x93N DE CADA BARRA:\n"
    "#_barra: 7\n"
    "Constantes:\n"
    "A: -0 -0\n"
    "B: -0  3\n"
    "C1: 3 3\n"
    "C2: 0 0\n"
    "C3: -2 -1\n"
    "C4: 0 0\n"
    "\n"
    "\n\n"
    "SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:\n"
    "#_barra: 7\n"
    "combo: 1\n"
    "N_inicio: 2\n"
    "N_fin: 2\n"
    "V_inicio: 3\n"
    "V_fin: 3\n"
    "M_inicio: 0\n"
    "M_fin: 6\n"
    "#_barra: 7\n"
    "combo: 2\n"
    "N_inicio: 0\n"
    "N_fin: 0\n"
    "V_inicio: 3\n"
    "V_fin: -3\n"
    "M_inicio: 0\n"
    "M_fin: 0\n"
    "\n"
    "\n\n";

}  // namespace

TEST(Reporte, ModeloDeDosNudosCompleto) {
    const modelo m = modeloDeDosNudos();
    const solucion s = funcionSolucionU(m);
    enDirectorioTemporal([&] {
        capturaConsola consola;
        const bool escrito = funcionImprimirResultados(m, s);
        EXPECT_EQ(consola.texto(), "");
        EXPECT_TRUE(escrito);
        EXPECT_EQ(leer("resultados.txt"), reporteEsperado);
        // A second report truncates and rewrites the file whole.
        funcionImprimirResultados(m, s);
        EXPECT_EQ(leer("resultados.txt"), reporteEsperado);
    });
}

// Three combinations give three numbers on every per-combination line; 1-based
// freedom numbers above 9 are right-aligned to two characters.
TEST(Reporte, AlineacionDeGradosDeLibertad) {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 1, 0);
    agregarNudo(m, 2, 0);
    agregarNudo(m, 3, 0);
    agregarBarra(m, 0, 1, 1000, 0.01, 0.002);
    agregarBarra(m, 1, 2, 1000, 0.01, 0.002);
    agregarBarra(m, 2, 3, 1000, 0.01, 0.002);
    agregarCombo(m, "A", {{1.0, "X"}});
    agregarCombo(m, "B", {{1.0, "X"}});
    agregarCombo(m, "C", {{1.0, "X"}});
    const solucion s = funcionSolucionU(m);
    enDirectorioTemporal([&] {
        funcionImprimirResultados(m, s);
        const std::string r = leer("resultados.txt");
        EXPECT_NE(r.find("grados_de_libertad: 1 2 3 4 5 6\n"), std::string::npos);
        EXPECT_NE(r.find("grados_de_libertad: 4 5 6 7 8 9\n"), std::string::npos);
        EXPECT_NE(r.find("grados_de_libertad:  7  8  9 10 11 12\n"), std::string::npos);
        EXPECT_NE(r.find("f_paralela_inicio: 0 0 0\n"), std::string::npos);
        EXPECT_NE(r.find("combo: 3\n"), std::string::npos);
        EXPECT_EQ(r.substr(r.size() - 3), "\n\n\n");
    });
}

// When "resultados.txt" cannot be opened (here a directory stands in its
// place), one warning line and nothing else.
TEST(Reporte, ArchivoQueNoSePuedeAbrir) {
    const modelo m = modeloDeDosNudos();
    const solucion s = funcionSolucionU(m);
    enDirectorioTemporal([&] {
        ASSERT_EQ(mkdir("resultados.txt", 0755), 0);
        capturaConsola consola;
        EXPECT_FALSE(funcionImprimirResultados(m, s));
        EXPECT_EQ(consola.texto(),
                  "Advertencia: no se pudo abrir resultados.txt para escribir; no se escribe el "
                  "reporte\n");
        // The next report, with the way clear, is written.
        rmdir("resultados.txt");
        EXPECT_TRUE(funcionImprimirResultados(m, s));
        EXPECT_EQ(leer("resultados.txt"), reporteEsperado);
    });
}

// What the model lacks, named in one line, in the order nodes, bars,
// combinations.
TEST(Reporte, MensajeDelModeloIncompleto) {
    faltantesDelModelo f;
    EXPECT_EQ(mensajeModeloIncompleto(f), "");
    f.combos = true;
    EXPECT_EQ(mensajeModeloIncompleto(f),
              "El modelo no tiene combinaciones de carga; no se resuelve ni se escribe "
              "resultados.txt");
    f.barras = true;
    EXPECT_EQ(mensajeModeloIncompleto(f),
              "El modelo no tiene barras ni combinaciones de carga; no se resuelve ni se "
              "escribe resultados.txt");
    f.nudos = true;
    EXPECT_EQ(mensajeModeloIncompleto(f),
              "El modelo no tiene nudos, barras ni combinaciones de carga; no se resuelve ni "
              "se escribe resultados.txt");
    f.barras = false;
    EXPECT_EQ(mensajeModeloIncompleto(f),
              "El modelo no tiene nudos ni combinaciones de carga; no se resuelve ni se "
              "escribe resultados.txt");
}
