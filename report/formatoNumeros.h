// Numbers as the report writes them, without streams: the stream's default
// text, general notation with 6 significant digits and trailing zeros
// dropped (the printf "%g" rule: exponent notation when the decimal exponent
// is below −4 or at least 6), which std::to_chars gives for the general
// format at precision 6.
#pragma once

#include <charconv>
#include <cmath>
#include <system_error>

// Longest text of a double in this format ("-1.23457e-308") or an int, with
// room to spare.
constexpr int largoMaximoNumero = 32;

// Writes v at p (at least largoMaximoNumero chars) and returns its length.
// Zeros, most of the structure stiffness, take a short path.
inline int formatearNumero(char* p, double v) {
    if (v == 0) {
        if (std::signbit(v)) {
            p[0] = '-';
            p[1] = '0';
            return 2;
        }
        p[0] = '0';
        return 1;
    }
    return static_cast<int>(
        std::to_chars(p, p + largoMaximoNumero, v, std::chars_format::general, 6).ptr - p);
}

inline int formatearNumero(char* p, int v) {
    return static_cast<int>(std::to_chars(p, p + largoMaximoNumero, v).ptr - p);
}
