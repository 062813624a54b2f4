// What the analyses beside the linear one share on the subdivided model:
// its partition and stiffness, structure matrices assembled from one local 6 x 6
// matrix per bar, their blocks in the axes of the solve, and the axial
// force of every piece.
#pragma once

#include <Eigen/SparseCore>
#include <vector>

#include "etapasSolucion.h"
#include "subdivisionModelo.h"

// The subdivided model and what its analyses form of a solution (the
// partition, kLL and, for second order, the loads and displacements).
struct analisisSubdividido {
    modeloSubdividido sub;
    solucion s;
    // kLL is positive definite: the structure is stable.
    bool estable = false;
};

// Subdivides m with its own k and forms only what the eigenproblems need:
// the partition of the freedoms and kLL (bars and springs, in the axes of
// the solve); no loads, no solve (estable is not decided here).
analisisSubdividido rigidezSubdividida(const modelo& m);

// Σ Tᵢᵀ·kᵢ·Tᵢ over the bars of m (kᵢ local, one per bar), 3N x 3N in global
// axes; every bar adds all its 36 entries, so the pattern depends on the
// bars only.
Eigen::SparseMatrix<double> ensamblarBarras(const modelo& m, const std::vector<matriz6>& locales);

// Blocks of a global structure matrix in the axes of the solve: turned to
// the surfaces of the inclined supports (Rᵀ·G·R) and partitioned as s.
bloquesMatriz bloquesDelSistema(const modelo& m, const solucion& s,
                                const Eigen::SparseMatrix<double>& global);

// Displacements of every freedom in global axes (3N) from those of the free
// freedoms in the axes of the solve and the settlements of combination c
// (none when c < 0: a mode shape).
Eigen::VectorXd desplazamientosCompletos(const modelo& m, const solucion& s,
                                         const Eigen::VectorXd& uLibres, int c);

// Axial force of every piece of the subdivided model in combination c, the
// mean of the values at its two ends of the first-order N of the user's bar
// that holds it (what a first-order solve of the pieces would give).
std::vector<double> axialesDePiezas(const analisisSubdividido& a, const solucion& primerOrden,
                                    int c);

// Axial force of every bar (the mean of its two ends, N > 0 tension) in
// combination c with the global displacements u: E·A/L times the
// elongation, less the mean of the axial equivalent loads.
std::vector<double> axialesDeBarras(const modelo& m, const solucion& s, const Eigen::VectorXd& u,
                                    int c);
