// Frame counter for the viewer, loaded with LD_PRELOAD into an unmodified
// karvel2d: every glXSwapBuffers (one per frame drawn) is counted and passed
// on to the real one, and the count is rewritten to the file named by
// KARVEL_CUADROS after each frame, so that a script or a test can poll it.
// Writing costs some tens of microseconds, far below one frame.
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

using funcionSwap = void (*)(Display*, GLXDrawable);

long cuadros = 0;

void escribirCuenta() {
    const char* destino = std::getenv("KARVEL_CUADROS");
    if (destino == nullptr || *destino == '\0') return;
    // Written beside and renamed over it, so a reader never sees half a line.
    char temporal[4096];
    std::snprintf(temporal, sizeof temporal, "%s.tmp", destino);
    if (std::FILE* f = std::fopen(temporal, "w")) {
        std::fprintf(f, "%ld\n", cuadros);
        std::fclose(f);
        std::rename(temporal, destino);
    }
}

}  // namespace

extern "C" void glXSwapBuffers(Display* pantalla, GLXDrawable superficie) {
    static const funcionSwap real =
        reinterpret_cast<funcionSwap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    if (real != nullptr) real(pantalla, superficie);
    ++cuadros;
    escribirCuenta();
}
