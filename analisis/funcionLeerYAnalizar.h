// What every front end runs: read the input file, solve it to first order
// when it is complete and, when the file asks for it ("segundoOrden:"),
// replace that solution by the second-order one.
#pragma once

#include <string>

#include "funcionLeerYResolver.h"

modeloResuelto funcionLeerYAnalizar(const std::string& nombreArchivo,
                                    duracionEtapas* duraciones = nullptr);

// The second-order solution when the model asks for it; s otherwise.
solucion solucionDelModelo(const modelo& m, solucion s);
