// The influence line of the chosen response along the first path: ordinates
// across each bar of the path (positive values up, or to the left on a
// vertical bar), outline and cross lines in a colour of their own, the
// largest and smallest value named with their place along the path, and
// the response's section (a diamond on the bar) or node (a ring) marked;
// the labels follow the switch of the diagrams' values (Alt+T).
#include <GL/gl.h>

#include <cmath>
#include <string>

#include "capasResultados.h"
#include "elementosPlot.h"
#include "estadoVisor.h"
#include "formatoNumero.h"
#include "influenciaVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "trazadoDiagramas.h"
#include "trazosGl.h"

namespace {

// Amber: apart from the bars, the diagrams, the loads and the envelopes.
const double colorInfluencia[3] = {1.0, 0.75, 0.0};

// The largest ordinate is drawn as this share of the model's diagonal.
constexpr double fraccionDeLaDiagonal = 0.15;
// Half size of the marks of the section and the node, as a share of zCam
// (they keep their size on screen).
constexpr double marcaPorZCam = 0.012;
// Gap between a label and the point it names, in text heights.
constexpr double separacionRotulo = 0.4;
// A bar whose cosine is below this is vertical.
constexpr double cosenoVertical = 1e-12;

// +1 when the bar's left (its local +y) points up, or left on a vertical
// bar; -1 otherwise: positive ordinates are drawn that way on every bar.
double sentidoArriba(int barra) {
    const double a = modeloVisor.barra[static_cast<std::size_t>(barra)].getAngulo();
    const double c = std::cos(a);
    if (std::abs(c) > cosenoVertical) return c > 0 ? 1.0 : -1.0;
    return std::sin(a) > 0 ? 1.0 : -1.0;
}

// The point at abscissa x of bar b and ordinate y across it, in model axes.
void puntoDeBarra(int b, double x, double y, double& px, double& py) {
    const objBarra2d& barra = modeloVisor.barra[static_cast<std::size_t>(b)];
    const double a = barra.getAngulo();
    px = barra.getXi() + x * std::cos(a) - y * std::sin(a);
    py = barra.getYi() + x * std::sin(a) + y * std::cos(a);
}

// The label of an extreme beside its point: the largest above it, the
// smallest below it, so that the two never cover each other or the line.
void rotuloDeExtremo(const char* nombre, const extremoInfluencia& e, double escala, bool arriba) {
    if (e.barra < 0) return;
    double px, py;
    puntoDeBarra(e.barra, e.x, sentidoArriba(e.barra) * e.valor * escala, px, py);
    const std::string texto = std::string(nombre) + " " +
                              formatearNumero(e.valor, precision, false) +
                              " en s = " + formatearNumero(e.s, precision, false);
    const double y =
        arriba ? py + separacionRotulo * escalaTexto : py - (1 + separacionRotulo) * escalaTexto;
    drawTextoEscaladoAlineado(px, y, texto.c_str(), escalaTexto, alineacionTexto::centro);
}

void marcarSeccion(const dibujoInfluencia& d) {
    const double r = marcaPorZCam * zCam;
    double px, py;
    if (d.barraSeccion >= 0) {
        puntoDeBarra(d.barraSeccion, d.xSeccion, 0, px, py);
        glBegin(GL_LINE_LOOP);
        glVertex2d(px - r, py);
        glVertex2d(px, py + r);
        glVertex2d(px + r, py);
        glVertex2d(px, py - r);
        glEnd();
    } else if (d.nudo >= 0 && static_cast<std::size_t>(d.nudo) < modeloVisor.nudo.size()) {
        const objNudo2d& n = modeloVisor.nudo[static_cast<std::size_t>(d.nudo)];
        plotArco(n.getX(), n.getY(), r, 0, 360);
    }
}

}  // namespace

void plotInfluencia() {
    std::string problema;
    const dibujoInfluencia* d = influenciaParaDibujar(problema);
    if (d == nullptr) return;
    const double escala = d->mayorAbsoluto > 0 ? factorEscalaInfluencia * fraccionDeLaDiagonal *
                                                     diagonalObj / d->mayorAbsoluto
                                               : 0.0;
    color(colorInfluencia);
    anchoLinea(2);
    for (const trazoInfluencia& t : d->trazos) {
        const Eigen::Index n = static_cast<Eigen::Index>(t.x.size());
        Eigen::VectorXd x(n), y(n);
        for (Eigen::Index k = 0; k < n; ++k) {
            x(k) = t.x[static_cast<std::size_t>(k)];
            y(k) = sentidoArriba(t.barra) * t.valor[static_cast<std::size_t>(k)] * escala;
        }
        marcoBarra(t.barra);
        glBegin(GL_LINES);
        tramosContorno(x, y);
        glEnd();
        anchoLinea(1);
        glBegin(GL_LINES);
        tramosTransversales(x, y);
        glEnd();
        anchoLinea(2);
        glPopMatrix();
    }
    marcarSeccion(*d);
    anchoLinea(1);
    if (!flagActivo(interruptor::textoDiagramas)) return;
    rotuloDeExtremo("max", d->maximo, escala, true);
    rotuloDeExtremo("min", d->minimo, escala, false);
}
