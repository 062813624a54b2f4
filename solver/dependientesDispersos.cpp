#include <Eigen/LU>
#include <algorithm>

#include "etapasSolucion.h"

namespace {

// Factorisations of the rest tried while setting dependent freedoms apart.
// The pivots of a stiffness matrix are those of a positive semi-definite
// one: after the first factorisation the tiny ones are its dependent
// freedoms, and the second factorisation is positive definite; the third
// round is for the rounding of the first.
constexpr int maximoRondas = 3;

// Freedoms solved apart through their dense Schur complement, at most: its
// columns cost one sparse solve each and a dense column of the size of the
// model. A mechanism of a storey or of a bar moves a few; beyond this many,
// the sparse QR decides.
constexpr std::size_t maximoApartados = 200;

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

// kLL without the free indexes marked apart: the rest (R), numbered in
// order.
struct sistemaReducido {
    std::vector<int> posicion;  // free index -> index in R, -1 when apart
    std::vector<int> libre;     // index in R -> free index
    Eigen::SparseMatrix<double> k;
};

sistemaReducido reducir(const Eigen::SparseMatrix<double>& kLL, const std::vector<char>& aparte) {
    sistemaReducido r;
    r.posicion.assign(aparte.size(), -1);
    for (std::size_t i = 0; i < aparte.size(); ++i) {
        if (aparte[i]) continue;
        r.posicion[i] = static_cast<int>(r.libre.size());
        r.libre.push_back(static_cast<int>(i));
    }
    std::vector<Eigen::Triplet<double>> t;
    t.reserve(static_cast<std::size_t>(kLL.nonZeros()));
    for (int j = 0; j < kLL.outerSize(); ++j) {
        if (r.posicion[j] < 0) continue;
        for (Eigen::SparseMatrix<double>::InnerIterator it(kLL, j); it; ++it) {
            const int i = r.posicion[static_cast<std::size_t>(it.row())];
            if (i >= 0) t.emplace_back(i, r.posicion[j], it.value());
        }
    }
    const int n = static_cast<int>(r.libre.size());
    r.k.resize(n, n);
    r.k.setFromTriplets(t.begin(), t.end());
    return r;
}

enum class ronda { definida, conApartados, indecidible };

// One round: factorises the rest and marks apart (in aparte and in
// sospechosos) the freedoms of its pivots that do not exceed the threshold,
// zero, tiny or negative. A factorisation stopped on an exact zero pivot has
// its pivots valid up to that one, which is marked with them. definida when
// no pivot was marked: the rest is positive definite.
ronda apartarPivotesNulos(const sistemaReducido& r, factorizacionRigidez& ldlt,
                          std::vector<char>& aparte, std::vector<int>& sospechosos) {
    if (r.libre.empty()) return ronda::definida;
    ldlt.compute(r.k);
    Eigen::VectorXd d = ldlt.vectorD();
    if (ldlt.info() != Eigen::Success) {
        // The pivots after the zero one were never formed.
        Eigen::Index cero = 0;
        while (cero < d.size() && d(cero) != 0) ++cero;
        d.conservativeResize(std::min(cero + 1, d.size()));
    }
    if (!d.allFinite()) return ronda::indecidible;
    const double umbral = umbralDePivote(d);
    // Pivot k belongs to the unknown of R that the fill-reducing permutation
    // put in place k.
    const auto& enR = ldlt.permutationPinv().indices();
    ronda resultado = ronda::definida;
    for (Eigen::Index k = 0; k < d.size(); ++k) {
        if (d(k) > umbral) continue;
        resultado = ronda::conApartados;
        const int i = r.libre[static_cast<std::size_t>(enR(k))];
        aparte[static_cast<std::size_t>(i)] = 1;
        sospechosos.push_back(i);
    }
    // A failed factorisation with no pivot to blame cannot be trusted.
    if (ldlt.info() != Eigen::Success && resultado == ronda::definida) return ronda::indecidible;
    return resultado;
}

}  // namespace

