// Paths over which a load can move, and the trains that move over them.
#pragma once

#include <string>
#include <vector>

// Bars (internal indexes) in the order of travel; each shares a node with
// the one before it.
struct recorrido {
    std::string nombre;
    std::vector<int> barras;
};

// A train: a uniform load q per unit length of bar (placed where it makes an
// effect worse) and axle loads ejes[0] (the leading one) .. ejes[n - 1],
// separaciones[i] between axles i and i + 1; downward magnitudes.
struct tren {
    std::string nombre;
    double q = 0;
    std::vector<double> ejes;
    std::vector<double> separaciones;
    // Distance from the leading axle to axle i.
    double distanciaAlEje(std::size_t i) const {
        double d = 0;
        for (std::size_t k = 0; k < i && k < separaciones.size(); ++k) d += separaciones[k];
        return d;
    }
    double largo() const { return ejes.empty() ? 0.0 : distanciaAlEje(ejes.size() - 1); }
};
