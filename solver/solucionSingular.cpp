#include <Eigen/LU>
#include <Eigen/SparseQR>
#include <algorithm>

#include "etapasSolucion.h"

// Every solve leaves the unknowns of the dependent columns at 0 and solves
// the rest from the regular part. Up to limiteLuDensa free freedoms the
// dense matrix is small and its LU with complete pivoting, at the default
// pivot threshold, gives the same solution as the program always did.
// Above, memory stays proportional to the model: the sparse factorisation
// finds the dependent freedoms from its own pivots, at the speed of a sound
// model; the sparse QR with COLAMD ordering (seconds and hundreds of MB for
// some thousand freedoms) only decides what that cannot.
std::vector<int> resolverSingular(solucion& s) {
    const Eigen::SparseMatrix<double>& kLL = s.kLL;
    const int noLibres = s.noLibres;
    std::vector<int> dependientes;
    if (noLibres <= limiteLuDensa) {
        const Eigen::FullPivLU<Eigen::MatrixXd> lu{Eigen::MatrixXd(kLL)};
        s.uLibres = lu.solve(s.pL);
        for (Eigen::Index k = lu.rank(); k < noLibres; ++k)
            dependientes.push_back(lu.permutationQ().indices()(k));
    } else if (!resolverApartandoDependientes(s, dependientes)) {
        dependientes.clear();
        Eigen::SparseQR<Eigen::SparseMatrix<double>, Eigen::COLAMDOrdering<int>> qr(kLL);
        if (qr.info() == Eigen::Success) {
            s.uLibres = qr.solve(s.pL);
            for (Eigen::Index k = qr.rank(); k < noLibres; ++k)
                dependientes.push_back(qr.colsPermutation().indices()(k));
        } else {
            s.uLibres = Eigen::MatrixXd::Zero(noLibres, s.pL.cols());
        }
    }
    // With non-finite stiffness the rank says nothing about the frame.
    if (!Eigen::Map<const Eigen::VectorXd>(kLL.valuePtr(), kLL.nonZeros()).allFinite())
        dependientes.clear();
    for (int& i : dependientes) i = s.gdlLibres[i];
    std::sort(dependientes.begin(), dependientes.end());
    return dependientes;
}
