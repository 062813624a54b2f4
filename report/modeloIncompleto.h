#pragma once

#include <string>

#include "funcionLeerYResolver.h"

// The one console line that says what the model lacks and that it is neither
// solved nor reported, e.g. "El modelo no tiene barras ni combinaciones de
// carga; no se resuelve ni se escribe resultados.txt"; empty when complete.
std::string mensajeModeloIncompleto(const faltantesDelModelo& f);
