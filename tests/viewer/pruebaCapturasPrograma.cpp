// End to end through the real program on the portal frame of
// ingresoDatos.txt: "captura" writes what the window shows, numbered;
// "capturaPDF" and "capturaSVG" write vector drawings that render with the
// usual tools; a folder that takes no files gets none; "autoEscala" makes
// the largest moment 8 % of the view; "vigilar" reloads on every change of
// the file; "envolvente" draws the envelope of the active combinations and
// keeps it across F5.
#include <algorithm>
#include <functional>
#include <sstream>

#include "carpetaSoloLectura.h"
#include "programaEnVentana.h"

namespace {

bool existe(const std::string& ruta) {
    return access(ruta.c_str(), F_OK) == 0;
}

// Times a text occurs in a file.
int vecesEn(const std::string& ruta, const std::string& trozo) {
    std::ifstream f(ruta);
    std::stringstream s;
    s << f.rdbuf();
    const std::string texto = s.str();
    int n = 0;
    for (size_t p = texto.find(trozo); p != std::string::npos; p = texto.find(trozo, p + 1)) ++n;
    return n;
}

std::string contenido(const std::string& ruta) {
    std::ifstream f(ruta);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class capturas : public programaEnVentana {
  protected:
    // The moments of C1 on screen.
    imagen momentosC1() {
        imagen pantalla = trasCambio(imagen{});
        for (const char* c : {"plotM", "combo", "C1"}) pantalla = ejecutar(c, pantalla);
        return pantalla;
    }
};

}  // namespace

TEST_F(capturas, capturaPngIgualALaVentanaYNumerada) {
    imagen pantalla = momentosC1();
    pantalla = ejecutar("captura", pantalla);
    const std::string primera = carpeta + "/captura-001.png";
    ASSERT_TRUE(existe(primera));
    const imagen png = leerImagen(primera);
    ASSERT_EQ(1000, png.ancho);
    ASSERT_EQ(800, png.alto);
    EXPECT_TRUE(esperar([&] { return png == capturar(); }))
        << "la captura es la ventana, píxel por píxel";
    EXPECT_GT(png.contar(contornoM), 50);

    pantalla = ejecutar("captura", pantalla);
    ASSERT_TRUE(existe(carpeta + "/captura-002.png"));
    const imagen segunda = leerImagen(carpeta + "/captura-002.png");
    EXPECT_TRUE(esperar([&] { return segunda == capturar(); }));
    EXPECT_TRUE(png == leerImagen(primera)) << "la primera no se sobrescribe";
}

TEST_F(capturas, capturasVectorialesSeLeenConLasHerramientasHabituales) {
    for (const char* c : {"pdftoppm", "rsvg-convert"}) {
        if (!hayComando(c)) GTEST_SKIP() << "Falta " << c;
    }
    imagen pantalla = momentosC1();
    pantalla = ejecutar("capturaPDF", pantalla);
    const std::string pdf = carpeta + "/captura-001.pdf";
    ASSERT_TRUE(esperar([&] { return existe(pdf); }));
    EXPECT_EQ("%PDF", contenido(pdf).substr(0, 4));
    // One point per pixel, no smoothing: exact colours where lines are.
    ASSERT_EQ(0, std::system(("pdftoppm -r 72 -aa no -aaVector no -png -singlefile '" + pdf +
                              "' '" + carpeta + "/pdf'")
                                 .c_str()));
    const imagen pagina = leerImagen(carpeta + "/pdf.png");
    ASSERT_EQ(1000, pagina.ancho);
    ASSERT_EQ(800, pagina.alto);
    // Every moment pixel of the window has the moment colour in the drawing
    // within one pixel.
    int cerca = 0;
    const std::vector<size_t> enVentana = pantalla.donde(contornoM);
    for (size_t p : enVentana) {
        const int x = static_cast<int>(p % 1000), y = static_cast<int>(p / 1000);
        bool hay = false;
        for (int dy = -1; dy <= 1 && !hay; ++dy) {
            for (int dx = -1; dx <= 1 && !hay; ++dx) {
                const int xx = x + dx, yy = y + dy;
                if (xx < 0 || yy < 0 || xx >= 1000 || yy >= 800) continue;
                const size_t i = (static_cast<size_t>(yy) * 1000 + xx) * 3;
                hay = pagina.datos[i] == contornoM.r && pagina.datos[i + 1] == contornoM.g &&
                      pagina.datos[i + 2] == contornoM.b;
            }
        }
        cerca += hay;
    }
    ASSERT_GT(enVentana.size(), 50u);
    EXPECT_GE(cerca, static_cast<int>(0.99 * enVentana.size()));

    pantalla = ejecutar("capturaSVG", pantalla);
    const std::string svg = carpeta + "/captura-001.svg";
    ASSERT_TRUE(existe(svg));
    EXPECT_EQ(0, std::system(("/usr/bin/python3 -c 'import sys, xml.etree.ElementTree as E; "
                              "E.parse(sys.argv[1])' '" +
                              svg + "'")
                                 .c_str()))
        << "el SVG es XML bien formado";
    ASSERT_EQ(0, std::system(("rsvg-convert -o '" + carpeta + "/svg.png' '" + svg + "'").c_str()));
    const imagen dibujo = leerImagen(carpeta + "/svg.png");
    EXPECT_GT(dibujo.ancho, 0);
    int noNegros = 0;
    for (size_t i = 0; i + 2 < dibujo.datos.size(); i += 3) {
        noNegros += (dibujo.datos[i] | dibujo.datos[i + 1] | dibujo.datos[i + 2]) != 0;
    }
    EXPECT_GT(noNegros, 1000) << "el SVG dibuja algo";
}

TEST_F(capturas, carpetaSinEscrituraNoRecibeArchivo) {
    detener();
    const std::string soloLectura = carpeta + "/soloLectura";
    carpetaSoloLectura sinEscritura;
    if (!sinEscritura.crear(soloLectura))
        GTEST_SKIP() << "no se pudo hacer una carpeta de solo lectura";
    arrancar(soloLectura, carpeta + "/ingresoDatos.txt");
    imagen pantalla = trasCambio(imagen{});
    pantalla = ejecutar("captura", pantalla);
    EXPECT_FALSE(existe(soloLectura + "/captura-001.png"));
    // The program goes on: the next command still works.
    pantalla = ejecutar("plotApoyos", pantalla);
    detener();
}

TEST_F(capturas, autoEscalaLlevaElMayorMomentoAlOchoPorCientoDeLaVista) {
    imagen pantalla = momentosC1();
    xdo("key alt+t");  // no labels: the outline alone in the moment colour
    pantalla = trasCambio(pantalla);
    pantalla = ejecutar("autoEscala", pantalla);
    // The beam (3 px wide) and the lowest outline pixel at mid-span, x = 2
    // of the 4 × 3 frame: window column 500. The view's shorter side is the
    // window height, 800 px: 8 % is 64 px.
    int filaViga = -1, filaMomento = -1;
    for (int y = 0; y < pantalla.alto; ++y) {
        for (int x = 495; x <= 505; ++x) {
            const size_t i = (static_cast<size_t>(y) * pantalla.ancho + x) * 3;
            const colorPx c{pantalla.datos[i], pantalla.datos[i + 1], pantalla.datos[i + 2]};
            if (filaViga < 0 && c.r == grisBarra.r && c.g == grisBarra.g && c.b == grisBarra.b) {
                filaViga = y + 1;  // the middle row of the three
            }
            if (c.r == contornoM.r && c.g == contornoM.g && c.b == contornoM.b) filaMomento = y;
        }
    }
    ASSERT_GT(filaViga, 0);
    ASSERT_GT(filaMomento, filaViga);
    EXPECT_NEAR(0.08 * 800, filaMomento - filaViga, 2);
}

TEST_F(capturas, vigilarRecargaUnaVezPorCambio) {
    imagen pantalla = momentosC1();
    pantalla = ejecutar("vigilar", pantalla);
    const std::string modelo = carpeta + "/ingresoDatos.txt";
    const std::string consola = carpeta + "/consola.log";
    const std::string reporte = carpeta + "/resultados.txt";
    const std::string banner = "Reinicio del programa";
    const std::string original = contenido(modelo);
    EXPECT_EQ(0, vecesEn(consola, banner));

    // Each write whole at once (written beside and renamed over), so that a
    // loaded machine never shows the watch a half-written file.
    auto escribirModelo = [&](const std::string& texto) {
        std::ofstream(modelo + ".nuevo", std::ios::trunc) << texto;
        std::rename((modelo + ".nuevo").c_str(), modelo.c_str());
    };
    // Twice the distributed load: the picture and the report change.
    auto conCarga = [&](const char* carga) {
        std::string t = original;
        const std::string de = "distribuidaLocal: CV 0 0 -15 -15 2";
        t.replace(t.find(de), de.size(),
                  std::string("distribuidaLocal: CV 0 0 ") + carga + " " + carga + " 2");
        return t;
    };
    escribirModelo(conCarga("-30"));
    ASSERT_TRUE(esperar([&] { return vecesEn(consola, banner) == 1; })) << "no recargó";
    ASSERT_TRUE(esperar([&] { return existe(reporte); }));
    const std::string primerReporte = contenido(reporte);
    pantalla = trasCambio(pantalla);

    // Two writes 0.05 s apart: one reload.
    escribirModelo(conCarga("-20"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    escribirModelo(conCarga("-25"));
    ASSERT_TRUE(esperar([&] { return vecesEn(consola, banner) == 2; }));
    pantalla = trasCambio(pantalla);
    // Three looks later still one reload for the pair.
    std::this_thread::sleep_for(std::chrono::milliseconds(1600));
    EXPECT_EQ(2, vecesEn(consola, banner));
    EXPECT_NE(primerReporte, contenido(reporte)) << "el reporte sigue al archivo";
    EXPECT_NE(std::string::npos, contenido(modelo).find("-25 -25"));

    // "vigilar" again: off, changes are left alone.
    pantalla = ejecutar("vigilar", pantalla);
    escribirModelo(original);
    std::this_thread::sleep_for(std::chrono::milliseconds(1600));
    EXPECT_EQ(2, vecesEn(consola, banner));
}

namespace {

// Rightmost column of the prompt's green text at the bottom left of the
// window (the credit, in the same green, stands at the right).
int bordeDelDialogo(const imagen& im) {
    int borde = -1;
    for (int y = im.alto - 100; y < im.alto; ++y) {
        for (int x = 0; x < im.ancho / 2; ++x) {
            const size_t i = (static_cast<size_t>(y) * im.ancho + x) * 3;
            if (im.datos[i] == 0 && im.datos[i + 1] == 255 && im.datos[i + 2] == 0) {
                borde = std::max(borde, x);
            }
        }
    }
    return borde;
}

}  // namespace

TEST_F(capturas, envolventeCambiaElDibujoYSigueTrasF5) {
    imagen pantalla = momentosC1();
    for (const char* c : {"combo", "C2"}) pantalla = ejecutar(c, pantalla);
    ASSERT_GT(pantalla.contar(contornoM), 50);
    EXPECT_EQ(0, pantalla.contar(envolventeMaxima));

    // On: the two curves in their colours instead of one per combination.
    pantalla = ejecutar("envolvente", pantalla);
    const imagen activada = pantalla;
    EXPECT_GT(activada.contar(envolventeMaxima), 50);
    EXPECT_GT(activada.contar(envolventeMinima), 50);
    EXPECT_EQ(0, activada.contar(contornoM));

    // F5 reads the same file again: the envelope stays on, the same picture.
    xdo("key F5");
    ASSERT_TRUE(esperar(
        [&] { return consolaDelPrograma().find("Reinicio del programa") != std::string::npos; }));
    EXPECT_TRUE(esperar([&] { return capturar() == activada; })) << "tras F5";

    // The picture for the documentation, with the program's own capture.
    pantalla = ejecutar("captura", pantalla);
    ASSERT_TRUE(existe(carpeta + "/captura-001.png"));
    (void)std::system(("mkdir -p '" + std::string(KARVEL_BINARIOS) + "/capturas' && cp '" +
                       carpeta + "/captura-001.png' '" + KARVEL_BINARIOS +
                       "/capturas/envolvente.png'")
                          .c_str());

    // Off again: one curve per combination. The reply "Envolvente
    // Desactivada. ..." is "Envolvente Activada. ..." with "Desa" for "A":
    // in the 12-point Helvetica 9 + 7 + 6 + 7 - 8 = 21 pixels wider.
    pantalla = ejecutar("envolvente", pantalla);
    EXPECT_EQ(0, pantalla.contar(envolventeMaxima));
    EXPECT_GT(pantalla.contar(contornoM), 50);
    EXPECT_NEAR(bordeDelDialogo(activada) + 21, bordeDelDialogo(pantalla), 2);
}
