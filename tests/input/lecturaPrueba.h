// Helpers of the input tests: read a model from a file or a text while
// capturing the console, and split the captured text into lines.
#pragma once

#include <string>
#include <vector>

#include "archivoTemporal.h"
#include "funcionLeerArchivo.h"

// Runs the model builder on the file: the model and what it printed.
struct modeloLeido {
    modelo m;
    std::string consola;
};

inline modeloLeido leerArchivoModelo(const std::string& ruta) {
    capturaConsola consola;
    modeloLeido r;
    r.m = funcionLeerArchivo(ruta);
    r.consola = consola.texto();
    return r;
}

// Same, on a model given as text.
inline modeloLeido leerModelo(const std::string& contenido) {
    archivoTemporal archivo(contenido);
    return leerArchivoModelo(archivo.nombre());
}

inline std::string datosEntrada(const std::string& nombre) {
    return std::string(KARVEL_DATOS) + "/entrada/" + nombre;
}

inline std::vector<std::string> lineasDe(const std::string& texto) {
    std::vector<std::string> lineas;
    std::string linea;
    for (char c : texto) {
        if (c == '\n') {
            lineas.push_back(linea);
            linea.clear();
        } else {
            linea += c;
        }
    }
    if (!linea.empty()) lineas.push_back(linea);
    return lineas;
}

// Lines that start with "Advertencia: ".
inline std::vector<std::string> avisosDe(const std::string& texto) {
    std::vector<std::string> avisos;
    for (const std::string& l : lineasDe(texto)) {
        if (l.rfind("Advertencia: ", 0) == 0) avisos.push_back(l);
    }
    return avisos;
}

inline bool contieneLinea(const std::string& texto, const std::string& linea) {
    for (const std::string& l : lineasDe(texto)) {
        if (l == linea) return true;
    }
    return false;
}
