// Bar data from the input: numbers, end nodes, section, material, fixity,
// distributed loads per load case and one load row per combination; cached
// length and angle; plain getters.
#include "objBarra2d.h"

#include <cmath>
#include <iostream>
#include <utility>

#include "direccionCarga.h"

objBarra2d::objBarra2d()
    : cargasDistribuidasLocales(0, 4), cargasDistribuidasGlobales(0, 4), matrizCargasCombo(0, 4) {}

void objBarra2d::resetFlags() {
    flagsBarra.fill(0);
}

void objBarra2d::setNumeroDeBarra(int n) {
    numeroDeBarra = n;
    flagsBarra[flagNumero] = 1;
}

void objBarra2d::setNumeroBarraUsuario(int n) {
    numeroBarraUsuario = n;
}

void objBarra2d::setNudoInicio(int i, double x, double y) {
    flagsBarra[flagNudoInicio] = 1;
    nudoInicio = i;
    xi = x;
    yi = y;
}

void objBarra2d::setNudoFinal(int j, double x, double y) {
    flagsBarra[flagNudoFinal] = 1;
    nudoFinal = j;
    xf = x;
    yf = y;
}

void objBarra2d::setNudoInicioUsuario(int n) {
    nudoInicioUsuario = n;
}

void objBarra2d::setNudoFinalUsuario(int n) {
    nudoFinalUsuario = n;
}

void objBarra2d::setNombreDeSeccion(std::string s) {
    flagsBarra[flagNombreSeccion] = 1;
    nombreDeSeccion = std::move(s);
}

// Rectangle b wide and h deep in the bending plane: A = b·h, I = b·h³/12.
void objBarra2d::setSeccionRectangular(double b, double h) {
    flagsBarra[flagSeccion] = 1;
    area = b * h;
    inercia = b * h * h * h / 12.0;
}

void objBarra2d::setSeccionGenerica(double a, double i) {
    flagsBarra[flagSeccion] = 1;
    area = a;
    inercia = i;
}

void objBarra2d::setModuloE(double e) {
    flagsBarra[flagModulo] = 1;
    moduloE = e;
}

void objBarra2d::setPesoEspecifico(double g) {
    pesoEspecifico = g;
}

// Fixity factor in [0, 1]: 0 hinge, 1 rigid joint. A factor that is not a
// number keeps the rigid default.
static double limitarFijacion(double a) {
    if (std::isnan(a)) return 1.0;
    if (a < 0) return 0.0;
    if (a > 1) return 1.0;
    return a;
}

void objBarra2d::setArticulacion(double ri, double rf) {
    articulacionInicio = limitarFijacion(ri);
    articulacionFin = limitarFijacion(rf);
}

void objBarra2d::setCargaLocal(std::string caso, double ai, double af, double qi, double qf) {
    nombresCargasDistribuidasLocales.push_back(std::move(caso));
    const Eigen::Index fila = cargasDistribuidasLocales.rows();
    cargasDistribuidasLocales.conservativeResize(fila + 1, 4);
    cargasDistribuidasLocales.row(fila) << ai, af, qi, qf;
}

// A load of intensity qi..qf per unit length acting along the fixed global
// direction (dx, dy), stored as its local components: axial = c·q and
// transverse = (c × q)_z with c the unit bar axis.
void objBarra2d::setCargaGlobal(std::string caso, double qi, double qf, double dx, double dy) {
    if (flagsBarra[flagAngulo] == 0) angulo = getAngulo();
    if (flagsBarra[flagAngulo] != 1) {
        std::cout << "el ángulo no está definido para calcular cargas globales de barra"
                  << std::endl;
        return;
    }
    Eigen::Vector2d d;
    if (!direccionUnitaria(dx, dy, d)) {
        std::cout << "Advertencia: la carga global del caso " << caso << " en la barra "
                  << numeroBarraUsuario << " tiene dirección (" << dx << ", " << dy
                  << "); no se considera" << std::endl;
        return;
    }

    Eigen::RowVector4d fila = Eigen::RowVector4d::Zero();
    // A bar of zero length carries no load: its resultant is intensity × 0.
    if (!esLongitudCero()) {
        const Eigen::Vector2d q1 = qi * d;
        const Eigen::Vector2d q2 = qf * d;
        const Eigen::Vector2d c(std::cos(angulo), std::sin(angulo));
        fila << c.dot(q1), c.dot(q2), c(0) * q1(1) - c(1) * q1(0), c(0) * q2(1) - c(1) * q2(0);
    }
    nombresCargasDistribuidasGlobales.push_back(std::move(caso));
    const Eigen::Index n = cargasDistribuidasGlobales.rows();
    cargasDistribuidasGlobales.conservativeResize(n + 1, 4);
    cargasDistribuidasGlobales.row(n) = fila;
}

// Self weight: uniform load area × specific weight along -Y.
void objBarra2d::setPesoPropio(std::string caso) {
    const double w = area * pesoEspecifico;
    setCargaGlobal(std::move(caso), w, w, 0, -1);
}

