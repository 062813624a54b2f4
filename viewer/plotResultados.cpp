// Result layers of one combination: the deformed shape with the node
// displacements, and the axial force, shear force and bending moment
// diagrams drawn in each bar's own frame (x along the bar from its start
// node, y to its left). N and V are drawn on the side of their sign; M is
// drawn with its sign reversed, so a positive (sagging) moment lies on the
// right-hand side of the bar, the tension face of a bar pointing right.
#include <GL/freeglut.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "cacheCapas.h"
#include "capasResultados.h"
#include "colorPorCombo.h"
#include "elementosPlot.h"
#include "esferaNudo.h"
#include "estadoVisor.h"
#include "extremosBarra.h"
#include "formatoNumero.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "rotulosDentro.h"
#include "trazadoDiagramas.h"
#include "trazosGl.h"

namespace {

// 21 stations per bar: 20 equal segments.
const int muestras = 21;

// Consecutive lines of a text list stand this many text heights apart, and
// the zero-shear labels of two combinations this many.
const double renglonesPorLinea = 1.0;
const double interlineadoRotulos = 1.2;
// The list of a displaced node: its title and three values.
const int lineasDesplazamientos = 4;

// How combination c is drawn: in its layer's colours with plain numbers
// while colorPorCombo is off; with it on, in the combination's colour, with
// its name after every value, its lists `rango` lists lower than the first
// active combination's, and its labels kept inside the window.
struct dibujoCombo {
    bool porCombo;
    std::string sufijo;
    int rango;
};

dibujoCombo dibujoDe(int c) {
    const bool porCombo = colorPorComboActivo();
    return {porCombo, sufijoDeCombo(c), porCombo ? std::max(0, rangoDeCombo(c)) : 0};
}

struct estiloDiagrama {
    double contorno[3];
    double interior[3];
    double rotulos[3];
    double signo;  // +1: ordinate v·escala; -1: ordinate -v·escala
};

const estiloDiagrama estiloAxial = {{0, 0.2, 0.7}, {0, 0.1, 0.4}, {0.4, 0.4, 0.9}, 1};
const estiloDiagrama estiloCortante = {{0.5, 0.5, 0}, {0.4, 0.4, 0}, {0.5, 0.5, 0}, 1};
const estiloDiagrama estiloMomento = {{0.7, 0.2, 0}, {0.5, 0.1, 0}, {0.7, 0.2, 0}, -1};

// The layer's style, or with colorPorCombo the combination's colour for the
// outline and the labels and its darker shade for the inner lines.
estiloDiagrama estiloDe(const estiloDiagrama& e, int c) {
    if (!colorPorComboActivo()) return e;
    estiloDiagrama k = e;
    const colorCombo pleno = colorDeCombo(c), interior = colorInteriorDeCombo(c);
    for (int j = 0; j < 3; ++j) {
        k.contorno[j] = k.rotulos[j] = pleno.rgb[j];
        k.interior[j] = interior.rgb[j];
    }
    return k;
}

// Outline through the 21 scaled samples and the cross lines back to the
// bar axis, all in one run of segments; the bar itself closes the figure.
// Returns the ordinates.
Eigen::VectorXd contornoDiagrama(const Eigen::MatrixXd& m, double escala, const estiloDiagrama& e) {
    const Eigen::VectorXd x = m.row(0).transpose();
    const Eigen::VectorXd y = m.row(1).transpose() * (e.signo * escala);
    anchoLinea(1);
    glBegin(GL_LINES);
    color(e.contorno);
    tramosContorno(x, y);
    color(e.interior);
    tramosTransversales(x, y);
    glEnd();
    return y;
}

// Fixed-point text with the model's decimals.
std::string textoFijo(double valor) {
    return formatearNumero(valor, precision, false);
}

// A value of combination d on bar i where p puts it.
void valorDeCombo(int i, const dibujoCombo& d, bool girada, double valor,
                  const colocacionRotulo& p) {
    rotuloEnBarra(i, girada, textoFijo(valor) + d.sufijo, p, d.porCombo);
}

// Bars and nodes drawn for combination c: visible, and holding results for it.
bool barraConResultados(int i, int c) {
    return barraVisible(i) && i < static_cast<int>(solucionVisor.barras.size()) &&
           c < solucionVisor.barras[i].getCantidadDeCombos();
}

bool nudoConResultados(int i, int c) {
    return nudoVisible(i) && i < static_cast<int>(solucionVisor.nudos.size()) &&
           c < solucionVisor.nudos[i].getCantidadDeCombos();
}

// Characters of the longest fixed-point label a diagram with these values
// can carry ("x0= " and the decimals included).
int caracteresRotulo(const Eigen::MatrixXd& m) {
    const double mayor = std::max(m.row(1).maxCoeff(), -m.row(1).minCoeff());
    return static_cast<int>(textoFijo(-mayor).size()) + 4;
}

// One force diagram for every visible bar, one piece per bar;
// etiquetas(i, m, y, girada) adds the end values and the diagram's own label
// while switch 14 is on.
void diagramaFuerzas(capaCache capa, int c, double escala, const estiloDiagrama& estilo,
                     esfuerzoBarra esfuerzo,
                     const std::function<void(int, const Eigen::MatrixXd&, const Eigen::VectorXd&,
                                              bool)>& etiquetas) {
    if (!comboConResultados(c)) return;
    dibujarCapa(capa, c, escala, [&](constructorPiezas& pieza) {
        const estiloDiagrama e = estiloDe(estilo, c);
        const int sufijo = static_cast<int>(sufijoDeCombo(c).size());
        // The zero-shear labels of later combinations stand higher.
        const double elevacion = dibujoDe(c).rango * interlineadoRotulos * escalaTexto;
        for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
            if (!barraConResultados(i, c)) continue;
            pieza.iniciar();
            const Eigen::MatrixXd m = diagramaDeBarra(i, c, esfuerzo);
            const bool girada = rotulosGirados(i);
            marcoBarra(i);
            const Eigen::VectorXd y = contornoDiagrama(m, escala, e);
            for (Eigen::Index k = 0; k < m.cols(); ++k) {
                pieza.puntoEnBarra(i, m(0, k), 0);
                pieza.puntoEnBarra(i, m(0, k), y(k));
            }
            if (flagActivo(interruptor::textoDiagramas)) {
                anchoLinea(1);
                color(e.rotulos);
                etiquetas(i, m, y, girada);
                pieza.rotulo(caracteresRotulo(m) + sufijo);
                if (elevacion > 0) pieza.holgura(elevacion + escalaTexto);
            }
            glPopMatrix();
            pieza.terminar();
        }
    });
}

}  // namespace

