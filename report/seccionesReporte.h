// The sections of "resultados.txt", in the order the report writes them.
#pragma once

#include "salidaReporte.h"

// Node coordinates (user numbers) and support flags (internal indexes).
void escribirNudosYApoyos(salidaReporte& s);
// Each bar's data, freedoms and global stiffness; the structure stiffness.
void escribirRigideces(salidaReporte& s);
// Distributed loads per combination, equivalent loads, structure loads.
void escribirCargas(salidaReporte& s);
// Structure displacements, bar end displacements, integration constants.
void escribirDesplazamientos(salidaReporte& s);
// Axial force, shear and moment at both ends of every bar per combination.
void escribirSolicitaciones(salidaReporte& s);
