// End releases, one step for every kind of load: the clamped-clamped end
// actions of a bar turned into the equivalent loads of a bar whose ends are
// joined to their nodes through rotational springs a/(1 - a)·E·I/L (a = 1
// rigid joint, a = 0 hinge), the same end-spring model as the stiffness.
// The clamped moments m1, m2 are partly released through the springs and
// the shear h carries the released part back to the supports:
//   g = 12 - 8ai - 8af + 5ai·af
//   h = 6/(L·g)·((2 - af)(1 - ai)·m1 + (2 - ai)(1 - af)·m2)
//   M1 = (ai/g)·((4 - 3af)·m1 - 2(1 - af)·m2)
//   M2 = (af/g)·((4 - 3ai)·m2 - 2(1 - ai)·m1)
// Axial actions are not affected.
#pragma once

#include "aporteCarga.h"

inline accionesExtremo liberarExtremos(const accionesExtremo& empotradas, double L, double ai,
                                       double af) {
    const double mi0 = empotradas(2), mj0 = empotradas(5);
    const double g = 12 - 8 * ai - 8 * af + 5 * ai * af;
    const double h = 6 / (L * g) * ((2 - af) * (1 - ai) * mi0 + (2 - ai) * (1 - af) * mj0);
    const double mInicio = (ai / g) * ((4 - 3 * af) * mi0 - 2 * (1 - af) * mj0);
    const double mFin = (af / g) * ((4 - 3 * ai) * mj0 - 2 * (1 - ai) * mi0);
    accionesExtremo f;
    f << empotradas(0), empotradas(1) - h, mInicio, empotradas(3), empotradas(4) + h, mFin;
    return f;
}
