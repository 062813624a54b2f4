// End to end through the real program: build/karvel2d is started on the
// portal frame of ingresoDatos.txt under the test's X display, commands are
// typed into its window with xdotool and the window is read back with xwd.
// Each layer command must show its own colours and none of the other
// layers'; toggling a combination changes the picture; + and - resize the
// active layer only. The captures of the moment diagram and the deformed
// shape are left in <build>/capturas for the documentation.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

struct colorPx {
    int r, g, b;
    bool operator<(const colorPx& o) const {
        return r != o.r ? r < o.r : g != o.g ? g < o.g : b < o.b;
    }
};

// A capture of the window: RGB rows from the top.
struct imagen {
    int ancho = 0, alto = 0;
    std::vector<unsigned char> datos;
    bool operator==(const imagen& o) const {
        return ancho == o.ancho && alto == o.alto && datos == o.datos;
    }
    bool operator!=(const imagen& o) const { return !(*this == o); }
    int contar(colorPx c) const {
        int n = 0;
        for (size_t i = 0; i + 2 < datos.size(); i += 3) {
            n += datos[i] == c.r && datos[i + 1] == c.g && datos[i + 2] == c.b;
        }
        return n;
    }
    // Positions of the pixels of colour c.
    std::vector<size_t> donde(colorPx c) const {
        std::vector<size_t> p;
        for (size_t i = 0; i + 2 < datos.size(); i += 3) {
            if (datos[i] == c.r && datos[i + 1] == c.g && datos[i + 2] == c.b) p.push_back(i / 3);
        }
        return p;
    }
    // Rows (from the top) spanned by colour c: first and last, -1 if absent.
    std::pair<int, int> filas(colorPx c) const {
        int a = -1, b = -1;
        for (int y = 0; y < alto; ++y) {
            for (int x = 0; x < ancho; ++x) {
                const size_t i = (static_cast<size_t>(y) * ancho + x) * 3;
                if (datos[i] == c.r && datos[i + 1] == c.g && datos[i + 2] == c.b) {
                    if (a < 0) a = y;
                    b = y;
                    break;
                }
            }
        }
        return {a, b};
    }
};

// Colours as read back (float channel times 255, ties to even).
const colorPx cianDeformada{0, 178, 178};
const colorPx contornoN{0, 51, 178};
const colorPx contornoV{128, 128, 0};
const colorPx contornoM{178, 51, 0};
const colorPx flechaCarga{0, 76, 0};
const colorPx rojoReaccion{255, 0, 0};
const colorPx grisBarra{128, 128, 128};

const std::map<std::string, colorPx> colorDeCapa = {
    {"plotDef", cianDeformada}, {"plotN", contornoN},       {"plotV", contornoV},
    {"plotM", contornoM},       {"plotCarga", flechaCarga}, {"plotR", rojoReaccion}};

bool hayComando(const char* nombre) {
    return std::system((std::string("command -v ") + nombre + " >/dev/null 2>&1").c_str()) == 0;
}

std::string salidaDe(const std::string& orden) {
    std::string salida;
    if (FILE* f = popen(orden.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, f)) salida += buffer;
        pclose(f);
    }
    while (!salida.empty() && (salida.back() == '\n' || salida.back() == ' ')) salida.pop_back();
    return salida;
}

class programaEnVentana : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* pantalla = std::getenv("DISPLAY");
        if (pantalla == nullptr || *pantalla == '\0') {
            GTEST_SKIP() << "Sin pantalla: ejecútela bajo xvfb-run.";
        }
        for (const char* c : {"xdotool", "xwd", "convert", "xset"}) {
            if (!hayComando(c)) GTEST_SKIP() << "Falta " << c;
        }
        char plantilla[] = "/tmp/karvel-e2e-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(plantilla));
        carpeta = plantilla;
        {
            std::ifstream origen(std::string(KARVEL_RAIZ) + "/ingresoDatos.txt");
            std::ofstream destino(carpeta + "/ingresoDatos.txt");
            destino << origen.rdbuf();
        }
        const std::string programa = std::string(KARVEL_BINARIOS) + "/karvel2d";
        ASSERT_EQ(0, access(programa.c_str(), X_OK)) << programa;
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (chdir(carpeta.c_str()) != 0) _exit(127);
            if (!std::freopen("consola.log", "w", stdout)) _exit(127);
            if (!std::freopen("/dev/null", "w", stderr)) _exit(127);
            setenv("GALLIUM_DRIVER", "llvmpipe", 1);
            setenv("TERM", "dumb", 1);
            // In the sanitizer build the GL driver is unloaded before the leak
            // check and its allocations cannot be suppressed: look for address
            // and undefined-behaviour errors only.
            std::string asan = getenv("ASAN_OPTIONS") ? getenv("ASAN_OPTIONS") : "";
            setenv("ASAN_OPTIONS", (asan + ":detect_leaks=0").c_str(), 1);
            execl(programa.c_str(), "karvel2d", "ingresoDatos.txt", static_cast<char*>(nullptr));
            _exit(127);
        }
        ventana = salidaDe("timeout 20 xdotool search --sync --onlyvisible --pid " +
                           std::to_string(pid) + " --name '^KARVEL-2D$' | head -1");
        ASSERT_NE("", ventana) << "no apareció la ventana KARVEL-2D";
        xdo("windowfocus --sync " + ventana);
        xdo("mousemove --window " + ventana + " 500 400");
        (void)std::system("xset r off");
    }

    void TearDown() override {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        if (!carpeta.empty()) (void)std::system(("rm -rf '" + carpeta + "'").c_str());
    }

    void xdo(const std::string& argumentos) {
        (void)std::system(("xdotool " + argumentos + " >/dev/null 2>&1").c_str());
    }

    // One line typed into the window and Enter.
    void comando(const std::string& texto) {
        xdo("type --delay 20 '" + texto + "'");
        xdo("key Return");
    }

    imagen capturar() {
        const std::string ppm = carpeta + "/captura.ppm";
        (void)std::system(
            ("xwd -silent -id " + ventana + " | convert xwd:- ppm:'" + ppm + "'").c_str());
        imagen im;
        std::ifstream f(ppm, std::ios::binary);
        // Header tokens, skipping comment lines (xwd carries the window name).
        auto token = [&f]() {
            std::string t;
            while (f >> t && t[0] == '#') std::getline(f, t);
            return t;
        };
        const std::string magia = token();
        im.ancho = std::atoi(token().c_str());
        im.alto = std::atoi(token().c_str());
        token();  // largest channel value, 255
        f.get();
        if (magia != "P6" || im.ancho <= 0 || im.alto <= 0) return imagen{};
        im.datos.resize(static_cast<size_t>(im.ancho) * im.alto * 3);
        f.read(reinterpret_cast<char*>(im.datos.data()),
               static_cast<std::streamsize>(im.datos.size()));
        return im;
    }

    // The window once it differs from 'anterior' and two captures in a row
    // agree (the program redraws all the time); gives up after 15 s.
    imagen trasCambio(const imagen& anterior) {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        imagen previa;
        while (std::chrono::steady_clock::now() < limite) {
            imagen actual = capturar();
            if (actual != anterior && actual == previa && !actual.datos.empty()) return actual;
            previa = std::move(actual);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ADD_FAILURE() << "la ventana no cambió o no se estabilizó";
        return previa;
    }

    // Saves the current window as a PNG in <build>/capturas.
    void guardarPng(const std::string& nombre) {
        (void)std::system(("mkdir -p '" + std::string(KARVEL_BINARIOS) + "/capturas'").c_str());
        (void)std::system(("xwd -silent -id " + ventana + " | convert xwd:- PNG24:'" +
                           KARVEL_BINARIOS + "/capturas/" + nombre + "'")
                              .c_str());
    }

    std::string carpeta;
    std::string ventana;
    pid_t pid = -1;
};

}  // namespace

