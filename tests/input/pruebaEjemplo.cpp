// The portal frame of ingresoDatos.txt read as a user would: console lines in
// order, counts, load rows worked out by hand, settings.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <utility>

#include "lecturaPrueba.h"
#include "resultadosBarra.h"

namespace {

const char* const lineasEsperadas[] = {
    "lectura de nudos OK Num Nudos = 4",
    "lectura de barras OK Num Barras = 3",
    "punteros de nudos internos OK",
    "puntero de barras internas OK",
    "transferencia de coord a nudos[i] OK",
    "transferencia de apoyos a nudo[i] OK",
    "transferencia de cargas puntuales a nudo[i] OK",
    "transferencia de combos a nudo[i] OK",
    "transferencia de coord a barra[i] OK",
    "transferencia de secciones rect a barra[i] OK",
    "transferencia de secciones gen a barra[i] OK",
    "transferencia de cargas Locales a barra[i] OK",
    "Lectura de pesoPropio ---> OK",
    "transferencia de combos a barra[i] OK",
};

class EjemploPortico : public ::testing::Test {
  protected:
    void SetUp() override {
        modeloLeido r = leerArchivoModelo(std::string(KARVEL_RAIZ) + "/ingresoDatos.txt");
        m = std::move(r.m);
        consola = std::move(r.consola);
    }
    // Px, Py, Mz of node i in combination c.
    Eigen::Vector3d cargasNudo(int i, int c) const { return m.nudo[i].getCargasCombo(m.combos[c]); }
    // Distributed-load row of bar i per combination (c x 4).
    Eigen::MatrixXd filasDeBarra(int i) const {
        return resultadosBarra(m.barra[i], m.combos).getMatrizCargasCombo();
    }
    modelo m;
    std::string consola;
};

void filaEsperada(const Eigen::MatrixXd& m, int fila, double a, double b, double c, double d) {
    const double tol = 1e-12;
    EXPECT_NEAR(m(fila, 0), a, tol);
    EXPECT_NEAR(m(fila, 1), b, tol);
    EXPECT_NEAR(m(fila, 2), c, tol);
    EXPECT_NEAR(m(fila, 3), d, tol);
}

}  // namespace

TEST_F(EjemploPortico, ConsolaLineaPorLinea) {
    std::string esperado;
    for (const char* l : lineasEsperadas) esperado += std::string(l) + "\n";
    EXPECT_EQ(consola, esperado);
}

// The same frame without the settings other than escalaM: and precision:
// (as the file stood before it gave them all): the console is the one it
// always was, the reader's warning for each absent setting at the end.
TEST(EjemploPorticoSinAjustes, ConsolaDeSiempre) {
    std::ifstream f(std::string(KARVEL_RAIZ) + "/ingresoDatos.txt");
    std::string texto, linea;
    while (std::getline(f, linea)) {
        const bool ajusteOmitido = linea.rfind("escala", 0) == 0 && linea.rfind("escalaM:", 0) != 0;
        if (!ajusteOmitido) texto += linea + "\n";
    }
    std::string esperado;
    for (const char* l : lineasEsperadas) esperado += std::string(l) + "\n";
    for (const char* e : {"escalaDeflexion:", "escalaV:", "escalaN:", "escalaTexto:",
                          "escalaApoyo:", "escalaCarga:"}) {
        esperado += std::string("Advertencia: no se encontró ningún real con etiqueta ") + e + "\n";
    }
    EXPECT_EQ(leerModelo(texto).consola, esperado);
}

TEST_F(EjemploPortico, CuentasYTablas) {
    EXPECT_EQ(m.noNudos, 4);
    EXPECT_EQ(m.noBarras, 3);
    EXPECT_EQ(m.noCombos, 2);
    ASSERT_EQ(m.punteroNudos.size(), 5);
    EXPECT_EQ(m.punteroNudos(0), -1);
    EXPECT_EQ(m.punteroNudos(4), 3);
    ASSERT_EQ(m.punteroBarras.size(), 4);
    EXPECT_EQ(m.punteroBarras(2), 1);
    ASSERT_EQ(m.nudo.size(), 4u);
    ASSERT_EQ(m.barra.size(), 3u);
}

