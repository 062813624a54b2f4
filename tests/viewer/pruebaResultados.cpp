// Pixel tests of the result layers: moment, shear and axial diagrams and the
// deformed shape. Ordinates come from closed-form beam results:
// simply supported beam under w: M(x) = w·x·(L - x)/2, V = w·(L/2 - x);
// fixed-fixed beam under q: M ends = q·L²/12, mid-span -q·L²/24;
// cantilever with a tip load P: tip deflection P·L³/(3EI), rotation
// P·L²/(2EI), deflection P·x²·(3L - x)/(6EI).
#include "elementosPlot.h"
#include "interruptores.h"
#include "pruebaResultadosComun.h"

namespace {

const colorRgb contornoM = colorLeido(0.7, 0.2, 0);
const colorRgb interiorM = colorLeido(0.5, 0.1, 0);
const colorRgb contornoV = colorLeido(0.5, 0.5, 0);
const colorRgb interiorV = colorLeido(0.4, 0.4, 0);
const colorRgb contornoN = colorLeido(0, 0.2, 0.7);
const colorRgb interiorN = colorLeido(0, 0.1, 0.4);
const colorRgb rotuloN = colorLeido(0.4, 0.4, 0.9);
const colorRgb cian = colorLeido(0, 0.7, 0.7);
const colorRgb grisRotulo = colorLeido(0.7, 0.7, 0.7);

void pintar(double r, double g, double b) {
    glColor3f(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

// Simply supported beam, L = 4, w = 2 downwards (escalaM 0.5, escalaV 0.25):
// M(2) = 4 drawn 2 below the bar, V(0) = 4 and V(4) = -4 drawn 1 from it.
class diagramaViga : public capaPrueba {
  protected:
    void SetUp() override {
        capaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargar("resultados-vigaSimple.txt", 2, -0.5);
    }
};

}  // namespace

TEST_F(diagramaViga, momentoPositivoBajoLaBarraConLineasInteriores) {
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotMomento(0, escalaM); });
    // Outline through -M·escalaM at every station: mid-span 2 below the bar.
    for (int k = 0; k <= 20; ++k) {
        const double x = 0.2 * k;
        EXPECT_TRUE(colorCerca(contornoM, x, -0.5 * x * (4 - x))) << "x = " << x;
    }
    EXPECT_EQ(0, caja(contornoM, 0, iy(0) + 2, ancho - 1, alto - 1).n) << "nada sobre la barra";
    // All 21 cross lines: the inner colour half-way down each ordinate.
    for (int k = 1; k <= 19; ++k) {
        const double x = 0.2 * k;
        EXPECT_EQ(interiorM, pixel(ix(x), iy(-0.25 * x * (4 - x)))) << "x = " << x;
    }

    // Alt+F off: the inner lines between the ends are gone, the outline stays.
    flags[interruptor::lineasInteriores] = 0;
    limpiar();
    dibujar([] { plotMomento(0, escalaM); });
    EXPECT_LE(contar(interiorM), 2) << "solo las líneas extremas, de largo nulo";
    EXPECT_EQ(colorRgb{}, pixel(ix(2), iy(-1)));
    EXPECT_TRUE(colorCerca(contornoM, 2, -2));

    // Twice the scale, twice the ordinate.
    limpiar();
    dibujar([] { plotMomento(0, 2 * escalaM); });
    EXPECT_TRUE(colorCerca(contornoM, 2, -4));
    EXPECT_FALSE(colorCerca(contornoM, 2, -2, 3));
}

TEST_F(diagramaViga, momentoMaximoCentradoEnElCentroDelVano) {
    // Max moment 4.000 centred on the diagram at (2, -2); compared with the
    // same text drawn there by hand, inside a window that holds no end value.
    const auto real = captura([] { plotMomento(0, escalaM); });
    const auto esperado = captura([] {
        flags[interruptor::textoDiagramas] = 0;
        plotMomento(0, escalaM);
        pintar(0.7, 0.2, 0);
        drawNumFloatCenter(2, -2, 4.0, 3, escalaTexto);
    });
    int distintos = 0, texto = 0;
    for (int y = iy(-2.2); y <= iy(-1.3); ++y) {
        for (int x = ix(0.9); x <= ix(3.1); ++x) {
            const size_t i = (static_cast<size_t>(y) * ancho + x) * 3;
            distintos += real[i] != esperado[i] || real[i + 1] != esperado[i + 1];
            texto += esperado[i] != 0;
        }
    }
    EXPECT_GT(texto, 100);
    EXPECT_EQ(0, distintos);
}

