// One straight prismatic bar of the plane frame: data and loads from the
// input, stiffness with end fixity, equivalent loads, results from the end
// displacements, internal forces and deformed shape along the bar.
#pragma once

#include <Eigen/Dense>
#include <array>
#include <string>
#include <vector>

#include "valorEn.h"

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
    void setCargaLocal(std::string caso, double ai, double af, double qi, double qf);
    void setCargaGlobal(std::string caso, double qi, double qf, double dx, double dy);
    void setPesoPropio(std::string caso);
    void setCombo(std::string combo, double factor, std::string caso);

    double getLongitud();
    double getAngulo();
    // True when both end nodes are set and coincide: the bar then takes no
    // part in the analysis (zero stiffness, loads and constants).
    bool esLongitudCero();
    std::string getNombreDeSeccion() const;
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
    Eigen::MatrixXd getMatrizCargasCombo() const;  // c x 4
    double getFInicioCombo(int k) const;
    double getFFinCombo(int k) const;
    double getQInicioCombo(int k) const;
    double getQFinCombo(int k) const;
    int getCantidadDeCombos() const;

    // Stiffness and transformation.
    Eigen::VectorXi getGdl();
    Eigen::MatrixXd getT();
    Eigen::MatrixXd getKLocal();
    Eigen::MatrixXd getKGlobal();

    // Equivalent nodal loads (6 x c).
    Eigen::MatrixXd getCargasEquivalentesLocales();
    Eigen::MatrixXd getCargasEquivalentesGlobales();

    // Results from the end displacements (6 x c each).
    void setDesplazamientos(Eigen::MatrixXd d);
    Eigen::MatrixXd getDesplazamientosGlobales() const;
    Eigen::MatrixXd getDesplazamientosLocales() const;
    Eigen::MatrixXd getConstantesIntegracion() const;

    // Internal forces along the bar: 2 x n (row 0 abscissas, row 1 values).
    Eigen::MatrixXd getSolicitacionAxial(int combo, int n);
    Eigen::MatrixXd getSolicitacionCortante(int combo, int n);
    Eigen::MatrixXd getSolicitacionMomento(int combo, int n);
    double getXvcero(int combo);
    double getMmax(int combo);

    // Deformed shape: 2 x n global points, displacements times escala.
    Eigen::MatrixXd getBarraDeformada(int combo, int n, double escala);

  private:
    // Column combo of a 6-row result matrix, or zeros.
    Eigen::Matrix<double, 6, 1> columnaResultado(const Eigen::MatrixXd& m, int combo) const;
    // Cached T, K_local and L, built silently when their data are complete.
    Eigen::MatrixXd transformacion();
    Eigen::MatrixXd rigidezLocal();
    double longitudConocida();
    // Row 0 of a 2 x max(n, 2) matrix filled with the stations along the bar.
    Eigen::MatrixXd estaciones(int n);
    // Local end forces K_local·u_local - F_equivalent of one combination.
    Eigen::Matrix<double, 6, 1> fuerzasExtremo(int combo);

    // Positions in flagsBarra; an entry is 1 once its datum is set or its
    // cached value computed. Entries 13 to 19 are spare.
    enum flagBarra : int {
        flagNumero = 0,           // setNumeroDeBarra
        flagNudoInicio = 1,       // setNudoInicio: node and coordinates
        flagNudoFinal = 2,        // setNudoFinal: node and coordinates
        flagNombreSeccion = 3,    // setNombreDeSeccion
        flagSeccion = 4,          // area and inertia
        flagModulo = 5,           // setModuloE
        flagLongitud = 6,         // longitud cached
        flagAngulo = 7,           // angulo cached
        flagGdl = 8,              // gdl built
        flagTransformacion = 9,   // matrizT built
        flagRigidezLocal = 10,    // kLocal built
        flagCargasLocales = 11,   // cargasEquivalentesLocales built
        flagCargasGlobales = 12,  // cargasEquivalentesGlobales built
        cantidadFlagsBarra = 20
    };
    // Both end nodes (with their coordinates) are known.
    bool nudosConocidos() const;

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
    double xVcero = -1;
    std::vector<std::string> nombresCargasDistribuidasLocales;
    Eigen::MatrixXd cargasDistribuidasLocales;  // n x 4
    std::vector<std::string> nombresCargasDistribuidasGlobales;
    Eigen::MatrixXd cargasDistribuidasGlobales;  // n x 4, already local
    std::vector<std::string> nombresCombos;
    Eigen::MatrixXd matrizCargasCombo;  // c x 4
    Eigen::MatrixXd cargasEquivalentesLocales;
    Eigen::MatrixXd cargasEquivalentesGlobales;
    Eigen::MatrixXd desplazamientosGlobales;
    Eigen::MatrixXd desplazamientosLocales;
    Eigen::MatrixXd constantesIntegracion;
    double longitud = 0;
    double angulo = 0;
    Eigen::VectorXi gdl;
    Eigen::MatrixXd matrizT;
    Eigen::MatrixXd kLocal;
    Eigen::MatrixXd kGlobal;
};
