// Kept apart from the fixture: Xlib's macros (Success, None, Status) would
// clash with Eigen and the model's names in every file that draws.
#include "pantallaPrueba.h"

#include <X11/Xlib.h>
#include <dlfcn.h>

#include <chrono>
#include <thread>

namespace {
constexpr int intentosConexion = 10;
constexpr auto pausaEntreIntentos = std::chrono::milliseconds(100);
}  // namespace

// Defined in the executable, this one is what GLUT's call resolves to; the
// library's own is found behind it.
extern "C" Display* XOpenDisplay(const char* nombre) {
    using abrirPantalla = Display* (*)(const char*);
    static const auto original = reinterpret_cast<abrirPantalla>(dlsym(RTLD_NEXT, "XOpenDisplay"));
    if (original == nullptr) return nullptr;
    for (int i = 0; i < intentosConexion; ++i) {
        if (Display* d = original(nombre)) return d;
        std::this_thread::sleep_for(pausaEntreIntentos);
    }
    return nullptr;
}

bool pantallaAcepta() {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return false;
    XCloseDisplay(d);
    return true;
}
