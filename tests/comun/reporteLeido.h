// The numbers of a "resultados.txt" as a reader of the file finds them: the
// node table (user number, X, Y in file order), the structure displacement
// matrix (three rows per node in that order, one column per combination) and
// the end values of N, V and M of every bar and combination.
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

struct nudoLeido {
    int numero;
    double x, y;
};

// End values of one bar in one combination, keyed by their label without the
// colon: "N_inicio", "N_fin", "V_inicio", "V_fin", "M_inicio", "M_fin".
using extremosLeidos = std::map<std::string, double>;

struct reporteLeido {
    bool leido = false;
    std::vector<nudoLeido> nudos;
    std::vector<std::vector<double>> desplazamientos;  // 3·nudos rows
    // (user bar number, 1-based combination) -> end values.
    std::map<std::pair<int, int>, extremosLeidos> extremos;

    // Displacement of the node with user number `numero`, direction 0 (X),
    // 1 (Y) or 2 (rotation), combination `combo` (1-based); false when the
    // report does not hold it.
    bool desplazamiento(int numero, int direccion, int combo, double& valor) const {
        for (std::size_t n = 0; n < nudos.size(); ++n) {
            if (nudos[n].numero != numero) continue;
            const std::size_t fila = 3 * n + static_cast<std::size_t>(direccion);
            if (fila >= desplazamientos.size() || combo < 1 ||
                static_cast<std::size_t>(combo) > desplazamientos[fila].size())
                return false;
            valor = desplazamientos[fila][static_cast<std::size_t>(combo - 1)];
            return true;
        }
        return false;
    }

    bool extremo(int barra, int combo, const std::string& etiqueta, double& valor) const {
        const auto b = extremos.find({barra, combo});
        if (b == extremos.end()) return false;
        const auto v = b->second.find(etiqueta);
        if (v == b->second.end()) return false;
        valor = v->second;
        return true;
    }
};

namespace reporteLeidoDetalle {

inline std::vector<double> numerosDe(const std::string& linea) {
    std::istringstream s(linea);
    std::vector<double> v;
    double x;
    while (s >> x) v.push_back(x);
    return v;
}

}  // namespace reporteLeidoDetalle

inline reporteLeido leerReporte(const std::string& ruta) {
    using reporteLeidoDetalle::numerosDe;
    reporteLeido r;
    std::ifstream f(ruta);
    if (!f) return r;
    std::vector<std::string> lineas;
    for (std::string l; std::getline(f, l);) lineas.push_back(l);

    std::size_t i = 0;
    auto buscar = [&](const std::string& cabecera) {
        while (i < lineas.size() && lineas[i] != cabecera) ++i;
        if (i < lineas.size()) ++i;
        return i < lineas.size();
    };

    if (!buscar("#Nudo CoordX coordY")) return r;
    for (; i < lineas.size() && !lineas[i].empty(); ++i) {
        const std::vector<double> v = numerosDe(lineas[i]);
        if (v.size() == 3) r.nudos.push_back({static_cast<int>(v[0]), v[1], v[2]});
    }
    if (!buscar("VECTOR DE DESPLAZAMIENTOS")) return r;
    for (; i < lineas.size() && !lineas[i].empty(); ++i)
        r.desplazamientos.push_back(numerosDe(lineas[i]));
    if (!buscar("SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:")) return r;
    int barra = 0, combo = 0;
    for (; i < lineas.size(); ++i) {
        const std::string& l = lineas[i];
        const std::size_t dosPuntos = l.find(": ");
        if (dosPuntos == std::string::npos) continue;
        const std::string etiqueta = l.substr(0, dosPuntos);
        const double valor = std::stod(l.substr(dosPuntos + 2));
        if (etiqueta == "#_barra") {
            barra = static_cast<int>(valor);
        } else if (etiqueta == "combo") {
            combo = static_cast<int>(valor);
        } else {
            r.extremos[{barra, combo}][etiqueta] = valor;
        }
    }
    r.leido = true;
    return r;
}
