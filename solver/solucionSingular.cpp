#include <Eigen/LU>
#include <Eigen/SparseQR>
#include <algorithm>

#include "etapasSolucion.h"

namespace {

// Free indexes whose column of kLL holds nothing but zeros: freedoms nothing
// stiffens (a node that no bar reaches), a dependent column of any
// rank-revealing factorisation.
std::vector<int> columnasVacias(const Eigen::SparseMatrix<double>& kLL) {
    std::vector<int> vacias;
    for (int j = 0; j < kLL.outerSize(); ++j) {
        bool vacia = true;
        for (Eigen::SparseMatrix<double>::InnerIterator it(kLL, j); it && vacia; ++it)
            vacia = it.value() == 0;
        if (vacia) vacias.push_back(j);
    }
    return vacias;
}

// The freedoms without stiffness set aside at displacement 0 and the rest
// solved with the sparse LDLᵀ: the solution of a rank-revealing solve when
// they are the only defect. False when the rest is still singular or its
// solution does not balance.
bool resolverSinColumnasVacias(solucion& s, const std::vector<int>& vacias) {
    const Eigen::SparseMatrix<double>& kLL = s.kLL;
    const int noLibres = s.noLibres;
    std::vector<int> posicion(noLibres, 0);  // index in the reduced system, -1 set aside
    for (int j : vacias) posicion[j] = -1;
    int n = 0;
    for (int& p : posicion) p = p < 0 ? -1 : n++;
    std::vector<Eigen::Triplet<double>> t;
    t.reserve(kLL.nonZeros());
    for (int j = 0; j < kLL.outerSize(); ++j) {
        for (Eigen::SparseMatrix<double>::InnerIterator it(kLL, j); it; ++it) {
            const int i = static_cast<int>(it.row());
            if (posicion[i] >= 0 && posicion[j] >= 0)
                t.emplace_back(posicion[i], posicion[j], it.value());
        }
    }
    Eigen::SparseMatrix<double> k(n, n);
    k.setFromTriplets(t.begin(), t.end());
    Eigen::MatrixXd p(n, s.pL.cols());
    for (int i = 0; i < noLibres; ++i)
        if (posicion[i] >= 0) p.row(posicion[i]) = s.pL.row(i);

    factorizacionRigidez ldlt;
    if (!factorizarRigidez(k, ldlt)) return false;
    const Eigen::MatrixXd x = ldlt.solve(p);
    s.uLibres = Eigen::MatrixXd::Zero(noLibres, s.pL.cols());
    for (int i = 0; i < noLibres; ++i)
        if (posicion[i] >= 0) s.uLibres.row(i) = x.row(posicion[i]);
    return combosDesequilibrados(s, static_cast<int>(s.pL.cols())).empty();
}

}  // namespace

// Both solves leave the unknowns of the dependent columns (indexes
// rank..L−1 of the column permutation) at 0 and solve the rest from the
// regular part. Up to limiteLuDensa free freedoms the dense matrix is small
// and its LU with complete pivoting, at the default pivot threshold, gives
// the same solution as the program always did. Above, memory stays
// proportional to the model: freedoms that nothing stiffens are set aside
// first (the sparse QR is slow, seconds for some thousand freedoms); what is
// still singular goes to the sparse QR with COLAMD ordering.
std::vector<int> resolverSingular(solucion& s) {
    const Eigen::SparseMatrix<double>& kLL = s.kLL;
    const int noLibres = s.noLibres;
    std::vector<int> dependientes;
    if (noLibres <= limiteLuDensa) {
        const Eigen::FullPivLU<Eigen::MatrixXd> lu{Eigen::MatrixXd(kLL)};
        s.uLibres = lu.solve(s.pL);
        for (Eigen::Index k = lu.rank(); k < noLibres; ++k)
            dependientes.push_back(lu.permutationQ().indices()(k));
    } else if (const std::vector<int> vacias = columnasVacias(kLL);
               !vacias.empty() && resolverSinColumnasVacias(s, vacias)) {
        dependientes = vacias;
    } else {
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
