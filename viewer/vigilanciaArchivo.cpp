#include "vigilanciaArchivo.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <iostream>

#include "claseLeerArchivo.h"
#include "estadoVisor.h"
#include "mensajeLectura.h"
#include "recargaModelo.h"

namespace {

// What is looked at: whether the file is there and readable, its
// modification time and its size.
struct firmaArchivo {
    bool legible = false;
    double modificado = 0;
    long long tamano = -1;
    bool operator==(const firmaArchivo& o) const {
        return legible == o.legible && modificado == o.modificado && tamano == o.tamano;
    }
    bool operator!=(const firmaArchivo& o) const { return !(*this == o); }
};

firmaArchivo firmaActual() {
    firmaArchivo f;
    struct stat datos;
    if (stat(nombreArchivo.c_str(), &datos) != 0) return f;
    f.legible = S_ISREG(datos.st_mode) && access(nombreArchivo.c_str(), R_OK) == 0;
    f.modificado = datos.st_mtim.tv_sec + 1e-9 * datos.st_mtim.tv_nsec;
    f.tamano = datos.st_size;
    return f;
}

bool activa = false;
firmaArchivo cargada;  // the file as last read (or as found when the watch began)
// A change not taken yet: the state seen and since when it has stood.
firmaArchivo vista;
double vistaDesde = 0;
bool pendiente = false;

}  // namespace

bool alternarVigilancia() {
    activa = !activa;
    if (activa) anotarArchivoLeido();
    return activa;
}

bool vigilanciaActiva() {
    return activa;
}

void anotarArchivoLeido() {
    cargada = firmaActual();
    pendiente = false;
}

bool revisarArchivoVigilado(double ahora) {
    if (!activa) return false;
    const firmaArchivo f = firmaActual();
    if (f == cargada) {
        pendiente = false;
        return false;
    }
    if (!pendiente || f != vista) {
        vista = f;
        vistaDesde = ahora;
        pendiente = true;
    }
    // Taken once it has stood still long enough, as seen from here or by
    // its own modification time (a file still being written is not).
    const bool quieto =
        ahora - vistaDesde >= esperaQuietud || (f.legible && ahora - f.modificado >= esperaQuietud);
    if (!quieto) return false;
    pendiente = false;
    if (f.legible) {
        recargarModelo();
        return true;
    }
    // Gone or unreadable (an editor may remove it for a moment while it
    // saves): the reader's own warning, once, and the reason on the message
    // line; the model shown stays.
    claseLeerArchivo lector;
    lector.setNombreArchivo(nombreArchivo);
    std::cout.flush();
    dialogo = mensajeDeLectura(nombreArchivo, modelo());
    cargada = f;
    return true;
}

double segundosReloj() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}
