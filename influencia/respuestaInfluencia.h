// A response whose influence line is asked for, as a user writes it:
//   Rx:N, Ry:N, Mz:N   reaction of node N (on the structure, global axes)
//   ux:N, uy:N, giro:N displacement of node N (global axes)
//   N:B:x, V:B:x, M:B:x internal force of bar B at x from its start node
// with the program's sign conventions; N and B are the user's numbers.
#pragma once

#include <string>

#include "modelo.h"

enum class tipoRespuesta {
    reaccionX,
    reaccionY,
    reaccionM,
    desplazamientoX,
    desplazamientoY,
    giro,
    axial,
    cortante,
    momento
};

struct respuestaInfluencia {
    tipoRespuesta tipo = tipoRespuesta::reaccionY;
    int nudo = -1;   // internal index, for the node responses
    int barra = -1;  // internal index, for the forces along a bar
    double x = 0;
    std::string texto;  // as the user wrote it
    bool esDeBarra() const {
        return tipo == tipoRespuesta::axial || tipo == tipoRespuesta::cortante ||
               tipo == tipoRespuesta::momento;
    }
};

// Reads `texto` against model m. False, with `error` saying what is wrong
// in one Spanish phrase, when it is not a response of the model.
bool leerRespuesta(const modelo& m, const std::string& texto, respuestaInfluencia& r,
                   std::string& error);

// The syntax, for messages: "Rx:N, Ry:N, Mz:N, ux:N, uy:N, giro:N, N:B:x,
// V:B:x o M:B:x".
extern const char* const formasDeRespuesta;
