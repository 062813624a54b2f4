#include "segundoOrden.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "matricesAnalisis.h"
#include "rigidezGeometrica.h"
#include "rigidezGeometricaSistema.h"
#include "silencioConsola.h"

namespace {

// Local geometric stiffness of every piece under the axial forces N.
std::vector<matriz6> rigidecesGeometricas(const modelo& m, const std::vector<double>& N) {
    std::vector<matriz6> kg;
    kg.reserve(m.barra.size());
    for (std::size_t i = 0; i < m.barra.size(); ++i)
        kg.push_back(rigidezGeometricaBarra(m.barra[i], N[i]));
    return kg;
}

// Translations of first order smaller than this share of the largest one
// are left out of the amplification: their ratio says nothing.
constexpr double umbralAmplificacion = 0.01;

// Largest ratio of a translation of second order to the same one of first
// order, over the nodes of the subdivided model (its inner nodes hold the
// deflections along the bars); 1 when nothing moves.
double amplificacion(const Eigen::VectorXd& u1, const Eigen::VectorXd& u2) {
    double mayor = 0;
    for (Eigen::Index g = 0; g < u1.size(); ++g)
        if (g % 3 != 2) mayor = std::max(mayor, std::abs(u1(g)));
    if (!(mayor > 0)) return 1.0;
    double r = 0;
    for (Eigen::Index g = 0; g < u1.size() && g < u2.size(); ++g) {
        if (g % 3 == 2 || std::abs(u1(g)) < umbralAmplificacion * mayor) continue;
        r = std::max(r, std::abs(u2(g) / u1(g)));
    }
    return r;
}

enum class resultadoIteracion { convergida, critica, sinConvergencia };

struct iteracionCombo {
    resultadoIteracion estado = resultadoIteracion::convergida;
    int iteraciones = 0;
    Eigen::VectorXd uLibres;
    std::vector<double> N;
};

// (K + Kg(N))·u = p for combination c, N from the last displacements,
// starting from first order. K + Kg keeps the pattern of kLL, whose
// symbolic analysis `ldlt` already holds: each iteration is one numeric
// factorisation.
iteracionCombo iterar(const analisisSubdividido& a, const rigidezGeometricaSistema& kg,
                      factorizacionRigidez& ldlt, int c) {
    const modelo& m = a.sub.m;
    const solucion& s = a.s;
    iteracionCombo r;
    r.uLibres = s.uLibres.col(c);
    Eigen::VectorXd u = desplazamientosCompletos(m, s, r.uLibres, c);
    r.N = axialesDeBarras(m, s, u, c);
    const bool asentamientos = s.uRestringidos.cols() > c && !s.uRestringidos.col(c).isZero(0);
    Eigen::SparseMatrix<double> kT;
    for (r.iteraciones = 1; r.iteraciones <= iteracionesMaximas; ++r.iteraciones) {
        if (kg.completo) {
            kg.sumar(s.kLL, r.N, kT);
            ldlt.factorize(kT);
        } else {
            // Not expected: the pattern of Kg outside that of kLL.
            kT = s.kLL +
                 bloquesDelSistema(m, s, ensamblarBarras(m, rigidecesGeometricas(m, r.N))).LL;
            ldlt.compute(kT);
        }
        const Eigen::VectorXd d =
            ldlt.info() == Eigen::Success ? Eigen::VectorXd(ldlt.vectorD()) : Eigen::VectorXd();
        if (d.size() == 0 || !(d.array() > 0).all() || !d.allFinite()) {
            r.estado = resultadoIteracion::critica;
            return r;
        }
        Eigen::VectorXd p = s.pL.col(c);
        // Settled supports: the geometric share of kLR·uR too.
        if (asentamientos) {
            const bloquesMatriz b =
                bloquesDelSistema(m, s, ensamblarBarras(m, rigidecesGeometricas(m, r.N)));
            p -= b.LR * s.uRestringidos.col(c);
        }
        const Eigen::VectorXd nuevo = ldlt.solve(p);
        if (!nuevo.allFinite()) {
            r.estado = resultadoIteracion::critica;
            return r;
        }
        const double cambio = (nuevo - r.uLibres).norm();
        r.uLibres = nuevo;
        u = desplazamientosCompletos(m, s, r.uLibres, c);
        r.N = axialesDeBarras(m, s, u, c);
        if (cambio <= toleranciaSegundoOrden * nuevo.norm()) return r;
    }
    r.iteraciones = iteracionesMaximas;
    r.estado = resultadoIteracion::sinConvergencia;
    return r;
}

// Σ Tᵀ·Kg·T·u over the pieces: the geometric share of the nodal forces
// K·u, added to the reactions.
Eigen::VectorXd fuerzasGeometricas(const modelo& m, const std::vector<matriz6>& kg,
                                   const Eigen::VectorXd& u) {
    Eigen::VectorXd f = Eigen::VectorXd::Zero(u.size());
    for (std::size_t i = 0; i < m.barra.size() && i < kg.size(); ++i) {
        const objBarra2d& b = m.barra[i];
        if (!b.nudosConocidos() || b.esLongitudCero()) continue;
        const Eigen::VectorXi g = b.getGdl();
        Eigen::Matrix<double, 6, 1> ue;
        for (int k = 0; k < 6; ++k) ue(k) = gdlEnRango(g(k), m.noNudos) ? u(g(k)) : 0.0;
        const matriz6 T = b.getT();
        const Eigen::Matrix<double, 6, 1> fe = T.transpose() * (kg[i] * (T * ue));
        for (int k = 0; k < 6; ++k)
            if (gdlEnRango(g(k), m.noNudos)) f(g(k)) += fe(k);
    }
    return f;
}

std::string textoAmplificacion(double a) {
    char t[32];
    std::snprintf(t, sizeof t, "%.2f", a);
    return t;
}

// The user's bar i from its pieces in the subdivided solution.
resultadosBarra barraDePiezas(analisisSubdividido& a, const resultadosBarra& primerOrden,
                              const Eigen::MatrixXd& extremos, std::size_t i) {
    resultadosBarra r = primerOrden;
    r.setDesplazamientos(extremos);
    std::vector<resultadosBarra> piezas;
    for (int p : a.sub.piezas[i])
        piezas.push_back(std::move(a.s.barras[static_cast<std::size_t>(p)]));
    r.setPiezas(std::move(piezas), a.sub.inicios[i]);
    return r;
}

solucion segundoOrden(const modelo& m, const solucion& primerOrden);

}  // namespace

