// The N, V and M layers in envelope mode: for the active combinations taken
// together, the largest value at every station as one curve and the
// smallest as another, each with its cross lines back to the bar axis, in
// the bar's own frame with the layer's sign convention (N and V on the side
// of their sign, M reversed: a positive moment on the tension side). With
// switch 14 on, each bar names its largest maximum and smallest minimum and
// the combination that gives each. The envelope of a train over a path is
// drawn the same way, its labels naming the train.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cacheCapas.h"
#include "capasResultados.h"
#include "elementosPlot.h"
#include "envolventeDiagramas.h"
#include "estadoVisor.h"
#include "influenciaVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "seccionesTablas.h"
#include "trazadoDiagramas.h"
#include "trazosGl.h"

namespace {

// The same two colours in the three layers, apart from every other colour
// of the viewer: magenta for the maximum, sky blue for the minimum.
const double colorEnvolventeMaxima[3] = {1.0, 0.3, 1.0};
const double colorEnvolventeMinima[3] = {0.3, 0.6, 1.0};

// A label at an end stands this share of the bar inside it, as the moment
// diagram's end values do.
const double fraccionDentroDelExtremo = 1.0 / 50.0;

// Baselines of two labels that would overlap stand this many text heights
// apart.
const double interlineado = 1.2;

// Shift along the bar from the label's point to its anchor, and the
// alignment there: centred on the point inside the bar, running into the
// bar from L/50 inside an end.
struct posicionTexto {
    double dx;
    int alineacion;
};

posicionTexto posicionDe(int i, const rotuloEnvolvente& r) {
    const double d = fraccionDentroDelExtremo * modeloVisor.barra[i].getLongitud();
    if (r.lugar == lugarRotulo::inicio) return {d, alineacionTexto::inicio};
    if (r.lugar == lugarRotulo::fin) return {-d, alineacionTexto::fin};
    return {0, alineacionTexto::centro};
}

// Span along the bar of the label's text (turned or not, it covers the same
// stretch of the bar).
std::pair<double, double> tramoDeTexto(int i, const rotuloEnvolvente& r) {
    const posicionTexto p = posicionDe(i, r);
    const double ancho = anchoTextoEscalado(static_cast<int>(r.texto.size()), escalaTexto);
    const double a = r.x + p.dx -
                     (p.alineacion == alineacionTexto::centro ? 0.5 * ancho
                      : p.alineacion == alineacionTexto::fin  ? ancho
                                                              : 0.0);
    return {a, a + ancho};
}

// Baselines of the two labels of bar i (the maximum's, then the minimum's).
// Where the texts would overlap (a force about constant along the bar names
// both extremes at its start), the minimum's is moved a line away from the
// maximum's, on the side where it stands, or under it as read.
std::vector<double> lineasDeBase(int i, const std::vector<rotuloEnvolvente>& r,
                                 const std::vector<double>& y) {
    std::vector<double> base = y;
    if (r.size() != 2 || r[0].texto == r[1].texto) return base;
    const auto a = tramoDeTexto(i, r[0]), b = tramoDeTexto(i, r[1]);
    const double linea = interlineado * escalaTexto;
    if (a.second <= b.first || b.second <= a.first || std::abs(y[1] - y[0]) >= linea) return base;
    // The text's up is the bar's +y, or -y where the labels are turned.
    const double arriba = rotulosGirados(i) ? -1.0 : 1.0;
    const double lado = (y[1] - y[0]) * arriba > 0 ? arriba : -arriba;
    base[1] = y[0] + lado * linea;
    return base;
}

// The label r of bar i with its baseline at ordinate y: at r.x placed as
// posicionDe says; on a bar whose labels are turned, the same about (r.x, y).
void rotuloExtremo(int i, const rotuloEnvolvente& r, double y) {
    const posicionTexto p = posicionDe(i, r);
    const double dx = p.dx;
    const int alineacion = p.alineacion;
    const bool girada = rotulosGirados(i);
    // Turned half a turn, the bar runs the other way and so does the text.
    const int alineacionGirada = alineacion == alineacionTexto::inicio ? alineacionTexto::fin
                                 : alineacion == alineacionTexto::fin  ? alineacionTexto::inicio
                                                                       : alineacion;
    rotular(girada, r.x + dx, y, r.x, y, -dx, 0, [&](double px, double py) {
        drawTextoEscaladoAlineado(px, py, r.texto.c_str(), escalaTexto,
                                  girada ? alineacionGirada : alineacion);
    });
}

// The two curves and the labels of every visible bar, from `curvasDe` and
// `rotulosDe`, kept as layer `capa` for the combinations `combos`.
void plotEnvolvente(capaCache capa, const std::vector<int>& combos, esfuerzoBarra esfuerzo,
                    double escala, const std::function<curvasEnvolvente(int)>& curvasDe,
                    const std::function<std::vector<rotuloEnvolvente>(int)>& rotulosDe) {
    // M is drawn with its sign reversed.
    const double signo = esfuerzo == esfuerzoBarra::momento ? -1.0 : 1.0;
    dibujarCapa(capa, combos, escala, [&](constructorPiezas& pieza) {
        for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
            if (!barraVisible(i)) continue;
            const curvasEnvolvente curvas = curvasDe(i);
            if (curvas.x.size() == 0) continue;
            pieza.iniciar();
            const Eigen::VectorXd yMaximo = curvas.maximo * (signo * escala);
            const Eigen::VectorXd yMinimo = curvas.minimo * (signo * escala);
            marcoBarra(i);
            // Cross lines first, so that neither curve is broken by the
            // other's lines where both lie on the same side of the bar.
            anchoLinea(1);
            glBegin(GL_LINES);
            color(colorEnvolventeMaxima);
            tramosTransversales(curvas.x, yMaximo);
            color(colorEnvolventeMinima);
            tramosTransversales(curvas.x, yMinimo);
            color(colorEnvolventeMaxima);
            tramosContorno(curvas.x, yMaximo);
            color(colorEnvolventeMinima);
            tramosContorno(curvas.x, yMinimo);
            glEnd();
            for (Eigen::Index k = 0; k < curvas.x.size(); ++k) {
                pieza.puntoEnBarra(i, curvas.x(k), 0);
                pieza.puntoEnBarra(i, curvas.x(k), yMaximo(k));
                pieza.puntoEnBarra(i, curvas.x(k), yMinimo(k));
            }
            if (flagActivo(interruptor::textoDiagramas)) {
                const std::vector<rotuloEnvolvente> rotulos = rotulosDe(i);
                std::vector<double> y;
                for (const rotuloEnvolvente& r : rotulos) y.push_back(signo * r.valor * escala);
                y = lineasDeBase(i, rotulos, y);
                int caracteres = 0;
                for (size_t k = 0; k < rotulos.size(); ++k) {
                    const rotuloEnvolvente& r = rotulos[k];
                    color(r.maximo ? colorEnvolventeMaxima : colorEnvolventeMinima);
                    rotuloExtremo(i, r, y[k]);
                    pieza.puntoEnBarra(i, r.x, y[k]);
                    caracteres = std::max(caracteres, static_cast<int>(r.texto.size()));
                }
                pieza.rotulo(caracteres);
            }
            glPopMatrix();
            pieza.terminar();
        }
    });
}

