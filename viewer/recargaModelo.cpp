#include "recargaModelo.h"

#include <iostream>

#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "globales.h"
#include "lineaComandos.h"
#include "modeloIncompleto.h"
#include "vigilanciaArchivo.h"

namespace {
int version = 0;
}  // namespace

int versionModelo() {
    return version;
}

void anotarModeloNuevo() {
    ++version;
}

void recargarModelo() {
    std::cout << "\n\n\n------------------------Reinicio del programa------------------\n";
    nudo.clear();
    barra.clear();
    anotarModeloNuevo();
    // A model without nodes, bars or combinations cannot be solved: say so
    // and keep showing what was read (no report is written).
    const faltantesDelModelo faltan = funcionLeerYResolver();
    if (faltan.completo()) {
        funcionImprimirResultados();
    } else {
        std::cout << mensajeModeloIncompleto(faltan) << '\n';
    }
    mostrarTodo();
    ajustarFlagsCombos();
    anotarArchivoLeido();
    std::cout.flush();
}
