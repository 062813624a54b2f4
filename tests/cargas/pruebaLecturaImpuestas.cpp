// The tags of imposed deformations and inclined supports as a user writes
// them: values, the order of "apoyo:" and "apoyoInclinado:" entries on one
// node, settlements only where the support restrains, warnings of wrong
// entries (nothing else lost), progress lines and the report's section.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "archivoTemporal.h"
#include "enCarpetaTemporal.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "lecturaPrueba.h"

namespace {

const std::string base =
    "nudos:\n1 0 0\n2 4 0\n3 4 3\n"
    "barras:\n1 1 2\n2 2 3\n"
    "seccionGenerica: S 0.01 1e-4 2e8 0 1 2\n"
    "escalaDeflexion: 100\nescalaM: 0.1\nescalaV: 0.1\nescalaN: 0.1\nescalaTexto: 0.15\n"
    "escalaApoyo: 0.3\nescalaCarga: 0.1\nprecision: 3\n";

const double pi = std::acos(-1.0);

}  // namespace

TEST(LecturaImpuestas, ValoresDeCadaEtiqueta) {
    const modeloLeido r = leerModelo(base +
                                     "apoyo: 1 1 1 1\n"
                                     "apoyoInclinado: 30 1 3\n"
                                     "asentamiento: S 0.001 -0.02 0.003 1\n"
                                     "asentamiento: S 0 -0.01 0 3\n"
                                     "temperatura: T 1.2e-5 20 40 2\n"
                                     "combo: C1 1 S 1 T\n");
    EXPECT_TRUE(avisosDe(r.consola).empty()) << r.consola;
    const objNudo2d& n3 = r.m.nudo[2];
    EXPECT_TRUE(n3.esApoyoInclinado());
    EXPECT_NEAR(n3.getAnguloApoyo(), pi / 6, 1e-15);
    EXPECT_EQ(n3.getApoyo(), Eigen::Vector3i(0, 0, 1));
    const Eigen::Vector3d d1 = r.m.nudo[0].getAsentamientosCombo(r.m.combos[0]);
    EXPECT_EQ(d1, Eigen::Vector3d(0.001, -0.02, 0.003));
    const auto* t = std::get_if<cargaTemperatura>(&r.m.barra[1].getCargas().at(0).carga);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->alfa, 1.2e-5);
    EXPECT_EQ(t->dT, 20);
    EXPECT_EQ(t->gradiente, 40);
    EXPECT_DOUBLE_EQ(t->EA, 2e8 * 0.01);
    EXPECT_DOUBLE_EQ(t->EI, 2e8 * 1e-4);
    for (const char* linea :
         {"transferencia de apoyos a nudo[i] OK", "transferencia de apoyos inclinados a nudo[i] OK",
          "transferencia de asentamientos a nudo[i] OK",
          "transferencia de temperaturas a barra[i] OK"})
        EXPECT_TRUE(contieneLinea(r.consola, linea)) << linea;
}