// The envelope of the active combinations.
void plotEnvolventeCombos(capaCache capa, esfuerzoBarra esfuerzo, double escala) {
    const std::vector<int> combos = combosActivosConResultados();
    if (combos.empty()) return;
    const std::vector<std::string> nombres = nombresDeCombos(modeloVisor);
    const int conResultados = static_cast<int>(solucionVisor.barras.size());
    plotEnvolvente(
        capa, combos, esfuerzo, escala,
        [&](int i) {
            return i < conResultados ? curvasDeEnvolvente(solucionVisor.barras[i], esfuerzo, combos)
                                     : curvasEnvolvente{};
        },
        [&](int i) {
            return rotulosDeEnvolvente(solucionVisor.barras[i], esfuerzo, combos, nombres);
        });
}

}  // namespace

void plotEnvolventeAxial(double escala) {
    plotEnvolventeCombos(capaCache::envolventeAxial, esfuerzoBarra::axial, escala);
}

void plotEnvolventeCortante(double escala) {
    plotEnvolventeCombos(capaCache::envolventeCortante, esfuerzoBarra::cortante, escala);
}

void plotEnvolventeMomento(double escala) {
    plotEnvolventeCombos(capaCache::envolventeMomento, esfuerzoBarra::momento, escala);
}

void plotEnvolventeTren(esfuerzoBarra esfuerzo, double escala) {
    std::string problema;
    const dibujoEnvolventeTren* d = envolventeTrenParaDibujar(problema);
    if (d == nullptr) return;
    const capaCache capa = esfuerzo == esfuerzoBarra::axial      ? capaCache::trenAxial
                           : esfuerzo == esfuerzoBarra::cortante ? capaCache::trenCortante
                                                                 : capaCache::trenMomento;
    plotEnvolvente(
        capa, {}, esfuerzo, escala, [&](int i) { return curvasDeEnvolventeTren(*d, i, esfuerzo); },
        [&](int i) { return rotulosDeEnvolventeTren(*d, i, esfuerzo); });
}
