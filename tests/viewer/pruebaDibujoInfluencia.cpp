// Pixel tests of the influence line and of the train's envelope on a
// simple span L = 8 (statics): the line of M at mid-span is a triangle of
// height L/4 = 2, drawn up with its top 0.15 of the model's diagonal above
// the bar; one axle of 10 at mid-span gives M = PL/4 = 20, drawn (as M is)
// under the bar in the envelope's colour of the maxima.
#include "elementosPlot.h"
#include "funcionPlot.h"
#include "influenciaVisor.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "ventanaPrueba.h"

namespace {

const colorRgb ambar = colorDe(1.0, 0.75, 0.0);
const colorRgb magenta = colorDe(1.0, 0.3, 1.0);

// Canvas 400 × 200, 10 units high (20 px per unit), centred on (4, 1): the
// bar's axis y = 0 at pixel row 80, x = 0 at column 120, x = 8 at 280.
class lineaEnPantalla : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModeloVisor(
            "nudos:\n1 0 0\n2 4 0\n3 8 0\nbarras:\n1 1 2\n2 2 3\n"
            "apoyo: 1 1 0 1\napoyo: 0 1 0 3\nseccionGenerica: S 0.02 4e-4 2e8 0 1 2\n"
            "recorrido: PUENTE 1 2\ntren: EJE 0 10\nescalaTexto: 0.5\nescalaM: 0.1\n");
        diagonalObj = 20;
        factorEscalaInfluencia = 1;
        zCam = 10;
        vista(400, 200, zCam, 4, 1);
    }
};

}  // namespace

TEST_F(lineaEnPantalla, trianguloDelMomentoConSuSeccion) {
    std::string error;
    ASSERT_TRUE(elegirRespuestaInfluencia("M:1:4", error)) << error;
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotInfluencia(); });
    // Top 0.15·20 = 3 units over mid-span: (200, 140); the ends on the
    // supports; nothing under the axis but the section's diamond (0.12
    // units, 2 or 3 px).
    const cajaPixeles k = caja(ambar);
    EXPECT_NEAR(k.y1, 140, 2);
    EXPECT_NEAR(k.x0, 120, 2);
    EXPECT_NEAR(k.x1, 280, 2);
    EXPECT_GE(k.y0, 76);
    EXPECT_GT(caja(ambar, 198, 76, 202, 79).n, 0) << "el rombo de la sección";
    EXPECT_EQ(0, caja(ambar, 120, 0, 190, 78).n);
    // The outline passes over the quarter points at half the height.
    EXPECT_GT(caja(ambar, 158, 107, 162, 113).n, 0);

    // The values: the largest named above the top.
    limpiar();
    flags[interruptor::textoDiagramas] = 1;
    dibujar([] { plotInfluencia(); });
    EXPECT_GT(caja(ambar, 120, 145, 280, 199).n, 20);

    // Twice as large with the + key seven times (1.1^7 ≈ 1.95).
    limpiar();
    flags[interruptor::textoDiagramas] = 0;
    flags[interruptor::influencia] = 1;
    for (int i = 0; i < 7; ++i) procesarTecla('+', false, false);
    dibujar([] { plotInfluencia(); });
    EXPECT_NEAR(caja(ambar).y1, 80 + 60 * 1.9487, 2);
}

// A node's response: the ring around it, and its line Ry = 1 - s/L from the
// node's end of the span.
TEST_F(lineaEnPantalla, reaccionConElAnilloEnSuNudo) {
    std::string error;
    ASSERT_TRUE(elegirRespuestaInfluencia("Ry:1", error)) << error;
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotInfluencia(); });
    EXPECT_NEAR(caja(ambar).y1, 140, 2);
    EXPECT_GT(caja(ambar, 115, 76, 119, 84).n, 0) << "el anillo a la izquierda del nudo 1";
    EXPECT_EQ(0, caja(ambar, 282, 84, 399, 199).n);
}

// With "tren" and "plotM" the scene shows the train's envelope even though
// the model has no combination to solve.
TEST_F(lineaEnPantalla, envolventeDelTrenSinCombos) {
    ASSERT_FALSE(solucionVisor.resuelto);
    flags[interruptor::tren] = 1;
    flags[interruptor::capaMomento] = 1;
    flags[interruptor::textoDiagramas] = 0;
    // The scene sets its own camera: the same view.
    xCam = xCentroObj = 4;
    yCam = yCentroObj = 1;
    dibujar([] { dibujarEscena(); });
    // 20·0.1 = 2 units under the axis at mid-span: row 40.
    const cajaPixeles k = caja(magenta);
    EXPECT_NEAR(k.y0, 40, 2);
    EXPECT_NEAR(k.xc(), 200, 3);
    // Off, nothing of it.
    limpiar();
    flags[interruptor::tren] = 0;
    dibujar([] { dibujarEscena(); });
    EXPECT_EQ(0, caja(magenta).n);
}
