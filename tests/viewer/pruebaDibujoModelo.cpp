// Pixel tests of the model drawing: bars, hinges, node markers, supports,
// springs, node and bar numbers, section names. Expected positions come from
// the geometry of each symbol and the view: world (xc, yc) on the centre of
// the canvas, pixelesPorUnidad() pixels per unit, cameras shifted half a pixel
// so that model lines fall on pixel centres.
#include "elementosPlot.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "ventanaPrueba.h"

namespace {

const colorRgb gris = colorDe(0.5, 0.5, 0.5);
const colorRgb verdeArticulacion = colorDe(0.1, 0.7, 0.1);
const colorRgb rojoNudo = colorDe(0.7, 0, 0);
const colorRgb amarilloApoyo = colorDe(0.8, 0.8, 0.3);
const colorRgb rojoResorte = colorDe(0.8, 0.2, 0.2);
const colorRgb rojoTagNudo = colorDe(0.9, 0.2, 0.2);
const colorRgb grisClaro = colorDe(0.8, 0.8, 0.8);
const double avancePorAltura = 104.76 / 152.38;

// Portal frame (0,0)-(0,3)-(4,3)-(4,0) on a 400 × 400 canvas showing 8 units
// (50 px per unit): node 1 at pixel (100.5, 125.5).
class dibujoPortico : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModeloVisor(textoPortico() + "articulacion: 0 1 1\narticulacion: 1 0.5 2\n");
        zCam = 8;
        vista(400, 400, zCam, 2 - 0.01, 1.5 - 0.01);
    }
};

}  // namespace

TEST_F(dibujoPortico, barrasGrisesDeAnchoTres) {
    dibujar([] { plotBarras(); });
    // Bar 1 on x = 0: columns 99 to 101; bar 3 on x = 4: 299 to 301.
    for (int x : {99, 100, 101, 299, 300, 301}) EXPECT_EQ(gris, pixel(x, 200)) << x;
    for (int x : {98, 102, 298, 302}) EXPECT_EQ(colorRgb{}, pixel(x, 200)) << x;
    // Bar 2 on y = 3: rows 274 to 276.
    for (int y : {274, 275, 276}) EXPECT_EQ(gris, pixel(200, y)) << y;
    for (int y : {273, 277}) EXPECT_EQ(colorRgb{}, pixel(200, y)) << y;
    const cajaPixeles k = caja(gris);
    EXPECT_NEAR(99, k.x0, 1);
    EXPECT_NEAR(301, k.x1, 1);
    EXPECT_NEAR(125, k.y0, 1);
    EXPECT_NEAR(276, k.y1, 1);

    // Isolating bar 2 leaves only the beam.
    barrasAisladas << 0, 1, 0;
    limpiar();
    dibujar([] { plotBarras(); });
    EXPECT_EQ(colorRgb{}, pixel(100, 200));
    EXPECT_EQ(colorRgb{}, pixel(300, 200));
    EXPECT_EQ(gris, pixel(200, 275));
}

TEST_F(dibujoPortico, articulacionesAlTresYNoventaYSietePorCiento) {
    dibujar([] {
        plotBarras();
        plotArticulaciones();
    });
    // Radius zCam/150 = 0.0533 units = 2.67 px. Bar 1 starts hinged: centre
    // at 3 % of (0,0)-(0,3) = (0, 0.09); bar 2 ends with fixity 0.5 (read as
    // 0): centre at 97 % of (0,3)-(4,3) = (3.88, 3).
    const cajaPixeles inicio = caja(verdeArticulacion, 80, 110, 120, 150);
    EXPECT_NEAR(pxX(0), inicio.xc(), 1);
    EXPECT_NEAR(pxY(0.09), inicio.yc(), 1);
    EXPECT_NEAR(2 * 2.67, inicio.x1 - inicio.x0, 1.5);
    const cajaPixeles fin = caja(verdeArticulacion, 270, 255, 320, 295);
    EXPECT_NEAR(pxX(3.88), fin.xc(), 1);
    EXPECT_NEAR(pxY(3), fin.yc(), 1);
    // Nothing else: bar 3 is rigid at both ends.
    EXPECT_EQ(inicio.n + fin.n, contar(verdeArticulacion));
}

