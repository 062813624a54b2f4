#include "matricesAnalisis.h"

#include "silencioConsola.h"

analisisSubdividido resolverSubdividido(const modelo& m) {
    analisisSubdividido a;
    a.sub = subdividirModelo(m, m.analisis.subdivisiones);
    const silencioConsola silencio;
    const modelo& ms = a.sub.m;
    const int nCombos = std::max(ms.noCombos, 0);
    ensamblarYParticionar(ms, a.s, ms.noNudos, nCombos);
    factorizacionRigidez ldlt;
    a.estable = a.s.noLibres > 0 && factorizarRigidez(a.s.kLL, ldlt);
    if (a.estable && nCombos > 0) {
        a.s.uLibres = ldlt.solve(a.s.pL);
    } else {
        resolverLibres(a.s, nCombos);
    }
    distribuirResultados(ms, a.s, ms.noNudos, nCombos);
    a.s.resuelto = true;
    return a;
}

Eigen::SparseMatrix<double> ensamblarBarras(const modelo& m, const std::vector<matriz6>& locales) {
    const int n = 3 * m.noNudos;
    std::vector<Eigen::Triplet<double>> t;
    t.reserve(36 * m.barra.size());
    for (std::size_t i = 0; i < m.barra.size() && i < locales.size(); ++i) {
        const objBarra2d& b = m.barra[i];
        if (!b.nudosConocidos()) continue;
        const Eigen::VectorXi g = b.getGdl();
        const matriz6 T = b.getT();
        const matriz6 k = T.transpose() * locales[i] * T;
        for (int a = 0; a < 6; ++a) {
            if (!gdlEnRango(g(a), m.noNudos)) continue;
            for (int c = 0; c < 6; ++c)
                if (gdlEnRango(g(c), m.noNudos)) t.emplace_back(g(a), g(c), k(a, c));
        }
    }
    Eigen::SparseMatrix<double> k(n, n);
    k.setFromTriplets(t.begin(), t.end());
    return k;
}

bloquesMatriz bloquesDelSistema(const modelo& m, const solucion& s,
                                const Eigen::SparseMatrix<double>& global) {
    if (!hayApoyosInclinados(m, m.noNudos))
        return particionarMatriz(global, s.gdlLibres, s.gdlRestringidos);
    const Eigen::SparseMatrix<double> r = rotacionApoyos(m, m.noNudos);
    const Eigen::SparseMatrix<double> girada = r.transpose() * global * r;
    return particionarMatriz(girada, s.gdlLibres, s.gdlRestringidos);
}

Eigen::VectorXd desplazamientosCompletos(const modelo& m, const solucion& s,
                                         const Eigen::VectorXd& uLibres, int c) {
    Eigen::MatrixXd u = Eigen::MatrixXd::Zero(3 * m.noNudos, 1);
    for (int i = 0; i < s.noLibres && i < uLibres.size(); ++i) u(s.gdlLibres[i], 0) = uLibres(i);
    if (c >= 0 && s.uRestringidos.rows() == s.noRestringidos && c < s.uRestringidos.cols()) {
        for (int i = 0; i < s.noRestringidos; ++i)
            u(s.gdlRestringidos[i], 0) = s.uRestringidos(i, c);
    }
    aEjesGlobales(m, m.noNudos, u);
    return u.col(0);
}

std::vector<double> axialesDeBarras(const modelo& m, const solucion& s, const Eigen::VectorXd& u,
                                    int c) {
    std::vector<double> N(m.barra.size(), 0.0);
    for (std::size_t i = 0; i < m.barra.size() && i < s.barras.size(); ++i) {
        const objBarra2d& b = m.barra[i];
        if (!b.tieneDatosDeRigidez() || b.esLongitudCero()) continue;
        const Eigen::VectorXi g = b.getGdl();
        const double cs = std::cos(b.getAngulo()), sn = std::sin(b.getAngulo());
        auto axial = [&](int e) {
            return gdlEnRango(g(e), m.noNudos) && gdlEnRango(g(e + 1), m.noNudos)
                       ? cs * u(g(e)) + sn * u(g(e + 1))
                       : 0.0;
        };
        const double ka = b.getArea() * b.getModE() / b.getLongitud();
        const Eigen::MatrixXd& f = s.barras[i].getCargasEquivalentesLocales();
        const double cargas = c < f.cols() ? (f(3, c) - f(0, c)) / 2 : 0.0;
        N[i] = ka * (axial(3) - axial(0)) - cargas;
    }
    return N;
}
