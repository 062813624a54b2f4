#include "capasResultados.h"

#include <algorithm>
#include <cmath>

#include "globales.h"
#include "interruptores.h"
#include "lineaComandos.h"

namespace {

// Below this share of the row's largest intensity a value is rounding.
const double fraccionDespreciable = 1e-12;

double visible(double valor, double mayor) {
    return std::abs(valor) < fraccionDespreciable * mayor ? 0.0 : valor;
}

}  // namespace

bool comboExiste(int c) {
    return c >= 0 && c < noCombos;
}

bool comboConResultados(int c) {
    return modeloResuelto && comboExiste(c);
}

std::vector<int> combosActivosConResultados() {
    std::vector<int> combos;
    for (int c = 0; c < noCombos; ++c) {
        if (flagActivo(interruptor::primerCombo + c) && comboConResultados(c)) combos.push_back(c);
    }
    return combos;
}

intensidadesCarga intensidadesDibujadas(const objBarra2d& b, int c) {
    const double fi = b.getFInicioCombo(c), ff = b.getFFinCombo(c);
    const double qi = b.getQInicioCombo(c), qf = b.getQFinCombo(c);
    const double mayor = std::max({std::abs(fi), std::abs(ff), std::abs(qi), std::abs(qf)});
    return {visible(fi, mayor), visible(ff, mayor), visible(qi, mayor), visible(qf, mayor)};
}
