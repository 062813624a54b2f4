// The whole path a user's input file takes through the program, without a
// window: shared by the fuzz target and the regression tests of its findings.
#pragma once

#include <string>

// What one pass found out, for the tests.
struct resumenRecorrido {
    bool resueltoAlInicio = false;  // the start-up solved the model
    bool resueltoAlRecargar = false;
    bool todoFinito = true;  // every result queried was finite
    long consultas = 0;      // result queries made
};

// Start-up (read; solve when there are nodes, bars and combinations; write
// "resultados.txt" and the folder "resultados-tablas" in the current
// directory when solved), every result query
// of every bar, node and combination, then F5 (reload, which checks the model
// before solving and reports) and the queries again.
resumenRecorrido recorrerArchivo(const std::string& archivo);
