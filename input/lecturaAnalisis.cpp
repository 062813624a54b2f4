// Tags of the analyses beside the linear one: "segundoOrden:" (P-Delta for
// every combination), "masa:" (translational mass of nodes), "gravedad:"
// (self weight as mass) and "subdivisiones:" (sub-elements per bar). Read
// only when present: a file without them reads and prints as before.
#include <iostream>

#include "lecturaInterna.h"

namespace lectura {

namespace {

// More sub-elements than this per bar would only cost memory: the errors of
// the cubic elements are already far below those of the data.
constexpr int subdivisionesMaximas = 100;

void leerMasas(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "masa:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 0);
        if (!valoresSuficientes(v, 1, etiqueta, k)) continue;
        if (!(v[0] >= 0)) {
            advertir(entrada(etiqueta, k) + " tiene una masa negativa (" + texto(v[0]) +
                     "); no se aplica");
            continue;
        }
        aplicarANudos(m, v, 1, etiqueta, [&](objNudo2d& n) { n.agregarMasa(v[0]); });
    }
    if (cantidad > 0) std::cout << "transferencia de masas a nudo[i] OK" << std::endl;
}

void leerGravedad(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "gravedad:";
    if (lector.getNoEtiquetas(etiqueta) == 0) return;
    // -1 is the reader's "no valid value", already warned about.
    const double g = lector.getReal(etiqueta);
    if (g > 0) {
        m.analisis.gravedad = g;
        std::cout << "Lectura de gravedad ---> OK" << std::endl;
    } else if (g != -1) {
        advertir("el valor " + texto(g) + " de " + etiqueta +
                 " no es positivo; se ignora (sin masa del peso propio)");
    }
}

void leerSubdivisiones(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "subdivisiones:";
    if (lector.getNoEtiquetas(etiqueta) == 0) return;
    const int k = lector.getEntero(etiqueta);
    if (k > subdivisionesMaximas) {
        advertir("el valor " + std::to_string(k) + " de " + etiqueta + " es mayor que " +
                 std::to_string(subdivisionesMaximas) + "; se toma " +
                 std::to_string(subdivisionesMaximas));
        m.analisis.subdivisiones = subdivisionesMaximas;
    } else if (k >= 1) {
        m.analisis.subdivisiones = k;
        std::cout << "Lectura de subdivisiones ---> OK" << std::endl;
    } else if (k != -1) {
        advertir("el valor " + std::to_string(k) + " de " + etiqueta +
                 " no es un entero positivo; se toma " + std::to_string(subdivisionesPorDefecto));
    }
}

}  // namespace

void leerAnalisis(modelo& m, claseLeerArchivo& lector) {
    if (lector.getNoEtiquetas("segundoOrden:") > 0) {
        m.analisis.segundoOrden = true;
        std::cout << "Lectura de segundoOrden ---> OK" << std::endl;
    }
    leerMasas(m, lector);
    leerGravedad(m, lector);
    leerSubdivisiones(m, lector);
}

}  // namespace lectura
