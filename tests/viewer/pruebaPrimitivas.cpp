// Pixel tests of the text, number, arrow and arc primitives. A 200 × 200
// canvas showing 10 units (20 px per unit) with the camera shifted so that
// world (0, 0) falls on the centre of pixel (100, 100).
#include <array>

#include "elementosPlot.h"
#include "ventanaPrueba.h"

namespace {

const colorRgb blanco{255, 255, 255};
// One character advances 104.76 of the 152.38 font units of a text height.
const double avancePorAltura = 104.76 / 152.38;

class primitivas : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        vista(200, 200, 10.0, -0.025, -0.025);
        glColor3f(1, 1, 1);
        glLineWidth(1);
    }
};

// Lit pixels away from the shaft row/column: the barbs of an arrow.
struct puntas {
    int n = 0;
    double xMedio = 0, yMedio = 0;
};

}  // namespace

TEST_F(primitivas, laVistaDeLaPruebaPoneElOrigenEnElPixelCentral) {
    dibujar([] {
        glBegin(GL_POINTS);
        glVertex2f(0, 0);
        glVertex2f(1, 1);
        glEnd();
    });
    EXPECT_EQ(blanco, pixel(100, 100));
    EXPECT_EQ(blanco, pixel(120, 120));
    EXPECT_EQ(2, contar(blanco));
}

TEST_F(primitivas, flechaApuntaHaciaSuPuntaEnCadaDireccion) {
    // Tip at (tx, ty) in pixels, head size 0.25 = 5 px: barbs end 5 px behind
    // the tip and 5/3 px to each side.
    struct caso {
        double x1, y1, x2, y2;
        double dx, dy;  // unit direction of the arrow
    };
    const std::array<caso, 4> casos{
        {{0, 0, 1, 0, 1, 0}, {0, 0, 0, -1, 0, -1}, {1, 0, 0, 0, -1, 0}, {0, 0, 0, 1, 0, 1}}};
    for (const caso& k : casos) {
        limpiar();
        dibujar([&] { drawFlecha(k.x1, k.y1, k.x2, k.y2, 0.25); });
        const double tx = 100 + 20 * k.x2, ty = 100 + 20 * k.y2;
        // Shaft: every pixel strictly between tail and tip on the axis is lit.
        for (int i = 1; i < 20; ++i) {
            const int x = static_cast<int>(100 + 20 * k.x1 + i * (k.x2 - k.x1));
            const int y = static_cast<int>(100 + 20 * k.y1 + i * (k.y2 - k.y1));
            EXPECT_EQ(blanco, pixel(x, y)) << "fuste en " << x << ", " << y;
        }
        // Barbs: the lit pixels off the shaft line lie behind the tip, within
        // 5 px along the shaft and 5/3 px across it.
        int n = 0;
        for (int y = 0; y < alto; ++y) {
            for (int x = 0; x < ancho; ++x) {
                if (pixel(x, y) != blanco) continue;
                const double a = (x - tx) * k.dx + (y - ty) * k.dy;   // along
                const double c = -(x - tx) * k.dy + (y - ty) * k.dx;  // across
                if (std::abs(c) < 0.5) continue;
                ++n;
                EXPECT_LE(a, 0.5) << "punta delante de la flecha en " << x << ", " << y;
                EXPECT_GE(a, -5.5);
                EXPECT_LE(std::abs(c), 2.5);
            }
        }
        EXPECT_GE(n, 4) << "sin puntas";
    }
}

TEST_F(primitivas, flechaDeLargoCeroNoDibujaNada) {
    dibujar([] { drawFlecha(1, 1, 1, 1, 0.5); });
    EXPECT_EQ(0, contarNoNegros());
}

TEST_F(primitivas, flechaCortaDibujaSoloLaCabezaEnSuDireccion) {
    // Shaft of 1e-5 units: only the head of size 1 (20 px) pointing left.
    dibujar([] { drawFlecha(0, 0, -0.00001, 0, 1.0); });
    const cajaPixeles k = caja(blanco);
    EXPECT_NEAR(100, k.x0, 1);
    EXPECT_NEAR(120, k.x1, 1);
    EXPECT_NEAR(100 - 20.0 / 3, k.y0, 1);
    EXPECT_NEAR(100 + 20.0 / 3, k.y1, 1);
}

TEST_F(primitivas, arcoDeMedioCirculoYCirculoCompleto) {
    dibujar([] { plotArco(0, 0, 2, 0, 180); });
    const cajaPixeles medio = caja(blanco);
    // Half circle of radius 40 px through (140, 100), (100, 140), (60, 100).
    EXPECT_NEAR(60, medio.x0, 1);
    EXPECT_NEAR(140, medio.x1, 1);
    EXPECT_EQ(100, medio.y0);
    EXPECT_NEAR(140, medio.y1, 1);
    EXPECT_EQ(blanco, pixel(100, 140));
    // From 180° back to 0° (clockwise) it is the same half circle.
    const std::vector<unsigned char> antihorario = pixeles;
    limpiar();
    dibujar([] { plotArco(0, 0, 2, 180, 0); });
    EXPECT_GT(contar(blanco), 60);
    EXPECT_EQ(medio.y0, caja(blanco).y0);
    EXPECT_EQ(medio.y1, caja(blanco).y1);

    // Full circle as a decagon: vertices at multiples of 36°, so the widest
    // extent is across 0°/180° (40 px) and the top lies at sin 72° · 40 px.
    limpiar();
    dibujar([] { plotArco(0, 0, 2, 0, 360); });
    const cajaPixeles todo = caja(blanco);
    EXPECT_NEAR(60, todo.x0, 1);
    EXPECT_NEAR(140, todo.x1, 1);
    EXPECT_NEAR(100 + 40 * std::sin(72 * 3.141592653589793 / 180), todo.y1, 1);
    EXPECT_NEAR(100 - 40 * std::sin(72 * 3.141592653589793 / 180), todo.y0, 1);
}

