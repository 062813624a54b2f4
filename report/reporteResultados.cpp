#include <algorithm>

#include "escrituraMatrices.h"
#include "globales.h"
#include "seccionesReporte.h"

void escribirDesplazamientos(salidaReporte& s) {
    s << "\n\n"
      << "VECTOR DE DESPLAZAMIENTOS"
      << "\n"
      << u << "\n";

    s << "\n\n"
      << "VECTOR DE DESPLAZAMIENTOS GLOBALES Y LOCALES PARA CADA BARRA"
      << "\n";
    const char* const globales[6] = {"ux: ", "uy: ", "Giro: ", "ux: ", "uy: ", "Giro: "};
    const char* const locales[6] = {"u1: ", "u2: ", "u3: ", "u4: ", "u5: ", "u6: "};
    for (const auto& b : barra) {
        s << "#_barra: " << b.getNoBarraUsuario() << "\n";
        s << "Desplazamientos Globales [uGlobal]:\n";
        escribirSeisFilas(s, b.getDesplazamientosGlobales(), globales);
        s << "Desplazamientos Locales [uLocal] = [T]*[uGlobal]:\n";
        escribirSeisFilas(s, b.getDesplazamientosLocales(), locales);
        s << "\n";
    }

    s << "\n\n"
      << "CONSTANTES DE INTEGRACIÓN DE CADA BARRA:"
      << "\n";
    const char* const constantes[6] = {"A: ", "B: ", "C1: ", "C2: ", "C3: ", "C4: "};
    for (const auto& b : barra) {
        s << "#_barra: " << b.getNoBarraUsuario() << "\n";
        s << "Constantes:\n";
        escribirSeisFilas(s, b.getConstantesIntegracion(), constantes);
        s << "\n";
    }
}

// End values come from the bar's sampling functions with two stations:
// column 0 at the start node, column 1 at the end node. Combinations the bar
// holds no results for are not written.
void escribirSolicitaciones(salidaReporte& s) {
    s << "\n\n"
      << "SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:\n";
    for (auto& b : barra) {
        const int combos = std::min<int>({std::max(noCombos, 0),
                                          static_cast<int>(b.getConstantesIntegracion().cols()),
                                          static_cast<int>(b.getDesplazamientosLocales().cols())});
        for (int c = 0; c < combos; ++c) {
            const Eigen::MatrixXd n = b.getSolicitacionAxial(c, 2);
            const Eigen::MatrixXd v = b.getSolicitacionCortante(c, 2);
            const Eigen::MatrixXd m = b.getSolicitacionMomento(c, 2);
            s << "#_barra: " << b.getNoBarraUsuario() << "\n";
            s << "combo: " << c + 1 << "\n";
            s << "N_inicio: " << n(1, 0) << "\n";
            s << "N_fin: " << n(1, 1) << "\n";
            s << "V_inicio: " << v(1, 0) << "\n";
            s << "V_fin: " << v(1, 1) << "\n";
            s << "M_inicio: " << m(1, 0) << "\n";
            s << "M_fin: " << m(1, 1) << "\n";
        }
        s << "\n";
    }
}
