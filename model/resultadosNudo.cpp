#include "resultadosNudo.h"

#include <algorithm>
#include <utility>

#include "valorEn.h"

resultadosNudo::resultadosNudo(const objNudo2d& n, Eigen::MatrixXd d, Eigen::MatrixXd r)
    : desplazamientosNudo(std::move(d)), reaccionesNudo(std::move(r)) {
    const double resorte[3] = {n.getResorteX(), n.getResorteY(), n.getResorteGiro()};
    const Eigen::Index filas = std::min<Eigen::Index>(3, reaccionesNudo.rows());
    for (Eigen::Index k = 0; k < filas; ++k) {
        if (resorte[k] == 0) continue;  // NaN counts as a spring
        for (Eigen::Index j = 0; j < reaccionesNudo.cols(); ++j) {
            reaccionesNudo(k, j) -= resorte[k] * valorEn(desplazamientosNudo, k, j);
        }
    }
}

int resultadosNudo::getCantidadDeCombos() const {
    return static_cast<int>(desplazamientosNudo.cols());
}

double resultadosNudo::getDesplazamientoX(int i) const {
    return valorEn(desplazamientosNudo, 0, i);
}

double resultadosNudo::getDesplazamientoY(int i) const {
    return valorEn(desplazamientosNudo, 1, i);
}

double resultadosNudo::getGiroZ(int i) const {
    return valorEn(desplazamientosNudo, 2, i);
}

double resultadosNudo::getReaccionX(int i) const {
    return valorEn(reaccionesNudo, 0, i);
}

double resultadosNudo::getReaccionY(int i) const {
    return valorEn(reaccionesNudo, 1, i);
}

double resultadosNudo::getReaccionM(int i) const {
    return valorEn(reaccionesNudo, 2, i);
}
