#include "recorridoCompleto.h"

#include <Eigen/Dense>
#include <cmath>
#include <utility>

#include "envolventeTren.h"
#include "equilibrioCargas.h"
#include "estacionesBarra.h"
#include "estadoVisor.h"
#include "extremosBarra.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerYAnalizar.h"
#include "influenciaDelModelo.h"
#include "lineaComandos.h"
#include "modal.h"
#include "pandeo.h"
#include "recargaModelo.h"
#include "tablasResultados.h"
#include "trenMovil.h"

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
void consultarTablas(resumenRecorrido& r, const modelo& m, const resultadosBarra& b) {
    std::vector<int> combos;
    for (int c = 0; c < m.noCombos; ++c) combos.push_back(c);
    for (const estacionesBarra& e : estacionesDeBarra(b, combos)) {
        for (const Eigen::VectorXd* v : {&e.x, &e.N, &e.V, &e.M, &e.v}) anotar(r, *v);
    }
    for (const extremosBarra& e : extremosDeBarra(b, combos)) {
        anotar(r, e.N);
        anotar(r, e.V);
        anotar(r, e.M);
    }
    for (const std::vector<int>& activos : {combos, std::vector<int>{}}) {
        const envolventeBarra e = envolventeDeBarra(b, activos, estacionesPorBarra, true);
        for (const envolventeEsfuerzo* f : {&e.N, &e.V, &e.M}) {
            anotar(r, f->maximo);
            anotar(r, f->minimo);
        }
    }
}

// Every query the viewer, the report and the tables make of a solved model:
// internal forces with the fewest and the usual stations, both sides of the
// jumps, zero-shear point, deformed shape, loads per combination, the node
// results, and the balance of loads and reactions.
void consultarResultados(resumenRecorrido& r, const modelo& m, const solucion& s) {
    if (!s.resuelto) return;
    for (int c = 0; c < m.noCombos; ++c) anotar(r, balanceDeEquilibrio(m, s, c).errorRelativo);
    for (std::size_t i = 0; i < m.barra.size() && i < s.barras.size(); ++i) {
        const objBarra2d& b = m.barra[i];
        const resultadosBarra& rb = s.barras[i];
        consultarTablas(r, m, rb);
        anotar(r, b.getLongitud());
        anotar(r, b.getAngulo());
        anotar(r, rb.getMatrizCargasCombo());
        for (int c = 0; c < m.noCombos; ++c) {
            for (int n : {2, 21}) {
                anotar(r, rb.getSolicitacionAxial(c, n));
                anotar(r, rb.getSolicitacionCortante(c, n));
                anotar(r, rb.getSolicitacionMomento(c, n));
                anotar(r, rb.getBarraDeformada(c, n, m.ajustes.escalaDef));
            }
            const valorEnBarra cero = ceroDelCortante(rb, c);
            anotar(r, cero.x);
            anotar(r, cero.valor);
            for (const seccionBarra& sb : rb.secciones(c, estacionesPorBarra, true, true)) {
                const esfuerzosSeccion e = rb.esfuerzosEn(c, sb.x, sb.l);
                for (double v : {e.N, e.V, e.M, e.v}) anotar(r, v);
            }
        }
    }
    for (std::size_t i = 0; i < m.nudo.size() && i < s.nudos.size(); ++i) {
        const objNudo2d& n = m.nudo[i];
        const resultadosNudo& rn = s.nudos[i];
        anotar(r, n.getX());
        anotar(r, n.getY());
        for (int c = 0; c < m.noCombos; ++c) {
            m.getNumeroDeCombo(m.nombreDelCombo(c));
            anotar(r, n.getCargasCombo(m.combos[static_cast<std::size_t>(c)]));
            for (double v : {rn.getDesplazamientoX(c), rn.getDesplazamientoY(c), rn.getGiroZ(c),
                             rn.getReaccionX(c), rn.getReaccionY(c), rn.getReaccionM(c)}) {
                anotar(r, v);
            }
        }
    }
}

