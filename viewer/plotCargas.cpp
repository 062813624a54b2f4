// Loads and reactions of one combination. Point loads are arrows that end on
// their node and point the way the force acts, moments an arc around the node
// with a head showing the sense; distributed loads are eleven arrows onto the
// bar with the load line joining their tails. Magnitudes are printed without
// sign (the arrows carry it); reactions are a signed text list at each
// restrained or sprung node.
#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "cacheCapas.h"
#include "capasResultados.h"
#include "elementosPlot.h"
#include "formatoNumero.h"
#include "globales.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "trazosGl.h"

namespace {

// Arc of radius 1.6·t around the node from -90° to 135° and a head at the
// end the moment turns towards: 135° when counter-clockwise (mz > 0),
// -90° when clockwise.
void momentoNudo(double x, double y, double mz, double t) {
    const double r = 1.6 * t;
    anchoLinea(2);
    plotArco(x, y, r, -90, 135);
    if (mz > 0) {
        const double px = x - std::cos(PI / 4) * r, py = y + std::sin(PI / 4) * r;
        linea(px, py, px + 0.7 * t, py + t);
        linea(px, py, px + 0.9 * t, py + 0.1 * t);
    } else {
        const double px = x, py = y - r;
        linea(px, py, px + 0.6 * t, py + 0.6 * t);
        linea(px, py, px + t, py - 0.1 * t);
    }
    anchoLinea(1);
    if (flagActivo(interruptor::textoDiagramas))
        drawNumFloat(x + 1.7 * t, y + 0.3 * t, std::abs(mz), precision, escalaTexto);
}

// Point loads of node i: an arrow per non-zero force component, |P|·escala
// long, ending on the node, with the magnitude at its tail.
void cargasNudo(int i, int c, double escala, double t) {
    const double x = nudo[i].getX(), y = nudo[i].getY();
    const double px = nudo[i].getPxCombo(c);
    const double py = nudo[i].getPyCombo(c);
    const double mz = nudo[i].getMzCombo(c);
    if (px != 0) {
        anchoLinea(2);
        drawFlecha(x - px * escala, y, x, y, t);
        anchoLinea(1);
        drawNumFloat(x - px * escala, y, std::abs(px), precision, escalaTexto);
    }
    if (py != 0) {
        anchoLinea(2);
        drawFlecha(x, y - py * escala, x, y, t);
        anchoLinea(1);
        drawNumFloat(x, y - py * escala, std::abs(py), precision, escalaTexto);
    }
    if (mz != 0) momentoNudo(x, y, mz, t);
}

// Transverse load varying linearly from qi to qf (positive along local +y):
// eleven arrows at L/10 spacing ending on the bar, and the load line. A
// station where the load is zero has a zero-length arrow, which draws nothing.
void cargaTransversal(double L, double qi, double qf, double escala, double t) {
    color(0, 0.3, 0);
    anchoLinea(1);
    for (int j = 0; j <= 10; ++j) {
        drawFlecha(j * L / 10, -(qi + j * (qf - qi) / 10) * escala, j * L / 10, 0, t);
    }
    linea(0, -qi * escala, L, -qf * escala);
    color(0.3, 0.7, 0.3);
    if (flagActivo(interruptor::textoDiagramas)) {
        drawNumFloat(0.1 * L, -qi * escala, std::abs(qi), precision, escalaTexto);
        drawNumFloatRight(0.9 * L, -qf * escala, std::abs(qf), precision, escalaTexto);
    }
}

// Axial load from fi to ff (positive towards the end node): eleven heads on
// the axis pointing the way of the mean load, none when it is zero, and both
// magnitudes below the axis.
void cargaAxial(double L, double fi, double ff, double escala, double t) {
    color(0, 0.4, 0.5);
    anchoLinea(2);
    const double g = (fi + ff) / 2 * escala;
    for (int j = 0; j <= 10; ++j) {
        const double h = j * L / 10;
        if (g > 0) drawFlecha(h, 0, h + 0.00001, 0, t);
        if (g < 0) drawFlecha(h, 0, h - 0.0001, 0, t);
    }
    color(0.3, 0.7, 0.7);
    anchoLinea(1);
    if (flagActivo(interruptor::textoDiagramas)) {
        drawNumFloat(0.1 * L, -1.1 * escalaTexto, std::abs(fi), precision, escalaTexto);
        drawNumFloatRight(0.9 * L, -1.2 * escalaTexto, std::abs(ff), precision, escalaTexto);
    }
}

// One line of the reaction list: "Rx: " and the signed value.
void lineaReaccion(const char* nombre, double valor, double y) {
    const std::string texto = nombre + formatearNumero(valor, precision, false);
    drawTextoEscalado(0.1, y, texto.c_str(), escalaTexto);
}

// Characters of the longest magnitude among the values.
int caracteresRotulo(std::initializer_list<double> valores) {
    int n = 0;
    for (double v : valores) {
        n = std::max(n, static_cast<int>(formatearNumero(std::abs(v), precision, false).size()));
    }
    return n;
}

}  // namespace

