#include "recorridoCompleto.h"

#include <Eigen/Dense>
#include <cmath>

#include "equilibrioCargas.h"
#include "estacionesBarra.h"
#include "extremosBarra.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "globales.h"
#include "lineaComandos.h"
#include "recargaModelo.h"
#include "tablasResultados.h"

namespace {

template <class D>
void anotar(resumenRecorrido& r, const Eigen::MatrixBase<D>& m) {
    ++r.consultas;
    if (!m.allFinite()) r.todoFinito = false;
}

void anotar(resumenRecorrido& r, double v) {
    ++r.consultas;
    if (!std::isfinite(v)) r.todoFinito = false;
}

void anotar(resumenRecorrido& r, const extremosEsfuerzo& e) {
    for (double v : {e.maximo.valor, e.maximo.x, e.minimo.valor, e.minimo.x}) anotar(r, v);
}

// What the tables read along a bar: stations with the transverse
// displacement, exact extremes, and the envelope over every combination and
// over none.
void consultarTablas(resumenRecorrido& r, objBarra2d& b) {
    std::vector<int> combos;
    for (int c = 0; c < noCombos; ++c) combos.push_back(c);
    for (const estacionesBarra& e : estacionesDeBarra(b, combos)) {
        for (const Eigen::VectorXd* v : {&e.x, &e.N, &e.V, &e.M, &e.v}) anotar(r, *v);
    }
    for (const extremosBarra& e : extremosDeBarra(b, combos)) {
        anotar(r, e.N);
        anotar(r, e.V);
        anotar(r, e.M);
    }
    for (const std::vector<int>& activos : {combos, std::vector<int>{}}) {
        const envolventeBarra e = envolventeDeBarra(b, activos);
        for (const envolventeEsfuerzo* f : {&e.N, &e.V, &e.M}) {
            anotar(r, f->maximo);
            anotar(r, f->minimo);
        }
    }
}

// Every query the viewer, the report and the tables make of a solved model:
// internal forces with the fewest and the usual stations, zero-shear point,
// maximum moment, deformed shape, loads per combination, the node results,
// and the balance of loads and reactions.
void consultarResultados(resumenRecorrido& r) {
    if (!modeloResuelto) return;
    for (int c = 0; c < noCombos; ++c) anotar(r, balanceDeEquilibrio(nudo, barra, c).errorRelativo);
    for (auto& b : barra) {
        consultarTablas(r, b);
        anotar(r, b.getLongitud());
        anotar(r, b.getAngulo());
        anotar(r, b.getMatrizCargasCombo());
        for (int c = 0; c < noCombos; ++c) {
            for (int n : {2, 21}) {
                anotar(r, b.getSolicitacionAxial(c, n));
                anotar(r, b.getSolicitacionCortante(c, n));
                anotar(r, b.getSolicitacionMomento(c, n));
                anotar(r, b.getBarraDeformada(c, n, escalaDef));
            }
            anotar(r, b.getXvcero(c));
            anotar(r, b.getMmax(c));
            anotar(r, b.getFInicioCombo(c));
            anotar(r, b.getFFinCombo(c));
            anotar(r, b.getQInicioCombo(c));
            anotar(r, b.getQFinCombo(c));
        }
    }
    for (const auto& n : nudo) {
        anotar(r, n.getX());
        anotar(r, n.getY());
        for (int c = 0; c < noCombos; ++c) {
            n.getNumeroDeCombo(n.getNombreCombo(c));
            for (double v : {n.getPxCombo(c), n.getPyCombo(c), n.getMzCombo(c),
                             n.getDesplazamientoX(c), n.getDesplazamientoY(c), n.getGiroZ(c),
                             n.getReaccionX(c), n.getReaccionY(c), n.getReaccionM(c)}) {
                anotar(r, v);
            }
        }
    }
}

}  // namespace

resumenRecorrido recorrerArchivo(const std::string& archivo) {
    resumenRecorrido r;
    nombreArchivo = archivo;

    // Start-up: a complete model is solved; the report tool then writes the
    // report and the tables.
    nudo.clear();
    barra.clear();
    if (funcionLeerYResolver().completo()) {
        funcionImprimirResultados();
        funcionEscribirTablas();
    }
    r.resueltoAlInicio = modeloResuelto;
    flagsIniciales();
    mostrarTodo();
    consultarResultados(r);

    // F5 on the same file, on top of what the start-up left.
    recargarModelo();
    r.resueltoAlRecargar = modeloResuelto;
    consultarResultados(r);
    return r;
}
