// medirAnalisis archivo [etapa]: times the analyses beside the linear one on
// one model (read and solved to first order first, not timed): 6 vibration
// modes (the self weight as mass, g = 9.81), 3 buckling factors of the
// first combination alone, and the second order of every combination; the
// peak resident memory after each. With an etapa (modal, pandeo,
// segundoOrden) only that one runs, so that its peak memory is its own.
// One line: libres modal[s] pandeo[s] segundoOrden[s] memoria[MB], and
// with the etapa "libres" the free freedoms of the model and of its
// subdivided copy.
#include <sys/resource.h>

#include <iostream>
#include <sstream>
#include <string>

#include "cronometro.h"
#include "funcionLeerYResolver.h"
#include "matricesAnalisis.h"
#include "modal.h"
#include "pandeo.h"
#include "segundoOrden.h"

namespace {

double memoriaPicoMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss / 1024.0;  // kB on Linux
}

constexpr double gravedad = 9.81;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "Uso: medirAnalisis archivo [modal|pandeo|segundoOrden]" << std::endl;
        return 1;
    }
    const std::string etapa = argc >= 3 ? argv[2] : "";
    std::ostringstream descarte;
    std::streambuf* consola = std::cout.rdbuf(descarte.rdbuf());
    modeloResuelto r = funcionLeerYResolver(argv[1]);
    r.m.analisis.gravedad = gravedad;
    if (etapa == "libres") {
        std::cout.rdbuf(consola);
        std::cout << r.s.noLibres << " " << rigidezSubdividida(r.m).s.noLibres << std::endl;
        return 0;
    }
    double tModal = 0, tPandeo = 0, tSegundo = 0;
    if (etapa.empty() || etapa == "modal")
        tModal = segundosDe([&] { funcionModal(r.m, modosVibracionPorDefecto); });
    if (etapa.empty() || etapa == "pandeo") {
        modelo unCombo = r.m;
        unCombo.combos.resize(1);
        unCombo.noCombos = 1;
        tPandeo = segundosDe([&] { funcionPandeo(unCombo, r.s, modosPandeoPorDefecto); });
    }
    if (etapa.empty() || etapa == "segundoOrden")
        tSegundo = segundosDe([&] { funcionSegundoOrden(r.m, r.s); });
    std::cout.rdbuf(consola);
    std::cout << r.s.noLibres << " " << tModal << " " << tPandeo << " " << tSegundo << " "
              << memoriaPicoMB() << std::endl;
    return 0;
}
