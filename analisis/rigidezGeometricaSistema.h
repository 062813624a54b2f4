// The geometric stiffness of the free freedoms is linear in the axial
// forces of the pieces: its entries, stored where those of kLL are (every
// piece adds all its stiffness entries to kLL, zeros included, so the
// pattern of Kg lies within that of kLL), are P·N with P formed once. Each
// iteration of second order then forms K + Kg(N) with one sparse product
// instead of an assembly.
#pragma once

#include <Eigen/SparseCore>
#include <vector>

#include "modelo.h"
#include "solucion.h"

struct rigidezGeometricaSistema {
    // nnz(kLL) x pieces: column i, the geometric stiffness of piece i under
    // N = 1 in the axes of the solve, at the storage positions of kLL.
    Eigen::SparseMatrix<double> P;
    // Some entry fell outside the pattern of kLL (not expected).
    bool completo = true;
    // kT = kLL + KgLL(N), kT sharing the pattern of kLL.
    void sumar(const Eigen::SparseMatrix<double>& kLL, const std::vector<double>& N,
               Eigen::SparseMatrix<double>& kT) const;
};

// For the model m (the subdivided one) partitioned as s, with s.kLL formed.
rigidezGeometricaSistema mapaRigidezGeometrica(const modelo& m, const solucion& s);
