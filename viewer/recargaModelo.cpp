#include "recargaModelo.h"

#include <iostream>
#include <string>

#include "funcionImprimirResultados.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "globales.h"
#include "lineaComandos.h"

void recargarModelo() {
    std::cout << "\n\n\n------------------------Reinicio del programa------------------\n";
    nudo.clear();
    barra.clear();
    funcionLeerArchivo();
    // A model without nodes, bars or combinations cannot be solved: say so
    // and keep showing what was read (no report is written).
    const std::string faltante = funcionFaltanteDelModelo();
    if (!faltante.empty()) {
        std::cout << faltante << '\n';
    } else {
        funcionSolucionU();
        funcionImprimirResultados();
    }
    mostrarTodo();
    ajustarFlagsCombos();
    std::cout.flush();
}
