// Property: on generated frames (random geometry, fixity, springs, point and
// distributed loads, members from very soft to very stiff) the reactions,
// spring forces included, balance the applied loads in every combination,
// in forces and in moment about the origin; and a sound frame gives no
// equilibrium warning.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "archivoTemporal.h"
#include "funcionSolucionU.h"
#include "globales.h"
#include "modeloAleatorio.h"
#include "modeloPrueba.h"

TEST(EquilibrioAleatorio, LasReaccionesEquilibranLasCargas) {
    std::mt19937 gen(semillaModelosAleatorios);
    for (int modelo = 0; modelo < cantidadModelosAleatorios; ++modelo) {
        resultante porCaso[2];
        construirModeloAleatorio(gen, porCaso);

        capturaConsola consola;
        funcionSolucionU();
        EXPECT_EQ(consola.texto().find("Advertencia"), std::string::npos)
            << "modelo " << modelo << ": " << consola.texto();

        for (int c = 0; c < combosAleatorios; ++c) {
            const resultante carga = cargaDelCombo(porCaso, c);
            resultante reaccion;
            double magnitud = std::abs(carga.fx) + std::abs(carga.fy);
            for (const auto& n : nudo) {
                reaccion.fuerza(n.getX(), n.getY(), n.getReaccionX(c), n.getReaccionY(c));
                reaccion.mz += n.getReaccionM(c);
                magnitud += std::abs(n.getReaccionX(c)) + std::abs(n.getReaccionY(c));
            }
            // Reactions are K·u − P at the supports: their rounding is of the
            // order of eps·|K|·|u|, the stiffness forces that cancel there.
            const Eigen::MatrixXd fuerzas = kEstructura.cwiseAbs() * u.col(c).cwiseAbs();
            const double tol = 1e-7 * magnitud + 1e-11 * fuerzas.maxCoeff();
            EXPECT_NEAR(reaccion.fx + carga.fx, 0, tol) << "modelo " << modelo << " combo " << c;
            EXPECT_NEAR(reaccion.fy + carga.fy, 0, tol) << "modelo " << modelo << " combo " << c;
            EXPECT_NEAR(reaccion.mz + carga.mz, 0, 30 * tol)
                << "modelo " << modelo << " combo " << c;
        }
    }
}
