// The largest and smallest effect of a train running over a path, from the
// response's influence line: Σ P_i·η(s_i) of its axles on the path, plus q
// over the stretches where the line has the sign that makes the effect
// worse (q·∫η⁺ for the largest, q·∫η⁻ for the smallest). The leading axle
// P1 stands at s0; travelling from the path's start ("+") axle i stands at
// s0 - d_i, travelling back ("-") at s0 + d_i; the train enters and leaves
// the path, an axle off it carries nothing.
//
// Exact, not sampled: as s0 moves, E(s0) is a cubic between the positions
// where an axle reaches a piece end of the line (a bar end, a jump or a
// kink, or an end of the path); on each such interval its extremes are at
// the interval's ends (each axle on the side of the interval, so both sides
// of a jump count) or where its derivative vanishes. An interval whose
// bound (each axle at the extreme of its piece) cannot beat the best found
// is passed over.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "lineaInfluencia.h"
#include "recorridos.h"

struct extremoTren {
    double valor = 0;
    double s = 0;          // position of the leading axle
    bool adelante = true;  // "+" travelling from the path's start, "-" back
};

struct extremosTren {
    extremoTren maximo;
    extremoTren minimo;
};

// The positions of a train over a line's pieces: for each way of travel,
// the intervals of s0 and, in each, the piece under every axle on the path.
// It depends on the train and on where the pieces end, not on their values,
// so the lines of many responses with the same pieces share it.
class planTren {
  public:
    planTren(const std::vector<piezaLinea>& piezas, double longitud, const tren& t);
    // The pieces end where these do.
    bool sirveParaPiezas(const std::vector<piezaLinea>& piezas) const;

    struct ejeEnPieza {
        int eje;
        int pieza;
        double alfa, beta;  // the piece's own t = alfa + beta·τ
    };
    struct intervalo {
        double a, b;  // s0 from a (τ = 0) to b (τ = 1)
        bool adelante;
        std::vector<ejeEnPieza> ejes;
    };
    const std::vector<intervalo>& intervalos() const { return lista; }

  private:
    std::vector<double> bordes;  // where the pieces end, in order
    std::vector<intervalo> lista;
};

extremosTren extremosDelTren(const lineaInfluencia& linea, const tren& t);
// The same with a plan made for the line's pieces.
extremosTren extremosDelTren(const lineaInfluencia& linea, const tren& t, const planTren& plan);
