// "colorPorCombo" on the screen: with two combinations active, their
// reaction lists stand one below the other, each in its colour and with its
// name; the names in the list of combinations take the same colours; a
// value label that would stand over that list slides along its bar out of
// it; switched off again, every layer draws exactly what it drew before.
// "encuadrar" brings the camera back over the model after panning away.
#include <functional>

#include "colorPorCombo.h"
#include "elementosPlot.h"
#include "funcionPlot.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "ventanaPrueba.h"

namespace {

colorRgb colorLeidoDe(const colorCombo& k) {
    return colorDe(k.rgb[0], k.rgb[1], k.rgb[2]);
}

const colorRgb rojoReaccion = colorDe(1, 0, 0);
const colorRgb comboActivo = colorDe(0, 1, 0.2);

void camaraDelVisor() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(xCam, yCam, zCam, xCentroObj, yCentroObj, 0, 0, 1, 0);
}

// The portal frame of the viewer tests (both bases fixed, C1 and C2) solved,
// in a 400 × 400 window of the viewer's own projection and camera, with C1
// and C2 active.
class colorPorComboPrueba : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModelo(textoPortico());
    }
    void cargarModelo(const std::string& texto) {
        cargarModeloVisor(texto);
        resolverModeloVisor();
        funcionFronteraGraf();
        flags[interruptor::primerCombo] = 1;
        flags[interruptor::primerCombo + 1] = 1;
    }
    void ventanaDe(int w, int h) {
        lienzo(w, h);
        changeSize(w, h);
        camaraDelVisor();
    }
    // Pixels that differ between two captures, as a mask.
    static std::vector<bool> distintos(const std::vector<unsigned char>& a,
                                       const std::vector<unsigned char>& b) {
        std::vector<bool> d(a.size() / 3, false);
        for (size_t i = 0; i + 2 < a.size(); i += 3) {
            d[i / 3] = a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
        }
        return d;
    }
    std::vector<unsigned char> captura(const std::function<void()>& f) {
        limpiar();
        camaraDelVisor();
        dibujar(f);
        return pixeles;
    }
};

}  // namespace

TEST_F(colorPorComboPrueba, reaccionesDeDosCombosUnaBajoOtraEnSusColores) {
    // Node 1 at the left of a 4-unit view around it: 100 px per unit; text
    // 0.3 high (30 px), lists of three lines (Rx, Ry, Mz).
    zCam = 4;
    xCentroObj = xCam = 1.5;
    yCentroObj = yCam = -1.5;
    ventanaDe(400, 400);
    escalaTexto = 0.3;
    auto reacciones = [] {
        plotReacciones(0);
        plotReacciones(1);
    };
    // As the Parts draw them: both lists in red on the same lines.
    dibujar(reacciones);
    const cajaPixeles juntas = caja(rojoReaccion);
    ASSERT_GT(juntas.n, 0);

    flags[interruptor::colorPorCombo] = 1;
    limpiar();
    camaraDelVisor();
    dibujar(reacciones);
    EXPECT_EQ(0, contar(rojoReaccion));
    const cajaPixeles c1 = caja(colorLeidoDe(colorDePaleta(0)));
    const cajaPixeles c2 = caja(colorLeidoDe(colorDePaleta(1)));
    ASSERT_GT(c1.n, 0);
    ASSERT_GT(c2.n, 0);
    EXPECT_GT(c1.y0, c2.y1) << "la lista de C1 queda entera sobre la de C2";
    // The first list where it was (its parentheses reach a little higher
    // than the digits).
    EXPECT_NEAR(juntas.x0, c1.x0, 1);
    EXPECT_NEAR(juntas.y1, c1.y1, 5);
    // Three lines of 30 px lower: the second list starts a list below.
    EXPECT_NEAR(c1.y1 - c2.y1, 90, 2);
    // Each line carries the name: " (C1)" makes the lines five characters
    // (0.3 · 104.76 / 152.38 = 0.206 units, 20.6 px each) longer.
    EXPECT_NEAR((c1.x1 - c1.x0) - (juntas.x1 - juntas.x0), 5 * 20.6, 4);
}

TEST_F(colorPorComboPrueba, nombresDeLaListaEnElColorDeSuCombo) {
    ventanaDe(400, 400);
    flags[interruptor::primerCombo] = 0;  // C2 alone is active
    flags[interruptor::colorPorCombo] = 1;
    dibujar([] { plotDialogo(); });
    // The first active combination takes the first colour; C1, inactive,
    // keeps the dark green.
    EXPECT_GT(contar(colorLeidoDe(colorDePaleta(0))), 0);
    EXPECT_EQ(0, contar(comboActivo));
    EXPECT_GT(contar(colorDe(0, 0.3, 0.05)), 0);
    flags[interruptor::colorPorCombo] = 0;
    limpiar();
    dibujar([] { plotDialogo(); });
    EXPECT_EQ(0, contar(colorLeidoDe(colorDePaleta(0))));
    EXPECT_GT(contar(comboActivo), 0);
}

