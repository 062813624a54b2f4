// karvel2d-reporte [--tablas | --solo-tablas] [--influencia RESPUESTA]
// [--envolventeTren] [--pandeo [n]] [--modal [n]] [archivo]: reads the frame
// like karvel2d, solves every combination and writes "resultados.txt"
// without opening a window; with --tablas also the folder
// "resultados-tablas" (CSV tables and a summary), with --solo-tablas only
// that folder. --influencia, --envolventeTren, --pandeo and --modal write
// their own files there (influence lines, trains, buckling and vibration
// modes) and, unless --tablas or --solo-tablas is given too, nothing else.
// A batch tool:
// it leaves the terminal as it is (no clearing), so its output reads the same
// in a log or a pipe. Exit status: 0 everything written, 1 nothing written
// (model without nodes, bars or combinations, too large to solve in the
// memory there is, or an unknown option), 2 a file or the folder could not be
// written (a previous resultados.txt is then kept), 3 everything was written
// but some combination does not balance (a mechanism: its results are not
// valid), so that a script running many models can tell.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "funcionImprimirResultados.h"
#include "funcionLeerYAnalizar.h"
#include "modeloIncompleto.h"
#include "tablasAnalisis.h"
#include "tablasInfluencia.h"
#include "tablasResultados.h"

namespace {

constexpr int salidaCompleta = 0;
constexpr int salidaSinEscribir = 1;
constexpr int salidaArchivoFallido = 2;
constexpr int salidaSinEquilibrio = 3;

const char* const uso =
    "Uso: karvel2d-reporte [--tablas | --solo-tablas] [--influencia RESPUESTA] [--envolventeTren]\n"
    "                      [--pandeo [n]] [--modal [n]] [archivo]\n"
    "  Lee el archivo (sin argumento, ingresoDatos.txt), resuelve todas las combinaciones y\n"
    "  escribe resultados.txt en la carpeta actual.\n"
    "  --tablas       escribe además la carpeta resultados-tablas/ (tablas CSV y resumen.txt)\n"
    "  --solo-tablas  escribe solo la carpeta resultados-tablas/, sin resultados.txt\n"
    "  --influencia RESPUESTA  escribe resultados-tablas/influencia.csv (línea de influencia de\n"
    "                 la respuesta a lo largo de cada recorrido: Rx:N, Ry:N, Mz:N, ux:N, uy:N,\n"
    "                 giro:N, N:B:x, V:B:x o M:B:x) y, con trenes, resultados-tablas/trenes.csv\n"
    "  --envolventeTren  escribe resultados-tablas/envolvente-tren.csv (N, V y M de cada tren\n"
    "                 en las estaciones de todas las barras)\n"
    "  --pandeo [n]   los n (3) menores factores de pandeo de cada combinación y sus modos en\n"
    "                 resultados-tablas/ (pandeo.csv, modos-pandeo.csv)\n"
    "  --modal [n]    los n (6) modos de vibración de menor frecuencia en resultados-tablas/\n"
    "                 (modal.csv, modos-vibracion.csv)\n"
    "                 Con --influencia, --envolventeTren, --pandeo o --modal, resultados.txt\n"
    "                 solo si se da también --tablas.\n"
    "  --ayuda        muestra este texto\n"
    "  Código de salida: 0 todo escrito; 1 no se escribe nada (modelo incompleto o argumentos\n"
    "  no válidos); 2 un archivo o la carpeta no se pudo escribir; 3 todo escrito, pero alguna\n"
    "  combinación no cumple el equilibrio (sus resultados no son válidos).";

struct opciones {
    bool reporte = true;
    bool tablas = false;
    bool tablasPedidas = false;  // --tablas or --solo-tablas given
    bool ayuda = false;
    std::string influencia;  // the response of --influencia, or empty
    bool envolventeTren = false;
    int pandeo = 0;  // modes asked for; 0 none
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
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--pandeo") {
            o.pandeo = leerCantidad(argc, argv, i, modosPandeoPorDefecto, o.error);
        } else if (a == "--modal") {
            o.modal = leerCantidad(argc, argv, i, modosVibracionPorDefecto, o.error);
        } else if (a == "--ayuda") {
            o.ayuda = true;
        } else if (a == "--tablas") {
            o.tablas = o.tablasPedidas = true;
        } else if (a == "--solo-tablas") {
            o.tablas = o.tablasPedidas = true;
            o.reporte = false;
        } else if (a == "--influencia") {
            if (i + 1 >= argc) {
                o.error = "la opción --influencia necesita una respuesta (por ejemplo M:3:2.5)";
            } else {
                o.influencia = argv[++i];
            }
        } else if (a == "--envolventeTren") {
            o.envolventeTren = true;
        } else if (a.rfind("--", 0) == 0) {
            o.error = "la opción " + a + " no existe";
        } else if (!hayArchivo) {
            // As in karvel2d, the first name is the input file; later ones
            // are ignored.
            o.archivo = a;
            hayArchivo = true;
        }
    }
    // The options of moving loads and of modes write only their own files
    // unless the report or the tables are asked for too.
    const bool propios = !o.influencia.empty() || o.envolventeTren || o.pandeo > 0 || o.modal > 0;
    if (propios && !o.tablasPedidas) o.reporte = false;
    return o;
}

