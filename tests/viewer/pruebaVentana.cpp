// Frame extent, projection (square, wide and tall windows), panning and
// zoom, and the on-screen text (prompt, help, credit, list of combinations).
#include <cmath>

#include "elementosPlot.h"
#include "funcionPlot.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "ventanaPrueba.h"

namespace {

const colorRgb gris = colorDe(0.5, 0.5, 0.5);
const colorRgb verde = colorDe(0, 1, 0);
const colorRgb verdeAyuda = colorDe(0, 0.8, 0);
const colorRgb comboActivo = colorDe(0, 1, 0.2);
const colorRgb comboInactivo = colorDe(0, 0.3, 0.05);

// The camera of the viewer's frame: above the centre point, y up.
void camaraDelVisor() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(xCam, yCam, zCam, xCentroObj, yCentroObj, 0, 0, 1, 0);
}

class ventana : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModeloVisor(textoPortico());
        funcionFronteraGraf();
    }
    // Canvas of w × h with the viewer's own projection and camera.
    void ventanaDe(int w, int h) {
        lienzo(w, h);
        changeSize(w, h);
        camaraDelVisor();
    }
};

}  // namespace

TEST(extension, marcoDesdeElOrigenYCamaraInicial) {
    cargarModeloVisor(textoPortico());
    funcionFronteraGraf();
    EXPECT_DOUBLE_EQ(0, xMin);
    EXPECT_DOUBLE_EQ(4, xMax);
    EXPECT_DOUBLE_EQ(0, yMin);
    EXPECT_DOUBLE_EQ(3, yMax);
    EXPECT_DOUBLE_EQ(5, diagonalObj);  // 3-4-5 triangle
    EXPECT_DOUBLE_EQ(5, zCam);
    EXPECT_DOUBLE_EQ(2, xCam);
    EXPECT_DOUBLE_EQ(1.5, yCam);
    EXPECT_DOUBLE_EQ(2, xCentroObj);
    EXPECT_DOUBLE_EQ(1.5, yCentroObj);

    // All nodes at positive coordinates: still framed from the origin.
    cargarModeloVisor("nudos:\n1 2 2\n2 6 5\nbarras:\n1 1 2\n");
    funcionFronteraGraf();
    EXPECT_DOUBLE_EQ(0, xMin);
    EXPECT_DOUBLE_EQ(0, yMin);
    EXPECT_DOUBLE_EQ(3, xCam);
    EXPECT_DOUBLE_EQ(2.5, yCam);
    EXPECT_DOUBLE_EQ(std::sqrt(61.0), zCam);

    cargarModeloVisor("nudos:\n1 -3 -4\n2 0 -1\nbarras:\n1 1 2\n");
    funcionFronteraGraf();
    EXPECT_DOUBLE_EQ(-3, xMin);
    EXPECT_DOUBLE_EQ(0, xMax);
    EXPECT_DOUBLE_EQ(-4, yMin);
    EXPECT_DOUBLE_EQ(0, yMax);
}

TEST(extension, extensionNulaTieneVistaMinimaDeUno) {
    for (const char* texto : {"nudos:\n1 0 0\n", "nudos:\n1 0 0\n2 0 0\nbarras:\n1 1 2\n", ""}) {
        cargarModeloVisor(texto);
        funcionFronteraGraf();
        EXPECT_DOUBLE_EQ(1, zCam) << texto;
        EXPECT_DOUBLE_EQ(1, diagonalObj);
        EXPECT_DOUBLE_EQ(0, xCam);
    }
}

TEST_F(ventana, proyeccionCuadradaAnchaYAlta) {
    // zCam = 5 across the shorter side: 80 px per unit for 400 px. The frame
    // spans 4 × 3 units around (2, 1.5) at the window centre.
    struct caso {
        int w, h;
        double escala;  // px per unit
    };
    for (const caso& k : {caso{400, 400, 80}, caso{600, 400, 80}, caso{400, 600, 80},
                          caso{300, 600, 60}, caso{600, 200, 40}}) {
        ventanaDe(k.w, k.h);
        EXPECT_DOUBLE_EQ(k.w, wVentana);
        EXPECT_DOUBLE_EQ(k.h, hVentana);
        dibujar([] { plotBarras(); });
        const cajaPixeles b = caja(gris);
        const double cx = 0.5 * k.w, cy = 0.5 * k.h;
        EXPECT_NEAR(cx - 2 * k.escala, b.xc() - 0.5 * (b.x1 - b.x0) + 1, 1.5) << k.w << "x" << k.h;
        EXPECT_NEAR(cx + 2 * k.escala, b.x1, 1.5) << k.w << "x" << k.h;
        EXPECT_NEAR(cy - 1.5 * k.escala, b.y0, 1.5) << k.w << "x" << k.h;
        EXPECT_NEAR(cy + 1.5 * k.escala, b.y1, 1.5) << k.w << "x" << k.h;
    }
}

