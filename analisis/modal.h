// Natural vibration modes of the structure: the lowest ω with
// K·φ = ω²·M·φ, M the consistent translational mass of every sub-element
// (A·γ/g per unit length when "gravedad:" is given) plus the nodes' masses,
// with the effective mass fraction of every mode along X and Y.
#pragma once

#include <Eigen/Dense>

#include "modelo.h"
#include "subdivisionModelo.h"

constexpr int modosVibracionPorDefecto = 6;

struct resultadoModal {
    bool estable = false;
    bool conMasa = false;
    bool convergio = true;
    double masaTotal = 0;
    Eigen::VectorXd omega;  // ascending, radians per unit of time
    // masa_x = (φᵀ·M·r_x)² / (φᵀ·M·φ) / m_total, M the whole mass matrix
    // (supports included), φ zero at the restrained freedoms, r_x the unit
    // rigid translation along X; masa_y likewise.
    Eigen::VectorXd masaX, masaY;
    Eigen::MatrixXd modos;  // 3N x modes: X, Y, rotation of each user node
    Eigen::MatrixXd formas;  // the same scale, every node of the subdivided model
    modeloSubdividido sub;   // where the shapes live (for drawing them)
};

// The n lowest modes, with one console line (or why there are none).
resultadoModal funcionModal(const modelo& m, int n);
