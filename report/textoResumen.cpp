#include "textoResumen.h"

#include <cmath>
#include <cstdio>

std::string cifra(double v, double referencia) {
    if (std::abs(v) < umbralRuido * std::abs(referencia) || v == 0) return "0";
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.*g", cifrasResumen, v);
    return texto;
}

// Continuation bytes are 10xxxxxx.
std::size_t caracteres(const std::string& texto) {
    std::size_t n = 0;
    for (unsigned char c : texto) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string aDerecha(const std::string& texto, std::size_t ancho) {
    const std::size_t n = caracteres(texto);
    return n >= ancho ? texto : std::string(ancho - n, ' ') + texto;
}

std::string aIzquierda(const std::string& texto, std::size_t ancho) {
    const std::size_t n = caracteres(texto);
    return n >= ancho ? texto : texto + std::string(ancho - n, ' ');
}
