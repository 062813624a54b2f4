// The files of the folder "resultados-tablas", each written by its own
// function from a solved model.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "modelo.h"
#include "solucion.h"

// What every table is written from: the model, its solution and the name
// of the file it was read from.
struct datosTablas {
    const modelo& m;
    const solucion& s;
    std::string archivo;
};

// Names of combinations 0 .. noCombos - 1 as the input gave them.
std::vector<std::string> nombresDeCombos(const modelo& m);
// Combinations 0 .. k - 1 with results on bar i, at most noCombos.
std::vector<int> combosDeBarra(const datosTablas& d, int indiceBarra);

// nudo,combo,ux,uy,giro
void escribirTablaDesplazamientos(std::ostream& s, const datosTablas& d);
// nudo,combo,Rx,Ry,Mz for the nodes with a support or a spring.
void escribirTablaReacciones(std::ostream& s, const datosTablas& d);
// barra,combo and N, V, M at both ends.
void escribirTablaExtremos(std::ostream& s, const datosTablas& d);
// barra,combo,x,N,V,M,v at the 21 stations and both sides of every jump.
void escribirTablaEstaciones(std::ostream& s, const datosTablas& d);
// barra,combo and the exact extremes of N, V, M with their positions.
void escribirTablaMaximos(std::ostream& s, const datosTablas& d);
// barra,x and the envelope of N, V, M over every combination.
void escribirTablaEnvolventes(std::ostream& s, const datosTablas& d);
// The summary for a person, "resumen.txt".
void escribirResumen(std::ostream& s, const datosTablas& d);
