// Drawing helpers shared by the viewer's drawing routines: a colour, a line
// width and one straight segment, in immediate mode, at single precision as
// OpenGL takes them.
#pragma once

#include <GL/gl.h>

inline void color(double r, double g, double b) {
    glColor3f(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

inline void color(const double (&c)[3]) {
    color(c[0], c[1], c[2]);
}

// Line width for what follows (passed on to a vector capture as well).
void anchoLinea(double ancho);

// One segment on its own.
inline void linea(double x1, double y1, double x2, double y2) {
    glBegin(GL_LINES);
    glVertex2f(static_cast<float>(x1), static_cast<float>(y1));
    glVertex2f(static_cast<float>(x2), static_cast<float>(y2));
    glEnd();
}

// The two ends of one segment inside an open glBegin(GL_LINES).
inline void tramo(double x1, double y1, double x2, double y2) {
    glVertex2f(static_cast<float>(x1), static_cast<float>(y1));
    glVertex2f(static_cast<float>(x2), static_cast<float>(y2));
}
