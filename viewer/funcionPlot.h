// Window, camera, navigation and the toolkit callbacks.
#pragma once

void funcionPlot(int argc, char** argv);
void funcionFronteraGraf();
// The camera back over the whole model (the extent and view of start-up),
// projected for the window as it is now ("encuadrar").
void encuadrarModelo();
void changeSize(int w, int h);
void draw();
void mouseButton(int button, int state, int x, int y);
void mouseMove(int x, int y);
void zoomIn();
void zoomOut();
void teclado(unsigned char key, int x, int y);
void tecladoEspecial(int key, int x, int y);

// One frame drawn into the current buffer without swapping (draw = this,
// then the swap), so that the picture can be read back.
void dibujarEscena();
