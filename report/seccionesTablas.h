// The files of the folder "resultados-tablas", each written by its own
// function from the solved model held in the global lists.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Names of combinations 0 .. noCombos - 1 as the input gave them.
std::vector<std::string> nombresDeCombos();
// Combinations 0 .. k - 1 with results on bar b, at most noCombos.
std::vector<int> combosDeBarra(int indiceBarra);

// nudo,combo,ux,uy,giro
void escribirTablaDesplazamientos(std::ostream& s);
// nudo,combo,Rx,Ry,Mz for the nodes with a support or a spring.
void escribirTablaReacciones(std::ostream& s);
// barra,combo and N, V, M at both ends.
void escribirTablaExtremos(std::ostream& s);
// barra,combo,x,N,V,M,v at the 21 stations.
void escribirTablaEstaciones(std::ostream& s);
// barra,combo and the exact extremes of N, V, M with their positions.
void escribirTablaMaximos(std::ostream& s);
// barra,x and the envelope of N, V, M over every combination.
void escribirTablaEnvolventes(std::ostream& s);
// The summary for a person, "resumen.txt".
void escribirResumen(std::ostream& s);
