#include "sistemaInfluencia.h"

#include <algorithm>

#include "etapasSolucion.h"

namespace {

// Unit loads solved at a time: the right-hand sides of a large path are
// solved in blocks, so the memory of one block stays small.
constexpr int columnasPorBloque = 256;

Eigen::MatrixXd filas(const Eigen::MatrixXd& m, const Eigen::Ref<const Eigen::VectorXi>& g) {
    Eigen::MatrixXd d(g.size(), m.cols());
    for (Eigen::Index k = 0; k < g.size(); ++k) d.row(k) = m.row(g(k));
    return d;
}

}  // namespace

sistemaInfluencia::sistemaInfluencia(const modelo& modeloDado, const std::vector<int>& nudosDados,
                                     const std::vector<gradosCargados>& cargados)
    : m(modeloDado), nudos(nudosDados) {
    std::sort(nudos.begin(), nudos.end());
    nudos.erase(std::unique(nudos.begin(), nudos.end()), nudos.end());
    const int nNudos = static_cast<int>(m.nudo.size());
    columnaDeNudo.assign(static_cast<std::size_t>(nNudos), -1);
    for (std::size_t k = 0; k < nudos.size(); ++k)
        columnaDeNudo[static_cast<std::size_t>(nudos[k])] = static_cast<int>(3 * k);

    // The structure's matrices as the solver forms them (no combination).
    solucion s;
    ensamblarYParticionar(m, s, nNudos, 0);
    factorizacionRigidez ldlt;
    if (s.noLibres > 0 && !factorizarRigidez(s.kLL, ldlt)) return;

    // The unit loads solved: those a moving load can put on the nodes; the
    // others stay zero.
    const int n = columnas();
    std::vector<int> activas;
    for (std::size_t k = 0; k < nudos.size(); ++k) {
        for (int a = 0; a < 3; ++a) {
            const std::size_t i = static_cast<std::size_t>(nudos[k]);
            if (cargados.empty() ||
                (i < cargados.size() && cargados[i][static_cast<std::size_t>(a)]))
                activas.push_back(static_cast<int>(3 * k) + a);
        }
    }
    // Column c is a unit load at freedom 3·nudos[c/3] + c%3, in the axes of
    // the solve (turned at inclined supports).
    auto gdl = [&](int c) { return 3 * nudos[static_cast<std::size_t>(c / 3)] + c % 3; };
    const bool girados = hayApoyosInclinados(m, nNudos);
    const Eigen::SparseMatrix<double> rotacion =
        girados ? Eigen::SparseMatrix<double>(rotacionApoyos(m, nNudos).transpose())
                : Eigen::SparseMatrix<double>();

    u = Eigen::MatrixXd::Zero(3 * nNudos, n);
    const int nActivas = static_cast<int>(activas.size());
    for (int inicio = 0; inicio < nActivas && s.noLibres > 0; inicio += columnasPorBloque) {
        const int ancho = std::min(columnasPorBloque, nActivas - inicio);
        Eigen::MatrixXd p = Eigen::MatrixXd::Zero(3 * nNudos, ancho);
        for (int j = 0; j < ancho; ++j)
            p(gdl(activas[static_cast<std::size_t>(inicio + j)]), j) = 1;
        if (girados) p = rotacion * p;
        Eigen::MatrixXd pL(s.noLibres, ancho);
        for (int i = 0; i < s.noLibres; ++i)
            pL.row(i) = p.row(s.gdlLibres[static_cast<std::size_t>(i)]);
        const Eigen::MatrixXd x = ldlt.solve(pL);
        for (int j = 0; j < ancho; ++j) {
            const int c = activas[static_cast<std::size_t>(inicio + j)];
            for (int i = 0; i < s.noLibres; ++i)
                u(s.gdlLibres[static_cast<std::size_t>(i)], c) = x(i, j);
        }
    }
    aEjesGlobales(m, nNudos, u);
    rigidez = std::move(s.kEstructura);
    valido = u.allFinite();
}

int sistemaInfluencia::columna(int n, int a) const {
    if (n < 0 || n >= static_cast<int>(columnaDeNudo.size())) return -1;
    const int c = columnaDeNudo[static_cast<std::size_t>(n)];
    return c < 0 ? -1 : c + a;
}

// The reactions of node n under each unit load, K·u - P on its three
// freedoms (K is symmetric: its row is its column).
resultadosNudo sistemaInfluencia::resultadosDeNudo(int n) const {
    const objNudo2d& nudo = m.nudo[static_cast<std::size_t>(n)];
    const Eigen::Vector3i g = nudo.getGdl();
    Eigen::MatrixXd reaccion = Eigen::MatrixXd::Zero(3, u.cols());
    for (int a = 0; a < 3; ++a) {
        if (g(a) < 0 || g(a) >= rigidez.cols()) continue;
        for (Eigen::SparseMatrix<double>::InnerIterator it(rigidez, g(a)); it; ++it)
            reaccion.row(a) += it.value() * u.row(it.row());
        const int c = columna(n, a);
        if (c >= 0) reaccion(a, c) -= 1;
    }
    return resultadosNudo(nudo, filas(u, g), reaccion);
}

resultadosBarra sistemaInfluencia::resultadosDeBarra(int b) const {
    const objBarra2d& barra = m.barra[static_cast<std::size_t>(b)];
    resultadosBarra r(barra, std::vector<cargasEnCombo>(static_cast<std::size_t>(columnas())));
    r.setDesplazamientos(filas(u, barra.getGdl()));
    return r;
}
