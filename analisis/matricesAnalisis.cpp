#include "matricesAnalisis.h"

analisisSubdividido rigidezSubdividida(const modelo& m) {
    analisisSubdividido a;
    a.sub = subdividirModelo(m, m.analisis.subdivisiones);
    const modelo& ms = a.sub.m;
    solucion& s = a.s;
    for (int k = 0; k < ms.noNudos; ++k) {
        for (int d = 0; d < 3; ++d) {
            const int r = restriccionDeGdl(ms.nudo[static_cast<std::size_t>(k)], d);
            if (r == 0) s.gdlLibres.push_back(3 * k + d);
            if (r == 1) s.gdlRestringidos.push_back(3 * k + d);
        }
    }
    s.noLibres = static_cast<int>(s.gdlLibres.size());
    s.noRestringidos = static_cast<int>(s.gdlRestringidos.size());
    std::vector<matriz6> k;
    k.reserve(ms.barra.size());
    for (const objBarra2d& b : ms.barra) k.push_back(b.rigidezLocalSiHayDatos());
    Eigen::SparseMatrix<double> K = ensamblarBarras(ms, k);
    std::vector<Eigen::Triplet<double>> resortes;
    for (int n = 0; n < ms.noNudos; ++n) {
        const objNudo2d& nudo = ms.nudo[static_cast<std::size_t>(n)];
        const double r[3] = {nudo.getResorteX(), nudo.getResorteY(), nudo.getResorteGiro()};
        for (int d = 0; d < 3; ++d)
            if (r[d] != 0) resortes.emplace_back(3 * n + d, 3 * n + d, r[d]);
    }
    Eigen::SparseMatrix<double> R(K.rows(), K.cols());
    R.setFromTriplets(resortes.begin(), resortes.end());
    s.kLL = bloquesDelSistema(ms, s, K + R).LL;
    return a;
}

std::vector<double> axialesDePiezas(const analisisSubdividido& a, const solucion& primerOrden,
                                    int c) {
    std::vector<double> N(a.sub.m.barra.size(), 0.0);
    for (std::size_t i = 0; i < a.sub.piezas.size() && i < primerOrden.barras.size(); ++i) {
        const resultadosBarra& b = primerOrden.barras[i];
        const std::vector<int>& piezas = a.sub.piezas[i];
        for (std::size_t j = 0; j < piezas.size(); ++j) {
            const double x0 = a.sub.inicios[i][j];
            const double x1 = j + 1 < piezas.size() ? a.sub.inicios[i][j + 1] : b.getLongitud();
            N[static_cast<std::size_t>(piezas[j])] =
                (b.esfuerzosEn(c, x0, lado::despues).N + b.esfuerzosEn(c, x1, lado::antes).N) / 2;
        }
    }
    return N;
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
