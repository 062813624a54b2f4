#include "modosVisor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "autoEscala.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

const char* const preguntaModo = "Ingrese el número de modo:";

namespace {

constexpr double dosPi = 2 * 3.141592653589793;

// Modes asked of an analysis at least: those of karvel2d-reporte.
struct estadoModos {
    tipoModo tipo = tipoModo::ninguno;
    int numero = 1;
    int combo = 0;
    int version = -1;  // model version the results belong to
    resultadoPandeo pandeo;
    resultadoModal modal;
};
estadoModos estado;

int& interruptorModos() {
    if (flags.size() <= static_cast<std::size_t>(interruptor::capaModos))
        flags.resize(interruptor::capaModos + 1, 0);
    return flags[interruptor::capaModos];
}

// The first active combination, or the first one.
int comboDeLosModos() {
    for (int c = 0; c < modeloVisor.noCombos; ++c)
        if (flagActivo(interruptor::primerCombo + c)) return c;
    return 0;
}

const pandeoDeCombo* pandeoDelCombo() {
    for (const pandeoDeCombo& p : estado.pandeo.combos)
        if (p.combo == estado.combo) return &p;
    return nullptr;
}

// Modes available now.
int modosDisponibles() {
    if (estado.tipo == tipoModo::modal) return static_cast<int>(estado.modal.omega.size());
    const pandeoDeCombo* p = pandeoDelCombo();
    return p ? static_cast<int>(p->factores.size()) : 0;
}

// Computes the modes of the model shown, at least `cuantos` of them.
void calcular(int cuantos) {
    estado.combo = comboDeLosModos();
    estado.version = versionModelo();
    estado.pandeo = resultadoPandeo();
    estado.modal = resultadoModal();
    if (!solucionVisor.resuelto) return;
    if (estado.tipo == tipoModo::pandeo)
        estado.pandeo =
            funcionPandeo(modeloVisor, solucionVisor, std::max(cuantos, modosPandeoPorDefecto));
    if (estado.tipo == tipoModo::modal)
        estado.modal = funcionModal(modeloVisor, std::max(cuantos, modosVibracionPorDefecto));
}

std::string cifra(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.4g", v);
    return t;
}

}  // namespace

std::string alternarModos(tipoModo tipo) {
    const bool apagar = flagActivo(interruptor::capaModos) && estado.tipo == tipo;
    const char* nombre = tipo == tipoModo::pandeo ? "Pandeo" : "Modos de Vibracion";
    // The mode layer and the result layers are shown one at a time.
    for (int i = interruptor::primeraCapa; i <= interruptor::ultimaCapa; ++i) flags[i] = 0;
    if (apagar) {
        interruptorModos() = 0;
        return std::string(nombre) + " Desactivado. Ingrese Comando:";
    }
    estado.tipo = tipo;
    estado.numero = 1;
    calcular(1);
    if (modosDisponibles() == 0) {
        interruptorModos() = 0;
        return tipo == tipoModo::pandeo
                   ? "Sin factores de pandeo (ver la consola). Ingrese Comando:"
                   : "Sin modos de vibracion (ver la consola). Ingrese Comando:";
    }
    interruptorModos() = 1;
    return std::string(nombre) + " Activado. Ingrese Comando:";
}

std::string elegirModo(const std::string& linea) {
    if (!flagActivo(interruptor::capaModos) || estado.tipo == tipoModo::ninguno)
        return "Active primero pandeo o modal. Ingrese Comando:";
    const bool digitos = !linea.empty() && linea.size() <= 4 &&
                         linea.find_first_not_of("0123456789") == std::string::npos;
    const int n = digitos ? std::stoi(linea) : 0;
    if (n < 1) return "el modo no existe. Ingrese Comando:";
    if (n > modosDisponibles()) calcular(n);
    if (n > modosDisponibles()) return "el modo no existe. Ingrese Comando:";
    estado.numero = n;
    return "Modo " + std::to_string(n) + ". Ingrese Comando:";
}

void recalcularModos() {
    if (!flagActivo(interruptor::capaModos) || estado.tipo == tipoModo::ninguno) return;
    calcular(estado.numero);
    if (estado.numero > modosDisponibles()) estado.numero = 1;
}

modoDibujado modoActual() {
    modoDibujado d;
    if (!flagActivo(interruptor::capaModos) || estado.version != versionModelo()) return d;
    const int j = estado.numero - 1;
    if (j < 0 || j >= modosDisponibles()) return d;
    d.tipo = estado.tipo;
    d.numero = estado.numero;
    if (estado.tipo == tipoModo::pandeo) {
        const pandeoDeCombo& p = *pandeoDelCombo();
        d.sub = &estado.pandeo.sub;
        d.forma = p.formas.col(j);
        d.titulo = "Pandeo, combo " + modeloVisor.nombreDelCombo(estado.combo) + ", modo " +
                   std::to_string(d.numero) + ": factor de carga critica " + cifra(p.factores(j));
    } else {
        const double w = estado.modal.omega(j);
        d.sub = &estado.modal.sub;
        d.forma = estado.modal.formas.col(j);
        d.titulo = "Modo de vibracion " + std::to_string(d.numero) + ": periodo " +
                   cifra(dosPi / w) + ", frecuencia " + cifra(w / dosPi) + ", omega " + cifra(w);
    }
    // The largest translation drawn as the automatic scale's share of the view.
    double mayor = 0;
    for (Eigen::Index g = 0; g + 1 < d.forma.size(); g += 3)
        mayor = std::max(mayor, std::hypot(d.forma(g), d.forma(g + 1)));
    d.escala = mayor > 0 ? fraccionAutoEscala * zCam / mayor : 0;
    return d;
}
