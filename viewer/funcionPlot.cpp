// Window, camera and navigation. The camera looks straight down on the plane
// z = 0 from the height zCam, which is also the world length shown across the
// shorter side of the window (the zoom).
#include "funcionPlot.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "elementosPlot.h"
#include "globales.h"
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

    glutDisplayFunc(draw);
    glutReshapeFunc(changeSize);
    glutIdleFunc(draw);
    glutMouseFunc(mouseButton);
    glutMotionFunc(mouseMove);
    glutKeyboardFunc(teclado);
    glutSpecialFunc(tecladoEspecial);
    glutMainLoop();
}

// Extent of the node coordinates, always including the origin; the camera
// starts over its centre with the diagonal as visible size. An extent of
// zero size (one node, or all nodes at the origin) gets a view of 1 unit.
void funcionFronteraGraf() {
    xMin = xMax = yMin = yMax = 0;
    for (int i = 0; i < noNudos && i < static_cast<int>(nudo.size()); ++i) {
        const double x = nudo[i].getX(), y = nudo[i].getY();
        if (x < xMin) xMin = x;
        if (x > xMax) xMax = x;
        if (y < yMin) yMin = y;
        if (y > yMax) yMax = y;
    }
    xCam = (xMax + xMin) / 2;
    yCam = (yMax + yMin) / 2;
    diagonalObj = std::sqrt((xMax - xMin) * (xMax - xMin) + (yMax - yMin) * (yMax - yMin));
    if (!(diagonalObj > 0)) diagonalObj = 1;
    zCam = diagonalObj;
    xCentroObj = (xMin + xMax) / 2;
    yCentroObj = (yMin + yMax) / 2;
}

// Orthographic view: the shorter window side shows zCam units. The depth
// range reaches past the model plane however high the camera stands.
void changeSize(int w, int h) {
    if (h <= 0) h = 1;
    if (w <= 0) w = 1;
    hVentana = h;
    wVentana = w;
    const double r = static_cast<double>(w) / h;
    const double profundidad = std::max(1000.0, 2.0 * zCam);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, w, h);
    if (w > h) {
        glOrtho(-zCam * r * 0.5, zCam * r * 0.5, -zCam * 0.5, zCam * 0.5, -profundidad,
                profundidad);
    } else {
        glOrtho(-zCam * 0.5, zCam * 0.5, -(zCam / r) * 0.5, (zCam / r) * 0.5, -profundidad,
                profundidad);
    }
    glMatrixMode(GL_MODELVIEW);
}

// One frame without the buffer swap: text, model, tags, supports, then the
// result layers for every active combination, only when the model held now
// has been solved.
void dibujarEscena() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(xCam, yCam, zCam, xCentroObj, yCentroObj, 0, 0, 1, 0);

    plotDialogo();
    if (noBarras != 0) {
        plotBarras();
        plotArticulaciones();
    }
    if (noNudos != 0) plotNudos();
    if (flagActivo(0)) plotTagNudos(escalaTexto);
    if (flagActivo(1)) plotTagBarras(escalaTexto);
    if (flagActivo(2)) plotSecciones(escalaTexto);
    if (flagActivo(9)) {
        plotApoyos(escalaApoyo);
        plotResortes(escalaApoyo);
    }

    if (!modeloResuelto) return;
    for (int capa = 3; capa <= 8; ++capa) {
        if (!flagActivo(capa)) continue;
        for (int c = 0; c < noCombos; ++c) {
            if (!flagActivo(100 + c)) continue;
            switch (capa) {
                case 3:
                    plotDeformada(c, escalaDef);
                    break;
                case 4:
                    plotAxial(c, escalaN);
                    break;
                case 5:
                    plotCortante(c, escalaV);
                    break;
                case 6:
                    plotMomento(c, escalaM);
                    break;
                case 7:
                    plotCarga(c, escalaCarga);
                    break;
                case 8:
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

// Left button pans (press starts, release stops); the wheel zooms once per
// notch, on the release event.
void mouseButton(int button, int state, int x, int y) {
    if (button == GLUT_LEFT_BUTTON) {
        if (state == GLUT_UP) {
            clickIzq = -1;
        } else {
            clickIzq = 1;
            xLast = x;
            yLast = y;
        }
    } else if (button == 3 && state == GLUT_UP) {
        zoomIn();
    } else if (button == 4 && state == GLUT_UP) {
        zoomOut();
    }
}

// The model follows the pointer; the step per pixel depends on the zoom only.
void mouseMove(int x, int y) {
    if (clickIzq != 1) return;
    const double paso = 2 * zCam * std::tan(PI / 8) / 1000;
    const int dx = xLast - x, dy = yLast - y;
    xCam += dx * paso;
    xCentroObj += dx * paso;
    yCam -= dy * paso;
    yCentroObj -= dy * paso;
    xLast = x;
    yLast = y;
}

namespace {

void proyectarVentanaActual() {
    wVentana = glutGet(GLUT_WINDOW_WIDTH);
    hVentana = glutGet(GLUT_WINDOW_HEIGHT);
    changeSize(static_cast<int>(wVentana), static_cast<int>(hVentana));
    glutPostRedisplay();
}

}  // namespace

void zoomIn() {
    zCam /= 1.07;
    proyectarVentanaActual();
}

void zoomOut() {
    zCam *= 1.07;
    proyectarVentanaActual();
}
