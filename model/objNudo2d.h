// One node (joint) of the plane frame: position, restraints, springs, point
// loads per load case, one load row per combination, and its results.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

#include "valorEn.h"

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
    void setCombo(std::string combo, double factor, std::string caso);

    // Solver.
    Eigen::Vector3i getGdl();
    Eigen::Vector3i getApoyo() const;
    Eigen::MatrixXd getCargasGlobales() const;  // c x 3
    double getResorteX() const;
    double getResorteY() const;
    double getResorteGiro() const;
    void setDesplazamientos(Eigen::MatrixXd d);  // 3 x c
    void setReacciones(Eigen::MatrixXd r);       // 3 x c

    // Report and viewer.
    int getNoNudo() const;
    int getNoNudoUsuario() const;
    double getX() const;
    double getY() const;
    int getCantidadDeCombos() const;
    std::string getNombreCombo(int i) const;
    int getNumeroDeCombo(std::string nombre) const;
    double getPxCombo(int i) const;
    double getPyCombo(int i) const;
    double getMzCombo(int i) const;
    double getDesplazamientoX(int i) const;
    double getDesplazamientoY(int i) const;
    double getGiroZ(int i) const;
    double getReaccionX(int i) const;
    double getReaccionY(int i) const;
    double getReaccionM(int i) const;

  private:
    int numeroDeNudo = 0;
    int numeroNudoUsuario = 0;
    double x = 0;
    double y = 0;
    std::vector<std::string> nombresCargasPuntuales;
    Eigen::MatrixXd cargasPuntuales;  // n x 3: Px, Py, Mz
    Eigen::Vector3i apoyo;
    Eigen::Vector3i gdl;
    Eigen::Vector3d resorte;
    std::vector<std::string> nombresCombos;
    Eigen::MatrixXd cargasGlobales;       // c x 3
    Eigen::MatrixXd desplazamientosNudo;  // 3 x c
    Eigen::MatrixXd reaccionesNudo;       // 3 x c
};
