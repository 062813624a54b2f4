// Keyboard callbacks: they pass the key and its modifiers to the command line
// logic, end the program when asked, and run F1 (help) and F5 (reload).
#include <GL/freeglut.h>

#include <cstdlib>
#include <iostream>

#include "funcionPlot.h"
#include "globales.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

void teclado(unsigned char key, int, int) {
    const int modificadores = glutGetModifiers();
    if (procesarTecla(key, modificadores == GLUT_ACTIVE_SHIFT, modificadores == GLUT_ACTIVE_ALT) ==
        efectoTecla::terminar) {
        std::cout.flush();
        std::exit(0);
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
