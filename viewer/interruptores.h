// Indexes of the display switches in `flags`, and the key codes that the
// command line reacts to. A switch is a counter, on while odd.
#pragma once

namespace interruptor {
enum : int {
    tagNudos = 0,       // node numbers
    tagBarras = 1,      // bar numbers
    secciones = 2,      // section names
    capaDeformada = 3,  // result layers 3 to 8: at most one is on
    capaAxial = 4,
    capaCortante = 5,
    capaMomento = 6,
    capaCargas = 7,
    capaReacciones = 8,
    apoyos = 9,             // supports and springs
    ayuda = 10,             // help text on screen (F1)
    envolvente = 11,        // N, V and M as the envelope of the active combinations
    capaModos = 12,         // a buckling or vibration mode ("pandeo", "modal")
    textoDiagramas = 14,    // values on diagrams, loads and the deformed shape (Alt+T)
    lineasInteriores = 15,  // inner lines of the N, V and M diagrams (Alt+F)
    marcadoresNudos = 16,   // node spheres (Alt+N)
    primerCombo = 100,      // combination c is active at primerCombo + c
};
// First and last result layer.
const int primeraCapa = capaDeformada;
const int ultimaCapa = capaReacciones;
}  // namespace interruptor

// Ordinary keys with a meaning of their own.
namespace codigoTecla {
enum : unsigned char {
    retroceso = 8,
    enter = 13,  // carriage return
    escape = 27,
};
}  // namespace codigoTecla
