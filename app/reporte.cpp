// karvel2d-reporte [archivo]: reads the frame like karvel2d, solves every
// combination and writes "resultados.txt" without opening a window. A batch
// tool: it leaves the terminal as it is (no clearing), so its output reads
// the same in a log or a pipe. Exit status: 0 report written, 1 model without
// nodes, bars or combinations, or too large to solve in the memory there is
// (no file written), 2 report file could not be written (the previous one,
// if any, is kept).
#include <cstdio>
#include <iostream>

#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "globales.h"
#include "modeloIncompleto.h"

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    nombreArchivo = argc >= 2 ? argv[1] : "ingresoDatos.txt";
    const faltantesDelModelo faltan = funcionLeerYResolver();
    if (!faltan.completo()) {
        std::cout << mensajeModeloIncompleto(faltan) << std::endl;
        return 1;
    }
    // The solver has said why (memory); nothing to report.
    if (!modeloResuelto) return 1;
    funcionImprimirResultados();
    if (!reporteEscrito()) return 2;
    std::cout << "Resultados escritos en resultados.txt" << std::endl;
    return 0;
}
