// The sections of "resultados.txt", in the order the report writes them.
#pragma once

#include "modelo.h"
#include "salidaReporte.h"
#include "solucion.h"

// Second order only: which analysis gave the results, and the
// combinations without a second-order solution.
void escribirAnalisis(salidaReporte& s, const modelo& m, const solucion& r);
// Node coordinates (user numbers) and support flags (internal indexes).
void escribirNudosYApoyos(salidaReporte& s, const modelo& m);
// Each bar's data, freedoms and global stiffness; the structure stiffness.
void escribirRigideces(salidaReporte& s, const modelo& m, const solucion& r);
// Distributed loads per combination, equivalent loads, the loads inside the
// bars (only when some bar has them), structure loads.
void escribirCargas(salidaReporte& s, const modelo& m, const solucion& r);
// Structure displacements, bar end displacements, integration constants.
void escribirDesplazamientos(salidaReporte& s, const modelo& m, const solucion& r);
// Axial force, shear and moment at both ends of every bar per combination.
void escribirSolicitaciones(salidaReporte& s, const modelo& m, const solucion& r);
