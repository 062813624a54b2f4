#include "escrituraMatrices.h"
#include "globales.h"
#include "seccionesReporte.h"

void escribirCargas(salidaReporte& s) {
    // Combination rows of the distributed loads, one column per line.
    s << "\n\n"
      << "CARGAS DISTRIBUIDAS LOCALES PARA CADA BARRA:\n";
    const char* const distribuidas[4] = {
        "f_paralela_inicio: ", "f_paralela_fin: ", "q_perpend_inicio: ", "q_perpend_fin: "};
    for (const auto& b : barra) {
        s << "#_barra: " << b.getNoBarraUsuario() << "\n";
        const Eigen::MatrixXd q = b.getMatrizCargasCombo();
        for (int k = 0; k < 4; ++k) {
            s << distribuidas[k];
            escribirColumnaComoFila(s, q, k);
            s << "\n";
        }
        s << "\n";
    }

    s << "\n\n"
      << "CARGAS EQUIVALENTES LOCALES Y GLOBALES PARA CADA BARRA:\n";
    const char* const locales[6] = {"F1: ", "F2: ", "M3: ", "F4: ", "F5: ", "M6: "};
    const char* const globales[6] = {"Fx1: ", "Fy2: ", "Mz3: ", "Fx4: ", "Fy5: ", "Mz6: "};
    for (auto& b : barra) {
        s << "#_barra: " << b.getNoBarraUsuario() << "\n";
        s << "fuerzas Equivalentes LOCALES:\n";
        escribirSeisFilas(s, b.getCargasEquivalentesLocales(), locales);
        s << "fuerzas Equivalentes GLOBALES:\n";
        escribirSeisFilas(s, b.getCargasEquivalentesGlobales(), globales);
        s << "\n";
    }

    s << "\n\n"
      << "VECTOR DE CARGAS DE TODA LA ESTRUCTURA"
      << "\n"
      << pCombo << "\n";
}
