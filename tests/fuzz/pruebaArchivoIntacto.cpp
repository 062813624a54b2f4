// The input file is only ever read: after the start-up read, the solution,
// the report and a reload (F5) its bytes and modification time are those it
// had before.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>

#include "archivoTemporal.h"
#include "directorioTrabajo.h"
#include "estadoVisor.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

namespace {

std::string contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Cantilever with a tip load: a complete model, so every stage runs.
const char* const mensula =
    "nudos: 1 0 0 2 3 0\nbarras: 1 1 2\napoyo: 1 1 1 1\n"
    "seccionRectangular: S 0.3 0.5 2.1e7 24 1\n"
    "puntual: P 0 -10 0 2\npesoPropio: PP\ncombo: C1 1 P\ncombo: C2 1.2 PP 1.6 P\n";

}  // namespace

TEST(ArchivoIntacto, LecturaSolucionReporteYRecargaNoLoEscriben) {
    archivoTemporal archivo(mensula);
    // A modification time well in the past: any write would move it to now.
    const struct timespec antiguo[2] = {{1000000000, 123456789}, {1000000000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, archivo.nombre().c_str(), antiguo, 0), 0);
    struct stat antes {};
    ASSERT_EQ(stat(archivo.nombre().c_str(), &antes), 0);
    const std::string bytes = contenido(archivo.nombre());

    directorioTrabajo trabajo;
    ASSERT_TRUE(trabajo.listo());
    capturaConsola consola;
    nombreArchivo = archivo.nombre();
    modeloResuelto leido = funcionLeerYResolver(archivo.nombre());
    ASSERT_TRUE(leido.faltan.completo());
    EXPECT_TRUE(funcionImprimirResultados(leido.m, leido.s));
    mostrarModelo(std::move(leido.m), std::move(leido.s));
    flagsIniciales();
    mostrarTodo();
    // The reload writes its own report: the start-up's is removed first.
    ASSERT_EQ(std::remove((trabajo.nombre() + "/resultados.txt").c_str()), 0);
    recargarModelo();
    EXPECT_TRUE(solucionVisor.resuelto);

    struct stat despues {};
    ASSERT_EQ(stat(archivo.nombre().c_str(), &despues), 0);
    EXPECT_EQ(contenido(archivo.nombre()), bytes);
    EXPECT_EQ(despues.st_size, antes.st_size);
    EXPECT_EQ(despues.st_mtim.tv_sec, antes.st_mtim.tv_sec);
    EXPECT_EQ(despues.st_mtim.tv_nsec, antes.st_mtim.tv_nsec);
    // The report went to the working directory, not next to the input.
    EXPECT_FALSE(contenido(trabajo.nombre() + "/resultados.txt").empty());
}
