// On-screen text at window-fixed places: help, prompt, credit and the list of
// combinations. Drawn with an identity model-view matrix, so the projection
// maps (0, 0) to the window centre; L is 12 pixels of a window wider than
// high, W and H the half width and half height of the view.
#include <GL/freeglut.h>

#include <algorithm>
#include <string>

#include "capturaVectorial.h"
#include "elementosPlot.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "modosVisor.h"
#include "textoLatin1.h"

namespace {

const char* const textoAyuda =
    "*******************************************\n"
    "*******     KARVEL 2D    **********\n"
    "*******************************************\n"
    "TECLAS DE NAVEGACION:\n"
    "Paneo: click izquierdo y mover mouse\n"
    "Zoom: scroll +/-\n"
    "Cambiar escala de diagramas: (tecla +) o (tecla -)\n"
    "Cambiar escala de texto: (shift +) o (shift -)\n"
    "Mostrar u ocultar lineas internas de diagramas: Alt-f\n"
    "Mostrar u ocultar texto de diagramas: Alt-t\n"
    "Mostrar u ocultar nudos: Alt-n\n"
    "\n"
    "Ayuda: F1\n"
    "refrescar Modelo: F5\n"
    "\n"
    "COMANDOS DE LINEA DE COMANDOS:\n"
    "combo  -->Activa la opcion para introducir un combo\n"
    "plotDef -->Plotea deformaciones\n"
    "plotN   -->Plotea Fuerzas Axiales\n"
    "plotM  -->Plotea Momentos flectores\n"
    "plotV  -->Plotea Cortantes\n"
    "plotR   -->Plotea Reacciones\n"
    "tagNudos -->Muestra u oculta la numeracion de nudos\n"
    "tagBarras -->Muestra u oculta la numeracion de barras\n"
    "secciones -->Muestra u oculta las secciones transverlaes\n"
    "noTags  -->Oculta todos los Tags\n"
    "captura  -->Guarda la ventana en captura-NNN.png\n"
    "capturaPDF -->Guarda la ventana como dibujo PDF (captura-NNN.pdf)\n"
    "capturaSVG -->Guarda la ventana como dibujo SVG (captura-NNN.svg)\n"
    "autoEscala -->Ajusta la escala de la capa encendida\n"
    "vigilar  -->Recarga el modelo cada vez que cambia el archivo\n"
    "envolvente -->Muestra u oculta la envolvente de los combos activos en N, V y M\n"
    "pandeo  -->Muestra u oculta el modo de pandeo y su factor de carga critica\n"
    "modal  -->Muestra u oculta el modo de vibracion y su periodo\n"
    "modo  -->Elige el numero del modo de pandeo o de vibracion mostrado\n";

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

}  // namespace

void plotDialogo() {
    const double h = hVentana > 0 ? hVentana : 1.0;
    const double L = zCam * 12.0 / h;
    const double W = 0.5 * zCam * wVentana / h;
    const double H = 0.5 * zCam;
    // World length of one pixel: the shorter window side shows zCam.
    const double w = wVentana > 0 ? wVentana : 1.0;
    const double p = zCam / std::min(w, h);

    glPushMatrix();
    glLoadIdentity();
    if (flagActivo(interruptor::ayuda)) escribir(0, 0.8, 0, 3 * L - W, H - 3 * L, textoAyuda, p);
    escribir(0, 1, 0, 3 * L - W, 3 * L - H, dialogo + "\n/>" + comando, p);
    // The title line of the mode shown, above everything else.
    const std::string tituloModo = modoActual().titulo;
    if (!tituloModo.empty()) escribir(0, 0.7, 0.7, 3 * L - W, H - 1.5 * L, tituloModo, p);
    escribir(0, 1, 0, W - 20 * L, 3 * L - H, textoCredito, p);
    escribir(0, 1, 0, W - 20 * L, H - 3 * L, "COMBOS ACTIVADOS:", p);
    // The model's combinations; a model without nodes shows the heading
    // alone.
    const int combos = modeloVisor.nudo.empty() ? 0 : modeloVisor.noCombos;
    for (int i = 0; i < combos; ++i) {
        const bool activo = flagActivo(interruptor::primerCombo + i);
        escribir(0, activo ? 1.0 : 0.3, activo ? 0.2 : 0.05, W - 18 * L,
                 H - (3 * L + 1.2 * (i + 1) * L), modeloVisor.nombreDelCombo(i), p);
    }
    glPopMatrix();
}
