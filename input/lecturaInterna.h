// Steps of the model builder, shared by the files of input/ only. Each step
// reads its tags through the reader, hands the values to the node and bar
// setters and prints its progress line; user numbers are resolved through
// punteroNudos / punteroBarras, where -1 marks a number that names nothing.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "claseLeerArchivo.h"
#include "globales.h"

namespace lectura {

// Largest user number accepted for a node or a bar: the number tables are
// sized by the largest number, so an absurd one is refused instead.
constexpr double numeroUsuarioMaximo = 1000000.0;

// A load combination as registered: distinct name, factor/case pairs in
// file order (possibly none: the combination then has all-zero rows).
struct combo {
    std::string nombre;
    std::vector<double> factores;
    std::vector<std::string> casos;
};

// One bar row kept from the "barras:" table (own number and end nodes valid).
struct filaBarra {
    int numero;
    int nudoInicioUsuario;
    int nudoFinalUsuario;
};

// "Advertencia: <texto>" on one console line.
void advertir(const std::string& texto);
// A number as the stream writes it by default (15, 2.5, 1e+07).
std::string texto(double valor);
// Entry label for warnings: "la entrada 2 de apoyo:" (with " (nombre)" when given).
std::string entrada(const std::string& etiqueta, int k, const std::string& nombre = "");
// Internal index of the node or bar that the user number names, -1 when
// none does (negative, above the table, or an unused number).
int buscarNudo(double numeroUsuario);
int buscarBarra(double numeroUsuario);
// Same, printing "Advertencia: en <etiqueta> el nudo N no existe; se ignora"
// when nothing is named.
int nudoDeEntrada(double numeroUsuario, const std::string& etiqueta);
int barraDeEntrada(double numeroUsuario, const std::string& etiqueta);
// For each user number v[desde], v[desde + 1], ... of an entry: looks up the
// node (or bar) it names, warning when none does, and hands it to
// `aplicar`, which calls the setter.
template <class Elemento, class Aplicar>
void aplicarAListados(std::vector<Elemento>& elementos,
                      int (*deEntrada)(double, const std::string&), const std::vector<double>& v,
                      std::size_t desde, const std::string& etiqueta, Aplicar aplicar) {
    for (std::size_t n = desde; n < v.size(); ++n) {
        const int i = deEntrada(v[n], etiqueta);
        if (i >= 0) aplicar(elementos[static_cast<std::size_t>(i)]);
    }
}
template <class Aplicar>
void aplicarANudos(const std::vector<double>& v, std::size_t desde, const std::string& etiqueta,
                   Aplicar aplicar) {
    aplicarAListados(nudo, nudoDeEntrada, v, desde, etiqueta, aplicar);
}
template <class Aplicar>
void aplicarABarras(const std::vector<double>& v, std::size_t desde, const std::string& etiqueta,
                    Aplicar aplicar) {
    aplicarAListados(barra, barraDeEntrada, v, desde, etiqueta, aplicar);
}
// Truncation toward zero, saturated to the int range.
int truncarEntero(double valor);
// Warns when a name token is missing or looks like a number (name forgotten).
void revisarNombre(claseLeerArchivo& lector, const std::string& nombre, const std::string& etiqueta,
                   int k, const std::string& queNombre);
// True when the entry holds at least the fixed values; warns otherwise.
bool valoresSuficientes(const std::vector<double>& v, std::size_t necesarios,
                        const std::string& etiqueta, int k, const std::string& nombre = "");

// Steps of the processing order.
void leerTablas(claseLeerArchivo& lector, Eigen::MatrixXd& tablaNudos,
                std::vector<filaBarra>& filasBarras);
void crearNudos(const Eigen::MatrixXd& tablaNudos);
void leerApoyos(claseLeerArchivo& lector);
void leerResortes(claseLeerArchivo& lector);
void leerCargasPuntuales(claseLeerArchivo& lector);
std::vector<combo> leerCombos(claseLeerArchivo& lector);
void aplicarCombosNudos(const std::vector<combo>& combos, bool hayEntradas);
void crearBarras(const std::vector<filaBarra>& filasBarras);
void leerSecciones(claseLeerArchivo& lector);
void leerArticulaciones(claseLeerArchivo& lector);
void leerCargasLocales(claseLeerArchivo& lector);
void leerCargasGlobales(claseLeerArchivo& lector);
void leerPesoPropio(claseLeerArchivo& lector);
void aplicarCombosBarras(const std::vector<combo>& combos);
void leerAjustes(claseLeerArchivo& lector);

}  // namespace lectura
