#pragma once

#include <string>

#include "modelo.h"

// Builds the whole model (nodes, bars, loads by case, combinations, number
// tables and display settings) from the file `nombreArchivo`.
modelo funcionLeerArchivo(const std::string& nombreArchivo);
