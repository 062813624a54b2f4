#include "autoEscala.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "capasResultados.h"
#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"

namespace {

// 21 stations per bar, as the diagrams are drawn.
const int muestras = 21;

struct escalaDeCapa {
    int capa;
    double* escala;
    const char* nombre;  // the setting's tag in the input file, without the colon
};

const escalaDeCapa escalas[] = {
    {interruptor::capaDeformada, &escalaDef, "escalaDeflexion"},
    {interruptor::capaAxial, &escalaN, "escalaN"},
    {interruptor::capaCortante, &escalaV, "escalaV"},
    {interruptor::capaMomento, &escalaM, "escalaM"},
    {interruptor::capaCargas, &escalaCarga, "escalaCarga"},
};

// Largest |value| of row 1 of a 2 × 21 sampling.
double mayorFila(const Eigen::MatrixXd& m) {
    return m.cols() == 0 ? 0.0 : m.row(1).cwiseAbs().maxCoeff();
}

// Largest displacement of bar i's elastic line from its undeformed axis.
double mayorDesplazamiento(int i, int c) {
    const objBarra2d& b = modeloVisor.barra[i];
    const resultadosBarra& r = solucionVisor.barras[i];
    const Eigen::MatrixXd p = r.getBarraDeformada(c, muestras, 1.0);
    const std::vector<seccionBarra> s = r.secciones(c, muestras, false, true);
    const double L = r.getLongitud();
    double mayor = 0;
    for (Eigen::Index k = 0; k < p.cols(); ++k) {
        // The share of the bar at the point's own abscissa.
        const double f = L > 0 && k < static_cast<Eigen::Index>(s.size())
                             ? s[static_cast<std::size_t>(k)].x / L
                             : static_cast<double>(k) / (p.cols() - 1);
        const double dx = p(0, k) - (b.getXi() + f * (b.getXf() - b.getXi()));
        const double dy = p(1, k) - (b.getYi() + f * (b.getYf() - b.getYi()));
        mayor = std::max(mayor, std::hypot(dx, dy));
    }
    return mayor;
}

double ordenadaCombo(int capa, int c) {
    double mayor = 0;
    const bool conResultados = comboConResultados(c);
    if (capa == interruptor::capaCargas) {
        if (!comboExiste(c)) return 0;
        for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
            if (!nudoVisible(i)) continue;
            const Eigen::Vector3d p = cargasNudoEnCombo(i, c);
            mayor = std::max({mayor, std::abs(p(0)), std::abs(p(1))});
        }
        for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
            if (!barraVisible(i)) continue;
            mayor = std::max(mayor, mayorCargaDibujada(i, cargasBarraEnCombo(i, c)));
        }
        return mayor;
    }
    if (!conResultados) return 0;
    for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
        if (!barraVisible(i) || i >= static_cast<int>(solucionVisor.barras.size())) continue;
        switch (capa) {
            case interruptor::capaDeformada:
                mayor = std::max(mayor, mayorDesplazamiento(i, c));
                break;
            case interruptor::capaAxial:
                mayor = std::max(
                    mayor, mayorFila(solucionVisor.barras[i].getSolicitacionAxial(c, muestras)));
                break;
            case interruptor::capaCortante:
                mayor = std::max(
                    mayor, mayorFila(solucionVisor.barras[i].getSolicitacionCortante(c, muestras)));
                break;
            case interruptor::capaMomento:
                mayor = std::max(
                    mayor, mayorFila(solucionVisor.barras[i].getSolicitacionMomento(c, muestras)));
                break;
        }
    }
    if (capa == interruptor::capaDeformada) {
        for (int i = 0; i < static_cast<int>(modeloVisor.nudo.size()); ++i) {
            if (!nudoVisible(i) || i >= static_cast<int>(solucionVisor.nudos.size())) continue;
            mayor = std::max(mayor, std::hypot(solucionVisor.nudos[i].getDesplazamientoX(c),
                                               solucionVisor.nudos[i].getDesplazamientoY(c)));
        }
    }
    return mayor;
}

}  // namespace

double ordenadaMayor(int capa) {
    double mayor = 0;
    for (int c = 0; c < modeloVisor.noCombos; ++c) {
        if (flagActivo(interruptor::primerCombo + c))
            mayor = std::max(mayor, ordenadaCombo(capa, c));
    }
    return std::isfinite(mayor) ? mayor : 0.0;
}

std::string ajustarEscalaAutomatica() {
    for (const escalaDeCapa& e : escalas) {
        if (!flagActivo(e.capa)) continue;
        const double mayor = ordenadaMayor(e.capa);
        const double nueva = fraccionAutoEscala * zCam / mayor;
        if (!(mayor > 0) || !std::isfinite(nueva) || !(nueva > 0)) {
            return "No hay valores para ajustar la escala: active un combo con resultados. "
                   "Ingrese Comando:";
        }
        *e.escala = nueva;
        char texto[160];
        std::snprintf(texto, sizeof texto, "Escala ajustada: %s = %.3g. Ingrese Comando:", e.nombre,
                      nueva);
        return texto;
    }
    return "Encienda primero la deformada, N, V, M o las cargas para ajustar su escala. "
           "Ingrese Comando:";
}
