// Independent model of a bar with partially fixed ends, for the tests: a
// rigid-ended Euler-Bernoulli bar joined to each node by a rotational spring
// k = a/(1 - a)·E·I/L (a = 0 hinge). Bending only, freedoms ordered
// (v1, θ1, v2, θ2, φ1, φ2): node deflections and rotations, then the bar-end
// rotations φ that the springs separate from the node rotations θ.
#pragma once

#include <Eigen/Dense>

inline Eigen::Matrix<double, 6, 6> barraConResortes(double L, double ei, double ai, double af) {
    const double L2 = L * L, L3 = L2 * L;
    Eigen::Matrix4d kb;                                           // rigid bar on (v1, φ1, v2, φ2)
    kb << 12 * ei / L3, 6 * ei / L2, -12 * ei / L3, 6 * ei / L2,  //
        6 * ei / L2, 4 * ei / L, -6 * ei / L2, 2 * ei / L,        //
        -12 * ei / L3, -6 * ei / L2, 12 * ei / L3, -6 * ei / L2,  //
        6 * ei / L2, 2 * ei / L, -6 * ei / L2, 4 * ei / L;
    Eigen::Matrix<double, 6, 6> k = Eigen::Matrix<double, 6, 6>::Zero();
    const int mapa[4] = {0, 4, 2, 5};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) k(mapa[r], mapa[c]) += kb(r, c);
    const double ks[2] = {ai / (1 - ai) * ei / L, af / (1 - af) * ei / L};
    for (int e = 0; e < 2; ++e) {
        const int t = 1 + 2 * e, f = 4 + e;
        k(t, t) += ks[e];
        k(f, f) += ks[e];
        k(t, f) -= ks[e];
        k(f, t) -= ks[e];
    }
    return k;
}

// Stiffness on (v1, θ1, v2, θ2) with φ1, φ2 condensed out.
inline Eigen::Matrix4d rigidezCondensada(double L, double ei, double ai, double af) {
    const Eigen::Matrix<double, 6, 6> k = barraConResortes(L, ei, ai, af);
    const Eigen::Matrix<double, 4, 2> kei = k.topRightCorner<4, 2>();
    return k.topLeftCorner<4, 4>() - kei * k.bottomRightCorner<2, 2>().inverse() * kei.transpose();
}

// Equivalent nodal loads on (v1, θ1, v2, θ2) of a load whose clamped-bar
// equivalent loads are (V1, M1, V2, M2): the moments act on the bar ends φ
// and reach the nodes through the springs (static condensation of the loads).
inline Eigen::Vector4d cargasCondensadas(double L, double ei, double ai, double af,
                                         const Eigen::Vector4d& empotrada) {
    const Eigen::Matrix<double, 6, 6> k = barraConResortes(L, ei, ai, af);
    Eigen::Vector4d fe(empotrada(0), 0, empotrada(2), 0);
    const Eigen::Vector2d fi(empotrada(1), empotrada(3));
    const Eigen::Matrix<double, 4, 2> kei = k.topRightCorner<4, 2>();
    return fe - kei * k.bottomRightCorner<2, 2>().inverse() * fi;
}