TEST_F(diagramaViga, cortanteConOrdenadasExtremasYPuntoDeCorteNulo) {
    flags[interruptor::textoDiagramas] = 0;
    flags[interruptor::lineasInteriores] = 0;
    dibujar([] { plotCortante(0, escalaV); });
    // End lines: V(0)·escalaV = +1 above the start, V(4)·escalaV = -1 below the end.
    const cajaPixeles inicio = caja(interiorV, ix(0) - 1, 0, ix(0) + 1, alto - 1);
    EXPECT_NEAR(iy(0), inicio.y0, 1);
    EXPECT_NEAR(iy(1), inicio.y1, 1);
    const cajaPixeles fin = caja(interiorV, ix(4) - 1, 0, ix(4) + 1, alto - 1);
    EXPECT_NEAR(iy(-1), fin.y0, 1);
    EXPECT_NEAR(iy(0), fin.y1, 1);
    EXPECT_TRUE(colorCerca(contornoV, 1, 0.5));
    EXPECT_TRUE(colorCerca(contornoV, 2, 0));
    EXPECT_TRUE(colorCerca(contornoV, 3, -0.5));

    // "x0= 2.000" from (2, 0.2·escalaTexto), compared with the text drawn there.
    flags[interruptor::textoDiagramas] = 1;
    const auto real = captura([] { plotCortante(0, escalaV); });
    const auto esperado = captura([] {
        flags[interruptor::textoDiagramas] = 0;
        plotCortante(0, escalaV);
        pintar(0.5, 0.5, 0);
        drawTextoEscalado(2, 0.2 * escalaTexto, "x0= 2.000", escalaTexto);
    });
    int distintos = 0, texto = 0;
    for (int y = iy(0.06); y <= iy(0.7); ++y) {
        for (int x = ix(1.9); x < ancho; ++x) {
            const size_t i = (static_cast<size_t>(y) * ancho + x) * 3;
            distintos += real[i] != esperado[i] || real[i + 1] != esperado[i + 1];
            texto += esperado[i] != 0;
        }
    }
    EXPECT_GT(texto, 100);
    EXPECT_EQ(0, distintos);
}

// Column of 3 under P = 10 downwards at its head: N = -10 all along, drawn
// at +N·escalaN = -1 on the bar's left, which for a bar pointing up is +X.
TEST_F(capaPrueba, axialDeUnaColumnaComprimida) {
    cargar("resultados-columna.txt", 0.5, 1.5);
    flags[interruptor::textoDiagramas] = 0;
    flags[interruptor::lineasInteriores] = 0;
    dibujar([] { plotAxial(0, escalaN); });
    for (double y : {0.15, 1.5, 2.85}) EXPECT_TRUE(colorCerca(contornoN, 1, y)) << y;
    EXPECT_EQ(0, caja(contornoN, 0, 0, ix(0) - 2, alto - 1).n) << "nada a la izquierda";
    // End lines along y = 0 and y = 3, from the axis to x = 1.
    for (double y : {0.0, 3.0}) {
        const cajaPixeles k = caja(interiorN, 0, iy(y) - 1, ancho - 1, iy(y) + 1);
        EXPECT_NEAR(ix(0), k.x0, 1) << y;
        EXPECT_NEAR(ix(1), k.x1, 1) << y;
    }

    // End values -10.000 one station (0.15) inside the ends, in the bar frame
    // (90°, not turned): the same as drawing them there by hand.
    flags[interruptor::textoDiagramas] = 1;
    const auto real = captura([] { plotAxial(0, escalaN); });
    const auto esperado = captura([] {
        flags[interruptor::textoDiagramas] = 0;
        plotAxial(0, escalaN);
        pintar(0.4, 0.4, 0.9);
        glPushMatrix();
        glRotatef(90, 0, 0, 1);
        drawNumFloat(0.15, -1, -10, 3, escalaTexto);
        drawNumFloatRight(2.85, -1, -10, 3, escalaTexto);
        glPopMatrix();
    });
    EXPECT_GT(caja(rotuloN).n, 200);
    EXPECT_LE(diferencias(real, esperado), 10);
}

