#include "cacheCapas.h"

#include <GL/gl.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "capturaVectorial.h"
#include "colorPorCombo.h"
#include "elementosPlot.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

namespace {

// A compiled piece and the box of model space it covers.
struct pieza {
    GLuint lista;
    double x0, y0, x1, y1;
};

// Everything a layer is drawn from besides the model and the combination.
struct estadoCapa {
    int version = -1;
    bool resuelto = false;
    double escala = 0, escalaTexto = 0;
    int precision = 0;
    bool texto = false, interiores = false, marcadores = false;
    double xMin = 0, xMax = 0;  // deformed shape: node markers sized by the x extent
    double zCam = 0;            // loads: arrow heads sized by the zoom
    Eigen::VectorXi nudos, barras;
    std::vector<int> combos;  // envelopes: the combinations taken together
    // colorPorCombo: the combination's colour and place follow the active
    // ones, and its labels keep inside the window seen from this camera.
    bool porCombo = false;
    std::vector<int> activos;
    double xVista = 0, yVista = 0, zVista = 0, wVista = 0, hVista = 0;

    bool operator==(const estadoCapa& o) const {
        return version == o.version && resuelto == o.resuelto && escala == o.escala &&
               escalaTexto == o.escalaTexto && precision == o.precision && texto == o.texto &&
               interiores == o.interiores && marcadores == o.marcadores && xMin == o.xMin &&
               xMax == o.xMax && zCam == o.zCam && nudos.size() == o.nudos.size() &&
               barras.size() == o.barras.size() && nudos == o.nudos && barras == o.barras &&
               combos == o.combos && porCombo == o.porCombo && activos == o.activos &&
               xVista == o.xVista && yVista == o.yVista && zVista == o.zVista &&
               wVista == o.wVista && hVista == o.hVista;
    }
};

// The camera and window the labels of colorPorCombo were last placed for.
// While the view is panned they stay (the kept pieces are replayed, as
// without the switch); once the button is released the labels are placed
// again for the view reached.
struct vistaDeRotulos {
    double x = 0, y = 0, z = 0, w = 0, h = 0;
};
vistaDeRotulos vistaRotulos;

estadoCapa estadoActual(capaCache capa, double escala, const std::vector<int>& combos) {
    estadoCapa e;
    e.combos = combos;
    e.version = versionModelo();
    e.resuelto = solucionVisor.resuelto;
    e.escala = escala;
    e.escalaTexto = escalaTexto;
    e.precision = precision;
    e.texto = flagActivo(interruptor::textoDiagramas);
    e.interiores = flagActivo(interruptor::lineasInteriores);
    e.marcadores = flagActivo(interruptor::marcadoresNudos);
    if (capa == capaCache::deformada) {
        e.xMin = xMin;
        e.xMax = xMax;
    }
    if (capa == capaCache::cargas) e.zCam = zCam;
    e.nudos = nudosAislados;
    e.barras = barrasAisladas;
    // One combination's layer (no envelope) in its own colour.
    if (combos.empty() && colorPorComboActivo()) {
        e.porCombo = true;
        for (int c = 0; c < modeloVisor.noCombos; ++c) {
            if (flagActivo(interruptor::primerCombo + c)) e.activos.push_back(c);
        }
        if (clickIzq != 1) vistaRotulos = {xCentroObj, yCentroObj, zCam, wVentana, hVentana};
        e.xVista = vistaRotulos.x;
        e.yVista = vistaRotulos.y;
        e.zVista = vistaRotulos.z;
        e.wVista = vistaRotulos.w;
        e.hVista = vistaRotulos.h;
    }
    return e;
}

struct entradaCapa {
    estadoCapa estado;
    bool valida = false;
    std::vector<pieza> piezas;
    std::vector<GLuint> listas;  // display lists owned, reused from one build to the next
};

std::map<std::pair<capaCache, int>, entradaCapa> cache;
int versionEnCache = -1;
long compiladas = 0;
long dibujadas = 0;

void liberar(entradaCapa& e) {
    for (GLuint l : e.listas) glDeleteLists(l, 1);
    e.listas.clear();
    e.piezas.clear();
    e.valida = false;
}

// A piece lies outside the view when its whole box is beyond one edge of
// the clip square of the current projection and camera.
class vistaActual {
  public:
    vistaActual() {
        GLdouble mv[16], pr[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        for (int f = 0; f < 4; ++f) {
            for (int k = 0; k < 4; ++k) {
                double s = 0;
                for (int j = 0; j < 4; ++j) s += pr[j * 4 + f] * mv[k * 4 + j];
                m[k * 4 + f] = s;
            }
        }
    }
    bool contiene(const pieza& p) const {
        int izq = 0, der = 0, abajo = 0, arriba = 0;
        for (double x : {p.x0, p.x1}) {
            for (double y : {p.y0, p.y1}) {
                const double w = m[3] * x + m[7] * y + m[15];
                const double cx = (m[0] * x + m[4] * y + m[12]) / w;
                const double cy = (m[1] * x + m[5] * y + m[13]) / w;
                izq += cx < -1;
                der += cx > 1;
                abajo += cy < -1;
                arriba += cy > 1;
            }
        }
        return izq < 4 && der < 4 && abajo < 4 && arriba < 4;
    }

  private:
    double m[16];
};

}  // namespace

struct constructorPiezas::datos {
    entradaCapa* entrada = nullptr;  // null: draw at once, nothing kept
    bool abierta = false;
    double x0, y0, x1, y1;
    double margen = 0;
};

void constructorPiezas::iniciar() {
    d.abierta = true;
    d.x0 = d.y0 = std::numeric_limits<double>::infinity();
    d.x1 = d.y1 = -std::numeric_limits<double>::infinity();
    d.margen = 0;
    if (d.entrada == nullptr) return;
    entradaCapa& e = *d.entrada;
    if (e.piezas.size() == e.listas.size()) e.listas.push_back(glGenLists(1));
    glNewList(e.listas[e.piezas.size()], GL_COMPILE);
}

void constructorPiezas::punto(double x, double y) {
    d.x0 = std::min(d.x0, x);
    d.x1 = std::max(d.x1, x);
    d.y0 = std::min(d.y0, y);
    d.y1 = std::max(d.y1, y);
}

void constructorPiezas::puntoEnBarra(int i, double x, double y) {
    const double a = modeloVisor.barra[i].getAngulo();
    const double c = std::cos(a), s = std::sin(a);
    punto(modeloVisor.barra[i].getXi() + c * x - s * y,
          modeloVisor.barra[i].getYi() + s * x + c * y);
}

void constructorPiezas::rotulo(int caracteres) {
    // The text's width plus three line heights for stacked lines, baseline
    // offsets and descenders.
    d.margen = std::max(d.margen, anchoTextoEscalado(caracteres, escalaTexto) + 3 * escalaTexto);
}

void constructorPiezas::holgura(double distancia) {
    d.margen = std::max(d.margen, distancia);
}

void constructorPiezas::terminar() {
    if (!d.abierta) return;
    d.abierta = false;
    if (d.entrada == nullptr) return;
    glEndList();
    ++compiladas;
    entradaCapa& e = *d.entrada;
    const GLuint lista = e.listas[e.piezas.size()];
    if (!(d.x0 <= d.x1 && d.y0 <= d.y1)) {
        // Nothing placed: the list is kept for reuse but never drawn.
        glNewList(lista, GL_COMPILE);
        glEndList();
        return;
    }
    e.piezas.push_back({lista, d.x0 - d.margen, d.y0 - d.margen, d.x1 + d.margen, d.y1 + d.margen});
}

namespace {

// Layer `capa` kept under combination index `clave` (-1 for an envelope).
void dibujarEntrada(capaCache capa, int clave, const std::vector<int>& combos, double escala,
                    const std::function<void(constructorPiezas&)>& construir) {
    // A vector capture sees every line width only from direct drawing.
    if (capturaVectorialEnCurso()) {
        constructorPiezas::datos d;
        constructorPiezas directo(d);
        construir(directo);
        return;
    }
    // Another model: nothing kept is of use any more.
    if (versionEnCache != versionModelo()) {
        for (auto& par : cache) liberar(par.second);
        cache.clear();
        versionEnCache = versionModelo();
    }
    entradaCapa& e = cache[{capa, clave}];
    estadoCapa estado = estadoActual(capa, escala, combos);
    if (!e.valida || !(e.estado == estado)) {
        e.piezas.clear();
        constructorPiezas::datos d;
        d.entrada = &e;
        constructorPiezas constructor(d);
        construir(constructor);
        constructor.terminar();
        // Piece k uses list k; lists beyond the pieces of this build are given back.
        while (e.listas.size() > e.piezas.size()) {
            glDeleteLists(e.listas.back(), 1);
            e.listas.pop_back();
        }
        e.estado = std::move(estado);
        e.valida = true;
    }
    const vistaActual vista;
    for (const pieza& p : e.piezas) {
        if (!vista.contiene(p)) continue;
        glCallList(p.lista);
        ++dibujadas;
    }
}

}  // namespace

void dibujarCapa(capaCache capa, int c, double escala,
                 const std::function<void(constructorPiezas&)>& construir) {
    dibujarEntrada(capa, c, {}, escala, construir);
}

void dibujarCapa(capaCache capa, const std::vector<int>& combos, double escala,
                 const std::function<void(constructorPiezas&)>& construir) {
    dibujarEntrada(capa, -1, combos, escala, construir);
}

long piezasCompiladas() {
    return compiladas;
}

long piezasDibujadas() {
    return dibujadas;
}
