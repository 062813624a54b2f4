// A frame with forty combinations of the same three load cases: the internal
// forces and the deformed shape of every combination, sampled along every
// bar, are the sum of the unit combinations of its cases times its factors
// (linear elastic superposition). Each sample forms its own combination's
// end forces only; this checks that it takes the right ones.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "archivoTemporal.h"
#include "directorioTrabajo.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"

namespace {

// Same tolerance for every quantity: relative to the largest value sampled.
void esperarSuma(const Eigen::MatrixXd& combinado, const Eigen::MatrixXd& pp,
                 const Eigen::MatrixXd& cv, const Eigen::MatrixXd& w, double a, double b, double c,
                 const std::string& que) {
    const Eigen::MatrixXd esperado = a * pp.row(1) + b * cv.row(1) + c * w.row(1);
    const double escala = std::max(1.0, esperado.cwiseAbs().maxCoeff());
    for (Eigen::Index k = 0; k < esperado.cols(); ++k) {
        EXPECT_NEAR(combinado(1, k), esperado(0, k), 1e-9 * escala) << que << " estación " << k;
    }
}

}  // namespace

TEST(Superposicion, CuarentaCombinacionesSonSumasDeSusCasos) {
    directorioTrabajo trabajo;
    capturaConsola consola;
    const modelo m =
        funcionLeerArchivo(std::string(KARVEL_DATOS) + "/fuzz/sano-muchasCombinaciones.txt");
    ASSERT_EQ(m.noCombos, 43);
    const solucion s = funcionSolucionU(m);
    ASSERT_TRUE(s.resuelto);
    ASSERT_EQ(s.barras.size(), m.barra.size());

    const int upp = m.getNumeroDeCombo("UPP");
    const int ucv = m.getNumeroDeCombo("UCV");
    const int uw = m.getNumeroDeCombo("UW");
    ASSERT_GE(std::min({upp, ucv, uw}), 0);
    for (std::size_t i = 0; i < m.barra.size(); ++i) {
        const resultadosBarra& barraI = s.barras[i];
        for (int k = 1; k <= 40; ++k) {
            // Factors of "combo: Kk": PP, CV and W.
            const double a = 1 + k / 40.0;
            const double b = 0.5 + k / 20.0;
            const double c = (k % 2 == 0 ? 1 : -1) * k / 10.0;
            const int ck = m.getNumeroDeCombo("K" + std::to_string(k));
            ASSERT_GE(ck, 0);
            const std::string que = "barra " + std::to_string(m.barra[i].getNoBarraUsuario()) +
                                    " K" + std::to_string(k);
            esperarSuma(barraI.getSolicitacionAxial(ck, 21), barraI.getSolicitacionAxial(upp, 21),
                        barraI.getSolicitacionAxial(ucv, 21), barraI.getSolicitacionAxial(uw, 21),
                        a, b, c, que + " N");
            esperarSuma(barraI.getSolicitacionCortante(ck, 21),
                        barraI.getSolicitacionCortante(upp, 21),
                        barraI.getSolicitacionCortante(ucv, 21),
                        barraI.getSolicitacionCortante(uw, 21), a, b, c, que + " V");
            esperarSuma(barraI.getSolicitacionMomento(ck, 21),
                        barraI.getSolicitacionMomento(upp, 21),
                        barraI.getSolicitacionMomento(ucv, 21),
                        barraI.getSolicitacionMomento(uw, 21), a, b, c, que + " M");
        }
    }
}
