// Bar tables: end forces, stations, exact extremes and envelopes. The
// values come from the model layer; here they are only written. Rows: bars
// in input order, inside each bar the combinations (and the stations).
#include <algorithm>

#include "escritorCsv.h"
#include "estacionesBarra.h"
#include "extremosBarra.h"
#include "seccionesTablas.h"

namespace {

// Stations at the two ends only: x = 0 and x = L.
constexpr int soloExtremos = 2;

void escribirExtremo(escritorCsv& t, const valorEnBarra& v) {
    t.numero(v.valor).numero(v.x);
}

void escribirRango(escritorCsv& t, const extremosEsfuerzo& e) {
    escribirExtremo(t, e.maximo);
    escribirExtremo(t, e.minimo);
}

}  // namespace

void escribirTablaExtremos(std::ostream& s, const datosTablas& d) {
    const std::vector<std::string> nombres = nombresDeCombos(d.m);
    escritorCsv t(s, "barra,combo,N_inicio,V_inicio,M_inicio,N_fin,V_fin,M_fin");
    for (int i = 0; i < static_cast<int>(d.s.barras.size()); ++i) {
        const resultadosBarra& b = d.s.barras[static_cast<std::size_t>(i)];
        const int numero = d.m.barra[static_cast<std::size_t>(i)].getNoBarraUsuario();
        const std::vector<int> combos = combosDeBarra(d, i);
        const std::vector<estacionesBarra> e = estacionesDeBarra(b, combos, soloExtremos, false);
        for (std::size_t k = 0; k < e.size(); ++k) {
            t.entero(numero).texto(nombres[combos[k]]);
            t.numero(e[k].N(0)).numero(e[k].V(0)).numero(e[k].M(0));
            t.numero(e[k].N(1)).numero(e[k].V(1)).numero(e[k].M(1));
            t.finDeFila();
        }
    }
}

void escribirTablaEstaciones(std::ostream& s, const datosTablas& d) {
    const std::vector<std::string> nombres = nombresDeCombos(d.m);
    escritorCsv t(s, "barra,combo,x,N,V,M,v");
    for (int i = 0; i < static_cast<int>(d.s.barras.size()); ++i) {
        const resultadosBarra& b = d.s.barras[static_cast<std::size_t>(i)];
        const int numero = d.m.barra[static_cast<std::size_t>(i)].getNoBarraUsuario();
        const std::vector<int> combos = combosDeBarra(d, i);
        const std::vector<estacionesBarra> e = estacionesDeBarra(b, combos);
        for (std::size_t k = 0; k < e.size(); ++k) {
            for (Eigen::Index j = 0; j < e[k].x.size(); ++j) {
                t.entero(numero).texto(nombres[combos[k]]);
                t.numero(e[k].x(j)).numero(e[k].N(j)).numero(e[k].V(j)).numero(e[k].M(j));
                t.numero(e[k].v(j));
                t.finDeFila();
            }
        }
    }
}

void escribirTablaMaximos(std::ostream& s, const datosTablas& d) {
    const std::vector<std::string> nombres = nombresDeCombos(d.m);
    escritorCsv t(s,
                  "barra,combo,Nmax,x_Nmax,Nmin,x_Nmin,Vmax,x_Vmax,Vmin,x_Vmin,Mmax,x_Mmax,Mmin,"
                  "x_Mmin");
    for (int i = 0; i < static_cast<int>(d.s.barras.size()); ++i) {
        const resultadosBarra& b = d.s.barras[static_cast<std::size_t>(i)];
        const int numero = d.m.barra[static_cast<std::size_t>(i)].getNoBarraUsuario();
        const std::vector<int> combos = combosDeBarra(d, i);
        const std::vector<extremosBarra> e = extremosDeBarra(b, combos);
        for (std::size_t k = 0; k < e.size(); ++k) {
            t.entero(numero).texto(nombres[combos[k]]);
            escribirRango(t, e[k].N);
            escribirRango(t, e[k].V);
            escribirRango(t, e[k].M);
            t.finDeFila();
        }
    }
}

namespace {

// Value and name of the combination that gives it; an empty name when no
// combination does (a bar without results).
void escribirEnvolvente(escritorCsv& t, const std::vector<std::string>& nombres, double v,
                        int combo) {
    t.numero(v);
    t.texto(combo >= 0 && combo < static_cast<int>(nombres.size()) ? nombres[combo] : "");
}

}  // namespace

void escribirTablaEnvolventes(std::ostream& s, const datosTablas& d) {
    const std::vector<std::string> nombres = nombresDeCombos(d.m);
    escritorCsv t(s,
                  "barra,x,Nmax,combo_Nmax,Nmin,combo_Nmin,Vmax,combo_Vmax,Vmin,combo_Vmin,Mmax,"
                  "combo_Mmax,Mmin,combo_Mmin");
    for (int i = 0; i < static_cast<int>(d.s.barras.size()); ++i) {
        const resultadosBarra& b = d.s.barras[static_cast<std::size_t>(i)];
        const int numero = d.m.barra[static_cast<std::size_t>(i)].getNoBarraUsuario();
        // A combination without a second-order solution has no values.
        std::vector<int> combos = combosDeBarra(d, i);
        combos.erase(std::remove_if(combos.begin(), combos.end(),
                                    [&](int c) { return d.s.comboSinSolucion(c); }),
                     combos.end());
        const envolventeBarra e = envolventeDeBarra(b, combos, estacionesPorBarra, true);
        for (Eigen::Index j = 0; j < e.x.size(); ++j) {
            t.entero(numero).numero(e.x(j));
            for (const envolventeEsfuerzo* f : {&e.N, &e.V, &e.M}) {
                escribirEnvolvente(t, nombres, f->maximo(j), f->comboMaximo(j));
                escribirEnvolvente(t, nombres, f->minimo(j), f->comboMinimo(j));
            }
            t.finDeFila();
        }
    }
}
