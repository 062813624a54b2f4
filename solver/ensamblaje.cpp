#include <algorithm>
#include <utility>
#include <vector>

#include "etapasSolucion.h"

// Direct stiffness assembly in global axes. Freedom numbers outside the
// structure (a bar whose nodes are not in the model) are skipped: they add
// nothing.
void ensamblarYParticionar(const modelo& m, solucion& s, int nNudos, int nCombos) {
    const int n = 3 * nNudos;
    const std::vector<objNudo2d>& nudo = m.nudo;
    std::vector<int>& gdlLibres = s.gdlLibres;
    std::vector<int>& gdlRestringidos = s.gdlRestringidos;

    // Stiffness of the bars and of the springs as (row, column, value)
    // triplets; the entries that meet at one place are summed in list order,
    // as the additions into a zeroed matrix were. Adding +0.0 turns a −0
    // into +0, as the sum that started from +0 did.
    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(36 * m.barra.size() + 3 * static_cast<size_t>(nNudos));
    for (const objBarra2d& b : m.barra) {
        const Eigen::VectorXi g = b.getGdl();
        const Eigen::MatrixXd k = b.getKGlobal();
        const int m = std::min<int>(
            {static_cast<int>(g.size()), static_cast<int>(k.rows()), static_cast<int>(k.cols())});
        for (int a = 0; a < m; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            for (int c = 0; c < m; ++c) {
                if (gdlEnRango(g(c), nNudos)) triplets.emplace_back(g(a), g(c), k(a, c) + 0.0);
            }
        }
    }

    // Loads: each bar's loads in every combination and their equivalent
    // nodal loads (acting on the nodes), then the nodes' own loads.
    Eigen::MatrixXd& pCombo = s.pCombo;
    pCombo = Eigen::MatrixXd::Zero(n, nCombos);
    s.barras.clear();
    s.barras.reserve(m.barra.size());
    for (const objBarra2d& b : m.barra) {
        s.barras.emplace_back(b, m.combos);
        const Eigen::MatrixXd& q = s.barras.back().getCargasEquivalentesGlobales();
        const Eigen::VectorXi g = b.getGdl();
        const int filas = std::min<int>(static_cast<int>(g.size()), static_cast<int>(q.rows()));
        const int combos = std::min<int>(nCombos, static_cast<int>(q.cols()));
        for (int a = 0; a < filas; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            for (int c = 0; c < combos; ++c) pCombo(g(a), c) += q(a, c);
        }
    }
    const int combosDelModelo = std::min<int>(nCombos, static_cast<int>(m.combos.size()));
    for (int k = 0; k < nNudos; ++k) {
        const Eigen::Vector3i g = nudo[k].getGdl();
        for (int c = 0; c < combosDelModelo; ++c) {
            const Eigen::Vector3d p = nudo[k].getCargasCombo(m.combos[c]);
            for (int a = 0; a < 3; ++a) {
                if (gdlEnRango(g(a), nNudos)) pCombo(g(a), c) += p(a);
            }
        }
    }

    // Elastic supports: a stiffness on the diagonal of the node's own freedom,
    // whether that freedom is free or restrained; a zero spring adds nothing.
    for (int i = 0; i < nNudos; ++i) {
        const Eigen::Vector3i g = nudo[i].getGdl();
        const double k[3] = {nudo[i].getResorteX(), nudo[i].getResorteY(),
                             nudo[i].getResorteGiro()};
        for (int a = 0; a < 3; ++a) {
            if (gdlEnRango(g(a), nNudos) && k[a] != 0) triplets.emplace_back(g(a), g(a), k[a]);
        }
    }
    Eigen::SparseMatrix<double>& kEstructura = s.kEstructura;
    kEstructura.resize(n, n);
    kEstructura.setFromTriplets(triplets.begin(), triplets.end());
    std::vector<Eigen::Triplet<double>>().swap(triplets);

    // Free (flag 0) and restrained (flag 1) freedoms, ascending; any other
    // flag leaves the freedom in neither list, with zero displacement.
    for (int i = 0; i < nNudos; ++i) {
        const Eigen::Vector3i g = nudo[i].getGdl();
        for (int a = 0; a < 3; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            const int restriccion = restriccionDeGdl(nudo[i], a);
            if (restriccion == 0) gdlLibres.push_back(g(a));
            if (restriccion == 1) gdlRestringidos.push_back(g(a));
        }
    }
    s.noLibres = static_cast<int>(gdlLibres.size());
    s.noRestringidos = static_cast<int>(gdlRestringidos.size());

    // The system solved is kEstructura and pCombo themselves, or, with nodes
    // on inclined supports, both turned to the axes of their surfaces:
    // Rᵀ·K·R and Rᵀ·P. kEstructura and pCombo stay in global axes.
    Eigen::SparseMatrix<double> kGirada;
    Eigen::MatrixXd pGirada;
    const bool inclinados = hayApoyosInclinados(m, nNudos);
    if (inclinados) {
        const Eigen::SparseMatrix<double> r = rotacionApoyos(m, nNudos);
        kGirada = r.transpose() * kEstructura * r;
        pGirada = r.transpose() * pCombo;
    }
    const Eigen::SparseMatrix<double>& kSistema = inclinados ? kGirada : kEstructura;
    const Eigen::MatrixXd& pSistema = inclinados ? pGirada : pCombo;

    // Partition of the stiffness and load matrices.
    const int nl = s.noLibres;
    const int nr = s.noRestringidos;
    bloquesMatriz b = particionarMatriz(kSistema, gdlLibres, gdlRestringidos);
    s.kLL = std::move(b.LL);
    s.kLR = std::move(b.LR);
    s.kRL = std::move(b.RL);
    s.kRR = std::move(b.RR);

    s.pL.resize(nl, nCombos);
    s.pR.resize(nr, nCombos);
    // Without combinations (the matrices alone) there are no load columns:
    // a row of an empty matrix would point nowhere.
    if (nCombos > 0) {
        for (int i = 0; i < nl; ++i) s.pL.row(i) = pSistema.row(gdlLibres[i]);
        for (int i = 0; i < nr; ++i) s.pR.row(i) = pSistema.row(gdlRestringidos[i]);
    }

    // Settled supports: the free freedoms carry the loads less what the
    // imposed displacements bring, pL - kLR·uR.
    s.uRestringidos = desplazamientosImpuestos(m, s, nCombos);
    if (s.uRestringidos.size() > 0 && !s.uRestringidos.isZero(0)) s.pL -= s.kLR * s.uRestringidos;
}

