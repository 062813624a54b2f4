// "autoEscala" without a window: the scale of the layer that is on makes its
// largest ordinate 8 % of zCam. Ordinates from closed forms: simply
// supported beam under w, M(L/2) = w·L²/8 and V(0) = w·L/2; cantilever
// with a tip load (Px, Py), tip displacement (Px·L/EA, Py·L³/(3EI)).
// Also the load intensities the loads layer draws (rounding left out).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "autoEscala.h"
#include "capasResultados.h"
#include "interruptores.h"
#include "modeloVisor.h"

namespace {

std::string datosVisor(const std::string& nombre) {
    std::ifstream f(std::string(KARVEL_DATOS) + "/visor/" + nombre);
    std::stringstream texto;
    texto << f.rdbuf();
    return texto.str();
}

void cargarResuelto(const std::string& nombre) {
    cargarModeloVisor(datosVisor(nombre));
    capturaConsola silencio;
    resolverModeloVisor();
}

// The layer on and combination 0 active, as the commands leave them.
void capaConCombo(int capa) {
    flags[capa] = 1;
    flags[interruptor::primerCombo] = 1;
}

}  // namespace

TEST(autoEscala, momentoYCortanteDeLaVigaSimple) {
    cargarResuelto("resultados-vigaSimple.txt");
    zCam = 10;
    capaConCombo(interruptor::capaMomento);
    // w = 2, L = 4: M(2) = 4, at station 10 of 21.
    EXPECT_NEAR(4, ordenadaMayor(interruptor::capaMomento), 1e-9);
    EXPECT_EQ("Escala ajustada: escalaM = 0.2. Ingrese Comando:", ajustarEscalaAutomatica());
    EXPECT_NEAR(0.08 * 10 / 4, escalaM, 1e-12);

    flags[interruptor::capaMomento] = 0;
    capaConCombo(interruptor::capaCortante);
    zCam = 7;
    // V(0) = w·L/2 = 4: escalaV = 0.56/4.
    EXPECT_EQ("Escala ajustada: escalaV = 0.14. Ingrese Comando:", ajustarEscalaAutomatica());
    EXPECT_NEAR(0.14, escalaV, 1e-12);
}

TEST(autoEscala, deformadaYCargasDeLaMensula) {
    cargarResuelto("resultados-mensula.txt");
    zCam = 5;
    capaConCombo(interruptor::capaDeformada);
    // EA = EI = 1000, L = 3: tip (0.015, -0.09).
    const double punta = std::hypot(5 * 3 / 1000.0, 10 * 27 / 3000.0);
    EXPECT_NEAR(punta, ordenadaMayor(interruptor::capaDeformada), 1e-9);
    EXPECT_EQ("Escala ajustada: escalaDeflexion = 4.38. Ingrese Comando:",
              ajustarEscalaAutomatica());
    EXPECT_NEAR(0.4 / punta, escalaDef, 1e-9);

    flags[interruptor::capaDeformada] = 0;
    capaConCombo(interruptor::capaCargas);
    // The largest force component at the tip, |Py| = 10.
    EXPECT_EQ("Escala ajustada: escalaCarga = 0.04. Ingrese Comando:", ajustarEscalaAutomatica());
}

TEST(autoEscala, sinCapaSinComboOSinResultadosNoCambiaNada) {
    cargarResuelto("resultados-vigaSimple.txt");
    const double antes = escalaM;
    EXPECT_EQ(
        "Encienda primero la deformada, N, V, M o las cargas para ajustar su escala. Ingrese "
        "Comando:",
        ajustarEscalaAutomatica());
    // The reactions layer has no scale.
    capaConCombo(interruptor::capaReacciones);
    EXPECT_EQ(
        "Encienda primero la deformada, N, V, M o las cargas para ajustar su escala. Ingrese "
        "Comando:",
        ajustarEscalaAutomatica());
    flags[interruptor::capaReacciones] = 0;
    flags[interruptor::capaMomento] = 1;
    flags[interruptor::primerCombo] = 0;
    const std::string sinValores =
        "No hay valores para ajustar la escala: active un combo con resultados. Ingrese Comando:";
    EXPECT_EQ(sinValores, ajustarEscalaAutomatica());
    flags[interruptor::primerCombo] = 1;
    solucionVisor.resuelto = false;
    EXPECT_EQ(sinValores, ajustarEscalaAutomatica());
    EXPECT_EQ(antes, escalaM);
    // Through the command line, as typed.
    solucionVisor.resuelto = true;
    zCam = 10;
    comando = "autoEscala";
    ejecutarComando();
    EXPECT_EQ("Escala ajustada: escalaM = 0.2. Ingrese Comando:", dialogo);
}

// A column of 0.3 × 0.3 and specific weight 24 under its own weight: the
// whole weight, 24·0.09 = 2.16 per unit length, runs along the column; the
// transverse share is rounding and is drawn as absent.
TEST(cargasDibujadas, pesoPropioDeUnaColumnaSinComponenteTransversal) {
    cargarModeloVisor(datosVisor("resultados-pesoPropio.txt"));
    ASSERT_EQ(1, modeloVisor.noBarras);
    const intensidadesCarga q = intensidadesDibujadas(cargasBarraEnCombo(0, 0).trapecio);
    EXPECT_EQ(0.0, q.qi);
    EXPECT_EQ(0.0, q.qf);
    EXPECT_NEAR(2.16, std::abs(q.fi), 1e-12);
    EXPECT_NEAR(2.16, std::abs(q.ff), 1e-12);
    // The values themselves keep the computed numbers.
    EXPECT_LT(std::abs(cargasBarraEnCombo(0, 0).trapecio.qi), 1e-12 * 2.16);
    // A real transverse load stays, however small next to the axial one.
    cargarModeloVisor(datosVisor("resultados-pesoPropio.txt") +
                      "distribuidaLocal: PP 0 0 1e-6 1e-6 1\n");
    EXPECT_NEAR(1e-6, intensidadesDibujadas(cargasBarraEnCombo(0, 0).trapecio).qi, 1e-12);
}
