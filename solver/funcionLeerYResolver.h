// The sequence every front end runs: read the input file, then solve the
// model when it has nodes, bars and combinations.
#pragma once

// What the model held now lacks to be solved.
struct faltantesDelModelo {
    bool nudos = false;
    bool barras = false;
    bool combos = false;
    bool completo() const { return !nudos && !barras && !combos; }
};

// Seconds spent in each stage of the last funcionLeerYResolver, for the
// benchmarks; solucion is 0 when the model was not solved.
struct duracionEtapas {
    double lectura = 0;
    double solucion = 0;
};

// Reads the counts that funcionLeerArchivo left.
faltantesDelModelo faltantesDelModeloLeido();

// funcionLeerArchivo on nombreArchivo, then funcionSolucionU only when the
// model is complete. Returns what it lacks (nothing when it was solved);
// writes nothing to the console beyond what the stages print.
faltantesDelModelo funcionLeerYResolver(duracionEtapas* duraciones = nullptr);
