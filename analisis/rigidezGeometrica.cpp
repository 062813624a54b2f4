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
    ponerTransversalCondensada(k, kg, L, EI, ai, af);
    return k;
}

matriz6 rigidezGeometricaBarra(const objBarra2d& b, double N) {
    if (!b.nudosConocidos() || b.esLongitudCero()) return matriz6::Zero();
    return rigidezGeometricaLocal(N, b.getLongitud(), b.getModE() * b.getInercia(),
                                  b.getFactorArticulacionInicio(), b.getFactorArticulacionFin());
}
