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
#include "modeloAleatorio.h"
#include "modeloPrueba.h"

TEST(EquilibrioAleatorio, LasReaccionesEquilibranLasCargas) {
    std::mt19937 gen(semillaModelosAleatorios);
    for (int k = 0; k < cantidadModelosAleatorios; ++k) {
        resultante porCaso[2];
        const modelo m = construirModeloAleatorio(gen, porCaso);

        capturaConsola consola;
        const solucion s = funcionSolucionU(m);
        EXPECT_EQ(consola.texto().find("Advertencia"), std::string::npos)
            << "modelo " << k << ": " << consola.texto();
        reaccionesEquilibranCargas(m, s, porCaso, k);
    }
}
