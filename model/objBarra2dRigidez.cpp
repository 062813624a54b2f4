// Bar freedoms, rotation to local axes and stiffness with end fixity.
#include <cmath>
#include <iostream>

#include "objBarra2d.h"

// Freedoms of the two ends: node k owns 3k (ux), 3k + 1 (uy), 3k + 2 (rotation).
Eigen::VectorXi objBarra2d::getGdl() const {
    Eigen::VectorXi gdl = Eigen::VectorXi::Zero(6);
    if (nudosConocidos()) {
        gdl << 3 * nudoInicio, 3 * nudoInicio + 1, 3 * nudoInicio + 2, 3 * nudoFinal,
            3 * nudoFinal + 1, 3 * nudoFinal + 2;
    } else {
        std::cout << "Definir primero los nudos de la barra" << std::endl;
    }
    return gdl;
}

// Local = T · global, with c = cos θ, s = sin θ rotating each end's (ux, uy)
// and leaving the rotation unchanged.
Eigen::Matrix<double, 6, 6> objBarra2d::transformacion() const {
    matriz6 t = matriz6::Zero();
    const double c = std::cos(angulo);
    const double s = std::sin(angulo);
    for (int e = 0; e < 6; e += 3) {
        t(e, e) = c;
        t(e, e + 1) = s;
        t(e + 1, e) = -s;
        t(e + 1, e + 1) = c;
        t(e + 2, e + 2) = 1;
    }
    return t;
}

Eigen::MatrixXd objBarra2d::getT() const {
    if (!nudosConocidos()) {
        std::cout << "Calcular primero el ángulo de la barra" << std::endl;
        return Eigen::MatrixXd::Zero(6, 6);
    }
    return transformacion();
}

bool objBarra2d::tieneDatosDeRigidez() const {
    return flagsBarra[flagSeccion] == 1 && flagsBarra[flagModulo] == 1 && nudosConocidos();
}

// Local stiffness of a bar whose ends are joined to their nodes through
// rotational springs a/(1 - a)·E·I/L (a = 1 rigid, a = 0 hinge), condensed
// into the six end freedoms:
//   g = 12 - 8ai - 8af + 5ai·af,  β = E·I/(L³·g),  σ = ai + af - ai·af.
// A bar of zero length takes no part in the analysis: zero stiffness.
matriz6 objBarra2d::rigidezLocal() const {
    matriz6 k = matriz6::Zero();
    if (esLongitudCero() || !tieneDatosDeRigidez()) return k;

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

    k << ka, 0, 0, -ka, 0, 0,         //
        0, kvv, kv1, 0, -kvv, kv2,    //
        0, kv1, k11, 0, -kv1, k12,    //
        -ka, 0, 0, ka, 0, 0,          //
        0, -kvv, -kv1, 0, kvv, -kv2,  //
        0, kv2, k12, 0, -kv2, k22;
    return k;
}

matriz6 objBarra2d::rigidezLocalSiHayDatos() const {
    return rigidezLocal();
}

Eigen::MatrixXd objBarra2d::getKLocal() const {
    if (!esLongitudCero() && !tieneDatosDeRigidez())
        std::cout << "No están definidas E, I o L de Elemento: " << numeroDeBarra << std::endl;
    return rigidezLocal();
}

// K_global = Tᵀ · K_local · T.
Eigen::MatrixXd objBarra2d::getKGlobal() const {
    if (!nudosConocidos()) getAngulo();
    const Eigen::MatrixXd t = getT();
    return t.transpose() * getKLocal() * t;
}
