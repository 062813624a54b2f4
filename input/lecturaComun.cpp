// Helpers shared by the steps of the model builder: warnings, resolution of
// user numbers, checks of entry length and names.
#include <climits>
#include <cmath>
#include <iostream>
#include <sstream>

#include "lecturaInterna.h"

namespace lectura {

void advertir(const std::string& texto) {
    std::cout << "Advertencia: " << texto << std::endl;
}

std::string texto(double valor) {
    // Whole numbers as written (2000000, not 2e+06); others as the stream does.
    if (std::isfinite(valor) && valor == std::trunc(valor) && std::fabs(valor) < 1e15) {
        return std::to_string(static_cast<long long>(valor));
    }
    std::ostringstream s;
    s << valor;
    return s.str();
}

std::string entrada(const std::string& etiqueta, int k, const std::string& nombre) {
    std::string t = "la entrada " + std::to_string(k) + " de " + etiqueta;
    if (!nombre.empty()) t += " (" + nombre + ")";
    return t;
}

int truncarEntero(double valor) {
    if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(valor);
}

namespace {

// Table lookup with every bound checked: user numbers are truncated toward
// zero; negative ones and those beyond the table name nothing.
int buscar(const Eigen::VectorXi& tabla, double numeroUsuario) {
    if (!(numeroUsuario >= 0.0) || numeroUsuario >= static_cast<double>(tabla.size())) return -1;
    return tabla(static_cast<Eigen::Index>(numeroUsuario));
}

}  // namespace

int buscarNudo(const modelo& m, double numeroUsuario) {
    return buscar(m.punteroNudos, numeroUsuario);
}
int buscarBarra(const modelo& m, double numeroUsuario) {
    return buscar(m.punteroBarras, numeroUsuario);
}

int nudoDeEntrada(const modelo& m, double numeroUsuario, const std::string& etiqueta) {
    const int i = buscarNudo(m, numeroUsuario);
    if (i < 0)
        advertir("en " + etiqueta + " el nudo " + texto(numeroUsuario) + " no existe; se ignora");
    return i;
}

int barraDeEntrada(const modelo& m, double numeroUsuario, const std::string& etiqueta) {
    const int i = buscarBarra(m, numeroUsuario);
    if (i < 0) {
        advertir("en " + etiqueta + " la barra " + texto(numeroUsuario) + " no existe; se ignora");
    }
    return i;
}

void revisarNombre(claseLeerArchivo& lector, const std::string& nombre, const std::string& etiqueta,
                   int k, const std::string& queNombre) {
    if (nombre.empty()) {
        advertir(entrada(etiqueta, k) + " no tiene nombre de " + queNombre);
    } else if (lector.esNumero(nombre)) {
        advertir(entrada(etiqueta, k) + " tiene por nombre " + nombre +
                 ", que parece un número (¿falta el nombre de " + queNombre + "?); se conserva");
    }
}

bool valoresSuficientes(const std::vector<double>& v, std::size_t necesarios,
                        const std::string& etiqueta, int k, const std::string& nombre) {
    if (v.size() >= necesarios) return true;
    advertir(entrada(etiqueta, k, nombre) + " tiene " + std::to_string(v.size()) +
             (v.size() == 1 ? " valor" : " valores") + " y necesita " + std::to_string(necesarios) +
             "; no se aplica");
    return false;
}

}  // namespace lectura
