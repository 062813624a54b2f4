// The files of influence lines and moving loads in the folder
// "resultados-tablas": influencia.csv and trenes.csv for one response,
// envolvente-tren.csv for every station of the model. Each function prints
// one line saying what it wrote, or one warning saying why nothing was.
#pragma once

#include <string>

#include "modelo.h"

enum class resultadoInfluencia { escrito, sinEscribir, archivoFallido };

// The influence line of `respuesta` (e.g. "M:3:2.5") along every path, and
// the extremes of every train on it.
resultadoInfluencia funcionEscribirInfluencia(const modelo& m, const std::string& respuesta);

// The envelope of N, V and M of every train over every path.
resultadoInfluencia funcionEscribirEnvolventeTren(const modelo& m);
