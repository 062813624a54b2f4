// Stations along a bar and the envelope of its internal forces over a set of
// combinations.
#include "estacionesBarra.h"

#include <algorithm>
#include <cmath>

#include "lineaElastica.h"

int combosConResultados(const objBarra2d& b) {
    return static_cast<int>(std::min<Eigen::Index>(
        {static_cast<Eigen::Index>(b.getCantidadDeCombos()), b.getConstantesIntegracion().cols(),
         b.getDesplazamientosLocales().cols()}));
}

namespace {

// Transverse displacement at the stations x from the elastic line,
// v = (E·I·y)/(E·I). Without bending stiffness or length there is no elastic
// line: the axis is then the chord between the end displacements u2 and u5,
// as the deformed shape draws it.
Eigen::VectorXd flechas(const Eigen::VectorXd& x, const constantesBarra& k, double ei, double u2,
                        double u5) {
    Eigen::VectorXd v(x.size());
    const double inversaEI = 1 / ei;
    const double L = x.size() > 0 ? x(x.size() - 1) : 0.0;
    for (Eigen::Index j = 0; j < x.size(); ++j) {
        if (std::isfinite(inversaEI) && L != 0) {
            v(j) = eiFlechaEn(k, x(j)) * inversaEI;
        } else {
            v(j) = L != 0 ? u2 + (u5 - u2) * x(j) / L : u2;
        }
    }
    return v;
}

// Keeps value v of combination c at station j when it is the first one seen,
// or beyond the kept one (a NaN kept first gives way to any number).
void anotarEnvolvente(envolventeEsfuerzo& e, Eigen::Index j, double v, int c, bool primero) {
    if (primero || v > e.maximo(j) || std::isnan(e.maximo(j))) {
        e.maximo(j) = v;
        e.comboMaximo(j) = c;
    }
    if (primero || v < e.minimo(j) || std::isnan(e.minimo(j))) {
        e.minimo(j) = v;
        e.comboMinimo(j) = c;
    }
}

envolventeEsfuerzo envolventeVacia(Eigen::Index n) {
    envolventeEsfuerzo e;
    e.maximo = Eigen::VectorXd::Zero(n);
    e.minimo = Eigen::VectorXd::Zero(n);
    e.comboMaximo = Eigen::VectorXi::Constant(n, -1);
    e.comboMinimo = Eigen::VectorXi::Constant(n, -1);
    return e;
}

}  // namespace

std::vector<estacionesBarra> estacionesDeBarra(objBarra2d& b, const std::vector<int>& combos,
                                               int n) {
    const int validos = combosConResultados(b);
    const Eigen::MatrixXd constantes = b.getConstantesIntegracion();
    const Eigen::MatrixXd locales = b.getDesplazamientosLocales();
    const double ei = b.getModE() * b.getInercia();
    std::vector<estacionesBarra> r;
    for (int c : combos) {
        if (c < 0 || c >= validos) continue;
        const Eigen::MatrixXd axial = b.getSolicitacionAxial(c, n);
        estacionesBarra e;
        e.x = axial.row(0).transpose();
        e.N = axial.row(1).transpose();
        e.V = b.getSolicitacionCortante(c, n).row(1).transpose();
        e.M = b.getSolicitacionMomento(c, n).row(1).transpose();
        e.v = flechas(e.x, constantes.col(c), ei, locales(1, c), locales(4, c));
        r.push_back(std::move(e));
    }
    return r;
}

envolventeBarra envolventeDeBarra(objBarra2d& b, const std::vector<int>& combos, int n) {
    const int validos = combosConResultados(b);
    envolventeBarra r;
    r.x = b.getSolicitacionMomento(0, n).row(0).transpose();
    r.N = r.V = r.M = envolventeVacia(r.x.size());
    bool primero = true;
    for (int c : combos) {
        if (c < 0 || c >= validos) continue;
        const Eigen::MatrixXd axial = b.getSolicitacionAxial(c, n);
        const Eigen::MatrixXd cortante = b.getSolicitacionCortante(c, n);
        const Eigen::MatrixXd momento = b.getSolicitacionMomento(c, n);
        for (Eigen::Index j = 0; j < r.x.size(); ++j) {
            anotarEnvolvente(r.N, j, axial(1, j), c, primero);
            anotarEnvolvente(r.V, j, cortante(1, j), c, primero);
            anotarEnvolvente(r.M, j, momento(1, j), c, primero);
        }
        primero = false;
    }
    return r;
}
