// Bar freedoms, rotation to local axes and stiffness with end fixity.
#include <cmath>
#include <iostream>

#include "objBarra2d.h"

// Freedoms of the two ends: node k owns 3k (ux), 3k + 1 (uy), 3k + 2 (rotation).
Eigen::VectorXi objBarra2d::getGdl() {
    gdl = Eigen::VectorXi::Zero(6);
    if (nudosConocidos()) {
        flagsBarra[flagGdl] = 1;
        gdl << 3 * nudoInicio, 3 * nudoInicio + 1, 3 * nudoInicio + 2, 3 * nudoFinal,
            3 * nudoFinal + 1, 3 * nudoFinal + 2;
    } else {
        std::cout << "Definir primero los nudos de la barra" << std::endl;
    }
    return gdl;
}

// Local = T · global, with c = cos θ, s = sin θ rotating each end's (ux, uy)
// and leaving the rotation unchanged.
Eigen::MatrixXd objBarra2d::getT() {
    matrizT = Eigen::MatrixXd::Zero(6, 6);
    if (flagsBarra[flagAngulo] != 1) {
        std::cout << "Calcular primero el ángulo de la barra" << std::endl;
        return matrizT;
    }
    flagsBarra[flagTransformacion] = 1;
    const double c = std::cos(angulo);
    const double s = std::sin(angulo);
    for (int e = 0; e < 6; e += 3) {
        matrizT(e, e) = c;
        matrizT(e, e + 1) = s;
        matrizT(e + 1, e) = -s;
        matrizT(e + 1, e + 1) = c;
        matrizT(e + 2, e + 2) = 1;
    }
    return matrizT;
}

// Local stiffness of a bar whose ends are joined to their nodes through
// rotational springs a/(1 - a)·E·I/L (a = 1 rigid, a = 0 hinge), condensed
// into the six end freedoms:
//   g = 12 - 8ai - 8af + 5ai·af,  β = E·I/(L³·g),  σ = ai + af - ai·af.
// A bar of zero length takes no part in the analysis: zero stiffness.
Eigen::MatrixXd objBarra2d::getKLocal() {
    if (flagsBarra[flagLongitud] == 0) longitud = getLongitud();
    kLocal = Eigen::MatrixXd::Zero(6, 6);
    if (flagsBarra[flagLongitud] == 1 && longitud == 0) {
        flagsBarra[flagRigidezLocal] = 1;
        return kLocal;
    }
    if (flagsBarra[flagSeccion] != 1 || flagsBarra[flagModulo] != 1 ||
        flagsBarra[flagLongitud] != 1) {
        std::cout << "No están definidas E, I o L de Elemento: " << numeroDeBarra << std::endl;
        return kLocal;
    }
    flagsBarra[flagRigidezLocal] = 1;

    const double L = longitud;
    const double ai = articulacionInicio;
    const double af = articulacionFin;
    const double ka = area * moduloE / L;
    const double g = 12 - 8 * ai - 8 * af + 5 * ai * af;
    const double beta = moduloE * inercia / (L * L * L * g);
    const double sigma = ai + af - ai * af;

    const double kvv = 12 * beta * sigma;             // transverse–transverse
    const double kv1 = 6 * beta * L * ai * (2 - af);  // transverse–start rotation
    const double kv2 = 6 * beta * L * af * (2 - ai);  // transverse–end rotation
    const double k11 = 4 * beta * L * L * ai * (3 - 2 * af);
    const double k22 = 4 * beta * L * L * af * (3 - 2 * ai);
    const double k12 = 2 * beta * L * L * ai * af;

    kLocal << ka, 0, 0, -ka, 0, 0,    //
        0, kvv, kv1, 0, -kvv, kv2,    //
        0, kv1, k11, 0, -kv1, k12,    //
        -ka, 0, 0, ka, 0, 0,          //
        0, -kvv, -kv1, 0, kvv, -kv2,  //
        0, kv2, k12, 0, -kv2, k22;
    return kLocal;
}

// K_global = Tᵀ · K_local · T, from the cached angle, T and K_local.
Eigen::MatrixXd objBarra2d::getKGlobal() {
    if (flagsBarra[flagAngulo] == 0) angulo = getAngulo();
    if (flagsBarra[flagTransformacion] == 0) getT();
    if (flagsBarra[flagRigidezLocal] == 0) getKLocal();
    kGlobal = matrizT.transpose() * kLocal * matrizT;
    return kGlobal;
}
