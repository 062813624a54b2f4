// Pixel tests of the envelope of the N, V and M layers on two simply
// supported beams, L = 4, under C1 = +w and C2 = -2w (w = 1 along local +y),
// escalaM 0.5. Textbook closed form: the mid-span moment of a simply
// supported beam under w is w·L²/8 = 2, sagging under a load along -y.
// So at mid-span C1 gives -2 (drawn 1 above bar 1) and C2 gives +4 (drawn
// 2 below it): the maximum curve is C2's, the minimum C1's.
#include "cacheCapas.h"
#include "elementosPlot.h"
#include "envolventeDiagramas.h"
#include "interruptores.h"
#include "pruebaResultadosComun.h"

namespace {

// The envelope's colours, as documented, and every colour the viewer
// already draws with.
const colorRgb maxima = colorLeido(1, 0.3, 1);
const colorRgb minima = colorLeido(0.3, 0.6, 1);
const colorRgb contornoM = colorLeido(0.7, 0.2, 0);

void pintar(const colorRgb& c) {
    glColor3f(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f);
}

void ambosCombos() {
    flags[interruptor::primerCombo] = flags[interruptor::primerCombo + 1] = 1;
}

// Bar 1, from (0, 0) to (4, 0), in a 400 × 400 canvas of 40 px per unit
// centred on (2, -0.5).
class envolventeViga : public capaPrueba {
  protected:
    void SetUp() override {
        capaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargar("resultados-envolvente.txt", 2, -0.5);
    }
    // Pixels of colour c in the middle of the span (0.5 <= x <= 3.5), where
    // no end line is drawn, as a list of positions.
    std::vector<int> enElVano(colorRgb c) const {
        std::vector<int> p;
        for (int y = 0; y < alto; ++y) {
            for (int x = ix(0.5); x <= ix(3.5); ++x) {
                if (pixel(x, y) == c) p.push_back(y * ancho + x);
            }
        }
        return p;
    }
};

}  // namespace

TEST(coloresEnvolvente, distintosDeLosDemasColoresDelVisor) {
    const colorRgb otros[] = {
        colorLeido(0.7, 0.2, 0),   colorLeido(0.5, 0.1, 0),   colorLeido(0.5, 0.5, 0),
        colorLeido(0.4, 0.4, 0),   colorLeido(0, 0.2, 0.7),   colorLeido(0, 0.1, 0.4),
        colorLeido(0.4, 0.4, 0.9), colorLeido(0, 0.7, 0.7),   colorLeido(0.7, 0.7, 0.7),
        colorLeido(0, 0.3, 0),     colorLeido(0.3, 0.7, 0.3), colorLeido(0, 0.4, 0.5),
        colorLeido(0.3, 0.7, 0.7), colorLeido(0.8, 0.2, 0.2), colorLeido(1, 0, 0),
        colorLeido(0, 0.8, 0),     colorLeido(0, 1, 0),       colorLeido(0, 1, 0.2),
        colorLeido(0, 0.3, 0.05),  colorLeido(0.8, 0.8, 0.3), colorLeido(0.5, 0.5, 0.5),
        colorLeido(0.1, 0.7, 0.1), colorLeido(0.7, 0, 0),     colorLeido(0.9, 0.2, 0.2),
        colorLeido(0.8, 0.8, 0.8), colorLeido(0, 0, 0)};
    EXPECT_NE(maxima, minima);
    for (const colorRgb& c : otros) {
        EXPECT_NE(maxima, c);
        EXPECT_NE(minima, c);
    }
}

