// Cubic bending shape of a bar whose ends are joined to their nodes through
// rotational springs (fixity factor a: 1 rigid, 0 hinge), for the matrices
// that follow the bar's shape (geometric stiffness, consistent mass).
//
// The bar's own end rotations θ1e, θ2e differ from the nodes' θ1, θ2 at a
// released end. With the spring R = a/(1 - a)·E·I/L (the spring behind
// objBarra2d's stiffness with fixity) and the bending stiffness Kb of the
// bar on (v1, θ1e, v2, θ2e), equilibrium of each released rotation J gives
//   (Kb_JJ + R_J)·e_J = R_J·d_J - Kb_JF·d_F
// so the bar's freedoms e = C·d in terms of the nodes' d = (v1, θ1, v2, θ2)
// (static condensation; Cᵀ·Kb·C plus the springs' energy is the condensed
// stiffness of objBarra2d). A matrix X of the cubic element on e becomes
// Cᵀ·X·C on d: exact for rigid ends and, at a released end, the shape the
// bar takes under end forces, which converges with the subdivision.
#pragma once

#include <Eigen/Dense>

using matriz4 = Eigen::Matrix4d;

// C (4 x 4) for a bar of length L, flexural stiffness EI and fixity
// factors ai, af; the identity when both ends are rigid or EI is not a
// positive number.
inline matriz4 condensacionExtremos(double L, double EI, double ai, double af) {
    matriz4 c = matriz4::Identity();
    const bool liberado[2] = {ai < 1, af < 1};
    if ((!liberado[0] && !liberado[1]) || !(EI > 0) || !(L > 0)) return c;
    // Bending stiffness on (v1, θ1e, v2, θ2e).
    matriz4 kb;
    kb << 12, 6 * L, -12, 6 * L,              //
        6 * L, 4 * L * L, -6 * L, 2 * L * L,  //
        -12, -6 * L, 12, -6 * L,              //
        6 * L, 2 * L * L, -6 * L, 4 * L * L;
    kb *= EI / (L * L * L);
    const int giro[2] = {1, 3};
    const double a[2] = {ai, af};
    // Released rotations J and their springs.
    int J[2];
    double R[2];
    int nJ = 0;
    for (int e = 0; e < 2; ++e) {
        if (!liberado[e]) continue;
        J[nJ] = giro[e];
        R[nJ] = a[e] / (1 - a[e]) * EI / L;
        ++nJ;
    }
    Eigen::MatrixXd kJJ(nJ, nJ), lado(nJ, 4);
    for (int p = 0; p < nJ; ++p) {
        for (int q = 0; q < nJ; ++q) kJJ(p, q) = kb(J[p], J[q]) + (p == q ? R[p] : 0.0);
        for (int j = 0; j < 4; ++j) {
            bool enJ = false;
            for (int q = 0; q < nJ; ++q) enJ = enJ || J[q] == j;
            lado(p, j) = enJ ? (j == J[p] ? R[p] : 0.0) : -kb(J[p], j);
        }
    }
    const Eigen::MatrixXd filas = kJJ.ldlt().solve(lado);
    for (int p = 0; p < nJ; ++p) c.row(J[p]) = filas.row(p);
    return c;
}

// Local freedoms (u1, v1, θ1, u2, v2, θ2) of the transverse ones.
constexpr int gdlTransversales[4] = {1, 2, 4, 5};

// Cᵀ·X·C of a matrix X of the cubic element on (v1, θ1e, v2, θ2e), written
// on the transverse freedoms of the bar's 6 x 6 local matrix k.
template <class Matriz6>
void ponerTransversalCondensada(Matriz6& k, const matriz4& x, double L, double EI, double ai,
                                double af) {
    const matriz4 c = condensacionExtremos(L, EI, ai, af);
    const matriz4 xd = c.transpose() * x * c;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) k(gdlTransversales[i], gdlTransversales[j]) = xd(i, j);
}