solucion funcionSegundoOrden(const modelo& m, const solucion& primerOrden) {
    if (!primerOrden.resuelto) return primerOrden;
    try {
        return segundoOrden(m, primerOrden);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    std::cout << "Advertencia: memoria insuficiente para el análisis de segundo orden; no se "
                 "resuelve"
              << std::endl;
    return solucion();
}

namespace {

solucion segundoOrden(const modelo& m, const solucion& primerOrden) {
    solucion r = primerOrden;
    // First order of the pieces, its factorisation kept: K + Kg has the
    // same pattern, so its symbolic analysis serves every iteration.
    analisisSubdividido a;
    a.sub = subdividirModelo(m, m.analisis.subdivisiones);
    const modelo& ms = a.sub.m;
    const int nCombos = std::max(ms.noCombos, 0);
    {
        const silencioConsola silencio;
        ensamblarYParticionar(ms, a.s, ms.noNudos, nCombos);
    }
    factorizacionRigidez ldlt;
    a.estable = a.s.noLibres > 0 && factorizarRigidez(a.s.kLL, ldlt);
    a.s.uLibres = a.estable ? Eigen::MatrixXd(ldlt.solve(a.s.pL))
                            : Eigen::MatrixXd::Zero(a.s.noLibres, nCombos);
    const rigidezGeometricaSistema kg = mapaRigidezGeometrica(ms, a.s);
    r.segundoOrden = true;
    r.subdivisiones = m.analisis.subdivisiones;
    r.iteraciones.assign(static_cast<std::size_t>(nCombos), 0);
    r.amplificacion.assign(static_cast<std::size_t>(nCombos), 1.0);
    r.combosSinSolucion.clear();

    // Per combination: its iterations, then the geometric stiffness of its
    // final axial forces for the end forces and the reactions.
    std::vector<std::vector<matriz6>> kgCombo(nCombos);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (!a.estable && nCombos > 0) {
        std::cout << "Advertencia: la estructura es inestable (mecanismo); no hay solución de "
                     "segundo orden"
                  << std::endl;
    }
    for (int c = 0; c < nCombos; ++c) {
        const std::string nombre = m.nombreDelCombo(c);
        if (!a.estable) {
            r.combosSinSolucion.push_back(c);
            a.s.uLibres.col(c).setConstant(nan);
            continue;
        }
        const Eigen::VectorXd primerOrdenCombo =
            desplazamientosCompletos(ms, a.s, a.s.uLibres.col(c), c);
        const iteracionCombo it = iterar(a, kg, ldlt, c);
        r.iteraciones[c] = it.iteraciones;
        if (it.estado != resultadoIteracion::convergida) {
            r.combosSinSolucion.push_back(c);
            a.s.uLibres.col(c).setConstant(nan);
            if (it.estado == resultadoIteracion::critica) {
                std::cout << "Advertencia: el combo " << nombre
                          << " supera su carga crítica; no hay solución de segundo orden"
                          << std::endl;
            } else {
                std::cout << "Advertencia: el combo " << nombre << " no converge en "
                          << iteracionesMaximas
                          << " iteraciones de segundo orden; no hay solución de segundo orden"
                          << std::endl;
            }
            continue;
        }
        a.s.uLibres.col(c) = it.uLibres;
        kgCombo[c] = rigidecesGeometricas(ms, it.N);
        r.amplificacion[c] =
            amplificacion(primerOrdenCombo, desplazamientosCompletos(ms, a.s, it.uLibres, c));
        std::cout << "Segundo orden: combo " << nombre << " en " << it.iteraciones
                  << (it.iteraciones == 1 ? " iteración" : " iteraciones") << ", amplificación "
                  << textoAmplificacion(r.amplificacion[c]) << std::endl;
    }

    {
        const silencioConsola silencio;
        // End forces of every piece with (K + Kg)·u - F.
        for (std::size_t i = 0; i < a.s.barras.size(); ++i) {
            std::vector<matriz6> kg(static_cast<std::size_t>(nCombos), matriz6::Zero());
            for (int c = 0; c < nCombos; ++c)
                if (!kgCombo[c].empty()) kg[c] = kgCombo[c][i];
            a.s.barras[i].setRigidezGeometrica(std::move(kg));
        }
        distribuirResultados(ms, a.s, ms.noNudos, nCombos);
        // Reactions (K + Kg)·u - P.
        for (int c = 0; c < nCombos; ++c) {
            if (kgCombo[c].empty()) continue;
            a.s.reacciones.col(c) += fuerzasGeometricas(ms, kgCombo[c], a.s.u.col(c));
        }
        resultadosDeNudos(ms, a.s, ms.noNudos);
    }

    // Back to the user's nodes and bars: the user's nodes keep their indexes
    // and come first, so their freedoms are the first rows and the first free
    // freedoms of the subdivided model.
    const int filas = 3 * a.sub.nudosUsuario;
    r.u = a.s.u.topRows(filas);
    r.reacciones = a.s.reacciones.topRows(filas);
    r.uLibres = a.s.uLibres.topRows(std::min<Eigen::Index>(r.noLibres, a.s.uLibres.rows()));
    r.nudos.assign(a.s.nudos.begin(), a.s.nudos.begin() + a.sub.nudosUsuario);
    for (std::size_t i = 0; i < r.barras.size() && i < m.barra.size(); ++i) {
        const Eigen::VectorXi g = m.barra[i].getGdl();
        Eigen::MatrixXd extremos = Eigen::MatrixXd::Zero(6, nCombos);
        for (int k = 0; k < 6; ++k)
            if (gdlEnRango(g(k), a.sub.nudosUsuario)) extremos.row(k) = r.u.row(g(k));
        r.barras[i] = barraDePiezas(a, r.barras[i], extremos, i);
    }
    return r;
}

}  // namespace
