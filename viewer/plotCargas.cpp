// Loads and reactions of one combination. Point loads are arrows that end on
// their node (or their point of a bar) and point the way the force acts,
// moments an arc around it with a head showing the sense; distributed loads
// are eleven arrows onto the bar, over the whole bar or over the part they
// load, with the load line joining their tails. Magnitudes are printed
// without sign (the arrows carry it); reactions are a signed text list at
// each restrained or sprung node.
#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "cacheCapas.h"
#include "capasResultados.h"
#include "colorPorCombo.h"
#include "elementosPlot.h"
#include "estadoVisor.h"
#include "formatoNumero.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "rotulosDentro.h"
#include "trazosGl.h"

namespace {

// How the loads of one combination are drawn: in the layer's colours with
// plain magnitudes while colorPorCombo is off; with it on, everything in the
// combination's colour and every magnitude followed by its name.
struct estiloCargas {
    bool porCombo;
    colorCombo propio;
    std::string sufijo;
    double bajada;  // the magnitudes stand this much lower (later combinations)
};

// Magnitudes of two combinations at the same point stand this many text
// heights apart.
const double interlineadoMagnitudes = 1.2;

estiloCargas estiloDe(int c) {
    const bool porCombo = colorPorComboActivo();
    const int rango = porCombo ? std::max(0, rangoDeCombo(c)) : 0;
    return {porCombo, colorDeCombo(c), sufijoDeCombo(c),
            rango * interlineadoMagnitudes * escalaTexto};
}

// The layer's colour (r, g, b), or the combination's.
void pintar(const estiloCargas& e, double r, double g, double b) {
    if (e.porCombo) {
        color(e.propio.rgb);
    } else {
        color(r, g, b);
    }
}

// A magnitude without sign at (x, y), starting or ending there (with
// colorPorCombo, a later combination's some lines lower).
void magnitud(const estiloCargas& e, double x, double y, double valor, int alineacion) {
    const std::string texto = formatearNumero(std::abs(valor), precision, false) + e.sufijo;
    drawTextoEscaladoAlineado(x, e.bajada == 0 ? y : y - e.bajada, texto.c_str(), escalaTexto,
                              alineacion);
}

// Arc of radius 1.6·t around the node from -90° to 135° and a head at the
// end the moment turns towards: 135° when counter-clockwise (mz > 0),
// -90° when clockwise.
void momentoNudo(const estiloCargas& e, double x, double y, double mz, double t) {
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
        magnitud(e, x + 1.7 * t, y + 0.3 * t, mz, alineacionTexto::inicio);
}

// Point load at (x, y) of the frame in use: an arrow per non-zero force
// component, |P|·escala long, ending on the point, with the magnitude at its
// tail; the moment as an arc.
void cargaPuntualEn(const estiloCargas& e, double x, double y, double px, double py, double mz,
                    double escala, double t) {
    if (px != 0) {
        anchoLinea(2);
        drawFlecha(x - px * escala, y, x, y, t);
        anchoLinea(1);
        magnitud(e, x - px * escala, y, px, alineacionTexto::inicio);
    }
    if (py != 0) {
        anchoLinea(2);
        drawFlecha(x, y - py * escala, x, y, t);
        anchoLinea(1);
        magnitud(e, x, y - py * escala, py, alineacionTexto::inicio);
    }
    if (mz != 0) momentoNudo(e, x, y, mz, t);
}

// Transverse load varying linearly from qi at x0 to qf at x1 (positive
// along local +y): eleven arrows at (x1 - x0)/10 spacing ending on the bar,
// and the load line. A station where the load is zero has a zero-length
// arrow, which draws nothing.
void cargaTransversal(const estiloCargas& e, double x0, double x1, double qi, double qf,
                      double escala, double t) {
    const double L = x1 - x0;
    pintar(e, 0, 0.3, 0);
    anchoLinea(1);
    for (int j = 0; j <= 10; ++j) {
        drawFlecha(x0 + j * L / 10, -(qi + j * (qf - qi) / 10) * escala, x0 + j * L / 10, 0, t);
    }
    linea(x0, -qi * escala, x1, -qf * escala);
    pintar(e, 0.3, 0.7, 0.3);
    if (flagActivo(interruptor::textoDiagramas)) {
        magnitud(e, x0 + 0.1 * L, -qi * escala, qi, alineacionTexto::inicio);
        magnitud(e, x0 + 0.9 * L, -qf * escala, qf, alineacionTexto::fin);
    }
}

// Axial load from fi at x0 to ff at x1 (positive towards the end node):
// eleven heads on the axis pointing the way of the mean load, none when it
// is zero, and both magnitudes below the axis.
void cargaAxial(const estiloCargas& e, double x0, double x1, double fi, double ff, double escala,
                double t) {
    const double L = x1 - x0;
    pintar(e, 0, 0.4, 0.5);
    anchoLinea(2);
    const double g = (fi + ff) / 2 * escala;
    for (int j = 0; j <= 10; ++j) {
        const double h = x0 + j * L / 10;
        if (g > 0) drawFlecha(h, 0, h + 0.00001, 0, t);
        if (g < 0) drawFlecha(h, 0, h - 0.0001, 0, t);
    }
    pintar(e, 0.3, 0.7, 0.7);
    anchoLinea(1);
    if (flagActivo(interruptor::textoDiagramas)) {
        magnitud(e, x0 + 0.1 * L, -1.1 * escalaTexto, fi, alineacionTexto::inicio);
        magnitud(e, x0 + 0.9 * L, -1.2 * escalaTexto, ff, alineacionTexto::fin);
    }
}

// Imposed deformations, in their own colour.
const double colorAsentamiento[3] = {1, 0.6, 0.2};
const double colorTemperatura[3] = {1, 0.45, 0.1};
// Length of a settlement's arrow and radius of its arc, in arrow heads: a
// settlement is a small displacement, drawn at a fixed size on screen.
constexpr double largoAsentamiento = 5;
constexpr double radioGiroImpuesto = 2.4;

// Settlement d = (dX, dY, giro) of a support at (x, y): an arrow along the
// imposed translation ending on the node, an arc with its head in the sense
// of an imposed rotation, their magnitudes in scientific notation.
void asentamientoEn(double x, double y, const Eigen::Vector3d& d, double t) {
    const double traslacion = std::hypot(d(0), d(1));
    if (traslacion > 0) {
        const double largo = largoAsentamiento * t;
        const double x0 = x - d(0) / traslacion * largo, y0 = y - d(1) / traslacion * largo;
        anchoLinea(2);
        drawFlecha(x0, y0, x, y, t);
        anchoLinea(1);
        drawNumSci(x0, y0, traslacion, precision, escalaTexto);
    }
    if (d(2) != 0) {
        const double r = radioGiroImpuesto * t;
        anchoLinea(2);
        plotArco(x, y, r, 0, 270);
        // Head at the end the rotation turns towards.
        const double a = d(2) > 0 ? 270.0 * PI / 180 : 0.0;
        const double hx = x + r * std::cos(a), hy = y + r * std::sin(a);
        const double sentido = d(2) > 0 ? 1.0 : -1.0;
        linea(hx, hy, hx - sentido * 0.7 * t, hy - 0.5 * t);
        linea(hx, hy, hx - sentido * 0.7 * t, hy + 0.5 * t);
        anchoLinea(1);
        drawNumSci(x + r, y + r, std::abs(d(2)), precision, escalaTexto);
    }
}

// The change of temperature of a bar, written under its axis at mid-bar in
// the bar's frame: "ΔT = 20, gradiente = 40" (the Δ drawn as a triangle,
// which the stroke font lacks); one line per temperature load.
void rotuloTemperatura(double L, const cargaTemperatura& k, int renglon) {
    const std::string texto = " T = " + formatearNumero(k.dT, precision, false) +
                              ", gradiente = " + formatearNumero(k.gradiente, precision, false);
    const double h = escalaTexto;
    const double ancho = anchoTextoEscalado(static_cast<int>(texto.size()), h);
    const double x0 = (L - ancho) / 2, y0 = -(1.3 + renglon) * h;
    drawTextoEscalado(x0, y0, texto.c_str(), h);
    const double a = anchoTextoEscalado(1, h);
    const double izquierda = x0 + 0.1 * a, derecha = x0 + 0.9 * a, cima = y0 + 0.7 * h;
    linea(izquierda, y0, derecha, y0);
    linea(derecha, y0, x0 + 0.5 * a, cima);
    linea(x0 + 0.5 * a, cima, izquierda, y0);
}

// A full-length or partial distributed load of bar i between x0 and x1:
// transverse arrows and axial heads in the bar's frame, and the box of the
// piece.
void cargaDistribuida(const estiloCargas& e, int i, double x0, double x1, double fi, double ff,
                      double qi, double qf, double escala, double t, constructorPiezas& pieza) {
    const bool transversal = qi != 0 || qf != 0, axial = fi != 0 || ff != 0;
    if (transversal) {
        marcoBarra(i);
        cargaTransversal(e, x0, x1, qi, qf, escala, t);
        glPopMatrix();
    }
    if (axial) {
        marcoBarra(i);
        cargaAxial(e, x0, x1, fi, ff, escala, t);
        glPopMatrix();
    }
    pieza.puntoEnBarra(i, x0, 0);
    pieza.puntoEnBarra(i, x1, 0);
    pieza.puntoEnBarra(i, x0, -qi * escala);
    pieza.puntoEnBarra(i, x1, -qf * escala);
}

// A point load inside bar i, drawn with the components it was given in:
// in the bar's frame at (a, 0), or along global X and Y at its point.
void cargaPuntualEnBarra(const estiloCargas& e, int i, const cargaPuntual& p, double escala,
                         double t, constructorPiezas& pieza) {
    const componentesDibujadas d = componentesPuntual(i, p);
    pintar(e, 0.8, 0.2, 0.2);
    if (d.global) {
        const objBarra2d& b = modeloVisor.barra[i];
        const double th = b.getAngulo();
        const double x = b.getXi() + std::cos(th) * p.a, y = b.getYi() + std::sin(th) * p.a;
        cargaPuntualEn(e, x, y, d.x, d.y, p.mz, escala, t);
        pieza.punto(x - d.x * escala, y);
        pieza.punto(x, y - d.y * escala);
        pieza.punto(x, y);
    } else {
        marcoBarra(i);
        cargaPuntualEn(e, p.a, 0, d.x, d.y, p.mz, escala, t);
        glPopMatrix();
        pieza.puntoEnBarra(i, p.a - d.x * escala, 0);
        pieza.puntoEnBarra(i, p.a, -d.y * escala);
        pieza.puntoEnBarra(i, p.a, 0);
    }
}

// The reaction list starts this far right of its node (model units).
const double separacionReacciones = 0.1;

// One line of the reaction list: "Rx: " and the signed value, and with
// colorPorCombo the combination's name.
std::string lineaReaccion(const char* nombre, double valor, const std::string& sufijo) {
    return nombre + formatearNumero(valor, precision, false) + sufijo;
}

// Characters of the longest magnitude among the values.
template <class Valores>
int caracteresRotulo(const Valores& valores) {
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
        const estiloCargas e = estiloDe(c);
        const int sufijo = static_cast<int>(e.sufijo.size());
        // Heads keep their size on screen.
        const double t = zCam / 100;
        for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
            if (!nudoVisible(i)) continue;
            const Eigen::Vector3d p = cargasNudoEnCombo(i, c);
            const double px = p(0), py = p(1), mz = p(2);
            if (px == 0 && py == 0 && mz == 0) continue;
            pieza.iniciar();
            pintar(e, 0.8, 0.2, 0.2);
            const double x = modeloVisor.nudo[i].getX(), y = modeloVisor.nudo[i].getY();
            cargaPuntualEn(e, x, y, px, py, mz, escala, t);
            pieza.punto(x, y);
            pieza.punto(x - px * escala, y);
            pieza.punto(x, y - py * escala);
            pieza.holgura(3 * t + e.bajada);
            pieza.rotulo(caracteresRotulo(std::initializer_list<double>{px, py, mz}) + sufijo);
            pieza.terminar();
        }

