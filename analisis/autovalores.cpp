#include "autovalores.h"

#include <Spectra/SymGEigsSolver.h>

#include <Eigen/Eigenvalues>
#include <Eigen/SparseCholesky>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

// A μ below this share of the largest |μ| is zero: a direction A does not
// reach (a massless rotation, a bar without axial force).
constexpr double umbralAutovalorNulo = 1e-12;

// Lanczos restarts at most this many times, on a basis of at least
// baseLanczos vectors; a Ritz value counts as converged when its residual
// is below toleranciaLanczos times it (its error is of the order of the
// square of that). Measured on the 60 x 60 frame: a wider basis costs more
// in orthogonalisation than it saves in restarts.
constexpr int iteracionesLanczos = 1000;
constexpr int baseLanczos = 20;
constexpr double toleranciaLanczos = 1e-8;

// K = L̂·L̂ᵀ from the sparse LDLᵀ with its fill-reducing permutation P,
// K = Pᵀ·L·D·Lᵀ·P, so L̂ = Pᵀ·L·D^½; Lanczos then runs on the symmetric
// L̂⁻¹·A·L̂⁻ᵀ, each step one forward and one back substitution (one solve
// with K) and one product with A: no product with K at all.
class choleskyRigidez {
  public:
    using Scalar = double;
    explicit choleskyRigidez(const Eigen::SparseMatrix<double>& k) : n(k.rows()) {
        ldlt.compute(k);
        if (ldlt.info() == Eigen::Success) raizD = ldlt.vectorD().cwiseSqrt();
    }
    // K positive definite: every pivot above the rank threshold of the
    // linear solve.
    bool valido() const {
        if (ldlt.info() != Eigen::Success) return false;
        const Eigen::VectorXd d = ldlt.vectorD();
        return (d.array() >
                std::numeric_limits<double>::epsilon() * d.size() * d.cwiseAbs().maxCoeff())
            .all();
    }
    Eigen::Index rows() const { return n; }
    Eigen::Index cols() const { return n; }
    // y = L̂⁻¹·x = D^-½·L⁻¹·P·x
    void lower_triangular_solve(const double* x, double* y) const {
        Eigen::Map<Eigen::VectorXd> r(y, n);
        r = ldlt.permutationP() * Eigen::Map<const Eigen::VectorXd>(x, n);
        ldlt.matrixL().solveInPlace(r);
        r.array() /= raizD.array();
    }
    // y = L̂⁻ᵀ·x = Pᵀ·L⁻ᵀ·D^-½·x
    void upper_triangular_solve(const double* x, double* y) const {
        Eigen::VectorXd t = Eigen::Map<const Eigen::VectorXd>(x, n).cwiseQuotient(raizD);
        ldlt.matrixU().solveInPlace(t);
        Eigen::Map<Eigen::VectorXd>(y, n) = ldlt.permutationPinv() * t;
    }

  private:
    Eigen::Index n;
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>> ldlt;
    Eigen::VectorXd raizD;
};

// y = A·x with A stored whole (both triangles).
class productoMatriz {
  public:
    using Scalar = double;
    explicit productoMatriz(const Eigen::SparseMatrix<double>& a) : A(a) {}
    Eigen::Index rows() const { return A.rows(); }
    Eigen::Index cols() const { return A.cols(); }
    void perform_op(const double* x, double* y) const {
        Eigen::Map<Eigen::VectorXd>(y, A.rows()).noalias() =
            A * Eigen::Map<const Eigen::VectorXd>(x, A.cols());
    }

  private:
    const Eigen::SparseMatrix<double>& A;
};

// The positive μ of a descending list, at most n, with their vectors.
autopares positivos(const Eigen::VectorXd& mu, const Eigen::MatrixXd& phi, int n) {
    autopares r;
    const double escala = mu.size() > 0 ? mu.cwiseAbs().maxCoeff() : 0.0;
    int k = 0;
    while (k < mu.size() && k < n && mu(k) > umbralAutovalorNulo * escala) ++k;
    r.mu = mu.head(k);
    r.phi = phi.leftCols(k);
    return r;
}

}  // namespace

autopares mayoresAutovaloresDenso(const Eigen::SparseMatrix<double>& K,
                                  const Eigen::SparseMatrix<double>& A, int n) {
    if (K.rows() == 0 || n <= 0) return {};
    const Eigen::MatrixXd a(A), k(K);
    // A·φ = μ·K·φ with K positive definite: Cholesky of K, which fails
    // when K is not (a mechanism).
    autopares r;
    const Eigen::LDLT<Eigen::MatrixXd> ldlt(k);
    const Eigen::VectorXd d = ldlt.vectorD();
    const double escala = d.cwiseAbs().maxCoeff();
    if (ldlt.info() != Eigen::Success ||
        !(d.array() > std::numeric_limits<double>::epsilon() * d.size() * escala).all()) {
        r.definida = false;
        return r;
    }
    const Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> es(a, k);
    if (es.info() != Eigen::Success) {
        r.convergio = false;
        return r;
    }
    // Ascending from the solver: reversed.
    return positivos(es.eigenvalues().reverse(), es.eigenvectors().rowwise().reverse(), n);
}

autopares mayoresAutovalores(const Eigen::SparseMatrix<double>& K,
                             const Eigen::SparseMatrix<double>& A, int n) {
    const Eigen::Index filas = K.rows();
    if (filas <= limiteDensoAutovalores) return mayoresAutovaloresDenso(K, A, n);
    autopares r;
    choleskyRigidez opK(K);
    if (!opK.valido()) {
        r.definida = false;
        return r;
    }
    productoMatriz opA(A);
    const Eigen::Index nev = std::min<Eigen::Index>(n, filas - 1);
    const Eigen::Index ncv =
        std::min<Eigen::Index>(filas, std::max<Eigen::Index>(2 * nev + 1, baseLanczos));
    try {
        Spectra::SymGEigsSolver<productoMatriz, choleskyRigidez, Spectra::GEigsMode::Cholesky>
            lanczos(opA, opK, nev, ncv);
        lanczos.init();
        lanczos.compute(Spectra::SortRule::LargestAlge, iteracionesLanczos, toleranciaLanczos,
                        Spectra::SortRule::LargestAlge);
        if (lanczos.info() != Spectra::CompInfo::Successful) {
            r.convergio = false;
            return r;
        }
        return positivos(lanczos.eigenvalues(), lanczos.eigenvectors(), n);
    } catch (const std::exception&) {
        r.convergio = false;
        return r;
    }
}
