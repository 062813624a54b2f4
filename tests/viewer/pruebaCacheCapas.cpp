// The result layers drawn from what they kept: the same picture frame after
// frame, compiled again only when something they depend on changes, moved
// unchanged by panning, and pieces outside the view left out without
// changing what is seen.
#include "cacheCapas.h"
#include "elementosPlot.h"
#include "interruptores.h"
#include "pruebaResultadosComun.h"
#include "recargaModelo.h"

namespace {

const colorRgb contornoM = colorLeido(0.7, 0.2, 0);

// The portal frame of modeloVisor.h (columns 3 high, beam 4 long), solved,
// in a 400 × 400 canvas showing 6 units (66.7 px per unit) around (2, 1.5).
class cachePortico : public capaPrueba {
  protected:
    void SetUp() override {
        capaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        cargarModeloVisor(textoPortico());
        {
            capturaConsola silencio;
            resolverModeloVisor();
        }
        // Ordinates of at most half a unit: each diagram stays near its bar.
        escalaM = 0.01;
        zCam = 6;
        vista(400, 400, zCam, 2, 1.5);
    }
    // Pieces compiled by one draw of f.
    long compiladasAl(const std::function<void()>& f) {
        const long antes = piezasCompiladas();
        captura(f);
        return piezasCompiladas() - antes;
    }
};

void momentos() {
    plotMomento(0, escalaM);
}

}  // namespace

TEST_F(cachePortico, mismoDibujoSinCompilarDeNuevo) {
    const auto primera = captura(momentos);
    ASSERT_GT(contar(contornoM), 100);
    const long compiladas = piezasCompiladas(), dibujadas = piezasDibujadas();
    const auto segunda = captura(momentos);
    EXPECT_EQ(0, diferencias(primera, segunda));
    EXPECT_EQ(compiladas, piezasCompiladas()) << "nada cambió: se repite lo guardado";
    EXPECT_EQ(dibujadas + 3, piezasDibujadas()) << "una pieza por barra";
    // Compiled again from scratch, the picture is the same.
    anotarModeloNuevo();
    EXPECT_EQ(3, compiladasAl(momentos));
    EXPECT_EQ(0, diferencias(primera, pixeles));
}

TEST_F(cachePortico, cadaCambioDeLoQueSeDibujaCompilaDeNuevo) {
    captura(momentos);
    struct cambio {
        const char* nombre;
        std::function<void()> hacer;
    };
    const cambio cambios[] = {
        {"escalaM", [] { escalaM *= 1.1; }},
        {"escalaTexto", [] { escalaTexto *= 1.1; }},
        {"precision", [] { precision = 1; }},
        {"texto de diagramas (Alt+T)", [] { ++flags[interruptor::textoDiagramas]; }},
        {"líneas interiores (Alt+F)", [] { ++flags[interruptor::lineasInteriores]; }},
        {"marcadores de nudos (Alt+N)", [] { ++flags[interruptor::marcadoresNudos]; }},
        {"barra aislada", [] { barrasAisladas(1) = 0; }},
        {"modelo nuevo", [] { anotarModeloNuevo(); }},
    };
    for (const cambio& k : cambios) {
        EXPECT_EQ(0, compiladasAl(momentos)) << "antes de " << k.nombre;
        k.hacer();
        EXPECT_GT(compiladasAl(momentos), 0) << k.nombre;
    }
    // The zoom changes the arrow heads of the loads only.
    captura([] { plotCarga(0, escalaCarga); });
    zCam *= 1.07;
    EXPECT_EQ(0, compiladasAl(momentos)) << "momentos tras el zoom";
    EXPECT_GT(compiladasAl([] { plotCarga(0, escalaCarga); }), 0) << "cargas tras el zoom";
}

TEST_F(cachePortico, paneoDesplazaElDibujoGuardado) {
    const std::vector<unsigned char> antes = captura(momentos);
    // 10 px = 10·6/400 = 0.15 units; the camera moves left, the picture right.
    camara(2 - 0.15, 1.5);
    const long compiladas = piezasCompiladas();
    captura(momentos);
    EXPECT_EQ(compiladas, piezasCompiladas());
    int distintos = 0, comparados = 0;
    for (int y = 0; y < alto; ++y) {
        for (int x = 10; x < ancho; ++x) {
            const size_t a = (static_cast<size_t>(y) * ancho + x - 10) * 3;
            const size_t b = (static_cast<size_t>(y) * ancho + x) * 3;
            distintos += antes[a] != pixeles[b] || antes[a + 1] != pixeles[b + 1] ||
                         antes[a + 2] != pixeles[b + 2];
            comparados += antes[a] != 0 || antes[a + 1] != 0;
        }
    }
    EXPECT_GT(comparados, 100);
    EXPECT_LE(distintos, 10) << "el dibujo se desplaza 10 px sin cambiar";
}

TEST_F(cachePortico, piezasFueraDeLaVistaNoSeDibujan) {
    // A 900 × 900 canvas with 150 px per unit shows the whole frame ...
    zCam = 6;
    vista(900, 900, zCam, 2, 1.5);
    const auto todo = captura(momentos);
    // ... and a 150 × 150 one with the same 150 px per unit around the
    // right column's foot (4, 0), the centre of the big canvas's block
    // from column 750 - 75 and row 225 - 75, shows only that column.
    zCam = 1;
    vista(150, 150, zCam, 4, 0);
    const long dibujadas = piezasDibujadas();
    const auto parte = captura(momentos);
    EXPECT_EQ(dibujadas + 1, piezasDibujadas()) << "solo la columna derecha";
    EXPECT_GT(contar(contornoM), 20);
    int distintos = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 150; ++x) {
            const size_t a = (static_cast<size_t>(y + 225 - 75) * 900 + x + 750 - 75) * 3;
            const size_t b = (static_cast<size_t>(y) * 150 + x) * 3;
            distintos +=
                todo[a] != parte[b] || todo[a + 1] != parte[b + 1] || todo[a + 2] != parte[b + 2];
        }
    }
    EXPECT_LE(distintos, 10);
}

// colorPorCombo: the layer follows the active combinations (colour and
// place) and, once no pan is under way, the view its labels are placed in;
// during a pan it is replayed.
TEST_F(cachePortico, colorPorComboSigueLosCombosYLaVistaSoloFueraDelPaneo) {
    flags[interruptor::primerCombo] = 1;
    flags[interruptor::colorPorCombo] = 1;
    xCentroObj = 2;
    yCentroObj = 1.5;
    clickIzq = 0;
    captura(momentos);
    EXPECT_EQ(0, compiladasAl(momentos));
    // Another combination activated before it: C1 keeps its place (first).
    flags[interruptor::primerCombo + 1] = 1;
    EXPECT_GT(compiladasAl(momentos), 0) << "otro conjunto de combos activos";
    // A pan under way: the kept pieces move with it.
    clickIzq = 1;
    xCentroObj += 0.5;
    EXPECT_EQ(0, compiladasAl(momentos)) << "durante el paneo";
    // Released: the labels are placed again for the view reached.
    clickIzq = -1;
    EXPECT_EQ(3, compiladasAl(momentos)) << "al soltar el botón";
    EXPECT_EQ(0, compiladasAl(momentos));
    zCam *= 1.07;
    EXPECT_EQ(3, compiladasAl(momentos)) << "un paso de zoom";
    // Off: the view no longer matters.
    flags[interruptor::colorPorCombo] = 0;
    captura(momentos);
    xCentroObj += 0.5;
    EXPECT_EQ(0, compiladasAl(momentos));
}
