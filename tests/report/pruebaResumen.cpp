// "resumen.txt": the balance of loads and reactions on generated frames, the
// note on a combination that does not balance, and the number format.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "archivoTemporal.h"
#include "equilibrioCargas.h"
#include "funcionSolucionU.h"
#include "modeloAleatorio.h"
#include "seccionesTablas.h"
#include "textoResumen.h"

namespace {

// The summary of model m read from file `archivo`, solved now into sol.
std::string resumenResuelto(const modelo& m, solucion& sol, const std::string& archivo = "") {
    capturaConsola consola;
    sol = funcionSolucionU(m);
    std::ostringstream s;
    escribirResumen(s, datosTablas{m, sol, archivo});
    return s.str();
}

// Every number written after `etiqueta` in the text, in order.
std::vector<double> valoresTras(const std::string& texto, const std::string& etiqueta) {
    std::vector<double> v;
    for (std::size_t p = texto.find(etiqueta); p != std::string::npos;
         p = texto.find(etiqueta, p + 1)) {
        v.push_back(std::strtod(texto.c_str() + p + etiqueta.size(), nullptr));
    }
    return v;
}

// Size of the stiffness forces of combination c: for every bar the largest
// entry of |K_local|·|u_local|, plus every spring force |k·u|. The computed
// displacements carry a relative rounding of order eps, so forces balance
// only to about eps times this size; a stiff member carried as a rigid body
// on a soft spring makes it many orders larger than the loads.
double fuerzasDeRigidez(const modelo& m, const solucion& s, int c) {
    double f = 0;
    for (std::size_t i = 0; i < m.barra.size(); ++i) {
        const Eigen::VectorXd ul = s.barras[i].getDesplazamientosLocales().col(c).cwiseAbs();
        f += (m.barra[i].getKLocal().cwiseAbs() * ul).maxCoeff();
    }
    for (std::size_t i = 0; i < m.nudo.size(); ++i) {
        const objNudo2d& n = m.nudo[i];
        const resultadosNudo& r = s.nudos[i];
        f += std::abs(n.getResorteX() * r.getDesplazamientoX(c)) +
             std::abs(n.getResorteY() * r.getDesplazamientoY(c)) +
             std::abs(n.getResorteGiro() * r.getGiroZ(c));
    }
    return f;
}

}  // namespace

// On the generated frames of the solver's equilibrium test, the applied
// loads the summary adds up (point loads, distributed loads along and across
// each bar, moments about the origin) equal the sums made by hand from the
// generated data, and every combination balances: relative error below
// 1e-10, plus the rounding floor of the displacement method (a small
// multiple of eps times the stiffness forces) on the frames where that floor
// is higher. Most frames need no such allowance.
TEST(Resumen, EquilibrioEnPorticosAleatorios) {
    constexpr double eps = std::numeric_limits<double>::epsilon();
    constexpr double margenRedondeo = 64;
    std::mt19937 gen(semillaModelosAleatorios);
    int sinHolgura = 0, total = 0;
    for (int k = 0; k < cantidadModelosAleatorios; ++k) {
        resultante porCaso[2];
        const modelo m = construirModeloAleatorio(gen, porCaso);
        solucion sol;
        const std::string texto = resumenResuelto(m, sol);
        const std::vector<double> errores = valoresTras(texto, "Error relativo de equilibrio: ");
        ASSERT_EQ(errores.size(), static_cast<std::size_t>(combosAleatorios)) << texto;
        for (int c = 0; c < combosAleatorios; ++c) {
            const resultante aMano = cargaDelCombo(porCaso, c);
            const balanceEquilibrio b = balanceDeEquilibrio(m, sol, c);
            const double escala =
                std::abs(aMano.fx) + std::abs(aMano.fy) + std::abs(aMano.mz) + 1e-300;
            EXPECT_NEAR(b.cargas.fx, aMano.fx, 1e-12 * escala) << "modelo " << k;
            EXPECT_NEAR(b.cargas.fy, aMano.fy, 1e-12 * escala) << "modelo " << k;
            EXPECT_NEAR(b.cargas.mz, aMano.mz, 1e-12 * escala) << "modelo " << k;

            const double piso = margenRedondeo * eps * fuerzasDeRigidez(m, sol, c) /
                                (b.cargas.magnitud() + b.reacciones.magnitud());
            EXPECT_LT(errores[c], 1e-10 + piso) << "modelo " << k << " combo " << c;
            ++total;
            if (errores[c] < 1e-10) ++sinHolgura;
        }
        EXPECT_EQ(texto.find("ATENCIÓN"), std::string::npos) << "modelo " << k;
    }
    EXPECT_GT(sinHolgura, 9 * total / 10);
}

