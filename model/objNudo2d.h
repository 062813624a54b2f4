// One node (joint) of the plane frame as the input describes it: position,
// restraints, springs and point loads kept by load case. Its loads in a
// combination and its results belong to the combination and the solution.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "combinaciones.h"

// A point load at the node: forces along global X and Y and a moment about
// Z (counter-clockwise positive), of one load case.
struct cargaNudo {
    std::string caso;
    Eigen::Vector3d valor;
};

class objNudo2d {
  public:
    objNudo2d();

    // Input (reader).
    void setNumeroDeNudo(int n);
    void setNumeroNudoUsuario(int n);
    void setCoordenadas(double x, double y);
    void setCargaPuntual(std::string caso, double px, double py, double mz);
    void setApoyo(int rx, int ry, int rgiro);
    void setResorte(double kx, double ky, double kgiro);

    // Freedoms 3n (X), 3n + 1 (Y), 3n + 2 (rotation) of node n.
    Eigen::Vector3i getGdl() const;
    Eigen::Vector3i getApoyo() const;
    double getResorteX() const;
    double getResorteY() const;
    double getResorteGiro() const;
    int getNoNudo() const;
    int getNoNudoUsuario() const;
    double getX() const;
    double getY() const;
    const std::vector<cargaNudo>& getCargasPuntuales() const;

    // Px, Py, Mz of the node in combination c.
    Eigen::Vector3d getCargasCombo(const comboCarga& c) const;

  private:
    int numeroDeNudo = 0;
    int numeroNudoUsuario = 0;
    double x = 0;
    double y = 0;
    std::vector<cargaNudo> cargasPuntuales;
    Eigen::Vector3i apoyo;
    Eigen::Vector3d resorte;
};
