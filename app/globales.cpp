#include "globales.h"

std::string nombreArchivo;
int noNudos = 0;
int noBarras = 0;
int noCombos = 0;
std::vector<objNudo2d> nudo;
std::vector<objBarra2d> barra;
Eigen::VectorXi punteroNudos;
Eigen::VectorXi punteroBarras;

double escalaDef = 0;
double escalaM = 0;
double escalaV = 0;
double escalaN = 0;
double escalaTexto = 0;
double escalaCarga = 0;
double escalaApoyo = 0;
int precision = 0;

int noLibres = 0;
int noRestringidos = 0;
Eigen::SparseMatrix<double> kEstructura;
Eigen::SparseMatrix<double> kLL, kLR, kRL, kRR;
Eigen::MatrixXd pCombo;
Eigen::MatrixXd pL, pR;
std::vector<int> gdlLibres;
std::vector<int> gdlRestringidos;
Eigen::MatrixXd uLibres;
Eigen::MatrixXd u;
Eigen::MatrixXd reacciones;
bool modeloResuelto = false;
std::vector<int> combosSinEquilibrio;

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

std::string nombreDelCombo(int c) {
    for (const auto& n : nudo) {
        if (c < n.getCantidadDeCombos()) return n.getNombreCombo(c);
    }
    return std::to_string(c + 1);
}