TEST_F(programaEnVentana, cadaCapaSeMuestraSolaYCambiaConComboYEscalas) {
    imagen pantalla = trasCambio(imagen{});
    EXPECT_GT(pantalla.contar(grisBarra), 100) << "el modelo se dibuja";
    for (const auto& capa : colorDeCapa) EXPECT_EQ(0, pantalla.contar(capa.second)) << capa.first;

    // A layer without an active combination draws nothing.
    comando("plotM");
    pantalla = trasCambio(pantalla);
    EXPECT_EQ(0, pantalla.contar(contornoM));

    comando("combo");
    pantalla = trasCambio(pantalla);
    comando("C1");
    pantalla = trasCambio(pantalla);
    EXPECT_GT(pantalla.contar(contornoM), 50) << "momentos de C1";
    guardarPng("momentos.png");

    // Every layer command: its colour on, every other layer's off.
    for (const char* nombre : {"plotDef", "plotN", "plotV", "plotCarga", "plotR", "plotM"}) {
        comando(nombre);
        pantalla = trasCambio(pantalla);
        for (const auto& capa : colorDeCapa) {
            if (capa.first == nombre) {
                EXPECT_GT(pantalla.contar(capa.second), 30) << nombre;
            } else {
                EXPECT_EQ(0, pantalla.contar(capa.second)) << nombre << " muestra " << capa.first;
            }
        }
        if (std::string(nombre) == "plotDef") guardarPng("deformada.png");
    }

    // Toggling combinations: C2 added draws more, C1 and C2 removed draw none.
    const imagen soloC1 = pantalla;
    comando("combo");
    pantalla = trasCambio(pantalla);
    comando("C2");
    pantalla = trasCambio(pantalla);
    EXPECT_GT(pantalla.contar(contornoM), soloC1.contar(contornoM));
    for (const char* nombre : {"C1", "C2"}) {
        comando("combo");
        pantalla = trasCambio(pantalla);
        comando(nombre);
        pantalla = trasCambio(pantalla);
    }
    EXPECT_EQ(0, pantalla.contar(contornoM));
    comando("combo");
    pantalla = trasCambio(pantalla);
    comando("C1");
    pantalla = trasCambio(pantalla);
    const imagen momentos = pantalla;

    // + enlarges the moment diagram (escalaM × 1.1), - brings it back.
    const auto alto0 = momentos.filas(contornoM);
    xdo("key KP_Add");
    pantalla = trasCambio(pantalla);
    const auto alto1 = pantalla.filas(contornoM);
    EXPECT_GT(alto1.second - alto1.first, alto0.second - alto0.first);
    xdo("key minus");
    pantalla = trasCambio(pantalla);
    EXPECT_EQ(alto0, pantalla.filas(contornoM));

    // The deformed shape is not resized by + while the moments are shown.
    comando("plotDef");
    const imagen deformada0 = trasCambio(pantalla);
    comando("plotM");
    pantalla = trasCambio(deformada0);
    xdo("key KP_Add");
    pantalla = trasCambio(pantalla);
    comando("plotDef");
    pantalla = trasCambio(pantalla);
    EXPECT_EQ(deformada0.donde(cianDeformada), pantalla.donde(cianDeformada));
    // ... but by + while it is shown.
    xdo("key KP_Add");
    pantalla = trasCambio(pantalla);
    EXPECT_NE(deformada0.donde(cianDeformada), pantalla.donde(cianDeformada));
}
