// The model builder on small models: number tables, node supports, springs
// and combination rows, bar sections, fixity, geometry and load projection,
// self weight and settings.
#include <gtest/gtest.h>

#include <cmath>

#include "lecturaPrueba.h"

TEST(Constructor, NumerosNoContiguos) {
    leerModelo("nudos: 10 0 0 20 5 0 30 5 5\nbarras: 7 10 20 3 20 30\n");
    ASSERT_EQ(punteroNudos.size(), 31);
    EXPECT_EQ(punteroNudos(10), 0);
    EXPECT_EQ(punteroNudos(20), 1);
    EXPECT_EQ(punteroNudos(30), 2);
    for (int u : {0, 1, 9, 11, 29}) EXPECT_EQ(punteroNudos(u), -1) << u;
    ASSERT_EQ(punteroBarras.size(), 8);
    EXPECT_EQ(punteroBarras(7), 0);
    EXPECT_EQ(punteroBarras(3), 1);
    EXPECT_EQ(punteroBarras(5), -1);
    EXPECT_EQ(barra[1].getNudoInicio(), 1);
    EXPECT_EQ(barra[1].getNudoFinal(), 2);
    EXPECT_EQ(nudo[2].getNoNudo(), 2);
    EXPECT_EQ(nudo[2].getNoNudoUsuario(), 30);
}

TEST(Constructor, GeometriaDeBarras) {
    leerModelo(
        "nudos: 1 0 0 2 3 4 3 -2 0 4 0 -2\n"
        "barras: 1 1 2 2 2 1 3 1 3 4 1 4\n");
    EXPECT_DOUBLE_EQ(barra[0].getLongitud(), 5.0);
    EXPECT_NEAR(barra[0].getAngulo(), std::acos(0.6), 1e-15);
    // Reversed end nodes: the same bar turned by pi.
    EXPECT_NEAR(barra[1].getAngulo(), std::acos(0.6) - M_PI, 1e-15);
    EXPECT_NEAR(barra[2].getAngulo(), M_PI, 1e-15);
    EXPECT_NEAR(barra[3].getAngulo(), -M_PI / 2, 1e-15);
}

TEST(Constructor, SeccionesYArticulaciones) {
    leerModelo(
        "nudos: 1 0 0 2 4 0 3 8 0\nbarras: 1 1 2 2 2 3 3 1 3\n"
        "seccionGenerica: G 0.2 0.004 3e7 25 3\n"
        "seccionRectangular: R 0.3 0.5 2e7 24 1 2 3\n"
        "seccionRectangular: T 0.5 0.3 2e7 24 2\n"
        "articulacion: -0.5 2 1\narticulacion: 0.5 0.25 2\n");
    // Rectangular b x h: A = bh, I = bh^3/12 with h the second value.
    EXPECT_NEAR(barra[0].getArea(), 0.15, 1e-15);
    EXPECT_NEAR(barra[0].getInercia(), 0.003125, 1e-15);
    EXPECT_EQ(barra[0].getNombreDeSeccion(), "R");
    EXPECT_NEAR(barra[1].getInercia(), 0.001125, 1e-15);
    EXPECT_EQ(barra[1].getNombreDeSeccion(), "T");
    // A generic entry wins over a rectangular one even when written earlier.
    EXPECT_DOUBLE_EQ(barra[2].getArea(), 0.2);
    EXPECT_DOUBLE_EQ(barra[2].getInercia(), 0.004);
    EXPECT_DOUBLE_EQ(barra[2].getModE(), 3e7);
    EXPECT_DOUBLE_EQ(barra[2].getPesoEspecifico(), 25);
    EXPECT_EQ(barra[2].getNombreDeSeccion(), "G");
    // Fixity factors clamped to 0..1; a bar no entry names stays rigid.
    EXPECT_DOUBLE_EQ(barra[0].getFactorArticulacionInicio(), 0.0);
    EXPECT_DOUBLE_EQ(barra[0].getFactorArticulacionFin(), 1.0);
    EXPECT_DOUBLE_EQ(barra[1].getFactorArticulacionInicio(), 0.5);
    EXPECT_DOUBLE_EQ(barra[1].getFactorArticulacionFin(), 0.25);
    EXPECT_EQ(barra[1].getArticulacionInicio(), 0);
    EXPECT_DOUBLE_EQ(barra[2].getFactorArticulacionInicio(), 1.0);
    EXPECT_DOUBLE_EQ(barra[2].getFactorArticulacionFin(), 1.0);
}

