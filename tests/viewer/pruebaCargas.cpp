// Pixel tests of the load and reaction layers: node force arrows of length
// |P|·escalaCarga ending on the node, the moment arc and its head, the eleven
// arrows of a distributed load with the load line, axial load heads, and the
// reaction list at the supports (statics of a simply supported beam).
#include "elementosPlot.h"
#include "interruptores.h"
#include "pruebaResultadosComun.h"

namespace {

const colorRgb rojoCarga = colorLeido(0.8, 0.2, 0.2);
const colorRgb verdeFlecha = colorLeido(0, 0.3, 0);
const colorRgb verdeRotulo = colorLeido(0.3, 0.7, 0.3);
const colorRgb azulAxial = colorLeido(0, 0.4, 0.5);
const colorRgb rotuloAxial = colorLeido(0.3, 0.7, 0.7);
const colorRgb rojoReaccion = colorLeido(1, 0, 0);

// Runs of consecutive pixels of colour c along row y, from column x0 on.
int tramosEnFila(colorRgb c, int y, int x0, int ancho,
                 const std::function<colorRgb(int, int)>& pixel) {
    int tramos = 0;
    bool dentro = false;
    for (int x = x0; x < ancho; ++x) {
        const bool es = pixel(x, y) == c;
        tramos += es && !dentro;
        dentro = es;
    }
    return tramos;
}

}  // namespace

// Column head at (0, 3) loaded with (0, -10): escalaCarga 0.1 gives an arrow
// of length 1 from (0, 4) down onto the node, "10.000" from its tail.
TEST_F(capaPrueba, flechaDeCargaPuntualTerminaEnElNudo) {
    cargar("resultados-columna.txt", 0.5, 3);
    const double t = zCam / 100;
    dibujar([] { plotCarga(0, escalaCarga); });
    // Shaft along x = 0 from y = 4 down to the node; nothing below the node.
    const cajaPixeles eje = caja(rojoCarga, ix(0), 0, ix(0), alto - 1);
    EXPECT_NEAR(iy(3), eje.y0, 1);
    for (double y = 3.05; y < 3.96; y += 0.05) EXPECT_EQ(rojoCarga, pixel(ix(0), iy(y))) << y;
    EXPECT_EQ(0, caja(rojoCarga, 0, 0, ancho - 1, iy(3) - 2).n);

    // The whole layer equals the arrow and the magnitude drawn by hand.
    const auto real = pixeles;
    const auto esperado = captura([t] {
        glColor3f(0.8f, 0.2f, 0.2f);
        glLineWidth(2);
        drawFlecha(0, 4, 0, 3, t);
        glLineWidth(1);
        drawNumFloat(0, 4, 10, 3, escalaTexto);
    });
    EXPECT_EQ(0, diferencias(real, esperado));
    EXPECT_GT(contar(rojoCarga), 100);

    // Twice the scale: the tail moves to y = 5.
    limpiar();
    dibujar([] { plotCarga(0, 2 * escalaCarga); });
    EXPECT_EQ(rojoCarga, pixel(ix(0), iy(4.9)));
}

