// Loads a model text into the globals through the real reader, with the
// viewer's start state (switches, visibility marks, prompt).
#pragma once

#include <string>

#include "archivoTemporal.h"
#include "funcionLeerArchivo.h"
#include "globales.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

inline void cargarModeloVisor(const std::string& texto) {
    archivoTemporal archivo(texto);
    nombreArchivo = archivo.nombre();
    nudo.clear();
    barra.clear();
    anotarModeloNuevo();
    {
        capturaConsola silencio;
        funcionLeerArchivo();
    }
    flagsIniciales();
    mostrarTodo();
    dialogo = "Comando:";
    comando = "";
    numeroComboCoincidente = -1;
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