TEST_F(ventana, tamanosNulosYModelosGrandes) {
    changeSize(0, 0);
    EXPECT_DOUBLE_EQ(1, wVentana);
    EXPECT_DOUBLE_EQ(1, hVentana);
    changeSize(300, 0);
    EXPECT_DOUBLE_EQ(1, hVentana);

    // A frame 5000 units across (millimetres): the camera stands 5000 above
    // the plane and the model is still drawn.
    cargarModeloVisor("nudos:\n1 0 0\n2 0 4000\n3 3000 4000\nbarras:\n1 1 2\n2 2 3\n");
    funcionFronteraGraf();
    ASSERT_DOUBLE_EQ(5000, zCam);
    ventanaDe(400, 400);
    dibujar([] { plotBarras(); });
    const cajaPixeles b = caja(gris);
    EXPECT_NEAR(200 - 0.3 * 400, b.x0 + 1, 1.5);
    EXPECT_NEAR(200 + 0.4 * 400, b.y1, 1.5);
    // Zoomed far out as well.
    zCam = 50000;
    ventanaDe(400, 400);
    dibujar([] { plotBarras(); });
    EXPECT_GT(contar(gris), 0);
}

TEST_F(ventana, ruedaAcercaYAlejaEnPasosDeUnoComaCeroSiete) {
    const double z0 = zCam;
    for (int i = 0; i < 10; ++i) {
        mouseButton(3, GLUT_DOWN, 10, 10);  // the press does nothing
        mouseButton(3, GLUT_UP, 10, 10);
    }
    EXPECT_NEAR(z0 / std::pow(1.07, 10), zCam, 1e-12);
    EXPECT_NEAR(1.967, z0 / zCam, 1e-3);
    for (int i = 0; i < 10; ++i) mouseButton(4, GLUT_UP, 10, 10);
    EXPECT_NEAR(z0, zCam, 1e-12);
    // The projection follows: the window's own size was read back.
    EXPECT_DOUBLE_EQ(glutGet(GLUT_WINDOW_WIDTH), wVentana);
    EXPECT_DOUBLE_EQ(2, xCam);  // the centre stays
}

TEST_F(ventana, arrastreConBotonIzquierdoDesplazaElModelo) {
    const double paso = 2 * zCam * std::tan(3.141592653589793 / 8) / 1000;
    EXPECT_NEAR(0.000828427 * zCam, paso, 1e-9);
    // Motion before any press, or with the middle/right button, does not pan.
    mouseMove(500, 500);
    mouseButton(1, GLUT_DOWN, 100, 100);
    mouseMove(150, 150);
    mouseButton(2, GLUT_DOWN, 100, 100);
    mouseMove(150, 150);
    EXPECT_DOUBLE_EQ(2, xCam);
    EXPECT_DOUBLE_EQ(1.5, yCam);

    // Drag right by 50 px and down by 20 px: the camera goes left and up, so
    // the model follows the pointer.
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100);
    EXPECT_EQ(1, clickIzq);
    mouseMove(130, 110);
    mouseMove(150, 120);
    EXPECT_NEAR(2 - 50 * paso, xCam, 1e-12);
    EXPECT_NEAR(2 - 50 * paso, xCentroObj, 1e-12);
    EXPECT_NEAR(1.5 + 20 * paso, yCam, 1e-12);
    EXPECT_NEAR(1.5 + 20 * paso, yCentroObj, 1e-12);
    mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 150, 120);
    EXPECT_EQ(-1, clickIzq);
    mouseMove(300, 300);
    EXPECT_NEAR(2 - 50 * paso, xCam, 1e-12);
}

namespace {

// On-screen text in a 400 × 300 window with zCam = 8: L = 12 px, so the
// prompt starts at (36, 36), the heading at (160, 264) and combination i at
// (184, 300 - 36 - 14.4·(i + 1)) pixels (x from the left, y from the bottom).
class dialogo : public ventana {
  protected:
    void SetUp() override {
        ventana::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        zCam = 8;
        ventanaDe(400, 300);
    }
};

}  // namespace

