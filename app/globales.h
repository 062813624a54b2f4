// Global state through which every stage talks: the reader fills the model,
// the solver adds its matrices, the report and the viewer read them back.
#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>
#include <string>
#include <vector>

#include "objBarra2d.h"
#include "objNudo2d.h"

// Model and counts (input stage).
extern std::string nombreArchivo;
extern int noNudos;
extern int noBarras;
extern int noCombos;
extern std::vector<objNudo2d> nudo;
extern std::vector<objBarra2d> barra;
// User number -> internal index; -1 for numbers that no node or bar carries.
extern Eigen::VectorXi punteroNudos;
extern Eigen::VectorXi punteroBarras;

// Display settings (defaults and file values set by the input stage).
extern double escalaDef;
extern double escalaM;
extern double escalaV;
extern double escalaN;
extern double escalaTexto;
extern double escalaCarga;
extern double escalaApoyo;
extern int precision;

// Solver state (written only by funcionSolucionU). The stiffness matrices
// are sparse (a frame joins each node to a few neighbours); loads and
// results are dense, one column per combination.
extern int noLibres;
extern int noRestringidos;
extern Eigen::SparseMatrix<double> kEstructura;
extern Eigen::SparseMatrix<double> kLL, kLR, kRL, kRR;
extern Eigen::MatrixXd pCombo;
extern Eigen::MatrixXd pL, pR;
extern std::vector<int> gdlLibres;
extern std::vector<int> gdlRestringidos;
extern Eigen::MatrixXd uLibres;
extern Eigen::MatrixXd u;
extern Eigen::MatrixXd reacciones;
// True once funcionSolucionU has solved the model now held in nudo/barra;
// every read clears it, so nothing draws results of an unsolved model.
extern bool modeloResuelto;
// Combinations (indexes, ascending) the last solve warned about: they do not
// balance (a mechanism or a singular stiffness matrix).
extern std::vector<int> combosSinEquilibrio;

// Viewer state.
extern double xMin, xMax, yMin, yMax;
extern double xCam, yCam, zCam;
extern double xCentroObj, yCentroObj, diagonalObj;
extern double wVentana, hVentana;
extern int clickIzq, xLast, yLast;
extern Eigen::VectorXi barrasAisladas;
extern Eigen::VectorXi nudosAislados;
extern std::string dialogo;
extern std::string comando;
extern std::vector<int> flags;
extern int numeroComboCoincidente;

extern const double PI;

// Name of combination c as the input gave it (every node keeps the names of
// the model's combinations); its 1-based number when no node holds it.
std::string nombreDelCombo(int c);
