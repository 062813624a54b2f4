#include "pandeo.h"

#include <cstdio>
#include <iostream>
#include <new>
#include <stdexcept>

#include "autovalores.h"
#include "funcionSolucionU.h"
#include "matricesAnalisis.h"
#include "normalizacionModos.h"
#include "rigidezGeometrica.h"
#include "silencioConsola.h"

namespace {

// An axial force below this share of the largest one is rounding, not
// compression.
constexpr double umbralCompresion = 1e-12;

std::string cifraConsola(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.6g", v);
    return t;
}

void avisarMecanismo() {
    std::cout << "Advertencia: la estructura es inestable (mecanismo); no se calculan factores "
                 "de pandeo"
              << std::endl;
}

resultadoPandeo calcularPandeo(const modelo& m, const solucion& s, int n) {
    resultadoPandeo r;
    solucion propia;
    if (s.segundoOrden) {
        const silencioConsola silencio;
        propia = funcionSolucionU(m);
    }
    const solucion& primerOrden = s.segundoOrden ? propia : s;
    const analisisSubdividido a = rigidezSubdividida(m);
    const modelo& ms = a.sub.m;
    r.estable = true;
    for (int c = 0; c < ms.noCombos; ++c) {
        pandeoDeCombo p;
        p.combo = c;
        const std::string nombre = m.nombreDelCombo(c);
        const std::vector<double> N = axialesDePiezas(a, primerOrden, c);
        double mayor = 0, menor = 0;
        for (double v : N) {
            mayor = std::max(mayor, std::abs(v));
            menor = std::min(menor, v);
        }
        p.comprimido = menor < -umbralCompresion * mayor;
        if (!p.comprimido) {
            std::cout << "Pandeo: el combo " << nombre
                      << " no comprime ninguna barra; no tiene factores de pandeo" << std::endl;
            r.combos.push_back(p);
            continue;
        }
        std::vector<matriz6> kg;
        kg.reserve(ms.barra.size());
        for (std::size_t i = 0; i < ms.barra.size(); ++i)
            kg.push_back(-rigidezGeometricaBarra(ms.barra[i], N[i]));
        const bloquesMatriz b = bloquesDelSistema(ms, a.s, ensamblarBarras(ms, kg));
        const autopares e = mayoresAutovalores(a.s.kLL, b.LL, n);
        if (!e.definida) {
            avisarMecanismo();
            r.estable = false;
            r.combos.clear();
            return r;
        }
        p.convergio = e.convergio;
        if (!e.convergio) {
            std::cout << "Advertencia: el cálculo de los factores de pandeo del combo " << nombre
                      << " no converge; no se dan" << std::endl;
            r.combos.push_back(p);
            continue;
        }
        const int k = static_cast<int>(e.mu.size());
        p.factores = e.mu.cwiseInverse();
        p.formas.resize(3 * ms.noNudos, k);
        for (int j = 0; j < k; ++j) {
            const Eigen::VectorXd u = desplazamientosCompletos(ms, a.s, e.phi.col(j), -1);
            p.formas.col(j) = u * factorDeModo(u.head(3 * a.sub.nudosUsuario));
        }
        p.modos = p.formas.topRows(3 * a.sub.nudosUsuario);
        std::cout << "Pandeo: combo " << nombre << ", factor de carga crítica "
                  << (k > 0 ? cifraConsola(p.factores(0)) : "-") << " (" << k
                  << (k == 1 ? " factor)" : " factores)") << std::endl;
        r.combos.push_back(p);
    }
    r.sub = a.sub;
    return r;
}

}  // namespace

resultadoPandeo funcionPandeo(const modelo& m, const solucion& s, int n) {
    try {
        return calcularPandeo(m, s, n);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    std::cout
        << "Advertencia: memoria insuficiente para calcular los factores de pandeo; no se calculan"
        << std::endl;
    return {};
}
