// Deformed shape of the bar as points in global coordinates, displacements
// magnified by a display scale.
#include <algorithm>
#include <cmath>

#include "lineaElastica.h"
#include "objBarra2d.h"

// Points k = 0 .. n - 1 at local abscissa x_k = (L/(n - 1))·k: axial
// elongation spread evenly, transverse deflection from the elastic line
// E·I·y = -A·x⁵/120 - B·x⁴/24 + C1·x³/6 + C2·x²/2 + C3·x + C4 taken relative to
// the start node, rotated to global axes and placed at the displaced start
// node. With E·I = 0 there is no elastic line and the deflection is the chord
// between the end deflections; a bar of zero length is the straight segment
// between its displaced nodes.
Eigen::MatrixXd objBarra2d::getBarraDeformada(int combo, int n, double escala) {
    const int puntos = std::max(n, 2);
    Eigen::MatrixXd r(2, puntos);
    const Eigen::Matrix<double, 6, 1> ul = columnaResultado(desplazamientosLocales, combo);
    const Eigen::Matrix<double, 6, 1> ug = columnaResultado(desplazamientosGlobales, combo);
    const Eigen::Matrix<double, 6, 1> k = columnaResultado(constantesIntegracion, combo);
    const double L = longitudConocida();

    if (flagsBarra[flagLongitud] == 1 && L == 0) {
        const double x0 = xi + ug(0) * escala;
        const double y0 = yi + ug(1) * escala;
        const double x1 = xf + ug(3) * escala;
        const double y1 = yf + ug(4) * escala;
        for (int j = 0; j < puntos; ++j) {
            const double t = static_cast<double>(j) / (puntos - 1);
            r(0, j) = x0 + (x1 - x0) * t;
            r(1, j) = y0 + (y1 - y0) * t;
        }
        return r;
    }

    if (flagsBarra[flagAngulo] != 1 && flagsBarra[flagLongitud] == 1) angulo = getAngulo();
    const double th = flagsBarra[flagAngulo] == 1 ? angulo : 0.0;
    const double c = std::cos(th);
    const double s = std::sin(th);
    const double inversaEI = 1 / (moduloE * inercia);
    const bool sinCurvaElastica = !std::isfinite(inversaEI);
    const double paso = L / (puntos - 1);
    const double e = (ul(3) - ul(0)) * escala / (puntos - 1);

    double yInicio = 0;
    for (int j = 0; j < puntos; ++j) {
        const double x = paso * j;
        double y;
        if (sinCurvaElastica) {
            y = L != 0 ? ul(1) + (ul(4) - ul(1)) * x / L : ul(1);
        } else {
            y = eiFlechaEn(k, x) * inversaEI;
        }
        if (j == 0) yInicio = y;
        const double xiK = x + j * e;
        const double etaK = (y - yInicio) * escala;
        r(0, j) = c * xiK - s * etaK + xi + ug(0) * escala;
        r(1, j) = s * xiK + c * etaK + yi + ug(1) * escala;
    }
    return r;
}
