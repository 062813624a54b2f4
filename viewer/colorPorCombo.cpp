#include "colorPorCombo.h"

#include "estadoVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"

namespace {

// Bright colours (relative luminance 0.49 or more) that stay apart from
// each other on the black background (0.4 or more apart as RGB triples) and
// from the viewer's fixed colours (grey bars, green hinges and texts, dark
// red nodes, yellow supports, tags, the envelope's two): orange, azure,
// rose, yellow, violet, mint, white, lime.
const colorCombo paleta[coloresDePaleta] = {
    {{1.0, 0.6, 0.0}}, {{0.0, 0.8, 1.0}}, {{1.0, 0.4, 0.6}}, {{1.0, 1.0, 0.0}},
    {{0.6, 0.4, 1.0}}, {{0.4, 1.0, 0.7}}, {{1.0, 1.0, 1.0}}, {{0.6, 1.0, 0.0}},
};

// Inner lines of a diagram: its colour at this share of the brightness.
const double brilloInterior = 0.6;

}  // namespace

colorCombo colorDePaleta(int k) {
    return paleta[((k % coloresDePaleta) + coloresDePaleta) % coloresDePaleta];
}

bool colorPorComboActivo() {
    return flagActivo(interruptor::colorPorCombo);
}

int rangoDeCombo(int c) {
    if (c < 0 || c >= modeloVisor.noCombos || !flagActivo(interruptor::primerCombo + c)) return -1;
    int rango = 0;
    for (int k = 0; k < c; ++k) rango += flagActivo(interruptor::primerCombo + k) ? 1 : 0;
    return rango;
}

int cantidadCombosActivos() {
    int n = 0;
    for (int k = 0; k < modeloVisor.noCombos; ++k) n += flagActivo(interruptor::primerCombo + k);
    return n;
}

colorCombo colorDeCombo(int c) {
    const int rango = rangoDeCombo(c);
    return colorDePaleta(rango < 0 ? 0 : rango);
}

colorCombo colorInteriorDeCombo(int c) {
    colorCombo k = colorDeCombo(c);
    for (double& v : k.rgb) v *= brilloInterior;
    return k;
}

std::string sufijoDeCombo(int c) {
    if (!colorPorComboActivo() || c < 0 || c >= modeloVisor.noCombos) return "";
    return " (" + modeloVisor.nombreDelCombo(c) + ")";
}