// Moment of -5 at the head: arc of radius 1.6t from -90° to 135° with the
// head at its lowest point, turning clockwise; +5 puts the head at 135°.
TEST_F(capaPrueba, arcoDeMomentoConSentido) {
    cargar("resultados-columna.txt", 0, 3);
    zCam = 50;  // head size t = zCam/100 = 0.5: large enough to resolve
    const double t = 0.5, r = 1.6 * t;
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotCarga(1, escalaCarga); });
    // Clockwise head: barb tips at (t, -R - 0.1t) and (0.6t, -R + 0.6t) from the node.
    EXPECT_TRUE(colorCerca(rojoCarga, 0.95 * t, 3 - r - 0.095 * t));
    EXPECT_TRUE(colorCerca(rojoCarga, 0.6 * t, 3 - r + 0.6 * t));
    const double c45 = std::cos(PI / 4) * r;
    EXPECT_FALSE(colorCerca(rojoCarga, -c45 + 0.7 * t, 3 + c45 + t));
    const int sinNumero = contar(rojoCarga);

    limpiar();
    dibujar([] { plotCarga(2, escalaCarga); });
    // Counter-clockwise head at 135°: barbs to (+0.7t, +t) and (+0.9t, +0.1t).
    EXPECT_TRUE(colorCerca(rojoCarga, -c45 + 0.68 * t, 3 + c45 + 0.97 * t));
    EXPECT_TRUE(colorCerca(rojoCarga, -c45 + 0.88 * t, 3 + c45 + 0.1 * t));
    EXPECT_FALSE(colorCerca(rojoCarga, 0.95 * t, 3 - r - 0.095 * t));

    // The magnitude of a moment is drawn only with Alt+T on, from (1.7t, 0.3t).
    flags[interruptor::textoDiagramas] = 1;
    limpiar();
    dibujar([] { plotCarga(1, escalaCarga); });
    EXPECT_GT(contar(rojoCarga), sinNumero + 50);
    EXPECT_GT(caja(rojoCarga, ix(1.7 * t), iy(3 + 0.3 * t), ancho - 1, alto - 1).n, 50);
}

// Uniform load -2 on a bar from (0, 0) to (4, 0), escalaCarga 0.25: eleven
// arrows from y = 0.5 down onto the bar at L/10 spacing, the load line at
// y = 0.5, and |q| = 2 near 10 % and 90 % of the span.
TEST_F(capaPrueba, onceFlechasDeCargaUniforme) {
    cargar("resultados-cargasBarra.txt", 2, 0.5);
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotCarga(0, escalaCarga); });
    auto px = [this](int x, int y) { return pixel(x, y); };
    EXPECT_EQ(11, tramosEnFila(verdeFlecha, iy(0.25), 0, ancho, px));
    for (int j = 0; j <= 10; ++j) {
        EXPECT_EQ(verdeFlecha, pixel(ix(0.4 * j), iy(0.25))) << j;
        EXPECT_EQ(verdeFlecha, pixel(ix(0.4 * j), iy(0.02))) << "punta " << j;
    }
    const cajaPixeles linea = caja(verdeFlecha, 0, iy(0.5) - 1, ancho - 1, iy(0.5) + 1);
    EXPECT_NEAR(ix(0), linea.x0, 1);
    EXPECT_NEAR(ix(4), linea.x1, 1);
    EXPECT_EQ(0, caja(verdeFlecha, 0, iy(0.5) + 2, ancho - 1, alto - 1).n);
    EXPECT_EQ(0, contar(verdeRotulo));

    // Magnitudes: "2.000" from (0.4, 0.5) and ending at (3.6, 0.5).
    flags[interruptor::textoDiagramas] = 1;
    limpiar();
    dibujar([] { plotCarga(0, escalaCarga); });
    const double ancho5 = 5 * 104.76 / 152.38 * escalaTexto;
    const cajaPixeles izq = caja(verdeRotulo, 0, 0, ix(2), alto - 1);
    const cajaPixeles der = caja(verdeRotulo, ix(2), 0, ancho - 1, alto - 1);
    EXPECT_GE(izq.x0, ix(0.4));
    EXPECT_LE(izq.x1, ix(0.4 + ancho5));
    EXPECT_GE(der.x0, ix(3.6 - ancho5));
    EXPECT_LE(der.x1, ix(3.6));
    EXPECT_NEAR(iy(0.5), izq.y0, 2);
    EXPECT_NEAR(iy(0.5), der.y0, 2);
}

// Triangular load from 0 to -2: the first station has a zero-length arrow
// and draws nothing; near the start node only the load line is seen.
TEST_F(capaPrueba, cargaTriangularSinFlechaDeLargoNulo) {
    cargar("resultados-cargasBarra.txt", 2, 0.5);
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotCarga(1, escalaCarga); });
    auto px = [this](int x, int y) { return pixel(x, y); };
    // Just above the bar, right of where the load line meets it: the ten
    // arrows of the stations with load.
    EXPECT_EQ(10, tramosEnFila(verdeFlecha, iy(0.01), ix(0.2), ancho, px));
    int fueraDeLaLinea = 0;
    for (int y = iy(0) - 8; y <= iy(0) + 8; ++y) {
        for (int x = ix(0) - 8; x <= ix(0) + 8; ++x) {
            if (pixel(x, y) != verdeFlecha) continue;
            // Load line from (0, 0) to (4, 0.5): one pixel thick.
            const double yLinea = pxY(0.125 * (x + 0.5 - pxX(0)) / pixelesPorUnidad());
            fueraDeLaLinea += x < ix(0) || std::abs(y + 0.5 - yLinea) > 1.5;
        }
    }
    EXPECT_EQ(0, fueraDeLaLinea);
}

