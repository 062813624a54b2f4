// Load combinations: registered once, then turned into one load row per
// combination on every node and every bar, in the order of the entries.
#include <iostream>
#include <set>

#include "globales.h"
#include "lecturaInterna.h"

namespace lectura {

namespace {

// Case names that some load entry of the file carries (self weight only when
// it is in effect, that is, given exactly once).
std::set<std::string> casosDelArchivo(claseLeerArchivo& lector) {
    std::set<std::string> casos;
    for (const char* etiqueta : {"puntual:", "distribuidaLocal:", "distribuidaGlobal:"}) {
        const int cantidad = lector.getNoEtiquetas(etiqueta);
        for (int k = 1; k <= cantidad; ++k) casos.insert(lector.getString(etiqueta, k));
    }
    if (lector.getNoEtiquetas("pesoPropio:") == 1) casos.insert(lector.getString("pesoPropio:", 1));
    return casos;
}

// Adds the combination's terms to one element. A combination without pairs
// still gets its (zero) row, so that row k is combination k on every element.
template <class Elemento>
void aplicarCombo(Elemento& elemento, const combo& c) {
    if (c.factores.empty()) {
        elemento.setCombo(c.nombre, 0.0, "");
        return;
    }
    for (std::size_t j = 0; j < c.factores.size(); ++j) {
        elemento.setCombo(c.nombre, c.factores[j], c.casos[j]);
    }
}

}  // namespace

std::vector<combo> leerCombos(claseLeerArchivo& lector) {
    const std::string etiqueta = "combo:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    const std::set<std::string> casos =
        cantidad > 0 ? casosDelArchivo(lector) : std::set<std::string>();
    std::vector<combo> combos;
    std::set<std::string> nombres;
    for (int k = 1; k <= cantidad; ++k) {
        combo c;
        c.nombre = lector.getString(etiqueta, k);
        c.factores = lector.getFactoresEtiqueta(etiqueta, k, 1);
        c.casos = lector.getNombresDeFactores(etiqueta, k, 1);
        if (c.nombre.empty()) {
            advertir(entrada(etiqueta, k) + " no tiene nombre de combinación; se ignora");
            continue;
        }
        revisarNombre(lector, c.nombre, etiqueta, k, "combinación");
        if (!nombres.insert(c.nombre).second) {
            advertir("el combo " + c.nombre + " está repetido (" + entrada(etiqueta, k) +
                     "); se ignora");
            continue;
        }
        if (c.factores.empty()) {
            advertir("el combo " + c.nombre + " no tiene pares factor/caso; sus cargas son cero");
        }
        std::set<std::string> avisados;
        for (const std::string& caso : c.casos) {
            if (casos.count(caso) == 0 && avisados.insert(caso).second) {
                advertir("el combo " + c.nombre + " nombra el caso " + caso +
                         ", que ninguna carga del archivo usa");
            }
        }
        combos.push_back(c);
    }
    noCombos = static_cast<int>(combos.size());
    return combos;
}

void aplicarCombosNudos(const std::vector<combo>& combos, bool hayEntradas) {
    for (objNudo2d& n : nudo) {
        for (const combo& c : combos) aplicarCombo(n, c);
    }
    if (hayEntradas) std::cout << "transferencia de combos a nudo[i] OK" << std::endl;
}

void aplicarCombosBarras(const std::vector<combo>& combos) {
    if (noCombos == 0) return;
    for (objBarra2d& b : barra) {
        for (const combo& c : combos) aplicarCombo(b, c);
    }
    std::cout << "transferencia de combos a barra[i] OK" << std::endl;
}

}  // namespace lectura
