// Loads a model text into the viewer through the real reader (unsolved,
// as an incomplete model is shown), with the viewer's start state
// (switches, visibility marks, prompt); resolverModeloVisor then solves it.
#pragma once

#include <string>
#include <utility>

#include "archivoTemporal.h"
#include "estadoVisor.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

inline void cargarModeloVisor(const std::string& texto) {
    archivoTemporal archivo(texto);
    nombreArchivo = archivo.nombre();
    {
        capturaConsola silencio;
        mostrarModelo(funcionLeerArchivo(nombreArchivo), solucion());
    }
    anotarModeloNuevo();
    flagsIniciales();
    mostrarTodo();
    dialogo = "Comando:";
    comando = "";
    numeroComboCoincidente = -1;
}

// Solves the model the viewer shows, as the start-up does.
inline void resolverModeloVisor() {
    solucionVisor = funcionSolucionU(modeloVisor);
}

// The portal frame used by the viewer tests: nodes 1 (0,0), 2 (0,3), 3 (4,3),
// 4 (4,0); bars 1 = 1-2, 2 = 2-3, 3 = 3-4; fixed at 1, pinned at 4; two
// combinations C1 and C2.
inline std::string textoPortico() {
    return "nudos:\n1 0 0\n2 0 3\n3 4 3\n4 4 0\n"
           "barras:\n1 1 2\n2 2 3\n3 3 4\n"
           "apoyo: 1 1 1 1\napoyo: 4 1 1 0\n"
           "seccionRectangular: C30 0.3 0.3 2.1e7 24 1 3\n"
           "seccionRectangular: V30x50 0.3 0.5 2.1e7 24 2\n"
           "puntual: W 10 0 0 2\n"
           "distribuidaLocal: CV 0 0 -15 -15 2\n"
           "pesoPropio: PP\n"
           "combo: C1 1.2 PP 1.6 CV\n"
           "combo: C2 1 PP 1 CV 1 W\n";
}
