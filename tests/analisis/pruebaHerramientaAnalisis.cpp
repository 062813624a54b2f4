// karvel2d-reporte with --pandeo and --modal, run as a user would: the files
// it writes (and those it does not), their columns, the exit status and
// the option errors; and the new tags as the reader takes them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "archivoTemporal.h"
#include "carpetaTemporal.h"
#include "lecturaCsv.h"
#include "modelosAnalisis.h"

namespace {

bool existe(const std::string& ruta) {
    struct stat st;
    return stat(ruta.c_str(), &st) == 0;
}

int ejecutar(const carpetaTemporal& d, const std::string& argumentos) {
    const std::string orden = "cd " + d.ruta + " && " KARVEL_BINARIOS "/karvel2d-reporte " +
                              argumentos + " > salida.txt 2>/dev/null";
    const int estado = std::system(orden.c_str());
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

// A pinned column of 10 under P = 1000 (Euler load π²·2e4/100 = 1973.9),
// with masses, in two combinations: compression and tension.
const std::string columna =
    miembro(2, 10, true, "1 1 0", "1 0 0", 0.01, 1e-4, 2e8, 78.5,
            "puntual: P 0 -1000 0 3\ncombo: COMPRESION 1 P\ncombo: TRACCION -1 P\n"
            "masa: 1.5 2\ngravedad: 9.81\n");

}  // namespace

TEST(HerramientaAnalisis, PandeoYModalEscribenSoloSusTablas) {
    carpetaTemporal d;
    std::ofstream(d.ruta + "/columna.txt") << columna;
    ASSERT_EQ(ejecutar(d, "--pandeo 2 --modal columna.txt"), 0);
    EXPECT_FALSE(existe(d.ruta + "/resultados.txt"));
    EXPECT_FALSE(existe(d.ruta + "/resultados-tablas/desplazamientos.csv"));
    const std::string salida = leerArchivo(d.ruta + "/salida.txt");
    EXPECT_NE(salida.find("Pandeo: el combo TRACCION no comprime ninguna barra; no tiene "
                          "factores de pandeo\n"),
              std::string::npos);
    EXPECT_NE(salida.find("Pandeo escrito en resultados-tablas/ (pandeo.csv, modos-pandeo.csv)\n"),
              std::string::npos);
    EXPECT_NE(salida.find("Modos de vibración escritos en resultados-tablas/ (modal.csv, "
                          "modos-vibracion.csv)\n"),
              std::string::npos);

    const tablaCsv pandeo = leerCsv(d.ruta + "/resultados-tablas/pandeo.csv");
    ASSERT_TRUE(pandeo.legible);
    EXPECT_EQ(pandeo.encabezado, (std::vector<std::string>{"combo", "modo", "factor"}));
    ASSERT_EQ(pandeo.filas.size(), 2u);  // two factors, only of COMPRESION
    EXPECT_EQ(pandeo.texto(0, "combo"), "COMPRESION");
    // λ·1000 = the Euler load.
    EXPECT_LT(errorRelativo(pandeo.numero(0, "factor") * 1000, pi * pi * 2e4 / 100), 1e-3);
    EXPECT_LT(errorRelativo(pandeo.numero(1, "factor") * 1000, 4 * pi * pi * 2e4 / 100), 1e-2);

    const tablaCsv modos = leerCsv(d.ruta + "/resultados-tablas/modos-pandeo.csv");
    EXPECT_EQ(modos.encabezado,
              (std::vector<std::string>{"combo", "modo", "nudo", "ux", "uy", "giro"}));
    ASSERT_EQ(modos.filas.size(), 6u);  // 2 modes x 3 nodes
    // Mode 1 sways the mid-height node, scaled to +1.
    EXPECT_EQ(modos.texto(1, "nudo"), "2");
    EXPECT_DOUBLE_EQ(modos.numero(1, "ux"), 1.0);

    const tablaCsv modal = leerCsv(d.ruta + "/resultados-tablas/modal.csv");
    EXPECT_EQ(modal.encabezado, (std::vector<std::string>{"modo", "omega", "frecuencia", "periodo",
                                                          "masa_x", "masa_y"}));
    ASSERT_EQ(modal.filas.size(), 6u);
    for (std::size_t k = 0; k < modal.filas.size(); ++k) {
        EXPECT_NEAR(modal.numero(k, "frecuencia"), modal.numero(k, "omega") / (2 * pi), 1e-12);
        EXPECT_NEAR(modal.numero(k, "periodo") * modal.numero(k, "frecuencia"), 1, 1e-12);
        if (k > 0) {
            EXPECT_GE(modal.numero(k, "omega"), modal.numero(k - 1, "omega"));
        }
    }
    const tablaCsv vibracion = leerCsv(d.ruta + "/resultados-tablas/modos-vibracion.csv");
    EXPECT_EQ(vibracion.encabezado, (std::vector<std::string>{"modo", "nudo", "ux", "uy", "giro"}));
    EXPECT_EQ(vibracion.filas.size(), 18u);
}

TEST(HerramientaAnalisis, ConTablasTambienElReporte) {
    carpetaTemporal d;
    std::ofstream(d.ruta + "/columna.txt") << columna;
    ASSERT_EQ(ejecutar(d, "--tablas columna.txt --pandeo"), 0);
    EXPECT_TRUE(existe(d.ruta + "/resultados.txt"));
    EXPECT_TRUE(existe(d.ruta + "/resultados-tablas/desplazamientos.csv"));
    EXPECT_EQ(leerCsv(d.ruta + "/resultados-tablas/pandeo.csv").filas.size(), 3u);
    carpetaTemporal e;
    std::ofstream(e.ruta + "/columna.txt") << columna;
    ASSERT_EQ(ejecutar(e, "--solo-tablas --modal 3 columna.txt"), 0);
    EXPECT_FALSE(existe(e.ruta + "/resultados.txt"));
    EXPECT_TRUE(existe(e.ruta + "/resultados-tablas/resumen.txt"));
    EXPECT_EQ(leerCsv(e.ruta + "/resultados-tablas/modal.csv").filas.size(), 3u);
}

// A model without mass: one line naming the two tags; the tables hold their
// header only, and the tool ends with 0.
TEST(HerramientaAnalisis, SinMasaTablasVacias) {
    carpetaTemporal d;
    std::ofstream(d.ruta + "/sinMasa.txt") << miembro(
        1, 5, false, "1 1 1", "0 0 0", 0.01, 1e-4, 2e8, 78.5, "puntual: P 0 -1 0 2\ncombo: C1 1 P");
    EXPECT_EQ(ejecutar(d, "--modal sinMasa.txt"), 0);
    EXPECT_NE(leerArchivo(d.ruta + "/salida.txt")
                  .find("Advertencia: el modelo no tiene masa (etiquetas masa: y gravedad:); no "
                        "se calculan modos de vibración\n"),
              std::string::npos);
    EXPECT_EQ(leerArchivo(d.ruta + "/resultados-tablas/modal.csv"),
              "modo,omega,frecuencia,periodo,masa_x,masa_y\n");
}

// A count that is not a whole number from 1 on: nothing read, nothing
// written, status 1 and the usage.
TEST(HerramientaAnalisis, CantidadNoValida) {
    for (const char* malo : {"0", "1.5", "1e3", "-2", "99999"}) {
        carpetaTemporal d;
        std::ofstream(d.ruta + "/columna.txt") << columna;
        EXPECT_EQ(ejecutar(d, std::string("--pandeo ") + malo + " columna.txt"), 1) << malo;
        const std::string salida = leerArchivo(d.ruta + "/salida.txt");
        EXPECT_EQ(salida.rfind(std::string("Advertencia: la cantidad ") + malo +
                                   " de --pandeo no es un entero de 1 a 9999; no se escribe nada\n",
                               0),
                  0u)
            << salida;
        EXPECT_NE(salida.find("Uso: karvel2d-reporte"), std::string::npos);
        EXPECT_FALSE(existe(d.ruta + "/resultados-tablas"));
    }
}

// The new tags: progress lines when present, warnings for bad values, and
// nothing at all printed for a file without them.
TEST(LecturaAnalisis, EtiquetasYAvisos) {
    std::string consola;
    const modeloResuelto r =
        analizar(miembro(2, 6, false, "1 1 1", "0 0 0", 0.01, 1e-4, 2e8, 78.5,
                         "puntual: P 0 -1 0 3\ncombo: C1 1 P\nmasa: 2 2 3\nmasa: 1 3\nmasa: -4 2\n"
                         "masa: 1 9\ngravedad: 9.81\nsubdivisiones: 6\n"),
                 &consola);
    EXPECT_NE(consola.find("transferencia de masas a nudo[i] OK\nLectura de gravedad ---> OK\n"
                           "Lectura de subdivisiones ---> OK\n"),
              std::string::npos)
        << consola;
    EXPECT_NE(consola.find("Advertencia: la entrada 3 de masa: tiene una masa negativa (-4); no "
                           "se aplica\n"),
              std::string::npos);
    EXPECT_NE(consola.find("Advertencia: en masa: el nudo 9 no existe; se ignora\n"),
              std::string::npos);
    EXPECT_DOUBLE_EQ(r.m.nudo[1].getMasa(), 2);
    EXPECT_DOUBLE_EQ(r.m.nudo[2].getMasa(), 3);  // entries add up
    EXPECT_DOUBLE_EQ(r.m.analisis.gravedad, 9.81);
    EXPECT_EQ(r.m.analisis.subdivisiones, 6);
    EXPECT_FALSE(r.m.analisis.segundoOrden);

    const std::string base = miembro(1, 6, false, "1 1 1", "0 0 0", 0.01, 1e-4, 2e8, 78.5,
                                     "puntual: P 0 -1 0 2\ncombo: C1 1 P\n");
    struct caso {
        std::string texto, aviso;
        int subdivisiones;
    };
    for (const caso& c :
         {caso{"subdivisiones: 0",
               "el valor 0 de subdivisiones: no es un entero positivo; se toma 4", 4},
          caso{"subdivisiones: 500", "el valor 500 de subdivisiones: es mayor que 100; se toma 100",
               100},
          caso{"subdivisiones: dos",
               "el valor dos de subdivisiones: no es un entero válido; se ignora", 4},
          caso{"gravedad: -9.81",
               "el valor -9.81 de gravedad: no es positivo; se ignora (sin masa del peso propio)",
               4}}) {
        std::string texto;
        const modeloResuelto m = analizar(base + c.texto + "\n", &texto);
        EXPECT_NE(texto.find("Advertencia: " + c.aviso + "\n"), std::string::npos) << texto;
        EXPECT_EQ(m.m.analisis.subdivisiones, c.subdivisiones);
        EXPECT_EQ(m.m.analisis.gravedad, 0);
    }
    // Without the new tags the console says nothing of them.
    std::string texto;
    analizar(base, &texto);
    for (const char* palabra : {"masa", "gravedad", "subdivisiones", "segundoOrden"})
        EXPECT_EQ(texto.find(palabra), std::string::npos) << palabra;
}
