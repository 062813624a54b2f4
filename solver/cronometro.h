// Wall-clock seconds a stage takes, for the stage timings of the front ends
// and the benchmarks.
#pragma once

#include <chrono>

template <class F>
double segundosDe(F etapa) {
    const auto inicio = std::chrono::steady_clock::now();
    etapa();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
}
