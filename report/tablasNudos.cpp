// Node tables: displacements of every node, reactions of the supports.
#include <algorithm>

#include "equilibrioCargas.h"
#include "escritorCsv.h"
#include "seccionesTablas.h"

// Rows: nodes in input order, inside each node the combinations.
void escribirTablaDesplazamientos(std::ostream& s, const datosTablas& d) {
    const std::vector<std::string> combos = nombresDeCombos(d.m);
    escritorCsv t(s, "nudo,combo,ux,uy,giro");
    for (std::size_t i = 0; i < d.m.nudo.size() && i < d.s.nudos.size(); ++i) {
        const resultadosNudo& n = d.s.nudos[i];
        const int validos = std::min<int>(n.getCantidadDeCombos(), combos.size());
        for (int c = 0; c < validos; ++c) {
            t.entero(d.m.nudo[i].getNoNudoUsuario()).texto(combos[c]);
            t.numero(n.getDesplazamientoX(c)).numero(n.getDesplazamientoY(c)).numero(n.getGiroZ(c));
            t.finDeFila();
        }
    }
}

void escribirTablaReacciones(std::ostream& s, const datosTablas& d) {
    const std::vector<std::string> combos = nombresDeCombos(d.m);
    escritorCsv t(s, "nudo,combo,Rx,Ry,Mz");
    for (std::size_t i = 0; i < d.m.nudo.size() && i < d.s.nudos.size(); ++i) {
        const objNudo2d& n = d.m.nudo[i];
        if (!esApoyo(n)) continue;
        const int validos = std::min<int>(d.s.nudos[i].getCantidadDeCombos(), combos.size());
        for (int c = 0; c < validos; ++c) {
            const Eigen::Vector3d r = reaccionesDeApoyo(n, d.s.nudos[i], c);
            t.entero(n.getNoNudoUsuario()).texto(combos[c]);
            t.numero(r(0)).numero(r(1)).numero(r(2));
            t.finDeFila();
        }
    }
}
