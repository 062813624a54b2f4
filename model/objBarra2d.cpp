// Bar data from the input: numbers, end nodes, section, material, fixity and
// loads per load case; length and angle; plain getters.
#include "objBarra2d.h"

#include <cmath>
#include <iostream>
#include <utility>

#include "direccionCarga.h"

objBarra2d::objBarra2d() = default;

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
    calcularGeometria();
}

void objBarra2d::setNudoFinal(int j, double x, double y) {
    flagsBarra[flagNudoFinal] = 1;
    nudoFinal = j;
    xf = x;
    yf = y;
    calcularGeometria();
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
    agregarCarga(std::move(caso), cargaTrapecial{ai, af, qi, qf});
}

// A load of intensity qi..qf per unit length acting along the fixed global
// direction (dx, dy), stored as its local components: axial = c·q and
// transverse = (c × q)_z with c the unit bar axis.
void objBarra2d::setCargaGlobal(std::string caso, double qi, double qf, double dx, double dy) {
    if (!nudosConocidos()) {
        getAngulo();
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
    cargaTrapecial t;
    // A bar of zero length carries no load: its resultant is intensity × 0.
    if (!esLongitudCero()) {
        const Eigen::Vector2d inicio = componentesLocales(angulo, qi * d);
        const Eigen::Vector2d fin = componentesLocales(angulo, qf * d);
        t = {inicio(0), fin(0), inicio(1), fin(1)};
    }
    agregarCarga(std::move(caso), t);
}

// Self weight: uniform load area × specific weight along -Y.
void objBarra2d::setPesoPropio(std::string caso) {
    const double w = area * pesoEspecifico;
    setCargaGlobal(std::move(caso), w, w, 0, -1);
}

void objBarra2d::agregarCarga(std::string caso, const cargaBarra& carga) {
    cargas.push_back({std::move(caso), carga});
}

// Squares that overflow or underflow: hypot keeps distinct nodes at a
// finite, non-zero distance. A bar of zero length has no direction; it gets
// angle 0, so its transformation stays the identity. The angle lies in
// (-pi, pi].
void objBarra2d::calcularGeometria() {
    if (!nudosConocidos()) return;
    const double dx = xf - xi;
    const double dy = yf - yi;
    longitud = std::sqrt(dx * dx + dy * dy);
    if (std::isinf(longitud) || (longitud == 0 && (dx != 0 || dy != 0)))
        longitud = std::hypot(dx, dy);
    if (longitud == 0) {
        angulo = 0;
    } else {
        angulo = std::acos((xf - xi) / longitud);
        if (yf - yi < 0) angulo = -angulo;
    }
}

double objBarra2d::getLongitud() const {
    if (nudosConocidos()) return longitud;
    std::cout << "Definir nudos del elemento" << std::endl;
    return 0;
}

double objBarra2d::getAngulo() const {
    if (nudosConocidos()) return angulo;
    getLongitud();
    std::cout << "no se puede calcular el angulo. Faltan datos" << std::endl;
    return 0;
}

bool objBarra2d::nudosConocidos() const {
    return flagsBarra[flagNudoInicio] == 1 && flagsBarra[flagNudoFinal] == 1;
}

bool objBarra2d::esLongitudCero() const {
    return nudosConocidos() && longitud == 0;
}

std::string objBarra2d::getNombreDeSeccion() const {
    if (flagsBarra[flagNombreSeccion] == 1) return nombreDeSeccion;
    std::cout << "Definir el nombre de sección" << std::endl;
    return std::string();
}

int objBarra2d::getNoBarra() const {
    return numeroDeBarra;
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

const std::vector<cargaDeCaso>& objBarra2d::getCargas() const {
    return cargas;
}

cargasEnCombo objBarra2d::getCargasCombo(const comboCarga& c) const {
    return sumaDelCombo(
        c, cargas, cargasEnCombo{}, [](cargasEnCombo& v, double f, const cargaDeCaso& k) {
            std::visit([&](const auto& carga) { v.agregar(carga.escalada(f)); }, k.carga);
        });
}