void marcoBarra(int i) {
    glPushMatrix();
    glTranslatef(static_cast<float>(modeloVisor.barra[i].getXi()),
                 static_cast<float>(modeloVisor.barra[i].getYi()), 0.0f);
    glRotatef(static_cast<float>(modeloVisor.barra[i].getAngulo() * 180.0 / PI), 0.0f, 0.0f, 1.0f);
}

// Displaced nodes (marker and, with switch 14, their displacements in
// scientific notation) and the magnified elastic line of every bar; one
// piece per node and per bar.
void plotDeformada(int c, double escala) {
    if (!comboConResultados(c)) return;
    dibujarCapa(capaCache::deformada, c, escala, [c, escala](constructorPiezas& pieza) {
        const dibujoCombo d = dibujoDe(c);
        double cian[3] = {0, 0.7, 0.7};
        double gris[3] = {0.7, 0.7, 0.7};
        if (d.porCombo) {
            const colorCombo k = colorDeCombo(c);
            for (int j = 0; j < 3; ++j) cian[j] = gris[j] = k.rgb[j];
        }
        const double r = (xMax - xMin) / 200.0;
        const std::string titulo = "Ux, Uy, Giro:" + d.sufijo;
        // Later combinations list their displacements one list lower.
        const double base =
            d.rango == 0 ? 0.0 : -d.rango * lineasDesplazamientos * renglonesPorLinea * escalaTexto;
        // The marker's list is made before the pieces are compiled.
        if (flagActivo(interruptor::marcadoresNudos)) listaEsfera(r);
        for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
            if (!nudoConResultados(i, c)) continue;
            pieza.iniciar();
            const double ux = solucionVisor.nudos[i].getDesplazamientoX(c);
            const double uy = solucionVisor.nudos[i].getDesplazamientoY(c);
            const double giro = solucionVisor.nudos[i].getGiroZ(c);
            const double x = modeloVisor.nudo[i].getX() + ux * escala,
                         y = modeloVisor.nudo[i].getY() + uy * escala;
            glPushMatrix();
            glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
            color(cian);
            if (flagActivo(interruptor::marcadoresNudos)) esferaNudo(r);
            pieza.punto(x - r, y - r);
            pieza.punto(x + r, y + r);
            if (flagActivo(interruptor::textoDiagramas)) {
                color(gris);
                int caracteres = static_cast<int>(titulo.size());
                for (double valor : {ux, uy, giro}) {
                    const std::string texto = formatearNumero(valor, precision, true);
                    caracteres = std::max(caracteres, static_cast<int>(texto.size()));
                }
                if (!d.porCombo) {
                    drawTextoEscalado(r, escalaTexto, titulo.c_str(), escalaTexto);
                    drawNumSci(r, 0, ux, precision, escalaTexto);
                    drawNumSci(r, -escalaTexto, uy, precision, escalaTexto);
                    drawNumSci(r, -2 * escalaTexto, giro, precision, escalaTexto);
                } else {
                    // Beside the node on the side where the window has room.
                    const double arriba = y + base + escalaTexto * (1 + renglonesPorLinea);
                    const double abajo = y + base - 2 * escalaTexto;
                    const bool izquierda = listaALaIzquierda(x, abajo, arriba, r, caracteres);
                    const double xt = izquierda ? -r : r;
                    const int alineacion =
                        izquierda ? alineacionTexto::fin : alineacionTexto::inicio;
                    drawTextoEscaladoAlineado(xt, base + escalaTexto, titulo.c_str(), escalaTexto,
                                              alineacion);
                    double yt = base;
                    for (double valor : {ux, uy, giro}) {
                        const std::string texto = formatearNumero(valor, precision, true);
                        drawTextoEscaladoAlineado(xt, yt, texto.c_str(), escalaTexto, alineacion);
                        yt -= renglonesPorLinea * escalaTexto;
                    }
                    pieza.punto(x - r, y + base - 2 * escalaTexto);
                }
                pieza.punto(x + r, y + base - 2 * escalaTexto);
                pieza.rotulo(caracteres);
            }
            glPopMatrix();
            pieza.terminar();
        }

        for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
            if (!barraConResultados(i, c)) continue;
            pieza.iniciar();
            anchoLinea(1);
            color(cian);
            const Eigen::MatrixXd p =
                solucionVisor.barras[i].getBarraDeformada(c, muestras, escala);
            glBegin(GL_LINES);
            for (Eigen::Index k = 0; k + 1 < p.cols(); ++k) {
                tramo(p(0, k), p(1, k), p(0, k + 1), p(1, k + 1));
            }
            glEnd();
            for (Eigen::Index k = 0; k < p.cols(); ++k) pieza.punto(p(0, k), p(1, k));
            pieza.terminar();
        }
    });
}