TEST_F(EjemploPortico, NudosApoyosYCargas) {
    EXPECT_EQ(m.nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(m.nudo[3].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(m.nudo[1].getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_DOUBLE_EQ(m.nudo[2].getX(), 4.0);
    EXPECT_DOUBLE_EQ(m.nudo[2].getY(), 3.0);
    // Node 2: point load W = (10, 0, 0); C1 has no W, C2 takes it once.
    EXPECT_EQ(m.nudo[1].getNoNudoUsuario(), 2);
    ASSERT_EQ(m.combos.size(), 2u);
    EXPECT_EQ(m.nombreDelCombo(0), "C1");
    EXPECT_EQ(m.nombreDelCombo(1), "C2");
    EXPECT_DOUBLE_EQ(cargasNudo(1, 0)(0), 0.0);
    EXPECT_DOUBLE_EQ(cargasNudo(1, 0)(1), 0.0);
    EXPECT_DOUBLE_EQ(cargasNudo(1, 0)(2), 0.0);
    EXPECT_DOUBLE_EQ(cargasNudo(1, 1)(0), 10.0);
    EXPECT_DOUBLE_EQ(cargasNudo(1, 1)(1), 0.0);
    EXPECT_DOUBLE_EQ(cargasNudo(1, 1)(2), 0.0);
    // Unloaded node: zero loads in every combination.
    EXPECT_TRUE(cargasNudo(2, 0).isZero(0));
    EXPECT_DOUBLE_EQ(cargasNudo(2, 1)(0), 0.0);
}

TEST_F(EjemploPortico, FilasDeCombinacionDeLasBarras) {
    // Beam 0.3 x 0.5, gamma 24: self weight 3.6 downward; CV = -15.
    // C1 = 1.2 (-3.6) + 1.6 (-15) = -28.32;  C2 = -3.6 - 15 = -18.6.
    const Eigen::MatrixXd viga = filasDeBarra(1);
    ASSERT_EQ(viga.rows(), 2);
    filaEsperada(viga, 0, 0, 0, -28.32, -28.32);
    filaEsperada(viga, 1, 0, 0, -18.6, -18.6);
    // Columns 0.3 x 0.3: w = 2.16, axial; bar 1 runs up (+Y), bar 3 down.
    const Eigen::MatrixXd col1 = filasDeBarra(0);
    const Eigen::MatrixXd col3 = filasDeBarra(2);
    filaEsperada(col1, 0, -1.2 * 2.16, -1.2 * 2.16, 0, 0);
    filaEsperada(col1, 1, -2.16, -2.16, 0, 0);
    filaEsperada(col3, 0, 1.2 * 2.16, 1.2 * 2.16, 0, 0);
    filaEsperada(col3, 1, 2.16, 2.16, 0, 0);
}

TEST_F(EjemploPortico, SeccionesYGeometriaDeLasBarras) {
    EXPECT_EQ(m.barra[0].getNombreDeSeccion(), "C30");
    EXPECT_EQ(m.barra[1].getNombreDeSeccion(), "V30x50");
    EXPECT_NEAR(m.barra[0].getArea(), 0.09, 1e-15);
    EXPECT_NEAR(m.barra[0].getInercia(), 0.3 * 0.027 / 12, 1e-15);
    EXPECT_NEAR(m.barra[1].getArea(), 0.15, 1e-15);
    EXPECT_NEAR(m.barra[1].getInercia(), 0.003125, 1e-15);
    EXPECT_DOUBLE_EQ(m.barra[1].getModE(), 2.1e7);
    EXPECT_DOUBLE_EQ(m.barra[1].getLongitud(), 4.0);
    EXPECT_DOUBLE_EQ(m.barra[0].getLongitud(), 3.0);
    EXPECT_NEAR(m.barra[0].getAngulo(), M_PI / 2, 1e-15);
    EXPECT_NEAR(m.barra[2].getAngulo(), -M_PI / 2, 1e-15);
    EXPECT_EQ(m.barra[2].getNudoInicio(), 2);
    EXPECT_EQ(m.barra[2].getNudoFinal(), 3);
    EXPECT_EQ(m.barra[2].getNudoInicioUsuario(), 3);
    EXPECT_EQ(m.barra[2].getNudoFinalUsuario(), 4);
}

TEST_F(EjemploPortico, AjustesDeVisualizacion) {
    EXPECT_DOUBLE_EQ(m.ajustes.escalaM, 0.05);
    EXPECT_EQ(m.ajustes.precision, 4);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaDef, 100);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaV, 0.1);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaN, 0.01);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaTexto, 0.15);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaApoyo, 0);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaCarga, 0.1);
}

