// Stages of funcionSolucionU, in the order it runs them. They work on the
// solver globals of globales.h; split out so that each file has one job.
#pragma once

#include <Eigen/Dense>

// Freedom numbering, assembly of kEstructura and pCombo (bars, nodal loads,
// springs) and partition into free and restrained blocks.
void ensamblarYParticionar(int nNudos, int nCombos);

// uLibres from kLL·uLibres = pL for every combination with one full-pivoting
// LU; the full displacements u; results handed to nodes and bars; reactions.
void resolverYDistribuir(int nNudos, int nCombos);

// One warning per combination whose equilibrium residual at the free
// freedoms, kLL·uLibres − pL, is not negligible or not finite.
void verificarEquilibrio(int nCombos);

// True when g is a freedom number of a structure of nNudos nodes.
inline bool gdlEnRango(int g, int nNudos) {
    return g >= 0 && g < 3 * nNudos;
}
