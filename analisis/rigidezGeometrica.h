// Geometric stiffness of a bar under a constant axial force N (N > 0
// tension), consistent with the cubic shape functions of the bending
// element, on the transverse freedoms (v1, θ1, v2, θ2) of its local axes
// (McGuire, Gallagher & Ziemian, Matrix Structural Analysis, 2nd ed., ch. 9):
//   Kg = N/(30L)·[ 36,  3L,  -36,  3L;
//                  3L,  4L², -3L, -L²;
//                 -36, -3L,   36, -3L;
//                  3L, -L²,  -3L,  4L²]
// It adds the moment N·(v2 - v1) of the axial force over the chord's offset
// to the end moments (P-Delta); the axial rows are zero. At a released end
// the bar's rotation follows its spring (elementoLiberado.h).
#pragma once

#include "objBarra2d.h"

matriz6 rigidezGeometricaLocal(double N, double L, double EI, double ai, double af);

// The same for bar b, with its length, E·I and fixity.
matriz6 rigidezGeometricaBarra(const objBarra2d& b, double N);
