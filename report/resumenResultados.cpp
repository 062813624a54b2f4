// "resumen.txt": the model in one line, then per combination the balance of
// loads and reactions, the largest displacement and internal forces, and the
// reactions of every support.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "equilibrioCargas.h"
#include "extremosBarra.h"
#include "seccionesTablas.h"
#include "textoResumen.h"

namespace {

constexpr std::size_t anchoEtiqueta = 23;
constexpr std::size_t anchoNumero = 15;

// The value of largest magnitude of one quantity over the model, where it
// occurs (node or bar in the user's numbering, direction or abscissa) and
// the size its abscissa is measured against. Values are proposed in file
// order (nodes: ux, uy, then the rotation; bars: maximum, then minimum); a
// later one takes the place only when larger by more than rounding noise
// (umbralRuido of the value held), so that of two equal values of a
// symmetric frame the first is named whatever their last binary digits.
struct mayorValor {
    int numero = 0;
    const char* nombre = "";
    double valor = 0;
    double x = 0;
    double longitud = 0;
    bool hallado = false;
    void proponer(int n, const char* q, double v, double xx = 0, double L = 0) {
        if (hallado && !(std::abs(v) > std::abs(valor) * (1 + umbralRuido))) return;
        *this = {n, q, v, xx, L, true};
    }
};

struct mayoresDelCombo {
    mayorValor desplazamiento, giro, N, V, M;
};

// The extreme of larger magnitude of one force along a bar.
void proponerExtremo(mayorValor& m, int barraUsuario, const char* q, const extremosEsfuerzo& e,
                     double L) {
    m.proponer(barraUsuario, q, e.maximo.valor, e.maximo.x, L);
    m.proponer(barraUsuario, q, e.minimo.valor, e.minimo.x, L);
}

mayoresDelCombo mayores(const datosTablas& d, int c,
                        const std::vector<std::vector<extremosBarra>>& extremos) {
    mayoresDelCombo m;
    for (std::size_t i = 0; i < d.m.nudo.size() && i < d.s.nudos.size(); ++i) {
        const resultadosNudo& n = d.s.nudos[i];
        const int numero = d.m.nudo[i].getNoNudoUsuario();
        if (c >= n.getCantidadDeCombos()) continue;
        m.desplazamiento.proponer(numero, "ux", n.getDesplazamientoX(c));
        m.desplazamiento.proponer(numero, "uy", n.getDesplazamientoY(c));
        m.giro.proponer(numero, "giro", n.getGiroZ(c));
    }
    for (std::size_t i = 0; i < d.m.barra.size() && i < extremos.size(); ++i) {
        if (c >= static_cast<int>(extremos[i].size())) continue;
        const extremosBarra& e = extremos[i][c];
        const int numero = d.m.barra[i].getNoBarraUsuario();
        const double L = d.m.barra[i].getLongitud();
        proponerExtremo(m.N, numero, "N", e.N, L);
        proponerExtremo(m.V, numero, "V", e.V, L);
        proponerExtremo(m.M, numero, "M", e.M, L);
    }
    return m;
}

// Largest |value| of each kind in the section of one combination: the
// reference below which a value is shown as 0.
struct referencias {
    double fuerza = 0, momento = 0;
    void fuerzas(double a, double b) { fuerza = std::max({fuerza, std::abs(a), std::abs(b)}); }
    void momentos(double a) { momento = std::max(momento, std::abs(a)); }
};

void escribirFila(std::ostream& s, const std::string& etiqueta, const std::string& a,
                  const std::string& b, const std::string& c) {
    s << aIzquierda(etiqueta, anchoEtiqueta) << aDerecha(a, anchoNumero) << aDerecha(b, anchoNumero)
      << aDerecha(c, anchoNumero) << "\n";
}

void escribirMayorNudo(std::ostream& s, const char* titulo, const mayorValor& m) {
    s << aIzquierda(titulo, anchoEtiqueta);
    if (!m.hallado) {
        s << "-\n";
        return;
    }
    s << "nudo " << m.numero << ", " << m.nombre << " = " << cifra(m.valor, m.valor) << "\n";
}

void escribirMayorBarra(std::ostream& s, const char* titulo, const mayorValor& m,
                        double referencia) {
    s << aIzquierda(titulo, anchoEtiqueta);
    if (!m.hallado) {
        s << "-\n";
        return;
    }
    s << "barra " << m.numero << ", x = " << cifra(m.x, m.longitud) << ", " << m.nombre << " = "
      << cifra(m.valor, referencia) << "\n";
}

// Combination c settles a support or changes the temperature of a bar.
bool conDeformacionesImpuestas(const datosTablas& d, int c) {
    if (c < 0 || c >= static_cast<int>(d.m.combos.size())) return false;
    const comboCarga& combo = d.m.combos[static_cast<std::size_t>(c)];
    for (const objNudo2d& n : d.m.nudo) {
        if (!n.getAsentamientos().empty() && !n.getAsentamientosCombo(combo).isZero(0)) return true;
    }
    for (const resultadosBarra& b : d.s.barras) {
        for (const cargaBarra& k : b.getCargasCombo(c).tramos) {
            if (const auto* t = std::get_if<cargaTemperatura>(&k)) {
                if (t->dT != 0 || t->gradiente != 0) return true;
            }
        }
    }
    return false;
}

bool sinEquilibrio(const solucion& r, int c) {
    return std::find(r.combosSinEquilibrio.begin(), r.combosSinEquilibrio.end(), c) !=
           r.combosSinEquilibrio.end();
}

void escribirCombo(std::ostream& s, const datosTablas& d, int c, const std::string& nombre,
                   const std::vector<std::vector<extremosBarra>>& extremos) {
    const std::string titulo = "Combinación " + nombre;
    s << "\n" << titulo << "\n" << std::string(caracteres(titulo), '=') << "\n";
    if (d.s.comboSinSolucion(c)) {
        s << "SIN SOLUCIÓN DE SEGUNDO ORDEN: esta combinación supera su carga crítica; sus "
             "resultados son nan en todas las tablas.\n";
        return;
    }
    if (d.s.segundoOrden && static_cast<std::size_t>(c) < d.s.iteraciones.size()) {
        char amplificacion[32];
        std::snprintf(amplificacion, sizeof amplificacion, "%.2f", d.s.amplificacion[c]);
        s << "Segundo orden: " << d.s.iteraciones[c]
          << (d.s.iteraciones[c] == 1 ? " iteración" : " iteraciones") << ", amplificación "
          << amplificacion << "\n";
    }
    if (sinEquilibrio(d.s, c)) {
        s << "ATENCIÓN: la estructura es inestable o la matriz de rigidez es singular; esta "
             "combinación no cumple el equilibrio y sus resultados no son válidos.\n";
    }

    const balanceEquilibrio bal = balanceDeEquilibrio(d.m, d.s, c);
    const mayoresDelCombo m = mayores(d, c, extremos);
    referencias ref;
    ref.fuerzas(bal.cargas.fx, bal.cargas.fy);
    ref.fuerzas(bal.reacciones.fx, bal.reacciones.fy);
    ref.fuerzas(m.N.valor, m.V.valor);
    ref.momentos(bal.cargas.mz);
    ref.momentos(bal.reacciones.mz);
    ref.momentos(m.M.valor);
    std::vector<std::size_t> apoyos;
    for (std::size_t i = 0; i < d.m.nudo.size() && i < d.s.nudos.size(); ++i) {
        if (!esApoyo(d.m.nudo[i])) continue;
        apoyos.push_back(i);
        const Eigen::Vector3d r = reaccionesDeApoyo(d.m.nudo[i], d.s.nudos[i], c);
        ref.fuerzas(r(0), r(1));
        ref.momentos(r(2));
    }

    s << "\nEquilibrio (ejes globales; momentos respecto del origen, antihorarios positivos)\n";
    escribirFila(s, "", "Fx", "Fy", "Mz");
    escribirFila(s, "Suma de cargas", cifra(bal.cargas.fx, ref.fuerza),
                 cifra(bal.cargas.fy, ref.fuerza), cifra(bal.cargas.mz, ref.momento));
    escribirFila(s, "Suma de reacciones", cifra(bal.reacciones.fx, ref.fuerza),
                 cifra(bal.reacciones.fy, ref.fuerza), cifra(bal.reacciones.mz, ref.momento));
    char error[32];
    std::snprintf(error, sizeof error, "%.2e", bal.errorRelativo);
    s << (bal.soloFuerzas ? "Error relativo de equilibrio de fuerzas: "
                          : "Error relativo de equilibrio: ")
      << error << "\n";
    if (bal.soloFuerzas) {
        s << "En segundo orden los momentos se equilibran en la geometría deformada: Mz de las "
             "reacciones\nincluye el de las cargas por los desplazamientos (P-Delta).\n";
    }
    if (conDeformacionesImpuestas(d, c)) {
        s << "Con deformaciones impuestas (asentamientos o temperatura): no son cargas; las "
             "reacciones que causan se equilibran entre sí.\n";
    }

    s << "\n";
    escribirMayorNudo(s, "Mayor desplazamiento:", m.desplazamiento);
    escribirMayorNudo(s, "Mayor giro:", m.giro);
    escribirMayorBarra(s, "Mayor |N|:", m.N, ref.fuerza);
    escribirMayorBarra(s, "Mayor |V|:", m.V, ref.fuerza);
    escribirMayorBarra(s, "Mayor |M|:", m.M, ref.momento);

    s << "\nReacciones de los apoyos\n";
    escribirFila(s, "nudo", "Rx", "Ry", "Mz");
    for (std::size_t i : apoyos) {
        const Eigen::Vector3d r = reaccionesDeApoyo(d.m.nudo[i], d.s.nudos[i], c);
        escribirFila(s, std::to_string(d.m.nudo[i].getNoNudoUsuario()), cifra(r(0), ref.fuerza),
                     cifra(r(1), ref.fuerza), cifra(r(2), ref.momento));
    }
}

}  // namespace

