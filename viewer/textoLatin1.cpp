#include "textoLatin1.h"

std::string aLatin1(const std::string& texto) {
    std::string salida;
    for (size_t i = 0; i < texto.size(); ++i) {
        const unsigned char c = texto[i];
        if ((c == 0xC2 || c == 0xC3) && i + 1 < texto.size() &&
            (static_cast<unsigned char>(texto[i + 1]) & 0xC0) == 0x80) {
            salida += static_cast<char>(((c & 0x03) << 6) | (texto[i + 1] & 0x3F));
            ++i;
        } else {
            salida += static_cast<char>(c);
        }
    }
    return salida;
}
