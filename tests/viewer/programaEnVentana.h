// Fixture of the end-to-end tests: the real karvel2d in a window under the
// test's X display, driven with xdotool and read back with xwd.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

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
// The envelope's curves: maximum magenta (1, 0.3, 1), minimum sky blue
// (0.3, 0.6, 1).
const colorPx envolventeMaxima{255, 76, 255};
const colorPx envolventeMinima{76, 153, 255};

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

// Polls a condition for up to 20 s.
inline bool esperar(const std::function<bool()>& condicion) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < limite) {
        if (condicion()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condicion();
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
        const std::string origen = modeloInicial();
        const std::string nombre = origen.substr(origen.find_last_of('/') + 1);
        {
            std::ifstream entrada(origen);
            std::ofstream destino(carpeta + "/" + nombre);
            destino << entrada.rdbuf();
        }
        arrancar(carpeta, nombre);
    }

    // The model the program starts on, copied into the test's folder.
    virtual std::string modeloInicial() const {
        return std::string(KARVEL_RAIZ) + "/ingresoDatos.txt";
    }

    // Starts karvel2d in the folder `trabajo` on the model `archivo` (its
    // console goes to consola.log in the test's folder) and finds its window.
    void arrancar(const std::string& trabajo, const std::string& archivo) {
        const std::string programa = std::string(KARVEL_BINARIOS) + "/karvel2d";
        ASSERT_EQ(0, access(programa.c_str(), X_OK)) << programa;
        const std::string consola = carpeta + "/consola.log";
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (chdir(trabajo.c_str()) != 0) _exit(127);
            if (!std::freopen(consola.c_str(), "w", stdout)) _exit(127);
            if (!std::freopen("/dev/null", "w", stderr)) _exit(127);
            setenv("GALLIUM_DRIVER", "llvmpipe", 1);
            setenv("TERM", "dumb", 1);
            // In the sanitizer build the GL driver is unloaded before the leak
            // check and its allocations cannot be suppressed: look for address
            // and undefined-behaviour errors only.
            std::string asan = getenv("ASAN_OPTIONS") ? getenv("ASAN_OPTIONS") : "";
            setenv("ASAN_OPTIONS", (asan + ":detect_leaks=0").c_str(), 1);
            execl(programa.c_str(), "karvel2d", archivo.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        buscarVentana(20);
        ASSERT_NE("", ventana) << "no apareció la ventana KARVEL-2D";
        xdo("windowfocus --sync " + ventana);
        xdo("mousemove --window " + ventana + " 500 400");
        (void)std::system("xset r off");
    }

    void TearDown() override {
        detener();
        if (!carpeta.empty()) (void)std::system(("rm -rf '" + carpeta + "'").c_str());
    }

    // What the program printed.
    std::string consolaDelPrograma() const {
        std::ifstream f(carpeta + "/consola.log");
        std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        return texto;
    }

    void detener() {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        pid = -1;
    }

    void xdo(const std::string& argumentos) {
        (void)std::system(("xdotool " + argumentos + " >/dev/null 2>&1").c_str());
    }

    // One line typed into the window and Enter.
    void comando(const std::string& texto) {
        xdo("type --delay 20 '" + texto + "'");
        xdo("key Return");
    }

    // One line typed, shown, then run with Enter: the window after the
    // reply (the typing alone changes the window too).
    imagen ejecutar(const std::string& texto, const imagen& antes) {
        xdo("type --delay 20 '" + texto + "'");
        const imagen escrita = trasCambio(antes);
        xdo("key Return");
        return trasCambio(escrita);
    }

    imagen capturar() {
        const std::string ppm = carpeta + "/captura.ppm";
        (void)std::system(
            ("xwd -silent -id " + ventana + " | convert xwd:- ppm:'" + ppm + "'").c_str());
        imagen im = leerPpm(ppm);
        // A window that is gone while the program lives: look its window up again.
        if (im.datos.empty() && pid > 0 && kill(pid, 0) == 0) buscarVentana(2);
        return im;
    }

    // The program's visible window, waited for up to `segundos`.
    void buscarVentana(int segundos) {
        ventana = salidaDe("timeout " + std::to_string(segundos) +
                           " xdotool search --sync --onlyvisible --pid " + std::to_string(pid) +
                           " --name '^KARVEL-2D$' | head -1");
    }

    // An image file of any kind that convert reads (PNG, ...).
    imagen leerImagen(const std::string& ruta) {
        const std::string ppm = carpeta + "/leida.ppm";
        if (std::system(("convert '" + ruta + "' ppm:'" + ppm + "' 2>/dev/null").c_str()) != 0) {
            return imagen{};
        }
        return leerPpm(ppm);
    }

    static imagen leerPpm(const std::string& ppm) {
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
    // agree (the last frame has been drawn); gives up after 15 s.
    imagen trasCambio(const imagen& anterior) {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        imagen previa;
        while (std::chrono::steady_clock::now() < limite) {
            imagen actual = capturar();
            if (actual != anterior && actual == previa && !actual.datos.empty()) return actual;
            previa = std::move(actual);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        int estado = 0;
        const bool termino = pid > 0 && waitpid(pid, &estado, WNOHANG) == pid;
        ADD_FAILURE() << "la ventana no cambió o no se estabilizó"
                      << (termino ? "; el programa terminó con estado " + std::to_string(estado)
                                  : std::string())
                      << "\n"
                      << consolaDelPrograma();
        if (termino) pid = -1;
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
