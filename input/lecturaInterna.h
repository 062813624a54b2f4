// Steps of the model builder, shared by the files of input/ only. Each step
// reads its tags through the reader, hands the values to the node and bar
// setters of the model being built and prints its progress line; user
// numbers are resolved through the model's punteroNudos / punteroBarras,
// where -1 marks a number that names nothing.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "claseLeerArchivo.h"
#include "modelo.h"

namespace lectura {

// Largest user number accepted for a node or a bar: the number tables are
// sized by the largest number, so an absurd one is refused instead.
constexpr double numeroUsuarioMaximo = 1000000.0;

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
int buscarNudo(const modelo& m, double numeroUsuario);
int buscarBarra(const modelo& m, double numeroUsuario);
// Same, printing "Advertencia: en <etiqueta> el nudo N no existe; se ignora"
// when nothing is named.
int nudoDeEntrada(const modelo& m, double numeroUsuario, const std::string& etiqueta);
int barraDeEntrada(const modelo& m, double numeroUsuario, const std::string& etiqueta);
// For each user number v[desde], v[desde + 1], ... of an entry: looks up the
// node (or bar) it names, warning when none does, and hands it to
// `aplicar`, which calls the setter.
template <class Elemento, class Aplicar>
void aplicarAListados(modelo& m, std::vector<Elemento>& elementos,
                      int (*deEntrada)(const modelo&, double, const std::string&),
                      const std::vector<double>& v, std::size_t desde, const std::string& etiqueta,
                      Aplicar aplicar) {
    for (std::size_t n = desde; n < v.size(); ++n) {
        const int i = deEntrada(m, v[n], etiqueta);
        if (i >= 0) aplicar(elementos[static_cast<std::size_t>(i)]);
    }
}
template <class Aplicar>
void aplicarANudos(modelo& m, const std::vector<double>& v, std::size_t desde,
                   const std::string& etiqueta, Aplicar aplicar) {
    aplicarAListados(m, m.nudo, nudoDeEntrada, v, desde, etiqueta, aplicar);
}
template <class Aplicar>
void aplicarABarras(modelo& m, const std::vector<double>& v, std::size_t desde,
                    const std::string& etiqueta, Aplicar aplicar) {
    aplicarAListados(m, m.barra, barraDeEntrada, v, desde, etiqueta, aplicar);
}
// Truncation toward zero, saturated to the int range.
int truncarEntero(double valor);
// Warns when a name token is missing or looks like a number (name forgotten).
void revisarNombre(claseLeerArchivo& lector, const std::string& nombre, const std::string& etiqueta,
                   int k, const std::string& queNombre);
// True when the entry holds at least the fixed values; warns otherwise.
bool valoresSuficientes(const std::vector<double>& v, std::size_t necesarios,
                        const std::string& etiqueta, int k, const std::string& nombre = "");

// Walks the entries "tag name v0 v1 ... numbers" of a load tag: reads the
// load-case name and the values, checks both, and hands each entry with
// enough fixed values to `aplicar(k, caso, v)`. Returns the entry count.

template <typename Aplicar>
int recorrerCargasConNombre(claseLeerArchivo& lector, const std::string& etiqueta,
                            std::size_t fijos, Aplicar aplicar) {
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        const std::string caso = lector.getString(etiqueta, k);
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 1);
        revisarNombre(lector, caso, etiqueta, k, "caso de carga");
        if (!valoresSuficientes(v, fijos, etiqueta, k, caso)) continue;
        aplicar(k, caso, v);
    }
    return cantidad;
}

// Steps of the processing order.
void leerTablas(modelo& m, claseLeerArchivo& lector, Eigen::MatrixXd& tablaNudos,
                std::vector<filaBarra>& filasBarras);
void crearNudos(modelo& m, const Eigen::MatrixXd& tablaNudos);
void leerApoyos(modelo& m, claseLeerArchivo& lector);
void leerResortes(modelo& m, claseLeerArchivo& lector);
void leerCargasPuntuales(modelo& m, claseLeerArchivo& lector);
void leerAsentamientos(modelo& m, claseLeerArchivo& lector);
// Registers the combinations in m.combos (distinct names, file order).
void leerCombos(modelo& m, claseLeerArchivo& lector);
void avisarCombosNudos(bool hayEntradas);
void crearBarras(modelo& m, const std::vector<filaBarra>& filasBarras);
void leerSecciones(modelo& m, claseLeerArchivo& lector);
void leerArticulaciones(modelo& m, claseLeerArchivo& lector);
// One warning per bar that no section entry names (it has no stiffness).
void avisarBarrasSinSeccion(const modelo& m);
void leerCargasLocales(modelo& m, claseLeerArchivo& lector);
void leerCargasGlobales(modelo& m, claseLeerArchivo& lector);
void leerPesoPropio(modelo& m, claseLeerArchivo& lector);
void leerCargasEnTramos(modelo& m, claseLeerArchivo& lector);
void avisarCombosBarras(const modelo& m);
void leerRecorridos(modelo& m, claseLeerArchivo& lector);
void leerTrenes(modelo& m, claseLeerArchivo& lector);
void leerAjustes(modelo& m, claseLeerArchivo& lector);
// "segundoOrden:", "masa:", "gravedad:", "subdivisiones:" (only when present).
void leerAnalisis(modelo& m, claseLeerArchivo& lector);
// Every tag that carries loads of a named case: those of the nodes and of
// the whole bar, then those of the loads inside a bar.
std::vector<std::string> etiquetasDeCargas();
std::vector<std::string> etiquetasDeCargasEnTramos();

}  // namespace lectura
