#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

#include "etapasSolucion.h"

namespace {

// Residual below this fraction of the force scale counts as rounding. A
// sound solve leaves residuals of order n·eps of that scale; a load that
// the structure cannot carry leaves a residual of the order of the load
// itself.
constexpr double toleranciaEquilibrio = 1e-8;

// Freedoms without stiffness named one per line, at most this many.
constexpr int maximoGdlNombrados = 10;

const char* const direcciones[3] = {"X", "Y", "giro"};

// "el nudo 7" (its user number) and "en la dirección X" of freedom g.
std::string nudoDe(const modelo& m, int g) {
    return "el nudo " + std::to_string(m.nudo[static_cast<std::size_t>(g / 3)].getNoNudoUsuario());
}
std::string direccionDe(int g) {
    return std::string("en la dirección ") + direcciones[g % 3];
}

// Equilibrium at the free freedoms, r = kLL·u − pL, and its force scale per
// freedom, |kLL|·|u| + |pL|: the size of the stiffness forces and loads that
// meet at a freedom. Unlike ‖kLL‖·‖u‖, this scale does not grow with the
// conditioning of kLL, so very stiff members next to very soft ones or
// springs give no false alarm, while a load left unbalanced by a mechanism
// is not hidden.
struct residuoLibres {
    const Eigen::MatrixXd& uLibres;
    Eigen::MatrixXd r;
    Eigen::MatrixXd escala;
    explicit residuoLibres(const solucion& s)
        : uLibres(s.uLibres),
          r(s.kLL * s.uLibres - s.pL),
          escala(s.kLL.cwiseAbs() * s.uLibres.cwiseAbs()) {
        escala += s.pL.cwiseAbs();
    }
    // Against the scale of the whole column; only the rows not marked in
    // omitidas (free indexes) count when it is given.
    bool equilibra(int c, const std::vector<char>* omitidas = nullptr) const {
        if (!uLibres.col(c).allFinite() || !r.col(c).allFinite()) return false;
        double mayor = 0;
        for (Eigen::Index i = 0; i < r.rows(); ++i) {
            if (omitidas == nullptr || !(*omitidas)[static_cast<std::size_t>(i)])
                mayor = std::max(mayor, std::abs(r(i, c)));
        }
        return mayor <= toleranciaEquilibrio * escala.col(c).maxCoeff();
    }
    // Free index of the largest residual of combination c (a non-finite
    // one first).
    int mayor(int c) const {
        for (int i = 0; i < r.rows(); ++i)
            if (!std::isfinite(r(i, c))) return i;
        int i = 0;
        r.col(c).cwiseAbs().maxCoeff(&i);
        return i;
    }
};

}  // namespace

std::vector<int> combosDesequilibrados(const solucion& s, int nCombos,
                                       const std::vector<char>* omitidas) {
    std::vector<int> combos;
    if (s.noLibres == 0) return combos;
    const residuoLibres residuo(s);
    for (int c = 0; c < nCombos; ++c)
        if (!residuo.equilibra(c, omitidas)) combos.push_back(c);
    return combos;
}

void verificarEquilibrio(const modelo& m, solucion& s, int nCombos,
                         const std::vector<int>& sinRigidez) {
    const int cuantos = static_cast<int>(sinRigidez.size());
    const int nombrados = std::min(maximoGdlNombrados, cuantos);
    for (int k = 0; k < nombrados; ++k) {
        std::cout << "Advertencia: " << nudoDe(m, sinRigidez[k]) << " no tiene rigidez "
                  << direccionDe(sinRigidez[k]) << " (mecanismo)" << std::endl;
    }
    if (cuantos > nombrados) std::cout << "... y " << cuantos - nombrados << " más" << std::endl;

    s.combosSinEquilibrio.clear();
    if (s.noLibres == 0) return;
    const residuoLibres residuo(s);
    for (int c = 0; c < nCombos; ++c) {
        if (residuo.equilibra(c)) continue;
        s.combosSinEquilibrio.push_back(c);
        std::cout << "Advertencia: la estructura es inestable o la matriz de rigidez es "
                     "singular; el combo "
                  << m.nombreDelCombo(c) << " no cumple el equilibrio" << std::endl;
        if (sinRigidez.empty()) {
            const int g = s.gdlLibres[residuo.mayor(c)];
            std::cout << "Advertencia: en el combo " << m.nombreDelCombo(c)
                      << " el mayor residuo de equilibrio está en " << nudoDe(m, g) << " "
                      << direccionDe(g) << std::endl;
        }
    }
}
