// The model builder on small models: number tables, node supports, springs
// and combination rows, bar sections, fixity, geometry and load projection,
// self weight and settings.
#include <gtest/gtest.h>

#include <cmath>

#include "lecturaPrueba.h"
#include "resultadosBarra.h"

namespace {

// Px, Py, Mz of node i in combination c; zeros for a combination the model
// does not hold.
Eigen::Vector3d cargasNudo(const modelo& m, int i, int c) {
    if (c < 0 || c >= static_cast<int>(m.combos.size())) return Eigen::Vector3d::Zero();
    return m.nudo[i].getCargasCombo(m.combos[c]);
}

// Full-length distributed load of bar i in combination c.
cargaTrapecial trapecio(const modelo& m, int i, int c) {
    if (c < 0 || c >= static_cast<int>(m.combos.size())) return {};
    return m.barra[i].getCargasCombo(m.combos[c]).trapecio;
}

// Distributed-load row of bar i per combination (c x 4).
Eigen::MatrixXd filasDeBarra(const modelo& m, int i) {
    return resultadosBarra(m.barra[i], m.combos).getMatrizCargasCombo();
}

}  // namespace

TEST(Constructor, NumerosNoContiguos) {
    const modelo m = leerModelo("nudos: 10 0 0 20 5 0 30 5 5\nbarras: 7 10 20 3 20 30\n").m;
    ASSERT_EQ(m.punteroNudos.size(), 31);
    EXPECT_EQ(m.punteroNudos(10), 0);
    EXPECT_EQ(m.punteroNudos(20), 1);
    EXPECT_EQ(m.punteroNudos(30), 2);
    for (int u : {0, 1, 9, 11, 29}) EXPECT_EQ(m.punteroNudos(u), -1) << u;
    ASSERT_EQ(m.punteroBarras.size(), 8);
    EXPECT_EQ(m.punteroBarras(7), 0);
    EXPECT_EQ(m.punteroBarras(3), 1);
    EXPECT_EQ(m.punteroBarras(5), -1);
    EXPECT_EQ(m.barra[1].getNudoInicio(), 1);
    EXPECT_EQ(m.barra[1].getNudoFinal(), 2);
    EXPECT_EQ(m.nudo[2].getNoNudo(), 2);
    EXPECT_EQ(m.nudo[2].getNoNudoUsuario(), 30);
}

TEST(Constructor, GeometriaDeBarras) {
    const modelo m = leerModelo(
                         "nudos: 1 0 0 2 3 4 3 -2 0 4 0 -2\n"
                         "barras: 1 1 2 2 2 1 3 1 3 4 1 4\n")
                         .m;
    EXPECT_DOUBLE_EQ(m.barra[0].getLongitud(), 5.0);
    EXPECT_NEAR(m.barra[0].getAngulo(), std::acos(0.6), 1e-15);
    // Reversed end nodes: the same bar turned by pi.
    EXPECT_NEAR(m.barra[1].getAngulo(), std::acos(0.6) - M_PI, 1e-15);
    EXPECT_NEAR(m.barra[2].getAngulo(), M_PI, 1e-15);
    EXPECT_NEAR(m.barra[3].getAngulo(), -M_PI / 2, 1e-15);
}

TEST(Constructor, SeccionesYArticulaciones) {
    const modelo m = leerModelo(
                         "nudos: 1 0 0 2 4 0 3 8 0\nbarras: 1 1 2 2 2 3 3 1 3\n"
                         "seccionGenerica: G 0.2 0.004 3e7 25 3\n"
                         "seccionRectangular: R 0.3 0.5 2e7 24 1 2 3\n"
                         "seccionRectangular: T 0.5 0.3 2e7 24 2\n"
                         "articulacion: -0.5 2 1\narticulacion: 0.5 0.25 2\n")
                         .m;
    // Rectangular b x h: A = bh, I = bh^3/12 with h the second value.
    EXPECT_NEAR(m.barra[0].getArea(), 0.15, 1e-15);
    EXPECT_NEAR(m.barra[0].getInercia(), 0.003125, 1e-15);
    EXPECT_EQ(m.barra[0].getNombreDeSeccion(), "R");
    EXPECT_NEAR(m.barra[1].getInercia(), 0.001125, 1e-15);
    EXPECT_EQ(m.barra[1].getNombreDeSeccion(), "T");
    // A generic entry wins over a rectangular one even when written earlier.
    EXPECT_DOUBLE_EQ(m.barra[2].getArea(), 0.2);
    EXPECT_DOUBLE_EQ(m.barra[2].getInercia(), 0.004);
    EXPECT_DOUBLE_EQ(m.barra[2].getModE(), 3e7);
    EXPECT_DOUBLE_EQ(m.barra[2].getPesoEspecifico(), 25);
    EXPECT_EQ(m.barra[2].getNombreDeSeccion(), "G");
    // Fixity factors clamped to 0..1; a bar no entry names stays rigid.
    EXPECT_DOUBLE_EQ(m.barra[0].getFactorArticulacionInicio(), 0.0);
    EXPECT_DOUBLE_EQ(m.barra[0].getFactorArticulacionFin(), 1.0);
    EXPECT_DOUBLE_EQ(m.barra[1].getFactorArticulacionInicio(), 0.5);
    EXPECT_DOUBLE_EQ(m.barra[1].getFactorArticulacionFin(), 0.25);
    EXPECT_EQ(m.barra[1].getArticulacionInicio(), 0);
    EXPECT_DOUBLE_EQ(m.barra[2].getFactorArticulacionInicio(), 1.0);
    EXPECT_DOUBLE_EQ(m.barra[2].getFactorArticulacionFin(), 1.0);
}

