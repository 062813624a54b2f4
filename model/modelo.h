// The frame as the input file describes it: nodes, bars (with their
// sections, fixity and loads kept by load case), combinations and the
// display settings. A value: the reader returns it, the solver, the report
// and the viewer take it as an argument; nothing else holds it.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "combinaciones.h"
#include "objBarra2d.h"
#include "objNudo2d.h"
#include "recorridos.h"

// Scales and decimals the viewer starts with (its keys change its own copy).
struct ajustesVisor {
    double escalaDef = 0;
    double escalaM = 0;
    double escalaV = 0;
    double escalaN = 0;
    double escalaTexto = 0;
    double escalaCarga = 0;
    double escalaApoyo = 0;
    int precision = 0;
};

// Analyses beside the linear one, from their tags: P-Delta for every
// combination ("segundoOrden:"), the acceleration of gravity that turns the
// self weight into mass ("gravedad:", 0 = none) and the sub-elements each
// bar is split into for the second-order, buckling and modal analyses
// ("subdivisiones:").
constexpr int subdivisionesPorDefecto = 4;
struct ajustesAnalisis {
    bool segundoOrden = false;
    double gravedad = 0;
    int subdivisiones = subdivisionesPorDefecto;
};

struct modelo {
    int noNudos = 0;
    int noBarras = 0;
    int noCombos = 0;
    std::vector<objNudo2d> nudo;
    std::vector<objBarra2d> barra;
    // User number -> internal index; -1 for numbers that no node or bar carries.
    Eigen::VectorXi punteroNudos;
    Eigen::VectorXi punteroBarras;
    std::vector<comboCarga> combos;
    // Paths of moving loads and the trains that run over them.
    std::vector<recorrido> recorridos;
    std::vector<tren> trenes;
    ajustesVisor ajustes;
    ajustesAnalisis analisis;

    // Name of combination c as the input gave it; its 1-based number when
    // the model holds no such combination.
    std::string nombreDelCombo(int c) const;
    // Index of the last combination called `nombre`, or -1.
    int getNumeroDeCombo(const std::string& nombre) const;
};
