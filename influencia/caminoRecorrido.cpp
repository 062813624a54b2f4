#include "caminoRecorrido.h"

caminoRecorrido caminoDe(const modelo& m, const recorrido& r) {
    caminoRecorrido c;
    c.nombre = r.nombre;
    if (r.barras.empty()) return c;
    auto barra = [&](std::size_t k) -> const objBarra2d& {
        return m.barra[static_cast<std::size_t>(r.barras[k])];
    };
    // The node the path enters its first bar by.
    int nudo = barra(0).getNudoInicio();
    if (r.barras.size() > 1) {
        const objBarra2d& segunda = barra(1);
        const int fin = barra(0).getNudoFinal();
        const bool inicioCompartido =
            nudo == segunda.getNudoInicio() || nudo == segunda.getNudoFinal();
        const bool finCompartido = fin == segunda.getNudoInicio() || fin == segunda.getNudoFinal();
        if (inicioCompartido && !finCompartido) nudo = fin;
    }
    c.nudos.push_back(nudo);
    for (std::size_t k = 0; k < r.barras.size(); ++k) {
        const objBarra2d& b = barra(k);
        tramoCamino t;
        t.barra = r.barras[k];
        t.adelante = b.getNudoInicio() == nudo;
        t.inicio = c.longitud;
        t.L = b.getLongitud();
        nudo = t.adelante ? b.getNudoFinal() : b.getNudoInicio();
        c.nudos.push_back(nudo);
        c.longitud += t.L;
        c.tramos.push_back(t);
    }
    return c;
}
