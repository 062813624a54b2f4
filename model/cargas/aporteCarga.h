// What every kind of bar load gives, in the bar's local axes (x from the
// start node along the bar, y a quarter turn counter-clockwise from x) for a
// bar of length L. Sign conventions of the results along a bar:
//   N > 0 tension; M > 0 bends the bar concave toward local +y (E·I·v'' = M);
//   V = dM/dx and dV/dx = q, q positive along local +y.
#pragma once

#include <Eigen/Dense>
#include <vector>

// Six end actions (N, V, M at the start; N, V, M at the end), local axes.
using accionesExtremo = Eigen::Matrix<double, 6, 1>;

// Side of a point where a load makes a force jump: just before it (toward
// the start node) or just after it.
enum class lado { antes, despues };

// -0.0 is the neutral element of the sum in floating point (x + -0.0 == x
// for every x, the sign of a zero included): sums of contributions start
// from it, and a load that adds nothing gives it.
constexpr double ceroNeutro = -0.0;

// Contribution of one load at a section x:
//   N: axial force beyond the straight line between the bar's end axial
//      forces (zero at both ends);
//   V, M, EIv: shear, moment and E·I times the deflection due to the load
//      between the start node and x alone (Macaulay's terms: zero at x = 0),
//      added to the homogeneous solution fixed by the end forces.
struct aporteCarga {
    double N = ceroNeutro;
    double V = ceroNeutro;
    double M = ceroNeutro;
    double EIv = ceroNeutro;
    aporteCarga& operator+=(const aporteCarga& o) {
        N += o.N;
        V += o.V;
        M += o.M;
        EIv += o.EIv;
        return *this;
    }
};

// Resultant of a load in local axes: force along x and along y, and its
// moment about the start node (counter-clockwise positive).
struct resultanteLocal {
    double axial = 0;
    double transversal = 0;
    double momentoInicio = 0;
    resultanteLocal& operator+=(const resultanteLocal& o) {
        axial += o.axial;
        transversal += o.transversal;
        momentoInicio += o.momentoInicio;
        return *this;
    }
};

// A point strictly inside the bar where a load makes N, V or M jump (salto)
// or only changes their slope (a kink).
struct puntoSingular {
    double x;
    bool salto;
};

// V(x) = c0 + c1·x + c2·x² on one piece between singular points.
struct polinomioCortante {
    double c0 = 0;
    double c1 = 0;
    double c2 = 0;
    polinomioCortante& operator+=(const polinomioCortante& o) {
        c0 += o.c0;
        c1 += o.c1;
        c2 += o.c2;
        return *this;
    }
};

// One labelled value of a load as the report lists it ("a= 2").
struct campoCarga {
    const char* nombre;
    double valor;
};
