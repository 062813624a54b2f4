// Input file text of a rectangular frame with S storeys and B bays, for the
// benchmarks and the tests of large models.
//   Storey height 3, bay 5; nodes numbered floor by floor from the left base;
//   bars: all columns (storey by storey, left to right), then all beams.
//   Fixed bases; columns "COL40" 0.4 x 0.4, beams "VIG30x60" 0.3 x 0.6, both
//   E = 2.5e7 and specific weight 25. Case "Q": uniform transverse load −20
//   on every beam; case "W": point load 10 along X at the left node of every
//   floor. Combinations "GRAV" = 1 Q and "GRAV_VIENTO" = 1 Q + 1 W.
// Variants:
//   puntuales       case "P": a point force of -30 across every beam at
//                   mid-span, in both combinations.
//   nudoSuelto      a mistake: one more node (the next number, at x = -5 on
//                   the base line) that no bar reaches, loaded by case W, so
//                   that GRAV_VIENTO loads it and GRAV does not.
//   pisoArticulado  a mistake: the columns of the middle storey (storey
//                   S / 2 counted from 0 at the base) hinged at both ends;
//                   what stands above can sway freely (a mechanism).
#pragma once

#include <ostream>
#include <string>

enum class variantePortico { sano, puntuales, nudoSuelto, pisoArticulado };

// The variant named on the generator's command line; sano for anything else.
inline variantePortico varianteDeNombre(const std::string& nombre) {
    if (nombre == "puntuales") return variantePortico::puntuales;
    if (nombre == "nudoSuelto") return variantePortico::nudoSuelto;
    if (nombre == "pisoArticulado") return variantePortico::pisoArticulado;
    return variantePortico::sano;
}

constexpr double alturaPisoPortico = 3;
constexpr double luzVanoPortico = 5;
constexpr double cargaVigasPortico = -20;
constexpr double vientoPisoPortico = 10;

constexpr double puntualVigasPortico = -30;

inline void escribirPorticoRectangular(std::ostream& f, int pisos, int vanos,
                                       variantePortico variante = variantePortico::sano) {
    const bool puntuales = variante == variantePortico::puntuales;
    // Node number of column line i (0 = left) at floor p (0 = base).
    auto nudoEn = [&](int p, int i) { return p * (vanos + 1) + i + 1; };
    const int nudoSuelto = nudoEn(pisos, vanos) + 1;

    f << "Portico rectangular generado para medir tiempos\n";
    f << "nudos:\n";
    for (int p = 0; p <= pisos; ++p)
        for (int i = 0; i <= vanos; ++i)
            f << nudoEn(p, i) << " " << luzVanoPortico * i << " " << alturaPisoPortico * p << "\n";
    if (variante == variantePortico::nudoSuelto)
        f << nudoSuelto << " " << -luzVanoPortico << " 0\n";

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
    f << "\ndistribuidaLocal: Q 0 0 " << cargaVigasPortico << " " << cargaVigasPortico;
    for (int b = columnas + 1; b <= barras; ++b) f << " " << b;
    f << "\npuntual: W " << vientoPisoPortico << " 0 0";
    for (int p = 1; p <= pisos; ++p) f << " " << nudoEn(p, 0);
    if (variante == variantePortico::nudoSuelto) f << " " << nudoSuelto;
    if (variante == variantePortico::pisoArticulado) {
        // Columns are numbered storey by storey, vanos + 1 per storey.
        const int piso = pisos / 2;
        f << "\narticulacion: 0 0";
        for (int i = 1; i <= vanos + 1; ++i) f << " " << piso * (vanos + 1) + i;
    }
    if (puntuales) {
        f << "\npuntualLocal: P " << luzVanoPortico / 2 << " 0 " << puntualVigasPortico << " 0";
        for (int b = columnas + 1; b <= barras; ++b) f << " " << b;
    }
    const char* const terminoP = puntuales ? " 1 P" : "";
    f << "\ncombo: GRAV 1 Q" << terminoP << "\n";
    f << "combo: GRAV_VIENTO 1 Q 1 W" << terminoP << "\n";
}
