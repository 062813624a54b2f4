#include <algorithm>

#include "escrituraMatrices.h"
#include "seccionesReporte.h"

void escribirDesplazamientos(salidaReporte& s, const modelo& m, const solucion& r) {
    s << "\n\n"
      << "VECTOR DE DESPLAZAMIENTOS"
      << "\n"
      << r.u << "\n";

    s << "\n\n"
      << "VECTOR DE DESPLAZAMIENTOS GLOBALES Y LOCALES PARA CADA BARRA"
      << "\n";
    const char* const globales[6] = {"ux: ", "uy: ", "Giro: ", "ux: ", "uy: ", "Giro: "};
    const char* const locales[6] = {"u1: ", "u2: ", "u3: ", "u4: ", "u5: ", "u6: "};
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
        s << "Desplazamientos Globales [uGlobal]:\n";
        escribirSeisFilas(s, r.barras[i].getDesplazamientosGlobales(), globales);
        s << "Desplazamientos Locales [uLocal] = [T]*[uGlobal]:\n";
        escribirSeisFilas(s, r.barras[i].getDesplazamientosLocales(), locales);
        s << "\n";
    }

    s << "\n\n"
      << "CONSTANTES DE INTEGRACIÓN DE CADA BARRA:"
      << "\n";
    const char* const constantes[6] = {"A: ", "B: ", "C1: ", "C2: ", "C3: ", "C4: "};
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
        s << "Constantes:\n";
        escribirSeisFilas(s, r.barras[i].getConstantesIntegracion(), constantes);
        s << "\n";
    }
}

// End values come from the bar's sampling functions with two stations:
// column 0 at the start node, column 1 at the end node. Combinations the bar
// holds no results for are not written.
void escribirSolicitaciones(salidaReporte& s, const modelo& m, const solucion& r) {
    s << "\n\n"
      << "SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:\n";
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        const resultadosBarra& b = r.barras[i];
        const int combos = std::min(std::max(m.noCombos, 0), b.combosConResultados());
        for (int c = 0; c < combos; ++c) {
            const Eigen::MatrixXd n = b.getSolicitacionAxial(c, 2);
            const Eigen::MatrixXd v = b.getSolicitacionCortante(c, 2);
            const Eigen::MatrixXd mo = b.getSolicitacionMomento(c, 2);
            s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
            s << "combo: " << c + 1 << "\n";
            s << "N_inicio: " << n(1, 0) << "\n";
            s << "N_fin: " << n(1, 1) << "\n";
            s << "V_inicio: " << v(1, 0) << "\n";
            s << "V_fin: " << v(1, 1) << "\n";
            s << "M_inicio: " << mo(1, 0) << "\n";
            s << "M_fin: " << mo(1, 1) << "\n";
        }
        s << "\n";
    }
}
