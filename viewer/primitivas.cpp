// Text, number, arrow and arc primitives at model scale. Text uses the
// monospaced stroke font: every character advances 104.76 font units and the
// full character height is 152.38 units, so a text of height h is the font
// scaled by h / 152.38 and its width follows from its length alone.
#include <GL/freeglut.h>

#include <cmath>
#include <cstring>
#include <string>

#include "elementosPlot.h"
#include "estadoVisor.h"
#include "formatoNumero.h"

namespace {

const double avanceCaracter = 104.76;
const double escalaPorAltura = 0.006562541015881349;  // 1 / 152.38

// Pen shift before the characters, in font units: 0 (starts at the point),
// 1 (ends at it) or 0.5 (centred on it) times the width of the text.
void trazarTexto(double x, double y, const std::string& texto, double altura, double fraccion) {
    const float s = static_cast<float>(escalaPorAltura * altura);
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(s, s, s);
    glPushMatrix();
    if (fraccion != 0.0) {
        glTranslatef(static_cast<float>(-fraccion * avanceCaracter * texto.size()), 0.0f, 0.0f);
    }
    for (unsigned char caracter : texto) glutStrokeCharacter(GLUT_STROKE_MONO_ROMAN, caracter);
    glPopMatrix();
    glPopMatrix();
}

// Share of a text's width drawn before its anchor for an alignment code.
double fraccionAlineacion(int alineacion) {
    return alineacion == alineacionTexto::centro ? 0.5
           : alineacion == alineacionTexto::fin  ? 1.0
                                                 : 0.0;
}

}  // namespace

double anchoTextoEscalado(int caracteres, double altura) {
    return avanceCaracter * caracteres * (escalaPorAltura * altura);
}

void drawNumFloat(double x, double y, double valor, int decimales, double altura) {
    trazarTexto(x, y, formatearNumero(valor, decimales, false), altura, 0.0);
}

void drawNumFloatRight(double x, double y, double valor, int decimales, double altura) {
    trazarTexto(x, y, formatearNumero(valor, decimales, false), altura, 1.0);
}

void drawNumFloatCenter(double x, double y, double valor, int decimales, double altura) {
    trazarTexto(x, y, formatearNumero(valor, decimales, false), altura, 0.5);
}

void drawNumSci(double x, double y, double valor, int decimales, double altura) {
    trazarTexto(x, y, formatearNumero(valor, decimales, true), altura, 0.0);
}

void drawTextoEscalado(double x, double y, const char* texto, double altura) {
    trazarTexto(x, y, texto, altura, 0.0);
}

// Text with its baseline through (x, y): alignment 2 centres it on the
// point, 1 ends it there, any other code starts it there.
void drawTextoEscaladoAlineado(double x, double y, const char* texto, double altura,
                               int alineacion) {
    trazarTexto(x, y, texto, altura, fraccionAlineacion(alineacion));
}

// Label on the current origin, its baseline 0.2·h above it: alignment 2
// centres it, 1 ends it at the origin, any other code starts it there.
void drawTextoEscaladoNew(const char* texto, double altura, int alineacion) {
    const double fraccion = fraccionAlineacion(alineacion);
    const double s = escalaPorAltura * altura;
    const double ancho = anchoTextoEscalado(static_cast<int>(std::strlen(texto)), altura);
    glPushMatrix();
    glTranslatef(static_cast<float>(-fraccion * ancho), static_cast<float>(0.2 * altura), 0.0f);
    glScalef(static_cast<float>(s), static_cast<float>(s), static_cast<float>(s));
    for (const char* c = texto; *c != '\0'; ++c) {
        glutStrokeCharacter(GLUT_STROKE_MONO_ROMAN, static_cast<unsigned char>(*c));
    }
    glPopMatrix();
}

// Shaft from the tail (x1, y1) to the tip (x2, y2); two barbs t long along the
// shaft and ±t/3 sideways at the tip. The direction alone is used, so a short
// shaft draws just a head; a tail on the tip has no direction and draws nothing.
void drawFlecha(double x1, double y1, double x2, double y2, double t) {
    const double largo = std::sqrt((y1 - y2) * (y1 - y2) + (x1 - x2) * (x1 - x2));
    if (!(largo > 0.0) || !std::isfinite(largo)) return;
    double coseno = (x2 - x1) / largo;
    if (coseno > 1.0) coseno = 1.0;
    if (coseno < -1.0) coseno = -1.0;
    double alfa = std::acos(coseno);
    if (y2 - y1 < 0) alfa = -alfa;

    glBegin(GL_LINES);
    glVertex3f(static_cast<float>(x1), static_cast<float>(y1), 0.0f);
    glVertex3f(static_cast<float>(x2), static_cast<float>(y2), 0.0f);
    glEnd();

    const float tf = static_cast<float>(t);
    glPushMatrix();
    glTranslatef(static_cast<float>(x2), static_cast<float>(y2), 0.0f);
    glRotatef(static_cast<float>(alfa * 180.0 / PI), 0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(-tf, tf / 3.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(-tf, -tf / 3.0f, 0.0f);
    glEnd();
    glPopMatrix();
}

// Arc of radius r around (cx, cy) from a0 to a1 degrees (counter-clockwise
// when a1 > a0) as a strip of 10 equal segments.
void plotArco(double cx, double cy, double r, double a0, double a1) {
    const double f0 = a0 * PI / 180.0;
    const double f1 = a1 * PI / 180.0;
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i <= 10; ++i) {
        const double fi = f0 + i * (f1 - f0) / 10.0;
        glVertex3f(static_cast<float>(cx + r * std::cos(fi)),
                   static_cast<float>(cy + r * std::sin(fi)), 0.0f);
    }
    glEnd();
}