// Pinned at node 1 only, free at node 2: the bar turns about the pin. A load
// along the bar is carried (combination AX); one across it is not (PY), and
// only that combination is flagged, at the top of its section.
TEST(Resumen, CombinacionSinEquilibrio) {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 0);
    agregarNudo(m, 3, 0);
    agregarBarra(m, 0, 1, 1000, 1, 0.01);
    m.nudo[1].setCargaPuntual("AX", 5, 0, 0);
    m.nudo[1].setCargaPuntual("PY", 0, -5, 0);
    agregarCombo(m, "AX", {{1, "AX"}});
    agregarCombo(m, "PY", {{1, "PY"}});
    solucion sol;
    const std::string texto = resumenResuelto(m, sol);
    ASSERT_EQ(sol.combosSinEquilibrio, std::vector<int>{1});
    const std::size_t ax = texto.find("Combinación AX\n");
    const std::size_t py = texto.find("Combinación PY\n");
    ASSERT_NE(ax, std::string::npos);
    ASSERT_NE(py, std::string::npos);
    const std::string seccionAX = texto.substr(ax, py - ax);
    const std::string seccionPY = texto.substr(py);
    EXPECT_EQ(seccionAX.find("ATENCIÓN"), std::string::npos);
    EXPECT_EQ(seccionPY.find("ATENCIÓN"), seccionPY.find('\n', seccionPY.find('\n') + 1) + 1);
    // The pin takes the axial load: Rx = -5 (statics).
    EXPECT_NE(seccionAX.find("\n1" + std::string(22 + 13, ' ') + "-5"), std::string::npos)
        << seccionAX;
}

// Cantilever of length 4 with 3 downwards at the tip (node 2): the summary
// names the model, the tip as the largest displacement, the clamp moment
// -P·L = -12 as the largest |M| at x = 0, and the reactions (0, 3, 12).
TEST(Resumen, MensulaLeidaPorUnaPersona) {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 4, 0);
    agregarBarra(m, 0, 1, 1000, 1, 0.01);
    m.nudo[1].setCargaPuntual("P", 0, -3, 0);
    agregarCombo(m, "C1", {{1, "P"}});
    solucion sol;
    const std::string texto = resumenResuelto(m, sol, "mensula.txt");
    EXPECT_EQ(texto.rfind("Resumen de resultados de mensula.txt\nModelo: 2 nudos, 1 barras, 1 "
                          "combinaciones, 3 grados de libertad libres\n",
                          0),
              0u)
        << texto;
    // Tip deflection P·L³/(3EI) = 3·64/30 = 6.4 downwards.
    EXPECT_NE(texto.find("Mayor desplazamiento:  nudo 2, uy = -6.4\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Mayor |M|:" + std::string(13, ' ') + "barra 1, x = 0, M = -12\n"),
              std::string::npos)
        << texto;
    // Node 1 in a column of 23 characters, then the numbers in columns of 15.
    const std::string filaApoyo = "\n1" + std::string(22, ' ') + std::string(14, ' ') + "0" +
                                  std::string(14, ' ') + "3" + std::string(13, ' ') + "12\n";
    EXPECT_NE(texto.find(filaApoyo), std::string::npos) << texto;
}

// Two equal cantilevers of 4 side by side, the second loaded 1e-14 more
// (rounding noise): the first tip is named as the largest displacement, and
// the first clamp as the largest |M|, although the second's are larger in
// their last digits. A load 1e-6 larger is no noise: the second wins.
TEST(Resumen, EmpateDeRedondeoLoGanaElPrimeroDelArchivo) {
    for (const double exceso : {1e-14, 1e-6}) {
        modelo m;
        agregarNudo(m, 0, 0, 1, 1, 1);
        agregarNudo(m, 4, 0);
        agregarNudo(m, 0, 10, 1, 1, 1);
        agregarNudo(m, 4, 10);
        agregarBarra(m, 0, 1, 1000, 1, 0.01);
        agregarBarra(m, 2, 3, 1000, 1, 0.01);
        m.nudo[1].setCargaPuntual("P", 0, -3, 0);
        m.nudo[3].setCargaPuntual("P", 0, -3 * (1 + exceso), 0);
        agregarCombo(m, "C1", {{1, "P"}});
        solucion sol;
        const std::string texto = resumenResuelto(m, sol);
        const bool ruido = exceso < umbralRuido;
        EXPECT_NE(texto.find(std::string("Mayor desplazamiento:  nudo ") + (ruido ? "2" : "4")),
                  std::string::npos)
            << texto;
        EXPECT_NE(texto.find("Mayor |M|:" + std::string(13, ' ') + "barra " + (ruido ? "1" : "2") +
                             ", x = 0"),
                  std::string::npos)
            << texto;
    }
}

TEST(Resumen, FormatoDeNumerosYColumnas) {
    EXPECT_EQ(cifra(1.0 / 3, 1), "0.333333");
    EXPECT_EQ(cifra(-224.64, 300), "-224.64");
    EXPECT_EQ(cifra(1.5e-5, 1.5e-5), "1.5e-05");
    EXPECT_EQ(cifra(1234567, 1234567), "1.23457e+06");
    // Rounding noise against the largest of its kind reads 0; the same
    // value is shown where it is the largest.
    EXPECT_EQ(cifra(3e-14, 100), "0");
    EXPECT_EQ(cifra(3e-14, 3e-14), "3e-14");
    EXPECT_EQ(cifra(-0.0, 1), "0");
    // Columns count characters, not bytes.
    EXPECT_EQ(aDerecha("Mz", 5), "   Mz");
    EXPECT_EQ(aIzquierda("Combinación", 13), "Combinación  ");
    EXPECT_EQ(aDerecha("demasiado largo", 4), "demasiado largo");
}
