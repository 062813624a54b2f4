// Axial force, shear and bending moment along the bar, and the position and
// value of the moment at zero shear.
//   N > 0 tension; M > 0 bends the bar concave toward local +y (E·I·y'' = M);
//   V = dM/dx and dV/dx = q, q positive along local +y.
#include <algorithm>
#include <cmath>

#include "lineaElastica.h"
#include "objBarra2d.h"

// Length for the result stages: the cached one, or computed now when both end
// nodes are known; 0 otherwise.
double objBarra2d::longitudConocida() {
    if (flagsBarra[flagLongitud] != 1 && nudosConocidos()) longitud = getLongitud();
    return flagsBarra[flagLongitud] == 1 ? longitud : 0.0;
}

// 2 x n matrix whose row 0 holds the stations x_k = (L/(n - 1))·k; fewer than
// two stations are taken as two (the two ends).
Eigen::MatrixXd objBarra2d::estaciones(int n) {
    const int puntos = std::max(n, 2);
    const double paso = longitudConocida() / (puntos - 1);
    Eigen::MatrixXd r = Eigen::MatrixXd::Zero(2, puntos);
    for (int k = 0; k < puntos; ++k) r(0, k) = paso * k;
    return r;
}

// Local end forces on the bar, P = K_local·u_local - F_equivalent, for one
// combination; zeros when there are no results for it. Only that
// combination's column is formed: every sample of every combination asks for
// it, so the cost must not grow with the number of combinations.
Eigen::Matrix<double, 6, 1> objBarra2d::fuerzasExtremo(int combo) {
    if (desplazamientosLocales.rows() != 6 || combo < 0 || combo >= desplazamientosLocales.cols())
        return Eigen::Matrix<double, 6, 1>::Zero();
    const Eigen::Matrix<double, 6, 1> u = desplazamientosLocales.col(combo);
    return rigidezLocal() * u - columnaResultado(cargasEquivalentesLocales, combo);
}

// N(x) = Ns - pi·x - (pf - pi)·x²/(2L), the exact axial force under an axial
// load varying linearly from pi to pf, written as the chord between the end
// forces Ns and Ne plus the parabolic excess (pf - pi)·x·(L - x)/(2L); the end
// values are the end forces themselves.
Eigen::MatrixXd objBarra2d::getSolicitacionAxial(int combo, int n) {
    Eigen::MatrixXd r = estaciones(n);
    const double L = longitudConocida();
    if (L == 0) return r;
    const Eigen::Matrix<double, 6, 1> p = fuerzasExtremo(combo);
    const double ns = -p(0);
    const double ne = p(3);
    const double pi = valorEn(matrizCargasCombo, combo, 0);
    const double pf = valorEn(matrizCargasCombo, combo, 1);
    for (Eigen::Index k = 0; k < r.cols(); ++k) {
        const double x = r(0, k);
        r(1, k) = ns + (ne - ns) * x / L;
        if (pf != pi) r(1, k) += (pf - pi) * x * (L - x) / (2 * L);
    }
    return r;
}

// V(x) = -A·x²/2 - B·x + C1.
Eigen::MatrixXd objBarra2d::getSolicitacionCortante(int combo, int n) {
    Eigen::MatrixXd r = estaciones(n);
    const Eigen::Matrix<double, 6, 1> c = columnaResultado(constantesIntegracion, combo);
    for (Eigen::Index k = 0; k < r.cols(); ++k) r(1, k) = cortanteEn(c, r(0, k));
    return r;
}

// M(x) = -A·x³/6 - B·x²/2 + C1·x + C2.
Eigen::MatrixXd objBarra2d::getSolicitacionMomento(int combo, int n) {
    Eigen::MatrixXd r = estaciones(n);
    const Eigen::Matrix<double, 6, 1> c = columnaResultado(constantesIntegracion, combo);
    for (Eigen::Index k = 0; k < r.cols(); ++k) r(1, k) = momentoEn(c, r(0, k));
    return r;
}

// Zero of V(x) = a·x² + b·x + c strictly inside the bar (a = -A/2, b = -B,
// c = C1), or -1. The shear is taken as linear when the quadratic term is
// negligible against the others over the bar (rounding leaves a tiny a where
// load cases add up to a uniform load). Roots are formed without
// cancellation; when both lie inside, the one of -b - √(b² - 4ac) is kept.
double objBarra2d::getXvcero(int combo) {
    xVcero = -1;
    const double L = longitudConocida();
    const Eigen::Matrix<double, 6, 1> k = columnaResultado(constantesIntegracion, combo);
    const double a = -k(0) / 2;
    const double b = -k(1);
    const double c = k(2);
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(L))
        return xVcero;

    double r1 = -1;
    double r2 = -1;
    const double toleranciaCuadratica = 1e-10;
    if (std::abs(a) * L * L <= toleranciaCuadratica * (std::abs(b) * L + std::abs(c))) {
        if (b != 0) r1 = -c / b;
    } else {
        const double discriminante = b * b - 4 * a * c;
        if (discriminante >= 0) {
            const double raiz = std::sqrt(discriminante);
            if (b >= 0) {
                const double q = -b - raiz;  // no cancellation
                r2 = q / (2 * a);
                r1 = q != 0 ? 2 * c / q : 0.0;
            } else {
                const double q = -b + raiz;
                r1 = q / (2 * a);
                r2 = 2 * c / q;
            }
        }
    }
    if (0 < r1 && r1 < L) xVcero = r1;
    if (0 < r2 && r2 < L) xVcero = r2;
    return xVcero;
}

// Moment at the zero-shear position left by the last getXvcero call.
double objBarra2d::getMmax(int combo) {
    const double L = longitudConocida();
    if (!(0 < xVcero && xVcero < L)) return 0;
    return momentoEn(columnaResultado(constantesIntegracion, combo), xVcero);
}
