// A change of temperature of a bar, of one load case: alfa the coefficient
// of thermal expansion, dT the uniform change at the bar's axis and
// gradiente = (temperature of the +y face - temperature of the -y face) /
// depth. Unrestrained, the bar takes the free strain ε0 = alfa·dT and the
// free curvature κ0 = -alfa·gradiente (the warmer +y face lengthens, so the
// bar bends concave toward -y) with no internal force. E·A and E·I are the
// bar's, taken when the load is read.
//
// Clamped-clamped end actions, as loads on the nodes (the negatives of the
// forces that the clamps exert to keep the bar straight and at its length;
// Ghali & Neville, Structural Analysis, temperature in fixed-end forces):
//   N1 = -E·A·alfa·dT      N2 = E·A·alfa·dT        (the clamped bar is in
//   M1 = E·I·alfa·grad     M2 = -E·I·alfa·grad      compression N = -E·A·alfa·dT
//   V1 = V2 = 0                                      and bends with M = E·I·alfa·grad)
// Along the bar there is no load (V, M and N take no term of their own);
// the elastic line takes the free curvature, E·I·v'' = M + E·I·κ0:
//   E·I·v = -E·I·alfa·gradiente·x²/2.
// Resultant: none.
#pragma once

#include <vector>

#include "aporteCarga.h"

struct cargaTemperatura {
    double alfa = 0;
    double dT = 0;
    double gradiente = 0;
    double EA = 0;
    double EI = 0;

    static constexpr const char* nombre = "temperatura";
    static constexpr bool deformacionImpuesta = true;

    accionesExtremo accionesEmpotramiento(double) const {
        const double n = EA * alfa * dT, m = EI * alfa * gradiente;
        accionesExtremo f;
        f << -n, 0, m, n, 0, -m;
        return f;
    }

    aporteCarga aporte(double x, double, lado) const {
        aporteCarga a;
        a.EIv = -EI * alfa * gradiente * x * x / 2;
        return a;
    }

    polinomioCortante cortante(double, double) const { return {}; }

    bool axialVariable() const { return false; }

    resultanteLocal resultante(double) const { return {}; }

    void puntosSingulares(double, std::vector<puntoSingular>&) const {}

    cargaTemperatura escalada(double f) const { return {alfa, f * dT, f * gradiente, EA, EI}; }

    std::vector<campoCarga> campos() const {
        return {{"alfa", alfa}, {"dT", dT}, {"gradiente", gradiente}};
    }
};
