// Generated frames with random loads inside their bars (point forces and
// moments, local or global, at ends and inside; partial trapezoids):
//   - the reactions balance the applied loads, summed by hand from each
//     load's own definition, in forces and in moment about the origin;
//   - the exact extremes of N, V and M of every bar are the largest and
//     smallest values over a dense sampling that takes both sides of every
//     jump, and are reached within the sampling's step;
//   - the stations hold both sides of every jump, the envelope bounds
//     every combination.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "archivoTemporal.h"
#include "estacionesBarra.h"
#include "extremosBarra.h"
#include "funcionSolucionU.h"
#include "modeloAleatorio.h"

namespace {

constexpr int modelos = 40;

// Largest and smallest of one force over a dense sampling of the bar,
// with both sides of every singular point.
struct rango {
    double maximo = -INFINITY, minimo = INFINITY;
    void ver(double v) {
        maximo = std::max(maximo, v);
        minimo = std::min(minimo, v);
    }
};

struct rangosBarra {
    rango N, V, M;
};

rangosBarra muestreoDenso(const resultadosBarra& b, int c) {
    rangosBarra r;
    const double L = b.getLongitud();
    std::vector<seccionBarra> s;
    const int n = 4000;
    for (int k = 0; k <= n; ++k) s.push_back({L * k / n, k == n ? lado::antes : lado::despues});
    for (const puntoSingular& p : b.puntosSingulares(c)) {
        s.push_back({p.x, lado::antes});
        s.push_back({p.x, lado::despues});
    }
    for (const seccionBarra& x : s) {
        const esfuerzosSeccion e = b.esfuerzosEn(c, x.x, x.l);
        r.N.ver(e.N);
        r.V.ver(e.V);
        r.M.ver(e.M);
    }
    return r;
}

// The exact extreme is never beyond what the forces reach, and never short
// of the dense sampling by more than the change of the force over one step.
void compararExtremo(const extremosEsfuerzo& e, const rango& muestreo, double escala,
                     const std::string& donde) {
    const double tol = 1e-9 * escala;
    EXPECT_GE(e.maximo.valor, muestreo.maximo - tol) << donde;
    EXPECT_LE(e.minimo.valor, muestreo.minimo + tol) << donde;
    // A quadratic or cubic between samples 1/4000 of the bar apart misses
    // its peak by at most a few 1e-7 of the force's range.
    EXPECT_LE(e.maximo.valor, muestreo.maximo + 1e-6 * escala) << donde;
    EXPECT_GE(e.minimo.valor, muestreo.minimo - 1e-6 * escala) << donde;
}

}  // namespace

TEST(TramosAleatorios, LasReaccionesEquilibranLasCargasEnTramos) {
    std::mt19937 gen(semillaModelosAleatorios + 7);
    int cargasVistas = 0;
    for (int k = 0; k < modelos; ++k) {
        resultante porCaso[2];
        const modelo m = construirModeloAleatorio(gen, porCaso, true);
        for (const objBarra2d& b : m.barra) cargasVistas += static_cast<int>(b.getCargas().size());
        capturaConsola consola;
        const solucion s = funcionSolucionU(m);
        ASSERT_TRUE(s.resuelto);
        EXPECT_EQ(consola.texto().find("Advertencia"), std::string::npos)
            << "modelo " << k << ": " << consola.texto();

        reaccionesEquilibranCargas(m, s, porCaso, k);
    }
    EXPECT_GT(cargasVistas, 100);
}

TEST(TramosAleatorios, ExtremosEstacionesYEnvolventesContraMuestreoDenso) {
    std::mt19937 gen(semillaModelosAleatorios + 11);
    int saltosVistos = 0;
    for (int k = 0; k < 15; ++k) {
        resultante porCaso[2];
        const modelo m = construirModeloAleatorio(gen, porCaso, true);
        capturaConsola consola;
        const solucion s = funcionSolucionU(m);
        const std::vector<int> combos = {0, 1, 2};
        for (std::size_t i = 0; i < s.barras.size(); ++i) {
            const resultadosBarra& b = s.barras[i];
            const std::vector<extremosBarra> e = extremosDeBarra(b, combos);
            ASSERT_EQ(e.size(), combos.size());
            const envolventeBarra env = envolventeDeBarra(b, combos, estacionesPorBarra, true);
            for (int c : combos) {
                const std::string donde = "modelo " + std::to_string(k) + " barra " +
                                          std::to_string(i) + " combo " + std::to_string(c);
                const rangosBarra d = muestreoDenso(b, c);
                const double escalaF =
                    std::max({std::abs(d.N.maximo), std::abs(d.N.minimo), std::abs(d.V.maximo),
                              std::abs(d.V.minimo), 1e-12});
                const double escalaM =
                    std::max({std::abs(d.M.maximo), std::abs(d.M.minimo), 1e-12});
                compararExtremo(e[c].N, d.N, escalaF, donde + " N");
                compararExtremo(e[c].V, d.V, escalaF, donde + " V");
                compararExtremo(e[c].M, d.M, escalaM, donde + " M");

                // Every jump appears twice among the stations, before then after.
                const estacionesBarra st = estacionesDeBarra(b, {c})[0];
                for (const puntoSingular& p : b.puntosSingulares(c)) {
                    if (!p.salto) continue;
                    ++saltosVistos;
                    int veces = 0;
                    for (Eigen::Index j = 0; j < st.x.size(); ++j) {
                        if (st.x(j) != p.x) continue;
                        ++veces;
                        const lado l = veces == 1 ? lado::antes : lado::despues;
                        EXPECT_EQ(st.V(j), b.esfuerzosEn(c, p.x, l).V) << donde;
                    }
                    EXPECT_EQ(veces, 2) << donde << " x = " << p.x;
                }

                // The envelope is at least (at most) every combination, each
                // section taken from inside the bar: the end before a load
                // there, a jump first before then after.
                for (Eigen::Index j = 0; j < env.x.size(); ++j) {
                    const bool antes =
                        j + 1 == env.x.size() || (j + 1 < env.x.size() && env.x(j + 1) == env.x(j));
                    const esfuerzosSeccion f =
                        b.esfuerzosEn(c, env.x(j), antes ? lado::antes : lado::despues);
                    EXPECT_GE(env.M.maximo(j), f.M - 1e-12 * escalaM) << donde;
                    EXPECT_LE(env.M.minimo(j), f.M + 1e-12 * escalaM) << donde;
                }
            }
        }
    }
    EXPECT_GT(saltosVistos, 10);
}
