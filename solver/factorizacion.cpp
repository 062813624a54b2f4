#include <limits>

#include "etapasSolucion.h"

namespace {

// A pivot counts as zero when it does not exceed ε·n times the largest one:
// the threshold of the full-pivoting LU's rank, so that both solves call the
// same matrices singular.
double umbralDePivote(const Eigen::VectorXd& d) {
    return std::numeric_limits<double>::epsilon() * static_cast<double>(d.size()) *
           d.cwiseAbs().maxCoeff();
}

}  // namespace

// kLL = Pᵀ·L·D·Lᵀ·P with P the fill-reducing permutation. The stiffness of a
// stable frame is positive definite, so every pivot of D is positive; a zero
// or negative pivot (a mechanism, a freedom nothing stiffens, a negative
// spring) or a non-finite one sends the solve to the rank-revealing path.
bool factorizarRigidez(const Eigen::SparseMatrix<double>& k, factorizacionRigidez& f) {
    f.compute(k);
    if (f.info() != Eigen::Success) return false;
    const Eigen::VectorXd d = f.vectorD();
    return (d.array() > umbralDePivote(d)).all();
}