// With R the rest and S the freedoms set apart by their pivots,
//   kRR·uR + kRS·uS = pR
//   kSR·uR + kSS·uS = pS
// is solved as uR = Y·[pR] − Y·[kRS]·uS with kRR·Y = [kRS pR], and
// (kSS − kSR·Y_S)·uS = pS − kSR·Y_p, the Schur complement, by LU with complete
// pivoting: its pivots are the pivots S would have had in the sparse
// factorisation, so they are judged against the same threshold, and the
// unknowns of its dependent columns come out 0, as in the dense path.
// Freedoms whose column is empty are apart from the start and stay at 0.
bool resolverApartandoDependientes(solucion& s, std::vector<int>& dependientes) {
    const Eigen::SparseMatrix<double>& kLL = s.kLL;
    const int noLibres = s.noLibres;
    const Eigen::Index nCombos = s.pL.cols();
    // Non-finite stiffness says nothing about the frame's freedoms.
    if (!Eigen::Map<const Eigen::VectorXd>(kLL.valuePtr(), kLL.nonZeros()).allFinite())
        return false;
    std::vector<char> aparte(static_cast<std::size_t>(noLibres), 0);
    const std::vector<int> vacias = columnasVacias(kLL);
    for (int j : vacias) aparte[static_cast<std::size_t>(j)] = 1;

    std::vector<int> sospechosos;
    factorizacionRigidez ldlt;
    sistemaReducido r;
    ronda estado = ronda::conApartados;
    for (int k = 0; k < maximoRondas && estado == ronda::conApartados; ++k) {
        r = reducir(kLL, aparte);
        estado = apartarPivotesNulos(r, ldlt, aparte, sospechosos);
        if (sospechosos.size() > maximoApartados) return false;
    }
    if (estado != ronda::definida) return false;

    // The blocks of S: kRS and kSR sparse (one per side: the assembled
    // stiffness need not be symmetric to the last bit), kSS dense.
    const Eigen::Index nS = static_cast<Eigen::Index>(sospechosos.size());
    const Eigen::Index nR = static_cast<Eigen::Index>(r.libre.size());
    std::vector<int> enS(static_cast<std::size_t>(noLibres), -1);
    for (std::size_t a = 0; a < sospechosos.size(); ++a)
        enS[static_cast<std::size_t>(sospechosos[a])] = static_cast<int>(a);
    std::vector<Eigen::Triplet<double>> tRS, tSR;
    Eigen::MatrixXd kSS = Eigen::MatrixXd::Zero(nS, nS);
    for (int j = 0; j < kLL.outerSize(); ++j) {
        const int sj = enS[static_cast<std::size_t>(j)];
        const int rj = r.posicion[static_cast<std::size_t>(j)];
        for (Eigen::SparseMatrix<double>::InnerIterator it(kLL, j); it; ++it) {
            const int si = enS[static_cast<std::size_t>(it.row())];
            const int ri = r.posicion[static_cast<std::size_t>(it.row())];
            if (sj >= 0 && si >= 0) kSS(si, sj) = it.value();
            if (sj >= 0 && ri >= 0) tRS.emplace_back(ri, sj, it.value());
            if (rj >= 0 && si >= 0) tSR.emplace_back(si, rj, it.value());
        }
    }
    Eigen::SparseMatrix<double> kRS(nR, nS), kSR(nS, nR);
    kRS.setFromTriplets(tRS.begin(), tRS.end());
    kSR.setFromTriplets(tSR.begin(), tSR.end());
    Eigen::MatrixXd pR(nR, nCombos), pS(nS, nCombos);
    for (Eigen::Index i = 0; i < nR; ++i) pR.row(i) = s.pL.row(r.libre[i]);
    for (Eigen::Index a = 0; a < nS; ++a) pS.row(a) = s.pL.row(sospechosos[a]);

    Eigen::MatrixXd yS = Eigen::MatrixXd::Zero(nR, nS), yP = Eigen::MatrixXd::Zero(nR, nCombos);
    if (nR > 0) {
        yP = ldlt.solve(pR);
        if (nS > 0) yS = ldlt.solve(Eigen::MatrixXd(kRS));
    }
    Eigen::MatrixXd uS = Eigen::MatrixXd::Zero(nS, nCombos);
    std::vector<int> dependientesS;
    if (nS > 0) {
        const Eigen::MatrixXd schur = kSS - kSR * yS;
        Eigen::FullPivLU<Eigen::MatrixXd> lu(schur);
        // The threshold of the pivots of R, as an absolute value (the LU's
        // own is relative to its largest pivot, which here may be rounding).
        if (nR > 0 && lu.maxPivot() > 0)
            lu.setThreshold(std::min(1.0, umbralDePivote(ldlt.vectorD()) / lu.maxPivot()));
        uS = lu.solve(pS - kSR * yP);
        for (Eigen::Index k = lu.rank(); k < nS; ++k)
            dependientesS.push_back(sospechosos[lu.permutationQ().indices()(k)]);
    }
    const Eigen::MatrixXd uR = yP - yS * uS;

    s.uLibres = Eigen::MatrixXd::Zero(noLibres, nCombos);
    for (Eigen::Index i = 0; i < nR; ++i) s.uLibres.row(r.libre[i]) = uR.row(i);
    for (Eigen::Index a = 0; a < nS; ++a) s.uLibres.row(sospechosos[a]) = uS.row(a);
    // The equations of R are solved exactly: a residual there means the
    // factorisation was not accurate enough to trust.
    if (!combosDesequilibrados(s, static_cast<int>(nCombos), &aparte).empty()) return false;
    dependientes = vacias;
    dependientes.insert(dependientes.end(), dependientesS.begin(), dependientesS.end());
    return true;
}
