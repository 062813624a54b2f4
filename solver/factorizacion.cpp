#include <limits>

#include "etapasSolucion.h"

// The threshold of the full-pivoting LU's rank, so that every solve calls the
// same matrices singular.
double umbralDePivote(const Eigen::VectorXd& d) {
    if (d.size() == 0) return 0;
    return std::numeric_limits<double>::epsilon() * static_cast<double>(d.size()) *
           d.cwiseAbs().maxCoeff();
}

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
