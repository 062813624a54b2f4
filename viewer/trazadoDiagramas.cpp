#include "trazadoDiagramas.h"

#include <GL/gl.h>

#include <cmath>

#include "elementosPlot.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "rotulosDentro.h"
#include "trazosGl.h"

namespace {

// Beyond this bar angle, either way, a text along the bar reads upside down.
const double anguloGiroRotulos = 90.0;

}  // namespace

bool rotulosGirados(int i) {
    return std::abs(modeloVisor.barra[i].getAngulo() * 180.0 / PI) > anguloGiroRotulos;
}

void rotular(bool girada, double x, double y, double xAncla, double yAncla, double xGirada,
             double yGirada, const std::function<void(double, double)>& dibujo) {
    if (!girada) {
        dibujo(x, y);
        return;
    }
    glPushMatrix();
    glTranslatef(static_cast<float>(xAncla), static_cast<float>(yAncla), 0.0f);
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    dibujo(xGirada, yGirada);
    glPopMatrix();
}

void tramosContorno(const Eigen::VectorXd& x, const Eigen::VectorXd& y) {
    for (Eigen::Index k = 0; k + 1 < x.size(); ++k) tramo(x(k), y(k), x(k + 1), y(k + 1));
}

void tramosTransversales(const Eigen::VectorXd& x, const Eigen::VectorXd& y) {
    const bool interiores = flagActivo(interruptor::lineasInteriores);
    const Eigen::Index n = x.size();
    for (Eigen::Index k = 0; k < n; ++k) {
        if (interiores || k == 0 || k == n - 1) tramo(x(k), 0, x(k), y(k));
    }
}

void rotuloEnBarra(int i, bool girada, const std::string& texto, colocacionRotulo p, bool dentro) {
    if (dentro) {
        const cajaRotulo caja =
            girada
                ? cajaDeTexto(static_cast<int>(texto.size()), p.xGirada, p.yGirada,
                              p.alineacionGirada, true, p.xAncla, p.yAncla)
                : cajaDeTexto(static_cast<int>(texto.size()), p.x, p.y, p.alineacion, false, 0, 0);
        const double dx = corrimientoAlInterior(i, caja);
        p.x += dx;
        p.xAncla += dx;
    }
    rotular(girada, p.x, p.y, p.xAncla, p.yAncla, p.xGirada, p.yGirada, [&](double px, double py) {
        drawTextoEscaladoAlineado(px, py, texto.c_str(), escalaTexto,
                                  girada ? p.alineacionGirada : p.alineacion);
    });
}
