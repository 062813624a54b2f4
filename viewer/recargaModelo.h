#pragma once

// F5: reads the input file again, solves it and writes "resultados.txt".
// Switches, camera and extent are kept; the visibility marks follow the new
// model (all visible) and there is one switch per combination.
void recargarModelo();
