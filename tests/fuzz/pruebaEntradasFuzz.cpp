// Every input kept in datos/fuzz (each once made the program crash, trip an
// assertion or hang) goes through the whole path again: start-up read,
// solution, report, every result query, and a reload. Reaching the end is the
// check; files named "sano-*" hold sound models, whose results must also be
// finite. The user examples take the same path as sound models.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "archivoTemporal.h"
#include "directorioTrabajo.h"
#include "recorridoCompleto.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> archivosDe(const fs::path& carpeta) {
    std::vector<fs::path> archivos;
    for (const auto& e : fs::directory_iterator(carpeta)) {
        if (e.is_regular_file()) archivos.push_back(e.path());
    }
    std::sort(archivos.begin(), archivos.end());
    return archivos;
}

resumenRecorrido recorrer(const fs::path& archivo) {
    directorioTrabajo trabajo;
    EXPECT_TRUE(trabajo.listo());
    capturaConsola consola;
    return recorrerArchivo(archivo.string());
}

}  // namespace

TEST(EntradasFuzz, CadaEntradaGuardadaRecorreTodoElPrograma) {
    const std::vector<fs::path> archivos = archivosDe(fs::path(KARVEL_DATOS) / "fuzz");
    ASSERT_FALSE(archivos.empty());
    for (const fs::path& archivo : archivos) {
        SCOPED_TRACE(archivo.filename().string());
        const resumenRecorrido r = recorrer(archivo);
        if (archivo.filename().string().rfind("sano-", 0) == 0) {
            EXPECT_TRUE(r.resueltoAlInicio);
            EXPECT_TRUE(r.resueltoAlRecargar);
            EXPECT_TRUE(r.todoFinito);
            EXPECT_GT(r.consultas, 0);
        }
    }
}

TEST(EntradasFuzz, LosEjemplosSeResuelvenConResultadosFinitos) {
    for (const fs::path& archivo : archivosDe(fs::path(KARVEL_RAIZ) / "ejemplos")) {
        SCOPED_TRACE(archivo.filename().string());
        const resumenRecorrido r = recorrer(archivo);
        EXPECT_TRUE(r.resueltoAlInicio);
        EXPECT_TRUE(r.resueltoAlRecargar);
        EXPECT_TRUE(r.todoFinito);
        EXPECT_GT(r.consultas, 0);
    }
}