// The influence lines along every path of a model, for a reaction and a
// displacement of the path's first node and the three forces in the middle
// of its first bar: their rows, extremes and the extremes of every train;
// on a small model also the envelope of every train.
void consultarInfluencia(resumenRecorrido& r, const modelo& m) {
    influenciaDelModelo d;
    std::string problema;
    if (!prepararInfluencia(m, d, problema)) return;
    constexpr std::size_t barrasParaEnvolvente = 20;
    for (const auto& base : d.bases) {
        const caminoRecorrido& c = base->getCamino();
        if (c.tramos.empty()) continue;
        for (tipoRespuesta t :
             {tipoRespuesta::reaccionY, tipoRespuesta::desplazamientoY, tipoRespuesta::axial,
              tipoRespuesta::cortante, tipoRespuesta::momento}) {
            respuestaInfluencia respuesta;
            respuesta.tipo = t;
            respuesta.nudo = c.nudos.front();
            respuesta.barra = c.tramos.front().barra;
            respuesta.x = c.tramos.front().L / 2;
            const lineaInfluencia l(*base, respuesta);
            for (const filaInfluencia& f : l.filas()) {
                anotar(r, f.x);
                anotar(r, f.s);
                anotar(r, f.valor);
            }
            for (const extremoLinea& e : l.extremos()) anotar(r, e.valor);
            for (const tren& tr : m.trenes) {
                const extremosTren e = extremosDelTren(l, tr);
                for (double v : {e.maximo.valor, e.maximo.s, e.minimo.valor, e.minimo.s})
                    anotar(r, v);
            }
        }
        if (m.barra.size() > barrasParaEnvolvente) continue;
        for (const tren& tr : m.trenes) {
            for (const filaEnvolventeTren& f : envolventeDelTren(*base, tr)) {
                for (double v : {f.x, f.Nmax, f.Nmin, f.Vmax, f.Vmin, f.Mmax, f.Mmin}) anotar(r, v);
            }
        }
    }
}

// Buckling and vibration modes, as --pandeo and --modal compute them: two
// of each, every value finite. Buckling of the first two combinations only:
// an eigenproblem per combination of a file of hundreds of combinations
// would take the fuzzer's time without reaching other code.
void consultarModos(resumenRecorrido& r, const modelo& m, const solucion& s) {
    if (!s.resuelto) return;
    constexpr int modos = 2;
    constexpr int combosDePandeo = 2;
    modelo pocos = m;
    if (pocos.noCombos > combosDePandeo) {
        pocos.noCombos = combosDePandeo;
        pocos.combos.resize(combosDePandeo);
    }
    for (const pandeoDeCombo& p : funcionPandeo(pocos, s, modos).combos) {
        anotar(r, p.factores);
        anotar(r, p.modos);
    }
    const resultadoModal v = funcionModal(m, modos);
    for (const Eigen::VectorXd* x : {&v.omega, &v.masaX, &v.masaY}) anotar(r, *x);
    anotar(r, v.modos);
}

}  // namespace

resumenRecorrido recorrerArchivo(const std::string& archivo) {
    resumenRecorrido r;
    nombreArchivo = archivo;

    // Start-up: a complete model is solved; the report tool then writes the
    // report and the tables.
    modeloResuelto leido = funcionLeerYAnalizar(archivo);
    if (leido.faltan.completo()) {
        funcionImprimirResultados(leido.m, leido.s);
        funcionEscribirTablas(leido.m, leido.s, archivo);
        consultarModos(r, leido.m, leido.s);
    }
    r.resueltoAlInicio = leido.s.resuelto;
    mostrarModelo(std::move(leido.m), std::move(leido.s));
    flagsIniciales();
    mostrarTodo();
    consultarResultados(r, modeloVisor, solucionVisor);
    consultarInfluencia(r, modeloVisor);

    // F5 on the same file, on top of what the start-up left.
    recargarModelo();
    r.resueltoAlRecargar = solucionVisor.resuelto;
    consultarResultados(r, modeloVisor, solucionVisor);
    return r;
}
