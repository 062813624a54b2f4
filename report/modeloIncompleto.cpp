#include "modeloIncompleto.h"

#include <vector>

std::string mensajeModeloIncompleto(const faltantesDelModelo& f) {
    std::vector<std::string> faltan;
    if (f.nudos) faltan.push_back("nudos");
    if (f.barras) faltan.push_back("barras");
    if (f.combos) faltan.push_back("combinaciones de carga");
    if (faltan.empty()) return "";
    std::string lista = faltan[0];
    for (size_t i = 1; i < faltan.size(); ++i) {
        lista += (i + 1 == faltan.size() ? " ni " : ", ") + faltan[i];
    }
    return "El modelo no tiene " + lista + "; no se resuelve ni se escribe resultados.txt";
}
