// End to end through the real program, as a newcomer drives it: a file that
// is not there says so on the message line, at start-up and after F5;
// "encuadrar" brings the model back after a pan and after F5 on a larger
// model; "colorPorCombo" draws the reactions of two combinations one list
// under the other in their two colours, and stays on across F5.
#include <algorithm>
#include <functional>
#include <sstream>

#include "programaEnVentana.h"

namespace {

// The first two colours of the combinations' palette, as read back.
const colorPx naranjaCombo{255, 153, 0};
const colorPx celesteCombo{0, 204, 255};
const colorPx verdeDialogo{0, 255, 0};

// Box of the pixels of colour c inside a region (image rows from the top).
struct caja {
    int n = 0, x0 = 1 << 30, x1 = -1, y0 = 1 << 30, y1 = -1;
};
caja cajaDe(const imagen& im, colorPx c, int xa = 0, int ya = 0, int xb = 1 << 30,
            int yb = 1 << 30) {
    caja k;
    for (int y = std::max(0, ya); y <= std::min(im.alto - 1, yb); ++y) {
        for (int x = std::max(0, xa); x <= std::min(im.ancho - 1, xb); ++x) {
            const size_t i = (static_cast<size_t>(y) * im.ancho + x) * 3;
            if (im.datos[i] != c.r || im.datos[i + 1] != c.g || im.datos[i + 2] != c.b) continue;
            ++k.n;
            k.x0 = std::min(k.x0, x);
            k.x1 = std::max(k.x1, x);
            k.y0 = std::min(k.y0, y);
            k.y1 = std::max(k.y1, y);
        }
    }
    return k;
}

// The prompt's text at the bottom left (the credit, same green, is at the
// right).
caja dialogoDe(const imagen& im) {
    return cajaDe(im, verdeDialogo, 0, im.alto - 100, im.ancho / 2, im.alto - 1);
}

class novato : public programaEnVentana {
  protected:
    imagen recargar(const imagen& antes) {
        const size_t reinicios = veces("Reinicio del programa");
        xdo("key F5");
        EXPECT_TRUE(esperar([&] { return veces("Reinicio del programa") > reinicios; }));
        return trasCambio(antes);
    }
    size_t veces(const std::string& trozo) const {
        const std::string texto = consolaDelPrograma();
        size_t n = 0;
        for (size_t p = texto.find(trozo); p != std::string::npos; p = texto.find(trozo, p + 1))
            ++n;
        return n;
    }
    void escribirModelo(const std::string& texto) {
        const std::string modelo = carpeta + "/ingresoDatos.txt";
        std::ofstream(modelo + ".nuevo", std::ios::trunc) << texto;
        std::rename((modelo + ".nuevo").c_str(), modelo.c_str());
    }
    std::string modeloOriginal() const {
        std::ifstream f(std::string(KARVEL_RAIZ) + "/ingresoDatos.txt");
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
};

}  // namespace

TEST_F(novato, archivoQueFaltaLoDiceEnLaLineaDeMensajes) {
    const imagen normal = trasCambio(imagen{});
    const caja comando = dialogoDe(normal);  // "Comando:" and "/>"
    ASSERT_GT(comando.n, 0);
    detener();
    arrancar(carpeta, "noExiste.txt");
    const imagen falta = trasCambio(imagen{});
    // "No se pudo leer noExiste.txt: el archivo no existe. Ingrese Comando:"
    // is some 60 characters of about 6 pixels: far wider than "Comando:".
    const caja mensaje = dialogoDe(falta);
    EXPECT_GT(mensaje.x1 - mensaje.x0, 300);
    EXPECT_LT(comando.x1 - comando.x0, 80);
    EXPECT_EQ(0, falta.contar(grisBarra)) << "no hay modelo";
    // The file appears and F5 reads it: the model, and "Ingrese Comando:".
    std::ofstream(carpeta + "/noExiste.txt") << modeloOriginal();
    const imagen leida = recargar(falta);
    const caja despues = dialogoDe(leida);
    EXPECT_LT(despues.x1 - despues.x0, 150);  // "Ingrese Comando:"
    EXPECT_GT(leida.contar(grisBarra), 0);
}

TEST_F(novato, encuadrarTrasUnPaneoYTrasF5ConOtroModelo) {
    const imagen inicio = trasCambio(imagen{});
    const caja barras = cajaDe(inicio, grisBarra);
    ASSERT_GT(barras.n, 0);
    // A long drag to the right: most of the model leaves the window.
    xdo("mousemove --window " + ventana + " 100 400 mousedown 1");
    for (int x = 150; x <= 950; x += 50) {
        xdo("mousemove --window " + ventana + " " + std::to_string(x) + " 400");
    }
    xdo("mouseup 1");
    imagen pantalla = trasCambio(inicio);
    EXPECT_GT(cajaDe(pantalla, grisBarra).x0, barras.x0 + 400);
    pantalla = ejecutar("encuadrar", pantalla);
    const caja encuadradas = cajaDe(pantalla, grisBarra);
    EXPECT_EQ(barras.x0, encuadradas.x0);
    EXPECT_EQ(barras.x1, encuadradas.x1);
    EXPECT_EQ(barras.y0, encuadradas.y0);
    EXPECT_EQ(barras.y1, encuadradas.y1);

    // The same frame ten times larger: F5 keeps the camera, the model runs
    // off the window; "encuadrar" frames it as the first one was.
    std::string grande = modeloOriginal();
    const std::string de = "nudos:\n1 0 0\n2 0 3\n3 4 3\n4 4 0\n";
    ASSERT_NE(std::string::npos, grande.find(de));
    grande.replace(grande.find(de), de.size(), "nudos:\n1 0 0\n2 0 30\n3 40 30\n4 40 0\n");
    escribirModelo(grande);
    pantalla = recargar(pantalla);
    // Only the left column shows, running out at the top.
    const caja parte = cajaDe(pantalla, grisBarra);
    EXPECT_LT(parte.x1, barras.x1 - 400) << "la columna derecha fuera de la ventana";
    EXPECT_LT(parte.y0, 5) << "la columna izquierda sale por arriba";
    pantalla = ejecutar("encuadrar", pantalla);
    const caja grandes = cajaDe(pantalla, grisBarra);
    EXPECT_NEAR(barras.x0, grandes.x0, 1);
    EXPECT_NEAR(barras.x1, grandes.x1, 1);
    EXPECT_NEAR(barras.y0, grandes.y0, 1);
    EXPECT_NEAR(barras.y1, grandes.y1, 1);
}

TEST_F(novato, colorPorComboDosListasDeReaccionesQueNoSeTapan) {
    imagen pantalla = trasCambio(imagen{});
    for (const char* c : {"colorPorCombo", "combo", "C1", "combo", "C2", "plotR"}) {
        pantalla = ejecutar(c, pantalla);
    }
    // Node 1 at (180, 640) of the 1000 × 800 window; its lists stand right
    // of it and below. C1's entirely above C2's.
    const caja c1 = cajaDe(pantalla, naranjaCombo, 150, 400, 500, 799);
    const caja c2 = cajaDe(pantalla, celesteCombo, 150, 400, 500, 799);
    ASSERT_GT(c1.n, 50);
    ASSERT_GT(c2.n, 50);
    EXPECT_LT(c1.y1, c2.y0) << "las filas de C1 y de C2 no se tocan";
    EXPECT_EQ(0, pantalla.contar(rojoReaccion)) << "ninguna en el rojo de siempre";
    // The names in the list of combinations in the same two colours.
    EXPECT_GT(cajaDe(pantalla, naranjaCombo, 750, 0, 999, 80).n, 0);
    EXPECT_GT(cajaDe(pantalla, celesteCombo, 750, 0, 999, 80).n, 0);

    // F5 keeps the switch: the same picture.
    const imagen antes = pantalla;
    xdo("key F5");
    ASSERT_TRUE(esperar([&] { return veces("Reinicio del programa") == 1; }));
    EXPECT_TRUE(esperar([&] { return capturar() == antes; })) << "tras F5";

    // The moments of both combinations for the documentation, with the
    // program's own capture.
    pantalla = ejecutar("plotM", pantalla);
    pantalla = ejecutar("captura", pantalla);
    ASSERT_TRUE(esperar([&] { return access((carpeta + "/captura-001.png").c_str(), F_OK) == 0; }));
    (void)std::system(("mkdir -p '" + std::string(KARVEL_BINARIOS) + "/capturas' && cp '" +
                       carpeta + "/captura-001.png' '" + KARVEL_BINARIOS +
                       "/capturas/colorPorCombo.png'")
                          .c_str());

    // Off again: the reactions in red as always.
    pantalla = ejecutar("plotR", pantalla);
    pantalla = ejecutar("colorPorCombo", pantalla);
    EXPECT_GT(pantalla.contar(rojoReaccion), 50);
    EXPECT_EQ(0, cajaDe(pantalla, naranjaCombo).n);
}
