// generarPortico S B [archivo]: writes the input file of a rectangular frame
// with S storeys and B bays (default archivo "portico-SxB.txt").
//   Storey height 3, bay 5; nodes numbered floor by floor from the left base;
//   bars: all columns (storey by storey, left to right), then all beams.
//   Fixed bases; columns "COL40" 0.4 x 0.4, beams "VIG30x60" 0.3 x 0.6, both
//   E = 2.5e7 and specific weight 25. Case "Q": uniform transverse load −20
//   on every beam; case "W": point load 10 along X at the left node of every
//   floor. Combinations "GRAV" = 1 Q and "GRAV_VIENTO" = 1 Q + 1 W.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cout << "Uso: generarPortico pisos vanos [archivo]" << std::endl;
        return 1;
    }
    const int pisos = std::atoi(argv[1]);
    const int vanos = std::atoi(argv[2]);
    if (pisos < 1 || vanos < 1) {
        std::cout << "Los pisos y los vanos deben ser al menos 1" << std::endl;
        return 1;
    }
    const std::string nombre =
        argc >= 4 ? argv[3]
                  : "portico-" + std::to_string(pisos) + "x" + std::to_string(vanos) + ".txt";
    std::ofstream f(nombre);
    if (!f) {
        std::cout << "No se pudo escribir " << nombre << std::endl;
        return 1;
    }
    // Node number of column line i (0 = left) at floor p (0 = base).
    auto nudoEn = [&](int p, int i) { return p * (vanos + 1) + i + 1; };

    f << "Portico rectangular generado para medir tiempos\n";
    f << "nudos:\n";
    for (int p = 0; p <= pisos; ++p)
        for (int i = 0; i <= vanos; ++i) f << nudoEn(p, i) << " " << 5 * i << " " << 3 * p << "\n";

    f << "barras:\n";
    int n = 0;
    for (int p = 0; p < pisos; ++p)
        for (int i = 0; i <= vanos; ++i)
            f << ++n << " " << nudoEn(p, i) << " " << nudoEn(p + 1, i) << "\n";
    const int columnas = n;
    for (int p = 1; p <= pisos; ++p)
        for (int i = 0; i < vanos; ++i)
            f << ++n << " " << nudoEn(p, i) << " " << nudoEn(p, i + 1) << "\n";
    const int barras = n;

    f << "apoyo: 1 1 1";
    for (int i = 0; i <= vanos; ++i) f << " " << nudoEn(0, i);
    f << "\nseccionRectangular: COL40 0.4 0.4 2.5e7 25";
    for (int b = 1; b <= columnas; ++b) f << " " << b;
    f << "\nseccionRectangular: VIG30x60 0.3 0.6 2.5e7 25";
    for (int b = columnas + 1; b <= barras; ++b) f << " " << b;
    f << "\ndistribuidaLocal: Q 0 0 -20 -20";
    for (int b = columnas + 1; b <= barras; ++b) f << " " << b;
    f << "\npuntual: W 10 0 0";
    for (int p = 1; p <= pisos; ++p) f << " " << nudoEn(p, 0);
    f << "\ncombo: GRAV 1 Q\n";
    f << "combo: GRAV_VIENTO 1 Q 1 W\n";
    return 0;
}
