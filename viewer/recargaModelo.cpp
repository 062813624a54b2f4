#include "recargaModelo.h"

#include <iostream>
#include <utility>

#include "estadoVisor.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerYAnalizar.h"
#include "lineaComandos.h"
#include "mensajeLectura.h"
#include "modeloIncompleto.h"
#include "modosVisor.h"
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
    // A model without nodes, bars or combinations cannot be solved: say so
    // and keep showing what was read (no report is written).
    modeloResuelto r = funcionLeerYAnalizar(nombreArchivo);
    if (r.faltan.completo()) {
        funcionImprimirResultados(r.m, r.s);
    } else {
        std::cout << mensajeModeloIncompleto(r.faltan) << '\n';
    }
    anotarLectura(r.m);
    mostrarModelo(std::move(r.m), std::move(r.s));
    anotarModeloNuevo();
    mostrarTodo();
    ajustarFlagsCombos();
    revisarInfluenciaTrasRecarga();
    recalcularModos();
    anotarArchivoLeido();
    std::cout.flush();
}
