#include "recorridoCompleto.h"

#include <Eigen/Dense>
#include <cmath>

#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "globales.h"
#include "lineaComandos.h"
#include "recargaModelo.h"

namespace {

void anotar(resumenRecorrido& r, const Eigen::MatrixXd& m) {
    ++r.consultas;
    if (!m.allFinite()) r.todoFinito = false;
}

void anotar(resumenRecorrido& r, double v) {
    ++r.consultas;
    if (!std::isfinite(v)) r.todoFinito = false;
}

// Every query the viewer and the report make of a solved model: internal
// forces with the fewest and the usual stations, zero-shear point, maximum
// moment, deformed shape, loads per combination, and the node results.
void consultarResultados(resumenRecorrido& r) {
    if (!modeloResuelto) return;
    for (auto& b : barra) {
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

    // Start-up: a complete model is solved; the report tool then writes it.
    nudo.clear();
    barra.clear();
    if (funcionLeerYResolver().completo()) funcionImprimirResultados();
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
