// Results of one node in every combination: its displacements and its
// reactions, one column per combination.
#pragma once

#include <Eigen/Dense>

#include "objNudo2d.h"

class resultadosNudo {
  public:
    resultadosNudo() = default;
    // d: X and Y displacement and rotation; r: K·u - P at the node's
    // freedoms (3 x c each). K holds the spring stiffness k on the diagonal,
    // so the row of a sprung direction includes k·u; the reported reaction
    // is the support's own share r - k·u. At a free sprung direction r is
    // the zero residual and this is the spring force -k·u; at a restrained
    // one u = 0 and the support reaction r is kept.
    resultadosNudo(const objNudo2d& n, Eigen::MatrixXd d, Eigen::MatrixXd r);

    int getCantidadDeCombos() const;
    double getDesplazamientoX(int i) const;
    double getDesplazamientoY(int i) const;
    double getGiroZ(int i) const;
    double getReaccionX(int i) const;
    double getReaccionY(int i) const;
    double getReaccionM(int i) const;

  private:
    Eigen::MatrixXd desplazamientosNudo;  // 3 x c
    Eigen::MatrixXd reaccionesNudo;       // 3 x c
};
