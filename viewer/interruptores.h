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
    colorPorCombo = 12,     // each active combination in a colour of its own
    influencia = 13,        // the influence line of the chosen response along the first path
    textoDiagramas = 14,    // values on diagrams, loads and the deformed shape (Alt+T)
    lineasInteriores = 15,  // inner lines of the N, V and M diagrams (Alt+F)
    marcadoresNudos = 16,   // node spheres (Alt+N)
    tren = 17,              // N, V and M as the envelope of the first train over the first path
    capaModos = 18,         // a buckling or vibration mode ("pandeo", "modal")
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