// On one node the later of "apoyo:" and "apoyoInclinado:" holds, whichever
// tag it is; a roller on a vertical wall is a surface at 90°.
TEST(LecturaImpuestas, ElApoyoPosteriorReemplazaAlAnterior) {
    const modeloLeido a =
        leerModelo(base + "apoyo: 1 1 1 1\napoyoInclinado: 90 0 1\ncombo: C1 1 X\n");
    EXPECT_TRUE(a.m.nudo[0].esApoyoInclinado());
    EXPECT_NEAR(a.m.nudo[0].getNormalApoyo()(0), -1, 1e-15);
    const modeloLeido b =
        leerModelo(base + "apoyoInclinado: 90 0 1\napoyo: 1 1 1 1\ncombo: C1 1 X\n");
    EXPECT_FALSE(b.m.nudo[0].esApoyoInclinado());
    EXPECT_EQ(b.m.nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
}

// A settlement in a free or only sprung direction is ignored with one
// warning naming the node and the direction; the restrained ones are kept.
TEST(LecturaImpuestas, AsentamientoEnDireccionLibre) {
    const modeloLeido r = leerModelo(base +
                                     "apoyo: 0 1 0 1\nresorte: 1000 0 0 1\n"
                                     "asentamiento: S 0.5 -0.01 0.2 1\n"
                                     "combo: C1 1 S\n");
    const std::vector<std::string> avisos = avisosDe(r.consola);
    ASSERT_EQ(avisos.size(), 2u) << r.consola;
    EXPECT_EQ(avisos[0],
              "Advertencia: la entrada 1 de asentamiento: (S) da al nudo 1 un desplazamiento en "
              "la dirección X, que no está restringida; se ignora ese valor");
    EXPECT_EQ(avisos[1],
              "Advertencia: la entrada 1 de asentamiento: (S) da al nudo 1 un desplazamiento en "
              "la dirección giro, que no está restringida; se ignora ese valor");
    EXPECT_EQ(r.m.nudo[0].getAsentamientosCombo(r.m.combos[0]), Eigen::Vector3d(0, -0.01, 0));
}

// Entries with too few values: one warning each, and no effect.
TEST(LecturaImpuestas, EntradasCortas) {
    const modeloLeido r = leerModelo(base +
                                     "apoyo: 1 1 1 1\n"
                                     "asentamiento: S 0 -0.01\n"
                                     "temperatura: T 1e-5 20\n"
                                     "apoyoInclinado: 30\n"
                                     "combo: C1 1 S 1 T\n");
    const std::vector<std::string> avisos = avisosDe(r.consola);
    const std::vector<std::string> esperados = {
        "Advertencia: la entrada 1 de apoyoInclinado: tiene 1 valor y necesita 2; no se aplica",
        "Advertencia: la entrada 1 de asentamiento: (S) tiene 2 valores y necesita 3; no se "
        "aplica",
        "Advertencia: la entrada 1 de temperatura: (T) tiene 2 valores y necesita 3; no se "
        "aplica",
    };
    EXPECT_EQ(avisos, esperados) << r.consola;
    EXPECT_FALSE(r.m.nudo[2].esApoyoInclinado());
    EXPECT_TRUE(r.m.nudo[0].getAsentamientos().empty());
    EXPECT_TRUE(r.m.barra[1].getCargas().empty());
    EXPECT_EQ(r.m.noCombos, 1);
}

// The report lists the imposed deformations after the equivalent loads:
// settlements per node and combination, temperatures per bar and
// combination (times their factors), and each inclined support's angle.
TEST(LecturaImpuestas, ReporteConLaSeccionDeDeformacionesImpuestas) {
    archivoTemporal f(base +
                      "apoyo: 1 1 1 1\napoyoInclinado: 30 0 3\n"
                      "asentamiento: S 0 -0.01 0 1\n"
                      "temperatura: T 1e-05 20 40 2\n"
                      "combo: C1 1 S\ncombo: C2 0.5 S 2 T\n");
    enCarpetaTemporal carpeta;
    capturaConsola consola;
    const modeloResuelto r = funcionLeerYResolver(f.nombre());
    ASSERT_TRUE(r.s.resuelto);
    ASSERT_TRUE(funcionImprimirResultados(r.m, r.s));
    const std::string texto = leerArchivo("resultados.txt");
    const std::string seccion =
        "\n\n\nDEFORMACIONES IMPUESTAS:\n"
        "#_nudo: 1\n"
        "combo: 1\n"
        "asentamiento: dX= 0 dY= -0.01 giro= 0\n"
        "combo: 2\n"
        "asentamiento: dX= 0 dY= -0.005 giro= 0\n"
        "\n"
        "#_barra: 2\n"
        "combo: 2\n"
        "temperatura: alfa= 1e-05 dT= 40 gradiente= 80\n"
        "\n"
        "#_apoyoInclinado: 3\n"
        "apoyoInclinado: angulo= 30 giro= 0\n"
        "\n\n\nVECTOR DE CARGAS DE TODA LA ESTRUCTURA\n";
    EXPECT_NE(texto.find(seccion), std::string::npos) << texto;
    EXPECT_EQ(texto.find("CARGAS EN TRAMOS"), std::string::npos);
}
