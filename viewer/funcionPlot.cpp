// The window: set-up, start values, callbacks and the drawing of one frame.
#include "funcionPlot.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "elementosPlot.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"

void funcionPlot(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(1000, 800);
    glutCreateWindow("KARVEL-2D");

    flagsIniciales();
    mostrarTodo();
    funcionFronteraGraf();

    // A frame is drawn only when something changed: every callback that
    // changes the picture asks for one, GLUT asks after a reshape or when
    // the window is uncovered, and nothing is drawn while the user only
    // looks (no idle callback).
    glutDisplayFunc(draw);
    glutReshapeFunc(changeSize);
    glutMouseFunc(mouseButton);
    glutMotionFunc(mouseMove);
    glutKeyboardFunc(teclado);
    glutSpecialFunc(tecladoEspecial);
    glutMainLoop();
}

namespace {

// The force of the N, V and M layers; false for the others.
bool esfuerzoDeCapa(int capa, esfuerzoBarra& e) {
    switch (capa) {
        case interruptor::capaAxial:
            e = esfuerzoBarra::axial;
            return true;
        case interruptor::capaCortante:
            e = esfuerzoBarra::cortante;
            return true;
        case interruptor::capaMomento:
            e = esfuerzoBarra::momento;
            return true;
        default:
            return false;
    }
}

double escalaDeEsfuerzo(esfuerzoBarra e) {
    return e == esfuerzoBarra::axial ? escalaN : e == esfuerzoBarra::cortante ? escalaV : escalaM;
}

// With the train switch on, the N, V and M layers show the envelope of the
// train, which needs no combination; true when the layer was drawn so.
bool dibujarTren(int capa) {
    esfuerzoBarra e;
    if (!flagActivo(interruptor::tren) || !esfuerzoDeCapa(capa, e)) return false;
    if (flagActivo(capa)) plotEnvolventeTren(e, escalaDeEsfuerzo(e));
    return true;
}

// In envelope mode the N, V and M layers are drawn once for all the active
// combinations; false for the other layers, drawn per combination.
bool dibujarEnvolvente(int capa) {
    if (!flagActivo(interruptor::envolvente)) return false;
    switch (capa) {
        case interruptor::capaAxial:
            plotEnvolventeAxial(escalaN);
            return true;
        case interruptor::capaCortante:
            plotEnvolventeCortante(escalaV);
            return true;
        case interruptor::capaMomento:
            plotEnvolventeMomento(escalaM);
            return true;
        default:
            return false;
    }
}

}  // namespace

// One frame without the buffer swap: text, model, tags, supports, the
// influence line and the train's envelope, then the result layers for every
// active combination (or their envelope), only when the model held now has
// been solved.
void dibujarEscena() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(xCam, yCam, zCam, xCentroObj, yCentroObj, 0, 0, 1, 0);

    plotDialogo();
    if (modeloVisor.noBarras != 0) {
        plotBarras();
        plotArticulaciones();
    }
    if (modeloVisor.noNudos != 0) plotNudos();
    if (flagActivo(interruptor::tagNudos)) plotTagNudos(escalaTexto);
    if (flagActivo(interruptor::tagBarras)) plotTagBarras(escalaTexto);
    if (flagActivo(interruptor::secciones)) plotSecciones(escalaTexto);
    if (flagActivo(interruptor::apoyos)) {
        plotApoyos(escalaApoyo);
        plotResortes(escalaApoyo);
    }

    if (flagActivo(interruptor::influencia)) plotInfluencia();
    bool delTren[interruptor::ultimaCapa + 1] = {};
    for (int capa = interruptor::primeraCapa; capa <= interruptor::ultimaCapa; ++capa)
        delTren[capa] = dibujarTren(capa);

    if (!solucionVisor.resuelto) return;
    plotModos();
    for (int capa = interruptor::primeraCapa; capa <= interruptor::ultimaCapa; ++capa) {
        if (!flagActivo(capa) || delTren[capa] || dibujarEnvolvente(capa)) continue;
        for (int c = 0; c < modeloVisor.noCombos; ++c) {
            if (!flagActivo(interruptor::primerCombo + c)) continue;
            switch (capa) {
                case interruptor::capaDeformada:
                    plotDeformada(c, escalaDef);
                    break;
                case interruptor::capaAxial:
                    plotAxial(c, escalaN);
                    break;
                case interruptor::capaCortante:
                    plotCortante(c, escalaV);
                    break;
                case interruptor::capaMomento:
                    plotMomento(c, escalaM);
                    break;
                case interruptor::capaCargas:
                    plotCarga(c, escalaCarga);
                    break;
                case interruptor::capaReacciones:
                    plotReacciones(c);
                    break;
            }
        }
    }
}

void draw() {
    dibujarEscena();
    glFlush();
    glutSwapBuffers();
}
