#include "funcionLeerArchivo.h"

#include "avisoEtiquetas.h"
#include "lecturaInterna.h"

// Builds the model in the fixed order that the later steps rely on: nodes
// complete before any bar copies their coordinates, supports before their
// settlements, sections (with the specific weight and the stiffness a
// temperature load takes) before the bar loads, and the display settings
// last; then the bars that no section reached, and the analyses beside
// the linear one.
modelo funcionLeerArchivo(const std::string& nombreArchivo) {
    using namespace lectura;
    modelo m;

    claseLeerArchivo lector;
    lector.setNombreArchivo(nombreArchivo);
    // A misspelt tag first: what follows in the console may be its effect.
    if (lector.archivoLeido()) avisarEtiquetasDesconocidas(nombreArchivo, lector);

    Eigen::MatrixXd tablaNudos;
    std::vector<filaBarra> filasBarras;
    leerTablas(m, lector, tablaNudos, filasBarras);
    crearNudos(m, tablaNudos);

    leerApoyos(m, lector);
    leerResortes(m, lector);
    leerCargasPuntuales(m, lector);
    leerAsentamientos(m, lector);
    leerCombos(m, lector);
    avisarCombosNudos(lector.getNoEtiquetas("combo:") > 0);

    crearBarras(m, filasBarras);
    leerSecciones(m, lector);
    leerArticulaciones(m, lector);

    leerCargasLocales(m, lector);
    leerCargasGlobales(m, lector);
    leerPesoPropio(m, lector);
    leerCargasEnTramos(m, lector);
    avisarCombosBarras(m);
    leerRecorridos(m, lector);
    leerTrenes(m, lector);

    leerAjustes(m, lector);
    avisarBarrasSinSeccion(m);
    leerAnalisis(m, lector);
    return m;
}