TEST(Constructor, ApoyosYResortesLaUltimaEntradaManda) {
    const modelo m = leerModelo(
                         "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\n"
                         "apoyo: 1 1 1 1 2\napoyo: 0 1 0 2\n"
                         "resorte: 100 0 0 2\nresorte: 0 250 5 2\n")
                         .m;
    EXPECT_EQ(m.nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(m.nudo[1].getApoyo(), Eigen::Vector3i(0, 1, 0));
    EXPECT_DOUBLE_EQ(m.nudo[1].getResorteX(), 0.0);
    EXPECT_DOUBLE_EQ(m.nudo[1].getResorteY(), 250.0);
    EXPECT_DOUBLE_EQ(m.nudo[1].getResorteGiro(), 5.0);
    EXPECT_DOUBLE_EQ(m.nudo[0].getResorteY(), 0.0);
}

TEST(Constructor, FilasDeCombinacionDeNudos) {
    // Two D loads add; a combination naming D twice counts it twice; d is
    // another case; L is named by no combination.
    const auto [m, consola] = leerModelo(
        "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\n"
        "puntual: D 1 -2 3 2\npuntual: D 10 -20 30 2\npuntual: d 100 0 0 2\n"
        "puntual: L 0 -1000 0 2\n"
        "combo: A 1 D 0.5 D\ncombo: B 2 d\ncombo: C -1 D");
    EXPECT_EQ(m.noCombos, 3);
    ASSERT_EQ(m.combos.size(), 3u);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 0)(0), 1.5 * 11);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 0)(1), 1.5 * -22);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 0)(2), 1.5 * 33);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 1)(0), 200);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 1)(1), 0);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 2)(0), -11);  // combination at the end of the file
    EXPECT_EQ(m.getNumeroDeCombo("B"), 1);
    EXPECT_EQ(m.getNumeroDeCombo("b"), -1);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 0, 0)(1), 0.0);
    // The eight missing settings and the bar without a section.
    EXPECT_EQ(avisosDe(consola).size(), 9u);
}

TEST(Constructor, CargaGlobalProyectada) {
    const modelo m = leerModelo(
                         "nudos: 1 0 0 2 4 0 3 4 3\nbarras: 1 1 2 2 2 3\n"
                         "distribuidaGlobal: W 2 2 0 -5 1\n"
                         "distribuidaGlobal: H 3 6 1 0 2\n"
                         "distribuidaLocal: W 1 2 3 4 1\n"
                         "combo: X 1 W 1 H\n")
                         .m;
    // Only the direction matters: (0, -5) on a bar along +X is transverse -2.
    const Eigen::MatrixXd r1 = filasDeBarra(m, 0);
    EXPECT_NEAR(r1(0, 0), 1, 1e-15);
    EXPECT_NEAR(r1(0, 1), 2, 1e-15);
    EXPECT_NEAR(r1(0, 2), 3 - 2, 1e-15);
    EXPECT_NEAR(r1(0, 3), 4 - 2, 1e-15);
    // (1, 0) on a bar along +Y: purely transverse, -qi and -qf.
    const Eigen::MatrixXd r2 = filasDeBarra(m, 1);
    EXPECT_NEAR(r2(0, 0), 0, 1e-15);
    EXPECT_NEAR(r2(0, 1), 0, 1e-15);
    EXPECT_NEAR(r2(0, 2), -3, 1e-15);
    EXPECT_NEAR(r2(0, 3), -6, 1e-15);
}

