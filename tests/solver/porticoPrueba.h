// Rectangular frames of the benchmark's generator read through the input
// file, as a user's file would be, and the hand check of their reactions.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "archivoTemporal.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "porticoRectangular.h"

// Reads an input file text into a model (console discarded).
inline modelo leerModelo(const std::string& texto) {
    archivoTemporal f(texto);
    capturaConsola consola;
    return funcionLeerArchivo(f.nombre());
}

inline std::string textoPortico(int pisos, int vanos) {
    std::ostringstream s;
    escribirPorticoRectangular(s, pisos, vanos);
    return s.str();
}

// The frame's text with one more node, numbered numero, that no bar reaches.
inline std::string porticoConNudoSuelto(int pisos, int vanos, int numero) {
    std::string t = textoPortico(pisos, vanos);
    t.insert(t.find("barras:"), std::to_string(numero) + " -7 -7\n");
    return t;
}

// Base reactions of the generated frame against its loads (summed by hand):
// every beam carries −20 over 5, so ΣRy = 100·S·B; wind 10 along X at every
// floor of combination 1, so ΣRx = −10·S there. Both combinations, or only
// soloCombo.
inline void reaccionesEquilibranPortico(const solucion& s, int pisos, int vanos,
                                        int soloCombo = -1) {
    for (int c = 0; c < 2; ++c) {
        if (soloCombo >= 0 && c != soloCombo) continue;
        double rx = 0, ry = 0;
        for (const resultadosNudo& n : s.nudos) {
            rx += n.getReaccionX(c);
            ry += n.getReaccionY(c);
        }
        const double cargaY = -cargaVigasPortico * luzVanoPortico * pisos * vanos;
        const double cargaX = c == 1 ? vientoPisoPortico * pisos : 0;
        EXPECT_NEAR(ry, cargaY, 1e-8 * cargaY) << "combo " << c;
        EXPECT_NEAR(rx, -cargaX, 1e-8 * cargaY) << "combo " << c;
    }
}
