// Tables of the buckling and vibration analyses, in the folder
// "resultados-tablas" (created when missing; no other file of it touched):
//   pandeo.csv            combo,modo,factor
//   modos-pandeo.csv      combo,modo,nudo,ux,uy,giro
//   modal.csv             modo,omega,frecuencia,periodo,masa_x,masa_y
//   modos-vibracion.csv   modo,nudo,ux,uy,giro
// Modes scaled as normalizacionModos.h says; nodes by their user numbers.
// A file or the folder that cannot be written gives one warning and false.
#pragma once

#include <ostream>

#include "modal.h"
#include "modelo.h"
#include "pandeo.h"

bool funcionEscribirPandeo(const modelo& m, const resultadoPandeo& p);
bool funcionEscribirModal(const modelo& m, const resultadoModal& r);

// The four tables, each to a stream.
void escribirTablaPandeo(std::ostream& s, const modelo& m, const resultadoPandeo& p);
void escribirTablaModosPandeo(std::ostream& s, const modelo& m, const resultadoPandeo& p);
void escribirTablaModal(std::ostream& s, const resultadoModal& r);
void escribirTablaModosVibracion(std::ostream& s, const modelo& m, const resultadoModal& r);
