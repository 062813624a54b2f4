#include "envolventeDiagramas.h"

#include <cmath>

#include "estacionesBarra.h"
#include "estadoVisor.h"
#include "extremosBarra.h"
#include "formatoNumero.h"

namespace {

const envolventeEsfuerzo& deEsfuerzo(const envolventeBarra& b, esfuerzoBarra e) {
    return e == esfuerzoBarra::axial ? b.N : e == esfuerzoBarra::cortante ? b.V : b.M;
}

const extremosEsfuerzo& deEsfuerzo(const extremosBarra& b, esfuerzoBarra e) {
    return e == esfuerzoBarra::axial ? b.N : e == esfuerzoBarra::cortante ? b.V : b.M;
}

// v beats the kept value: larger (or smaller), or the kept one is a NaN.
bool supera(double v, double guardado, bool mayor) {
    return std::isnan(guardado) || (mayor ? v > guardado : v < guardado);
}

}  // namespace

curvasEnvolvente curvasDeEnvolvente(const resultadosBarra& b, esfuerzoBarra e,
                                    const std::vector<int>& combos) {
    const envolventeBarra todo = envolventeDeBarra(b, combos);
    const envolventeEsfuerzo& f = deEsfuerzo(todo, e);
    // Station 0 names no combination when none had results.
    if (f.comboMaximo.size() == 0 || f.comboMaximo(0) < 0) return {};
    return {todo.x, f.maximo, f.minimo};
}

std::vector<rotuloEnvolvente> rotulosDeEnvolvente(const resultadosBarra& b, esfuerzoBarra e,
                                                  const std::vector<int>& combos,
                                                  const std::vector<std::string>& nombres) {
    // extremosDeBarra leaves out the combinations without results: keep only
    // the others, so that its k-th entry is validos[k].
    const int conResultados = b.combosConResultados();
    std::vector<int> validos;
    for (int c : combos) {
        if (c >= 0 && c < conResultados) validos.push_back(c);
    }
    const std::vector<extremosBarra> extremos = extremosDeBarra(b, validos);
    if (extremos.empty()) return {};

    rotuloEnvolvente mayor{true, 0, 0, -1, lugarRotulo::interior, ""};
    rotuloEnvolvente menor{false, 0, 0, -1, lugarRotulo::interior, ""};
    for (size_t k = 0; k < extremos.size(); ++k) {
        const extremosEsfuerzo& f = deEsfuerzo(extremos[k], e);
        if (mayor.combo < 0 || supera(f.maximo.valor, mayor.valor, true)) {
            mayor.valor = f.maximo.valor;
            mayor.x = f.maximo.x;
            mayor.combo = validos[k];
        }
        if (menor.combo < 0 || supera(f.minimo.valor, menor.valor, false)) {
            menor.valor = f.minimo.valor;
            menor.x = f.minimo.x;
            menor.combo = validos[k];
        }
    }
    // The bar's length as its sampling functions see it, the abscissa of the
    // end station of the exact extremes.
    const double L = b.getLongitud();
    for (rotuloEnvolvente* r : {&mayor, &menor}) {
        r->lugar = r->x <= 0   ? lugarRotulo::inicio
                   : r->x >= L ? lugarRotulo::fin
                               : lugarRotulo::interior;
        const std::string nombre = r->combo < static_cast<int>(nombres.size())
                                       ? nombres[r->combo]
                                       : std::to_string(r->combo + 1);
        r->texto = formatearNumero(r->valor, precision, false) + " (" + nombre + ")";
    }
    return {mayor, menor};
}