TEST(Constructor, ApoyosYResortesLaUltimaEntradaManda) {
    leerModelo(
        "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\n"
        "apoyo: 1 1 1 1 2\napoyo: 0 1 0 2\n"
        "resorte: 100 0 0 2\nresorte: 0 250 5 2\n");
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(nudo[1].getApoyo(), Eigen::Vector3i(0, 1, 0));
    EXPECT_DOUBLE_EQ(nudo[1].getResorteX(), 0.0);
    EXPECT_DOUBLE_EQ(nudo[1].getResorteY(), 250.0);
    EXPECT_DOUBLE_EQ(nudo[1].getResorteGiro(), 5.0);
    EXPECT_DOUBLE_EQ(nudo[0].getResorteY(), 0.0);
}

TEST(Constructor, FilasDeCombinacionDeNudos) {
    // Two D loads add; a combination naming D twice counts it twice; d is
    // another case; L is named by no combination.
    const std::string consola = leerModelo(
        "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\n"
        "puntual: D 1 -2 3 2\npuntual: D 10 -20 30 2\npuntual: d 100 0 0 2\n"
        "puntual: L 0 -1000 0 2\n"
        "combo: A 1 D 0.5 D\ncombo: B 2 d\ncombo: C -1 D");
    EXPECT_EQ(noCombos, 3);
    const objNudo2d& n = nudo[1];
    ASSERT_EQ(n.getCantidadDeCombos(), 3);
    EXPECT_DOUBLE_EQ(n.getPxCombo(0), 1.5 * 11);
    EXPECT_DOUBLE_EQ(n.getPyCombo(0), 1.5 * -22);
    EXPECT_DOUBLE_EQ(n.getMzCombo(0), 1.5 * 33);
    EXPECT_DOUBLE_EQ(n.getPxCombo(1), 200);
    EXPECT_DOUBLE_EQ(n.getPyCombo(1), 0);
    EXPECT_DOUBLE_EQ(n.getPxCombo(2), -11);  // combination at the end of the file
    EXPECT_EQ(n.getNumeroDeCombo("B"), 1);
    EXPECT_EQ(n.getNumeroDeCombo("b"), -1);
    EXPECT_EQ(nudo[0].getCantidadDeCombos(), 3);
    EXPECT_DOUBLE_EQ(nudo[0].getPyCombo(0), 0.0);
    EXPECT_EQ(avisosDe(consola).size(), 8u);  // only the eight missing settings
}

TEST(Constructor, CargaGlobalProyectada) {
    leerModelo(
        "nudos: 1 0 0 2 4 0 3 4 3\nbarras: 1 1 2 2 2 3\n"
        "distribuidaGlobal: W 2 2 0 -5 1\n"
        "distribuidaGlobal: H 3 6 1 0 2\n"
        "distribuidaLocal: W 1 2 3 4 1\n"
        "combo: X 1 W 1 H\n");
    // Only the direction matters: (0, -5) on a bar along +X is transverse -2.
    const Eigen::MatrixXd r1 = barra[0].getMatrizCargasCombo();
    EXPECT_NEAR(r1(0, 0), 1, 1e-15);
    EXPECT_NEAR(r1(0, 1), 2, 1e-15);
    EXPECT_NEAR(r1(0, 2), 3 - 2, 1e-15);
    EXPECT_NEAR(r1(0, 3), 4 - 2, 1e-15);
    // (1, 0) on a bar along +Y: purely transverse, -qi and -qf.
    const Eigen::MatrixXd r2 = barra[1].getMatrizCargasCombo();
    EXPECT_NEAR(r2(0, 0), 0, 1e-15);
    EXPECT_NEAR(r2(0, 1), 0, 1e-15);
    EXPECT_NEAR(r2(0, 2), -3, 1e-15);
    EXPECT_NEAR(r2(0, 3), -6, 1e-15);
}

TEST(Constructor, DireccionGlobalMuyPequenaEsValida) {
    // (1e-200, 0) squared underflows, yet it is a direction: along +X.
    const std::string consola = leerModelo(
        "nudos: 1 0 0 2 0 4\nbarras: 1 1 2\n"
        "distribuidaGlobal: T 1 1 1e-200 0 1\ncombo: X 1 T\n");
    EXPECT_EQ(avisosDe(consola).size(), 8u);  // only the missing settings
    EXPECT_NEAR(barra[0].getQInicioCombo(0), -1, 1e-15);
    EXPECT_NEAR(barra[0].getFInicioCombo(0), 0, 1e-15);
}