// A fixed-fixed beam of 8 whose right-end moment label falls under the list
// of combinations: with colorPorCombo it slides left along the beam, clear
// of the list's text and still inside the window.
TEST_F(colorPorComboPrueba, rotuloBajoLaListaSeCorreALoLargoDeSuBarra) {
    cargarModelo(
        "nudos: 1 0 0 2 8 0\nbarras: 1 1 2\napoyo: 1 1 1 1 2\n"
        "seccionGenerica: S 1 0.001 2e7 0 1\ndistribuidaLocal: Q 0 0 -1 -1 1\n"
        "combo: C1 1 Q\ncombo: C2 2 Q\n");
    flags[interruptor::primerCombo + 1] = 0;
    // The beam 3.9 units above the centre of a 10-unit view: the top band
    // where the list stands (40 px per unit, 12 px of L).
    zCam = 10;
    xCentroObj = xCam = 4;
    yCentroObj = yCam = -3.9;
    ventanaDe(400, 400);
    escalaTexto = 0.4;
    escalaM = 0.01;
    // Where the list's text is.
    dibujar([] { plotDialogo(); });
    cajaPixeles lista = caja(colorDe(0, 1, 0), 0, 200, 399, 399);  // heading
    for (const colorRgb c : {comboActivo, colorDe(0, 0.3, 0.05)}) {
        const cajaPixeles k = caja(c);
        lista.x0 = std::min(lista.x0, k.x0);
        lista.y0 = std::min(lista.y0, k.y0);
        lista.x1 = std::max(lista.x1, k.x1);
        lista.y1 = std::max(lista.y1, k.y1);
    }
    ASSERT_GT(lista.n, 0);
    // Label pixels: what switch 14 (the values) adds to the diagram.
    auto rotulos = [&](int enListaMinimo) {
        flags[interruptor::textoDiagramas] = 0;
        const auto sin = captura([] { plotMomento(0, escalaM); });
        flags[interruptor::textoDiagramas] = 1;
        const auto con = captura([] { plotMomento(0, escalaM); });
        const std::vector<bool> d = distintos(sin, con);
        int total = 0, enLista = 0;
        for (size_t p = 0; p < d.size(); ++p) {
            if (!d[p]) continue;
            const int x = static_cast<int>(p % ancho), y = static_cast<int>(p / ancho);
            ++total;
            enLista += x >= lista.x0 && x <= lista.x1 && y >= lista.y0 && y <= lista.y1;
        }
        EXPECT_GE(enLista, enListaMinimo);
        return std::pair<int, int>{total, enLista};
    };
    const auto partes = rotulos(20);  // as the Parts place it: over the list
    flags[interruptor::colorPorCombo] = 1;
    const auto dentro = rotulos(0);
    EXPECT_EQ(0, dentro.second) << "ningún píxel de rótulo sobre la lista";
    EXPECT_GT(dentro.first, partes.first) << "los rótulos siguen, con el nombre del combo";
}

// On, then off again: every layer draws what it drew before it was ever on
// (nothing kept from the coloured pictures).
TEST_F(colorPorComboPrueba, apagadoCadaCapaIgualQueAntes) {
    ventanaDe(400, 400);
    const std::vector<std::function<void()>> capas = {[] {
                                                          plotDeformada(0, escalaDef);
                                                          plotDeformada(1, escalaDef);
                                                      },
                                                      [] {
                                                          plotAxial(0, escalaN);
                                                          plotAxial(1, escalaN);
                                                      },
                                                      [] {
                                                          plotCortante(0, escalaV);
                                                          plotCortante(1, escalaV);
                                                      },
                                                      [] {
                                                          plotMomento(0, escalaM);
                                                          plotMomento(1, escalaM);
                                                      },
                                                      [] {
                                                          plotCarga(0, escalaCarga);
                                                          plotCarga(1, escalaCarga);
                                                      },
                                                      [] {
                                                          plotReacciones(0);
                                                          plotReacciones(1);
                                                      },
                                                      [] { plotDialogo(); }};
    for (size_t k = 0; k < capas.size(); ++k) {
        flags[interruptor::colorPorCombo] = 0;
        const auto antes = captura(capas[k]);
        flags[interruptor::colorPorCombo] = 1;
        const auto encendido = captura(capas[k]);
        flags[interruptor::colorPorCombo] = 2;
        const auto despues = captura(capas[k]);
        EXPECT_NE(antes, encendido) << "capa " << k;
        EXPECT_EQ(antes, despues) << "capa " << k;
    }
}

// After a pan that leaves the model out of the window, "encuadrar" puts the
// camera back where the start-up put it: every node inside the window.
TEST_F(colorPorComboPrueba, encuadrarDespuesDeUnPaneoTraeElModelo) {
    const double x0 = xCam, y0 = yCam, z0 = zCam;
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100);
    mouseMove(5000, 4000);  // the model runs off the window
    mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 5000, 4000);
    zoomIn();
    ASSERT_NE(x0, xCam);
    encuadrarModelo();
    EXPECT_DOUBLE_EQ(x0, xCam);
    EXPECT_DOUBLE_EQ(y0, yCam);
    EXPECT_DOUBLE_EQ(x0, xCentroObj);
    EXPECT_DOUBLE_EQ(y0, yCentroObj);
    EXPECT_DOUBLE_EQ(z0, zCam);
    ventanaDe(400, 400);
    dibujar([] { plotNudos(); });
    // Four node spheres (dark red), all inside and away from the edges.
    const cajaPixeles nudos = caja(colorDe(0.7, 0, 0));
    ASSERT_GT(nudos.n, 0);
    EXPECT_GT(nudos.x0, 10);
    EXPECT_GT(nudos.y0, 10);
    EXPECT_LT(nudos.x1, 389);
    EXPECT_LT(nudos.y1, 389);
}
