#include "funcionImprimirResultados.h"

#include <algorithm>
#include <iostream>

#include "escrituraMatrices.h"
#include "globales.h"
#include "seccionesReporte.h"

namespace {
bool ultimoReporteEscrito = false;
}

bool reporteEscrito() {
    return ultimoReporteEscrito;
}

// The report in its fixed order: model data and the intermediate matrices of
// the method, then the results. Only reads the model and the solver globals.
void funcionImprimirResultados() {
    ultimoReporteEscrito = false;
    if (resultados.is_open()) resultados.close();
    resultados.clear();
    resultados.open("resultados.txt");
    if (!resultados.is_open()) {
        std::cout << "Advertencia: no se pudo abrir resultados.txt para escribir; no se escribe el "
                     "reporte"
                  << std::endl;
        resultados.clear();
        return;
    }

    escribirNudosYApoyos(resultados);
    escribirRigideces(resultados);
    escribirCargas(resultados);
    escribirDesplazamientos(resultados);
    escribirSolicitaciones(resultados);
    resultados << "\n\n";

    resultados.close();
    ultimoReporteEscrito = !resultados.fail();
    if (!ultimoReporteEscrito) {
        std::cout << "Advertencia: no se pudo escribir completo resultados.txt" << std::endl;
    }
    resultados.clear();
}
