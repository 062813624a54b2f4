// The model as the user sees it before asking for results: bars, hinges,
// node markers, numbers, section names, supports and springs. Only nodes and
// bars whose visibility mark is 1 are drawn.
#include <GL/freeglut.h>

#include <string>

#include "elementosPlot.h"
#include "esferaNudo.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "trazosGl.h"

namespace {

// Symbols are sized by the given scale, or by the view (zCam/50, constant on
// screen) when the scale is 0.
double tamanoSimbolo(double escala) {
    return escala == 0 ? zCam / 50.0 : escala;
}

// Frame moved to node i and scaled to symbol units; the caller pops it.
void marcoSimbolo(int i, double s) {
    glPushMatrix();
    glTranslatef(static_cast<float>(modeloVisor.nudo[i].getX()),
                 static_cast<float>(modeloVisor.nudo[i].getY()), 0.0f);
    glScalef(static_cast<float>(s), static_cast<float>(s), 0.0f);
}

// Roller wheel on a ground line below the node (vertical reaction).
void simboloRodillo() {
    anchoLinea(3);
    linea(-1, -1.3, 1, -1.3);
    anchoLinea(1);
    plotArco(0, -0.65, 0.65, 0, 360);
}

// Translational spring pointing left of the node: ground line and zig-zag.
void simboloResorte() {
    color(0.8, 0.8, 0.3);
    anchoLinea(3);
    linea(-1.7, 0.8, -1.7, -0.8);
    anchoLinea(1);
    linea(-1.7, 0, -1.3, 0);
    linea(-1.3, 0, -1.05, 0.6);
    linea(-1.05, 0.6, -0.65, -0.6);
    linea(-0.65, -0.6, -0.4, 0);
    linea(-0.4, 0, 0, 0);
}

// Rotational spring: a spiral from the node out to a short thick line.
void simboloResorteGiro() {
    color(0.8, 0.2, 0.2);
    anchoLinea(3);
    linea(0.6, 1.8, 0.6, 1);
    anchoLinea(1);
    plotArco(0.4, 0, 0.4, 0, 180);
    plotArco(0, 0, 0.8, 180, 360);
    plotArco(0.6, 0, 1.4, 90, 180);
}

}  // namespace

// Every visible bar as one thick grey segment, all in one run.
void plotBarras() {
    anchoLinea(3);
    color(0.5, 0.5, 0.5);
    glBegin(GL_LINES);
    for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
        if (!barraVisible(i)) continue;
        tramo(modeloVisor.barra[i].getXi(), modeloVisor.barra[i].getYi(),
              modeloVisor.barra[i].getXf(), modeloVisor.barra[i].getYf());
    }
    glEnd();
}

// A circle at 3 % / 97 % of the bar for each end that is not rigid (the
// fixity is read as an integer, so partial fixity shows as a hinge).
void plotArticulaciones() {
    const double r = zCam / 150.0;
    for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
        if (!barraVisible(i)) continue;
        anchoLinea(1);
        color(0.1, 0.7, 0.1);
        const objBarra2d& b = modeloVisor.barra[i];
        const double dx = b.getXf() - b.getXi(), dy = b.getYf() - b.getYi();
        if (b.getArticulacionInicio() != 1) {
            plotArco(b.getXi() + 0.03 * dx, b.getYi() + 0.03 * dy, r, 0, 360);
        }
        if (b.getArticulacionFin() != 1) {
            plotArco(b.getXi() + 0.97 * dx, b.getYi() + 0.97 * dy, r, 0, 360);
        }
    }
}

// Node markers: spheres of a fixed model size, diagonalObj/200.
void plotNudos() {
    if (!flagActivo(interruptor::marcadoresNudos)) return;
    for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
        if (!nudoVisible(i)) continue;
        color(0.7, 0, 0);
        glPushMatrix();
        glTranslatef(static_cast<float>(modeloVisor.nudo[i].getX()),
                     static_cast<float>(modeloVisor.nudo[i].getY()), 0.0f);
        esferaNudo(diagonalObj / 200.0);
        glPopMatrix();
    }
}

