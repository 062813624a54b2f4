// Results of one bar in every combination. Before the solve: the bar's loads
// in each combination and their equivalent nodal loads. After it: its end
// displacements, the end forces K_local·u_local - F_equivalent and the six
// integration constants of its elastic line; from them the internal forces
// and the deformed shape anywhere along the bar, piecewise between the
// points where a load makes a force jump or kink.
//   N > 0 tension; M > 0 bends the bar concave toward local +y (E·I·v'' = M);
//   V = dM/dx and dV/dx = q, q positive along local +y.
#pragma once

#include <Eigen/Dense>
#include <vector>

#include "cargaBarra.h"
#include "combinaciones.h"
#include "objBarra2d.h"

// Internal forces and transverse displacement (local y, unmagnified) at one
// section.
struct esfuerzosSeccion {
    double N = 0;
    double V = 0;
    double M = 0;
    double v = 0;
};

// A jump closer than this share of the bar's length to a station takes the
// station's place.
constexpr double toleranciaEstacion = 1e-9;

// A section of a bar: its abscissa and, at a jump, the side it is taken on.
struct seccionBarra {
    double x;
    lado l;
};

class resultadosBarra {
  public:
    resultadosBarra() = default;
    // The bar's geometry and stiffness, and its loads in each combination,
    // from which the equivalent nodal loads are formed.
    resultadosBarra(const objBarra2d& b, std::vector<cargasEnCombo> cargas);
    // Same, with the loads of the bar in each of `combos`.
    resultadosBarra(const objBarra2d& b, const std::vector<comboCarga>& combos);

    // Length as the results see it: 0 when the end nodes are not known.
    double getLongitud() const;
    int getCantidadDeCombos() const;
    const cargasEnCombo& getCargasCombo(int c) const;
    // Full-length distributed-load row per combination (c x 4: axial at the
    // start and end, transverse at the start and end).
    Eigen::MatrixXd getMatrizCargasCombo() const;
    // Equivalent nodal loads (6 x c), the negatives of the end reactions of
    // the bar with its end fixity, in local and global axes.
    const Eigen::MatrixXd& getCargasEquivalentesLocales() const;
    const Eigen::MatrixXd& getCargasEquivalentesGlobales() const;

    // Geometric stiffness of the bar in each combination (local axes, from
    // its axial force): given before the displacements, the end forces
    // become (K_local + Kg)·u_local - F (second order, P-Delta).
    void setRigidezGeometrica(std::vector<matriz6> kg);
    // Global end displacements (6 x c); forms the local ones, the end forces
    // and the integration constants. Missing rows read as zero.
    void setDesplazamientos(Eigen::MatrixXd d);
    // Second order: the bar split into sub-elements along its axis (same
    // local axes), piece k from inicios[k] to inicios[k + 1] (or L). N, V,
    // M and v at a section then come from the piece that holds it, the
    // piece ends count as jumps, and the constants are those of the first
    // piece (V, M, E·I·v', E·I·v at x = 0).
    void setPiezas(std::vector<resultadosBarra> piezas, std::vector<double> inicios);
    bool tienePiezas() const { return !piezas.empty(); }
    // Before any solve the results read as zeros, one column per combination.
    Eigen::MatrixXd getDesplazamientosGlobales() const;
    Eigen::MatrixXd getDesplazamientosLocales() const;
    Eigen::MatrixXd getConstantesIntegracion() const;
    // Combinations 0 .. k - 1 with results (k = 0 before a solve).
    int combosConResultados() const;

    // Forces and deflection of combination c at x, on side l of a jump;
    // zeros for a combination without results or a bar without length.
    // Without conFlecha the deflection is not formed (left 0).
    esfuerzosSeccion esfuerzosEn(int c, double x, lado l, bool conFlecha = true) const;
    // Points inside the bar where the loads of combination c make a force
    // jump or kink, ascending.
    std::vector<puntoSingular> puntosSingulares(int c) const;
    // n evenly spaced stations (at least the two ends: x = 0 taken after a
    // load at the start, x = L before a load at the end) and, when asked,
    // both sides of every jump of combination c (a jump on a station takes
    // its place) and every kink.
    std::vector<seccionBarra> secciones(int c, int n, bool conSaltos,
                                        bool conQuiebres = false) const;
    // Shear polynomial of combination c on the piece that holds xm.
    polinomioCortante cortanteEnTramo(int c, double xm) const;

    // 2 x n: row 0 the stations x_k = (L/(n - 1))·k, row 1 the force there.
    Eigen::MatrixXd getSolicitacionAxial(int c, int n) const;
    Eigen::MatrixXd getSolicitacionCortante(int c, int n) const;
    Eigen::MatrixXd getSolicitacionMomento(int c, int n) const;
    // 2 x m global points of the deformed axis, displacements times escala:
    // the n stations and every singular point of the loads.
    Eigen::MatrixXd getBarraDeformada(int c, int n, double escala) const;

  private:
    // Piece holding x on side l, and x measured from its start.
    std::size_t piezaEn(double x, lado l, double& xPieza) const;
    Eigen::Matrix<double, 6, 1> columna(const Eigen::MatrixXd& m, int c) const;
    bool conLongitud() const { return longitudConocida && longitud != 0; }
    aporteCarga aporteCargas(int c, double x, lado l) const;
    double flecha(int c, double x, const aporteCarga& a) const;

    bool longitudConocida = false;
    double longitud = 0;
    double angulo = 0;
    double xi = 0, yi = 0;
    double ei = 0;
    Eigen::MatrixXd matrizT;
    Eigen::MatrixXd kLocal;
    std::vector<cargasEnCombo> cargas;
    Eigen::MatrixXd cargasEquivalentesLocales;
    Eigen::MatrixXd cargasEquivalentesGlobales;
    Eigen::MatrixXd desplazamientosGlobales;
    Eigen::MatrixXd desplazamientosLocales;
    Eigen::MatrixXd fuerzasExtremo;
    Eigen::MatrixXd constantesIntegracion;
    std::vector<matriz6> rigidezGeometrica;
    std::vector<resultadosBarra> piezas;
    std::vector<double> inicioPiezas;
};
