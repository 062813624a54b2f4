// medirPortico archivo: reads, solves and writes the report of one model,
// timing each stage and the peak resident memory after it. The console
// output of the stages is discarded; the report goes to resultados.txt in
// the current directory. One line of results:
//   nudos barras libres leer[s] resolver[s] reporte[s] memoria[MB] (after each stage)
#include <sys/resource.h>

#include <iostream>
#include <sstream>
#include <string>

#include "cronometro.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerArchivo.h"
#include "funcionLeerYResolver.h"

namespace {

double memoriaPicoMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024.0;  // kB on Linux
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "Uso: medirPortico archivo" << std::endl;
        return 1;
    }
    const std::string archivo = argv[1];
    std::ostringstream descarte;
    std::streambuf* consola = std::cout.rdbuf(descarte.rdbuf());

    // Peak memory after reading alone is not separable from the solve in one
    // call; the read-only peak is taken from a first, separate read.
    { const modelo leido = funcionLeerArchivo(archivo); }
    const double mLeer = memoriaPicoMB();
    duracionEtapas d;
    const modeloResuelto r = funcionLeerYResolver(archivo, &d);
    const double tLeer = d.lectura;
    const double tResolver = d.solucion;
    const double mResolver = memoriaPicoMB();
    const double tReporte = segundosDe([&] { funcionImprimirResultados(r.m, r.s); });
    const double mReporte = memoriaPicoMB();

    std::cout.rdbuf(consola);
    std::cout << r.m.noNudos << " " << r.m.noBarras << " " << r.s.noLibres << " " << tLeer << " "
              << tResolver << " " << tReporte << " " << mLeer << " " << mResolver << " " << mReporte
              << std::endl;
    return 0;
}
