// The sections of "resultados.txt", in the order the report writes them.
#pragma once

#include <ostream>

// Node coordinates (user numbers) and support flags (internal indexes).
void escribirNudosYApoyos(std::ostream& s);
// Each bar's data, freedoms and global stiffness; the structure stiffness.
void escribirRigideces(std::ostream& s);
// Distributed loads per combination, equivalent loads, structure loads.
void escribirCargas(std::ostream& s);
// Structure displacements, bar end displacements, integration constants.
void escribirDesplazamientos(std::ostream& s);
// Axial force, shear and moment at both ends of every bar per combination.
void escribirSolicitaciones(std::ostream& s);
