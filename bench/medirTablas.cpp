// medirTablas archivo: reads and solves one model, then writes the folder
// "resultados-tablas" in the current directory, timing each stage. The
// console output of the stages is discarded. One line of results:
//   nudos barras libres leer[s] resolver[s] tablas[s]
#include <iostream>
#include <sstream>
#include <string>

#include "cronometro.h"
#include "funcionLeerYResolver.h"
#include "tablasResultados.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "Uso: medirTablas archivo" << std::endl;
        return 1;
    }
    const std::string archivo = argv[1];
    std::ostringstream descarte;
    std::streambuf* consola = std::cout.rdbuf(descarte.rdbuf());

    duracionEtapas d;
    const modeloResuelto r = funcionLeerYResolver(archivo, &d);
    bool escritas = false;
    const double tTablas = segundosDe([&] { escritas = funcionEscribirTablas(r.m, r.s, archivo); });

    std::cout.rdbuf(consola);
    std::cout << r.m.noNudos << " " << r.m.noBarras << " " << r.s.noLibres << " " << d.lectura
              << " " << d.solucion << " " << tTablas << std::endl;
    return escritas ? 0 : 2;
}
