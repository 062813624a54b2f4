// The mode commands without a window: "pandeo" and "modal" switch the mode
// layer with their replies, "modo" asks for the number, the other result
// layers turn it off, and what the layer would draw (title, scale).
#include <gtest/gtest.h>

#include <cmath>

#include "autoEscala.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "modosVisor.h"

namespace {

efectoTecla teclear(const std::string& texto) {
    for (unsigned char c : texto) procesarTecla(c, false, false);
    return procesarTecla(13, false, false);
}

// The viewer's portal frame with a mass of 2 on each beam node (and the
// self weight as mass), solved; its consoles silenced.
class modosVisor : public ::testing::Test {
  protected:
    void SetUp() override {
        cargarModeloVisor(textoPortico() + "masa: 2 2 3\ngravedad: 9.81\n");
        resolverModeloVisor();
    }
    std::string orden(const std::string& texto) {
        capturaConsola silencio;
        teclear(texto);
        return dialogo;
    }
};

}  // namespace

TEST_F(modosVisor, modalYPandeoAlternanLaCapaDeModos) {
    EXPECT_EQ("Modos de Vibracion Activado. Ingrese Comando:", orden("modal"));
    EXPECT_EQ(1, flags[interruptor::capaModos]);
    const modoDibujado m = modoActual();
    EXPECT_EQ(tipoModo::modal, m.tipo);
    EXPECT_EQ(1, m.numero);
    EXPECT_EQ(0u, m.titulo.find("Modo de vibracion 1: periodo "));
    // Automatic scale: the largest translation is the auto-scale share of
    // the view.
    double mayor = 0;
    for (Eigen::Index g = 0; g + 1 < m.forma.size(); g += 3)
        mayor = std::max(mayor, std::hypot(m.forma(g), m.forma(g + 1)));
    EXPECT_NEAR(mayor * m.escala, fraccionAutoEscala * zCam, 1e-9 * zCam);

    // "pandeo" shows the buckling mode instead; again, and the layer is off.
    EXPECT_EQ("Pandeo Activado. Ingrese Comando:", orden("pandeo"));
    EXPECT_EQ(0u, modoActual().titulo.find("Pandeo, combo C1, modo 1: factor de carga critica "));
    EXPECT_EQ("Pandeo Desactivado. Ingrese Comando:", orden("pandeo"));
    EXPECT_EQ(0, flags[interruptor::capaModos]);
    EXPECT_EQ(tipoModo::ninguno, modoActual().tipo);
}

TEST_F(modosVisor, pandeoDelPrimerComboActivo) {
    orden("combo");
    orden("C2");
    orden("pandeo");
    EXPECT_EQ(0u, modoActual().titulo.find("Pandeo, combo C2, modo 1"));
}

TEST_F(modosVisor, modoPreguntaElNumero) {
    EXPECT_EQ("Active primero pandeo o modal. Ingrese Comando:", (orden("modo"), orden("1")));
    orden("modal");
    EXPECT_EQ("Ingrese el número de modo:", orden("modo"));
    EXPECT_EQ("Modo 3. Ingrese Comando:", orden("3"));
    EXPECT_EQ(3, modoActual().numero);
    EXPECT_EQ(0u, modoActual().titulo.find("Modo de vibracion 3: "));
    // Beyond the modes computed by default: computed on demand.
    orden("modo");
    EXPECT_EQ("Modo 8. Ingrese Comando:", orden("8"));
    for (const char* malo : {"0", "x", "", "99999", "1x", "2 3"}) {
        orden("modo");
        EXPECT_EQ("el modo no existe. Ingrese Comando:", orden(malo)) << malo;
        EXPECT_EQ(8, modoActual().numero);
    }
    // More modes than the model has (12 free freedoms at most here, 4 x 3
    // nodes of which 5 restrained, times the subdivision).
    orden("modo");
    EXPECT_EQ("el modo no existe. Ingrese Comando:", orden("9999"));
}

TEST_F(modosVisor, otraCapaApagaLosModosYLosModosLasCapas) {
    orden("plotM");
    orden("modal");
    EXPECT_EQ(0, flags[interruptor::capaMomento]);
    EXPECT_EQ("Momentos Flectores Activados. Ingrese Comando:", orden("plotM"));
    EXPECT_EQ(0, flags[interruptor::capaModos]);
    EXPECT_EQ(tipoModo::ninguno, modoActual().tipo);
}

TEST(modosVisorSinMasa, sinMasaNoSeActivaYLoDice) {
    cargarModeloVisor(textoPortico());
    resolverModeloVisor();
    capturaConsola consola;
    teclear("modal");
    EXPECT_EQ("Sin modos de vibracion (ver la consola). Ingrese Comando:", dialogo);
    EXPECT_EQ(0, flags[interruptor::capaModos]);
    EXPECT_NE(consola.texto().find("Advertencia: el modelo no tiene masa"), std::string::npos);
    // A model that is not solved has no modes either.
    cargarModeloVisor(textoPortico());
    teclear("pandeo");
    EXPECT_EQ("Sin factores de pandeo (ver la consola). Ingrese Comando:", dialogo);
}
