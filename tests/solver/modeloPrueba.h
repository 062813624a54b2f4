// Builds small models through the node and bar setters, in the order the
// reader uses, so that solver and report tests do not depend on the input
// file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "modelo.h"

// New node at (x, y) with restraint flags; user number = index + 1.
inline int agregarNudo(modelo& m, double x, double y, int ax = 0, int ay = 0, int ag = 0) {
    const int i = static_cast<int>(m.nudo.size());
    m.nudo.emplace_back();
    objNudo2d& n = m.nudo.back();
    n.setNumeroNudoUsuario(i + 1);
    n.setNumeroDeNudo(i);
    n.setCoordenadas(x, y);
    n.setApoyo(ax, ay, ag);
    m.noNudos = static_cast<int>(m.nudo.size());
    return i;
}

// New bar from node i to node j with area A, inertia I, modulus E and end
// fixity factors; user number = index + 1.
inline int agregarBarra(modelo& m, int i, int j, double e, double a, double inercia, double ai = 1,
                        double af = 1) {
    const int b = static_cast<int>(m.barra.size());
    m.barra.emplace_back();
    objBarra2d& r = m.barra.back();
    r.resetFlags();
    r.setNumeroBarraUsuario(b + 1);
    r.setNumeroDeBarra(b);
    r.setNudoInicio(i, m.nudo[i].getX(), m.nudo[i].getY());
    r.setNudoFinal(j, m.nudo[j].getX(), m.nudo[j].getY());
    r.setNudoInicioUsuario(i + 1);
    r.setNudoFinalUsuario(j + 1);
    r.setSeccionGenerica(a, inercia);
    r.setModuloE(e);
    r.setNombreDeSeccion("S");
    r.setArticulacion(ai, af);
    m.noBarras = static_cast<int>(m.barra.size());
    return b;
}

// One more combination of the model: factor × case terms.
inline void agregarCombo(modelo& m, const std::string& nombre,
                         const std::vector<std::pair<double, std::string>>& terminos) {
    comboCarga c;
    c.nombre = nombre;
    for (const auto& t : terminos) c.terminos.push_back({t.first, t.second});
    m.combos.push_back(c);
    m.noCombos = static_cast<int>(m.combos.size());
}
