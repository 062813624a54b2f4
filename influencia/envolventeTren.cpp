#include "envolventeTren.h"

#include <algorithm>
#include <thread>

#include "estacionesBarra.h"
#include "trenMovil.h"

namespace {

// Whether the path runs over bar b.
bool enElCamino(const caminoRecorrido& c, int b) {
    return std::any_of(c.tramos.begin(), c.tramos.end(),
                       [b](const tramoCamino& t) { return t.barra == b; });
}

// The rows of bar b: its 21 stations, the train's extremes of N, V and M at
// each (every line not split by a section on the path shares `plan`). A bar
// off the path never carries the load: N and V are the same along it, so
// their extremes are searched once; M changes with x at every station.
void filasDeBarra(const caminoInfluencia& camino, const tren& t, const planTren& plan, int b,
                  filaEnvolventeTren* filas) {
    const modelo& m = camino.getModelo();
    const sistemaInfluencia& sistema = camino.getSistema();
    const int n = sistema.columnas();
    const bool cargada = enElCamino(camino.getCamino(), b);
    // The bar's forces under each unit nodal load, once for its stations.
    const resultadosBarra r = sistema.resultadosDeBarra(b);
    const double L = r.getLongitud();
    const tipoRespuesta tipos[3] = {tipoRespuesta::axial, tipoRespuesta::cortante,
                                    tipoRespuesta::momento};
    Eigen::VectorXd efecto[3] = {Eigen::VectorXd(n), Eigen::VectorXd(n), Eigen::VectorXd(n)};
    extremosTren ex[3];
    for (int j = 0; j < estacionesPorBarra; ++j) {
        const double x = L * j / (estacionesPorBarra - 1);
        const lado l = j == estacionesPorBarra - 1 ? lado::antes : lado::despues;
        const int primera = cargada || j == 0 ? 0 : 2;
        for (int k = 0; k < n; ++k) {
            const esfuerzosSeccion e = r.esfuerzosEn(k, x, l, false);
            efecto[0](k) = e.N;
            efecto[1](k) = e.V;
            efecto[2](k) = e.M;
        }
        for (int f = primera; f < 3; ++f) {
            respuestaInfluencia resp;
            resp.tipo = tipos[f];
            resp.barra = b;
            resp.x = x;
            const lineaInfluencia linea(camino, resp, efecto[f]);
            ex[f] = plan.sirveParaPiezas(linea.piezas()) ? extremosDelTren(linea, t, plan)
                                                         : extremosDelTren(linea, t);
        }
        filas[j] = {m.barra[static_cast<std::size_t>(b)].getNoBarraUsuario(),
                    x,
                    ex[0].maximo.valor,
                    ex[0].minimo.valor,
                    ex[1].maximo.valor,
                    ex[1].minimo.valor,
                    ex[2].maximo.valor,
                    ex[2].minimo.valor};
    }
}

}  // namespace

// The bars are independent: they are shared among the machine's cores.
std::vector<filaEnvolventeTren> envolventeDelTren(const caminoInfluencia& camino, const tren& t) {
    const modelo& m = camino.getModelo();
    const int barras = static_cast<int>(m.barra.size());
    std::vector<filaEnvolventeTren> filas(static_cast<std::size_t>(barras) * estacionesPorBarra);
    // A line that no section splits has one piece per bar of the path.
    std::vector<piezaLinea> piezas;
    for (const tramoCamino& tr : camino.getCamino().tramos)
        piezas.push_back({0, tr.inicio, tr.inicio + tr.L, {}});
    const planTren plan(piezas, camino.getCamino().longitud, t);

    const int hilos =
        std::max(1, std::min<int>(static_cast<int>(std::thread::hardware_concurrency()), barras));
    std::vector<std::thread> trabajo;
    for (int h = 0; h < hilos; ++h) {
        trabajo.emplace_back([&, h] {
            for (int b = h; b < barras; b += hilos)
                filasDeBarra(camino, t, plan, b,
                             &filas[static_cast<std::size_t>(b) * estacionesPorBarra]);
        });
    }
    for (std::thread& h : trabajo) h.join();
    return filas;
}