void escribirResumen(std::ostream& s, const datosTablas& d) {
    s << "Resumen de resultados de " << d.archivo << "\n";
    s << "Modelo: " << d.m.noNudos << " nudos, " << d.m.noBarras << " barras, " << d.m.noCombos
      << " combinaciones, " << d.s.noLibres << " grados de libertad libres\n";
    if (d.s.segundoOrden) {
        s << "Análisis: segundo orden (P-Delta), " << d.s.subdivisiones
          << " subdivisiones por barra; N, V y M a lo largo de cada barra, de la\n"
             "subdivisión que contiene cada estación.\n";
    }
    s << "Unidades: las del archivo de entrada.\n"
         "Signos: N > 0 tracción; M > 0 tracciona la cara de -y local (la inferior de una viga\n"
         "dibujada de izquierda a derecha); reacciones: fuerzas y momento que el apoyo ejerce "
         "sobre\n"
         "la estructura, en ejes globales, momentos antihorarios positivos.\n";

    // The exact extremes of every bar, computed once for all combinations.
    std::vector<std::vector<extremosBarra>> extremos;
    for (int i = 0; i < static_cast<int>(d.s.barras.size()); ++i)
        extremos.push_back(
            extremosDeBarra(d.s.barras[static_cast<std::size_t>(i)], combosDeBarra(d, i)));

    const std::vector<std::string> nombres = nombresDeCombos(d.m);
    for (int c = 0; c < static_cast<int>(nombres.size()); ++c)
        escribirCombo(s, d, c, nombres[c], extremos);
}