bloquesMatriz particionarMatriz(const Eigen::SparseMatrix<double>& k,
                                const std::vector<int>& libres,
                                const std::vector<int>& restringidos) {
    // Every stored entry goes to the block of its row's and its column's
    // kind; freedoms in neither list are left out.
    const int n = static_cast<int>(k.rows());
    const int nl = static_cast<int>(libres.size());
    const int nr = static_cast<int>(restringidos.size());
    std::vector<int> posicion(n, -1);  // index in libres or restringidos
    std::vector<int> libre(n, 0);      // 1 free, 0 restrained
    for (int i = 0; i < nl; ++i) {
        posicion[libres[i]] = i;
        libre[libres[i]] = 1;
    }
    for (int i = 0; i < nr; ++i) posicion[restringidos[i]] = i;
    std::vector<Eigen::Triplet<double>> bloque[2][2];  // [row free][column free]
    for (int j = 0; j < k.outerSize(); ++j) {
        if (posicion[j] < 0) continue;
        for (Eigen::SparseMatrix<double>::InnerIterator it(k, j); it; ++it) {
            const int i = static_cast<int>(it.row());
            if (posicion[i] < 0) continue;
            bloque[libre[i]][libre[j]].emplace_back(posicion[i], posicion[j], it.value());
        }
    }
    auto formar = [](Eigen::SparseMatrix<double>& m, int filas, int columnas,
                     std::vector<Eigen::Triplet<double>>& t) {
        m.resize(filas, columnas);
        m.setFromTriplets(t.begin(), t.end());
        std::vector<Eigen::Triplet<double>>().swap(t);
    };
    bloquesMatriz b;
    formar(b.LL, nl, nl, bloque[1][1]);
    formar(b.LR, nl, nr, bloque[1][0]);
    formar(b.RL, nr, nl, bloque[0][1]);
    formar(b.RR, nr, nr, bloque[0][0]);
    return b;
}
