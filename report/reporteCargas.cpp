#include <type_traits>

#include "escrituraMatrices.h"
#include "seccionesReporte.h"

namespace {

// One load as the report lists it: "puntual: a= 2 Px= 0 Py= -10 Mz= 0".
void escribirCampos(salidaReporte& s, const char* nombre, const std::vector<campoCarga>& campos) {
    s << nombre << ":";
    for (const campoCarga& f : campos) s << " " << f.nombre << "= " << f.valor;
    s << "\n";
}

// A load that is not the full-length trapezoid, of the kind asked for:
// loads inside a span, or imposed deformations.
template <class Carga>
bool esDeLaSeccion(const Carga&, bool deformaciones) {
    return !std::is_same_v<Carga, cargaTrapecial> && Carga::deformacionImpuesta == deformaciones;
}

// The bars' loads of one section per bar and combination, in local axes and
// times their factors; bars without such loads are left out.
void escribirCargasDeBarras(salidaReporte& s, const modelo& m, const solucion& r,
                            bool deformaciones) {
    for (std::size_t i = 0; i < m.barra.size() && i < r.barras.size(); ++i) {
        const resultadosBarra& b = r.barras[i];
        bool nombrada = false;
        for (int c = 0; c < b.getCantidadDeCombos(); ++c) {
            bool comboNombrado = false;
            for (const cargaBarra& carga : b.getCargasCombo(c).tramos) {
                std::visit(
                    [&](const auto& k) {
                        if (!esDeLaSeccion(k, deformaciones)) return;
                        if (!nombrada) s << "#_barra: " << m.barra[i].getNoBarraUsuario() << "\n";
                        if (!comboNombrado) s << "combo: " << c + 1 << "\n";
                        nombrada = comboNombrado = true;
                        escribirCampos(s, k.nombre, k.campos());
                    },
                    carga);
            }
        }
        if (nombrada) s << "\n";
    }
}

// Some bar of the model carries a load of the section asked for.
bool hayCargasDeBarras(const modelo& m, bool deformaciones) {
    for (const objBarra2d& b : m.barra) {
        for (const cargaDeCaso& c : b.getCargas()) {
            if (std::visit([&](const auto& k) { return esDeLaSeccion(k, deformaciones); }, c.carga))
                return true;
        }
    }
    return false;
}

bool hayDeformacionesImpuestas(const modelo& m) {
    for (const objNudo2d& n : m.nudo)
        if (!n.getAsentamientos().empty() || n.esApoyoInclinado()) return true;
    return hayCargasDeBarras(m, true);
}

// Settlements per node and combination, the bars' temperatures, and the
// angle of every inclined support (degrees from global X, rotation flag).
void escribirDeformacionesImpuestas(salidaReporte& s, const modelo& m, const solucion& r) {
    s << "\n\n"
      << "DEFORMACIONES IMPUESTAS:\n";
    constexpr double gradosPorRadian = 180.0 / 3.141592653589793;
    for (const objNudo2d& n : m.nudo) {
        if (n.getAsentamientos().empty()) continue;
        s << "#_nudo: " << n.getNoNudoUsuario() << "\n";
        for (int c = 0; c < m.noCombos && c < static_cast<int>(m.combos.size()); ++c) {
            const Eigen::Vector3d d =
                n.getAsentamientosCombo(m.combos[static_cast<std::size_t>(c)]);
            s << "combo: " << c + 1 << "\n";
            escribirCampos(s, "asentamiento", {{"dX", d(0)}, {"dY", d(1)}, {"giro", d(2)}});
        }
        s << "\n";
    }
    escribirCargasDeBarras(s, m, r, true);
    for (const objNudo2d& n : m.nudo) {
        if (!n.esApoyoInclinado()) continue;
        s << "#_apoyoInclinado: " << n.getNoNudoUsuario() << "\n";
        escribirCampos(s, "apoyoInclinado",
                       {{"angulo", n.getAnguloApoyo() * gradosPorRadian},
                        {"giro", static_cast<double>(n.getApoyo()(2))}});
        s << "\n";
    }
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

    if (hayCargasDeBarras(m, false)) {
        s << "\n\n"
          << "CARGAS EN TRAMOS DE CADA BARRA:\n";
        escribirCargasDeBarras(s, m, r, false);
    }
    if (hayDeformacionesImpuestas(m)) escribirDeformacionesImpuestas(s, m, r);

    s << "\n\n"
      << "VECTOR DE CARGAS DE TODA LA ESTRUCTURA"
      << "\n"
      << r.pCombo << "\n";
}
