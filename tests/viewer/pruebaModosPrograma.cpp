// End to end through the real program on ejemplos/porticoSegundoOrden.txt:
// "modal" and "pandeo" draw a mode in the deformed shape's cyan with its
// title line, "modo" changes it, F5 keeps it; the second-order moments of
// the file are drawn like any others. The pictures of the README are taken
// here with the program's own "captura".
#include <functional>

#include "programaEnVentana.h"

namespace {

// Colour of the title line of a mode: (0, 0.7, 0.7) too, so the cyan
// pixels of the top band are the title's.
constexpr int bandaTitulo = 25;

int pixelesEnBanda(const imagen& im, colorPx c, int desde, int hasta) {
    int n = 0;
    for (int y = desde; y < hasta && y < im.alto; ++y)
        for (int x = 0; x < im.ancho; ++x) {
            const size_t i = (static_cast<size_t>(y) * im.ancho + x) * 3;
            n += im.datos[i] == c.r && im.datos[i + 1] == c.g && im.datos[i + 2] == c.b;
        }
    return n;
}

class modosPrograma : public programaEnVentana {
  protected:
    std::string modeloInicial() const override {
        return std::string(KARVEL_RAIZ) + "/ejemplos/porticoSegundoOrden.txt";
    }
    // Keeps the last capture as capturas/<nombre> of the build folder.
    void guardarCaptura(const std::string& numero, const std::string& nombre) {
        (void)std::system(("mkdir -p '" + std::string(KARVEL_BINARIOS) + "/capturas' && cp '" +
                           carpeta + "/captura-" + numero + ".png' '" + KARVEL_BINARIOS +
                           "/capturas/" + nombre + "'")
                              .c_str());
    }
};

}  // namespace

TEST_F(modosPrograma, modalPandeoYModoSeDibujanYSiguenTrasF5) {
    imagen pantalla = trasCambio(imagen{});
    EXPECT_EQ(0, pantalla.contar(cianDeformada));
    pantalla = ejecutar("modal", pantalla);
    const imagen modal1 = pantalla;
    EXPECT_GT(pixelesEnBanda(modal1, cianDeformada, 0, bandaTitulo), 100) << "línea de título";
    EXPECT_GT(pixelesEnBanda(modal1, cianDeformada, bandaTitulo, modal1.alto), 500)
        << "el modo dibujado";
    EXPECT_NE(consolaDelPrograma().find("Modal: 6 modos, período fundamental "), std::string::npos);
    pantalla = ejecutar("captura", pantalla);
    guardarCaptura("001", "modal.png");

    // Mode 2: another shape, another title.
    pantalla = ejecutar("modo", pantalla);
    pantalla = ejecutar("2", pantalla);
    const imagen modal2 = pantalla;
    EXPECT_GT(modal2.contar(cianDeformada), 500);

    // F5 reads the file again: the same mode, the same picture.
    xdo("key F5");
    ASSERT_TRUE(esperar(
        [&] { return consolaDelPrograma().find("Reinicio del programa") != std::string::npos; }));
    EXPECT_TRUE(esperar([&] { return capturar() == modal2; })) << "tras F5";

    // Buckling of the first combination: another picture, with a title.
    pantalla = ejecutar("pandeo", modal2);
    EXPECT_GT(pixelesEnBanda(pantalla, cianDeformada, 0, bandaTitulo), 100);
    EXPECT_NE(consolaDelPrograma().find("Pandeo: combo GRAVEDAD, factor de carga crítica "),
              std::string::npos);
    pantalla = ejecutar("captura", pantalla);
    guardarCaptura("002", "pandeo.png");

    // The moments of the wind combination, of second order.
    for (const char* c : {"plotM", "combo", "VIENTO"}) pantalla = ejecutar(c, pantalla);
    EXPECT_EQ(0, pixelesEnBanda(pantalla, cianDeformada, 0, bandaTitulo)) << "sin modo";
    EXPECT_GT(pantalla.contar(contornoM), 200);
    pantalla = ejecutar("captura", pantalla);
    guardarCaptura("003", "segundoOrden.png");
}
