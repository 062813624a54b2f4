// Springs and loads: point loads on nodes, full-length distributed loads on
// bars (local or global directions) and self weight.
#include <iostream>

#include "direccionCarga.h"
#include "lecturaInterna.h"

namespace lectura {

std::vector<std::string> etiquetasDeCargas() {
    std::vector<std::string> e = {
        "puntual:", "asentamiento:", "distribuidaLocal:", "distribuidaGlobal:"};
    for (const std::string& t : etiquetasDeCargasEnTramos()) e.push_back(t);
    return e;
}

void leerResortes(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "resorte:";
    static const char* const direcciones[3] = {"kx", "ky", "kgiro"};
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 0);
        if (!valoresSuficientes(v, 3, etiqueta, k)) continue;
        for (int d = 0; d < 3; ++d) {
            if (v[d] < 0.0) {
                advertir(entrada(etiqueta, k) + " tiene una rigidez negativa (" + direcciones[d] +
                         " = " + texto(v[d]) + "); se conserva");
            }
        }
        aplicarANudos(m, v, 3, etiqueta, [&](objNudo2d& n) { n.setResorte(v[0], v[1], v[2]); });
    }
    if (cantidad > 0) std::cout << "transferencia de resortes a nudo[i] OK" << std::endl;
}

void leerCargasPuntuales(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "puntual:";
    const int cantidad = recorrerCargasConNombre(
        lector, etiqueta, 3, [&](int, const std::string& caso, const std::vector<double>& v) {
            aplicarANudos(m, v, 3, etiqueta,
                          [&](objNudo2d& n) { n.setCargaPuntual(caso, v[0], v[1], v[2]); });
        });
    if (cantidad > 0) std::cout << "transferencia de cargas puntuales a nudo[i] OK" << std::endl;
}

void leerCargasLocales(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "distribuidaLocal:";
    const int cantidad = recorrerCargasConNombre(
        lector, etiqueta, 4, [&](int, const std::string& caso, const std::vector<double>& v) {
            aplicarABarras(m, v, 4, etiqueta,
                           [&](objBarra2d& b) { b.setCargaLocal(caso, v[0], v[1], v[2], v[3]); });
        });
    if (cantidad > 0) std::cout << "transferencia de cargas Locales a barra[i] OK" << std::endl;
}

void leerCargasGlobales(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "distribuidaGlobal:";
    const int cantidad = recorrerCargasConNombre(
        lector, etiqueta, 4, [&](int k, const std::string& caso, const std::vector<double>& v) {
            // Only the direction of (dx, dy) matters; (0, 0) has none. The
            // bar turns it into a unit vector.
            if (!tieneDireccion(v[2], v[3])) {
                advertir(entrada(etiqueta, k, caso) +
                         " tiene dirección (0, 0), que no define una dirección; no se aplica");
                return;
            }
            aplicarABarras(m, v, 4, etiqueta,
                           [&](objBarra2d& b) { b.setCargaGlobal(caso, v[0], v[1], v[2], v[3]); });
        });
    if (cantidad > 0) std::cout << "transferencia de cargas globales a barra[i] OK" << std::endl;
}

void leerPesoPropio(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "pesoPropio:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    if (cantidad == 0) {
        std::cout << "No se calculará el peso propio de la estructura" << std::endl;
    } else if (cantidad == 1) {
        const std::string caso = lector.getString(etiqueta, 1);
        revisarNombre(lector, caso, etiqueta, 1, "caso de carga");
        for (objBarra2d& b : m.barra) b.setPesoPropio(caso);
        std::cout << "Lectura de pesoPropio ---> OK" << std::endl;
    } else {
        std::cout << "No usar la etiqueta *pesoPropio:* más de una vez" << std::endl;
    }
}

}  // namespace lectura
