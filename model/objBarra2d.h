// One straight prismatic bar of the plane frame as the input describes it:
// numbers, end nodes, section, material, end fixity and its loads kept by
// load case; its stiffness with end fixity. Its loads in a combination and
// its results belong to the combination and the solution (resultadosBarra).
#pragma once

#include <Eigen/Dense>
#include <array>
#include <string>
#include <vector>

#include "cargaBarra.h"
#include "combinaciones.h"

using matriz6 = Eigen::Matrix<double, 6, 6>;

class objBarra2d {
  public:
    objBarra2d();

    // Input-side data.
    void resetFlags();
    void setNumeroDeBarra(int n);
    void setNumeroBarraUsuario(int n);
    void setNudoInicio(int i, double x, double y);
    void setNudoFinal(int j, double x, double y);
    void setNudoInicioUsuario(int n);
    void setNudoFinalUsuario(int n);
    void setNombreDeSeccion(std::string s);
    void setSeccionRectangular(double b, double h);
    void setSeccionGenerica(double a, double i);
    void setModuloE(double e);
    void setPesoEspecifico(double g);
    void setArticulacion(double ri, double rf);
    // Full-length distributed loads: in local axes, or along a fixed global
    // direction (dx, dy) and stored as their local components; self weight.
    void setCargaLocal(std::string caso, double ai, double af, double qi, double qf);
    void setCargaGlobal(std::string caso, double qi, double qf, double dx, double dy);
    void setPesoPropio(std::string caso);
    // Any load already in local axes.
    void agregarCarga(std::string caso, const cargaBarra& carga);

    double getLongitud() const;
    double getAngulo() const;
    // Both end nodes (with their coordinates) are known.
    bool nudosConocidos() const;
    // True when both end nodes are set and coincide: the bar then takes no
    // part in the analysis (zero stiffness, loads and constants).
    bool esLongitudCero() const;
    std::string getNombreDeSeccion() const;
    int getNoBarra() const;
    int getNoBarraUsuario() const;
    int getNudoInicio() const;
    int getNudoFinal() const;
    int getNudoInicioUsuario() const;
    int getNudoFinalUsuario() const;
    double getXi() const;
    double getYi() const;
    double getXf() const;
    double getYf() const;
    double getArea() const;
    double getInercia() const;
    double getModE() const;
    double getPesoEspecifico() const;
    int getArticulacionInicio() const;
    int getArticulacionFin() const;
    double getFactorArticulacionInicio() const;
    double getFactorArticulacionFin() const;
    const std::vector<cargaDeCaso>& getCargas() const;
    // The bar's loads in combination c.
    cargasEnCombo getCargasCombo(const comboCarga& c) const;

    // Stiffness and transformation.
    Eigen::VectorXi getGdl() const;
    Eigen::MatrixXd getT() const;
    Eigen::MatrixXd getKLocal() const;
    Eigen::MatrixXd getKGlobal() const;
    // K_local for the result stages: zero, without a message, when the bar
    // lacks section, modulus or length.
    matriz6 rigidezLocalSiHayDatos() const;
    // Section, modulus and known end nodes: the stiffness can be formed.
    bool tieneDatosDeRigidez() const;

  private:
    // Positions in flagsBarra; an entry is 1 once its datum is set.
    enum flagBarra : int {
        flagNumero = 0,         // setNumeroDeBarra
        flagNudoInicio = 1,     // setNudoInicio: node and coordinates
        flagNudoFinal = 2,      // setNudoFinal: node and coordinates
        flagNombreSeccion = 3,  // setNombreDeSeccion
        flagSeccion = 4,        // area and inertia
        flagModulo = 5,         // setModuloE
        cantidadFlagsBarra = 6
    };
    // Length and angle from the end coordinates, once both are known.
    void calcularGeometria();
    matriz6 rigidezLocal() const;
    Eigen::Matrix<double, 6, 6> transformacion() const;

    std::array<int, cantidadFlagsBarra> flagsBarra{};
    int numeroDeBarra = 0;
    int numeroBarraUsuario = 0;
    int nudoInicio = 0;
    int nudoFinal = 0;
    double articulacionInicio = 1.0;
    double articulacionFin = 1.0;
    int nudoInicioUsuario = 0;
    int nudoFinalUsuario = 0;
    double xi = 0, yi = 0;
    double xf = 0, yf = 0;
    std::string nombreDeSeccion;
    double area = 0;
    double inercia = 0;
    double moduloE = 0;
    double pesoEspecifico = 0;
    std::vector<cargaDeCaso> cargas;
    double longitud = 0;
    double angulo = 0;
};
