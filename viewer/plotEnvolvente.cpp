// The N, V and M layers in envelope mode: for the active combinations taken
// together, the largest value at every station as one curve and the
// smallest as another, each with its cross lines back to the bar axis, in
// the bar's own frame with the layer's sign convention (N and V on the side
// of their sign, M reversed: a positive moment on the tension side). With
// switch 14 on, each bar names its largest maximum and smallest minimum and
// the combination that gives each.
#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cacheCapas.h"
#include "capasResultados.h"
#include "elementosPlot.h"
#include "envolventeDiagramas.h"
#include "globales.h"
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

// The label r of bar i with its baseline through the point (r.x, y) of the
// diagram: centred on it inside the bar, running into the bar at an end.
// On a bar whose labels are turned, the same about that point.
void rotuloExtremo(int i, const rotuloEnvolvente& r, double y) {
    const double d = fraccionDentroDelExtremo * barra[i].getLongitud();
    double dx = 0;
    int alineacion = alineacionTexto::centro;
    if (r.lugar == lugarRotulo::inicio) {
        dx = d;
        alineacion = alineacionTexto::inicio;
    } else if (r.lugar == lugarRotulo::fin) {
        dx = -d;
        alineacion = alineacionTexto::fin;
    }
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

void plotEnvolvente(capaCache capa, esfuerzoBarra esfuerzo, double escala) {
    const std::vector<int> combos = combosActivosConResultados();
    if (combos.empty()) return;
    // M is drawn with its sign reversed.
    const double signo = esfuerzo == esfuerzoBarra::momento ? -1.0 : 1.0;
    dibujarCapa(capa, combos, escala, [&](constructorPiezas& pieza) {
        const std::vector<std::string> nombres = nombresDeCombos();
        for (int i = 0; i < static_cast<int>(barra.size()); ++i) {
            if (!barraVisible(i)) continue;
            const curvasEnvolvente curvas = curvasDeEnvolvente(barra[i], esfuerzo, combos);
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
                int caracteres = 0;
                for (const rotuloEnvolvente& r :
                     rotulosDeEnvolvente(barra[i], esfuerzo, combos, nombres)) {
                    const double y = signo * r.valor * escala;
                    color(r.maximo ? colorEnvolventeMaxima : colorEnvolventeMinima);
                    rotuloExtremo(i, r, y);
                    pieza.puntoEnBarra(i, r.x, y);
                    caracteres = std::max(caracteres, static_cast<int>(r.texto.size()));
                }
                pieza.rotulo(caracteres);
            }
            glPopMatrix();
            pieza.terminar();
        }
    });
}

}  // namespace

void plotEnvolventeAxial(double escala) {
    plotEnvolvente(capaCache::envolventeAxial, esfuerzoBarra::axial, escala);
}

void plotEnvolventeCortante(double escala) {
    plotEnvolvente(capaCache::envolventeCortante, esfuerzoBarra::cortante, escala);
}

void plotEnvolventeMomento(double escala) {
    plotEnvolvente(capaCache::envolventeMomento, esfuerzoBarra::momento, escala);
}
