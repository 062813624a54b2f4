#include <algorithm>

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

    // Stiffness of the bars.
    kEstructura = Eigen::MatrixXd::Zero(n, n);
    for (auto& b : barra) {
        const Eigen::VectorXi g = b.getGdl();
        const Eigen::MatrixXd k = b.getKGlobal();
        const int m = std::min<int>(
            {static_cast<int>(g.size()), static_cast<int>(k.rows()), static_cast<int>(k.cols())});
        for (int a = 0; a < m; ++a) {
            if (!gdlEnRango(g(a), nNudos)) continue;
            for (int c = 0; c < m; ++c) {
                if (gdlEnRango(g(c), nNudos)) kEstructura(g(a), g(c)) += k(a, c);
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
    // whether that freedom is free or restrained.
    for (int m = 0; m < nNudos; ++m) {
        const Eigen::Vector3i g = nudo[m].getGdl();
        const double k[3] = {nudo[m].getResorteX(), nudo[m].getResorteY(),
                             nudo[m].getResorteGiro()};
        for (int a = 0; a < 3; ++a) {
            if (gdlEnRango(g(a), nNudos)) kEstructura(g(a), g(a)) += k[a];
        }
    }

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

    // Partition of the stiffness and load matrices.
    const int nl = noLibres;
    const int nr = noRestringidos;
    kLL.resize(nl, nl);
    kLR.resize(nl, nr);
    kRL.resize(nr, nl);
    kRR.resize(nr, nr);
    pL.resize(nl, nCombos);
    pR.resize(nr, nCombos);
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nl; ++j) kLL(i, j) = kEstructura(gdlLibres[i], gdlLibres[j]);
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nr; ++j) kLR(i, j) = kEstructura(gdlLibres[i], gdlRestringidos[j]);
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j < nl; ++j) kRL(i, j) = kEstructura(gdlRestringidos[i], gdlLibres[j]);
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j < nr; ++j)
            kRR(i, j) = kEstructura(gdlRestringidos[i], gdlRestringidos[j]);
    for (int i = 0; i < nl; ++i)
        for (int c = 0; c < nCombos; ++c) pL(i, c) = pCombo(gdlLibres[i], c);
    for (int i = 0; i < nr; ++i)
        for (int c = 0; c < nCombos; ++c) pR(i, c) = pCombo(gdlRestringidos[i], c);
}