TEST_F(dibujoPortico, esferasDeNudosYAltN) {
    diagonalObj = 20;  // radius 0.1 units = 5 px
    dibujar([] { plotNudos(); });
    const double xs[] = {0, 0, 4, 4}, ys[] = {0, 3, 3, 0};
    int total = 0;
    for (int i = 0; i < 4; ++i) {
        const int cx = static_cast<int>(pxX(xs[i])), cy = static_cast<int>(pxY(ys[i]));
        const cajaPixeles k = caja(rojoNudo, cx - 15, cy - 15, cx + 15, cy + 15);
        EXPECT_NEAR(pxX(xs[i]), k.xc() + 0.5, 1) << "nudo " << i + 1;
        EXPECT_NEAR(pxY(ys[i]), k.yc() + 0.5, 1) << "nudo " << i + 1;
        EXPECT_NEAR(10, k.x1 - k.x0 + 1, 1.5);
        total += k.n;
    }
    EXPECT_EQ(total, contar(rojoNudo));
    // Hidden node 3, then markers switched off.
    nudosAislados(2) = 0;
    limpiar();
    dibujar([] { plotNudos(); });
    EXPECT_EQ(0, caja(rojoNudo, 285, 260, 315, 290).n);
    EXPECT_GT(contar(rojoNudo), 0);
    flags[interruptor::marcadoresNudos] = 2;
    limpiar();
    dibujar([] { plotNudos(); });
    EXPECT_EQ(0, contar(rojoNudo));
}

TEST_F(dibujoPortico, numerosDeNudosYBarras) {
    // Height 0.5 (25 px), one character 17.2 px wide; the text starts
    // zCam/200 = 0.04 units right of and above its anchor.
    const double h = 0.5, adv = 50 * avancePorAltura * h;
    dibujar([&] { plotTagNudos(h); });
    cajaPixeles k = caja(rojoTagNudo, 290, 265, 350, 320);  // node 3 at (4, 3)
    ASSERT_GT(k.n, 0);
    EXPECT_GE(k.x0, pxX(4.04) - 0.5);
    EXPECT_LE(k.x1, pxX(4.04) + adv);
    EXPECT_NEAR(pxY(3.04), k.y0, 1.5);
    EXPECT_LT(k.y1, pxY(3.04) + 25);

    limpiar();
    dibujar([&] { plotTagBarras(h); });
    k = caja(grisClaro, 190, 265, 240, 320);  // bar 2, midpoint (2, 3)
    ASSERT_GT(k.n, 0);
    EXPECT_GE(k.x0, pxX(2.04) - 0.5);
    EXPECT_LE(k.x1, pxX(2.04) + adv);
    EXPECT_NEAR(pxY(3.04), k.y0, 1.5);
    // Three bars, three numbers.
    EXPECT_GT(caja(grisClaro, 90, 190, 140, 240).n, 0);   // bar 1 at (0, 1.5)
    EXPECT_GT(caja(grisClaro, 290, 190, 340, 240).n, 0);  // bar 3 at (4, 1.5)
}