// Fixed-fixed beams, L = 4, q = +3 along local y: M(0) = M(4) = 4,
// M(2) = -2, V(0) = -6, V(4) = 6, zero shear at 2. Bar 1 points left (180°,
// labels turned upright), bar 2 points down (-90°, labels along the bar).
class rotulosGirados : public capaPrueba {
  protected:
    void SetUp() override {
        capaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargar("resultados-empotradas.txt", 4, 1.5, true, 12);
    }
    // Labels of bar 2 drawn by hand in its frame (start (8, 4), -90°).
    static void enMarcoBarraAbajo(const std::function<void()>& f) {
        glPushMatrix();
        glTranslatef(8, 4, 0);
        glRotatef(-90, 0, 0, 1);
        f();
        glPopMatrix();
    }
};

TEST_F(rotulosGirados, momentosLegiblesEnBarraHaciaLaIzquierda) {
    const double e = escalaM, h = escalaTexto, d = 4.0 / 50;
    // The layer itself: hogging ends drawn above bar 1 (tension on top).
    flags[interruptor::textoDiagramas] = 0;
    dibujar([] { plotMomento(0, escalaM); });
    EXPECT_TRUE(colorCerca(contornoM, 4, 4 * e));
    EXPECT_TRUE(colorCerca(contornoM, 2, -2 * e));
    // Bar 2 points down: its right-hand side is -X.
    EXPECT_TRUE(colorCerca(contornoM, 8 - 4 * e, 4));
    EXPECT_TRUE(colorCerca(contornoM, 8 + 2 * e, 2));
    flags[interruptor::textoDiagramas] = 1;

    const auto real = captura([] { plotMomento(0, escalaM); });
    // Bar 1 upright in model axes: start value from (4 + L/50, 4e), end value
    // ending at (-L/50, 4e), mid-span value centred on (2, -2e). Bar 2 in its
    // own frame, not turned.
    const auto esperado = captura([&] {
        flags[interruptor::textoDiagramas] = 0;
        plotMomento(0, escalaM);
        pintar(0.7, 0.2, 0);
        drawNumFloat(4 + d, 4 * e, 4, 3, h);
        drawNumFloatRight(-d, 4 * e, 4, 3, h);
        drawNumFloatCenter(2, -2 * e, -2, 3, h);
        enMarcoBarraAbajo([&] {
            drawNumFloat(d, -4 * e, 4, 3, h);
            drawNumFloatRight(4 - d, -4 * e, 4, 3, h);
            drawNumFloatCenter(2, 2 * e, -2, 3, h);
        });
    });
    // Bar 1's labels left in its frame would read upside down.
    const auto alReves = captura([&] {
        flags[interruptor::textoDiagramas] = 0;
        plotMomento(0, escalaM);
        pintar(0.7, 0.2, 0);
        glPushMatrix();
        glTranslatef(4, 0, 0);
        glRotatef(180, 0, 0, 1);
        drawNumFloat(d, -4 * e, 4, 3, h);
        drawNumFloatRight(4 - d, -4 * e, 4, 3, h);
        drawNumFloatCenter(2, 2 * e, -2, 3, h);
        glPopMatrix();
        enMarcoBarraAbajo([&] {
            drawNumFloat(d, -4 * e, 4, 3, h);
            drawNumFloatRight(4 - d, -4 * e, 4, 3, h);
            drawNumFloatCenter(2, 2 * e, -2, 3, h);
        });
    });
    EXPECT_LE(diferencias(real, esperado), 20);
    EXPECT_GT(diferencias(real, alReves), 300);
}