TEST_F(dialogo, promptCreditoYEncabezadoEnSusEsquinas) {
    dibujar([] { plotDialogo(); });
    const cajaPixeles prompt = caja(verde, 0, 0, 199, 149);
    ASSERT_GT(prompt.n, 0);
    EXPECT_NEAR(36, prompt.x0, 2);
    EXPECT_NEAR(36 + 12, prompt.y1, 4);  // "Comando:" on the baseline y = 36
    EXPECT_LT(prompt.y0, 36 - 8);        // "/>" on the line below
    const cajaPixeles credito = caja(verde, 150, 0, 399, 149);
    EXPECT_NEAR(160, credito.x0, 2);
    EXPECT_NEAR(36 + 12, credito.y1, 4);
    const cajaPixeles encabezado = caja(verde, 150, 150, 399, 299);
    EXPECT_NEAR(160, encabezado.x0, 2);
    EXPECT_NEAR(264, encabezado.y0, 1);  // capitals on the baseline
    EXPECT_EQ(0, contar(verdeAyuda));
}

TEST_F(dialogo, listaDeCombosActivosEInactivos) {
    flags[interruptor::primerCombo + 1] = 1;  // C2 active, C1 not
    dibujar([] { plotDialogo(); });
    const cajaPixeles c1 = caja(comboInactivo);
    const cajaPixeles c2 = caja(comboActivo);
    ASSERT_GT(c1.n, 0);
    ASSERT_GT(c2.n, 0);
    EXPECT_NEAR(184, c1.x0, 2);
    EXPECT_NEAR(184, c2.x0, 2);
    EXPECT_NEAR(300 - 36 - 14.4, c1.y0, 1);
    EXPECT_NEAR(300 - 36 - 28.8, c2.y0, 1);
    // Toggle: now C1 active, C2 not.
    flags[interruptor::primerCombo] = 1;
    flags[interruptor::primerCombo + 1] = 2;
    limpiar();
    dibujar([] { plotDialogo(); });
    EXPECT_NEAR(300 - 36 - 14.4, caja(comboActivo).y0, 1);
    EXPECT_NEAR(300 - 36 - 28.8, caja(comboInactivo).y0, 1);
}

TEST_F(dialogo, lineaEscritaYAyudaConF1) {
    dibujar([] { plotDialogo(); });
    const std::vector<unsigned char> antes = pixeles;
    const int verdesAntes = contar(verde);
    for (char c : std::string("abc")) procesarTecla(c, false, false);
    limpiar();
    dibujar([] { plotDialogo(); });
    // Only the line below the prompt changed, with three more letters.
    EXPECT_GT(contar(verde), verdesAntes);
    const cajaPixeles nuevo = [&] {
        cajaPixeles k;
        k.x0 = ancho;
        k.y0 = alto;
        for (int y = 0; y < alto; ++y) {
            for (int x = 0; x < ancho; ++x) {
                const size_t i = (static_cast<size_t>(y) * ancho + x) * 3;
                if (antes[i + 1] == pixeles[i + 1]) continue;
                k.x0 = std::min(k.x0, x);
                k.x1 = std::max(k.x1, x);
                k.y0 = std::min(k.y0, y);
                k.y1 = std::max(k.y1, y);
            }
        }
        return k;
    }();
    EXPECT_GT(nuevo.x0, 36 + 8);  // after "/>"
    EXPECT_LT(nuevo.y1, 36);      // below the baseline of "Comando:"

    flags[interruptor::ayuda] = 1;
    limpiar();
    dibujar([] { plotDialogo(); });
    const cajaPixeles ayuda = caja(verdeAyuda);
    ASSERT_GT(ayuda.n, 0);
    EXPECT_NEAR(36, ayuda.x0, 2);
    EXPECT_NEAR(264 + 12, ayuda.y1, 4);  // hangs from the top-left corner
}

TEST_F(dialogo, modeloSinNudosMuestraSoloElEncabezado) {
    cargarModeloVisor("");
    ventanaDe(400, 300);
    dibujar([] { plotDialogo(); });
    EXPECT_GT(caja(verde, 150, 150, 399, 299).n, 0);
    EXPECT_EQ(0, contar(comboActivo) + contar(comboInactivo));
}

TEST_F(dialogo, ventanaMasAltaQueAnchaAcercaLosTextosAlCentro) {
    // 300 × 400: 37.5 px per unit across the width, L = 8·12/400 units = 9 px,
    // W = 0.5·8·300/400 = 3 units: the heading starts at 150 + (3 - 20·0.24)
    // ·37.5 = 82.5 px and its baseline lies at 200 + (4 - 0.72)·37.5 = 323 px.
    ventanaDe(300, 400);
    dibujar([] { plotDialogo(); });
    const cajaPixeles encabezado = caja(verde, 60, 250, 299, 399);
    EXPECT_NEAR(82.5, encabezado.x0, 2);
    EXPECT_NEAR(323, encabezado.y0, 1.5);
}
