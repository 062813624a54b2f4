// Answers questions about one text file of whitespace-separated tokens in
// which data stand after tags ("nudos:", "combo:", ...). Knows no tag names:
// every query opens the file, scans it from start to end and closes it.
#pragma once

#include <Eigen/Dense>
#include <string>
#include <vector>

class claseLeerArchivo {
  public:
    claseLeerArchivo();
    void setNombreArchivo(std::string nombre);

    int getNoEtiquetas(std::string etiqueta);
    int getEntero(std::string etiqueta);
    double getReal(std::string etiqueta);
    bool esNumero(std::string token);
    Eigen::MatrixXd getMatriz(std::string etiqueta, int columnas);
    std::string getString(std::string etiqueta, int ocurrencia);
    std::vector<double> getMatrizEtiquetaRepetida(std::string etiqueta, int ocurrencia, int saltar);
    std::vector<double> getFactoresEtiqueta(std::string etiqueta, int ocurrencia, int saltar);
    std::vector<std::string> getNombresDeFactores(std::string etiqueta, int ocurrencia, int saltar);

  private:
    std::string nombreArchivo;
};
