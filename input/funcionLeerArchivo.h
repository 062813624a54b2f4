#pragma once

// Builds the whole model (globals nudo, barra, counts, number tables and
// display settings) from the file named by nombreArchivo.
void funcionLeerArchivo();
