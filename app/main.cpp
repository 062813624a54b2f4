// karvel2d [archivo]: reads the frame, solves every combination and shows it.
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "estadoVisor.h"
#include "funcionLeerYAnalizar.h"
#include "funcionPlot.h"
#include "mensajeLectura.h"

int main(int argc, char** argv) {
    // Line-buffered console, so that every progress line and warning is seen
    // as soon as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    nombreArchivo = argc >= 2 ? argv[1] : "ingresoDatos.txt";
    if (std::system("clear") != 0) {
        // No terminal to clear (a pipe or a script): nothing to do.
    }
    // An incomplete model is not solved, only shown.
    modeloResuelto r = funcionLeerYAnalizar(nombreArchivo);
    // A file that gives no model says why on the window's message line.
    anotarLectura(r.m);
    mostrarModelo(std::move(r.m), std::move(r.s));
    // The window and its event loop, which does not return.
    funcionPlot(argc, argv);
    return 0;
}