TEST_F(rotulosGirados, cortantesLegiblesEnBarraHaciaLaIzquierda) {
    const double e = escalaV, h = escalaTexto;
    const auto real = captura([] { plotCortante(0, escalaV); });
    const auto esperado = captura([&] {
        flags[interruptor::textoDiagramas] = 0;
        plotCortante(0, escalaV);
        pintar(0.5, 0.5, 0);
        // Bar 1: V(0) = -6 drawn 6e above the start node, V(4) = 6 below the
        // end node, "x0= " upright from (2, 0.2h).
        drawNumFloat(4, 6 * e, -6, 3, h);
        drawNumFloatRight(0, -6 * e, 6, 3, h);
        drawTextoEscalado(2, 0.2 * h, "x0= 2.000", h);
        enMarcoBarraAbajo([&] {
            drawNumFloat(0, -6 * e, -6, 3, h);
            drawNumFloatRight(4, 6 * e, 6, 3, h);
            drawTextoEscalado(2, 0.2 * h, "x0= 2.000", h);
        });
    });
    EXPECT_LE(diferencias(real, esperado), 20);
    EXPECT_GT(contar(colorLeido(0.5, 0.5, 0)), 500);
}

// Cantilever L = 3, EI = EA = 1000, tip load (5, -10), escalaDef = 10:
// tip ux = 5·3/1000 = 0.015, uy = -10·27/3000 = -0.09, rotation
// -10·9/2000 = -0.045; drawn at (3.15, -0.9).
TEST_F(capaPrueba, deformadaDeUnaMensula) {
    cargar("resultados-mensula.txt", 1.5, -0.5);
    flags[interruptor::textoDiagramas] = 0;
    flags[interruptor::marcadoresNudos] = 0;
    xMin = 0;
    xMax = 3;
    dibujar([] { plotDeformada(0, escalaDef); });
    EXPECT_TRUE(colorCerca(cian, 3.15, -0.9));
    EXPECT_TRUE(colorCerca(cian, 0, 0));
    // Mid-point: axial stretch spread evenly (10·0.015/2), deflection
    // 10·10·1.5²·(9 - 1.5)/6000.
    EXPECT_TRUE(colorCerca(cian, 1.5 + 0.075, -0.28125));
    const cajaPixeles k = caja(cian);
    EXPECT_NEAR(iy(-0.9), k.y0, 1);
    EXPECT_NEAR(iy(0), k.y1, 1);
    EXPECT_NEAR(ix(3.15), k.x1, 1);

    // Twice the scale, twice the drawn displacement.
    limpiar();
    dibujar([] { plotDeformada(0, 2 * escalaDef); });
    EXPECT_TRUE(colorCerca(cian, 3.3, -1.8));
    EXPECT_FALSE(colorCerca(cian, 3.15, -0.9, 3));
}

TEST_F(capaPrueba, desplazamientosDelNudoEnNotacionCientifica) {
    cargar("resultados-mensula.txt", 1.5, -0.5);
    xMin = 0;
    xMax = 3;
    const double r = 3.0 / 200, h = escalaTexto;
    const auto real = captura([] { plotDeformada(0, escalaDef); });
    // Labels beside each displaced node; the fixed node shows zeros.
    const auto esperado = captura([&] {
        flags[interruptor::textoDiagramas] = 0;
        plotDeformada(0, escalaDef);
        pintar(0.7, 0.7, 0.7);
        glPushMatrix();
        glTranslatef(3.15f, -0.9f, 0);
        drawTextoEscalado(r, h, "Ux, Uy, Giro:", h);
        drawTextoEscalado(r, 0, "1.500e-02", h);
        drawTextoEscalado(r, -h, "-9.000e-02", h);
        drawTextoEscalado(r, -2 * h, "-4.500e-02", h);
        glPopMatrix();
    });
    const cajaPixeles k = caja(grisRotulo, ix(3.0), 0, ancho - 1, alto - 1);
    EXPECT_GT(k.n, 200);
    int distintos = 0;
    for (int y = 0; y < alto; ++y) {
        for (int x = ix(3.1); x < ancho; ++x) {
            const size_t i = (static_cast<size_t>(y) * ancho + x) * 3;
            distintos += real[i] != esperado[i] || real[i + 1] != esperado[i + 1];
        }
    }
    EXPECT_LE(distintos, 10);
    flags[interruptor::textoDiagramas] = 0;
    limpiar();
    dibujar([] { plotDeformada(0, escalaDef); });
    EXPECT_EQ(0, contar(grisRotulo));
}

