#include "rigidezGeometricaSistema.h"

#include <algorithm>
#include <cmath>

#include "rigidezGeometrica.h"

namespace {

// Local = T·R·ũ: the bar's rotation T after the turn R of its end nodes on
// inclined supports (ũ in the axes of the solve).
matriz6 transformacionAlSistema(const modelo& m, const objBarra2d& b) {
    matriz6 R = matriz6::Identity();
    const int nudos[2] = {b.getNudoInicio(), b.getNudoFinal()};
    for (int e = 0; e < 2; ++e) {
        const objNudo2d& n = m.nudo[static_cast<std::size_t>(nudos[e])];
        if (!n.esApoyoInclinado()) continue;
        const double c = std::cos(n.getAnguloApoyo()), s = std::sin(n.getAnguloApoyo());
        R.block<2, 2>(3 * e, 3 * e) << c, -s, s, c;
    }
    return b.getT() * R;
}

}  // namespace

rigidezGeometricaSistema mapaRigidezGeometrica(const modelo& m, const solucion& s) {
    rigidezGeometricaSistema r;
    const Eigen::SparseMatrix<double>& k = s.kLL;
    if (!k.isCompressed()) {
        r.completo = false;
        return r;
    }
    std::vector<int> libre(3 * static_cast<std::size_t>(m.noNudos), -1);
    for (int i = 0; i < s.noLibres; ++i) libre[static_cast<std::size_t>(s.gdlLibres[i])] = i;
    // Storage position of (fila, columna) in kLL, -1 outside its pattern.
    auto posicion = [&k](int fila, int columna) {
        const int* inicio = k.innerIndexPtr() + k.outerIndexPtr()[columna];
        const int* fin = k.innerIndexPtr() + k.outerIndexPtr()[columna + 1];
        const int* p = std::lower_bound(inicio, fin, fila);
        return p != fin && *p == fila ? static_cast<int>(p - k.innerIndexPtr()) : -1;
    };
    std::vector<Eigen::Triplet<double>> t;
    t.reserve(16 * m.barra.size());
    for (std::size_t i = 0; i < m.barra.size(); ++i) {
        const objBarra2d& b = m.barra[i];
        if (!b.nudosConocidos() || b.esLongitudCero()) continue;
        const Eigen::VectorXi g = b.getGdl();
        const matriz6 T = transformacionAlSistema(m, b);
        const matriz6 kg = T.transpose() * rigidezGeometricaBarra(b, 1.0) * T;
        for (int a = 0; a < 6; ++a) {
            const int fa = g(a) >= 0 && g(a) < 3 * m.noNudos ? libre[g(a)] : -1;
            if (fa < 0) continue;
            for (int c = 0; c < 6; ++c) {
                const int fc = g(c) >= 0 && g(c) < 3 * m.noNudos ? libre[g(c)] : -1;
                if (fc < 0 || kg(a, c) == 0) continue;
                const int p = posicion(fa, fc);
                if (p < 0) {
                    r.completo = false;
                    continue;
                }
                t.emplace_back(p, static_cast<int>(i), kg(a, c));
            }
        }
    }
    r.P.resize(k.nonZeros(), static_cast<Eigen::Index>(m.barra.size()));
    r.P.setFromTriplets(t.begin(), t.end());
    return r;
}

void rigidezGeometricaSistema::sumar(const Eigen::SparseMatrix<double>& kLL,
                                     const std::vector<double>& N,
                                     Eigen::SparseMatrix<double>& kT) const {
    if (kT.nonZeros() != kLL.nonZeros() || kT.rows() != kLL.rows()) kT = kLL;
    const Eigen::Map<const Eigen::VectorXd> n(N.data(), static_cast<Eigen::Index>(N.size()));
    Eigen::Map<Eigen::VectorXd>(kT.valuePtr(), kT.nonZeros()) =
        Eigen::Map<const Eigen::VectorXd>(kLL.valuePtr(), kLL.nonZeros()) + P * n;
}