TEST_F(dibujoPortico, nombresDeSeccionALoLargoDeLaBarra) {
    const double h = 0.5, adv = 50 * avancePorAltura * h;
    dibujar([&] { plotSecciones(h); });
    // Bar 2 (horizontal): "V30x50" centred on x = 2, baseline 0.1 above.
    cajaPixeles k = caja(grisClaro, 0, 265, 399, 399);
    EXPECT_NEAR(pxY(3.1), k.y0, 1.5);
    EXPECT_NEAR(pxX(2), k.xc(), 4);
    EXPECT_GE(k.x0, pxX(2) - 3 * adv - 0.5);
    EXPECT_LE(k.x1, pxX(2) + 3 * adv + 0.5);
    EXPECT_GT(k.x1 - k.x0, 4 * adv);
    // Bar 1 (pointing up, turned 90°): "C30" runs upwards, centred on
    // y = 1.5, its baseline 0.1 to the left of the axis (local y is -x).
    k = caja(grisClaro, 0, 130, 99, 260);
    EXPECT_NEAR(pxX(-0.1), k.x1 + 0.5, 1.5);
    EXPECT_NEAR(pxY(1.5), k.yc(), 4);
    EXPECT_GE(k.y0, pxY(1.5) - 1.5 * adv - 0.5);
    EXPECT_LE(k.y1, pxY(1.5) + 1.5 * adv + 0.5);
    EXPECT_LT(k.x1 - k.x0, 25);
}

namespace {

// One symbol per node, 10 units apart along x; each test shows one node at
// the centre of a 200 × 200 canvas of 10 units (20 px per unit).
class simbolos : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModeloVisor(
            "nudos:\n1 0 0\n2 10 0\n3 20 0\n4 30 0\n5 40 0\n6 50 0\n7 60 0\n8 70 0\n"
            "barras:\n1 1 8\n"
            "apoyo: 1 1 1 1\napoyo: 1 1 0 2\napoyo: 0 1 0 3\napoyo: 1 0 0 4\napoyo: 0 0 1 5\n"
            "resorte: 100 0 0 6\nresorte: 0 100 0 7\nresorte: 0 0 100 8\n");
    }
    // Draws node n alone with the symbol size s; node at pixel (100, 100).
    void dibujarNudo(int n, double s, double zoom = 10) {
        nudosAislados.setZero();
        nudosAislados(n - 1) = 1;
        zCam = zoom;
        vista(200, 200, zoom, 10.0 * (n - 1) - 0.5 * zoom / 200, -0.5 * zoom / 200);
        dibujar([s] {
            plotApoyos(s);
            plotResortes(s);
        });
    }
};

}  // namespace

TEST_F(simbolos, empotramientoLineaDeTierraConRayado) {
    dibujarNudo(1, 2);  // 40 px per symbol unit
    const cajaPixeles k = caja(amarilloApoyo);
    EXPECT_NEAR(60, k.x0, 1.5);
    EXPECT_NEAR(140, k.x1, 1.5);
    EXPECT_NEAR(100 - 24, k.y0, 1.5);  // hatching 0.6 below
    EXPECT_NEAR(101, k.y1, 1);         // ground line of width 3 on the node
    EXPECT_EQ(amarilloApoyo, pixel(80, 99));
    EXPECT_EQ(amarilloApoyo, pixel(80, 101));
}

TEST_F(simbolos, articuladoTrianguloSobreLineaDeTierra) {
    dibujarNudo(2, 2);
    const cajaPixeles k = caja(amarilloApoyo);
    EXPECT_NEAR(60, k.x0, 1.5);
    EXPECT_NEAR(140, k.x1, 1.5);
    EXPECT_NEAR(100 - 52 - 1, k.y0, 1.5);  // ground 1.3 below
    EXPECT_NEAR(100, k.y1, 1.5);           // apex on the node
    // Half way down, the sides stand at ±0.375 units (±15 px).
    EXPECT_GT(caja(amarilloApoyo, 83, 73, 87, 75).n, 0);
    EXPECT_GT(caja(amarilloApoyo, 113, 73, 117, 75).n, 0);
    EXPECT_EQ(0, caja(amarilloApoyo, 72, 72, 76, 76).n);
}

