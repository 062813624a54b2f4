// Supports that restrain a direction other than global X or Y, and supports
// that move: the freedoms of a node on an inclined roller are turned to the
// axes of its surface (t along it, n normal to it), u = R·ũ with
// R = [t n] on the node's translations; the settlements of the supports are
// the displacements prescribed at the restrained freedoms, so that the free
// ones solve kLL·uL = pL - kLR·uR.
#include <cmath>

#include "etapasSolucion.h"

int restriccionDeGdl(const objNudo2d& n, int a) {
    if (!n.esApoyoInclinado()) return n.getApoyo()(a);
    // Along the surface free, normal to it restrained.
    constexpr int direccionTangente = 0, direccionNormal = 1;
    if (a == direccionTangente) return 0;
    if (a == direccionNormal) return 1;
    return n.getApoyo()(a);
}

bool hayApoyosInclinados(const modelo& m, int nNudos) {
    for (int k = 0; k < nNudos; ++k)
        if (m.nudo[static_cast<std::size_t>(k)].esApoyoInclinado()) return true;
    return false;
}

Eigen::SparseMatrix<double> rotacionApoyos(const modelo& m, int nNudos) {
    std::vector<Eigen::Triplet<double>> t;
    t.reserve(3 * static_cast<std::size_t>(nNudos));
    for (int k = 0; k < nNudos; ++k) {
        const objNudo2d& n = m.nudo[static_cast<std::size_t>(k)];
        const int g = 3 * k;
        if (n.esApoyoInclinado()) {
            const double c = std::cos(n.getAnguloApoyo()), s = std::sin(n.getAnguloApoyo());
            // Columns: t = (c, s) and n = (-s, c).
            t.emplace_back(g, g, c);
            t.emplace_back(g + 1, g, s);
            t.emplace_back(g, g + 1, -s);
            t.emplace_back(g + 1, g + 1, c);
        } else {
            t.emplace_back(g, g, 1.0);
            t.emplace_back(g + 1, g + 1, 1.0);
        }
        t.emplace_back(g + 2, g + 2, 1.0);
    }
    Eigen::SparseMatrix<double> r(3 * nNudos, 3 * nNudos);
    r.setFromTriplets(t.begin(), t.end());
    return r;
}

Eigen::MatrixXd desplazamientosImpuestos(const modelo& m, const solucion& s, int nCombos) {
    Eigen::MatrixXd uR = Eigen::MatrixXd::Zero(s.noRestringidos, nCombos);
    const int combos = std::min<int>(nCombos, static_cast<int>(m.combos.size()));
    for (int i = 0; i < s.noRestringidos; ++i) {
        const int g = s.gdlRestringidos[static_cast<std::size_t>(i)];
        const objNudo2d& n = m.nudo[static_cast<std::size_t>(g / 3)];
        if (n.getAsentamientos().empty()) continue;
        const int a = g % 3;
        for (int c = 0; c < combos; ++c) {
            const Eigen::Vector3d d =
                n.getAsentamientosCombo(m.combos[static_cast<std::size_t>(c)]);
            // On an inclined support only the normal component is imposed.
            uR(i, c) = n.esApoyoInclinado() && a == 1 ? d.head<2>().dot(n.getNormalApoyo()) : d(a);
        }
    }
    return uR;
}

void aEjesGlobales(const modelo& m, int nNudos, Eigen::MatrixXd& u) {
    for (int k = 0; k < nNudos; ++k) {
        const objNudo2d& n = m.nudo[static_cast<std::size_t>(k)];
        if (!n.esApoyoInclinado()) continue;
        const double c = std::cos(n.getAnguloApoyo()), s = std::sin(n.getAnguloApoyo());
        const Eigen::RowVectorXd ut = u.row(3 * k), un = u.row(3 * k + 1);
        u.row(3 * k) = c * ut - s * un;
        u.row(3 * k + 1) = s * ut + c * un;
    }
}
