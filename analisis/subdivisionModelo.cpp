#include "subdivisionModelo.h"

#include "cargasEnPiezas.h"

double fijacionDePieza(double a, double Lp, double L) {
    if (a >= 1 || a <= 0 || !(L > 0)) return a;
    const double rho = a / (1 - a) * Lp / L;
    return rho / (1 + rho);
}

namespace {

// Piece j of k of bar b, between nodes ni and nf of the subdivided model.
objBarra2d pieza(const objBarra2d& b, int indice, const objNudo2d& ni, const objNudo2d& nf, int j,
                 int k) {
    objBarra2d p;
    p.setNumeroDeBarra(indice);
    p.setNumeroBarraUsuario(b.getNoBarraUsuario());
    p.setNudoInicio(ni.getNoNudo(), ni.getX(), ni.getY());
    p.setNudoFinal(nf.getNoNudo(), nf.getX(), nf.getY());
    p.setNudoInicioUsuario(ni.getNoNudoUsuario());
    p.setNudoFinalUsuario(nf.getNoNudoUsuario());
    if (b.tieneDatosDeRigidez()) {
        p.setSeccionGenerica(b.getArea(), b.getInercia());
        p.setModuloE(b.getModE());
    }
    p.setPesoEspecifico(b.getPesoEspecifico());
    const double L = b.getLongitud(), Lp = p.getLongitud();
    p.setArticulacion(j == 0 ? fijacionDePieza(b.getFactorArticulacionInicio(), Lp, L) : 1.0,
                      j == k - 1 ? fijacionDePieza(b.getFactorArticulacionFin(), Lp, L) : 1.0);
    const double x0 = L * j / k, x1 = j == k - 1 ? L : L * (j + 1) / k;
    for (const cargaDeCaso& c : b.getCargas()) {
        if (auto parte = cargaEnPieza(c.carga, L, x0, x1, j == k - 1))
            p.agregarCarga(c.caso, *parte);
    }
    return p;
}

}  // namespace

modeloSubdividido subdividirModelo(const modelo& m, int k) {
    modeloSubdividido r;
    r.m.combos = m.combos;
    r.m.ajustes = m.ajustes;
    r.m.analisis = m.analisis;
    r.m.punteroNudos = m.punteroNudos;
    r.m.punteroBarras = m.punteroBarras;
    r.m.noCombos = m.noCombos;
    const int nNudos = std::min<int>(m.noNudos, static_cast<int>(m.nudo.size()));
    r.m.nudo.assign(m.nudo.begin(), m.nudo.begin() + nNudos);
    r.nudosUsuario = nNudos;

    for (const objBarra2d& b : m.barra) {
        std::vector<int> indices;
        std::vector<double> inicios;
        const bool divisible = k >= 2 && b.nudosConocidos() && !b.esLongitudCero() &&
                               b.getNudoInicio() >= 0 && b.getNudoInicio() < nNudos &&
                               b.getNudoFinal() >= 0 && b.getNudoFinal() < nNudos;
        if (!divisible) {
            objBarra2d copia = b;
            copia.setNumeroDeBarra(static_cast<int>(r.m.barra.size()));
            indices.push_back(static_cast<int>(r.m.barra.size()));
            inicios.push_back(0.0);
            r.m.barra.push_back(std::move(copia));
        } else {
            // The inner nodes, evenly spaced from the start node to the end.
            std::vector<int> nudos{b.getNudoInicio()};
            for (int j = 1; j < k; ++j) {
                objNudo2d n;
                const int indice = static_cast<int>(r.m.nudo.size());
                n.setNumeroDeNudo(indice);
                n.setNumeroNudoUsuario(-1);
                const double t = static_cast<double>(j) / k;
                n.setCoordenadas(b.getXi() + (b.getXf() - b.getXi()) * t,
                                 b.getYi() + (b.getYf() - b.getYi()) * t);
                n.setApoyo(0, 0, 0);
                r.m.nudo.push_back(n);
                nudos.push_back(indice);
            }
            nudos.push_back(b.getNudoFinal());
            for (int j = 0; j < k; ++j) {
                const int indice = static_cast<int>(r.m.barra.size());
                indices.push_back(indice);
                inicios.push_back(b.getLongitud() * j / k);
                r.m.barra.push_back(pieza(b, indice, r.m.nudo[static_cast<std::size_t>(nudos[j])],
                                          r.m.nudo[static_cast<std::size_t>(nudos[j + 1])], j, k));
            }
        }
        r.piezas.push_back(std::move(indices));
        r.inicios.push_back(std::move(inicios));
    }
    r.m.noNudos = static_cast<int>(r.m.nudo.size());
    r.m.noBarras = static_cast<int>(r.m.barra.size());
    return r;
}
