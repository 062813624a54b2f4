#include <algorithm>
#include <vector>

#include "etapasSolucion.h"
#include "globales.h"

// Direct stiffness assembly in global axes. A bar's global stiffness is asked
// for before its equivalent loads, because it builds the transformation and
// the local stiffness that the loads use. Freedom numbers outside the
// structure (a bar whose nodes are not in the model) and combination rows
// that an element does not hold are skipped: they add nothing.
void ensamblarYParticionar(int nNudos, int nCombos) {
    const int n = 3 * nNudos;
    gdlLibres.clear();
    gdlRestringidos.clear();

    // Stiffness of the bars and of the springs as (row, column, value)
    // triplets; the entries that meet at one place are summed in list order,
    // as the additions into a zeroed matrix were. Adding +0.0 turns a −0
    // into +0, as the sum that started from +0 did.
    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(36 * barra.size() + 3 * static_cast<size_t>(nNudos));
    for (auto& b : barra) {
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

    // Loads: bars' equivalent nodal loads (acting on the nodes), then the
    // nodes' own combination loads (one row per combination, hence the
    // transposition).
    pCombo = Eigen::MatrixXd::Zero(n, nCombos);
    for (auto& b : barra) {
        const Eigen::MatrixXd q = b.getCargasEquivalentesGlobales();
        const Eigen::VectorXi g = b.getGdl();
        const int filas = std::min<int>(static_cast<int>(g.size()), static_cast<int>(q.rows()));
        const int combos = std::min<int>(nCombos, static_cast<int>(q.cols()));
        for (int a = 0; a < filas; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            for (int c = 0; c < combos; ++c) pCombo(g(a), c) += q(a, c);
        }
    }
    for (int m = 0; m < nNudos; ++m) {
        const Eigen::Vector3i g = nudo[m].getGdl();
        const Eigen::MatrixXd p = nudo[m].getCargasGlobales();
        const int combos = std::min<int>(nCombos, static_cast<int>(p.rows()));
        const int columnas = std::min<int>(3, static_cast<int>(p.cols()));
        for (int a = 0; a < columnas; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            for (int c = 0; c < combos; ++c) pCombo(g(a), c) += p(c, a);
        }
    }

    // Elastic supports: a stiffness on the diagonal of the node's own freedom,
    // whether that freedom is free or restrained; a zero spring adds nothing.
    for (int m = 0; m < nNudos; ++m) {
        const Eigen::Vector3i g = nudo[m].getGdl();
        const double k[3] = {nudo[m].getResorteX(), nudo[m].getResorteY(),
                             nudo[m].getResorteGiro()};
        for (int a = 0; a < 3; ++a) {
            if (gdlEnRango(g(a), nNudos) && k[a] != 0) triplets.emplace_back(g(a), g(a), k[a]);
        }
    }
    kEstructura.resize(n, n);
    kEstructura.setFromTriplets(triplets.begin(), triplets.end());
    std::vector<Eigen::Triplet<double>>().swap(triplets);

    // Free (flag 0) and restrained (flag 1) freedoms, ascending; any other
    // flag leaves the freedom in neither list, with zero displacement.
    for (int m = 0; m < nNudos; ++m) {
        const Eigen::Vector3i g = nudo[m].getGdl();
        const Eigen::Vector3i apoyo = nudo[m].getApoyo();
        for (int a = 0; a < 3; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            if (apoyo(a) == 0) gdlLibres.push_back(g(a));
            if (apoyo(a) == 1) gdlRestringidos.push_back(g(a));
        }
    }
    noLibres = static_cast<int>(gdlLibres.size());
    noRestringidos = static_cast<int>(gdlRestringidos.size());

    // Partition of the stiffness and load matrices: every stored entry of
    // kEstructura goes to the block of its row's and its column's kind.
    const int nl = noLibres;
    const int nr = noRestringidos;
    std::vector<int> posicion(n, -1);  // index in gdlLibres or gdlRestringidos
    std::vector<int> libre(n, 0);      // 1 free, 0 restrained
    for (int i = 0; i < nl; ++i) {
        posicion[gdlLibres[i]] = i;
        libre[gdlLibres[i]] = 1;
    }
    for (int i = 0; i < nr; ++i) posicion[gdlRestringidos[i]] = i;
    std::vector<Eigen::Triplet<double>> bloque[2][2];  // [row free][column free]
    for (int j = 0; j < kEstructura.outerSize(); ++j) {
        if (posicion[j] < 0) continue;
        for (Eigen::SparseMatrix<double>::InnerIterator it(kEstructura, j); it; ++it) {
            const int i = static_cast<int>(it.row());
            if (posicion[i] < 0) continue;
            bloque[libre[i]][libre[j]].emplace_back(posicion[i], posicion[j], it.value());
        }
    }
    auto formar = [](Eigen::SparseMatrix<double>& k, int filas, int columnas,
                     std::vector<Eigen::Triplet<double>>& t) {
        k.resize(filas, columnas);
        k.setFromTriplets(t.begin(), t.end());
        std::vector<Eigen::Triplet<double>>().swap(t);
    };
    formar(kLL, nl, nl, bloque[1][1]);
    formar(kLR, nl, nr, bloque[1][0]);
    formar(kRL, nr, nl, bloque[0][1]);
    formar(kRR, nr, nr, bloque[0][0]);

    pL.resize(nl, nCombos);
    pR.resize(nr, nCombos);
    for (int i = 0; i < nl; ++i) pL.row(i) = pCombo.row(gdlLibres[i]);
    for (int i = 0; i < nr; ++i) pR.row(i) = pCombo.row(gdlRestringidos[i]);
}