// The shipped models read without a single warning: a first run on them
// teaches that a warning means something (every display setting is given,
// and no remark word looks like a tag).
TEST(EjemplosDeUsuario, SeLeenSinAvisos) {
    struct caso {
        const char* archivo;
        int nudos, barras, combos;
    };
    const caso casos[] = {
        {"ejemplos/mensula.txt", 2, 1, 1},           {"ejemplos/vigaSimple.txt", 3, 2, 2},
        {"ejemplos/porticoArticulado.txt", 5, 4, 2}, {"ejemplos/porticoDosPisos.txt", 6, 6, 4},
        {"ejemplos/cargasEnTramos.txt", 4, 3, 2},    {"ingresoDatos.txt", 4, 3, 2}};
    for (const caso& c : casos) {
        const auto [m, consola] = leerArchivoModelo(std::string(KARVEL_RAIZ) + "/" + c.archivo);
        EXPECT_EQ(avisosDe(consola), std::vector<std::string>{}) << c.archivo;
        EXPECT_EQ(m.noNudos, c.nudos) << c.archivo;
        EXPECT_EQ(m.noBarras, c.barras) << c.archivo;
        EXPECT_EQ(m.noCombos, c.combos) << c.archivo;
    }
    // Every other file of the folder too, so that a new example cannot ship
    // with a remark word that reads as a tag or a setting left out.
    int leidos = 0;
    for (const auto& entrada :
         std::filesystem::directory_iterator(std::string(KARVEL_RAIZ) + "/ejemplos")) {
        if (entrada.path().extension() != ".txt") continue;
        const std::string consola = leerArchivoModelo(entrada.path().string()).consola;
        EXPECT_EQ(avisosDe(consola), std::vector<std::string>{}) << entrada.path();
        ++leidos;
    }
    EXPECT_GE(leidos, 9);
    // Two-storey frame, SERVICIO = PP + D + L: the roof beam carries self
    // weight 0.3·0.6·25 = 4.5 plus the triangular 0 to 15; the floor beam
    // 4.5 + 18 + 10. The hinges and the spring of the gable frame reach
    // their bars and node.
    const modelo dosPisos =
        leerArchivoModelo(std::string(KARVEL_RAIZ) + "/ejemplos/porticoDosPisos.txt").m;
    ASSERT_FALSE(dosPisos.combos.empty());
    const cargaTrapecial techo = dosPisos.barra[5].getCargasCombo(dosPisos.combos[0]).trapecio;
    const cargaTrapecial piso = dosPisos.barra[4].getCargasCombo(dosPisos.combos[0]).trapecio;
    EXPECT_NEAR(techo.qi, -4.5, 1e-12);
    EXPECT_NEAR(techo.qf, -19.5, 1e-12);
    EXPECT_NEAR(piso.qf, -32.5, 1e-12);
    const modelo m =
        leerArchivoModelo(std::string(KARVEL_RAIZ) + "/ejemplos/porticoArticulado.txt").m;
    EXPECT_DOUBLE_EQ(m.barra[1].getFactorArticulacionFin(), 0.0);
    EXPECT_DOUBLE_EQ(m.barra[2].getFactorArticulacionFin(), 0.6);
    EXPECT_DOUBLE_EQ(m.nudo[4].getResorteX(), 5000);
}
