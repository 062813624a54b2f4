// Pixel tests of loads inside a bar and of the diagrams they give, on a
// simply supported beam L = 4 (statics): a force P = 2 at a = 1.1 gives
// M = P·a·b/L = 1.595 under it and a shear step from P·b/L = 1.45 to
// -P·a/L = -0.55; a concentrated moment M0 = 3 at mid-span gives a moment
// step from M0/2 to -M0/2 there. Loads: arrows |P|·escalaCarga long ending
// on their point, a partial load's arrows only over its part.
#include "elementosPlot.h"
#include "interruptores.h"
#include "pruebaResultadosComun.h"

namespace {

const colorRgb rojoCarga = colorLeido(0.8, 0.2, 0.2);
const colorRgb verdeFlecha = colorLeido(0, 0.3, 0);
const colorRgb contornoM = colorLeido(0.7, 0.2, 0);
const colorRgb contornoV = colorLeido(0.5, 0.5, 0);

class vigaConTramos : public capaPrueba {
  protected:
    void SetUp() override {
        capaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargar("resultados-tramos.txt", 2, 0);
        flags[interruptor::textoDiagramas] = 0;
        flags[interruptor::lineasInteriores] = 0;
    }
};

}  // namespace

// Force (0, -2) at x = 1.1, escalaCarga 0.25: a shaft from (1.1, 0.5) down
// onto the bar with "2.000" at its tail, exactly as a node's point load
// there would be drawn, and nothing else.
TEST_F(vigaConTramos, fuerzaEnSuPuntoDeLaBarra) {
    const double t = zCam / 100;
    dibujar([] { plotCarga(0, escalaCarga); });
    for (double y = 0.05; y < 0.46; y += 0.05) EXPECT_EQ(rojoCarga, pixel(ix(1.1), iy(y))) << y;
    EXPECT_EQ(0, contar(verdeFlecha));
    const auto real = pixeles;
    const auto esperado = captura([t] {
        glColor3f(0.8f, 0.2f, 0.2f);
        glLineWidth(2);
        drawFlecha(1.1, 0.5, 1.1, 0, t);
        glLineWidth(1);
        drawNumFloat(1.1, 0.5, 2, 3, escalaTexto);
    });
    EXPECT_EQ(0, diferencias(real, esperado));
}

// Global force (2, 0) at x = 3: a horizontal arrow from (2.5, 0) to (3, 0),
// its magnitude at the tail.
TEST_F(vigaConTramos, fuerzaGlobalConSusComponentes) {
    const double t = zCam / 100;
    dibujar([] { plotCarga(1, escalaCarga); });
    for (double x = 2.55; x < 2.96; x += 0.05) EXPECT_EQ(rojoCarga, pixel(ix(x), iy(0))) << x;
    const auto real = pixeles;
    const auto esperado = captura([t] {
        glColor3f(0.8f, 0.2f, 0.2f);
        glLineWidth(2);
        drawFlecha(2.5, 0, 3, 0, t);
        glLineWidth(1);
        drawNumFloat(2.5, 0, 2, 3, escalaTexto);
    });
    EXPECT_EQ(0, diferencias(real, esperado));
}

// Partial uniform load -2 over [1, 3]: eleven arrows 0.2 apart from y = 0.5
// down onto the bar, the load line from x = 1 to x = 3, nothing outside.
TEST_F(vigaConTramos, cargaParcialSoloSobreSuTramo) {
    dibujar([] { plotCarga(2, escalaCarga); });
    for (int j = 0; j <= 10; ++j) EXPECT_EQ(verdeFlecha, pixel(ix(1 + 0.2 * j), iy(0.25))) << j;
    const cajaPixeles c = caja(verdeFlecha, 0, 0, ancho - 1, alto - 1);
    EXPECT_NEAR(c.x0, ix(1), 2);
    EXPECT_NEAR(c.x1, ix(3), 2);
    EXPECT_EQ(verdeFlecha, pixel(ix(2), iy(0.5)));
}

// The moment diagram kinks exactly under the force: its outline reaches
// -M·escalaM = -1.595 at x = 1.1 (the 21 stations alone, 1.0 and 1.2, would
// cut the corner at -1.425). The shear steps vertically there.
TEST_F(vigaConTramos, momentoQuebradoYCortanteConEscalonBajoLaFuerza) {
    dibujar([] { plotMomento(0, escalaM); });
    EXPECT_TRUE(colorCerca(contornoM, 1.1, -1.595));
    // Rows grow upwards: the lowest point of the outline is the box's y0.
    EXPECT_NEAR(iy(-1.595), caja(contornoM, 0, 0, ancho - 1, alto - 1).y0, 1);

    limpiar();
    dibujar([] { plotCortante(0, escalaV); });
    // V·escalaV from 1.45·0.25 = 0.3625 down to -0.55·0.25 = -0.1375.
    for (double y = -0.12; y < 0.35; y += 0.02) EXPECT_EQ(contornoV, pixel(ix(1.1), iy(y))) << y;
}

// Concentrated moment at mid-span: the moment outline steps vertically at
// x = 2 from -1.5 (M = 1.5, drawn below) to +1.5 (M = -1.5, drawn above).
TEST_F(vigaConTramos, momentoConcentradoEsUnEscalon) {
    dibujar([] { plotMomento(3, escalaM); });
    for (double y = -1.45; y < 1.46; y += 0.1) EXPECT_EQ(contornoM, pixel(ix(2), iy(y))) << y;
    EXPECT_TRUE(colorCerca(contornoM, 1, -0.75));
    EXPECT_TRUE(colorCerca(contornoM, 3, 0.75));
}
