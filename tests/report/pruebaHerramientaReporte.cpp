// The report tool karvel2d-reporte, run as a user would: exit status, console
// line and the file it leaves in the current directory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string leer(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool existe(const std::string& ruta) {
    struct stat st;
    return stat(ruta.c_str(), &st) == 0;
}

// A scratch directory, removed at scope exit.
struct directorio {
    std::string ruta;
    directorio() {
        char plantilla[] = "/tmp/karvel-herramienta-XXXXXX";
        ruta = mkdtemp(plantilla);
    }
    ~directorio() { std::system(("rm -rf " + ruta).c_str()); }
    void copiar(const std::string& origen, const std::string& nombre) const {
        std::ofstream(ruta + "/" + nombre, std::ios::binary) << leer(origen);
    }
};

// Runs the tool in dir with the given arguments; returns its exit status and
// leaves its standard output in dir/salida.txt.
// TERM is that of a terminal that a clearing command would write escape
// codes for.
int ejecutar(const directorio& d, const std::string& argumentos) {
    const std::string orden = "cd " + d.ruta +
                              " && env TERM=xterm " KARVEL_BINARIOS "/karvel2d-reporte " +
                              argumentos + " > salida.txt 2>/dev/null";
    const int estado = std::system(orden.c_str());
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

const std::string datos = KARVEL_DATOS "/solver/";

}  // namespace

// The portal frame of the example: report written, status 0.
TEST(HerramientaReporte, ModeloCompletoEscribeElReporte) {
    directorio d;
    d.copiar(datos + "portico.txt", "portico.txt");
    EXPECT_EQ(ejecutar(d, "portico.txt"), 0);
    const std::string salida = leer(d.ruta + "/salida.txt");
    // A batch tool leaves the terminal alone: the log starts with the first
    // progress line, no escape codes before it.
    EXPECT_EQ(salida.rfind("lectura de nudos OK Num Nudos = 4\n", 0), 0u);
    EXPECT_EQ(salida.find('\x1b'), std::string::npos);
    EXPECT_NE(salida.find("\nResultados escritos en resultados.txt\n"), std::string::npos);
    const std::string r = leer(d.ruta + "/resultados.txt");
    EXPECT_EQ(r.rfind("#Nudo CoordX coordY\n1 0 0\n2 0 3\n3 4 3\n4 4 0\n\n\n", 0), 0u);
    EXPECT_NE(r.find("SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:\n#_barra: 1\ncombo: 1\n"),
              std::string::npos);
    EXPECT_EQ(r.substr(r.size() - 3), "\n\n\n");
}

// Without an argument the tool reads "ingresoDatos.txt".
TEST(HerramientaReporte, ArchivoPorDefecto) {
    directorio d;
    d.copiar(datos + "portico.txt", "ingresoDatos.txt");
    EXPECT_EQ(ejecutar(d, ""), 0);
    EXPECT_TRUE(existe(d.ruta + "/resultados.txt"));
}

// A model without combinations, or no model at all: one line, no file,
// status 1.
TEST(HerramientaReporte, ModeloIncompletoNoEscribeNada) {
    directorio d;
    d.copiar(datos + "sinCombos.txt", "sinCombos.txt");
    EXPECT_EQ(ejecutar(d, "sinCombos.txt"), 1);
    EXPECT_NE(leer(d.ruta + "/salida.txt")
                  .find("\nEl modelo no tiene combinaciones de carga; no se resuelve ni se "
                        "escribe resultados.txt\n"),
              std::string::npos);
    EXPECT_FALSE(existe(d.ruta + "/resultados.txt"));

    EXPECT_EQ(ejecutar(d, "noExiste.txt"), 1);
    EXPECT_NE(leer(d.ruta + "/salida.txt")
                  .find("El modelo no tiene nudos, barras ni combinaciones de carga"),
              std::string::npos);
    EXPECT_FALSE(existe(d.ruta + "/resultados.txt"));
}

// A report that cannot be written is not announced as written: warning,
// status 2.
TEST(HerramientaReporte, ReporteQueNoSePuedeEscribir) {
    directorio d;
    d.copiar(datos + "portico.txt", "portico.txt");
    ASSERT_EQ(mkdir((d.ruta + "/resultados.txt").c_str(), 0755), 0);
    EXPECT_EQ(ejecutar(d, "portico.txt"), 2);
    const std::string salida = leer(d.ruta + "/salida.txt");
    EXPECT_NE(salida.find("Advertencia: no se pudo abrir resultados.txt para escribir; no se "
                          "escribe el reporte\n"),
              std::string::npos);
    EXPECT_EQ(salida.find("Resultados escritos"), std::string::npos);
}

namespace {

const char* const archivosTablas[] = {"desplazamientos.csv", "reacciones.csv", "extremos.csv",
                                      "estaciones.csv",      "maximos.csv",    "envolventes.csv",
                                      "resumen.txt"};

// Lines of the console output that start with "Advertencia".
int advertencias(const std::string& salida) {
    int n = 0;
    for (std::size_t p = salida.find("Advertencia"); p != std::string::npos;
         p = salida.find("Advertencia", p + 1))
        ++n;
    return n;
}

}  // namespace

