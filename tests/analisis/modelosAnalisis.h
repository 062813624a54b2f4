// Input files of straight members for the tests of the analyses beside the
// linear one: a member of n equal bars along X or Y with given supports at
// its two ends, its section and extra tags.
#pragma once

#include <cmath>
#include <sstream>
#include <string>

#include "archivoTemporal.h"
#include "funcionLeerYAnalizar.h"
#include "pandeo.h"

constexpr double pi = 3.141592653589793;

// Nodes 1 .. n + 1 evenly from (0, 0) to (L, 0) (vertical: to (0, L)), bars
// 1 .. n; apoyoInicio and apoyoFin the three restraint codes of the ends;
// A, I, E, γ the section of every bar; `resto` any further tags.
inline std::string miembro(int n, double L, bool vertical, const std::string& apoyoInicio,
                           const std::string& apoyoFin, double A, double I, double E, double g,
                           const std::string& resto) {
    std::ostringstream s;
    s.precision(17);
    s << "nudos:\n";
    for (int k = 0; k <= n; ++k) {
        const double x = L * k / n;
        s << k + 1 << " " << (vertical ? 0.0 : x) << " " << (vertical ? x : 0.0) << "\n";
    }
    s << "barras:\n";
    for (int k = 1; k <= n; ++k) s << k << " " << k << " " << k + 1 << "\n";
    s << "apoyo: " << apoyoInicio << " 1\napoyo: " << apoyoFin << " " << n + 1 << "\n";
    s << "seccionGenerica: S " << A << " " << I << " " << E << " " << g;
    for (int k = 1; k <= n; ++k) s << " " << k;
    s << "\n" << resto << "\n";
    return s.str();
}

// Reads and analyses a model text as the programs do, the console kept.
inline modeloResuelto analizar(const std::string& texto, std::string* consola = nullptr) {
    const archivoTemporal f(texto);
    capturaConsola c;
    modeloResuelto r = funcionLeerYAnalizar(f.nombre());
    if (consola != nullptr) *consola = c.texto();
    return r;
}

// Reads a model text (for the buckling and modal functions).
inline modelo leer(const std::string& texto) {
    return analizar(texto).m;
}

// Buckling of a model text, from its own first-order solution.
inline resultadoPandeo pandeoDe(const std::string& texto, int n) {
    const modeloResuelto r = analizar(texto);
    capturaConsola c;
    return funcionPandeo(r.m, r.s, n);
}

inline double errorRelativo(double calculado, double esperado) {
    return std::abs(calculado / esperado - 1);
}
