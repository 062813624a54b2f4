// The results as files to take away: six CSV tables and a summary for a
// person, in the folder "resultados-tablas" of the current directory.
#pragma once

#include <string>

#include "modelo.h"
#include "solucion.h"

// Name of the folder, relative to the current directory.
extern const char* const carpetaTablas;

// Creates the folder (or removes from it the files it writes), then writes
// desplazamientos.csv, reacciones.csv, extremos.csv, estaciones.csv,
// maximos.csv, envolventes.csv and resumen.txt from the solved model. When
// the folder or a file cannot be written it prints one warning line, stops
// and returns false.
bool funcionEscribirTablas(const modelo& m, const solucion& s, const std::string& nombreArchivo);
