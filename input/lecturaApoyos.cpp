// Supports: restraints along global X and Y ("apoyo:"), rollers on inclined
// surfaces ("apoyoInclinado:"), taken together in the order of the file so
// that a later entry on a node replaces an earlier one; and the settlements
// of the supports ("asentamiento:"), which only restrained directions take.
#include <algorithm>
#include <iostream>

#include "lecturaInterna.h"

namespace lectura {

namespace {

constexpr double radianesPorGrado = 3.141592653589793 / 180.0;

// A code other than 0 (free) and 1 (restrained) is kept: the solver then
// lists that freedom neither as free nor as restrained.
void revisarCodigo(int codigo, const std::string& etiqueta, int k) {
    if (codigo == 0 || codigo == 1) return;
    advertir(entrada(etiqueta, k) + " tiene el código " + std::to_string(codigo) +
             ", que no es 0 ni 1; se conserva (ese grado de libertad no se calcula:"
             " desplazamiento nulo y sin reacción)");
}

void aplicarApoyo(modelo& m, claseLeerArchivo& lector, int k) {
    const std::string etiqueta = "apoyo:";
    const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 0);
    if (!valoresSuficientes(v, 3, etiqueta, k)) return;
    const int codigos[3] = {truncarEntero(v[0]), truncarEntero(v[1]), truncarEntero(v[2])};
    for (int codigo : codigos) revisarCodigo(codigo, etiqueta, k);
    aplicarANudos(m, v, 3, etiqueta,
                  [&](objNudo2d& n) { n.setApoyo(codigos[0], codigos[1], codigos[2]); });
}

// Angle in degrees of the surface, counter-clockwise from global X, and the
// restraint of the rotation.
void aplicarApoyoInclinado(modelo& m, claseLeerArchivo& lector, int k) {
    const std::string etiqueta = "apoyoInclinado:";
    const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 0);
    if (!valoresSuficientes(v, 2, etiqueta, k)) return;
    const int giro = truncarEntero(v[1]);
    revisarCodigo(giro, etiqueta, k);
    aplicarANudos(m, v, 2, etiqueta,
                  [&](objNudo2d& n) { n.setApoyoInclinado(v[0] * radianesPorGrado, giro); });
}

}  // namespace

void leerApoyos(modelo& m, claseLeerArchivo& lector) {
    struct entradaApoyo {
        long posicion;
        bool inclinado;
        int k;
    };
    std::vector<entradaApoyo> entradas;
    const int rectos = lector.getNoEtiquetas("apoyo:");
    const int inclinados = lector.getNoEtiquetas("apoyoInclinado:");
    for (int k = 1; k <= rectos; ++k)
        entradas.push_back({lector.getPosicion("apoyo:", k), false, k});
    for (int k = 1; k <= inclinados; ++k)
        entradas.push_back({lector.getPosicion("apoyoInclinado:", k), true, k});
    std::stable_sort(
        entradas.begin(), entradas.end(),
        [](const entradaApoyo& a, const entradaApoyo& b) { return a.posicion < b.posicion; });
    for (const entradaApoyo& e : entradas) {
        if (e.inclinado) {
            aplicarApoyoInclinado(m, lector, e.k);
        } else {
            aplicarApoyo(m, lector, e.k);
        }
    }
    if (rectos > 0) std::cout << "transferencia de apoyos a nudo[i] OK" << std::endl;
    if (inclinados > 0) std::cout << "transferencia de apoyos inclinados a nudo[i] OK" << std::endl;
}

// A settlement is taken only in the directions the node's support
// restrains; on an inclined support, its translation's component normal to
// the surface (the solver takes it).
void leerAsentamientos(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "asentamiento:";
    static const char* const direcciones[3] = {"X", "Y", "giro"};
    const int cantidad = recorrerCargasConNombre(
        lector, etiqueta, 3, [&](int k, const std::string& caso, const std::vector<double>& v) {
            aplicarANudos(m, v, 3, etiqueta, [&](objNudo2d& n) {
                double d[3] = {v[0], v[1], v[2]};
                for (int a = 0; a < 3; ++a) {
                    const bool restringida =
                        n.esApoyoInclinado() && a < 2 ? true : n.getApoyo()(a) == 1;
                    if (d[a] == 0 || restringida) continue;
                    advertir(entrada(etiqueta, k, caso) + " da al nudo " +
                             std::to_string(n.getNoNudoUsuario()) +
                             " un desplazamiento en la dirección " + direcciones[a] +
                             ", que no está restringida; se ignora ese valor");
                    d[a] = 0;
                }
                n.setAsentamiento(caso, d[0], d[1], d[2]);
            });
        });
    if (cantidad > 0) std::cout << "transferencia de asentamientos a nudo[i] OK" << std::endl;
}

}  // namespace lectura
