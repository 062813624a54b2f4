#include "tablasInfluencia.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <system_error>
#include <vector>

#include "envolventeTren.h"
#include "escritorCsv.h"
#include "influenciaDelModelo.h"
#include "lineaInfluencia.h"
#include "tablasResultados.h"
#include "trenMovil.h"

namespace {

namespace fs = std::filesystem;

void advertir(const std::string& texto) {
    std::cout << "Advertencia: " << texto << std::endl;
}

// The folder exists, created if it was missing.
bool carpetaLista() {
    std::error_code ec;
    fs::create_directory(carpetaTablas, ec);
    if (fs::is_directory(carpetaTablas, ec)) return true;
    advertir(std::string("no se pudo crear la carpeta ") + carpetaTablas + " para escribir");
    return false;
}

// Writes one file of the folder through `escribir`; false, with a warning,
// when it cannot be written whole.
template <class Escribir>
bool escribirArchivo(const char* nombre, Escribir escribir) {
    const fs::path ruta = fs::path(carpetaTablas) / nombre;
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    if (f.is_open()) {
        escribir(f);
        f.close();
        if (!f.fail()) return true;
    }
    advertir(std::string("no se pudo escribir ") + carpetaTablas + "/" + nombre);
    return false;
}

// What both options need; a warning and nothing when it cannot be had.
bool prepararInfluencia(const modelo& m, const char* queNoSeEscribe, influenciaDelModelo& d) {
    std::string problema;
    if (prepararInfluencia(m, d, problema)) return true;
    advertir(problema + "; " + queNoSeEscribe);
    return false;
}

const char* sentido(bool adelante) {
    return adelante ? "+" : "-";
}

}  // namespace

resultadoInfluencia funcionEscribirInfluencia(const modelo& m, const std::string& texto) {
    const char* const nada = "no se escriben líneas de influencia";
    respuestaInfluencia respuesta;
    std::string error;
    if (!leerRespuesta(m, texto, respuesta, error)) {
        advertir(error + "; " + nada);
        return resultadoInfluencia::sinEscribir;
    }
    influenciaDelModelo d;
    if (!prepararInfluencia(m, nada, d)) return resultadoInfluencia::sinEscribir;
    if (!carpetaLista()) return resultadoInfluencia::archivoFallido;

    std::vector<lineaInfluencia> lineas;
    for (const auto& base : d.bases) lineas.emplace_back(*base, respuesta);
    const bool influencia = escribirArchivo("influencia.csv", [&](std::ostream& s) {
        escritorCsv t(s, "recorrido,barra,x,s,valor");
        for (const lineaInfluencia& l : lineas) {
            for (const filaInfluencia& f : l.filas()) {
                t.texto(l.getCamino().nombre)
                    .entero(f.barra)
                    .numero(f.x)
                    .numero(f.s)
                    .numero(f.valor);
                t.finDeFila();
            }
        }
    });
    if (!influencia) return resultadoInfluencia::archivoFallido;
    std::string escritos = std::string(carpetaTablas) + "/influencia.csv";
    if (!m.trenes.empty()) {
        const bool trenes = escribirArchivo("trenes.csv", [&](std::ostream& s) {
            escritorCsv t(s,
                          "tren,recorrido,respuesta,maximo,s_maximo,sentido_maximo,minimo,s_minimo,"
                          "sentido_minimo");
            for (const tren& tr : m.trenes) {
                for (const lineaInfluencia& l : lineas) {
                    const extremosTren e = extremosDelTren(l, tr);
                    t.texto(tr.nombre).texto(l.getCamino().nombre).texto(texto);
                    t.numero(e.maximo.valor).numero(e.maximo.s).texto(sentido(e.maximo.adelante));
                    t.numero(e.minimo.valor).numero(e.minimo.s).texto(sentido(e.minimo.adelante));
                    t.finDeFila();
                }
            }
        });
        if (!trenes) return resultadoInfluencia::archivoFallido;
        escritos += " y " + std::string(carpetaTablas) + "/trenes.csv";
    }
    std::cout << "Líneas de influencia escritas en " << escritos << std::endl;
    return resultadoInfluencia::escrito;
}

resultadoInfluencia funcionEscribirEnvolventeTren(const modelo& m) {
    const char* const nada = "no se escribe envolvente-tren.csv";
    if (m.trenes.empty()) {
        advertir(std::string("el modelo no tiene ningún tren; ") + nada);
        return resultadoInfluencia::sinEscribir;
    }
    influenciaDelModelo d;
    if (!prepararInfluencia(m, nada, d)) return resultadoInfluencia::sinEscribir;
    if (!carpetaLista()) return resultadoInfluencia::archivoFallido;
    const bool escrito = escribirArchivo("envolvente-tren.csv", [&](std::ostream& s) {
        escritorCsv t(s, "tren,recorrido,barra,x,Nmax,Nmin,Vmax,Vmin,Mmax,Mmin");
        for (const tren& tr : m.trenes) {
            for (const auto& base : d.bases) {
                for (const filaEnvolventeTren& f : envolventeDelTren(*base, tr)) {
                    t.texto(tr.nombre).texto(base->getCamino().nombre).entero(f.barra).numero(f.x);
                    t.numero(f.Nmax).numero(f.Nmin).numero(f.Vmax).numero(f.Vmin);
                    t.numero(f.Mmax).numero(f.Mmin);
                    t.finDeFila();
                }
            }
        }
    });
    if (!escrito) return resultadoInfluencia::archivoFallido;
    std::cout << "Envolventes de los trenes escritas en " << carpetaTablas << "/envolvente-tren.csv"
              << std::endl;
    return resultadoInfluencia::escrito;
}