// One piece per loaded node and per loaded bar.
void plotCarga(int c, double escala) {
    if (!comboExiste(c)) return;
    dibujarCapa(capaCache::cargas, c, escala, [c, escala](constructorPiezas& pieza) {
        // Heads keep their size on screen.
        const double t = zCam / 100;
        for (int i = 0; i < static_cast<int>(nudo.size()); ++i) {
            if (!nudoVisible(i) || c >= nudo[i].getCantidadDeCombos()) continue;
            const double px = nudo[i].getPxCombo(c), py = nudo[i].getPyCombo(c);
            const double mz = nudo[i].getMzCombo(c);
            if (px == 0 && py == 0 && mz == 0) continue;
            pieza.iniciar();
            color(0.8, 0.2, 0.2);
            cargasNudo(i, c, escala, t);
            const double x = nudo[i].getX(), y = nudo[i].getY();
            pieza.punto(x, y);
            pieza.punto(x - px * escala, y);
            pieza.punto(x, y - py * escala);
            pieza.holgura(3 * t);
            pieza.rotulo(caracteresRotulo({px, py, mz}));
            pieza.terminar();
        }

        for (int i = 0; i < static_cast<int>(barra.size()); ++i) {
            if (!barraVisible(i) || c >= barra[i].getCantidadDeCombos()) continue;
            const double L = barra[i].getLongitud();
            const intensidadesCarga q = intensidadesDibujadas(barra[i], c);
            const double qi = q.qi, qf = q.qf, fi = q.fi, ff = q.ff;
            const bool transversal = qi != 0 || qf != 0, axial = fi != 0 || ff != 0;
            if (!transversal && !axial) continue;
            pieza.iniciar();
            if (transversal) {
                marcoBarra(i);
                cargaTransversal(L, qi, qf, escala, t);
                glPopMatrix();
            }
            if (axial) {
                marcoBarra(i);
                cargaAxial(L, fi, ff, escala, t);
                glPopMatrix();
            }
            pieza.puntoEnBarra(i, 0, 0);
            pieza.puntoEnBarra(i, L, 0);
            pieza.puntoEnBarra(i, 0, -qi * escala);
            pieza.puntoEnBarra(i, L, -qf * escala);
            pieza.holgura(2 * t);
            pieza.rotulo(caracteresRotulo({qi, qf, fi, ff}));
            pieza.terminar();
        }
    });
}

// Reactions listed from 0.1 right of the node downwards, one line per
// restrained or sprung component; one piece per node.
void plotReacciones(int c) {
    if (!comboConResultados(c)) return;
    dibujarCapa(capaCache::reacciones, c, 0, [c](constructorPiezas& pieza) {
        for (int i = 0; i < static_cast<int>(nudo.size()); ++i) {
            if (!nudoVisible(i) || c >= nudo[i].getCantidadDeCombos()) continue;
            const Eigen::Vector3i apoyo = nudo[i].getApoyo();
            pieza.iniciar();
            glPushMatrix();
            glTranslatef(static_cast<float>(nudo[i].getX()), static_cast<float>(nudo[i].getY()),
                         0.0f);
            color(1, 0, 0);
            anchoLinea(1);
            double y = 0;
            const double rx = nudo[i].getReaccionX(c), ry = nudo[i].getReaccionY(c);
            const double rm = nudo[i].getReaccionM(c);
            if (apoyo(0) == 1 || nudo[i].getResorteX() != 0) {
                lineaReaccion("Rx: ", rx, y);
                y -= escalaTexto;
            }
            if (apoyo(1) == 1 || nudo[i].getResorteY() != 0) {
                lineaReaccion("Ry: ", ry, y);
                y -= escalaTexto;
            }
            if (apoyo(2) == 1 || nudo[i].getResorteGiro() != 0) {
                lineaReaccion("Mz: ", rm, y);
            }
            glPopMatrix();
            pieza.punto(nudo[i].getX(), nudo[i].getY());
            // "Rx: " and the sign before the digits.
            pieza.rotulo(caracteresRotulo({rx, ry, rm}) + 5);
            pieza.terminar();
        }
    });
}
