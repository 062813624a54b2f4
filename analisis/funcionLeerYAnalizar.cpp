#include "funcionLeerYAnalizar.h"

#include <utility>

#include "segundoOrden.h"

solucion solucionDelModelo(const modelo& m, solucion s) {
    if (!m.analisis.segundoOrden || !s.resuelto) return s;
    return funcionSegundoOrden(m, s);
}

modeloResuelto funcionLeerYAnalizar(const std::string& nombreArchivo, duracionEtapas* duraciones) {
    modeloResuelto r = funcionLeerYResolver(nombreArchivo, duraciones);
    r.s = solucionDelModelo(r.m, std::move(r.s));
    return r;
}