// Adds factor × (local and global distributed loads of case `caso`) to the
// row of combination `combo`, creating the row (possibly zeros) on first use.
void objBarra2d::setCombo(std::string combo, double factor, std::string caso) {
    Eigen::RowVector4d suma = Eigen::RowVector4d::Zero();
    for (Eigen::Index i = 0; i < cargasDistribuidasLocales.rows(); ++i) {
        if (nombresCargasDistribuidasLocales[i] == caso)
            suma += factor * cargasDistribuidasLocales.row(i);
    }
    for (Eigen::Index i = 0; i < cargasDistribuidasGlobales.rows(); ++i) {
        if (nombresCargasDistribuidasGlobales[i] == caso)
            suma += factor * cargasDistribuidasGlobales.row(i);
    }

    for (std::size_t c = 0; c < nombresCombos.size(); ++c) {
        if (nombresCombos[c] == combo) {
            matrizCargasCombo.row(c) += suma;
            return;
        }
    }
    nombresCombos.push_back(std::move(combo));
    const Eigen::Index fila = matrizCargasCombo.rows();
    matrizCargasCombo.conservativeResize(fila + 1, 4);
    matrizCargasCombo.row(fila) = suma;
}

double objBarra2d::getLongitud() {
    if (flagsBarra[flagLongitud] == 1) return longitud;
    if (!nudosConocidos()) {
        std::cout << "Definir nudos del elemento" << std::endl;
        return 0;
    }
    flagsBarra[flagLongitud] = 1;
    const double dx = xf - xi;
    const double dy = yf - yi;
    longitud = std::sqrt(dx * dx + dy * dy);
    // Squares that overflow or underflow: hypot keeps distinct nodes at a
    // finite, non-zero distance.
    if (std::isinf(longitud) || (longitud == 0 && (dx != 0 || dy != 0)))
        longitud = std::hypot(dx, dy);
    return longitud;
}

// Angle of the local x axis from global X, in (-pi, pi]. A bar of zero length
// has no direction; it gets 0, so its transformation stays the identity.
double objBarra2d::getAngulo() {
    if (flagsBarra[flagAngulo] == 1) return angulo;
    if (flagsBarra[flagLongitud] == 0) longitud = getLongitud();
    if (flagsBarra[flagLongitud] != 1) {
        std::cout << "no se puede calcular el angulo. Faltan datos" << std::endl;
        return 0;
    }
    flagsBarra[flagAngulo] = 1;
    if (longitud == 0) {
        angulo = 0;
    } else {
        angulo = std::acos((xf - xi) / longitud);
        if (yf - yi < 0) angulo = -angulo;
    }
    return angulo;
}

bool objBarra2d::nudosConocidos() const {
    return flagsBarra[flagNudoInicio] == 1 && flagsBarra[flagNudoFinal] == 1;
}

bool objBarra2d::esLongitudCero() {
    if (!nudosConocidos()) return false;
    if (flagsBarra[flagLongitud] == 1) return longitud == 0;
    return xf == xi && yf == yi;
}

std::string objBarra2d::getNombreDeSeccion() const {
    if (flagsBarra[flagNombreSeccion] == 1) return nombreDeSeccion;
    std::cout << "Definir el nombre de sección" << std::endl;
    return std::string();
}

int objBarra2d::getNoBarraUsuario() const {
    return numeroBarraUsuario;
}

int objBarra2d::getNudoInicio() const {
    return nudoInicio;
}

int objBarra2d::getNudoFinal() const {
    return nudoFinal;
}

int objBarra2d::getNudoInicioUsuario() const {
    return nudoInicioUsuario;
}

int objBarra2d::getNudoFinalUsuario() const {
    return nudoFinalUsuario;
}

double objBarra2d::getXi() const {
    return xi;
}

double objBarra2d::getYi() const {
    return yi;
}

double objBarra2d::getXf() const {
    return xf;
}

double objBarra2d::getYf() const {
    return yf;
}

double objBarra2d::getArea() const {
    return area;
}

double objBarra2d::getInercia() const {
    return inercia;
}

double objBarra2d::getModE() const {
    return moduloE;
}

double objBarra2d::getPesoEspecifico() const {
    return pesoEspecifico;
}

// Truncated toward zero: 1 only for a fully rigid end.
int objBarra2d::getArticulacionInicio() const {
    return static_cast<int>(articulacionInicio);
}

int objBarra2d::getArticulacionFin() const {
    return static_cast<int>(articulacionFin);
}

double objBarra2d::getFactorArticulacionInicio() const {
    return articulacionInicio;
}

double objBarra2d::getFactorArticulacionFin() const {
    return articulacionFin;
}

Eigen::MatrixXd objBarra2d::getMatrizCargasCombo() const {
    return matrizCargasCombo;
}

double objBarra2d::getFInicioCombo(int k) const {
    return valorEn(matrizCargasCombo, k, 0);
}

double objBarra2d::getFFinCombo(int k) const {
    return valorEn(matrizCargasCombo, k, 1);
}

double objBarra2d::getQInicioCombo(int k) const {
    return valorEn(matrizCargasCombo, k, 2);
}

double objBarra2d::getQFinCombo(int k) const {
    return valorEn(matrizCargasCombo, k, 3);
}

int objBarra2d::getCantidadDeCombos() const {
    return static_cast<int>(nombresCombos.size());
}
