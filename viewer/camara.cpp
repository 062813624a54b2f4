// Camera and navigation. The camera looks straight down on the plane z = 0
// from the height zCam, which is also the world length shown across the
// shorter side of the window (the zoom).
#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

#include "colorPorCombo.h"
#include "estadoVisor.h"
#include "funcionPlot.h"

// Extent of the node coordinates, always including the origin; the camera
// starts over its centre with the diagonal as visible size. An extent of
// zero size (one node, or all nodes at the origin) gets a view of 1 unit.
void funcionFronteraGraf() {
    xMin = xMax = yMin = yMax = 0;
    for (int i = 0; i < modeloVisor.noNudos && i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
        const double x = modeloVisor.nudo[i].getX(), y = modeloVisor.nudo[i].getY();
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

// Left button pans (press starts, release stops); the wheel zooms once per
// notch, on the release event.
void mouseButton(int button, int state, int x, int y) {
    if (button == GLUT_LEFT_BUTTON) {
        if (state == GLUT_UP) {
            clickIzq = -1;
            // The labels of colorPorCombo are placed for the view reached.
            if (colorPorComboActivo()) glutPostRedisplay();
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
// Each step asks for a frame.
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
    glutPostRedisplay();
}

namespace {

void proyectarVentanaActual() {
    wVentana = glutGet(GLUT_WINDOW_WIDTH);
    hVentana = glutGet(GLUT_WINDOW_HEIGHT);
    changeSize(static_cast<int>(wVentana), static_cast<int>(hVentana));
    glutPostRedisplay();
}

}  // namespace

void encuadrarModelo() {
    funcionFronteraGraf();
    proyectarVentanaActual();
}

void zoomIn() {
    zCam /= 1.07;
    proyectarVentanaActual();
}

void zoomOut() {
    zCam *= 1.07;
    proyectarVentanaActual();
}
