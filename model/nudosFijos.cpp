#include "nudosFijos.h"

#include "liberacionExtremos.h"
#include "lineaElastica.h"

// End forces with the ends fixed, p = -F (the released fixed-end actions),
// then the constants of the elastic line as resultadosBarra forms them:
// C2 = -M1, C1 = (M2 - M(L)|C1=0)/L.
esfuerzosSeccion esfuerzosConNudosFijos(const objBarra2d& b, const cargaPuntual& carga, double x,
                                        lado l) {
    esfuerzosSeccion e;
    if (!b.nudosConocidos() || b.esLongitudCero()) return e;
    const double L = b.getLongitud();
    const accionesExtremo f =
        liberarExtremos(carga.accionesEmpotramiento(L), L, b.getFactorArticulacionInicio(),
                        b.getFactorArticulacionFin());
    const double m1 = -f(2), m2 = -f(5);
    constantesBarra c = constantesBarra::Zero();
    c(3) = 0.0 - m1;
    c(2) = (m2 - momentoEn(c, carga.aporte(L, L, lado::antes), L)) / L;
    const aporteCarga a = carga.aporte(x, L, l);
    e.N = axialEn(f(0), -f(3), x, L, a);
    e.V = cortanteEn(c, a);
    e.M = momentoEn(c, a, x);
    return e;
}
