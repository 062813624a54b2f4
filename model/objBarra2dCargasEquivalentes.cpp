// Equivalent nodal loads of the linearly varying distributed loads, with the
// end fixity of the bar; local and global axes.
#include "objBarra2d.h"

// Six equivalent loads (N, V, M at the start; N, V, M at the end) of axial
// load pi..pf and transverse load qi..qf, in the same end-spring model as
// the stiffness. They act on the nodes in the sense of the load (the
// negatives of the clamped-end reactions).
static Eigen::Matrix<double, 6, 1> cargasEquivalentes(double L, double ai, double af, double pi,
                                                      double pf, double qi, double qf) {
    // Axial: the linear load's resultant L·(pi + pf)/2 shared by its lever
    // arms, the same for either end fixity.
    const double nInicio = L * (2 * pi + pf) / 6;
    const double nFin = L * (pi + 2 * pf) / 6;

    // Transverse, both ends clamped (trapezoid = uniform + triangle).
    const double mi0 = L * L * (qi / 20 + qf / 30);
    const double mj0 = -L * L * (qi / 30 + qf / 20);
    const double vi0 = L * (7 * qi + 3 * qf) / 20;
    const double vj0 = L * (3 * qi + 7 * qf) / 20;

    // Release of the clamped moments through the end springs; h is the shear
    // that carries the released moments back to the supports.
    const double g = 12 - 8 * ai - 8 * af + 5 * ai * af;
    const double h = 6 / (L * g) * ((2 - af) * (1 - ai) * mi0 + (2 - ai) * (1 - af) * mj0);
    const double mInicio = (ai / g) * ((4 - 3 * af) * mi0 - 2 * (1 - af) * mj0);
    const double mFin = (af / g) * ((4 - 3 * ai) * mj0 - 2 * (1 - ai) * mi0);

    Eigen::Matrix<double, 6, 1> f;
    f << nInicio, vi0 - h, mInicio, nFin, vj0 + h, mFin;
    return f;
}

// One column per combination row, rebuilt on every call. A bar of zero length
// (or one whose length is unknown) passes no load to its nodes.
Eigen::MatrixXd objBarra2d::getCargasEquivalentesLocales() {
    if (flagsBarra[flagLongitud] == 0 && nudosConocidos()) longitud = getLongitud();
    const Eigen::Index nc = matrizCargasCombo.rows();
    cargasEquivalentesLocales = Eigen::MatrixXd::Zero(6, nc);
    if (flagsBarra[flagLongitud] == 1 && longitud != 0) {
        for (Eigen::Index k = 0; k < nc; ++k) {
            cargasEquivalentesLocales.col(k) = cargasEquivalentes(
                longitud, articulacionInicio, articulacionFin, matrizCargasCombo(k, 0),
                matrizCargasCombo(k, 1), matrizCargasCombo(k, 2), matrizCargasCombo(k, 3));
        }
    }
    flagsBarra[flagCargasLocales] = 1;
    return cargasEquivalentesLocales;
}

// Global = Tᵀ · local; computed once and cached behind flag 12.
Eigen::MatrixXd objBarra2d::getCargasEquivalentesGlobales() {
    const Eigen::Index nc = matrizCargasCombo.rows();
    if (flagsBarra[flagCargasGlobales] == 0 || cargasEquivalentesGlobales.cols() != nc) {
        if (flagsBarra[flagCargasLocales] == 0 || cargasEquivalentesLocales.cols() != nc)
            getCargasEquivalentesLocales();
        cargasEquivalentesGlobales = transformacion().transpose() * cargasEquivalentesLocales;
        flagsBarra[flagCargasGlobales] = 1;
    }
    return cargasEquivalentesGlobales;
}
