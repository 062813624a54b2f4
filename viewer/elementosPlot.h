// Every drawing routine of the viewer. Text heights, diagram ordinates and
// node markers are model lengths; arrow heads and symbols are fractions of
// zCam so that they keep their size on screen.
#pragma once

#include "capasResultados.h"

// Text, number and arrow primitives (stroke font, model-scale text).
// Alignment codes of the texts placed by their anchor.
namespace alineacionTexto {
enum : int { inicio = 0, fin = 1, centro = 2 };
}  // namespace alineacionTexto
// Width of a text of n characters at height `altura` (the font is monospaced).
double anchoTextoEscalado(int caracteres, double altura);
void drawNumFloat(double x, double y, double valor, int decimales, double altura);
void drawNumFloatRight(double x, double y, double valor, int decimales, double altura);
void drawNumFloatCenter(double x, double y, double valor, int decimales, double altura);
void drawNumSci(double x, double y, double valor, int decimales, double altura);
void drawTextoEscalado(double x, double y, const char* texto, double altura);
void drawTextoEscaladoNew(const char* texto, double altura, int alineacion);
void drawTextoEscaladoAlineado(double x, double y, const char* texto, double altura,
                               int alineacion);
void drawFlecha(double x1, double y1, double x2, double y2, double t);
void plotArco(double cx, double cy, double r, double a0, double a1);

// Model drawing and on-screen text.
void plotDialogo();
void plotBarras();
void plotArticulaciones();
void plotNudos();
void plotTagNudos(double escala);
void plotTagBarras(double escala);
void plotSecciones(double escala);
void plotApoyos(double escala);
void plotResortes(double escala);

// Result layers, one combination at a time.
void plotDeformada(int c, double escala);
void plotAxial(int c, double escala);
void plotCortante(int c, double escala);
void plotMomento(int c, double escala);
void plotCarga(int c, double escala);
void plotReacciones(int c);
// The buckling or vibration mode shown (modosVisor.h), when its layer is on.
void plotModos();

// The N, V and M layers in envelope mode, once for all the active
// combinations.
void plotEnvolventeAxial(double escala);
void plotEnvolventeCortante(double escala);
void plotEnvolventeMomento(double escala);

// The N, V or M layer as the envelope of the first train over the first
// path, and the influence line of the chosen response along it.
void plotEnvolventeTren(esfuerzoBarra esfuerzo, double escala);
void plotInfluencia();