TEST_F(envolventeViga, aMediaLuzLaMaximaEsLaDeC2YLaMinimaLaDeC1) {
    flags[interruptor::textoDiagramas] = 0;
    flags[interruptor::lineasInteriores] = 0;
    dibujar([] { plotMomento(0, escalaM); });
    const std::vector<int> soloC1 = enElVano(contornoM);
    const cajaPixeles c1 = caja(contornoM, ix(2), 0, ix(2), alto - 1);
    limpiar();
    dibujar([] { plotMomento(1, escalaM); });
    const std::vector<int> soloC2 = enElVano(contornoM);
    const cajaPixeles c2 = caja(contornoM, ix(2), 0, ix(2), alto - 1);
    // Each combination alone: -M·escalaM at mid-span, 1 above and 2 below.
    ASSERT_GT(c1.n, 0);
    ASSERT_GT(c2.n, 0);
    EXPECT_NEAR(iy(2 * 0.5), c1.yc(), 1);
    EXPECT_NEAR(iy(-2 * 2 * 0.5), c2.yc(), 1);

    ambosCombos();
    limpiar();
    dibujar([] { plotEnvolventeMomento(escalaM); });
    // The maximum curve is C2's own curve pixel for pixel, the minimum C1's.
    EXPECT_EQ(soloC2, enElVano(maxima));
    EXPECT_EQ(soloC1, enElVano(minima));
    const cajaPixeles kMax = caja(maxima, ix(2), 0, ix(2), alto - 1);
    const cajaPixeles kMin = caja(minima, ix(2), 0, ix(2), alto - 1);
    EXPECT_NEAR(iy(-2), kMax.yc(), 1) << "2·w·L²/8 · escalaM bajo la barra";
    EXPECT_NEAR(iy(1), kMin.yc(), 1) << "w·L²/8 · escalaM sobre la barra";
    EXPECT_EQ(0, contar(contornoM)) << "ni una curva por combinación";

    // Alt+F: cross lines in each curve's colour, half-way to each curve.
    flags[interruptor::lineasInteriores] = 1;
    limpiar();
    dibujar([] { plotEnvolventeMomento(escalaM); });
    EXPECT_EQ(maxima, pixel(ix(2), iy(-1)));
    EXPECT_EQ(minima, pixel(ix(2), iy(0.5)));
    EXPECT_EQ(maxima, pixel(ix(1), iy(-0.75))) << "M(1) = 3 de C2, a -1.5";

    // One combination: both curves are its diagram (the minimum drawn last).
    flags[interruptor::lineasInteriores] = 0;
    flags[interruptor::primerCombo] = 0;
    limpiar();
    dibujar([] { plotEnvolventeMomento(escalaM); });
    EXPECT_EQ(soloC2, enElVano(minima));
    EXPECT_TRUE(enElVano(maxima).empty());
}

TEST_F(envolventeViga, rotulosConElValorYLaCombinacionQueLoDa) {
    ambosCombos();
    const double h = escalaTexto;
    const auto real = captura([] { plotEnvolventeMomento(escalaM); });
    // Largest maximum 4 (C2) and smallest minimum -2 (C1), both at mid-span,
    // centred on their curve.
    auto conRotulos = [h](const char* deMaxima, const char* deMinima) {
        return [=] {
            flags[interruptor::textoDiagramas] = 0;
            plotEnvolventeMomento(escalaM);
            flags[interruptor::textoDiagramas] = 1;
            pintar(maxima);
            drawTextoEscaladoAlineado(2, -2, deMaxima, h, alineacionTexto::centro);
            pintar(minima);
            drawTextoEscaladoAlineado(2, 1, deMinima, h, alineacionTexto::centro);
        };
    };
    const auto esperado = captura(conRotulos("4.000 (C2)", "-2.000 (C1)"));
    const auto cambiados = captura(conRotulos("4.000 (C1)", "-2.000 (C2)"));
    EXPECT_GT(contar(maxima), 300);
    EXPECT_LE(diferencias(real, esperado), 10);
    EXPECT_GT(diferencias(real, cambiados), 40) << "los nombres de las combinaciones se distinguen";

    // Alt+T off: no labels.
    flags[interruptor::textoDiagramas] = 0;
    const auto sinTexto = captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_GT(diferencias(real, sinTexto), 300);
}

// Bar 2 runs from (4, 8) to (0, 8), pointing left: local y points down, so
// the maximum (C2, +4 at mid-span) is drawn at -4·escalaM along local y,
// 2 above the bar, and the minimum (C1, -2) 1 below. Its labels are turned
// to read upright in model axes.
TEST_F(capaPrueba, rotulosDerechosEnUnaVigaHaciaLaIzquierda) {
    cargar("resultados-envolvente.txt", 2, 7.5);
    ambosCombos();
    const double h = escalaTexto;
    const auto real = captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_TRUE(colorCerca(maxima, 2, 10));
    EXPECT_TRUE(colorCerca(minima, 2, 7));
    const auto derecho = captura([h] {
        flags[interruptor::textoDiagramas] = 0;
        plotEnvolventeMomento(escalaM);
        flags[interruptor::textoDiagramas] = 1;
        pintar(maxima);
        drawTextoEscaladoAlineado(2, 10, "4.000 (C2)", h, alineacionTexto::centro);
        pintar(minima);
        drawTextoEscaladoAlineado(2, 7, "-2.000 (C1)", h, alineacionTexto::centro);
    });
    EXPECT_LE(diferencias(real, derecho), 10);
}

