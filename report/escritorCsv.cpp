#include "escritorCsv.h"

#include <charconv>
#include <system_error>

namespace {
// What is held before it goes to the stream: large writes, few calls.
constexpr std::size_t tamanoBloque = 1 << 16;
// Longest shortest-form double, "-2.2250738585072014e-308", and some margin.
constexpr int largoNumero = 32;

void agregarNumero(std::string& destino, double v) {
    char texto[largoNumero];
    // v + 0.0 turns -0 into +0; every other value is unchanged.
    const auto r = std::to_chars(texto, texto + largoNumero, v + 0.0);
    if (r.ec == std::errc()) {
        destino.append(texto, r.ptr);
    } else {
        destino += "nan";
    }
}

}  // namespace

std::string numeroCsv(double v) {
    std::string r;
    agregarNumero(r, v);
    return r;
}

std::string campoCsv(const std::string& texto) {
    if (texto.find_first_of(",\"\r\n") == std::string::npos) return texto;
    std::string r = "\"";
    for (char c : texto) {
        if (c == '"') r += '"';
        r += c;
    }
    r += '"';
    return r;
}

escritorCsv::escritorCsv(std::ostream& destino, const char* encabezado) : s(destino) {
    pendiente.reserve(tamanoBloque + 256);
    pendiente += encabezado;
    pendiente += '\n';
}

escritorCsv::~escritorCsv() {
    vaciar();
}

void escritorCsv::separar() {
    if (filaEmpezada) pendiente += ',';
    filaEmpezada = true;
}

escritorCsv& escritorCsv::numero(double v) {
    separar();
    agregarNumero(pendiente, v);
    return *this;
}

escritorCsv& escritorCsv::entero(long v) {
    separar();
    char texto[largoNumero];
    const auto r = std::to_chars(texto, texto + largoNumero, v);
    pendiente.append(texto, r.ptr);
    return *this;
}

escritorCsv& escritorCsv::texto(const std::string& t) {
    separar();
    pendiente += campoCsv(t);
    return *this;
}

void escritorCsv::finDeFila() {
    pendiente += '\n';
    filaEmpezada = false;
    if (pendiente.size() >= tamanoBloque) vaciar();
}

void escritorCsv::vaciar() {
    s.write(pendiente.data(), static_cast<std::streamsize>(pendiente.size()));
    pendiente.clear();
}
