// Loads inside a bar: point loads and partial distributed loads, given in
// local axes or in global components; and changes of temperature. Distances a (and b) run along the
// bar from its start node; a global load is projected to local axes here, so that the rest of the
// program sees only local loads.
#include <cmath>
#include <iostream>

#include "direccionCarga.h"
#include "lecturaInterna.h"

namespace lectura {

namespace {

// A distance this share of the bar's length beyond an end is the end.
constexpr double toleranciaExtremo = 1e-9;

// One tag of loads inside a bar: its fixed values (the first `distancias`
// of them are a, or a and b), where a global direction stands among them
// (-1: none), how the values become a load of the bar, and its progress line.
struct etiquetaTramo {
    const char* etiqueta;
    std::size_t fijos;
    int distancias;
    int direccion;
    cargaBarra (*carga)(const objBarra2d& b, const std::vector<double>& v);
    const char* progreso;
};

cargaBarra puntualLocal(const objBarra2d&, const std::vector<double>& v) {
    return cargaPuntual{v[0], v[1], v[2], v[3], false};
}

cargaBarra puntualGlobal(const objBarra2d& b, const std::vector<double>& v) {
    const Eigen::Vector2d p = componentesLocales(b.getAngulo(), Eigen::Vector2d(v[1], v[2]));
    return cargaPuntual{v[0], p(0), p(1), v[3], true};
}

cargaBarra parcialLocal(const objBarra2d&, const std::vector<double>& v) {
    return cargaParcial{v[0], v[1], v[2], v[3], v[4], v[5]};
}

// Intensities at a and at b along the unit direction (X, Y).
cargaBarra parcialGlobal(const objBarra2d& b, const std::vector<double>& v) {
    Eigen::Vector2d d = Eigen::Vector2d::Zero();
    direccionUnitaria(v[4], v[5], d);
    const Eigen::Vector2d enA = componentesLocales(b.getAngulo(), v[2] * d);
    const Eigen::Vector2d enB = componentesLocales(b.getAngulo(), v[3] * d);
    return cargaParcial{v[0], v[1], enA(0), enB(0), enA(1), enB(1)};
}

// A change of temperature takes the bar's E·A and E·I with it.
cargaBarra temperatura(const objBarra2d& b, const std::vector<double>& v) {
    return cargaTemperatura{v[0], v[1], v[2], b.getModE() * b.getArea(),
                            b.getModE() * b.getInercia()};
}

const etiquetaTramo etiquetasTramo[] = {
    {"puntualLocal:", 4, 1, -1, puntualLocal,
     "transferencia de cargas puntuales locales a barra[i] OK"},
    {"puntualGlobal:", 4, 1, -1, puntualGlobal,
     "transferencia de cargas puntuales globales a barra[i] OK"},
    {"distribuidaLocalParcial:", 6, 2, -1, parcialLocal,
     "transferencia de cargas parciales locales a barra[i] OK"},
    {"distribuidaGlobalParcial:", 6, 2, 4, parcialGlobal,
     "transferencia de cargas parciales globales a barra[i] OK"},
    {"temperatura:", 3, 0, -1, temperatura, "transferencia de temperaturas a barra[i] OK"},
};

// The distances of the entry on bar b, each within [0, L] (a value just
// beyond an end taken as the end), and a < b for a partial load; otherwise
// one warning naming the tag, the entry, the bar and the value, and false.
bool distanciasEnBarra(std::vector<double>& v, int distancias, const objBarra2d& b,
                       const std::string& etiqueta, int k, const std::string& caso) {
    const double L = b.getLongitud();
    const std::string quien =
        entrada(etiqueta, k, caso) + " en la barra " + std::to_string(b.getNoBarraUsuario());
    const char* const nombres[2] = {"a", "b"};
    for (int i = 0; i < distancias; ++i) {
        double& x = v[static_cast<std::size_t>(i)];
        if (x < 0 && x >= -toleranciaExtremo * L) x = 0;
        if (x > L && x <= L + toleranciaExtremo * L) x = L;
        if (!(x >= 0 && x <= L)) {
            advertir(quien + ": " + nombres[i] + " = " + texto(x) +
                     " está fuera de la barra, que mide " + texto(L) +
                     "; no se aplica a esa barra");
            return false;
        }
    }
    if (distancias == 2 && !(v[0] < v[1])) {
        advertir(quien + ": a = " + texto(v[0]) + " no es menor que b = " + texto(v[1]) +
                 "; no se aplica a esa barra");
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> etiquetasDeCargasEnTramos() {
    std::vector<std::string> e;
    for (const etiquetaTramo& t : etiquetasTramo) e.push_back(t.etiqueta);
    return e;
}

void leerCargasEnTramos(modelo& m, claseLeerArchivo& lector) {
    for (const etiquetaTramo& t : etiquetasTramo) {
        const std::string etiqueta = t.etiqueta;
        const int cantidad = recorrerCargasConNombre(
            lector, etiqueta, t.fijos,
            [&](int k, const std::string& caso, const std::vector<double>& v) {
                if (t.direccion >= 0 && !tieneDireccion(v[t.direccion], v[t.direccion + 1])) {
                    advertir(entrada(etiqueta, k, caso) +
                             " tiene dirección (0, 0), que no define una dirección; no se aplica");
                    return;
                }
                aplicarABarras(m, v, t.fijos, etiqueta, [&](objBarra2d& b) {
                    std::vector<double> valores(v.begin(), v.begin() + t.fijos);
                    if (!distanciasEnBarra(valores, t.distancias, b, etiqueta, k, caso)) return;
                    b.agregarCarga(caso, t.carga(b, valores));
                });
            });
        if (cantidad > 0) std::cout << t.progreso << std::endl;
    }
}

}  // namespace lectura
