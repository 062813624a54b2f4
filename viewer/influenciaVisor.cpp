#include "influenciaVisor.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "estacionesBarra.h"
#include "estadoVisor.h"
#include "formatoNumero.h"
#include "influenciaDelModelo.h"
#include "recargaModelo.h"

const char* const preguntaInfluencia = "Ingrese la respuesta (por ejemplo M:3:2.5):";
double factorEscalaInfluencia = 1;

namespace {

// Points drawn along each piece of the line (its pieces are cubics).
constexpr int divisionesPorPieza = 20;

std::string respuestaElegida;

struct guardadoInfluencia {
    int version = -1;
    std::string respuesta;
    bool valido = false;
    std::string problema;
    dibujoInfluencia dibujo;
} influencia;

struct guardadoTren {
    int version = -1;
    bool valido = false;
    std::string problema;
    dibujoEnvolventeTren dibujo;
} envolvente;

dibujoInfluencia dibujoDe(const lineaInfluencia& l, const respuestaInfluencia& r) {
    dibujoInfluencia d;
    const caminoRecorrido& camino = l.getCamino();
    d.recorrido = camino.nombre;
    for (const piezaLinea& p : l.piezas()) {
        const tramoCamino& t = camino.tramos[static_cast<std::size_t>(p.tramo)];
        trazoInfluencia trazo{t.barra, {}, {}};
        for (int k = 0; k <= divisionesPorPieza; ++k) {
            const double s = p.s0 + (p.s1 - p.s0) * k / divisionesPorPieza;
            trazo.x.push_back(std::clamp(t.abscisa(s), 0.0, t.L));
            trazo.valor.push_back(p.valor(s));
            d.mayorAbsoluto = std::max(d.mayorAbsoluto, std::abs(trazo.valor.back()));
        }
        d.trazos.push_back(std::move(trazo));
    }
    const std::array<extremoLinea, 2> e = l.extremos();
    for (int k = 0; k < 2; ++k) {
        const extremoLinea& x = e[static_cast<std::size_t>(k)];
        const int barra =
            camino.tramos.empty() ? -1 : camino.tramos[static_cast<std::size_t>(x.tramo)].barra;
        (k == 0 ? d.maximo : d.minimo) = {x.valor, x.s, barra, x.x};
    }
    if (r.esDeBarra()) {
        d.barraSeccion = r.barra;
        d.xSeccion = r.x;
    } else {
        d.nudo = r.nudo;
    }
    return d;
}

void calcularInfluencia() {
    influencia = guardadoInfluencia{};
    influencia.version = versionModelo();
    influencia.respuesta = respuestaElegida;
    if (respuestaElegida.empty()) {
        influencia.problema = "no se eligió ninguna respuesta";
        return;
    }
    respuestaInfluencia r;
    if (!leerRespuesta(modeloVisor, respuestaElegida, r, influencia.problema)) return;
    influenciaDelModelo datos;
    if (!prepararInfluencia(modeloVisor, datos, influencia.problema)) return;
    influencia.dibujo = dibujoDe(lineaInfluencia(*datos.bases.front(), r), r);
    influencia.valido = true;
}

void calcularEnvolventeTren() {
    envolvente = guardadoTren{};
    envolvente.version = versionModelo();
    if (modeloVisor.trenes.empty()) {
        envolvente.problema = "el modelo no tiene ningún tren";
        return;
    }
    influenciaDelModelo datos;
    if (!prepararInfluencia(modeloVisor, datos, envolvente.problema)) return;
    const tren& t = modeloVisor.trenes.front();
    envolvente.dibujo = {t.nombre, datos.caminos.front().nombre,
                         envolventeDelTren(*datos.bases.front(), t)};
    envolvente.valido = true;
}

}  // namespace

bool elegirRespuestaInfluencia(const std::string& texto, std::string& error) {
    const std::string anterior = respuestaElegida;
    respuestaElegida = texto;
    calcularInfluencia();
    if (influencia.valido) return true;
    error = influencia.problema;
    respuestaElegida = anterior;
    influencia.version = -1;
    return false;
}

const dibujoInfluencia* influenciaParaDibujar(std::string& problema) {
    if (influencia.version != versionModelo() || influencia.respuesta != respuestaElegida)
        calcularInfluencia();
    problema = influencia.problema;
    return influencia.valido ? &influencia.dibujo : nullptr;
}

const dibujoEnvolventeTren* envolventeTrenParaDibujar(std::string& problema) {
    if (envolvente.version != versionModelo()) calcularEnvolventeTren();
    problema = envolvente.problema;
    return envolvente.valido ? &envolvente.dibujo : nullptr;
}

curvasEnvolvente curvasDeEnvolventeTren(const dibujoEnvolventeTren& d, int barra, esfuerzoBarra e) {
    const std::size_t desde = static_cast<std::size_t>(barra) * estacionesPorBarra;
    if (barra < 0 || desde + estacionesPorBarra > d.filas.size()) return {};
    curvasEnvolvente c{Eigen::VectorXd(estacionesPorBarra), Eigen::VectorXd(estacionesPorBarra),
                       Eigen::VectorXd(estacionesPorBarra)};
    for (int j = 0; j < estacionesPorBarra; ++j) {
        const filaEnvolventeTren& f = d.filas[desde + static_cast<std::size_t>(j)];
        c.x(j) = f.x;
        c.maximo(j) = e == esfuerzoBarra::axial      ? f.Nmax
                      : e == esfuerzoBarra::cortante ? f.Vmax
                                                     : f.Mmax;
        c.minimo(j) = e == esfuerzoBarra::axial      ? f.Nmin
                      : e == esfuerzoBarra::cortante ? f.Vmin
                                                     : f.Mmin;
    }
    return c;
}

std::vector<rotuloEnvolvente> rotulosDeEnvolventeTren(const dibujoEnvolventeTren& d, int barra,
                                                      esfuerzoBarra e) {
    const curvasEnvolvente c = curvasDeEnvolventeTren(d, barra, e);
    if (c.x.size() == 0) return {};
    Eigen::Index mayor = 0, menor = 0;
    for (Eigen::Index j = 1; j < c.x.size(); ++j) {
        if (c.maximo(j) > c.maximo(mayor)) mayor = j;
        if (c.minimo(j) < c.minimo(menor)) menor = j;
    }
    const double L = c.x(c.x.size() - 1);
    std::vector<rotuloEnvolvente> r;
    for (const auto& [esMaximo, j, valor] :
         {std::tuple{true, mayor, c.maximo(mayor)}, std::tuple{false, menor, c.minimo(menor)}}) {
        const double x = c.x(j);
        const lugarRotulo lugar = x <= 0   ? lugarRotulo::inicio
                                  : x >= L ? lugarRotulo::fin
                                           : lugarRotulo::interior;
        r.push_back({esMaximo, x, valor, -1, lugar,
                     formatearNumero(valor, precision, false) + " (" + d.tren + ")"});
    }
    return r;
}
