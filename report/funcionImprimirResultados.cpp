#include "funcionImprimirResultados.h"

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <new>
#include <stdexcept>

#include "archivoReporte.h"
#include "globales.h"
#include "salidaReporte.h"
#include "seccionesReporte.h"

namespace {

const char* const archivoResultados = "resultados.txt";
constexpr double bytesPorMB = 1024.0 * 1024.0;

bool ultimoReporteEscrito = false;

// The report in its fixed order: model data and the intermediate matrices of
// the method, then the results. Only reads the model and the solver globals.
void escribirReporte(salidaReporte& s) {
    escribirNudosYApoyos(s);
    escribirRigideces(s);
    escribirCargas(s);
    escribirDesplazamientos(s);
    escribirSolicitaciones(s);
    s << "\n\n";
}

void avisoNoSePuedeAbrir() {
    std::cout << "Advertencia: no se pudo abrir resultados.txt para escribir; no se escribe el "
                 "reporte"
              << std::endl;
}

// Its size first (the widths of every matrix decide it), checked against the
// free space of the folder; then the text into a temporary file beside it,
// renamed over resultados.txt only when complete.
bool escribirArchivo() {
    if (!destinoEscribible(archivoResultados)) {
        avisoNoSePuedeAbrir();
        return false;
    }
    salidaReporte conteo;
    escribirReporte(conteo);
    const std::uint64_t tamano = conteo.bytes();
    const std::int64_t libre = espacioLibreJunto(archivoResultados);
    if (libre >= 0 && tamano > static_cast<std::uint64_t>(libre)) {
        std::cout << std::fixed << std::setprecision(1) << "Advertencia: resultados.txt ocuparía "
                  << tamano / bytesPorMB << " MB y en la carpeta quedan " << libre / bytesPorMB
                  << " MB libres; no se escribe el reporte" << std::defaultfloat << std::endl;
        return false;
    }

    std::string temporal;
    const int fd = crearTemporalJunto(archivoResultados, temporal);
    if (fd < 0) {
        avisoNoSePuedeAbrir();
        return false;
    }
    bool completo = false;
    try {
        salidaReporte s(fd, tamano);
        escribirReporte(s);
        completo = s.vaciar() && s.bytes() == tamano;
    } catch (...) {
        descartarTemporal(fd, temporal);
        throw;
    }
    if (!completo) {
        descartarTemporal(fd, temporal);
    } else if (cerrarYReemplazar(fd, temporal, archivoResultados)) {
        return true;
    }
    std::cout << "Advertencia: no se pudo escribir completo resultados.txt; queda el reporte "
                 "anterior"
              << std::endl;
    return false;
}

void avisoSinMemoria() {
    std::cout << "Advertencia: memoria insuficiente para escribir resultados.txt; no se escribe "
                 "el reporte"
              << std::endl;
}

}  // namespace

bool reporteEscrito() {
    return ultimoReporteEscrito;
}

void funcionImprimirResultados() {
    ultimoReporteEscrito = false;
    if (!modeloResuelto) {
        std::cout << "Advertencia: el modelo no está resuelto; no se escribe el reporte"
                  << std::endl;
        return;
    }
    try {
        ultimoReporteEscrito = escribirArchivo();
    } catch (const std::bad_alloc&) {
        avisoSinMemoria();
    } catch (const std::length_error&) {
        avisoSinMemoria();
    }
}
