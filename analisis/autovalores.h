// The largest eigenvalues μ > 0 of A·φ = μ·K·φ, with K the positive
// definite stiffness of the free freedoms and A symmetric: the mass
// (μ = 1/ω², vibration) or minus the geometric stiffness (μ = 1/λ,
// buckling). Lanczos on K⁻¹·A in the K inner product is shift-and-invert
// at zero: the lowest frequencies and the smallest load factors converge
// first, and a semi-definite A (rotations without mass, bars without axial
// force) only adds μ = 0, which is left out, so nothing is condensed.
// Small systems take the dense generalized solver; larger ones the sparse
// Lanczos of Spectra on the sparse LDLᵀ of K (K = L̂·L̂ᵀ, Lanczos on
// L̂⁻¹·A·L̂⁻ᵀ, whose eigenvalues are the same μ).
#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>

// Up to this many free freedoms the dense solver serves (and is the tests'
// oracle).
constexpr int limiteDensoAutovalores = 400;

struct autopares {
    Eigen::VectorXd mu;   // descending, all positive
    Eigen::MatrixXd phi;  // one column per μ, free freedoms
    bool convergio = true;
    bool definida = true;  // K positive definite (else: a mechanism, nothing computed)
};

// At most n pairs; fewer when A has fewer positive directions. Nothing
// when K is not positive definite (definida false).
autopares mayoresAutovalores(const Eigen::SparseMatrix<double>& K,
                             const Eigen::SparseMatrix<double>& A, int n);
// The same with the dense solver, whatever the size.
autopares mayoresAutovaloresDenso(const Eigen::SparseMatrix<double>& K,
                                  const Eigen::SparseMatrix<double>& A, int n);