// The influence lines and trains asked for; the worst exit status.
int escribirInfluencias(const opciones& o, const modelo& m) {
    int estado = salidaCompleta;
    auto anotar = [&](resultadoInfluencia r) {
        const int e = r == resultadoInfluencia::escrito       ? salidaCompleta
                      : r == resultadoInfluencia::sinEscribir ? salidaSinEscribir
                                                              : salidaArchivoFallido;
        estado = std::max(estado, e);
    };
    if (!o.influencia.empty()) anotar(funcionEscribirInfluencia(m, o.influencia));
    if (o.envolventeTren) anotar(funcionEscribirEnvolventeTren(m));
    return estado;
}

// "Advertencia: el combo C2 no cumple el equilibrio; ..." or, for several,
// "los combos C1, C3 no cumplen ...".
std::string avisoSinEquilibrio(const modelo& m, const std::vector<int>& combos) {
    std::string nombres;
    for (std::size_t k = 0; k < combos.size(); ++k)
        nombres += (k > 0 ? ", " : "") + m.nombreDelCombo(combos[k]);
    const bool uno = combos.size() == 1;
    return std::string("Advertencia: ") + (uno ? "el combo " : "los combos ") + nombres +
           (uno ? " no cumple" : " no cumplen") + " el equilibrio; sus resultados no son válidos";
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
    const bool movil = !o.influencia.empty() || o.envolventeTren;
    if (!r.faltan.completo()) {
        std::cout << mensajeModeloIncompleto(r.faltan) << std::endl;
        // Influence lines need no combination, only nodes and bars.
        if (movil && !r.faltan.nudos && !r.faltan.barras && !o.tablasPedidas)
            return escribirInfluencias(o, r.m);
        return salidaSinEscribir;
    }  // The solver has said why (memory); nothing to write.
    if (!r.s.resuelto) return salidaSinEscribir;

    int estado = movil ? escribirInfluencias(o, r.m) : salidaCompleta;
    if (o.reporte) {
        if (funcionImprimirResultados(r.m, r.s)) {
            std::cout << "Resultados escritos en resultados.txt" << std::endl;
        } else {
            estado = std::max(estado, salidaArchivoFallido);
        }
    }
    if (o.tablas) {
        if (funcionEscribirTablas(r.m, r.s, o.archivo)) {
            std::cout << "Tablas escritas en " << carpetaTablas << "/" << std::endl;
        } else {
            estado = std::max(estado, salidaArchivoFallido);
        }
    }
    if (o.pandeo > 0 && !funcionEscribirPandeo(r.m, funcionPandeo(r.m, r.s, o.pandeo)))
        estado = std::max(estado, salidaArchivoFallido);
    if (o.modal > 0 && !funcionEscribirModal(r.m, funcionModal(r.m, o.modal)))
        estado = std::max(estado, salidaArchivoFallido);
    // Last, so that a log's last line says it: the files are complete, but
    // these combinations describe a mechanism.
    if (estado == salidaCompleta && !r.s.combosSinEquilibrio.empty()) {
        std::cout << avisoSinEquilibrio(r.m, r.s.combosSinEquilibrio) << std::endl;
        estado = salidaSinEquilibrio;
    }
    return estado;
}
