// A CSV table read back for the tests: comma separator, fields quoted with
// doubled quotes (RFC 4180), LF line ends.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct tablaCsv {
    std::vector<std::string> encabezado;
    std::vector<std::vector<std::string>> filas;
    bool legible = true;  // quotes closed and every row as wide as the header

    int columna(const std::string& nombre) const {
        for (std::size_t k = 0; k < encabezado.size(); ++k)
            if (encabezado[k] == nombre) return static_cast<int>(k);
        return -1;
    }
    std::string texto(std::size_t fila, const std::string& nombre) const {
        const int k = columna(nombre);
        return k < 0 || fila >= filas.size() ? std::string() : filas[fila][k];
    }
    double numero(std::size_t fila, const std::string& nombre) const {
        return std::strtod(texto(fila, nombre).c_str(), nullptr);
    }
    // Index of the first row whose leading fields are `claves`; -1 if none.
    int fila(const std::vector<std::string>& claves) const {
        for (std::size_t i = 0; i < filas.size(); ++i) {
            bool igual = filas[i].size() >= claves.size();
            for (std::size_t k = 0; igual && k < claves.size(); ++k)
                igual = filas[i][k] == claves[k];
            if (igual) return static_cast<int>(i);
        }
        return -1;
    }
};

inline tablaCsv leerCsv(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    const std::string t = s.str();
    tablaCsv r;
    std::vector<std::vector<std::string>> filas;
    std::vector<std::string> fila;
    std::string campo;
    bool entreComillas = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (entreComillas) {
            if (c == '"' && i + 1 < t.size() && t[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                entreComillas = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            entreComillas = true;
        } else if (c == ',') {
            fila.push_back(campo);
            campo.clear();
        } else if (c == '\n') {
            fila.push_back(campo);
            campo.clear();
            filas.push_back(fila);
            fila.clear();
        } else {
            campo += c;
        }
    }
    if (entreComillas || !campo.empty() || !fila.empty()) r.legible = false;
    if (filas.empty()) {
        r.legible = false;
        return r;
    }
    r.encabezado = filas.front();
    r.filas.assign(filas.begin() + 1, filas.end());
    for (const auto& f2 : r.filas)
        if (f2.size() != r.encabezado.size()) r.legible = false;
    return r;
}
