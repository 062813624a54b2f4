#include "matrizMasa.h"

#include "elementoLiberado.h"

matriz6 masaConsistenteLocal(double m, double L, double EI, double ai, double af) {
    matriz6 k = matriz6::Zero();
    if (!(L > 0) || m == 0) return k;
    const double axial = m * L / 6;
    k(0, 0) = k(3, 3) = 2 * axial;
    k(0, 3) = k(3, 0) = axial;
    matriz4 mt;
    mt << 156, 22 * L, 54, -13 * L,             //
        22 * L, 4 * L * L, 13 * L, -3 * L * L,  //
        54, 13 * L, 156, -22 * L,               //
        -13 * L, -3 * L * L, -22 * L, 4 * L * L;
    mt *= m * L / 420;
    ponerTransversalCondensada(k, mt, L, EI, ai, af);
    return k;
}

double masaPorLongitud(const objBarra2d& b, double g) {
    if (!(g > 0)) return 0;
    return b.getArea() * b.getPesoEspecifico() / g;
}
