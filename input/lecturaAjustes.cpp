// Display settings: defaults first, then the file's values where valid.
#include "lecturaInterna.h"

namespace lectura {

namespace {

// A scale replaces its default only when positive.
void leerEscala(claseLeerArchivo& lector, const char* etiqueta, double& escala) {
    const double valor = lector.getReal(etiqueta);
    if (valor > 0.0) escala = valor;
}

}  // namespace

void leerAjustes(modelo& m, claseLeerArchivo& lector) {
    ajustesVisor& a = m.ajustes;
    a.escalaDef = 100;
    a.escalaM = 0.1;
    a.escalaV = 0.1;
    a.escalaN = 0.01;
    a.escalaTexto = 0.15;
    a.escalaApoyo = 0;
    a.precision = 3;
    a.escalaCarga = 0.1;

    leerEscala(lector, "escalaDeflexion:", a.escalaDef);
    leerEscala(lector, "escalaM:", a.escalaM);
    leerEscala(lector, "escalaV:", a.escalaV);
    leerEscala(lector, "escalaN:", a.escalaN);
    leerEscala(lector, "escalaTexto:", a.escalaTexto);
    leerEscala(lector, "escalaApoyo:", a.escalaApoyo);
    // -1 is the reader's "absent"; other negative counts of decimals mean
    // nothing and are refused.
    const int decimales = lector.getEntero("precision:");
    if (decimales >= 0) {
        a.precision = decimales;
    } else if (decimales != -1) {
        advertir("el valor " + std::to_string(decimales) + " de precision: es negativo; se ignora");
    }
    leerEscala(lector, "escalaCarga:", a.escalaCarga);
}

}  // namespace lectura
