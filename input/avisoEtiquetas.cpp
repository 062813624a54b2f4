#include "avisoEtiquetas.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <sstream>
#include <vector>

#include "etiquetasArchivo.h"
#include "lecturaInterna.h"

namespace {

// The byte-order mark some editors put at the start of a UTF-8 file.
const std::string marcaOrdenBytes = "\xEF\xBB\xBF";

// A word this many edits (letters changed, added, removed or swapped) from a
// tag is a misspelling of it: one for short tags, two from this length on.
const std::size_t largoParaDosErrores = 6;

std::string minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Edits between two words (optimal string alignment: substitutions,
// insertions, deletions and swaps of two neighbours), byte by byte.
std::size_t distancia(const std::string& a, const std::string& b) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = 0; i <= n; ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= m; ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t cambio = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cambio});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[n][m];
}

const etiquetaArchivo* etiquetaConocida(const std::string& palabra) {
    for (const etiquetaArchivo& e : etiquetasDelArchivo()) {
        if (palabra == e.etiqueta) return &e;
    }
    return nullptr;
}

void avisar(int linea, const std::string& palabra) {
    const std::string parecida = etiquetaParecida(palabra);
    lectura::advertir("línea " + std::to_string(linea) + ": la etiqueta " + palabra + " no existe" +
                      (parecida.empty() ? "" : " (¿" + parecida + "?)") +
                      "; se ignoran sus valores");
}

}  // namespace

std::string etiquetaParecida(const std::string& palabra) {
    const std::string buscada = minusculas(palabra);
    std::string mejor;
    std::size_t menor = 0;
    for (const etiquetaArchivo& e : etiquetasDelArchivo()) {
        const std::string etiqueta = e.etiqueta;
        // The tag's letters without its colon set how many errors it allows.
        const std::size_t permitidos = etiqueta.size() - 1 >= largoParaDosErrores ? 2 : 1;
        const std::size_t d = distancia(buscada, minusculas(etiqueta));
        if (d > permitidos || (!mejor.empty() && d >= menor)) continue;
        mejor = etiqueta;
        menor = d;
    }
    return mejor;
}

void avisarEtiquetasDesconocidas(const std::string& nombreArchivo, claseLeerArchivo& lector) {
    std::ifstream archivo(nombreArchivo, std::ios::binary);
    if (!archivo.is_open()) return;
    // The whole file at once, walked word by word as the reader splits it
    // (white space as the stream takes it), counting line ends.
    std::ostringstream leido;
    leido << archivo.rdbuf();
    const std::string texto = leido.str();
    std::size_t p =
        texto.compare(0, marcaOrdenBytes.size(), marcaOrdenBytes) == 0 ? marcaOrdenBytes.size() : 0;
    // What the next words are: a name, factor / load-case pairs (a factor
    // just read: its load case comes next), or anything.
    bool nombre = false, pares = false, caso = false;
    const etiquetaArchivo* ultima = nullptr;  // the last known tag read
    int linea = 1;
    const auto blanco = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (p < texto.size()) {
        if (blanco(texto[p])) {
            linea += texto[p] == '\n';
            ++p;
            continue;
        }
        const std::size_t inicio = p;
        while (p < texto.size() && !blanco(texto[p])) ++p;
        const std::string palabra = texto.substr(inicio, p - inicio);
        if (nombre) {
            nombre = false;
            pares = ultima->conPares;
            continue;
        }
        if (pares) {
            // The same tag in a load case's place ends the pairs, as the
            // reader takes it.
            if (caso && palabra != ultima->etiqueta) {
                caso = false;
                continue;
            }
            if (!caso && lector.esNumero(palabra)) {
                caso = true;
                continue;
            }
            pares = caso = false;
        }
        // Every tag ends in ':'; other words are data or free text.
        if (palabra.back() != ':') continue;
        if (const etiquetaArchivo* e = etiquetaConocida(palabra)) {
            ultima = e;
            nombre = e->conNombre;
            continue;
        }
        avisar(linea, palabra);
    }
}
