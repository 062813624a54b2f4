// The sequence every front end runs: read the input file, then solve the
// model when it has nodes, bars and combinations.
#pragma once

#include <string>

#include "modelo.h"
#include "solucion.h"

// What a model lacks to be solved.
struct faltantesDelModelo {
    bool nudos = false;
    bool barras = false;
    bool combos = false;
    bool completo() const { return !nudos && !barras && !combos; }
};

faltantesDelModelo faltantesDe(const modelo& m);

// Seconds spent in each stage of the last funcionLeerYResolver, for the
// benchmarks; solucion is 0 when the model was not solved.
struct duracionEtapas {
    double lectura = 0;
    double solucion = 0;
};

// The model read from a file and, when it is complete, its solution.
struct modeloResuelto {
    modelo m;
    solucion s;
    faltantesDelModelo faltan;
};

// funcionLeerArchivo on the file, then funcionSolucionU only when the model
// is complete (faltan says what it lacks otherwise, and s stays unsolved);
// writes nothing to the console beyond what the stages print.
modeloResuelto funcionLeerYResolver(const std::string& nombreArchivo,
                                    duracionEtapas* duraciones = nullptr);
