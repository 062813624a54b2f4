#include "comaDecimal.h"

#include <cctype>

namespace {

// Position after the run of digits that starts at i.
std::size_t finDeDigitos(const std::string& t, std::size_t i) {
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
    return i;
}

// Position after an optional + or - at i.
std::size_t trasSigno(const std::string& t, std::size_t i) {
    return i < t.size() && (t[i] == '+' || t[i] == '-') ? i + 1 : i;
}

}  // namespace

// [sign] digits "," digits [(e|E) [sign] digits], the whole token.
bool usaComaDecimal(const std::string& token) {
    const std::size_t enteros = trasSigno(token, 0);
    const std::size_t coma = finDeDigitos(token, enteros);
    if (coma == enteros || coma >= token.size() || token[coma] != ',') return false;
    const std::size_t decimales = coma + 1;
    const std::size_t fin = finDeDigitos(token, decimales);
    if (fin == decimales) return false;
    if (fin == token.size()) return true;
    if (token[fin] != 'e' && token[fin] != 'E') return false;
    const std::size_t exponente = trasSigno(token, fin + 1);
    const std::size_t finExponente = finDeDigitos(token, exponente);
    return finExponente > exponente && finExponente == token.size();
}

std::string conPuntoDecimal(const std::string& token) {
    std::string t = token;
    for (char& c : t) {
        if (c == ',') c = '.';
        if (c == 'E') c = 'e';
    }
    return t;
}