TEST(Constructor, CargaGlobalInclinada) {
    // Bar at 3-4-5; a downward load q: axial -q sin(a), transverse -q cos(a).
    leerModelo(
        "nudos: 1 0 0 2 3 4\nbarras: 1 1 2\n"
        "distribuidaGlobal: G 10 20 0 -1 1\ncombo: X 1 G\n");
    const Eigen::MatrixXd r = barra[0].getMatrizCargasCombo();
    EXPECT_NEAR(r(0, 0), -8, 1e-12);
    EXPECT_NEAR(r(0, 1), -16, 1e-12);
    EXPECT_NEAR(r(0, 2), -6, 1e-12);
    EXPECT_NEAR(r(0, 3), -12, 1e-12);
}

TEST(Constructor, PesoPropioSinSeccionDaCeros) {
    leerModelo("nudos: 1 0 0 2 4 0\nbarras: 1 1 2\npesoPropio: PP\ncombo: X 1 PP\n");
    const Eigen::MatrixXd r = barra[0].getMatrizCargasCombo();
    ASSERT_EQ(r.rows(), 1);
    EXPECT_EQ(r.row(0), Eigen::RowVector4d::Zero().eval());
}

TEST(Constructor, PesoPropioRepetidoSeDesactiva) {
    const std::string consola = leerModelo(
        "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\nseccionGenerica: S 1 1 1 10 1\n"
        "pesoPropio: PP pesoPropio: PP\ncombo: X 1 PP\n");
    EXPECT_TRUE(contieneLinea(consola, "No usar la etiqueta *pesoPropio:* más de una vez"));
    EXPECT_DOUBLE_EQ(barra[0].getQInicioCombo(0), 0.0);
}

TEST(Constructor, ArchivoConNudosSinBarras) {
    const std::string consola = leerModelo("nudos: 1 0 0 2 4 0\ncombo: X 1 D\n");
    EXPECT_EQ(noBarras, 0);
    EXPECT_TRUE(barra.empty());
    EXPECT_EQ(punteroBarras.size(), 0);
    for (const char* l : {"puntero de barras internas OK", "transferencia de coord a barra[i] OK",
                          "transferencia de secciones rect a barra[i] OK",
                          "transferencia de secciones gen a barra[i] OK"}) {
        EXPECT_FALSE(contieneLinea(consola, l)) << l;
    }
    EXPECT_TRUE(contieneLinea(consola, "No se calculará el peso propio de la estructura"));
}

TEST(Constructor, SinCombosNoHayFilas) {
    const std::string consola =
        leerModelo("nudos: 1 0 0 2 4 0\nbarras: 1 1 2\npuntual: D 1 0 0 2\n");
    EXPECT_EQ(noCombos, 0);
    EXPECT_EQ(nudo[1].getCantidadDeCombos(), 0);
    EXPECT_FALSE(contieneLinea(consola, "transferencia de combos a nudo[i] OK"));
}

TEST(Constructor, AjustesValoresLimite) {
    // Non-positive scales and precision -1 keep the defaults silently;
    // precision 0 is a valid count of decimals.
    escalaApoyo = 7;
    const std::string consola = leerModelo(
        "escalaDeflexion: 50 escalaM: 0 escalaV: -2 escalaN: 0.5 escalaTexto: 0.3\n"
        "escalaApoyo: 0 escalaCarga: 2 precision: 0\n");
    EXPECT_DOUBLE_EQ(escalaDef, 50);
    EXPECT_DOUBLE_EQ(escalaM, 0.1);
    EXPECT_DOUBLE_EQ(escalaV, 0.1);
    EXPECT_DOUBLE_EQ(escalaN, 0.5);
    EXPECT_DOUBLE_EQ(escalaTexto, 0.3);
    EXPECT_DOUBLE_EQ(escalaApoyo, 0);
    EXPECT_DOUBLE_EQ(escalaCarga, 2);
    EXPECT_EQ(precision, 0);
    EXPECT_TRUE(avisosDe(consola).empty());
    leerModelo("precision: -1\n");
    EXPECT_EQ(precision, 3);
}
