// Paths of moving loads ("recorrido:") and trains ("tren:"). A wrong entry
// gives one warning naming it and is not used; nothing else is lost.
#include <iostream>

#include "lecturaInterna.h"

namespace lectura {

namespace {

// The bars of a path share a node with the one before them.
bool compartenNudo(const objBarra2d& a, const objBarra2d& b) {
    return a.getNudoInicio() == b.getNudoInicio() || a.getNudoInicio() == b.getNudoFinal() ||
           a.getNudoFinal() == b.getNudoInicio() || a.getNudoFinal() == b.getNudoFinal();
}

}  // namespace

void leerRecorridos(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "recorrido:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        recorrido r;
        r.nombre = lector.getString(etiqueta, k);
        revisarNombre(lector, r.nombre, etiqueta, k, "recorrido");
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 1);
        const std::string quien = entrada(etiqueta, k, r.nombre);
        if (v.empty()) {
            advertir(quien + " no nombra ninguna barra; no se usa");
            continue;
        }
        bool valido = true;
        for (double numero : v) {
            const int i = buscarBarra(m, numero);
            if (i < 0) {
                advertir(quien + " nombra la barra " + texto(numero) +
                         ", que no existe; no se usa");
                valido = false;
                break;
            }
            if (!r.barras.empty() && !compartenNudo(m.barra[r.barras.back()], m.barra[i])) {
                advertir(
                    quien + ": la barra " + texto(numero) + " no comparte un nudo con la barra " +
                    std::to_string(m.barra[r.barras.back()].getNoBarraUsuario()) + "; no se usa");
                valido = false;
                break;
            }
            r.barras.push_back(i);
        }
        if (valido) m.recorridos.push_back(r);
    }
    if (cantidad > 0) std::cout << "lectura de recorridos OK" << std::endl;
}

// q, then the axle loads and the distances between consecutive axles:
// P1, d1, P2, d2, ..., Pn.
void leerTrenes(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "tren:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        tren t;
        t.nombre = lector.getString(etiqueta, k);
        revisarNombre(lector, t.nombre, etiqueta, k, "tren");
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 1);
        const std::string quien = entrada(etiqueta, k, t.nombre);
        if (!valoresSuficientes(v, 1, etiqueta, k, t.nombre)) continue;
        // q, then P1 (d1 P2)...: one value, or an even count.
        if (v.size() > 1 && v.size() % 2 == 1) {
            advertir(quien + " termina en una distancia sin eje detrás; no se usa");
            continue;
        }
        bool valido = true;
        for (std::size_t i = 0; i < v.size() && valido; ++i) {
            if (v[i] >= 0) continue;
            const std::string que = i == 0       ? std::string("la carga repartida q")
                                    : i % 2 == 1 ? "el eje " + std::to_string((i + 1) / 2)
                                                 : "la distancia " + std::to_string(i / 2);
            advertir(quien + ": " + que + " vale " + texto(v[i]) + ", que es negativo; no se usa");
            valido = false;
        }
        if (!valido) continue;
        // A train whose loads (q and the axles, not the distances) are all
        // zero has no effect anywhere.
        bool sinCarga = true;
        for (std::size_t i = 0; i < v.size(); i += i == 0 ? 1 : 2) sinCarga = sinCarga && v[i] == 0;
        if (sinCarga) {
            advertir(quien + " no tiene ninguna carga (q y los ejes valen 0); no se usa");
            continue;
        }
        t.q = v[0];
        for (std::size_t i = 1; i < v.size(); i += 2) {
            t.ejes.push_back(v[i]);
            if (i + 1 < v.size()) t.separaciones.push_back(v[i + 1]);
        }
        m.trenes.push_back(t);
    }
    if (cantidad > 0) std::cout << "lectura de trenes OK" << std::endl;
}

}  // namespace lectura
