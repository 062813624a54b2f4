#include "capturaVectorial.h"

#include <GL/freeglut.h>
#include <gl2ps.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "capturaVentana.h"
#include "funcionPlot.h"
#include "textoLatin1.h"
#include "trazosGl.h"

namespace {

// Feedback buffer of the first try, in floats, and the largest one tried:
// gl2ps asks for a larger buffer when the scene does not fit.
const GLint bufferInicial = 1 << 22;
const GLint bufferMayor = 1 << 28;

bool enCurso = false;
bool comoPdf = false;  // PDF text in Latin-1, SVG text in UTF-8

}  // namespace

bool capturaVectorialEnCurso() {
    return enCurso;
}

void anchoLinea(double ancho) {
    glLineWidth(static_cast<float>(ancho));
    if (enCurso) gl2psLineWidth(static_cast<float>(ancho));
}

void textoVectorial(const std::string& texto, double xRaster, double yRaster,
                    double unidadesPorPixel) {
    const double alto = glutBitmapHeight(GLUT_BITMAP_HELVETICA_12) * unidadesPorPixel;
    size_t inicio = 0;
    for (int linea = 0; inicio <= texto.size(); ++linea) {
        size_t fin = texto.find('\n', inicio);
        if (fin == std::string::npos) fin = texto.size();
        const std::string renglon = texto.substr(inicio, fin - inicio);
        if (!renglon.empty()) {
            glRasterPos3f(static_cast<float>(xRaster), static_cast<float>(yRaster - linea * alto),
                          0.0f);
            gl2psText((comoPdf ? aLatin1(renglon) : renglon).c_str(), "Helvetica", 12);
        }
        inicio = fin + 1;
    }
}

std::string escribirCapturaVectorial(const std::string& nombre, bool pdf) {
    std::FILE* f = std::fopen(nombre.c_str(), "wbx");
    if (f == nullptr) return motivoError(errno);
    GLint vista[4];
    glGetIntegerv(GL_VIEWPORT, vista);
    // The page's background is the window's: opaque black.
    GLfloat fondo[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, fondo);
    glClearColor(0, 0, 0, 1);
    comoPdf = pdf;
    GLint estado = GL2PS_OVERFLOW;
    for (GLint tamano = bufferInicial; estado == GL2PS_OVERFLOW && tamano <= bufferMayor;
         tamano *= 2) {
        // A try that did not fit starts the file again.
        std::fflush(f);
        if (ftruncate(fileno(f), 0) != 0) break;
        std::rewind(f);
        gl2psBeginPage("KARVEL-2D", "KARVEL-2D", vista, pdf ? GL2PS_PDF : GL2PS_SVG, GL2PS_NO_SORT,
                       GL2PS_DRAW_BACKGROUND | GL2PS_USE_CURRENT_VIEWPORT | GL2PS_SILENT, GL_RGBA,
                       0, nullptr, 0, 0, 0, tamano, f, nombre.c_str());
        enCurso = true;
        dibujarEscena();
        enCurso = false;
        estado = gl2psEndPage();
    }
    glClearColor(fondo[0], fondo[1], fondo[2], fondo[3]);
    int error = std::ferror(f) ? errno : 0;
    if (std::fclose(f) != 0 && error == 0) error = errno;
    if (estado == GL2PS_SUCCESS && error == 0) return "";
    std::remove(nombre.c_str());
    if (estado == GL2PS_OVERFLOW) return "la escena es demasiado grande para un dibujo vectorial";
    return motivoError(error);
}
