#include "modal.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <new>
#include <stdexcept>

#include "autovalores.h"
#include "matricesAnalisis.h"
#include "matrizMasa.h"
#include "normalizacionModos.h"

namespace {

constexpr double dosPi = 2 * 3.141592653589793;

std::string cifraConsola(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.6g", v);
    return t;
}

// The whole mass matrix in global axes: every piece's consistent mass and
// the nodes' masses along X and Y.
Eigen::SparseMatrix<double> matrizDeMasas(const modelo& m) {
    std::vector<matriz6> locales;
    locales.reserve(m.barra.size());
    for (const objBarra2d& b : m.barra) {
        const bool conLongitud = b.nudosConocidos() && !b.esLongitudCero();
        locales.push_back(conLongitud
                              ? masaConsistenteLocal(masaPorLongitud(b, m.analisis.gravedad),
                                                     b.getLongitud(), b.getModE() * b.getInercia(),
                                                     b.getFactorArticulacionInicio(),
                                                     b.getFactorArticulacionFin())
                              : matriz6::Zero());
    }
    Eigen::SparseMatrix<double> M = ensamblarBarras(m, locales);
    std::vector<Eigen::Triplet<double>> t;
    for (int k = 0; k < m.noNudos; ++k) {
        const double masa = m.nudo[static_cast<std::size_t>(k)].getMasa();
        if (masa == 0) continue;
        t.emplace_back(3 * k, 3 * k, masa);
        t.emplace_back(3 * k + 1, 3 * k + 1, masa);
    }
    Eigen::SparseMatrix<double> nudos(M.rows(), M.cols());
    nudos.setFromTriplets(t.begin(), t.end());
    return M + nudos;
}

// Unit rigid translation of every node along X (direccion 0) or Y (1).
Eigen::VectorXd traslacionRigida(int nNudos, int direccion) {
    Eigen::VectorXd r = Eigen::VectorXd::Zero(3 * nNudos);
    for (int k = 0; k < nNudos; ++k) r(3 * k + direccion) = 1;
    return r;
}

resultadoModal calcularModal(const modelo& m, int n) {
    resultadoModal r;
    const analisisSubdividido a = rigidezSubdividida(m);
    const modelo& ms = a.sub.m;
    const Eigen::SparseMatrix<double> M = matrizDeMasas(ms);
    const Eigen::VectorXd rx = traslacionRigida(ms.noNudos, 0);
    const Eigen::VectorXd ry = traslacionRigida(ms.noNudos, 1);
    const Eigen::VectorXd mrx = M * rx, mry = M * ry;
    r.masaTotal = rx.dot(mrx);
    r.conMasa = r.masaTotal > 0;
    r.estable = true;
    if (!r.conMasa) {
        std::cout << "Advertencia: el modelo no tiene masa (etiquetas masa: y gravedad:); no se "
                     "calculan modos de vibración"
                  << std::endl;
        return r;
    }
    const bloquesMatriz b = bloquesDelSistema(ms, a.s, M);
    const autopares e = mayoresAutovalores(a.s.kLL, b.LL, n);
    if (!e.definida) {
        r.estable = false;
        std::cout << "Advertencia: la estructura es inestable (mecanismo); no se calculan modos "
                     "de vibración"
                  << std::endl;
        return r;
    }
    r.convergio = e.convergio;
    if (!e.convergio) {
        std::cout << "Advertencia: el cálculo de los modos de vibración no converge; no se dan"
                  << std::endl;
        return r;
    }
    const int k = static_cast<int>(e.mu.size());
    const int filas = 3 * a.sub.nudosUsuario;
    r.omega = e.mu.cwiseInverse().cwiseSqrt();
    r.masaX.resize(k);
    r.masaY.resize(k);
    r.formas.resize(3 * ms.noNudos, k);
    for (int j = 0; j < k; ++j) {
        const Eigen::VectorXd phi = desplazamientosCompletos(ms, a.s, e.phi.col(j), -1);
        const double generalizada = phi.dot(M * phi);
        r.masaX(j) = std::pow(phi.dot(mrx), 2) / generalizada / r.masaTotal;
        r.masaY(j) = std::pow(phi.dot(mry), 2) / generalizada / r.masaTotal;
        r.formas.col(j) = phi * factorDeModo(phi.head(filas));
    }
    r.modos = r.formas.topRows(filas);
    r.sub = a.sub;
    if (k > 0) {
        std::cout << "Modal: " << k << (k == 1 ? " modo" : " modos") << ", período fundamental "
                  << cifraConsola(dosPi / r.omega(0)) << " (frecuencia "
                  << cifraConsola(r.omega(0) / dosPi) << ")" << std::endl;
    } else {
        std::cout << "Modal: ningún modo con masa" << std::endl;
    }
    return r;
}

}  // namespace

resultadoModal funcionModal(const modelo& m, int n) {
    try {
        return calcularModal(m, n);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    std::cout
        << "Advertencia: memoria insuficiente para calcular los modos de vibración; no se calculan"
        << std::endl;
    return {};
}
