// generarPortico S B [archivo] [puntuales | nudoSuelto | pisoArticulado]:
// writes the input file of a rectangular frame with S storeys and B bays
// (default archivo "portico-SxB.txt"); the fourth argument adds a point force
// at mid-span of every beam, or one of two mistakes (a loaded node that no
// bar reaches, a storey of columns hinged at both ends). The frame and its
// variants are described in porticoRectangular.h.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "porticoRectangular.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cout << "Uso: generarPortico pisos vanos [archivo] [puntuales | nudoSuelto | "
                     "pisoArticulado]"
                  << std::endl;
        return 1;
    }
    const int pisos = std::atoi(argv[1]);
    const int vanos = std::atoi(argv[2]);
    if (pisos < 1 || vanos < 1) {
        std::cout << "Los pisos y los vanos deben ser al menos 1" << std::endl;
        return 1;
    }
    const std::string nombre =
        argc >= 4 ? argv[3]
                  : "portico-" + std::to_string(pisos) + "x" + std::to_string(vanos) + ".txt";
    std::ofstream f(nombre);
    if (!f) {
        std::cout << "No se pudo escribir " << nombre << std::endl;
        return 1;
    }
    escribirPorticoRectangular(f, pisos, vanos,
                               argc >= 5 ? varianteDeNombre(argv[4]) : variantePortico::sano);
    return 0;
}
