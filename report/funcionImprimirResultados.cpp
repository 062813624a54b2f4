#include "funcionImprimirResultados.h"

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <new>
#include <stdexcept>

#include "archivoReporte.h"
#include "salidaReporte.h"
#include "seccionesReporte.h"

namespace {

const char* const archivoResultados = "resultados.txt";
constexpr double bytesPorMB = 1024.0 * 1024.0;

// The report in its fixed order: model data and the intermediate matrices of
// the method, then the results. Only reads the model and the solver globals.
void escribirReporte(salidaReporte& s, const modelo& m, const solucion& r) {
    escribirAnalisis(s, m, r);
    escribirNudosYApoyos(s, m);
    escribirRigideces(s, m, r);
    escribirCargas(s, m, r);
    escribirDesplazamientos(s, m, r);
    escribirSolicitaciones(s, m, r);
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
bool escribirArchivo(const modelo& m, const solucion& r) {
    if (!destinoEscribible(archivoResultados)) {
        avisoNoSePuedeAbrir();
        return false;
    }
    salidaReporte conteo;
    escribirReporte(conteo, m, r);
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
        escribirReporte(s, m, r);
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

bool funcionImprimirResultados(const modelo& m, const solucion& r) {
    if (!r.resuelto) {
        std::cout << "Advertencia: el modelo no está resuelto; no se escribe el reporte"
                  << std::endl;
        return false;
    }
    try {
        return escribirArchivo(m, r);
    } catch (const std::bad_alloc&) {
        avisoSinMemoria();
    } catch (const std::length_error&) {
        avisoSinMemoria();
    }
    return false;
}