// Axial load +1: eleven heads on the axis pointing to the end node. A load
// from -1 to +1 (mean 0) draws no heads but both magnitudes.
TEST_F(capaPrueba, cabezasDeCargaAxial) {
    cargar("resultados-cargasBarra.txt", 2, 0.5);
    zCam = 20;  // heads of t = 0.2
    const double t = 0.2;
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotCarga(2, escalaCarga); });
    for (int j = 0; j <= 10; ++j) {
        const double h = 0.4 * j;
        // Barbs open backwards from the tip: through (h - t/2, ±t/6).
        EXPECT_TRUE(colorCerca(azulAxial, h - 0.5 * t, t / 6)) << j;
        EXPECT_TRUE(colorCerca(azulAxial, h - 0.5 * t, -t / 6)) << j;
        EXPECT_FALSE(colorCerca(azulAxial, h + 0.5 * t, t / 6)) << j;
    }
    flags[interruptor::textoDiagramas] = 1;
    limpiar();
    dibujar([] { plotCarga(3, escalaCarga); });
    EXPECT_EQ(0, contar(azulAxial));
    // "1.000" from (0.4, -1.1h) and ending at (3.6, -1.2h), below the axis.
    const cajaPixeles izq = caja(rotuloAxial, 0, 0, ix(2), alto - 1);
    const cajaPixeles der = caja(rotuloAxial, ix(2), 0, ancho - 1, alto - 1);
    EXPECT_GT(izq.n, 50);
    EXPECT_GT(der.n, 50);
    EXPECT_NEAR(iy(-1.1 * escalaTexto), izq.y0, 2);
    EXPECT_NEAR(iy(-1.2 * escalaTexto), der.y0, 2);
    EXPECT_LT(izq.y1, iy(0));
}

// Simply supported beam (pin at node 1, roller at node 2), w = 2 over L = 4
// and H = 3 pulling node 2 to the right: Rx1 = -3, Ry1 = Ry2 = wL/2 = 4.
TEST_F(capaPrueba, listaDeReaccionesEnLosApoyos) {
    cargar("resultados-vigaSimple.txt", 2, -0.5);
    const double h = escalaTexto;
    const auto real = captura([] { plotReacciones(1); });
    const auto esperado = captura([h] {
        glColor3f(1, 0, 0);
        drawTextoEscalado(0.1, 0, "Rx: -3.000", h);
        drawTextoEscalado(0.1, -h, "Ry: 4.000", h);
        // The roller has no x restraint: its only line at the node's height.
        drawTextoEscalado(4.1, 0, "Ry: 4.000", h);
    });
    EXPECT_GT(contar(rojoReaccion), 300);
    EXPECT_EQ(0, diferencias(real, esperado));
}

// A column under its own weight (2.16 per metre along it, nothing across):
// eleven axial heads and the two magnitudes "2.1600", and no transverse
// arrows or "0.0000" labels from the rounding left in the transverse share.
TEST_F(capaPrueba, pesoPropioDeColumnaSoloAxial) {
    cargar("resultados-pesoPropio.txt", 0, 1.5);
    dibujar([] { plotCarga(0, escalaCarga); });
    EXPECT_EQ(0, contar(verdeFlecha)) << "flechas transversales";
    EXPECT_EQ(0, contar(verdeRotulo)) << "rótulos de carga transversal";
    EXPECT_GT(contar(azulAxial), 50) << "cabezas de la carga axial";
    EXPECT_GT(contar(rotuloAxial), 100) << "los dos valores axiales";
}
