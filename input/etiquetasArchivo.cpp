#include "etiquetasArchivo.h"

const std::vector<etiquetaArchivo>& etiquetasDelArchivo() {
    static const std::vector<etiquetaArchivo> etiquetas = {
        // Geometry, sections and hinges.
        {"nudos:", false, false},
        {"barras:", false, false},
        {"seccionRectangular:", true, false},
        {"seccionGenerica:", true, false},
        {"articulacion:", false, false},
        // Supports and springs.
        {"apoyo:", false, false},
        {"resorte:", false, false},
        {"apoyoInclinado:", false, false},
        // Loads of a named case: on nodes, along whole bars, inside bars.
        {"puntual:", true, false},
        {"distribuidaLocal:", true, false},
        {"distribuidaGlobal:", true, false},
        {"pesoPropio:", true, false},
        {"puntualLocal:", true, false},
        {"puntualGlobal:", true, false},
        {"distribuidaLocalParcial:", true, false},
        {"distribuidaGlobalParcial:", true, false},
        // Imposed deformations of a named case.
        {"asentamiento:", true, false},
        {"temperatura:", true, false},
        // Combinations.
        {"combo:", true, true},
        // Paths and trains of moving loads.
        {"recorrido:", true, false},
        {"tren:", true, false},
        // Analyses beside the linear one: second order, masses, subdivision.
        {"segundoOrden:", false, false},
        {"masa:", false, false},
        {"gravedad:", false, false},
        {"subdivisiones:", false, false},
        // Display settings.
        {"escalaDeflexion:", false, false},
        {"escalaM:", false, false},
        {"escalaV:", false, false},
        {"escalaN:", false, false},
        {"escalaTexto:", false, false},
        {"escalaApoyo:", false, false},
        {"escalaCarga:", false, false},
        {"precision:", false, false},
    };
    return etiquetas;
}
