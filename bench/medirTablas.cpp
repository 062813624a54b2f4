// medirTablas archivo: reads and solves one model, then writes the folder
// "resultados-tablas" in the current directory, timing each stage. The
// console output of the stages is discarded. One line of results:
//   nudos barras libres leer[s] resolver[s] tablas[s]
#include <chrono>
#include <iostream>
#include <sstream>

#include "funcionLeerYResolver.h"
#include "globales.h"
#include "tablasResultados.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "Uso: medirTablas archivo" << std::endl;
        return 1;
    }
    nombreArchivo = argv[1];
    std::ostringstream descarte;
    std::streambuf* consola = std::cout.rdbuf(descarte.rdbuf());

    duracionEtapas d;
    funcionLeerYResolver(&d);
    const auto t0 = std::chrono::steady_clock::now();
    const bool escritas = funcionEscribirTablas();
    const double tTablas =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    std::cout.rdbuf(consola);
    std::cout << noNudos << " " << noBarras << " " << noLibres << " " << d.lectura << " "
              << d.solucion << " " << tTablas << std::endl;
    return escritas ? 0 : 2;
}
