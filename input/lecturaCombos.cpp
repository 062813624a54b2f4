// Load combinations: registered once in the model, as a name and its
// (factor, case) terms in the order of the entries. The loads of a
// combination are formed where they are used (combinaciones.h).
#include <iostream>
#include <set>

#include "lecturaInterna.h"

namespace lectura {

namespace {

// Case names that some load entry of the file carries (self weight only when
// it is in effect, that is, given exactly once).
std::set<std::string> casosDelArchivo(claseLeerArchivo& lector) {
    std::set<std::string> casos;
    for (const std::string& etiqueta : etiquetasDeCargas()) {
        const int cantidad = lector.getNoEtiquetas(etiqueta);
        for (int k = 1; k <= cantidad; ++k) casos.insert(lector.getString(etiqueta, k));
    }
    if (lector.getNoEtiquetas("pesoPropio:") == 1) casos.insert(lector.getString("pesoPropio:", 1));
    return casos;
}

}  // namespace

void leerCombos(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "combo:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    const std::set<std::string> casos =
        cantidad > 0 ? casosDelArchivo(lector) : std::set<std::string>();
    std::set<std::string> nombres;
    for (int k = 1; k <= cantidad; ++k) {
        comboCarga c;
        c.nombre = lector.getString(etiqueta, k);
        const std::vector<double> factores = lector.getFactoresEtiqueta(etiqueta, k, 1);
        const std::vector<std::string> nombresCasos = lector.getNombresDeFactores(etiqueta, k, 1);
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
        if (factores.empty()) {
            advertir("el combo " + c.nombre + " no tiene pares factor/caso; sus cargas son cero");
        }
        std::set<std::string> avisados;
        for (const std::string& caso : nombresCasos) {
            if (casos.count(caso) == 0 && avisados.insert(caso).second) {
                advertir("el combo " + c.nombre + " nombra el caso " + caso +
                         ", que ninguna carga del archivo usa");
            }
        }
        for (std::size_t j = 0; j < factores.size() && j < nombresCasos.size(); ++j)
            c.terminos.push_back({factores[j], nombresCasos[j]});
        m.combos.push_back(c);
    }
    m.noCombos = static_cast<int>(m.combos.size());
}

void avisarCombosNudos(bool hayEntradas) {
    if (hayEntradas) std::cout << "transferencia de combos a nudo[i] OK" << std::endl;
}

void avisarCombosBarras(const modelo& m) {
    if (m.noCombos != 0) std::cout << "transferencia de combos a barra[i] OK" << std::endl;
}

}  // namespace lectura
