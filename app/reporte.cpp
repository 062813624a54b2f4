// karvel2d-reporte [--tablas | --solo-tablas] [--pandeo [n]] [--modal [n]]
// [archivo]: reads the frame like karvel2d, solves every combination and
// writes "resultados.txt" without opening a window; with --tablas also the
// folder "resultados-tablas" (CSV tables and a summary), with --solo-tablas
// only that folder. --pandeo and --modal write the buckling and vibration
// tables into that folder, and then resultados.txt only with --tablas. A batch tool:
// it leaves the terminal as it is (no clearing), so its output reads the same
// in a log or a pipe. Exit status: 0 everything written, 1 nothing written
// (model without nodes, bars or combinations, too large to solve in the
// memory there is, or an unknown option), 2 a file or the folder could not be
// written (a previous resultados.txt is then kept).
#include <cstdio>
#include <iostream>
#include <string>

#include "funcionImprimirResultados.h"
#include "funcionLeerYAnalizar.h"
#include "modeloIncompleto.h"
#include "tablasAnalisis.h"
#include "tablasResultados.h"

namespace {

constexpr int salidaCompleta = 0;
constexpr int salidaSinEscribir = 1;
constexpr int salidaArchivoFallido = 2;

const char* const uso =
    "Uso: karvel2d-reporte [--tablas | --solo-tablas] [--pandeo [n]] [--modal [n]] [archivo]\n"
    "  Lee el archivo (sin argumento, ingresoDatos.txt), resuelve todas las combinaciones y\n"
    "  escribe resultados.txt en la carpeta actual.\n"
    "  --tablas       escribe además la carpeta resultados-tablas/ (tablas CSV y resumen.txt)\n"
    "  --solo-tablas  escribe solo la carpeta resultados-tablas/, sin resultados.txt\n"
    "  --pandeo [n]   los n (3) menores factores de pandeo de cada combinación y sus modos en\n"
    "                 resultados-tablas/ (pandeo.csv, modos-pandeo.csv)\n"
    "  --modal [n]    los n (6) modos de vibración de menor frecuencia en resultados-tablas/\n"
    "                 (modal.csv, modos-vibracion.csv)\n"
    "                 Con --pandeo o --modal, resultados.txt solo si se da también --tablas.\n"
    "  --ayuda        muestra este texto\n"
    "  Código de salida: 0 todo escrito; 1 no se escribe nada (modelo incompleto o argumentos\n"
    "  no válidos); 2 un archivo o la carpeta no se pudo escribir.";

struct opciones {
    bool reporte = true;
    bool tablas = false;
    bool ayuda = false;
    bool soloAnalisis = false;  // --pandeo or --modal without a table option
    int pandeo = 0;             // modes asked for; 0 none
    int modal = 0;
    std::string archivo = "ingresoDatos.txt";
    std::string error;  // what was not understood; empty when all was
};

// The count after an option that takes one (the next argument when it is a
// number; `porDefecto` otherwise), or an error when that number is not a
// positive whole number.
int leerCantidad(int argc, char** argv, int& i, int porDefecto, std::string& error) {
    if (i + 1 >= argc) return porDefecto;
    const std::string v = argv[i + 1];
    if (v.empty() || v.find_first_not_of("0123456789+-.e") != std::string::npos) return porDefecto;
    ++i;
    if (v.size() > 4 || v.find_first_not_of("0123456789") != std::string::npos || std::stoi(v) < 1)
        error = "la cantidad " + v + " de " + argv[i - 1] + " no es un entero de 1 a 9999";
    return error.empty() ? std::stoi(v) : 0;
}

opciones leerOpciones(int argc, char** argv) {
    opciones o;
    bool hayArchivo = false;
    bool hayTablas = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--pandeo") {
            o.pandeo = leerCantidad(argc, argv, i, modosPandeoPorDefecto, o.error);
        } else if (a == "--modal") {
            o.modal = leerCantidad(argc, argv, i, modosVibracionPorDefecto, o.error);
        } else if (a == "--ayuda") {
            o.ayuda = true;
        } else if (a == "--tablas") {
            o.tablas = hayTablas = true;
        } else if (a == "--solo-tablas") {
            o.tablas = hayTablas = true;
            o.reporte = false;
        } else if (a.rfind("--", 0) == 0) {
            o.error = "la opción " + a + " no existe";
        } else if (!hayArchivo) {
            // As in karvel2d, the first name is the input file; later ones
            // are ignored.
            o.archivo = a;
            hayArchivo = true;
        }
    }
    o.soloAnalisis = (o.pandeo > 0 || o.modal > 0) && !hayTablas;
    if (o.soloAnalisis) o.reporte = false;
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    const opciones o = leerOpciones(argc, argv);
    if (!o.error.empty()) {
        std::cout << "Advertencia: " << o.error << "; no se escribe nada\n" << uso << std::endl;
        return salidaSinEscribir;
    }
    if (o.ayuda) {
        std::cout << uso << std::endl;
        return salidaCompleta;
    }

    const modeloResuelto r = funcionLeerYAnalizar(o.archivo);
    if (!r.faltan.completo()) {
        std::cout << mensajeModeloIncompleto(r.faltan) << std::endl;
        return salidaSinEscribir;
    }  // The solver has said why (memory); nothing to write.
    if (!r.s.resuelto) return salidaSinEscribir;

    int estado = salidaCompleta;
    if (o.reporte) {
        if (funcionImprimirResultados(r.m, r.s)) {
            std::cout << "Resultados escritos en resultados.txt" << std::endl;
        } else {
            estado = salidaArchivoFallido;
        }
    }
    if (o.tablas) {
        if (funcionEscribirTablas(r.m, r.s, o.archivo)) {
            std::cout << "Tablas escritas en " << carpetaTablas << "/" << std::endl;
        } else {
            estado = salidaArchivoFallido;
        }
    }
    if (o.pandeo > 0 && !funcionEscribirPandeo(r.m, funcionPandeo(r.m, r.s, o.pandeo)))
        estado = salidaArchivoFallido;
    if (o.modal > 0 && !funcionEscribirModal(r.m, funcionModal(r.m, o.modal)))
        estado = salidaArchivoFallido;
    return estado;
}
