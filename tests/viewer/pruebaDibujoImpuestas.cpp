// Pixel tests of inclined supports and imposed deformations: a roller on a
// surface at 0° is drawn as the roller that restrains Y and at 90° as the one
// that restrains X (the symbol turned by the surface's angle); a settlement
// is an arrow of fixed size on screen ending on its support along the
// imposed translation; a temperature change is a label under the bar.
#include "elementosPlot.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "ventanaPrueba.h"

namespace {

const colorRgb amarilloApoyo = colorDe(0.8, 0.8, 0.3);
const colorRgb naranjaAsentamiento = colorDe(1, 0.6, 0.2);
const colorRgb naranjaTemperatura = colorDe(1, 0.45, 0.1);

// Nodes 10 units apart: 1 roller on Y, 2 inclined at 0°, 3 roller on X,
// 4 inclined at 90°, 5 inclined at 30°; node 1 settles 0.01 downwards in
// case S, the bar from 1 to 5 warms in case T.
class impuestas : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModeloVisor(
            "nudos:\n1 0 0\n2 10 0\n3 20 0\n4 30 0\n5 40 0\n"
            "barras:\n1 1 5\n"
            "apoyo: 0 1 0 1\napoyoInclinado: 0 0 2\napoyo: 1 0 0 3\n"
            "apoyoInclinado: 90 0 4\napoyoInclinado: 30 0 5\n"
            "seccionGenerica: S 0.01 1e-4 2e8 0 1\n"
            "asentamiento: S 0 -0.01 0 1\ntemperatura: T 1e-5 20 40 1\n"
            "combo: C1 1 S\ncombo: C2 1 T\nescalaTexto: 1\n");
    }
    // Canvas of 200 × 200 pixels, 10 units wide, centred on node n alone.
    void vistaNudo(int n) {
        nudosAislados.setZero();
        nudosAislados(n - 1) = 1;
        zCam = 10;
        vista(200, 200, zCam, 10.0 * (n - 1) - 0.5 * zCam / 200, -0.5 * zCam / 200);
    }
    std::vector<unsigned char> apoyoDe(int n) {
        limpiar();
        vistaNudo(n);
        dibujar([] { plotApoyos(2); });
        return pixeles;
    }
};

}  // namespace

TEST_F(impuestas, rodilloGiradoAlAnguloDeSuSuperficie) {
    const auto rodilloY = apoyoDe(1), aCero = apoyoDe(2);
    const auto rodilloX = apoyoDe(3), aNoventa = apoyoDe(4), aTreinta = apoyoDe(5);
    EXPECT_EQ(rodilloY, aCero);
    EXPECT_EQ(rodilloX, aNoventa);
    EXPECT_NE(rodilloY, aTreinta);
    EXPECT_GT(caja(amarilloApoyo).n, 50);
    // At 30° the ground line, 1.3 symbol units under the node and 2 long,
    // turns with the surface: its ends (-1, -1.3) and (1, -1.3) go to
    // (-0.22, -1.63) and (1.52, -0.63), 40 px per unit from the node at
    // (100, 100); it rises to the right, parallel to the surface.
    EXPECT_GT(caja(amarilloApoyo, 89, 33, 93, 37).n, 0);
    EXPECT_GT(caja(amarilloApoyo, 158, 73, 162, 77).n, 0);
    EXPECT_EQ(0, caja(amarilloApoyo, 138, 46, 142, 50).n) << "sin el extremo sin girar";
}

// Node 1 settles downwards: the arrow comes from above, 5 heads (5·zCam/100
// = 0.5 units, 10 px) long, along x = 0 onto the node; nothing below it.
TEST_F(impuestas, asentamientoEsUnaFlechaHaciaSuApoyo) {
    vistaNudo(1);
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotCarga(0, escalaCarga); });
    for (int y = 101; y <= 108; ++y) EXPECT_EQ(naranjaAsentamiento, pixel(100, y)) << y;
    EXPECT_EQ(0, caja(naranjaAsentamiento, 0, 0, 199, 97).n);
}

// The warmed bar: its label in the temperature colour under the bar's axis
// (local -y is global -y for a bar along +X), none above it.
TEST_F(impuestas, temperaturaEsUnRotuloBajoLaBarra) {
    zCam = 50;
    vista(400, 200, zCam, 20, 0);
    dibujar([] { plotCarga(1, escalaCarga); });
    EXPECT_GT(caja(naranjaTemperatura, 0, 0, 399, 99).n, 50);
    EXPECT_EQ(0, caja(naranjaTemperatura, 0, 101, 399, 199).n);
}
