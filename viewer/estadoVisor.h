// What the window shows and how: the model read last, its solution and the
// file it came from, the display scales (the file's values, changed by the
// scale keys), the camera, the switches, the visibility marks and the
// command line. Only the viewer holds this state; the core stages receive
// the model and the solution as arguments.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "modelo.h"
#include "solucion.h"

// The input file that F5 and "vigilar" read again.
extern std::string nombreArchivo;
extern modelo modeloVisor;
extern solucion solucionVisor;

// Display scales and decimals, from the model's display settings on every
// read.
extern double escalaDef;
extern double escalaM;
extern double escalaV;
extern double escalaN;
extern double escalaTexto;
extern double escalaCarga;
extern double escalaApoyo;
extern int precision;

// Camera and window.
extern double xMin, xMax, yMin, yMax;
extern double xCam, yCam, zCam;
extern double xCentroObj, yCentroObj, diagonalObj;
extern double wVentana, hVentana;
extern int clickIzq, xLast, yLast;
// Visibility marks: 1 drawn, 0 hidden, one per node and per bar.
extern Eigen::VectorXi barrasAisladas;
extern Eigen::VectorXi nudosAislados;
// Command line.
extern std::string dialogo;
extern std::string comando;
extern std::vector<int> flags;
extern int numeroComboCoincidente;

extern const double PI;

// The model and solution the window shows from now on, with the display
// settings of the model.
void mostrarModelo(modelo m, solucion s);