        for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
            if (!nudoVisible(i)) continue;
            const Eigen::Vector3d d = asentamientoNudoEnCombo(i, c);
            if (d.isZero(0)) continue;
            pieza.iniciar();
            color(colorAsentamiento);
            const double x = modeloVisor.nudo[i].getX(), y = modeloVisor.nudo[i].getY();
            asentamientoEn(x, y, d, t);
            pieza.punto(x, y);
            pieza.holgura((largoAsentamiento + 1) * t);
            pieza.rotulo(
                static_cast<int>(formatearNumero(d.cwiseAbs().maxCoeff(), precision, true).size()));
            pieza.terminar();
        }

        for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
            if (!barraVisible(i)) continue;
            const double L = modeloVisor.barra[i].getLongitud();
            const cargasEnCombo cargas = cargasBarraEnCombo(i, c);
            const intensidadesCarga q = intensidadesDibujadas(cargas.trapecio);
            const double qi = q.qi, qf = q.qf, fi = q.fi, ff = q.ff;
            const bool trapecio = qi != 0 || qf != 0 || fi != 0 || ff != 0;
            if (!trapecio && cargas.tramos.empty()) continue;
            pieza.iniciar();
            std::vector<double> valores;
            if (trapecio) {
                cargaDistribuida(e, i, 0, L, fi, ff, qi, qf, escala, t, pieza);
                valores = {qi, qf, fi, ff};
            }
            int temperaturas = 0;
            for (const cargaBarra& k : cargas.tramos) {
                if (const auto* g = std::get_if<cargaTemperatura>(&k)) {
                    marcoBarra(i);
                    color(colorTemperatura);
                    rotuloTemperatura(L, *g, temperaturas++);
                    glPopMatrix();
                    pieza.puntoEnBarra(i, L / 2, -(1.3 + temperaturas) * escalaTexto);
                    valores.insert(valores.end(), {g->dT, g->gradiente, 1e6});
                } else if (const auto* p = std::get_if<cargaPuntual>(&k)) {
                    cargaPuntualEnBarra(e, i, *p, escala, t, pieza);
                    valores.insert(valores.end(), {p->px, p->py, p->mz});
                } else if (const auto* r = std::get_if<cargaParcial>(&k)) {
                    const intensidadesCarga d =
                        intensidadesDibujadas(cargaTrapecial{r->pa, r->pb, r->qa, r->qb});
                    cargaDistribuida(e, i, r->a, r->b, d.fi, d.ff, d.qi, d.qf, escala, t, pieza);
                    valores.insert(valores.end(), {d.qi, d.qf, d.fi, d.ff});
                }
            }
            // Arcs of moments reach further than arrow heads.
            pieza.holgura((cargas.tramos.empty() ? 2 * t : 3 * t) + e.bajada);
            pieza.rotulo(caracteresRotulo(valores) + sufijo);
            pieza.terminar();
        }
    });
}

