#include "formatoNumero.h"

#include <cstdio>

std::string formatearNumero(double valor, int decimales, bool cientifica) {
    // printf precision beyond the buffer only produces digits that are cut
    // off anyway; keep it in a range every C library accepts.
    if (decimales < 0) decimales = 0;
    if (decimales > 99) decimales = 99;
    char formato[20];
    std::snprintf(formato, sizeof formato, cientifica ? "%%.%de" : "%%.%df", decimales);
    char texto[100];
    std::snprintf(texto, sizeof texto, formato, valor);
    return texto;
}