// Shear of bar 1: the largest maximum V(0) = 4 of C2 runs into the bar from
// L/50 past the start; the smallest minimum V(4) = -4 of C2 ends L/50 before
// the end.
TEST_F(envolventeViga, rotulosDelCortanteEnLosExtremosHaciaAdentro) {
    ambosCombos();
    const double h = escalaTexto, d = 4.0 / 50, e = escalaV;
    const auto real = captura([] { plotEnvolventeCortante(escalaV); });
    const auto esperado = captura([=] {
        flags[interruptor::textoDiagramas] = 0;
        plotEnvolventeCortante(escalaV);
        flags[interruptor::textoDiagramas] = 1;
        pintar(maxima);
        drawTextoEscaladoAlineado(d, 4 * e, "4.000 (C2)", h, alineacionTexto::inicio);
        pintar(minima);
        drawTextoEscaladoAlineado(4 - d, -4 * e, "-4.000 (C2)", h, alineacionTexto::fin);
    });
    EXPECT_LE(diferencias(real, esperado), 10);
    // The curves: V = q·(x - L/2) on the side of its sign; at x = 1 C1
    // gives -1 and C2 +2.
    flags[interruptor::textoDiagramas] = 0;
    limpiar();
    dibujar([] { plotEnvolventeCortante(escalaV); });
    EXPECT_TRUE(colorCerca(maxima, 1, 2 * e));
    EXPECT_TRUE(colorCerca(minima, 1, -1 * e));
}

// Kept between frames: replayed while nothing changes, compiled again when
// the set of active combinations changes (and on what the other layers
// compile again on).
TEST_F(envolventeViga, guardadaHastaQueCambianLosCombosActivos) {
    ambosCombos();
    const auto primera = captura([] { plotEnvolventeMomento(escalaM); });
    long compiladas = piezasCompiladas();
    const auto segunda = captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_EQ(compiladas, piezasCompiladas());
    EXPECT_EQ(0, diferencias(primera, segunda));

    flags[interruptor::primerCombo] = 2;  // C1 off
    const auto soloC2 = captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_GT(piezasCompiladas(), compiladas);
    EXPECT_GT(diferencias(primera, soloC2), 100);
    compiladas = piezasCompiladas();
    flags[interruptor::primerCombo] = 3;  // C1 on again: the same picture as at first
    const auto otraVez = captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_GT(piezasCompiladas(), compiladas);
    EXPECT_EQ(0, diferencias(primera, otraVez));

    compiladas = piezasCompiladas();
    escalaM *= 1.1;
    captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_GT(piezasCompiladas(), compiladas) << "escala";

    // No active combination: nothing.
    flags[interruptor::primerCombo] = flags[interruptor::primerCombo + 1] = 0;
    captura([] { plotEnvolventeMomento(escalaM); });
    EXPECT_EQ(0, contarNoNegros());
}

// Column of 3 under P = 10 and 1.05·P at its head: N = -10 (C1) and -10.5
// (C2) all along (equilibrium of the cut column). Both extremes stand at the
// start, a twentieth of a text height apart: the minimum's label goes one
// line (1.2 text heights) under the maximum's as read, the bar frame being
// turned 90° (text up along -X).
TEST_F(capaPrueba, rotulosQueSeSolapanSeApilan) {
    cargar("resultados-envolventeColumna.txt", 0.5, 1.5);
    ambosCombos();
    const std::vector<std::string> nombres = {"C1", "C2"};
    const auto r =
        rotulosDeEnvolvente(solucionVisor.barras[0], esfuerzoBarra::axial, {0, 1}, nombres);
    ASSERT_EQ(2u, r.size());
    ASSERT_EQ(lugarRotulo::inicio, r[0].lugar);
    ASSERT_EQ(lugarRotulo::inicio, r[1].lugar);
    const double h = escalaTexto, d = 3.0 / 50, e = escalaN;
    const auto real = captura([] { plotEnvolventeAxial(escalaN); });
    const auto apilados = captura([=] {
        flags[interruptor::textoDiagramas] = 0;
        plotEnvolventeAxial(escalaN);
        flags[interruptor::textoDiagramas] = 1;
        glPushMatrix();
        glRotatef(90, 0, 0, 1);
        pintar(maxima);
        drawTextoEscaladoAlineado(d, -10 * e, "-10.000 (C1)", h, alineacionTexto::inicio);
        pintar(minima);
        drawTextoEscaladoAlineado(d, -10 * e - 1.2 * h, "-10.500 (C2)", h, alineacionTexto::inicio);
        glPopMatrix();
    });
    EXPECT_GT(contar(minima), 200);
    EXPECT_LE(diferencias(real, apilados), 10);
}