TEST_F(primitivas, numerosAlineadosAIzquierdaDerechaYCentro) {
    // "12.35" at height 2: the pen runs 5 advances = 5·0.6875·2 = 6.875 units
    // (137.5 px); the ink of the last character starts after 4 advances.
    const double h = 2;
    const double adv = 20 * avancePorAltura * h;  // px per character
    dibujar([&] { drawNumFloat(-4, 0, 12.3456, 2, h); });
    cajaPixeles k = caja(blanco);
    const double x0 = 100 - 80;
    EXPECT_GE(k.x0, x0 - 0.5);
    EXPECT_LE(k.x1, x0 + 5 * adv + 0.5);
    EXPECT_GT(k.x1, x0 + 4 * adv);
    EXPECT_LT(k.x0, x0 + adv);
    // Digits stand on the baseline and are shorter than the text height.
    EXPECT_NEAR(100, k.y0, 1);
    EXPECT_LT(k.y1, 100 + 20 * h);
    EXPECT_GT(k.y1, 100 + 20 * h * 0.5);

    limpiar();
    dibujar([&] { drawNumFloatRight(4, 0, 12.3456, 2, h); });
    k = caja(blanco);
    const double xFin = 100 + 80;
    EXPECT_LE(k.x1, xFin + 0.5);
    EXPECT_GT(k.x1, xFin - adv);
    EXPECT_GE(k.x0, xFin - 5 * adv - 0.5);
    EXPECT_LT(k.x0, xFin - 4 * adv);

    limpiar();
    dibujar([&] { drawNumFloatCenter(0, 0, 12.3456, 2, h); });
    k = caja(blanco);
    EXPECT_GE(k.x0, 100 - 2.5 * adv - 0.5);
    EXPECT_LE(k.x1, 100 + 2.5 * adv + 0.5);
    EXPECT_LT(k.x0, 100 - 1.5 * adv);
    EXPECT_GT(k.x1, 100 + 1.5 * adv);
}

TEST_F(primitivas, numeroSinDecimalesYCientificoOcupanSusCaracteres) {
    const double h = 1;
    const double adv = 20 * avancePorAltura * h;
    // 7 with 0 decimals: one character.
    dibujar([&] { drawNumFloat(0, 0, 7.0, 0, h); });
    cajaPixeles k = caja(blanco);
    EXPECT_GT(k.n, 0);
    EXPECT_LE(k.x1, 100 + adv + 0.5);
    // 1.230e-04: nine characters.
    limpiar();
    dibujar([&] { drawNumSci(-4.5, 0, 0.000123, 3, h); });
    k = caja(blanco);
    EXPECT_GT(k.x1, 10 + 8 * adv);
    EXPECT_LE(k.x1, 10 + 9 * adv + 0.5);
}

TEST_F(primitivas, textoEscaladoYEtiquetaCentradaSobreElOrigen) {
    const double h = 2;
    const double adv = 20 * avancePorAltura * h;
    dibujar([&] { drawTextoEscalado(-3, -2, "ABC", h); });
    cajaPixeles k = caja(blanco);
    EXPECT_NEAR(60, k.y0, 1);  // capitals stand on the baseline
    EXPECT_GE(k.x0, 40 - 0.5);
    EXPECT_LE(k.x1, 40 + 3 * adv + 0.5);
    EXPECT_GT(k.x1, 40 + 2 * adv);

    // Centred label: baseline 0.2·h = 0.4 units (8 px) above the origin.
    limpiar();
    dibujar([&] { drawTextoEscaladoNew("ABC", h, 2); });
    k = caja(blanco);
    EXPECT_NEAR(108, k.y0, 1);
    EXPECT_NEAR(100, k.xc(), 3);
    EXPECT_GE(k.x0, 100 - 1.5 * adv - 0.5);
    EXPECT_LE(k.x1, 100 + 1.5 * adv + 0.5);
}

TEST_F(primitivas, lasPrimitivasDejanIntactaLaMatrizDelLlamador) {
    GLdouble antes[16], despues[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, antes);
    drawNumFloat(1, 2, 3.5, 2, 1);
    drawNumFloatRight(1, 2, 3.5, 2, 1);
    drawNumFloatCenter(1, 2, 3.5, 2, 1);
    drawNumSci(1, 2, 3.5, 2, 1);
    drawTextoEscalado(1, 2, "x", 1);
    drawTextoEscaladoNew("x", 1, 2);
    drawFlecha(0, 0, 1, 1, 0.3);
    plotArco(0, 0, 1, 0, 90);
    glGetDoublev(GL_MODELVIEW_MATRIX, despues);
    for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(antes[i], despues[i]);
}
