// Builds small models in the global lists through the node and bar setters,
// in the order the reader uses, so that solver and report tests do not
// depend on the input file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "globales.h"

// Empty model and solver state.
inline void vaciarModelo() {
    nudo.clear();
    barra.clear();
    noNudos = noBarras = noCombos = 0;
    modeloResuelto = false;
}

// New node at (x, y) with restraint flags; user number = index + 1.
inline int agregarNudo(double x, double y, int ax = 0, int ay = 0, int ag = 0) {
    const int i = static_cast<int>(nudo.size());
    nudo.emplace_back();
    nudo[i].setNumeroNudoUsuario(i + 1);
    nudo[i].setNumeroDeNudo(i);
    nudo[i].setCoordenadas(x, y);
    nudo[i].setApoyo(ax, ay, ag);
    noNudos = static_cast<int>(nudo.size());
    return i;
}

// New bar from node i to node j with area A, inertia I, modulus E and end
// fixity factors; user number = index + 1.
inline int agregarBarra(int i, int j, double e, double a, double inercia, double ai = 1,
                        double af = 1) {
    const int b = static_cast<int>(barra.size());
    barra.emplace_back();
    objBarra2d& r = barra[b];
    r.resetFlags();
    r.setNumeroBarraUsuario(b + 1);
    r.setNumeroDeBarra(b);
    r.setNudoInicio(i, nudo[i].getX(), nudo[i].getY());
    r.setNudoFinal(j, nudo[j].getX(), nudo[j].getY());
    r.setNudoInicioUsuario(i + 1);
    r.setNudoFinalUsuario(j + 1);
    r.setSeccionGenerica(a, inercia);
    r.setModuloE(e);
    r.setNombreDeSeccion("S");
    r.setArticulacion(ai, af);
    noBarras = static_cast<int>(barra.size());
    return b;
}

// One combination applied to every node and bar (after all their loads).
inline void agregarCombo(const std::string& nombre,
                         const std::vector<std::pair<double, std::string>>& terminos) {
    for (auto& n : nudo)
        for (const auto& t : terminos) n.setCombo(nombre, t.first, t.second);
    for (auto& b : barra)
        for (const auto& t : terminos) b.setCombo(nombre, t.first, t.second);
    ++noCombos;
}
