// The influence line of one response along one path: the response when a
// unit load, downwards (global -Y), stands at s on the path. On each bar it
// is the bar's equivalent nodal loads of that unit load (cubic in its
// position, Hermite functions) times the structure's answers to unit nodal
// loads, plus, for a force in the bar that carries the load, that bar's
// state with fixed nodes; so it is exactly a cubic between the bar ends and
// the section, where it may jump (V, N) or kink (M).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "aporteCarga.h"
#include "caminoRecorrido.h"
#include "respuestaInfluencia.h"
#include "sistemaInfluencia.h"

// One piece s0 <= s <= s1 where the line is the cubic
// c0 + c1·t + c2·t² + c3·t³ with t = (s - s0)/(s1 - s0).
struct piezaLinea {
    int tramo;
    double s0, s1;
    std::array<double, 4> c;
    double valor(double s) const {
        const double t = s1 > s0 ? (s - s0) / (s1 - s0) : 0.0;
        return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
    }
};

// Where a line is largest or smallest: the value, s along the path, and the
// path bar (index into the path's bars) with its own abscissa there.
struct extremoLinea {
    double valor = 0;
    double s = 0;
    int tramo = 0;
    double x = 0;
};

// One row of influencia.csv.
struct filaInfluencia {
    int barra;  // user's number
    double x;   // the bar's own abscissa
    double s;   // along the path
    double valor;
};

// The loads a unit load downwards at abscissa a of path bar t puts on the
// bar's two nodes (X, Y, M at the start, then at the end; global axes, the
// bar's hinges released); tTranspuesta turns the bar's local axes to
// global ones.
Eigen::Matrix<double, 6, 1> cargasDeLaUnitaria(const modelo& m, const tramoCamino& t, double a,
                                               const Eigen::Matrix<double, 6, 6>& tTranspuesta);
// The freedoms of each node (by index) that a unit load moving along the
// paths loads.
std::vector<gradosCargados> gradosQueCarga(const modelo& m,
                                           const std::vector<caminoRecorrido>& caminos);

// What every influence line along one path shares: for each of its bars,
// the equivalent nodal loads (global axes) of the unit load, at any place
// and at the four places the cubic pieces are fitted through.
class caminoInfluencia {
  public:
    caminoInfluencia(const modelo& m, const sistemaInfluencia& sistema, const caminoRecorrido& c);

    const modelo& getModelo() const { return m; }
    const sistemaInfluencia& getSistema() const { return sistema; }
    const caminoRecorrido& getCamino() const { return camino; }
    // The unit load at abscissa a of path bar i, in the bar's local axes.
    cargaPuntual cargaUnitaria(int i, double a) const;
    // Σ efecto(column)·F(a) over the bar's six freedoms: the response through
    // the nodes, with efecto the response under each unit nodal load.
    double valorNodal(int i, double a, const Eigen::VectorXd& efecto) const;
    // The same at t = 0, 1/3, 2/3, 1 of the whole bar in path order.
    std::array<double, 4> muestrasNodales(int i, const Eigen::VectorXd& efecto) const;

  private:
    struct datosTramo {
        Eigen::Matrix<double, 6, 6> tTranspuesta;
        std::array<int, 6> columnas;
        double px, py;                         // the unit load in local axes
        Eigen::Matrix<double, 6, 4> muestras;  // F at the four places
    };
    Eigen::Matrix<double, 6, 1> cargasEquivalentes(int i, double a) const;

    const modelo& m;
    const sistemaInfluencia& sistema;
    caminoRecorrido camino;
    std::vector<datosTramo> datos;
};

// The response's values under each unit nodal load of the system.
Eigen::VectorXd efectoNodalDe(const sistemaInfluencia& sistema, const respuestaInfluencia& r);
// The value of force N, V or M of a section.
double fuerzaDe(const esfuerzosSeccion& e, tipoRespuesta t);

class lineaInfluencia {
  public:
    lineaInfluencia(const caminoInfluencia& camino, const respuestaInfluencia& r);
    // The same, with the response's values under each unit nodal load given
    // (see efectoNodalDe): the responses of one bar share the bar's results.
    lineaInfluencia(const caminoInfluencia& camino, const respuestaInfluencia& r,
                    Eigen::VectorXd efectoNodal);

    // The response with the unit load at s, approached from the path's start
    // (lado::antes) or from its end (lado::despues): the two differ only
    // where the line jumps.
    double valorEn(double s, lado desde) const;
    // The same at abscissa a of path bar i.
    double valorEnTramo(int i, double a, lado desde) const;
    // The same from the cubic pieces (equal to valorEn to rounding).
    double valorDePiezas(double s, lado desde) const;

    const caminoRecorrido& getCamino() const { return base.getCamino(); }
    const std::vector<piezaLinea>& piezas() const { return tramos; }
    // The largest and smallest value of the line, exact (ends of the pieces
    // from inside each, and where a piece's slope vanishes); on a tie the
    // first in path order.
    std::array<extremoLinea, 2> extremos() const;
    // The rows of influencia.csv, in path order: the 21 stations of each bar,
    // two rows (before and after, in path order) where the line jumps inside
    // a bar, one where it kinks.
    std::vector<filaInfluencia> filas() const;

  private:
    void formarPiezas();

    const caminoInfluencia& base;
    respuestaInfluencia respuesta;
    Eigen::VectorXd efectoNodal;
    std::vector<piezaLinea> tramos;
};
