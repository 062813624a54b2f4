#include "escrituraMatrices.h"
#include "seccionesReporte.h"

namespace {

// The loads inside the bars (point loads and partial loads) per bar and
// combination, in local axes, one line each: "puntual: a= 2 Px= 0 ...".
// Bars without such loads are left out.
void escribirCargasEnTramos(salidaReporte& s, const modelo& m, const solucion& r) {
    s << "\n\n"
      << "CARGAS EN TRAMOS DE CADA BARRA:\n";
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        const resultadosBarra& b = r.barras[i];
        bool nombrada = false;
        for (int c = 0; c < b.getCantidadDeCombos(); ++c) {
            const std::vector<cargaBarra>& tramos = b.getCargasCombo(c).tramos;
            if (tramos.empty()) continue;
            if (!nombrada) s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
            nombrada = true;
            s << "combo: " << c + 1 << "\n";
            for (const cargaBarra& carga : tramos) {
                std::visit(
                    [&](const auto& k) {
                        s << k.nombre << ":";
                        for (const campoCarga& f : k.campos())
                            s << " " << f.nombre << "= " << f.valor;
                        s << "\n";
                    },
                    carga);
            }
        }
        if (nombrada) s << "\n";
    }
}

// Some bar of the model carries a load inside its span.
bool hayCargasEnTramos(const modelo& m) {
    for (const objBarra2d& b : m.barra) {
        for (const cargaDeCaso& c : b.getCargas()) {
            if (!std::holds_alternative<cargaTrapecial>(c.carga)) return true;
        }
    }
    return false;
}

}  // namespace

void escribirCargas(salidaReporte& s, const modelo& m, const solucion& r) {
    // Combination rows of the full-length distributed loads, one column per line.
    s << "\n\n"
      << "CARGAS DISTRIBUIDAS LOCALES PARA CADA BARRA:\n";
    const char* const distribuidas[4] = {
        "f_paralela_inicio: ", "f_paralela_fin: ", "q_perpend_inicio: ", "q_perpend_fin: "};
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
        const Eigen::MatrixXd q = r.barras[i].getMatrizCargasCombo();
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
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
        s << "fuerzas Equivalentes LOCALES:\n";
        escribirSeisFilas(s, r.barras[i].getCargasEquivalentesLocales(), locales);
        s << "fuerzas Equivalentes GLOBALES:\n";
        escribirSeisFilas(s, r.barras[i].getCargasEquivalentesGlobales(), globales);
        s << "\n";
    }

    if (hayCargasEnTramos(m)) escribirCargasEnTramos(s, m, r);

    s << "\n\n"
      << "VECTOR DE CARGAS DE TODA LA ESTRUCTURA"
      << "\n"
      << r.pCombo << "\n";
}
