// Keyboard callbacks: they pass the key and its modifiers to the command line
// logic, end the program when asked, and run F1 (help) and F5 (reload).
#include <GL/freeglut.h>

#include <cstdlib>
#include <iostream>

#include "capturaVentana.h"
#include "estadoVisor.h"
#include "funcionPlot.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "recargaModelo.h"
#include "vigilanciaArchivo.h"

namespace {

bool relojEnMarcha = false;

// While the file is watched, a look at it every half second; a reload
// draws the window again.
void revisarArchivo(int) {
    if (!vigilanciaActiva()) {
        relojEnMarcha = false;
        return;
    }
    if (revisarArchivoVigilado(segundosReloj())) glutPostRedisplay();
    glutTimerFunc(intervaloVigilanciaMs, revisarArchivo, 0);
}

}  // namespace

// After the key: the capture it asked for, and the watch's clock when it
// was turned on.
void teclado(unsigned char key, int, int) {
    const int modificadores = glutGetModifiers();
    if (procesarTecla(key, modificadores == GLUT_ACTIVE_SHIFT, modificadores == GLUT_ACTIVE_ALT) ==
        efectoTecla::terminar) {
        std::cout.flush();
        std::exit(0);
    }
    if (tomarEncuadrePedido()) encuadrarModelo();
    tomarCaptura(tomarCapturaPedida());
    if (vigilanciaActiva() && !relojEnMarcha) {
        relojEnMarcha = true;
        glutTimerFunc(intervaloVigilanciaMs, revisarArchivo, 0);
    }
    glutPostRedisplay();
}

// Modifier keys also arrive here (codes above F12): they do nothing.
void tecladoEspecial(int key, int, int) {
    if (key == GLUT_KEY_F5) {
        recargarModelo();
        glutPostRedisplay();
    }
    if (key == GLUT_KEY_F1) {
        ++flags[interruptor::ayuda];
        glutPostRedisplay();
    }
}