void plotTagNudos(double escala) {
    for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
        if (!nudoVisible(i)) continue;
        color(0.9, 0.2, 0.2);
        anchoLinea(1);
        drawNumFloat(modeloVisor.nudo[i].getX() + zCam / 200.0,
                     modeloVisor.nudo[i].getY() + zCam / 200.0,
                     modeloVisor.nudo[i].getNoNudoUsuario(), 0, escala);
    }
}

void plotTagBarras(double escala) {
    for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
        if (!barraVisible(i)) continue;
        anchoLinea(1);
        color(0.8, 0.8, 0.8);
        const objBarra2d& b = modeloVisor.barra[i];
        drawNumFloat(0.5 * (b.getXi() + b.getXf()) + zCam / 200.0,
                     0.5 * (b.getYi() + b.getYf()) + zCam / 200.0, b.getNoBarraUsuario(), 0,
                     escala);
    }
}

// Section name along the bar, centred on its midpoint, just above the axis.
void plotSecciones(double escala) {
    for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
        if (!barraVisible(i)) continue;
        anchoLinea(1);
        color(0.8, 0.8, 0.8);
        objBarra2d& b = modeloVisor.barra[i];
        glPushMatrix();
        glTranslatef(static_cast<float>(0.5 * (b.getXi() + b.getXf())),
                     static_cast<float>(0.5 * (b.getYi() + b.getYf())), 0.0f);
        glRotatef(static_cast<float>(b.getAngulo() * 180.0 / PI), 0.0f, 0.0f, 1.0f);
        const std::string nombre = b.getNombreDeSeccion();
        drawTextoEscaladoNew(nombre.c_str(), escala, 2);
        glPopMatrix();
    }
}

// One symbol per node by its restraints (x, y, rotation): fixed, pinned,
// roller with vertical reaction, roller with horizontal reaction (the
// previous one turned a quarter turn); other restraint sets have none.
void plotApoyos(double escala) {
    const double s = tamanoSimbolo(escala);
    for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
        if (!nudoVisible(i)) continue;
        const Eigen::Vector3i a = modeloVisor.nudo[i].getApoyo();
        marcoSimbolo(i, s);
        color(0.8, 0.8, 0.3);
        if (modeloVisor.nudo[i].esApoyoInclinado()) {
            // The roller turned to its surface.
            const double grados = modeloVisor.nudo[i].getAnguloApoyo() * 180.0 / PI;
            glRotatef(static_cast<float>(grados), 0, 0, 1);
            simboloRodillo();
        } else if (a(0) == 1 && a(1) == 1 && a(2) == 1) {
            anchoLinea(3);
            linea(-1, 0, 1, 0);
            anchoLinea(1);
            linea(-1, -0.6, -0.67, 0);
            linea(-0.67, -0.6, -0.33, 0);
            linea(-0.33, -0.6, 0, 0);
            linea(0, -0.6, 0.33, 0);
            linea(0.33, -0.6, 0.67, 0);
        } else if (a(0) == 1 && a(1) == 1 && a(2) == 0) {
            anchoLinea(3);
            linea(-1, -1.3, 1, -1.3);
            anchoLinea(1);
            linea(-0.75, -1.3, 0, 0);
            linea(0.75, -1.3, 0, 0);
        } else if (a(0) == 0 && a(1) == 1 && a(2) == 0) {
            simboloRodillo();
        } else if (a(0) == 1 && a(1) == 0 && a(2) == 0) {
            glRotatef(90, 0, 0, 1);
            simboloRodillo();
        }
        glPopMatrix();
    }
}

void plotResortes(double escala) {
    const double s = tamanoSimbolo(escala);
    for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
        if (!nudoVisible(i)) continue;
        if (modeloVisor.nudo[i].getResorteX() != 0) {
            marcoSimbolo(i, s);
            simboloResorte();
            glPopMatrix();
        }
        if (modeloVisor.nudo[i].getResorteY() != 0) {
            marcoSimbolo(i, s);
            glRotatef(90, 0, 0, 1);
            simboloResorte();
            glPopMatrix();
        }
        if (modeloVisor.nudo[i].getResorteGiro() != 0) {
            marcoSimbolo(i, s);
            simboloResorteGiro();
            glPopMatrix();
        }
    }
}
