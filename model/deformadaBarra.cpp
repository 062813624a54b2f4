// Deformed shape of a bar as points in global coordinates, displacements
// magnified by a display scale.
#include <algorithm>
#include <cmath>

#include "resultadosBarra.h"

// Points at the n stations x_k = (L/(n - 1))·k and at every point where a
// load makes a force jump or kink (so that the exact elastic line bends
// there): axial elongation spread evenly, transverse deflection from the
// elastic line taken relative to the start node, rotated to global axes and
// placed at the displaced start node. A bar of zero length is the straight
// segment between its displaced nodes.
Eigen::MatrixXd resultadosBarra::getBarraDeformada(int c, int n, double escala) const {
    const int puntos = std::max(n, 2);
    const Eigen::Matrix<double, 6, 1> ul = columna(desplazamientosLocales, c);
    const Eigen::Matrix<double, 6, 1> ug = columna(desplazamientosGlobales, c);
    const double L = getLongitud();

    if (longitudConocida && L == 0) {
        Eigen::MatrixXd r(2, puntos);
        const double x0 = xi + ug(0) * escala;
        const double y0 = yi + ug(1) * escala;
        // Its end nodes coincide: the end node stands at (xi, yi) too.
        const double x1 = xi + ug(3) * escala;
        const double y1 = yi + ug(4) * escala;
        for (int j = 0; j < puntos; ++j) {
            const double t = static_cast<double>(j) / (puntos - 1);
            r(0, j) = x0 + (x1 - x0) * t;
            r(1, j) = y0 + (y1 - y0) * t;
        }
        return r;
    }

    const bool conResultados = c >= 0 && c < combosConResultados();
    const std::vector<seccionBarra> s = secciones(c, puntos, false, conResultados);
    const std::vector<puntoSingular> singulares =
        conResultados ? puntosSingulares(c) : std::vector<puntoSingular>();
    const double cs = std::cos(angulo);
    const double sn = std::sin(angulo);
    const double e = (ul(3) - ul(0)) * escala / (puntos - 1);
    const double alargamiento = (ul(3) - ul(0)) * escala;
    Eigen::MatrixXd r(2, static_cast<Eigen::Index>(s.size()));

    double yInicio = 0;
    for (std::size_t j = 0; j < s.size(); ++j) {
        const double x = s[j].x;
        // The elongation spread evenly: j·e at the stations of a bar without
        // singular points, x/L of it wherever points of the loads stand in.
        const double xiK = singulares.empty() ? x + j * e : x + alargamiento * x / L;
        double y = 0;
        if (conResultados && L != 0) {
            y = esfuerzosEn(c, x, s[j].l).v;
        } else if (L != 0) {
            y = ul(1) + (ul(4) - ul(1)) * x / L;
        } else {
            y = ul(1);
        }
        if (j == 0) yInicio = y;
        const double etaK = (y - yInicio) * escala;
        r(0, static_cast<Eigen::Index>(j)) = cs * xiK - sn * etaK + xi + ug(0) * escala;
        r(1, static_cast<Eigen::Index>(j)) = sn * xiK + cs * etaK + yi + ug(1) * escala;
    }
    return r;
}
