#include "etapasSolucion.h"

// kLL·uLibres = pL for every combination at once. The sparse LDLᵀ serves a
// positive definite kLL whose solution balances; otherwise (a mechanism, a
// free freedom nothing stiffens, a negative spring, non-finite data, or a
// solution the equilibrium check rejects) the rank-revealing solve takes
// over and says which freedoms have no stiffness. With no free freedom, or
// no combination, there is nothing to decompose.
std::vector<int> resolverLibres(solucion& s, int nCombos) {
    if (s.noLibres == 0 || nCombos == 0) {
        s.uLibres = Eigen::MatrixXd::Zero(s.noLibres, nCombos);
        return {};
    }
    {
        factorizacionRigidez ldlt;
        if (factorizarRigidez(s.kLL, ldlt)) {
            s.uLibres = ldlt.solve(s.pL);
            if (combosDesequilibrados(s, nCombos).empty()) return {};
        }
    }
    return resolverSingular(s);
}
