#include "estadoVisor.h"

#include <utility>

std::string nombreArchivo;
modelo modeloVisor;
solucion solucionVisor;

double escalaDef = 0;
double escalaM = 0;
double escalaV = 0;
double escalaN = 0;
double escalaTexto = 0;
double escalaCarga = 0;
double escalaApoyo = 0;
int precision = 0;

double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
double xCam = 0, yCam = 0, zCam = 0;
double xCentroObj = 0, yCentroObj = 0, diagonalObj = 0;
double wVentana = 0, hVentana = 0;
int clickIzq = 0, xLast = 0, yLast = 0;
Eigen::VectorXi barrasAisladas;
Eigen::VectorXi nudosAislados;
std::string dialogo = "Comando:";
std::string comando;
std::vector<int> flags(200, 0);
int numeroComboCoincidente = -1;

const double PI = 3.141592653589793;

void mostrarModelo(modelo m, solucion s) {
    modeloVisor = std::move(m);
    solucionVisor = std::move(s);
    const ajustesVisor& a = modeloVisor.ajustes;
    escalaDef = a.escalaDef;
    escalaM = a.escalaM;
    escalaV = a.escalaV;
    escalaN = a.escalaN;
    escalaTexto = a.escalaTexto;
    escalaCarga = a.escalaCarga;
    escalaApoyo = a.escalaApoyo;
    precision = a.precision;
}
