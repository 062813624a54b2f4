// One node (joint) of the plane frame as the input describes it: position,
// restraints (along global axes, or normal to an inclined surface), springs,
// and point loads and support settlements kept by load case. Its loads in a
// combination and its results belong to the combination and the solution.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "combinaciones.h"

// A point load at the node: forces along global X and Y and a moment about
// Z (counter-clockwise positive), of one load case; also a settlement of the
// support: displacement along X and Y and rotation.
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
    // Restraints along global X, Y and of the rotation (1 restrained, 0
    // free); a later call replaces an inclined support.
    void setApoyo(int rx, int ry, int rgiro);
    // Roller on a surface at `angulo` (radians, counter-clockwise from
    // global X): the translation normal to it is restrained, along it free;
    // rgiro restrains the rotation. Replaces an earlier support.
    void setApoyoInclinado(double angulo, int rgiro);
    void setResorte(double kx, double ky, double kgiro);
    void setAsentamiento(std::string caso, double dx, double dy, double giro);
    // Translational mass along X and Y ("masa:"); entries add up.
    void agregarMasa(double m);

    // Freedoms 3n (X), 3n + 1 (Y), 3n + 2 (rotation) of node n.
    Eigen::Vector3i getGdl() const;
    // Restraint flags; an inclined support shows (0, 0, rgiro): neither
    // global direction is restrained by itself.
    Eigen::Vector3i getApoyo() const;
    bool esApoyoInclinado() const;
    double getAnguloApoyo() const;
    // Unit vector normal to the surface of an inclined support, (-sin, cos).
    Eigen::Vector2d getNormalApoyo() const;
    double getResorteX() const;
    double getResorteY() const;
    double getResorteGiro() const;
    int getNoNudo() const;
    int getNoNudoUsuario() const;
    double getX() const;
    double getY() const;
    const std::vector<cargaNudo>& getCargasPuntuales() const;
    const std::vector<cargaNudo>& getAsentamientos() const;
    double getMasa() const;

    // Px, Py, Mz of the node in combination c.
    Eigen::Vector3d getCargasCombo(const comboCarga& c) const;
    // Settlement dX, dY, giro of the node in combination c.
    Eigen::Vector3d getAsentamientosCombo(const comboCarga& c) const;

  private:
    int numeroDeNudo = 0;
    int numeroNudoUsuario = 0;
    double x = 0;
    double y = 0;
    std::vector<cargaNudo> cargasPuntuales;
    std::vector<cargaNudo> asentamientos;
    Eigen::Vector3i apoyo;
    bool apoyoInclinado = false;
    double anguloApoyo = 0;
    Eigen::Vector3d resorte;
    double masa = 0;
};
