// On-screen text at window-fixed places: help, prompt, credit and the list of
// combinations. Drawn with an identity model-view matrix, so the projection
// maps (0, 0) to the window centre; L is 12 pixels of a window wider than
// high, W and H the half width and half height of the view.
#include <GL/freeglut.h>

#include <algorithm>
#include <string>

#include "capturaVectorial.h"
#include "colorPorCombo.h"
#include "elementosPlot.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "medidasPantalla.h"
#include "modosVisor.h"
#include "textoAyuda.h"
#include "textoLatin1.h"

namespace {

const char* const textoCredito = "KARVEL-2D\nPorticos planos - metodo de rigidez";

// In a vector capture the text goes to it as text, line by line.
void escribir(double r, double g, double b, double x, double y, const std::string& texto,
              double unidadesPorPixel) {
    glColor3f(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
    glRasterPos3f(static_cast<float>(x), static_cast<float>(y), 0.0f);
    if (capturaVectorialEnCurso()) {
        textoVectorial(texto, x, y, unidadesPorPixel);
        return;
    }
    const std::string latin1 = aLatin1(texto);
    glutBitmapString(GLUT_BITMAP_HELVETICA_12,
                     reinterpret_cast<const unsigned char*>(latin1.c_str()));
}

// Width of the widest line of a text in the window's font.
int anchoEnPixeles(const std::string& texto) {
    int ancho = 0;
    std::size_t desde = 0;
    while (desde <= texto.size()) {
        const std::size_t fin = std::min(texto.find('\n', desde), texto.size());
        const std::string linea = aLatin1(texto.substr(desde, fin - desde));
        ancho = std::max(ancho,
                         glutBitmapLength(GLUT_BITMAP_HELVETICA_12,
                                          reinterpret_cast<const unsigned char*>(linea.c_str())));
        desde = fin + 1;
    }
    return ancho;
}

}  // namespace

void plotDialogo() {
    const medidasPantalla m = medidasDePantalla();
    const double L = m.L, W = m.W, H = m.H, p = m.pixel;
    const double margen = margenTextoEnL * L;

    glPushMatrix();
    glLoadIdentity();
    if (flagActivo(interruptor::ayuda)) {
        // The keys, and to their right the commands.
        const columnasAyuda ayuda = columnasDeAyuda();
        escribir(0, 0.8, 0, margen - W, H - margen, ayuda.teclas, p);
        const double x = margen - W + anchoEnPixeles(ayuda.teclas) * p + separacionColumnasEnL * L;
        escribir(0, 0.8, 0, x, H - margen, ayuda.comandos, p);
    }
    escribir(0, 1, 0, margen - W, margen - H, dialogo + "\n/>" + comando, p);
    // The title line of the mode shown, above everything else.
    const std::string tituloModo = modoActual().titulo;
    if (!tituloModo.empty())
        escribir(0, 0.7, 0.7, margen - W, H - lineaTituloEnL * L, tituloModo, p);
    escribir(0, 1, 0, W - columnaTituloEnL * L, margen - H, textoCredito, p);
    escribir(0, 1, 0, W - columnaTituloEnL * L, H - margen, "COMBOS ACTIVADOS:", p);
    // The model's combinations; a model without nodes shows the heading
    // alone. With colorPorCombo an active name takes its combination's
    // colour.
    const int combos = modeloVisor.nudo.empty() ? 0 : modeloVisor.noCombos;
    for (int i = 0; i < combos; ++i) {
        const bool activo = flagActivo(interruptor::primerCombo + i);
        const double y = H - (margen + renglonListaEnL * (i + 1) * L);
        const std::string nombre = modeloVisor.nombreDelCombo(i);
        if (activo && colorPorComboActivo()) {
            const colorCombo k = colorDeCombo(i);
            escribir(k.rgb[0], k.rgb[1], k.rgb[2], W - columnaNombresEnL * L, y, nombre, p);
        } else {
            escribir(0, activo ? 1.0 : 0.3, activo ? 0.2 : 0.05, W - columnaNombresEnL * L, y,
                     nombre, p);
        }
    }
    glPopMatrix();
}
