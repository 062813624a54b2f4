// Consistent mass of a bar of mass m per unit length, translational inertia
// only (no rotary inertia of the section), in its local axes
// (Przemieniecki, Theory of Matrix Structural Analysis, ch. 11):
//   axial (u1, u2):              m·L/6·[2, 1; 1, 2]
//   transverse (v1, θ1, v2, θ2): m·L/420·[156, 22L, 54, -13L;
//                                          22L, 4L², 13L, -3L²;
//                                          54, 13L, 156, -22L;
//                                         -13L, -3L², -22L, 4L²]
// the kinetic energy of the cubic shape functions of the bending element;
// at a released end the bar's rotation follows its spring
// (elementoLiberado.h).
#pragma once

#include "objBarra2d.h"

matriz6 masaConsistenteLocal(double m, double L, double EI, double ai, double af);

// Mass per unit length of bar b when its self weight counts as mass: its
// weight A·γ per unit length over the acceleration of gravity g (0 when g
// is not positive).
double masaPorLongitud(const objBarra2d& b, double g);
