#include "rigidezGeometrica.h"

#include "elementoLiberado.h"

matriz6 rigidezGeometricaLocal(double N, double L, double EI, double ai, double af) {
    matriz6 k = matriz6::Zero();
    if (!(L > 0)) return k;
    matriz4 kg;
    kg << 36, 3 * L, -36, 3 * L,           //
        3 * L, 4 * L * L, -3 * L, -L * L,  //
        -36, -3 * L, 36, -3 * L,           //
        3 * L, -L * L, -3 * L, 4 * L * L;
    kg *= N / (30 * L);
    const matriz4 c = condensacionExtremos(L, EI, ai, af);
    const matriz4 kd = c.transpose() * kg * c;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) k(gdlTransversales[i], gdlTransversales[j]) = kd(i, j);
    return k;
}

matriz6 rigidezGeometricaBarra(const objBarra2d& b, double N) {
    if (!b.nudosConocidos() || b.esLongitudCero()) return matriz6::Zero();
    return rigidezGeometricaLocal(N, b.getLongitud(), b.getModE() * b.getInercia(),
                                  b.getFactorArticulacionInicio(), b.getFactorArticulacionFin());
}
