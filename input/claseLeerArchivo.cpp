#include "claseLeerArchivo.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "comaDecimal.h"

namespace {

// Kinds of once-only warnings (keyed with the token position).
constexpr int avisoConversion = 0;
constexpr int avisoParIncompleto = 1;
constexpr int avisoAjuste = 2;
constexpr int avisoComaDecimal = 3;

// The UTF-8 byte-order mark that some editors (Windows Notepad's "UTF-8 with
// BOM") put before the first character of a file.
const std::string marcaOrdenBytes = "\xEF\xBB\xBF";

// Leading part of the token read as a double (2.5e gives 2.5). False when no
// number can be read from it or when it overflows a double (1e999).
bool convertirReal(const std::string& token, double& valor) {
    const char* inicio = token.c_str();
    char* fin = nullptr;
    errno = 0;
    const double v = std::strtod(inicio, &fin);
    if (fin == inicio || !std::isfinite(v)) return false;
    valor = v;
    return true;
}

// Leading part of the token read as a base-10 int (4.7 gives 4).
bool convertirEntero(const std::string& token, int& valor) {
    const char* inicio = token.c_str();
    char* fin = nullptr;
    errno = 0;
    const long v = std::strtol(inicio, &fin, 10);
    if (fin == inicio || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    valor = static_cast<int>(v);
    return true;
}

}  // namespace

claseLeerArchivo::claseLeerArchivo() {}

void claseLeerArchivo::setNombreArchivo(std::string nombre) {
    nombreArchivo = nombre;
    tokens.clear();
    indice.clear();
    avisados.clear();
    leido = false;

    // Opened for reading only: the input file is never written, and a
    // read-only file reads normally.
    std::ifstream archivo(nombreArchivo);
    if (archivo.is_open()) {
        std::string token;
        while (archivo >> token) tokens.push_back(token);
        leido = !archivo.bad();
    }
    // The byte-order mark is no text: without this, it would glue itself to
    // the first tag ("nudos:" would not be found).
    if (!tokens.empty() && tokens[0].rfind(marcaOrdenBytes, 0) == 0) {
        tokens[0].erase(0, marcaOrdenBytes.size());
        if (tokens[0].empty()) tokens.erase(tokens.begin());
    }
    if (!leido) {
        tokens.clear();
        std::cout << "Advertencia: no se pudo abrir el archivo " << nombreArchivo
                  << " para lectura; no se leyó ningún dato" << std::endl;
        return;
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) indice[tokens[i]].push_back(i);
}

const std::vector<std::size_t>& claseLeerArchivo::ocurrencias(const std::string& etiqueta) const {
    static const std::vector<std::size_t> ninguna;
    auto it = indice.find(etiqueta);
    return it == indice.end() ? ninguna : it->second;
}

void claseLeerArchivo::advertirUnaVez(std::size_t posicion, int clase, const std::string& texto) {
    if (!avisados.insert({posicion, clase}).second) return;
    std::cout << "Advertencia: " << texto << std::endl;
}

void claseLeerArchivo::avisarComaDecimal(std::size_t posicion, const std::string& etiqueta) {
    if (posicion >= tokens.size() || !usaComaDecimal(tokens[posicion])) return;
    advertirUnaVez(posicion, avisoComaDecimal,
                   "en " + etiqueta + " el valor " + tokens[posicion] +
                       " usa coma decimal; escriba " + conPuntoDecimal(tokens[posicion]));
}

bool claseLeerArchivo::esNumero(std::string token) {
    if (token.empty()) return false;
    for (char c : token) {
        if (std::string("1234567890+-.e").find(c) == std::string::npos) return false;
    }
    return true;
}

int claseLeerArchivo::getNoEtiquetas(std::string etiqueta) {
    return static_cast<int>(ocurrencias(etiqueta).size());
}

double claseLeerArchivo::convertirDato(std::size_t posicion, const std::string& etiqueta) {
    double valor = 0.0;
    if (convertirReal(tokens[posicion], valor)) return valor;
    advertirUnaVez(
        posicion, avisoConversion,
        "el valor " + tokens[posicion] + " de " + etiqueta + " no es un número válido; se toma 0");
    return 0.0;
}

// The value after the last occurrence of the tag wins. An occurrence whose
// next token is missing or is no valid number is skipped with a warning; when
// the tag is absent the reader's classic warning is printed. `clase` names the
// kind of value in the messages ("entero" or "real").
template <typename T, typename Conversion>
T claseLeerArchivo::valorDeAjuste(const std::string& etiqueta, T ausente, Conversion convertir,
                                  const std::string& clase, const std::string& invalido) {
    const auto& pos = ocurrencias(etiqueta);
    T resultado = ausente;
    std::size_t consumido = 0;  // the token after a match is read as its value
    bool hayConsumido = false;
    for (std::size_t p : pos) {
        if (hayConsumido && p <= consumido) continue;
        if (p + 1 >= tokens.size()) {
            advertirUnaVez(p, avisoAjuste,
                           etiqueta + " no tiene valor (fin del archivo); se ignora");
            continue;
        }
        consumido = p + 1;
        hayConsumido = true;
        T v{};
        if (esNumero(tokens[p + 1]) && convertir(tokens[p + 1], v)) {
            resultado = v;
        } else {
            avisarComaDecimal(p + 1, etiqueta);
            advertirUnaVez(p, avisoAjuste,
                           "el valor " + tokens[p + 1] + " de " + etiqueta + " no es " + invalido +
                               "; se ignora");
        }
    }
    if (pos.empty()) {
        std::cout << "Advertencia: no se encontró ningún " << clase << " con etiqueta " << etiqueta
                  << std::endl;
    }
    return resultado;
}

int claseLeerArchivo::getEntero(std::string etiqueta) {
    return valorDeAjuste(etiqueta, -1, convertirEntero, "entero", "un entero válido");
}

double claseLeerArchivo::getReal(std::string etiqueta) {
    return valorDeAjuste(etiqueta, -1.0, convertirReal, "real", "un número válido");
}

// Table of c columns: the numeric run after every occurrence of the tag,
// blocks joined in file order, stored row by row. A block whose count is not
// a multiple of c makes the whole table empty (0 x 0); a tag that never
// occurs gives 0 x c.
Eigen::MatrixXd claseLeerArchivo::getMatriz(std::string etiqueta, int columnas) {
    if (columnas <= 0) return Eigen::MatrixXd(0, 0);
    const auto& pos = ocurrencias(etiqueta);
    std::vector<std::size_t> datos;
    bool incompleto = false;
    for (std::size_t p : pos) {
        std::size_t enBloque = 0;
        std::size_t q = p + 1;
        for (; q < tokens.size() && esNumero(tokens[q]); ++q) {
            datos.push_back(q);
            ++enBloque;
        }
        avisarComaDecimal(q, etiqueta);
        if (enBloque % static_cast<std::size_t>(columnas) != 0) incompleto = true;
    }
    if (pos.size() > 1) {
        std::cout << "Advertencia: la etiqueta " << etiqueta << " aparece " << pos.size()
                  << " veces; sus datos se unen en el orden del archivo" << std::endl;
    }
    if (incompleto) {
        std::cout << "Faltan datos para completar la matriz " << etiqueta << std::endl;
        return Eigen::MatrixXd(0, 0);
    }
    const Eigen::Index filas = static_cast<Eigen::Index>(datos.size()) / columnas;
    Eigen::MatrixXd tabla(filas, columnas);
    for (std::size_t i = 0; i < datos.size(); ++i) {
        tabla(static_cast<Eigen::Index>(i) / columnas, static_cast<Eigen::Index>(i) % columnas) =
            convertirDato(datos[i], etiqueta);
    }
    return tabla;
}

std::string claseLeerArchivo::getString(std::string etiqueta, int ocurrencia) {
    const auto& pos = ocurrencias(etiqueta);
    if (ocurrencia < 1 || static_cast<std::size_t>(ocurrencia) > pos.size()) return "";
    const std::size_t siguiente = pos[ocurrencia - 1] + 1;
    return siguiente < tokens.size() ? tokens[siguiente] : "";
}

std::vector<double> claseLeerArchivo::getMatrizEtiquetaRepetida(std::string etiqueta,
                                                                int ocurrencia, int saltar) {
    std::vector<double> lista;
    const auto& pos = ocurrencias(etiqueta);
    if (ocurrencia < 1 || static_cast<std::size_t>(ocurrencia) > pos.size()) return lista;
    const std::size_t desde =
        pos[ocurrencia - 1] + 1 + static_cast<std::size_t>(std::max(saltar, 0));
    std::size_t q = desde;
    for (; q < tokens.size() && esNumero(tokens[q]); ++q) {
        lista.push_back(convertirDato(q, etiqueta));
    }
    avisarComaDecimal(q, etiqueta);
    return lista;
}

void claseLeerArchivo::recorrerPares(const std::string& etiqueta, int ocurrencia, int saltar,
                                     std::vector<double>* factores,
                                     std::vector<std::string>* nombres) {
    const auto& pos = ocurrencias(etiqueta);
    if (ocurrencia < 1 || static_cast<std::size_t>(ocurrencia) > pos.size()) return;
    const std::size_t p = pos[ocurrencia - 1];
    const std::size_t s = static_cast<std::size_t>(std::max(saltar, 0));
    std::size_t q = p + 1 + s;
    while (q < tokens.size() && esNumero(tokens[q])) {
        // A factor needs its case name; the end of the file or the next
        // occurrence of the same tag in the name position leaves it alone.
        if (q + 1 >= tokens.size() || tokens[q + 1] == etiqueta) {
            std::string entrada = etiqueta;
            for (std::size_t i = p + 1; i < p + 1 + s && i < tokens.size(); ++i) {
                entrada += " " + tokens[i];
            }
            advertirUnaVez(q, avisoParIncompleto,
                           "en " + entrada + " el factor " + tokens[q] +
                               " no tiene nombre de caso; se descarta");
            return;
        }
        if (factores) factores->push_back(convertirDato(q, etiqueta));
        if (nombres) nombres->push_back(tokens[q + 1]);
        q += 2;
    }
    avisarComaDecimal(q, etiqueta);
}

std::vector<double> claseLeerArchivo::getFactoresEtiqueta(std::string etiqueta, int ocurrencia,
                                                          int saltar) {
    std::vector<double> factores;
    recorrerPares(etiqueta, ocurrencia, saltar, &factores, nullptr);
    return factores;
}

std::vector<std::string> claseLeerArchivo::getNombresDeFactores(std::string etiqueta,
                                                                int ocurrencia, int saltar) {
    std::vector<std::string> nombres;
    recorrerPares(etiqueta, ocurrencia, saltar, nullptr, &nombres);
    return nombres;
}

long claseLeerArchivo::getPosicion(const std::string& etiqueta, int ocurrencia) const {
    const auto& pos = ocurrencias(etiqueta);
    if (ocurrencia < 1 || static_cast<std::size_t>(ocurrencia) > pos.size()) return -1;
    return static_cast<long>(pos[static_cast<std::size_t>(ocurrencia - 1)]);
}