// Reactions listed from 0.1 right of the node downwards, one line per
// restrained or sprung component; one piece per node. With colorPorCombo,
// each line carries the combination's name, the list of a later active
// combination stands as many lists lower, and a list the window's right
// edge would cut stands on the node's left.
void plotReacciones(int c) {
    if (!comboConResultados(c)) return;
    dibujarCapa(capaCache::reacciones, c, 0, [c](constructorPiezas& pieza) {
        const estiloCargas e = estiloDe(c);
        const int rango = e.porCombo ? std::max(0, rangoDeCombo(c)) : 0;
        for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
            if (!nudoVisible(i) || i >= static_cast<int>(solucionVisor.nudos.size())) continue;
            const objNudo2d& n = modeloVisor.nudo[i];
            const Eigen::Vector3i apoyo = n.getApoyo();
            const double rx = solucionVisor.nudos[i].getReaccionX(c),
                         ry = solucionVisor.nudos[i].getReaccionY(c);
            const double rm = solucionVisor.nudos[i].getReaccionM(c);
            std::vector<std::string> lineas;
            // An inclined support reacts along its normal: both components.
            const bool inclinado = n.esApoyoInclinado();
            if (apoyo(0) == 1 || inclinado || n.getResorteX() != 0)
                lineas.push_back(lineaReaccion("Rx: ", rx, e.sufijo));
            if (apoyo(1) == 1 || inclinado || n.getResorteY() != 0)
                lineas.push_back(lineaReaccion("Ry: ", ry, e.sufijo));
            if (apoyo(2) == 1 || n.getResorteGiro() != 0) {
                lineas.push_back(lineaReaccion("Mz: ", rm, e.sufijo));
            }
            int caracteres = 0;
            for (const std::string& l : lineas) {
                caracteres = std::max(caracteres, static_cast<int>(l.size()));
            }
            const double base =
                rango == 0 ? 0.0 : -rango * static_cast<double>(lineas.size()) * escalaTexto;
            double x = separacionReacciones;
            int alineacion = alineacionTexto::inicio;
            if (e.porCombo && !lineas.empty() &&
                listaALaIzquierda(n.getX(), n.getY() + base - escalaTexto * (lineas.size() - 1),
                                  n.getY() + base + escalaTexto, separacionReacciones,
                                  caracteres)) {
                x = -separacionReacciones;
                alineacion = alineacionTexto::fin;
            }
            pieza.iniciar();
            glPushMatrix();
            glTranslatef(static_cast<float>(n.getX()), static_cast<float>(n.getY()), 0.0f);
            pintar(e, 1, 0, 0);
            anchoLinea(1);
            double y = base;
            for (const std::string& l : lineas) {
                drawTextoEscaladoAlineado(x, y, l.c_str(), escalaTexto, alineacion);
                y -= escalaTexto;
            }
            glPopMatrix();
            pieza.punto(n.getX(), n.getY());
            if (e.porCombo) {
                pieza.punto(n.getX() + x,
                            n.getY() + base - escalaTexto * static_cast<double>(lineas.size()));
            }
            // "Rx: " and the sign before the digits.
            pieza.rotulo(caracteresRotulo(std::initializer_list<double>{rx, ry, rm}) + 5 +
                         static_cast<int>(e.sufijo.size()));
            pieza.terminar();
        }
    });
}
