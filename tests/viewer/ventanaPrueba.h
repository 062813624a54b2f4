// Shared fixture for pixel tests of the drawing routines. It opens one GLUT
// window per process (lazily, on the first test that needs it) and draws into
// an off-screen canvas of any size (a framebuffer object), so a test sets a
// canvas, a projection and a camera, calls drawing code and reads pixels back.
// Without DISPLAY every test that uses it is skipped with a clear message.
#pragma once

#include <GL/freeglut.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "pantallaPrueba.h"

// An 8-bit colour as read back from the canvas.
struct colorRgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const colorRgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const colorRgb& o) const { return !(*this == o); }
};
inline std::ostream& operator<<(std::ostream& os, const colorRgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
// What glColor3f(r, g, b) reads back as on an 8-bit channel: the float
// product rounded half to even (0.3 reads as 76, 0.1 as 26).
inline colorRgb colorDe(double r, double g, double b) {
    auto canal = [](double v) {
        return static_cast<int>(std::nearbyint(static_cast<float>(v) * 255.0f));
    };
    return {canal(r), canal(g), canal(b)};
}

// Pixel rectangle covered by one colour (inclusive bounds, y from the bottom).
struct cajaPixeles {
    int n = 0;  // number of pixels
    int x0 = 0, x1 = -1, y0 = 0, y1 = -1;
    double xc() const { return 0.5 * (x0 + x1); }
    double yc() const { return 0.5 * (y0 + y1); }
};

class ventanaPrueba : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* pantalla = std::getenv("DISPLAY");
        if (pantalla == nullptr || *pantalla == '\0') {
            GTEST_SKIP() << "Sin pantalla (DISPLAY vacía): prueba de dibujo omitida; "
                            "ejecútela bajo xvfb-run.";
        }
        ASSERT_TRUE(iniciarGlut()) << "no se pudo crear la ventana GLUT ni el lienzo";
        glutSetWindow(ventana());
    }

    void TearDown() override { liberarLienzo(); }

    // Off-screen canvas of w × h pixels (colour and depth), bound for drawing
    // and reading; viewport covers it, background black.
    void lienzo(int w, int h) {
        liberarLienzo();
        auto& f = funciones();
        ancho = w;
        alto = h;
        f.genFramebuffers(1, &fbo);
        f.bindFramebuffer(GL_FRAMEBUFFER, fbo);
        f.genRenderbuffers(2, rbo);
        f.bindRenderbuffer(GL_RENDERBUFFER, rbo[0]);
        f.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
        f.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, rbo[0]);
        f.bindRenderbuffer(GL_RENDERBUFFER, rbo[1]);
        f.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, w, h);
        f.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                  rbo[1]);
        ASSERT_EQ(static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE),
                  f.checkFramebufferStatus(GL_FRAMEBUFFER));
        glDrawBuffer(GL_COLOR_ATTACHMENT0);
        glReadBuffer(GL_COLOR_ATTACHMENT0);
        glViewport(0, 0, w, h);
        limpiar();
    }

    // The orthographic projection of the viewer for a w × h window: the
    // shorter side shows zCam world units. Depth wide enough for any camera.
    void proyeccion(double zCam) {
        const double r = static_cast<double>(ancho) / alto;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        const double p = std::max(1000.0, 2.0 * zCam);
        if (ancho > alto) {
            glOrtho(-zCam * r * 0.5, zCam * r * 0.5, -zCam * 0.5, zCam * 0.5, -p, p);
        } else {
            glOrtho(-zCam * 0.5, zCam * 0.5, -(zCam / r) * 0.5, (zCam / r) * 0.5, -p, p);
        }
        glMatrixMode(GL_MODELVIEW);
        zVista = zCam;
    }

    // Camera above (xc, yc) at height zCam, looking down, y up; remembered by
    // aPixel.
    void camara(double xc, double yc) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(xc, yc, zVista, xc, yc, 0, 0, 1, 0);
        xCentro = xc;
        yCentro = yc;
    }

    // Canvas, projection and camera in one call.
    void vista(int w, int h, double zCam, double xc, double yc) {
        lienzo(w, h);
        proyeccion(zCam);
        camara(xc, yc);
    }

    // Pixels per world unit of the current view.
    double pixelesPorUnidad() const { return (ancho > alto ? alto : ancho) / zVista; }
    // Window position (x from the left, y from the bottom, fractional) of a
    // model point under the current view.
    double pxX(double x) const { return 0.5 * ancho + (x - xCentro) * pixelesPorUnidad(); }
    double pxY(double y) const { return 0.5 * alto + (y - yCentro) * pixelesPorUnidad(); }

    void limpiar() {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        pixeles.clear();
    }

    // Runs a drawing function and reads the whole canvas back.
    void dibujar(const std::function<void()>& f) {
        f();
        glFinish();
        leer();
    }

    void leer() {
        pixeles.assign(static_cast<size_t>(ancho) * alto * 3, 0);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, ancho, alto, GL_RGB, GL_UNSIGNED_BYTE, pixeles.data());
    }

    // Colour at column x, row y (from the bottom); black outside the canvas.
    colorRgb pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= ancho || y >= alto || pixeles.empty()) return {};
        const size_t i = (static_cast<size_t>(y) * ancho + x) * 3;
        return {pixeles[i], pixeles[i + 1], pixeles[i + 2]};
    }

    // Pixels of exactly colour c, with their bounding box.
    cajaPixeles caja(colorRgb c) const { return caja(c, 0, 0, ancho - 1, alto - 1); }
    cajaPixeles caja(colorRgb c, int xa, int ya, int xb, int yb) const {
        cajaPixeles k;
        k.x0 = ancho;
        k.y0 = alto;
        for (int y = std::max(0, ya); y <= std::min(alto - 1, yb); ++y) {
            for (int x = std::max(0, xa); x <= std::min(ancho - 1, xb); ++x) {
                if (pixel(x, y) != c) continue;
                ++k.n;
                k.x0 = std::min(k.x0, x);
                k.x1 = std::max(k.x1, x);
                k.y0 = std::min(k.y0, y);
                k.y1 = std::max(k.y1, y);
            }
        }
        return k;
    }
    int contar(colorRgb c) const { return caja(c).n; }
    // Pixels that are not black.
    int contarNoNegros() const {
        int n = 0;
        for (size_t i = 0; i < pixeles.size(); i += 3) {
            n += (pixeles[i] | pixeles[i + 1] | pixeles[i + 2]) != 0;
        }
        return n;
    }

    int ancho = 0, alto = 0;
    double zVista = 1, xCentro = 0, yCentro = 0;
    std::vector<unsigned char> pixeles;

  private:
    struct funcionesFbo {
        PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
        PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
        PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
        PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
        PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
        PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
        PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
        PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
        PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    };
    static funcionesFbo& funciones() {
        static funcionesFbo f;
        return f;
    }
    static int& ventana() {
        static int id = 0;
        return id;
    }

    // glutInit may run only once per process: the first caller creates the
    // window and loads the framebuffer functions.
    static bool iniciarGlut() {
        static bool hecho = false;
        static bool listo = false;
        if (hecho) return listo;
        hecho = true;
        // glutInit ends the process when the display refuses the connection:
        // a refusal that lasts through the retries becomes this test's failure.
        if (!pantallaAcepta()) return false;
        static char nombre[] = "pruebaVisor";
        static char* argv[] = {nombre, nullptr};
        int argc = 1;
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(64, 64);
        ventana() = glutCreateWindow("KARVEL-2D prueba");
        fijarControladores();
        auto& f = funciones();
        auto cargar = [](auto& destino, const char* nombreFuncion) {
            destino = reinterpret_cast<std::remove_reference_t<decltype(destino)>>(
                glutGetProcAddress(nombreFuncion));
            return destino != nullptr;
        };
        listo = ventana() > 0 && cargar(f.genFramebuffers, "glGenFramebuffers") &&
                cargar(f.bindFramebuffer, "glBindFramebuffer") &&
                cargar(f.deleteFramebuffers, "glDeleteFramebuffers") &&
                cargar(f.genRenderbuffers, "glGenRenderbuffers") &&
                cargar(f.bindRenderbuffer, "glBindRenderbuffer") &&
                cargar(f.deleteRenderbuffers, "glDeleteRenderbuffers") &&
                cargar(f.renderbufferStorage, "glRenderbufferStorage") &&
                cargar(f.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
                cargar(f.checkFramebufferStatus, "glCheckFramebufferStatus");
        return listo;
    }

    // The GL driver (a "..._dri.so" module) is unloaded when the display
    // closes at exit, before the leak checker runs; its allocations then have
    // no module name and escape the suppressions of herramientas/lsan.supp.
    // Keeping the loaded drivers resident until the end avoids that.
    static void fijarControladores() {
        dl_iterate_phdr(
            [](dl_phdr_info* info, size_t, void*) {
                const std::string nombre = info->dlpi_name ? info->dlpi_name : "";
                if (nombre.find("_dri.so") != std::string::npos) {
                    dlopen(nombre.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
                }
                return 0;
            },
            nullptr);
    }

    void liberarLienzo() {
        if (fbo == 0) return;
        auto& f = funciones();
        f.bindFramebuffer(GL_FRAMEBUFFER, 0);
        f.deleteRenderbuffers(2, rbo);
        f.deleteFramebuffers(1, &fbo);
        fbo = 0;
        rbo[0] = rbo[1] = 0;
    }

    GLuint fbo = 0;
    GLuint rbo[2] = {0, 0};
};