TEST(Constructor, DireccionGlobalMuyPequenaEsValida) {
    // (1e-200, 0) squared underflows, yet it is a direction: along +X.
    const auto [m, consola] = leerModelo(
        "nudos: 1 0 0 2 0 4\nbarras: 1 1 2\n"
        "distribuidaGlobal: T 1 1 1e-200 0 1\ncombo: X 1 T\n");
    EXPECT_EQ(avisosDe(consola).size(), 9u);  // the missing settings and the section
    EXPECT_NEAR(trapecio(m, 0, 0).qi, -1, 1e-15);
    EXPECT_NEAR(trapecio(m, 0, 0).pi, 0, 1e-15);
}

TEST(Constructor, CargaGlobalInclinada) {
    // Bar at 3-4-5; a downward load q: axial -q sin(a), transverse -q cos(a).
    const modelo m = leerModelo(
                         "nudos: 1 0 0 2 3 4\nbarras: 1 1 2\n"
                         "distribuidaGlobal: G 10 20 0 -1 1\ncombo: X 1 G\n")
                         .m;
    const Eigen::MatrixXd r = filasDeBarra(m, 0);
    EXPECT_NEAR(r(0, 0), -8, 1e-12);
    EXPECT_NEAR(r(0, 1), -16, 1e-12);
    EXPECT_NEAR(r(0, 2), -6, 1e-12);
    EXPECT_NEAR(r(0, 3), -12, 1e-12);
}

TEST(Constructor, PesoPropioSinSeccionDaCeros) {
    const modelo m =
        leerModelo("nudos: 1 0 0 2 4 0\nbarras: 1 1 2\npesoPropio: PP\ncombo: X 1 PP\n").m;
    const Eigen::MatrixXd r = filasDeBarra(m, 0);
    ASSERT_EQ(r.rows(), 1);
    EXPECT_EQ(r.row(0), Eigen::RowVector4d::Zero().eval());
}

TEST(Constructor, PesoPropioRepetidoSeDesactiva) {
    const auto [m, consola] = leerModelo(
        "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\nseccionGenerica: S 1 1 1 10 1\n"
        "pesoPropio: PP pesoPropio: PP\ncombo: X 1 PP\n");
    EXPECT_TRUE(contieneLinea(consola, "No usar la etiqueta *pesoPropio:* más de una vez"));
    EXPECT_DOUBLE_EQ(trapecio(m, 0, 0).qi, 0.0);
}

TEST(Constructor, ArchivoConNudosSinBarras) {
    const auto [m, consola] = leerModelo("nudos: 1 0 0 2 4 0\ncombo: X 1 D\n");
    EXPECT_EQ(m.noBarras, 0);
    EXPECT_TRUE(m.barra.empty());
    EXPECT_EQ(m.punteroBarras.size(), 0);
    for (const char* l : {"puntero de barras internas OK", "transferencia de coord a barra[i] OK",
                          "transferencia de secciones rect a barra[i] OK",
                          "transferencia de secciones gen a barra[i] OK"}) {
        EXPECT_FALSE(contieneLinea(consola, l)) << l;
    }
    EXPECT_TRUE(contieneLinea(consola, "No se calculará el peso propio de la estructura"));
}

TEST(Constructor, SinCombosNoHayFilas) {
    const auto [m, consola] = leerModelo("nudos: 1 0 0 2 4 0\nbarras: 1 1 2\npuntual: D 1 0 0 2\n");
    EXPECT_EQ(m.noCombos, 0);
    EXPECT_TRUE(m.combos.empty());
    EXPECT_FALSE(contieneLinea(consola, "transferencia de combos a nudo[i] OK"));
}

TEST(Constructor, AjustesValoresLimite) {
    // Non-positive scales and precision -1 keep the defaults silently;
    // precision 0 is a valid count of decimals.
    const auto [m, consola] = leerModelo(
        "escalaDeflexion: 50 escalaM: 0 escalaV: -2 escalaN: 0.5 escalaTexto: 0.3\n"
        "escalaApoyo: 0 escalaCarga: 2 precision: 0\n");
    EXPECT_DOUBLE_EQ(m.ajustes.escalaDef, 50);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaM, 0.1);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaV, 0.1);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaN, 0.5);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaTexto, 0.3);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaApoyo, 0);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaCarga, 2);
    EXPECT_EQ(m.ajustes.precision, 0);
    EXPECT_TRUE(avisosDe(consola).empty());
    const modelo menosUno = leerModelo("precision: -1\n").m;
    EXPECT_EQ(menosUno.ajustes.precision, 3);
}
