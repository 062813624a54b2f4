#include "funcionLeerArchivo.h"

#include "globales.h"
#include "lecturaInterna.h"

// Builds the model in the fixed order that the later steps rely on: nodes
// complete before any bar copies their coordinates, every load before the
// combinations that sum it, sections (with the specific weight) before self
// weight, and the display settings last.
void funcionLeerArchivo() {
    using namespace lectura;
    modeloResuelto = false;

    claseLeerArchivo lector;
    lector.setNombreArchivo(nombreArchivo);

    Eigen::MatrixXd tablaNudos;
    std::vector<filaBarra> filasBarras;
    leerTablas(lector, tablaNudos, filasBarras);
    crearNudos(tablaNudos);

    leerApoyos(lector);
    leerResortes(lector);
    leerCargasPuntuales(lector);
    const std::vector<combo> combos = leerCombos(lector);
    aplicarCombosNudos(combos, lector.getNoEtiquetas("combo:") > 0);

    crearBarras(filasBarras);
    leerSecciones(lector);
    leerArticulaciones(lector);

    leerCargasLocales(lector);
    leerCargasGlobales(lector);
    leerPesoPropio(lector);
    aplicarCombosBarras(combos);

    leerAjustes(lector);
}
