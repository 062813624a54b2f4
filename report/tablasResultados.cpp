#include "tablasResultados.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "estacionesBarra.h"
#include "seccionesTablas.h"

const char* const carpetaTablas = "resultados-tablas";

std::vector<std::string> nombresDeCombos(const modelo& m) {
    std::vector<std::string> nombres;
    for (int c = 0; c < m.noCombos; ++c) nombres.push_back(m.nombreDelCombo(c));
    return nombres;
}

std::vector<int> combosDeBarra(const datosTablas& d, int indiceBarra) {
    std::vector<int> combos;
    if (indiceBarra < 0 || indiceBarra >= static_cast<int>(d.s.barras.size())) return combos;
    const int validos =
        std::min(std::max(d.m.noCombos, 0),
                 d.s.barras[static_cast<std::size_t>(indiceBarra)].combosConResultados());
    for (int c = 0; c < validos; ++c) combos.push_back(c);
    return combos;
}

namespace {

namespace fs = std::filesystem;

struct tabla {
    const char* archivo;
    void (*escribir)(std::ostream&, const datosTablas&);
};

const tabla tablas[] = {
    {"desplazamientos.csv", escribirTablaDesplazamientos},
    {"reacciones.csv", escribirTablaReacciones},
    {"extremos.csv", escribirTablaExtremos},
    {"estaciones.csv", escribirTablaEstaciones},
    {"maximos.csv", escribirTablaMaximos},
    {"envolventes.csv", escribirTablaEnvolventes},
    {"resumen.txt", escribirResumen},
};

// The folder exists as a folder, created now if it was missing, and none of
// the files it will hold is left from an earlier run.
bool prepararCarpeta() {
    std::error_code ec;
    fs::create_directory(carpetaTablas, ec);
    if (!fs::is_directory(carpetaTablas, ec)) return false;
    for (const tabla& t : tablas) fs::remove(fs::path(carpetaTablas) / t.archivo, ec);
    return true;
}

bool escribirArchivo(const tabla& t, const datosTablas& d) {
    std::ofstream f(fs::path(carpetaTablas) / t.archivo, std::ios::binary | std::ios::trunc);
    if (!f.is_open()) return false;
    t.escribir(f, d);
    f.close();
    return !f.fail();
}

}  // namespace

bool funcionEscribirTablas(const modelo& m, const solucion& s, const std::string& nombreArchivo) {
    const datosTablas d{m, s, nombreArchivo};
    if (!prepararCarpeta()) {
        std::cout << "Advertencia: no se pudo crear la carpeta " << carpetaTablas
                  << " para escribir; no se escriben las tablas" << std::endl;
        return false;
    }
    for (const tabla& t : tablas) {
        if (!escribirArchivo(t, d)) {
            std::cout << "Advertencia: no se pudo escribir " << carpetaTablas << "/" << t.archivo
                      << "; las tablas quedan incompletas" << std::endl;
            return false;
        }
    }
    return true;
}