TEST_F(simbolos, rodilloVerticalYHorizontal) {
    dibujarNudo(3, 2);
    cajaPixeles k = caja(amarilloApoyo);
    EXPECT_NEAR(60, k.x0, 1.5);
    EXPECT_NEAR(140, k.x1, 1.5);
    EXPECT_NEAR(100 - 53, k.y0, 1.5);
    EXPECT_NEAR(100, k.y1, 1.5);
    // The wheel: centre 0.65 below (74), radius 0.65 (26 px).
    EXPECT_GT(caja(amarilloApoyo, 72, 72, 76, 76).n, 0);
    EXPECT_GT(caja(amarilloApoyo, 124, 72, 128, 76).n, 0);
    EXPECT_EQ(0, caja(amarilloApoyo, 83, 70, 87, 78).n);

    // Roller with horizontal reaction: turned a quarter turn, ground line
    // standing at x = 1.3 (152 px) and the wheel to the right of the node.
    dibujarNudo(4, 2);
    k = caja(amarilloApoyo);
    EXPECT_NEAR(100, k.x0, 1.5);
    EXPECT_NEAR(153, k.x1, 1.5);
    EXPECT_NEAR(60, k.y0, 1.5);
    EXPECT_NEAR(140, k.y1, 1.5);
    EXPECT_GT(caja(amarilloApoyo, 124, 72, 128, 76).n, 0);  // wheel bottom at (126, 74)
}

TEST_F(simbolos, restriccionSoloDeGiroNoDibujaSimbolo) {
    dibujarNudo(5, 2);
    EXPECT_EQ(0, contarNoNegros());
}

TEST_F(simbolos, tamanoAutomaticoConstanteEnPantalla) {
    // Size 0: zCam/50 per symbol unit, 4 px whatever the zoom.
    for (double zoom : {10.0, 20.0}) {
        dibujarNudo(1, 0, zoom);
        const cajaPixeles k = caja(amarilloApoyo);
        EXPECT_NEAR(8, k.x1 - k.x0, 1.5) << zoom;
    }
    // Size 0.5 in model units: twice as large on screen at twice the zoom.
    dibujarNudo(1, 0.5, 10);
    EXPECT_NEAR(20, caja(amarilloApoyo).x1 - caja(amarilloApoyo).x0, 1.5);
    dibujarNudo(1, 0.5, 20);
    EXPECT_NEAR(10, caja(amarilloApoyo).x1 - caja(amarilloApoyo).x0, 1.5);
}

TEST_F(simbolos, resortesHorizontalVerticalYDeGiro) {
    // kx: ground line at x = -1.7 (32 px), zig-zag to the node.
    dibujarNudo(6, 2);
    cajaPixeles k = caja(amarilloApoyo);
    EXPECT_NEAR(31, k.x0, 1.5);
    EXPECT_NEAR(100, k.x1, 1.5);
    EXPECT_NEAR(68, k.y0, 1.5);
    EXPECT_NEAR(132, k.y1, 1.5);
    EXPECT_EQ(0, contar(rojoResorte));
    // ky: the same turned to hang below the node.
    dibujarNudo(7, 2);
    k = caja(amarilloApoyo);
    EXPECT_NEAR(68, k.x0, 1.5);
    EXPECT_NEAR(132, k.x1, 1.5);
    EXPECT_NEAR(31, k.y0, 1.5);
    EXPECT_NEAR(100, k.y1, 1.5);
    // kr: spiral within x ±0.8, y from -0.8 to the thick line at 1.8.
    dibujarNudo(8, 2);
    EXPECT_EQ(0, contar(amarilloApoyo));
    k = caja(rojoResorte);
    EXPECT_NEAR(68, k.x0, 1.5);
    EXPECT_NEAR(132, k.x1, 1.5);
    EXPECT_NEAR(68, k.y0, 1.5);
    EXPECT_NEAR(172, k.y1, 1.5);
    for (int y : {145, 160, 170}) EXPECT_EQ(rojoResorte, pixel(124, y)) << y;
    EXPECT_EQ(rojoResorte, pixel(123, 160));  // width 3
    EXPECT_EQ(rojoResorte, pixel(125, 160));
}
