// karvel2d-reporte [archivo]: reads the frame like karvel2d, solves every
// combination and writes "resultados.txt" without opening a window. Exit
// status: 0 report written, 1 model without nodes, bars or combinations (no
// file written), 2 report file could not be written.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "funcionImprimirResultados.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "globales.h"

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    nombreArchivo = argc >= 2 ? argv[1] : "ingresoDatos.txt";
    if (std::system("clear") != 0) {
        // No terminal to clear (a pipe or a script): nothing to do.
    }
    funcionLeerArchivo();

    const std::string falta = funcionFaltanteDelModelo();
    if (!falta.empty()) {
        std::cout << falta << std::endl;
        return 1;
    }
    funcionSolucionU();
    funcionImprimirResultados();
    if (!reporteEscrito()) return 2;
    std::cout << "Resultados escritos en resultados.txt" << std::endl;
    return 0;
}
