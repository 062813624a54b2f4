// Captures taken in the test's own window: the names numbered from 001,
// the reply texts, nothing left in a folder that takes no files, and the
// envelope layer in a vector drawing.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "capturaVentana.h"
#include "carpetaSoloLectura.h"
#include "funcionPlot.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "ventanaPrueba.h"

namespace {

// A folder of its own as the current one; the caller's is given back.
class capturaEnCarpeta : public ventanaPrueba {
  protected:
    void SetUp() override {
        ventanaPrueba::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        char plantilla[] = "/tmp/karvel-captura-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(plantilla));
        carpeta = plantilla;
        ASSERT_NE(nullptr, getcwd(anterior, sizeof anterior));
        ASSERT_EQ(0, chdir(carpeta.c_str()));
        cargarModeloVisor(textoPortico());
        lienzo(200, 160);
        changeSize(200, 160);
    }
    void TearDown() override {
        if (!carpeta.empty()) {
            if (chdir(anterior) != 0) ADD_FAILURE() << "chdir";
            (void)std::system(("rm -rf '" + carpeta + "'").c_str());
        }
        ventanaPrueba::TearDown();
    }
    static bool existe(const std::string& ruta) { return access(ruta.c_str(), F_OK) == 0; }
    std::string carpeta;
    char anterior[4096] = {};
};

}  // namespace

TEST_F(capturaEnCarpeta, nombresLibresDesdeUno) {
    EXPECT_EQ("captura-001.png", nombreCapturaLibre("png"));
    std::ofstream("captura-001.png") << "x";
    std::ofstream("captura-003.png") << "x";
    EXPECT_EQ("captura-002.png", nombreCapturaLibre("png"));
    // Each kind of file has its own numbers.
    EXPECT_EQ("captura-001.pdf", nombreCapturaLibre("pdf"));
}

TEST_F(capturaEnCarpeta, respuestasDeCadaCaptura) {
    tomarCaptura(formatoCaptura::png);
    EXPECT_EQ("Captura guardada en captura-001.png. Ingrese Comando:", dialogo);
    EXPECT_TRUE(existe("captura-001.png"));
    tomarCaptura(formatoCaptura::png);
    EXPECT_EQ("Captura guardada en captura-002.png. Ingrese Comando:", dialogo);
    tomarCaptura(formatoCaptura::pdf);
    EXPECT_EQ("Captura guardada en captura-001.pdf. Ingrese Comando:", dialogo);
    tomarCaptura(formatoCaptura::svg);
    EXPECT_EQ("Captura guardada en captura-001.svg. Ingrese Comando:", dialogo);
    for (const char* archivo : {"captura-001.pdf", "captura-001.svg"}) {
        struct stat datos;
        ASSERT_EQ(0, stat(archivo, &datos)) << archivo;
        EXPECT_GT(datos.st_size, 100) << archivo;
    }
    // Typed: the command asks for it, the window takes it.
    comando = "captura";
    ejecutarComando();
    EXPECT_EQ(formatoCaptura::png, tomarCapturaPedida());
    EXPECT_EQ(formatoCaptura::ninguno, tomarCapturaPedida());
}

TEST_F(capturaEnCarpeta, carpetaSinEscrituraDiceLaCausaYNoDejaArchivo) {
    const std::string soloLectura = carpeta + "/soloLectura";
    carpetaSoloLectura sinEscritura;
    if (!sinEscritura.crear(soloLectura))
        GTEST_SKIP() << "no se pudo hacer una carpeta de solo lectura";
    ASSERT_EQ(0, chdir(soloLectura.c_str()));
    for (formatoCaptura f : {formatoCaptura::png, formatoCaptura::pdf, formatoCaptura::svg}) {
        tomarCaptura(f);
        const char* ext = f == formatoCaptura::png   ? "png"
                          : f == formatoCaptura::pdf ? "pdf"
                                                     : "svg";
        EXPECT_EQ(std::string("No se pudo guardar la captura en captura-001.") + ext +
                      ": la carpeta no permite escribir. Ingrese Comando:",
                  dialogo);
        EXPECT_FALSE(existe(std::string("captura-001.") + ext));
    }
    ASSERT_EQ(0, chdir(carpeta.c_str()));
}

// The envelope of both combinations' moments drawn into an SVG: its two
// colours, magenta (1, 0.3, 1) and sky blue (0.3, 0.6, 1), as #rrggbb with
// each channel 255·c truncated; no curve in the moment colour (0.7, 0.2, 0).
TEST_F(capturaEnCarpeta, envolventeEnElDibujoVectorial) {
    {
        capturaConsola silencio;
        resolverModeloVisor();
    }
    flags[interruptor::capaMomento] = 1;
    flags[interruptor::primerCombo] = flags[interruptor::primerCombo + 1] = 1;
    flags[interruptor::envolvente] = 1;
    tomarCaptura(formatoCaptura::svg);
    ASSERT_EQ("Captura guardada en captura-001.svg. Ingrese Comando:", dialogo);
    std::ifstream f("captura-001.svg");
    const std::string svg((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, svg.find("#ff4cff")) << "máxima";
    EXPECT_NE(std::string::npos, svg.find("#4c99ff")) << "mínima";
    EXPECT_EQ(std::string::npos, svg.find("#b23300")) << "sin curvas por combinación";

    flags[interruptor::envolvente] = 2;
    tomarCaptura(formatoCaptura::svg);
    std::ifstream g("captura-002.svg");
    const std::string porCombo((std::istreambuf_iterator<char>(g)),
                               std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, porCombo.find("#b23300"));
    EXPECT_EQ(std::string::npos, porCombo.find("#ff4cff"));
}