// Nothing is drawn for a combination the model does not hold, nor from an
// unsolved model; loads need no solution.
TEST_F(capaPrueba, nadaSinResultadosOFueraDeLasCombinaciones) {
    cargar("resultados-vigaSimple.txt", 2, -0.5);
    for (int c : {-1, 2, 99}) {
        limpiar();
        dibujar([c] {
            plotDeformada(c, escalaDef);
            plotAxial(c, escalaN);
            plotCortante(c, escalaV);
            plotMomento(c, escalaM);
            plotCarga(c, escalaCarga);
            plotReacciones(c);
        });
        EXPECT_EQ(0, contarNoNegros()) << "combinación " << c;
    }

    cargar("resultados-vigaSimple.txt", 2, -0.5, false);
    dibujar([] {
        plotDeformada(0, escalaDef);
        plotAxial(0, escalaN);
        plotCortante(0, escalaV);
        plotMomento(0, escalaM);
        plotReacciones(0);
    });
    EXPECT_EQ(0, contarNoNegros());
    dibujar([] { plotCarga(0, escalaCarga); });
    EXPECT_GT(contar(colorLeido(0, 0.3, 0)), 100);
}

// Fixed-fixed bar from (4, 3) down to the left to (0, 0), L = 5, q = +3:
// M ends = q·L²/12 = 6.25, M(L/2) = -q·L²/24 = -3.125. Its angle, -143.13°,
// lies beyond -90°: its moment labels are turned to read upright.
TEST_F(capaPrueba, rotulosDerechosEnBarraHaciaAbajoYALaIzquierda) {
    cargar("resultados-inclinada.txt", 2, 1.5, true, 12);
    const double e = escalaM, h = escalaTexto, L = 5, d = L / 50;
    const float angulo = static_cast<float>(std::atan2(-3.0, -4.0) * 180 / 3.141592653589793);
    auto enMarcoBarra = [angulo](const std::function<void()>& f) {
        glPushMatrix();
        glTranslatef(4, 3, 0);
        glRotatef(angulo, 0, 0, 1);
        f();
        glPopMatrix();
    };
    // A label turned half a turn about its anchor.
    auto girado = [](double x, double y, const std::function<void()>& f) {
        glPushMatrix();
        glTranslatef(static_cast<float>(x), static_cast<float>(y), 0);
        glRotatef(180, 0, 0, 1);
        f();
        glPopMatrix();
    };
    const auto real = captura([] { plotMomento(0, escalaM); });
    const auto derecho = captura([&] {
        flags[interruptor::textoDiagramas] = 0;
        plotMomento(0, escalaM);
        flags[interruptor::textoDiagramas] = 1;
        pintar(0.7, 0.2, 0);
        enMarcoBarra([&] {
            girado(0, -6.25 * e, [&] { drawNumFloat(d, 0, 6.25, 3, h); });
            girado(L, -6.25 * e, [&] { drawNumFloatRight(-d, 0, 6.25, 3, h); });
            girado(2.5, 3.125 * e, [&] { drawNumFloatCenter(0, 0, -3.125, 3, h); });
        });
    });
    const auto alReves = captura([&] {
        flags[interruptor::textoDiagramas] = 0;
        plotMomento(0, escalaM);
        flags[interruptor::textoDiagramas] = 1;
        pintar(0.7, 0.2, 0);
        enMarcoBarra([&] {
            drawNumFloat(d, -6.25 * e, 6.25, 3, h);
            drawNumFloatRight(L - d, -6.25 * e, 6.25, 3, h);
            drawNumFloatCenter(2.5, 3.125 * e, -3.125, 3, h);
        });
    });
    EXPECT_LE(diferencias(real, derecho), 20);
    EXPECT_GT(diferencias(real, alReves), 300);
}
