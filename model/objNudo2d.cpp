#include "objNudo2d.h"

#include <cmath>
#include <utility>

objNudo2d::objNudo2d() : apoyo(Eigen::Vector3i::Zero()), resorte(Eigen::Vector3d::Zero()) {}

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

// Each point load is kept apart; loads of the same case are summed only when
// a combination is formed.
void objNudo2d::setCargaPuntual(std::string caso, double px, double py, double mz) {
    cargasPuntuales.push_back({std::move(caso), Eigen::Vector3d(px, py, mz)});
}

void objNudo2d::setApoyo(int rx, int ry, int rgiro) {
    apoyo << rx, ry, rgiro;
    apoyoInclinado = false;
    anguloApoyo = 0;
}

void objNudo2d::setApoyoInclinado(double angulo, int rgiro) {
    apoyo << 0, 0, rgiro;
    apoyoInclinado = true;
    anguloApoyo = angulo;
}

void objNudo2d::setAsentamiento(std::string caso, double dx, double dy, double giro) {
    asentamientos.push_back({std::move(caso), Eigen::Vector3d(dx, dy, giro)});
}

void objNudo2d::setResorte(double kx, double ky, double kgiro) {
    resorte << kx, ky, kgiro;
}

Eigen::Vector3i objNudo2d::getGdl() const {
    return Eigen::Vector3i(3 * numeroDeNudo, 3 * numeroDeNudo + 1, 3 * numeroDeNudo + 2);
}

Eigen::Vector3i objNudo2d::getApoyo() const {
    return apoyo;
}

bool objNudo2d::esApoyoInclinado() const {
    return apoyoInclinado;
}

double objNudo2d::getAnguloApoyo() const {
    return anguloApoyo;
}

Eigen::Vector2d objNudo2d::getNormalApoyo() const {
    return Eigen::Vector2d(-std::sin(anguloApoyo), std::cos(anguloApoyo));
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

const std::vector<cargaNudo>& objNudo2d::getCargasPuntuales() const {
    return cargasPuntuales;
}

const std::vector<cargaNudo>& objNudo2d::getAsentamientos() const {
    return asentamientos;
}

namespace {

Eigen::Vector3d sumaDeCombo(const comboCarga& c, const std::vector<cargaNudo>& valores) {
    return sumaDelCombo(c, valores, Eigen::Vector3d::Zero().eval(),
                        [](Eigen::Vector3d& v, double f, const cargaNudo& k) { v += f * k.valor; });
}

}  // namespace

Eigen::Vector3d objNudo2d::getCargasCombo(const comboCarga& c) const {
    return sumaDeCombo(c, cargasPuntuales);
}

Eigen::Vector3d objNudo2d::getAsentamientosCombo(const comboCarga& c) const {
    return sumaDeCombo(c, asentamientos);
}

void objNudo2d::agregarMasa(double m) {
    masa += m;
}

double objNudo2d::getMasa() const {
    return masa;
}
