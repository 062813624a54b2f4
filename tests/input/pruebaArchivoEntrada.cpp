// The input file is only read: its bytes and modification time stay as they
// were, a read-only file reads normally, and a file that cannot be opened
// gives one warning for the whole read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "lecturaPrueba.h"

namespace {

std::string contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

int cuentaApariciones(const std::string& texto, const std::string& trozo) {
    int n = 0;
    for (std::size_t p = texto.find(trozo); p != std::string::npos; p = texto.find(trozo, p + 1))
        ++n;
    return n;
}

const char* const textoModelo =
    "nudos: 1 0 0 2 4 0\nbarras: 1 1 2\napoyo: 1 1 1 1\npuntual: P 0 -10 0 2\ncombo: C 1 P\n";

}  // namespace

TEST(ArchivoEntrada, LaLecturaNoModificaElArchivo) {
    archivoTemporal archivo(textoModelo);
    struct stat antes {};
    ASSERT_EQ(stat(archivo.nombre().c_str(), &antes), 0);
    const std::string bytes = contenido(archivo.nombre());
    leerArchivoModelo(archivo.nombre());
    struct stat despues {};
    ASSERT_EQ(stat(archivo.nombre().c_str(), &despues), 0);
    EXPECT_EQ(contenido(archivo.nombre()), bytes);
    EXPECT_EQ(despues.st_mtim.tv_sec, antes.st_mtim.tv_sec);
    EXPECT_EQ(despues.st_mtim.tv_nsec, antes.st_mtim.tv_nsec);
    EXPECT_EQ(despues.st_size, antes.st_size);
}

TEST(ArchivoEntrada, ArchivoDeSoloLecturaSeLeeNormalmente) {
    archivoTemporal archivo(textoModelo);
    ASSERT_EQ(chmod(archivo.nombre().c_str(), 0444), 0);
    const auto [m, consola] = leerArchivoModelo(archivo.nombre());
    EXPECT_EQ(cuentaApariciones(consola, "no se pudo abrir"), 0);
    EXPECT_EQ(m.noNudos, 2);
    EXPECT_EQ(m.noBarras, 1);
    EXPECT_EQ(m.noCombos, 1);
    ASSERT_EQ(m.combos.size(), 1u);
    EXPECT_DOUBLE_EQ(m.nudo[1].getCargasCombo(m.combos[0])(1), -10.0);
}

TEST(ArchivoEntrada, ArchivoInexistenteUnSoloAvisoYModeloVacio) {
    const auto [m, consola] = leerArchivoModelo("/nonexistent/karvel/ingresoDatos.txt");
    EXPECT_EQ(cuentaApariciones(consola, "no se pudo abrir"), 1);
    EXPECT_EQ(lineasDe(consola).at(0),
              "Advertencia: no se pudo abrir el archivo /nonexistent/karvel/ingresoDatos.txt para "
              "lectura; no se leyó ningún dato");
    EXPECT_TRUE(contieneLinea(consola, "lectura de nudos OK Num Nudos = 0"));
    EXPECT_EQ(m.noNudos, 0);
    EXPECT_EQ(m.noBarras, 0);
    EXPECT_EQ(m.noCombos, 0);
    EXPECT_TRUE(m.nudo.empty());
    EXPECT_EQ(m.punteroNudos.size(), 0);
    // Settings fall back to their defaults.
    EXPECT_DOUBLE_EQ(m.ajustes.escalaDef, 100);
    EXPECT_EQ(m.ajustes.precision, 3);
}

TEST(ArchivoEntrada, UnDirectorioNoSePuedeLeer) {
    const auto [m, consola] = leerArchivoModelo("/tmp");
    EXPECT_EQ(cuentaApariciones(consola, "no se pudo abrir el archivo /tmp para lectura"), 1);
    EXPECT_EQ(m.noNudos, 0);
}