// --tablas: the report as without it, and the seven files of the folder.
TEST(HerramientaReporte, TablasJuntoAlReporte) {
    directorio d, sinTablas;
    d.copiar(datos + "portico.txt", "portico.txt");
    sinTablas.copiar(datos + "portico.txt", "portico.txt");
    EXPECT_EQ(ejecutar(d, "--tablas portico.txt"), 0);
    EXPECT_EQ(ejecutar(sinTablas, "portico.txt"), 0);
    const std::string salida = leer(d.ruta + "/salida.txt");
    EXPECT_NE(salida.find("\nResultados escritos en resultados.txt\nTablas escritas en "
                          "resultados-tablas/\n"),
              std::string::npos);
    EXPECT_EQ(leer(d.ruta + "/resultados.txt"), leer(sinTablas.ruta + "/resultados.txt"));
    for (const char* a : archivosTablas)
        EXPECT_TRUE(existe(d.ruta + "/resultados-tablas/" + a)) << a;
    EXPECT_FALSE(existe(sinTablas.ruta + "/resultados-tablas"));
}

// --solo-tablas: only the folder. Files of an earlier run are replaced; other
// files of the folder are left alone.
TEST(HerramientaReporte, SoloTablas) {
    directorio d;
    d.copiar(datos + "portico.txt", "portico.txt");
    ASSERT_EQ(mkdir((d.ruta + "/resultados-tablas").c_str(), 0755), 0);
    std::ofstream(d.ruta + "/resultados-tablas/maximos.csv") << "viejo\n";
    std::ofstream(d.ruta + "/resultados-tablas/notas.txt") << "mías\n";
    EXPECT_EQ(ejecutar(d, "--solo-tablas portico.txt"), 0);
    EXPECT_FALSE(existe(d.ruta + "/resultados.txt"));
    EXPECT_EQ(leer(d.ruta + "/salida.txt").find("Resultados escritos"), std::string::npos);
    EXPECT_EQ(leer(d.ruta + "/resultados-tablas/maximos.csv").rfind("barra,combo,Nmax,", 0), 0u);
    EXPECT_EQ(leer(d.ruta + "/resultados-tablas/notas.txt"), "mías\n");
}

// A folder that cannot be written (here a plain file holds its name): one
// warning, status 2, and "resultados.txt" complete all the same.
TEST(HerramientaReporte, CarpetaDeTablasQueNoSePuedeEscribir) {
    directorio d, referencia;
    d.copiar(datos + "portico.txt", "portico.txt");
    referencia.copiar(datos + "portico.txt", "portico.txt");
    std::ofstream(d.ruta + "/resultados-tablas") << "no es una carpeta\n";
    EXPECT_EQ(ejecutar(d, "--tablas portico.txt"), 2);
    EXPECT_EQ(ejecutar(referencia, "portico.txt"), 0);
    const std::string salida = leer(d.ruta + "/salida.txt");
    EXPECT_NE(
        salida.find("\nResultados escritos en resultados.txt\nAdvertencia: no se pudo crear "
                    "la carpeta resultados-tablas para escribir; no se escriben las tablas\n"),
        std::string::npos)
        << salida;
    EXPECT_EQ(advertencias(salida), advertencias(leer(referencia.ruta + "/salida.txt")) + 1);
    EXPECT_EQ(salida.find("Tablas escritas"), std::string::npos);
    EXPECT_EQ(leer(d.ruta + "/resultados.txt"), leer(referencia.ruta + "/resultados.txt"));

    EXPECT_EQ(ejecutar(d, "--solo-tablas portico.txt"), 2);
    EXPECT_EQ(leer(d.ruta + "/resultados-tablas"), "no es una carpeta\n");
}

// One file of the folder that cannot be written: the warning names it.
TEST(HerramientaReporte, TablaQueNoSePuedeEscribir) {
    directorio d;
    d.copiar(datos + "portico.txt", "portico.txt");
    ASSERT_EQ(mkdir((d.ruta + "/resultados-tablas").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((d.ruta + "/resultados-tablas/estaciones.csv").c_str(), 0755), 0);
    std::ofstream(d.ruta + "/resultados-tablas/estaciones.csv/dentro") << "x\n";
    EXPECT_EQ(ejecutar(d, "--solo-tablas portico.txt"), 2);
    EXPECT_NE(leer(d.ruta + "/salida.txt")
                  .find("Advertencia: no se pudo escribir resultados-tablas/estaciones.csv; las "
                        "tablas quedan incompletas\n"),
              std::string::npos);
}

// --ayuda prints the usage and reads nothing; an unknown option or a second
// file writes nothing and ends with status 1.
TEST(HerramientaReporte, AyudaYArgumentosNoValidos) {
    directorio d;
    d.copiar(datos + "portico.txt", "portico.txt");
    EXPECT_EQ(ejecutar(d, "--ayuda"), 0);
    const std::string ayuda = leer(d.ruta + "/salida.txt");
    EXPECT_EQ(ayuda.rfind("Uso: karvel2d-reporte [--tablas | --solo-tablas] [archivo]\n", 0), 0u);
    EXPECT_EQ(ayuda.find("lectura de nudos"), std::string::npos);

    EXPECT_EQ(ejecutar(d, "--tabla portico.txt"), 1);
    EXPECT_EQ(leer(d.ruta + "/salida.txt")
                  .rfind("Advertencia: la opción --tabla no existe; no se escribe nada\nUso:", 0),
              0u);
    EXPECT_EQ(ejecutar(d, "portico.txt otro.txt"), 1);
    EXPECT_NE(leer(d.ruta + "/salida.txt").find("sobra el argumento otro.txt"), std::string::npos);
    EXPECT_FALSE(existe(d.ruta + "/resultados.txt"));
    EXPECT_FALSE(existe(d.ruta + "/resultados-tablas"));
}
