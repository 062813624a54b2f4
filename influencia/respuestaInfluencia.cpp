#include "respuestaInfluencia.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

const char* const formasDeRespuesta = "Rx:N, Ry:N, Mz:N, ux:N, uy:N, giro:N, N:B:x, V:B:x o M:B:x";

namespace {

// A distance this share of the bar's length beyond an end is the end.
constexpr double toleranciaExtremo = 1e-9;

std::vector<std::string> partes(const std::string& texto) {
    std::vector<std::string> p(1);
    for (char c : texto) {
        if (c == ':') {
            p.emplace_back();
        } else {
            p.back() += c;
        }
    }
    return p;
}

// A whole number or a real written in full, nothing left over.
bool numero(const std::string& t, double& v) {
    if (t.empty()) return false;
    char* fin = nullptr;
    v = std::strtod(t.c_str(), &fin);
    return fin == t.c_str() + t.size() && std::isfinite(v);
}

int buscar(const Eigen::VectorXi& tabla, double numeroUsuario) {
    if (!(numeroUsuario >= 0) || numeroUsuario != std::floor(numeroUsuario) ||
        numeroUsuario >= static_cast<double>(tabla.size()))
        return -1;
    return tabla(static_cast<Eigen::Index>(numeroUsuario));
}

}  // namespace

bool leerRespuesta(const modelo& m, const std::string& texto, respuestaInfluencia& r,
                   std::string& error) {
    r = respuestaInfluencia();
    r.texto = texto;
    const std::vector<std::string> p = partes(texto);
    const std::string noSeEntiende =
        "la respuesta " + texto + " no se entiende; escriba " + std::string(formasDeRespuesta);
    struct forma {
        const char* nombre;
        tipoRespuesta tipo;
        bool deBarra;
    };
    const forma formas[] = {{"Rx", tipoRespuesta::reaccionX, false},
                            {"Ry", tipoRespuesta::reaccionY, false},
                            {"Mz", tipoRespuesta::reaccionM, false},
                            {"ux", tipoRespuesta::desplazamientoX, false},
                            {"uy", tipoRespuesta::desplazamientoY, false},
                            {"giro", tipoRespuesta::giro, false},
                            {"N", tipoRespuesta::axial, true},
                            {"V", tipoRespuesta::cortante, true},
                            {"M", tipoRespuesta::momento, true}};
    const forma* f = nullptr;
    for (const forma& candidata : formas)
        if (p[0] == candidata.nombre) f = &candidata;
    if (f == nullptr || p.size() != (f->deBarra ? 3u : 2u)) {
        error = noSeEntiende;
        return false;
    }
    r.tipo = f->tipo;
    double n = 0;
    if (!numero(p[1], n)) {
        error = noSeEntiende;
        return false;
    }
    if (!f->deBarra) {
        r.nudo = buscar(m.punteroNudos, n);
        if (r.nudo < 0) {
            error = "el nudo " + p[1] + " no existe";
            return false;
        }
        return true;
    }
    r.barra = buscar(m.punteroBarras, n);
    if (r.barra < 0) {
        error = "la barra " + p[1] + " no existe";
        return false;
    }
    if (!numero(p[2], r.x)) {
        error = noSeEntiende;
        return false;
    }
    const double L = m.barra[static_cast<std::size_t>(r.barra)].getLongitud();
    if (r.x < 0 && r.x >= -toleranciaExtremo * L) r.x = 0;
    if (r.x > L && r.x <= L + toleranciaExtremo * L) r.x = L;
    if (!(r.x >= 0 && r.x <= L)) {
        std::ostringstream largo;
        largo << L;
        error = "x = " + p[2] + " está fuera de la barra " + p[1] + ", que mide " + largo.str();
        return false;
    }
    return true;
}
