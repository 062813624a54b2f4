// Words that look like tags: a misspelt or invented tag gets one warning with
// its line and the tag it was probably meant to be; a title word ending in
// ':' gets the warning and changes nothing else; names ending in ':' are
// names. A bar that no section reaches is named once. The list of known tags
// agrees with the tags the reading steps ask for.
#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "avisoEtiquetas.h"
#include "etiquetasArchivo.h"
#include "lecturaPrueba.h"

namespace {

// A complete small frame: two nodes, one bar with its section, a support, a
// load and a combination, and every display setting (so it prints no
// warning of its own).
const std::string modeloSano =
    "nudos:\n1 0 0\n2 4 0\n"
    "barras:\n1 1 2\n"
    "apoyo: 1 1 1 1\n"
    "seccionRectangular: V 0.3 0.5 2.1e7 24 1\n"
    "puntual: P 0 -10 0 2\n"
    "combo: C1 1 P\n"
    "escalaDeflexion: 100\nescalaM: 0.1\nescalaV: 0.1\nescalaN: 0.01\nescalaTexto: 0.15\n"
    "escalaApoyo: 0\nescalaCarga: 0.1\nprecision: 3\n";

std::string textoArchivo(const std::string& ruta) {
    std::ifstream f(ruta);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST(EtiquetasDesconocidas, CadaErrorConSuLineaYLaEtiquetaParecida) {
    const auto [m, consola] = leerModelo(
        "Nudos:\n1 0 0\n2 4 0\n"                     // line 1: capital letter
        "nudos:\n1 0 0\n2 4 0\n"                     // 4
        "barras:\n1 1 2\n"                           // 7
        "seccionRectangulr: V 0.3 0.5 2.1e7 24 1\n"  // 9: a letter missing
        "apyoo: 1 1 1 1\n"                           // 10: two letters swapped
        "cargaNieve: N 0 -3 0 2\n"                   // 11: invented
        "apoyo: 1 1 1 1\nPUNTUAL: P 0 -10 0 2\n"     // 13: all capitals
        "combo: C1 1 P\n");
    const std::vector<std::string> esperados = {
        "Advertencia: línea 1: la etiqueta Nudos: no existe (¿nudos:?); se ignoran sus valores",
        "Advertencia: línea 9: la etiqueta seccionRectangulr: no existe (¿seccionRectangular:?); "
        "se ignoran sus valores",
        "Advertencia: línea 10: la etiqueta apyoo: no existe (¿apoyo:?); se ignoran sus valores",
        "Advertencia: línea 11: la etiqueta cargaNieve: no existe; se ignoran sus valores",
        "Advertencia: línea 13: la etiqueta PUNTUAL: no existe (¿puntual:?); se ignoran sus "
        "valores",
    };
    const std::vector<std::string> avisos = avisosDe(consola);
    ASSERT_GE(avisos.size(), esperados.size()) << consola;
    EXPECT_EQ(std::vector<std::string>(avisos.begin(), avisos.begin() + esperados.size()),
              esperados);
    // They come first, before the progress lines, and the reader went on as
    // before: the values of the misspelt entries belong to nobody.
    EXPECT_EQ(lineasDe(consola).at(esperados.size()), "lectura de nudos OK Num Nudos = 2");
    EXPECT_EQ(m.noNudos, 2);
    EXPECT_EQ(m.noBarras, 1);
    EXPECT_EQ(m.barra[0].tieneDatosDeRigidez(), false);
}

TEST(EtiquetasDesconocidas, SugerenciaSoloCuandoUnaEtiquetaEstaCerca) {
    EXPECT_EQ(etiquetaParecida("nudo:"), "nudos:");
    EXPECT_EQ(etiquetaParecida("Barras:"), "barras:");
    EXPECT_EQ(etiquetaParecida("pesopropio:"), "pesoPropio:");
    EXPECT_EQ(etiquetaParecida("distribuidaLocalParcal:"), "distribuidaLocalParcial:");
    // Two letters away from a long tag, an accent (two bytes) included.
    EXPECT_EQ(etiquetaParecida("precisión:"), "precision:");
    EXPECT_EQ(etiquetaParecida("seccionRectangularr:"), "seccionRectangular:");
    // Short tags allow one error only; unrelated words get no suggestion.
    EXPECT_EQ(etiquetaParecida("ayoo:"), "");
    EXPECT_EQ(etiquetaParecida("Empotramiento:"), "");
    EXPECT_EQ(etiquetaParecida("Viento:"), "");
    EXPECT_EQ(etiquetaParecida(":"), "");
}

TEST(EtiquetasDesconocidas, TituloConDosPuntosSoloAgregaSuAviso) {
    const auto sano = leerModelo(modeloSano);
    const auto conTitulo = leerModelo("Ejemplo 1: viga en voladizo\n" + modeloSano);
    EXPECT_EQ(sano.consola.find("Advertencia"), std::string::npos) << sano.consola;
    EXPECT_EQ(
        conTitulo.consola,
        "Advertencia: línea 1: la etiqueta 1: no existe; se ignoran sus valores\n" + sano.consola);
    EXPECT_EQ(conTitulo.m.noNudos, sano.m.noNudos);
    EXPECT_EQ(conTitulo.m.noBarras, sano.m.noBarras);
    ASSERT_EQ(conTitulo.m.combos.size(), 1u);
    EXPECT_DOUBLE_EQ(conTitulo.m.nudo[1].getCargasCombo(conTitulo.m.combos[0])(1), -10.0);
}

TEST(EtiquetasDesconocidas, NombresConDosPuntosSonNombres) {
    // A section, a load case and a combination named with a final colon,
    // and the same load case in the combination's pairs.
    const auto [m, consola] = leerModelo(
        "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\napoyo: 1 1 1 1\n"
        "seccionGenerica: S: 0.1 0.001 2e8 0 1\npuntual: P: 0 -10 0 2\n"
        "combo: C1: 1.5 P: 1 P:\n");
    for (const std::string& a : avisosDe(consola)) {
        EXPECT_NE(a.find("no se encontró ningún"), std::string::npos) << a;
    }
    ASSERT_EQ(m.combos.size(), 1u);
    EXPECT_EQ(m.nombreDelCombo(0), "C1:");
    EXPECT_DOUBLE_EQ(m.nudo[1].getCargasCombo(m.combos[0])(1), -25.0);
    EXPECT_EQ(m.barra[0].getNombreDeSeccion(), "S:");
}

TEST(EtiquetasDesconocidas, LineasContadasConFinDeLineaWindowsYMarcaDeOrden) {
    const auto [m, consola] = leerModelo(
        "\xEF\xBB\xBF"
        "Datos:\r\nnudos: 1 0 0\r\n\r\notra: 2\r\n");
    const std::vector<std::string> avisos = avisosDe(consola);
    ASSERT_GE(avisos.size(), 2u) << consola;
    EXPECT_EQ(avisos[0],
              "Advertencia: línea 1: la etiqueta Datos: no existe; se ignoran sus valores");
    EXPECT_EQ(avisos[1],
              "Advertencia: línea 4: la etiqueta otra: no existe; se ignoran sus valores");
    EXPECT_EQ(m.noNudos, 1);
}

TEST(EtiquetasDesconocidas, ArchivoInexistenteSoloElAvisoDelLector) {
    const auto [m, consola] = leerArchivoModelo("/nonexistent/karvel/modelo.txt");
    EXPECT_EQ(consola.find("la etiqueta"), std::string::npos) << consola;
    EXPECT_EQ(m.noNudos, 0);
}

TEST(BarrasSinSeccion, UnAvisoPorBarraConSuNumeroAlFinal) {
    // Bars 10 and 30 of three have no section (a misspelt tag and no
    // entry at all); bar 20 has one.
    const auto [m, consola] = leerModelo(
        "nudos: 1 0 0 2 4 0 3 8 0 4 12 0\nbarras: 10 1 2 20 2 3 30 3 4\napoyo: 1 1 1 1 4\n"
        "seccionRectangulr: V 0.3 0.5 2.1e7 24 10\n"
        "seccionRectangular: V 0.3 0.5 2.1e7 24 20\n"
        "escalaDeflexion: 100\nescalaM: 0.1\nescalaV: 0.1\nescalaN: 0.01\nescalaTexto: 0.15\n"
        "escalaApoyo: 0\nescalaCarga: 0.1\nprecision: 3\n");
    const std::vector<std::string> lineas = lineasDe(consola);
    ASSERT_GE(lineas.size(), 2u);
    EXPECT_EQ(lineas[lineas.size() - 2],
              "Advertencia: la barra 10 no tiene sección (ninguna seccionRectangular: ni "
              "seccionGenerica: la nombra); no aporta rigidez");
    EXPECT_EQ(lineas.back(),
              "Advertencia: la barra 30 no tiene sección (ninguna seccionRectangular: ni "
              "seccionGenerica: la nombra); no aporta rigidez");
    EXPECT_EQ(avisosDe(consola).size(), 3u) << consola;
    EXPECT_TRUE(m.barra[1].tieneDatosDeRigidez());
}

// Every tag literal of the reading steps is a known tag and every known tag
// is read by some step; the fuzzing dictionary knows them all.
TEST(ListaDeEtiquetas, CoincideConLasEtiquetasQueLeenLosPasos) {
    std::set<std::string> conocidas;
    for (const etiquetaArchivo& e : etiquetasDelArchivo()) {
        EXPECT_TRUE(conocidas.insert(e.etiqueta).second) << "repetida: " << e.etiqueta;
    }
    const std::string carpeta = std::string(KARVEL_RAIZ) + "/input";
    std::set<std::string> leidas;
    const std::regex literal("\"([A-Za-z]+:)\"");
    DIR* d = opendir(carpeta.c_str());
    ASSERT_NE(d, nullptr);
    while (dirent* e = readdir(d)) {
        const std::string nombre = e->d_name;
        if (nombre.size() < 4 || nombre.compare(nombre.size() - 4, 4, ".cpp") != 0) continue;
        if (nombre == "etiquetasArchivo.cpp") continue;
        const std::string texto = textoArchivo(carpeta + "/" + nombre);
        for (std::sregex_iterator i(texto.begin(), texto.end(), literal), fin; i != fin; ++i) {
            leidas.insert((*i)[1]);
        }
    }
    closedir(d);
    EXPECT_EQ(leidas, conocidas);
    const std::string diccionario = textoArchivo(std::string(KARVEL_RAIZ) + "/fuzz/karvel.dict");
    for (const std::string& t : conocidas) {
        EXPECT_NE(diccionario.find("\"" + t + "\""), std::string::npos) << t;
    }
}
