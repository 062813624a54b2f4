// Node tables: displacements of every node, reactions of the supports.
#include <algorithm>

#include "equilibrioCargas.h"
#include "escritorCsv.h"
#include "globales.h"
#include "seccionesTablas.h"

// Rows: nodes in input order, inside each node the combinations.
void escribirTablaDesplazamientos(std::ostream& s) {
    const std::vector<std::string> combos = nombresDeCombos();
    escritorCsv t(s, "nudo,combo,ux,uy,giro");
    for (const auto& n : nudo) {
        const int validos = std::min<int>(n.getCantidadDeCombos(), combos.size());
        for (int c = 0; c < validos; ++c) {
            t.entero(n.getNoNudoUsuario()).texto(combos[c]);
            t.numero(n.getDesplazamientoX(c)).numero(n.getDesplazamientoY(c)).numero(n.getGiroZ(c));
            t.finDeFila();
        }
    }
}

void escribirTablaReacciones(std::ostream& s) {
    const std::vector<std::string> combos = nombresDeCombos();
    escritorCsv t(s, "nudo,combo,Rx,Ry,Mz");
    for (const auto& n : nudo) {
        if (!esApoyo(n)) continue;
        const int validos = std::min<int>(n.getCantidadDeCombos(), combos.size());
        for (int c = 0; c < validos; ++c) {
            const Eigen::Vector3d r = reaccionesDeApoyo(n, c);
            t.entero(n.getNoNudoUsuario()).texto(combos[c]);
            t.numero(r(0)).numero(r(1)).numero(r(2));
            t.finDeFila();
        }
    }
}
