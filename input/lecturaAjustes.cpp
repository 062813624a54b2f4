// Display settings: defaults first, then the file's values where valid.
#include "globales.h"
#include "lecturaInterna.h"

namespace lectura {

namespace {

// A scale replaces its default only when positive.
void leerEscala(claseLeerArchivo& lector, const char* etiqueta, double& escala) {
    const double valor = lector.getReal(etiqueta);
    if (valor > 0.0) escala = valor;
}

}  // namespace

void leerAjustes(claseLeerArchivo& lector) {
    escalaDef = 100;
    escalaM = 0.1;
    escalaV = 0.1;
    escalaN = 0.01;
    escalaTexto = 0.15;
    escalaApoyo = 0;
    precision = 3;
    escalaCarga = 0.1;

    leerEscala(lector, "escalaDeflexion:", escalaDef);
    leerEscala(lector, "escalaM:", escalaM);
    leerEscala(lector, "escalaV:", escalaV);
    leerEscala(lector, "escalaN:", escalaN);
    leerEscala(lector, "escalaTexto:", escalaTexto);
    leerEscala(lector, "escalaApoyo:", escalaApoyo);
    // -1 is the reader's "absent"; other negative counts of decimals mean
    // nothing and are refused.
    const int decimales = lector.getEntero("precision:");
    if (decimales >= 0) {
        precision = decimales;
    } else if (decimales != -1) {
        advertir("el valor " + std::to_string(decimales) + " de precision: es negativo; se ignora");
    }
    leerEscala(lector, "escalaCarga:", escalaCarga);
}

}  // namespace lectura
