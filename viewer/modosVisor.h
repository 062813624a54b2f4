// Buckling and vibration modes in the window: the commands "pandeo" and
// "modal" switch the mode layer (switch capaModos) on for one kind of mode,
// showing mode 1 of the first active combination (buckling; the first
// combination when none is active) or of the structure (vibration), in the
// deformed-shape style at an automatic scale; "modo" then asks for the mode
// number. The modes are computed when asked for and again after a reload
// while the layer is on. No OpenGL here: the drawing is plotModos.cpp.
#pragma once

#include <string>

#include "modal.h"
#include "pandeo.h"

enum class tipoModo { ninguno, pandeo, modal };

extern const char* const preguntaModo;  // "Ingrese el número de modo:"

// The replies of the three commands (each ends in "Ingrese Comando:").
std::string alternarModos(tipoModo tipo);
std::string elegirModo(const std::string& linea);
// After a reload: the modes of the new model, when the layer is on.
void recalcularModos();

// What the layer draws: the kind, the mode (1-based), the subdivided model
// and the shape of every node of it (empty when there is nothing to draw),
// the title line and the drawing scale.
struct modoDibujado {
    tipoModo tipo = tipoModo::ninguno;
    int numero = 0;
    const modeloSubdividido* sub = nullptr;
    Eigen::VectorXd forma;
    std::string titulo;
    double escala = 0;
};
modoDibujado modoActual();