// Axial force: the end values stand one station (L/20) inside the bar ends.
void plotAxial(int c, double escala) {
    diagramaFuerzas(capaCache::axial, c, escala, estiloAxial, esfuerzoBarra::axial,
                    [c](int i, const Eigen::MatrixXd& m, const Eigen::VectorXd& y, bool girada) {
                        const dibujoCombo d = dibujoDe(c);
                        const Eigen::Index f = m.cols() - 1;
                        const double paso = solucionVisor.barras[i].getLongitud() / (muestras - 1);
                        valorDeCombo(i, d, girada, m(1, 0),
                                     {paso, y(0), alineacionTexto::inicio, m(0, 0), y(0), -paso, 0,
                                      alineacionTexto::fin});
                        valorDeCombo(i, d, girada, m(1, f),
                                     {paso * (muestras - 2), y(f), alineacionTexto::fin, m(0, f),
                                      y(f), paso, 0, alineacionTexto::inicio});
                    });
}

// Shear force: end values at the bar ends, and the zero-shear point "x0= ".
void plotCortante(int c, double escala) {
    diagramaFuerzas(
        capaCache::cortante, c, escala, estiloCortante, esfuerzoBarra::cortante,
        [c](int i, const Eigen::MatrixXd& m, const Eigen::VectorXd& y, bool girada) {
            const dibujoCombo d = dibujoDe(c);
            const Eigen::Index f = m.cols() - 1;
            valorDeCombo(i, d, girada, m(1, 0),
                         {m(0, 0), y(0), alineacionTexto::inicio, m(0, 0), y(0), 0, 0,
                          alineacionTexto::inicio});
            valorDeCombo(
                i, d, girada, m(1, f),
                {m(0, f), y(f), alineacionTexto::fin, m(0, f), y(f), 0, 0, alineacionTexto::fin});
            const double xv = ceroDelCortante(solucionVisor.barras[i], c).x;
            if (xv < 0) return;
            // Later combinations' labels a line higher each.
            const double alto = 0.2 * escalaTexto + d.rango * interlineadoRotulos * escalaTexto;
            rotuloEnBarra(
                i, girada, "x0= " + textoFijo(xv) + d.sufijo,
                {xv, alto, alineacionTexto::inicio, xv, 0, 0, alto, alineacionTexto::inicio},
                d.porCombo);
        });
}

// Bending moment: end values L/50 inside the bar ends, and the moment at the
// zero-shear point centred on the diagram there.
void plotMomento(int c, double escala) {
    diagramaFuerzas(
        capaCache::momento, c, escala, estiloMomento, esfuerzoBarra::momento,
        [c, escala](int i, const Eigen::MatrixXd& m, const Eigen::VectorXd& y, bool girada) {
            const dibujoCombo k = dibujoDe(c);
            const Eigen::Index f = m.cols() - 1;
            const double d = modeloVisor.barra[i].getLongitud() / 50.0;
            valorDeCombo(i, k, girada, m(1, 0),
                         {m(0, 0) + d, y(0), alineacionTexto::inicio, m(0, 0), y(0), d, 0,
                          alineacionTexto::inicio});
            valorDeCombo(i, k, girada, m(1, f),
                         {m(0, f) - d, y(f), alineacionTexto::fin, m(0, f), y(f), -d, 0,
                          alineacionTexto::fin});
            const valorEnBarra cero = ceroDelCortante(solucionVisor.barras[i], c);
            const double xv = cero.x;
            const double mMax = cero.valor;
            if (!(0 < xv && xv < modeloVisor.barra[i].getLongitud())) return;
            const double yMax = -mMax * escala;
            valorDeCombo(
                i, k, girada, mMax,
                {xv, yMax, alineacionTexto::centro, xv, yMax, 0, 0, alineacionTexto::centro});
        });
}
