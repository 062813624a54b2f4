#pragma once

// F5: reads the input file again, solves it and writes "resultados.txt".
// Switches, camera and extent are kept; the visibility marks follow the new
// model (all visible) and there is one switch per combination.
void recargarModelo();

// A number that changes whenever another model is held (every reload, and
// whoever fills the model lists anew says so with anotarModeloNuevo), so that
// what was drawn from the old one is not shown again.
int versionModelo();
void anotarModeloNuevo();
