#include "rotulosDentro.h"

#include <cmath>

#include "elementosPlot.h"
#include "estadoVisor.h"
#include "medidasPantalla.h"

namespace {

// The stroke font reaches this share of the text height below its baseline.
const double descensoFuente = 0.25;
// Room kept between a label and the window edge, in pixels.
const double margenPixeles = 2.0;
// Positions tried along the bar: this many steps each way over its length.
const int pasosPorLado = 100;

bool seCruzan(const cajaVista& a, const cajaVista& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

// The frame of bar i seen from the view: its start about the centre of the
// view, and its direction.
struct marcoEnVista {
    double x, y, co, si;
};

marcoEnVista marcoDe(int i) {
    const objBarra2d& b = modeloVisor.barra[i];
    return {b.getXi() - xCentroObj, b.getYi() - yCentroObj, std::cos(b.getAngulo()),
            std::sin(b.getAngulo())};
}

// The label's box moved by dx along the bar, in view coordinates (the four
// corners turned with the bar).
cajaVista enVista(const marcoEnVista& m, const cajaRotulo& c, double dx) {
    cajaVista v{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (double x : {c.x0 + dx, c.x1 + dx}) {
        for (double y : {c.y0, c.y1}) {
            const double vx = m.x + m.co * x - m.si * y;
            const double vy = m.y + m.si * x + m.co * y;
            v = {std::fmin(v.x0, vx), std::fmin(v.y0, vy), std::fmax(v.x1, vx),
                 std::fmax(v.y1, vy)};
        }
    }
    return v;
}

bool despejada(const cajaVista& v, const cajaVista& ventana, const cajaVista& lista) {
    return v.x0 >= ventana.x0 && v.x1 <= ventana.x1 && v.y0 >= ventana.y0 && v.y1 <= ventana.y1 &&
           !seCruzan(v, lista);
}

// The window less its margin, and the list of combinations.
struct zonasVista {
    cajaVista ventana, lista;
};

zonasVista zonas() {
    const double margen = margenPixeles * medidasDePantalla().pixel;
    const cajaVista v = cajaVentana();
    return {{v.x0 + margen, v.y0 + margen, v.x1 - margen, v.y1 - margen}, cajaListaCombos()};
}

}  // namespace

bool listaALaIzquierda(double x, double y0, double y1, double separacion, int caracteres) {
    const zonasVista z = zonas();
    const double ancho = anchoTextoEscalado(caracteres, escalaTexto);
    const double vx = x - xCentroObj, vy0 = y0 - yCentroObj, vy1 = y1 - yCentroObj;
    const cajaVista derecha{vx + separacion, vy0, vx + separacion + ancho, vy1};
    const cajaVista izquierda{vx - separacion - ancho, vy0, vx - separacion, vy1};
    return !despejada(derecha, z.ventana, z.lista) && despejada(izquierda, z.ventana, z.lista);
}

double corrimientoAlInterior(int i, const cajaRotulo& caja) {
    if (i < 0 || i >= static_cast<int>(modeloVisor.barra.size())) return 0;
    const zonasVista z = zonas();
    const marcoEnVista m = marcoDe(i);
    if (despejada(enVista(m, caja, 0), z.ventana, z.lista)) return 0;
    const double L = modeloVisor.barra[i].getLongitud();
    const double medio = 0.5 * (caja.x0 + caja.x1);
    const double paso = L / pasosPorLado;
    if (!(paso > 0) || !std::isfinite(paso)) return 0;
    // Slid over the whole bar the label sweeps this box: when it misses
    // the window, no place along the bar will do (a bar out of view).
    const cajaVista a = enVista(m, caja, -medio), b = enVista(m, caja, L - medio);
    const cajaVista barrido{std::fmin(a.x0, b.x0), std::fmin(a.y0, b.y0), std::fmax(a.x1, b.x1),
                            std::fmax(a.y1, b.y1)};
    if (!seCruzan(barrido, z.ventana)) return 0;
    for (int k = 1; k <= pasosPorLado; ++k) {
        for (double dx : {-k * paso, k * paso}) {
            if (medio + dx < 0 || medio + dx > L) continue;
            if (despejada(enVista(m, caja, dx), z.ventana, z.lista)) return dx;
        }
    }
    return 0;
}

cajaRotulo cajaDeTexto(int caracteres, double x, double y, int alineacion, bool girada,
                       double xAncla, double yAncla) {
    const double ancho = anchoTextoEscalado(caracteres, escalaTexto);
    const double antes = alineacion == alineacionTexto::centro ? 0.5 * ancho
                         : alineacion == alineacionTexto::fin  ? ancho
                                                               : 0.0;
    // In the frame the text is drawn in.
    const double x0 = x - antes, x1 = x0 + ancho;
    const double y0 = y - descensoFuente * escalaTexto, y1 = y + escalaTexto;
    if (!girada) return {x0, x1, y0, y1};
    // Turned half a turn about the anchor: p_bar = anchor - p_text.
    return {xAncla - x1, xAncla - x0, yAncla - y1, yAncla - y0};
}
