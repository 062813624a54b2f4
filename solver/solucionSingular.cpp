#include <Eigen/LU>
#include <Eigen/SparseQR>
#include <algorithm>

#include "etapasSolucion.h"
#include "globales.h"

// Both solves leave the unknowns of the dependent columns (indexes
// rank..L−1 of the column permutation) at 0 and solve the rest from the
// regular part. Up to limiteLuDensa free freedoms the dense matrix is small
// and its LU with complete pivoting, at the default pivot threshold, gives
// the same solution as the program always did; above, a sparse QR with
// COLAMD ordering keeps memory proportional to the model.
std::vector<int> resolverSingular() {
    std::vector<int> dependientes;
    if (noLibres <= limiteLuDensa) {
        const Eigen::FullPivLU<Eigen::MatrixXd> lu{Eigen::MatrixXd(kLL)};
        uLibres = lu.solve(pL);
        for (Eigen::Index k = lu.rank(); k < noLibres; ++k)
            dependientes.push_back(lu.permutationQ().indices()(k));
    } else {
        Eigen::SparseQR<Eigen::SparseMatrix<double>, Eigen::COLAMDOrdering<int>> qr(kLL);
        if (qr.info() == Eigen::Success) {
            uLibres = qr.solve(pL);
            for (Eigen::Index k = qr.rank(); k < noLibres; ++k)
                dependientes.push_back(qr.colsPermutation().indices()(k));
        } else {
            uLibres = Eigen::MatrixXd::Zero(noLibres, pL.cols());
        }
    }
    // With non-finite stiffness the rank says nothing about the frame.
    if (!Eigen::Map<const Eigen::VectorXd>(kLL.valuePtr(), kLL.nonZeros()).allFinite())
        dependientes.clear();
    for (int& i : dependientes) i = gdlLibres[i];
    std::sort(dependientes.begin(), dependientes.end());
    return dependientes;
}
