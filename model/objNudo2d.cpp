#include "objNudo2d.h"

#include <algorithm>
#include <iostream>
#include <utility>

objNudo2d::objNudo2d()
    : cargasPuntuales(0, 3),
      apoyo(Eigen::Vector3i::Zero()),
      gdl(Eigen::Vector3i::Zero()),
      resorte(Eigen::Vector3d::Zero()),
      cargasGlobales(0, 3) {}

void objNudo2d::setNumeroDeNudo(int n) {
    numeroDeNudo = n;
}

void objNudo2d::setNumeroNudoUsuario(int n) {
    numeroNudoUsuario = n;
}

void objNudo2d::setCoordenadas(double xNudo, double yNudo) {
    x = xNudo;
    y = yNudo;
}

// Each point load is its own row; loads of the same case are summed only when
// a combination is formed.
void objNudo2d::setCargaPuntual(std::string caso, double px, double py, double mz) {
    nombresCargasPuntuales.push_back(std::move(caso));
    const Eigen::Index fila = cargasPuntuales.rows();
    cargasPuntuales.conservativeResize(fila + 1, 3);
    cargasPuntuales.row(fila) << px, py, mz;
}

void objNudo2d::setApoyo(int rx, int ry, int rgiro) {
    apoyo << rx, ry, rgiro;
}

void objNudo2d::setResorte(double kx, double ky, double kgiro) {
    resorte << kx, ky, kgiro;
}

// Adds factor x (sum of the point loads of case `caso`) to the row of
// combination `combo`, creating the row (possibly all zeros) on first use.
void objNudo2d::setCombo(std::string combo, double factor, std::string caso) {
    Eigen::RowVector3d suma = Eigen::RowVector3d::Zero();
    for (Eigen::Index i = 0; i < cargasPuntuales.rows(); ++i) {
        if (nombresCargasPuntuales[i] == caso) suma += factor * cargasPuntuales.row(i);
    }

    bool encontrado = false;
    for (std::size_t c = 0; c < nombresCombos.size(); ++c) {
        if (nombresCombos[c] == combo) {
            cargasGlobales.row(c) += suma;
            encontrado = true;
        }
    }
    if (!encontrado) {
        nombresCombos.push_back(std::move(combo));
        const Eigen::Index fila = cargasGlobales.rows();
        cargasGlobales.conservativeResize(fila + 1, 3);
        cargasGlobales.row(fila) = suma;
    }
}

// Freedoms of node n: 3n (X), 3n + 1 (Y), 3n + 2 (rotation).
Eigen::Vector3i objNudo2d::getGdl() {
    gdl << 3 * numeroDeNudo, 3 * numeroDeNudo + 1, 3 * numeroDeNudo + 2;
    return gdl;
}

Eigen::Vector3i objNudo2d::getApoyo() const {
    return apoyo;
}

Eigen::MatrixXd objNudo2d::getCargasGlobales() const {
    return cargasGlobales;
}

double objNudo2d::getResorteX() const {
    return resorte(0);
}

double objNudo2d::getResorteY() const {
    return resorte(1);
}

double objNudo2d::getResorteGiro() const {
    return resorte(2);
}

void objNudo2d::setDesplazamientos(Eigen::MatrixXd d) {
    desplazamientosNudo = std::move(d);
    if (desplazamientosNudo.cols() != static_cast<Eigen::Index>(nombresCombos.size())) {
        std::cout << "La cantidad de combos de desplazamientos no es igual a la cantidad de combos "
                     "en Ingreso de Datos"
                  << std::endl;
    }
}

// The solver passes r = K·u - p. K holds the spring stiffness k on the
// diagonal, so the row of a sprung direction includes k·u; the reported
// reaction is the support's own share r - k·u. At a free sprung direction
// r is the zero residual and this is the spring force -k·u; at a restrained
// one u = 0 and the support reaction r is kept.
void objNudo2d::setReacciones(Eigen::MatrixXd r) {
    reaccionesNudo = std::move(r);
    const Eigen::Index filas = std::min<Eigen::Index>(3, reaccionesNudo.rows());
    for (Eigen::Index k = 0; k < filas; ++k) {
        if (resorte(k) == 0) continue;  // NaN counts as a spring
        for (Eigen::Index j = 0; j < reaccionesNudo.cols(); ++j) {
            reaccionesNudo(k, j) -= resorte(k) * valorEn(desplazamientosNudo, k, j);
        }
    }
}

int objNudo2d::getNoNudo() const {
    return numeroDeNudo;
}

int objNudo2d::getNoNudoUsuario() const {
    return numeroNudoUsuario;
}

double objNudo2d::getX() const {
    return x;
}

double objNudo2d::getY() const {
    return y;
}

int objNudo2d::getCantidadDeCombos() const {
    return static_cast<int>(nombresCombos.size());
}

std::string objNudo2d::getNombreCombo(int i) const {
    if (i < 0 || i >= getCantidadDeCombos()) return std::string();
    return nombresCombos[i];
}

// Index of the last combination called `nombre`, or -1.
int objNudo2d::getNumeroDeCombo(std::string nombre) const {
    int indice = -1;
    for (std::size_t c = 0; c < nombresCombos.size(); ++c) {
        if (nombresCombos[c] == nombre) indice = static_cast<int>(c);
    }
    return indice;
}

double objNudo2d::getPxCombo(int i) const {
    return valorEn(cargasGlobales, i, 0);
}

double objNudo2d::getPyCombo(int i) const {
    return valorEn(cargasGlobales, i, 1);
}

double objNudo2d::getMzCombo(int i) const {
    return valorEn(cargasGlobales, i, 2);
}

double objNudo2d::getDesplazamientoX(int i) const {
    return valorEn(desplazamientosNudo, 0, i);
}

double objNudo2d::getDesplazamientoY(int i) const {
    return valorEn(desplazamientosNudo, 1, i);
}

double objNudo2d::getGiroZ(int i) const {
    return valorEn(desplazamientosNudo, 2, i);
}

double objNudo2d::getReaccionX(int i) const {
    return valorEn(reaccionesNudo, 0, i);
}

double objNudo2d::getReaccionY(int i) const {
    return valorEn(reaccionesNudo, 1, i);
}

double objNudo2d::getReaccionM(int i) const {
    return valorEn(reaccionesNudo, 2, i);
}
