// Writing the buckling and vibration tables into the results folder.
#include "tablasAnalisis.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <system_error>

#include "tablasResultados.h"

namespace {

namespace fs = std::filesystem;

using escritura = std::function<void(std::ostream&)>;

bool escribirEnCarpeta(const std::vector<std::pair<const char*, escritura>>& archivos) {
    std::error_code ec;
    fs::create_directory(carpetaTablas, ec);
    if (!fs::is_directory(carpetaTablas, ec)) {
        std::cout << "Advertencia: no se pudo crear la carpeta " << carpetaTablas
                  << " para escribir; no se escriben las tablas" << std::endl;
        return false;
    }
    for (const auto& [archivo, escribir] : archivos) {
        std::ofstream f(fs::path(carpetaTablas) / archivo, std::ios::binary | std::ios::trunc);
        bool escrito = f.is_open();
        if (escrito) {
            escribir(f);
            f.close();
            escrito = !f.fail();
        }
        if (!escrito) {
            std::cout << "Advertencia: no se pudo escribir " << carpetaTablas << "/" << archivo
                      << "; las tablas quedan incompletas" << std::endl;
            return false;
        }
    }
    return true;
}

}  // namespace

bool funcionEscribirPandeo(const modelo& m, const resultadoPandeo& p) {
    const bool escritas = escribirEnCarpeta(
        {{"pandeo.csv", [&](std::ostream& s) { escribirTablaPandeo(s, m, p); }},
         {"modos-pandeo.csv", [&](std::ostream& s) { escribirTablaModosPandeo(s, m, p); }}});
    if (escritas)
        std::cout << "Pandeo escrito en " << carpetaTablas << "/ (pandeo.csv, modos-pandeo.csv)"
                  << std::endl;
    return escritas;
}

bool funcionEscribirModal(const modelo& m, const resultadoModal& r) {
    const bool escritas = escribirEnCarpeta(
        {{"modal.csv", [&](std::ostream& s) { escribirTablaModal(s, r); }},
         {"modos-vibracion.csv", [&](std::ostream& s) { escribirTablaModosVibracion(s, m, r); }}});
    if (escritas)
        std::cout << "Modos de vibración escritos en " << carpetaTablas
                  << "/ (modal.csv, modos-vibracion.csv)" << std::endl;
    return escritas;
}
