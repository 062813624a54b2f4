// The mode layer: a buckling or vibration mode in the deformed-shape style
// (cyan elastic line through every piece of the subdivided bars, markers
// on the displaced user nodes), at the scale modosVisor chose. Along each
// piece the shape is the cubic of its end values (Hermite), the shape the
// analysis gave it.
#include <GL/freeglut.h>

#include <cmath>

#include "elementosPlot.h"
#include "esferaNudo.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "modosVisor.h"
#include "trazosGl.h"

namespace {

// Segments drawn along each piece.
constexpr int segmentosPorPieza = 8;

const double cian[3] = {0, 0.7, 0.7};

// Point at ξ (0..1) along piece b of the displaced shape u (global, the
// model's freedoms), displacements times escala.
Eigen::Vector2d puntoDePieza(const objBarra2d& b, const Eigen::VectorXd& u, double xi,
                             double escala) {
    const Eigen::VectorXi g = b.getGdl();
    Eigen::Matrix<double, 6, 1> ug;
    for (int k = 0; k < 6; ++k) ug(k) = g(k) >= 0 && g(k) < u.size() ? u(g(k)) : 0.0;
    const Eigen::Matrix<double, 6, 1> ul = b.getT() * ug;
    const double L = b.getLongitud();
    // Hermite shape functions of the transverse displacement.
    const double n1 = 1 - 3 * xi * xi + 2 * xi * xi * xi,
                 n2 = L * (xi - 2 * xi * xi + xi * xi * xi);
    const double n3 = 3 * xi * xi - 2 * xi * xi * xi, n4 = L * (xi * xi * xi - xi * xi);
    const double v = n1 * ul(1) + n2 * ul(2) + n3 * ul(4) + n4 * ul(5);
    const double a = (1 - xi) * ul(0) + xi * ul(3);
    const double c = std::cos(b.getAngulo()), s = std::sin(b.getAngulo());
    return {b.getXi() + c * (xi * L + a * escala) - s * v * escala,
            b.getYi() + s * (xi * L + a * escala) + c * v * escala};
}

}  // namespace

void plotModos() {
    const modoDibujado d = modoActual();
    if (d.sub == nullptr || d.forma.size() == 0) return;
    const modeloSubdividido& sub = *d.sub;
    anchoLinea(1);
    color(cian);
    glBegin(GL_LINES);
    for (std::size_t i = 0; i < sub.piezas.size(); ++i) {
        if (!barraVisible(static_cast<int>(i))) continue;
        for (int p : sub.piezas[i]) {
            const objBarra2d& b = sub.m.barra[static_cast<std::size_t>(p)];
            if (!b.nudosConocidos() || b.esLongitudCero()) continue;
            Eigen::Vector2d anterior = puntoDePieza(b, d.forma, 0, d.escala);
            for (int k = 1; k <= segmentosPorPieza; ++k) {
                const Eigen::Vector2d q =
                    puntoDePieza(b, d.forma, static_cast<double>(k) / segmentosPorPieza, d.escala);
                tramo(anterior(0), anterior(1), q(0), q(1));
                anterior = q;
            }
        }
    }
    glEnd();
    if (!flagActivo(interruptor::marcadoresNudos)) return;
    const double r = (xMax - xMin) / 200.0;
    listaEsfera(r);
    for (int n = 0; n < sub.nudosUsuario; ++n) {
        if (!nudoVisible(n) || 3 * n + 1 >= d.forma.size()) continue;
        const objNudo2d& nudo = sub.m.nudo[static_cast<std::size_t>(n)];
        glPushMatrix();
        glTranslatef(static_cast<float>(nudo.getX() + d.forma(3 * n) * d.escala),
                     static_cast<float>(nudo.getY() + d.forma(3 * n + 1) * d.escala), 0.0f);
        esferaNudo(r);
        glPopMatrix();
    }
}
