#include "medidasPantalla.h"

#include <algorithm>

#include "estadoVisor.h"

medidasPantalla medidasDePantalla() {
    const double h = hVentana > 0 ? hVentana : 1.0;
    const double w = wVentana > 0 ? wVentana : 1.0;
    return {zCam * 12.0 / h, 0.5 * zCam * wVentana / h, 0.5 * zCam, zCam / std::min(w, h)};
}

cajaVista cajaListaCombos() {
    const medidasPantalla m = medidasDePantalla();
    const int nombres = modeloVisor.nudo.empty() ? 0 : modeloVisor.noCombos;
    // Below the last baseline: the descenders, half a row.
    const double abajo = m.H - m.L * (margenTextoEnL + renglonListaEnL * (nombres + 0.5));
    const cajaVista ventana = cajaVentana();
    return {m.W - columnaTituloEnL * m.L, abajo, std::max(ventana.x1, m.W), ventana.y1};
}

cajaVista cajaVentana() {
    // The shorter side shows zCam world units.
    const double h = hVentana > 0 ? hVentana : 1.0;
    const double w = wVentana > 0 ? wVentana : 1.0;
    const double medioAncho = 0.5 * zCam * std::max(1.0, w / h);
    const double medioAlto = 0.5 * zCam * std::max(1.0, h / w);
    return {-medioAncho, -medioAlto, medioAncho, medioAlto};
}
