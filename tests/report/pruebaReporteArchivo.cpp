// Where the report is written: it replaces "resultados.txt" only when
// complete, so a read-only folder, a full disk or a folder with less room
// than the report needs keeps the previous file whole, with one warning.
// Small file systems are tmpfs mounts (root only; skipped otherwise).
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../solver/modeloPrueba.h"
#include "../solver/porticoPrueba.h"
#include "archivoTemporal.h"
#include "funcionImprimirResultados.h"
#include "funcionSolucionU.h"

namespace {

const std::string reporteAnterior = "reporte anterior, completo\n";
const std::string avisoNoSeAbre =
    "Advertencia: no se pudo abrir resultados.txt para escribir; no se escribe el reporte\n";

// A tmpfs with the given mount options on a fresh folder, unmounted and
// removed at scope exit; montado is false when this process may not mount.
struct tmpfsPrueba {
    std::string ruta;
    bool montado = false;
    explicit tmpfsPrueba(const std::string& opciones) {
        char plantilla[] = "/tmp/karvel-tmpfs-XXXXXX";
        if (mkdtemp(plantilla) == nullptr) return;
        ruta = plantilla;
        montado = geteuid() == 0 && mount("tmpfs", ruta.c_str(), "tmpfs", 0, opciones.c_str()) == 0;
    }
    ~tmpfsPrueba() {
        if (montado) umount2(ruta.c_str(), MNT_DETACH);
        if (!ruta.empty()) rmdir(ruta.c_str());
    }
    bool soloLectura() {
        return mount(nullptr, ruta.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    void escribir(const std::string& nombre, const std::string& texto) const {
        std::ofstream(ruta + "/" + nombre, std::ios::binary) << texto;
    }
};

// What a report left behind: the console and whether it was written.
struct reporteHecho {
    std::string consola;
    bool escrito;
};

// The report of model m with solution s, written with dir as the current
// folder.
reporteHecho reporteEn(const std::string& dir, const modelo& m, const solucion& s) {
    char anterior[4096];
    EXPECT_NE(getcwd(anterior, sizeof anterior), nullptr);
    EXPECT_EQ(chdir(dir.c_str()), 0);
    capturaConsola consola;
    const bool escrito = funcionImprimirResultados(m, s);
    EXPECT_EQ(chdir(anterior), 0);
    return {consola.texto(), escrito};
}

// Cantilever with a tip load: a report of a few kilobytes.
modelo voladizo() {
    modelo m;
    agregarNudo(m, 0, 0, 1, 1, 1);
    agregarNudo(m, 3, 0);
    agregarBarra(m, 0, 1, 2e7, 0.02, 4e-4);
    m.nudo[1].setCargaPuntual("P", 0, -12, 0);
    agregarCombo(m, "C1", {{1.0, "P"}});
    return m;
}

solucion resolverCallado(const modelo& m) {
    capturaConsola consola;
    return funcionSolucionU(m);
}

#define MONTAR_O_SALTAR(t)                                                       \
    if (!(t).montado) GTEST_SKIP() << "sin permiso para montar un tmpfs (root)"; \
    static_assert(true, "")

}  // namespace

// A read-only folder: the warning of a file that cannot be opened; the
// previous report and nothing else stays.
TEST(ReporteArchivo, CarpetaDeSoloLecturaConservaElAnterior) {
    const modelo m = voladizo();
    const solucion s = resolverCallado(m);
    tmpfsPrueba t("size=1m");
    MONTAR_O_SALTAR(t);
    t.escribir("resultados.txt", reporteAnterior);
    ASSERT_TRUE(t.soloLectura());
    const reporteHecho r = reporteEn(t.ruta, m, s);
    EXPECT_EQ(r.consola, avisoNoSeAbre);
    EXPECT_FALSE(r.escrito);
    EXPECT_EQ(leerArchivo(t.ruta + "/resultados.txt"), reporteAnterior);
    EXPECT_EQ(entradasDe(t.ruta), 1);
}

// A full disk: the report does not fit; one warning with both sizes, the
// previous report whole and no temporary file left. With room again, the
// report replaces it.
TEST(ReporteArchivo, DiscoLlenoConservaElAnterior) {
    const modelo m = voladizo();
    const solucion s = resolverCallado(m);
    tmpfsPrueba t("size=64k");
    MONTAR_O_SALTAR(t);
    t.escribir("resultados.txt", reporteAnterior);
    {
        std::ofstream relleno(t.ruta + "/relleno", std::ios::binary);
        const std::string bloque(4096, 'x');
        for (int k = 0; k < 64 && relleno; ++k) relleno << bloque << std::flush;
    }
    const reporteHecho r = reporteEn(t.ruta, m, s);
    const std::string& consola = r.consola;
    EXPECT_EQ(consola.rfind("Advertencia: resultados.txt ocuparía ", 0), 0u) << consola;
    EXPECT_NE(consola.find(" MB y en la carpeta quedan 0.0 MB libres; no se escribe el reporte\n"),
              std::string::npos)
        << consola;
    EXPECT_FALSE(r.escrito);
    EXPECT_EQ(leerArchivo(t.ruta + "/resultados.txt"), reporteAnterior);
    EXPECT_EQ(entradasDe(t.ruta), 2);

    std::remove((t.ruta + "/relleno").c_str());
    const reporteHecho otro = reporteEn(t.ruta, m, s);
    EXPECT_EQ(otro.consola, "");
    EXPECT_TRUE(otro.escrito);
    EXPECT_EQ(
        leerArchivo(t.ruta + "/resultados.txt").rfind("#Nudo CoordX coordY\n1 0 0\n2 3 0\n", 0),
        0u);
    EXPECT_EQ(entradasDe(t.ruta), 1);
}

// The 150 x 150 frame (68,403 freedoms, 67,950 free) solves with no warning and balances
// its loads; its report, which writes the structure stiffness in full
// (68,403² entries of at least two characters each, blank included, some
// 9.4 GB at the very least), is refused in a 16 MB folder before anything is
// written.
TEST(ReporteArchivo, PorticoDe150x150SeResuelveYSuReporteNoCabe) {
    const modelo m = leerModelo(textoPortico(150, 150));
    solucion s;
    {
        capturaConsola consola;
        s = funcionSolucionU(m);
        EXPECT_EQ(consola.texto(), "");
    }
    EXPECT_TRUE(s.resuelto);
    EXPECT_EQ(s.noLibres, (151 * 151 - 151) * 3);  // every node but the fixed bases
    reaccionesEquilibranPortico(s, 150, 150);

    tmpfsPrueba t("size=16m");
    MONTAR_O_SALTAR(t);
    t.escribir("resultados.txt", reporteAnterior);
    const std::string consola = reporteEn(t.ruta, m, s).consola;
    const std::string inicio = "Advertencia: resultados.txt ocuparía ";
    ASSERT_EQ(consola.rfind(inicio, 0), 0u) << consola;
    const double mb = std::atof(consola.c_str() + inicio.size());
    const double minimoMB = 68403.0 * 68403.0 * 2 / (1024 * 1024);
    EXPECT_GT(mb, minimoMB) << consola;
    EXPECT_NE(consola.find(" MB y en la carpeta quedan 16.0 MB libres; no se escribe el reporte\n"),
              std::string::npos)
        << consola;
    EXPECT_EQ(leerArchivo(t.ruta + "/resultados.txt"), reporteAnterior);
    EXPECT_EQ(entradasDe(t.ruta), 1);
}

// A model that is not solved (the solver ran out of memory) writes no
// report.
TEST(ReporteArchivo, ModeloSinResolverNoSeEscribe) {
    const modelo m = voladizo();
    solucion s = resolverCallado(m);
    s.resuelto = false;
    char plantilla[] = "/tmp/karvel-reporte-XXXXXX";
    ASSERT_NE(mkdtemp(plantilla), nullptr);
    const reporteHecho r = reporteEn(plantilla, m, s);
    EXPECT_EQ(r.consola, "Advertencia: el modelo no está resuelto; no se escribe el reporte\n");
    EXPECT_FALSE(r.escrito);
    EXPECT_EQ(entradasDe(plantilla), 0);
    rmdir(plantilla);
}
