#include "autovalores.h"

#include <Spectra/MatOp/SparseSymMatProd.h>
#include <Spectra/SymGEigsSolver.h>

#include <Eigen/Eigenvalues>
#include <Eigen/SparseCholesky>
#include <algorithm>
#include <stdexcept>

namespace {

// A μ below this share of the largest |μ| is zero: a direction A does not
// reach (a massless rotation, a bar without axial force).
constexpr double umbralAutovalorNulo = 1e-12;

// Lanczos restarts at most this many times.
constexpr int iteracionesLanczos = 1000;
constexpr double toleranciaLanczos = 1e-10;

// The K operator of the regular-inverse mode: products with K and solves
// with its sparse LDLᵀ, the same factorisation as the linear solve.
class operadorRigidez {
  public:
    using Scalar = double;
    explicit operadorRigidez(const Eigen::SparseMatrix<double>& k) : K(k) { ldlt.compute(k); }
    bool valido() const { return ldlt.info() == Eigen::Success; }
    Eigen::Index rows() const { return K.rows(); }
    Eigen::Index cols() const { return K.cols(); }
    void solve(const double* x, double* y) const {
        Eigen::Map<Eigen::VectorXd>(y, K.rows()) =
            ldlt.solve(Eigen::Map<const Eigen::VectorXd>(x, K.rows()));
    }
    void perform_op(const double* x, double* y) const {
        Eigen::Map<Eigen::VectorXd>(y, K.rows()) =
            K * Eigen::Map<const Eigen::VectorXd>(x, K.rows());
    }

  private:
    const Eigen::SparseMatrix<double>& K;
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>> ldlt;
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
    // A·φ = μ·K·φ with K positive definite: Cholesky of K.
    const Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> es(a, k);
    if (es.info() != Eigen::Success) {
        autopares r;
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
    operadorRigidez opK(K);
    if (!opK.valido()) {
        r.convergio = false;
        return r;
    }
    Spectra::SparseSymMatProd<double> opA(A);
    const Eigen::Index nev = std::min<Eigen::Index>(n, filas - 1);
    const Eigen::Index ncv = std::min<Eigen::Index>(filas, std::max<Eigen::Index>(2 * nev + 1, 20));
    try {
        Spectra::SymGEigsSolver<Spectra::SparseSymMatProd<double>, operadorRigidez,
                                Spectra::GEigsMode::RegularInverse>
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
