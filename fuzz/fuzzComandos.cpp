// libFuzzer target: keys and lines at the viewer's command line, without a
// window, on a small solved frame. Each input is a key sequence:
//   '\n'  Enter (key 13)          0x01  next key with Shift only
//   0x02  next key with Alt only  0x05  F5 (reload the model file)
//   0x06  the file becomes frame B (other counts and numbers)
//   0x07  the file becomes frame A again
//   0x0E  the file becomes empty  0x0F  the file is removed
//   0x10  the file becomes frame C (more than 100 combinations)
// any other byte is that key. The sequence stops where the program would end.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "capasResultados.h"
#include "entornoFuzz.h"
#include "envolventeDiagramas.h"
#include "estadoVisor.h"
#include "funcionLeerYAnalizar.h"
#include "influenciaVisor.h"
#include "interruptores.h"
#include "lineaComandos.h"
#include "recargaModelo.h"
#include "seccionesTablas.h"

namespace {

// Portal frame: 4 nodes, 3 bars, 2 combinations, a path over the beam, a
// train, and masses for its modes.
const char* const porticoA =
    "nudos:\n1 0 0\n2 0 3\n3 4 3\n4 4 0\n"
    "barras:\n1 1 2\n2 2 3\n3 3 4\n"
    "apoyo: 1 1 1 1 4\n"
    "seccionRectangular: C30 0.3 0.3 2.1e7 24 1 3\n"
    "seccionRectangular: V30x50 0.3 0.5 2.1e7 24 2\n"
    "puntual: W 10 0 0 2\n"
    "distribuidaLocal: CV 0 0 -15 -15 2\n"
    "pesoPropio: PP\n"
    "combo: C1 1.2 PP 1.6 CV\n"
    "combo: C2 1 PP 1 CV 1 W\n"
    "recorrido: R 2\n"
    "tren: T 1 10 2 5\n"
    "masa: 2 2 3\ngravedad: 9.81\n";

// Propped cantilever with sparse numbers: 3 nodes, 2 bars (5 and 12),
// 3 combinations, a hinge and a spring, solved in second order.
const char* const vigaB =
    "nudos:\n10 0 0\n20 3 0\n30 6 0\n"
    "barras:\n5 10 20\n12 20 30\n"
    "apoyo: 1 1 1 10\napoyo: 0 1 0 30\n"
    "resorte: 0 500 0 20\n"
    "articulacion: 1 0 12\n"
    "seccionGenerica: IPE 0.005 8e-5 2e8 78 5 12\n"
    "distribuidaGlobal: Q -10 -10 0 1 5 12\n"
    "puntual: P 0 -20 0 20\n"
    "combo: U1 1 Q\ncombo: U2 1 Q 1 P\ncombo: U3 0.9 P\nsegundoOrden:\n";

// Cantilever with 130 combinations K1..K130: the viewer keeps one switch
// per combination beyond its first 100.
std::string mensulaC() {
    std::string texto =
        "nudos: 1 0 0 2 2 0\nbarras: 1 1 2\napoyo: 1 1 1 1\n"
        "seccionRectangular: S 0.2 0.4 2e7 24 1\npuntual: P 0 -5 0 2\n";
    for (int k = 1; k <= 130; ++k) {
        texto += "combo: K" + std::to_string(k) + " " + std::to_string(k) + " P\n";
    }
    return texto;
}

std::string archivo;

void escribirModelo(const std::string& texto) {
    std::ofstream(archivo, std::ios::binary | std::ios::trunc) << texto;
}

// The program's start-up on frame A, then the window's start values.
void iniciar() {
    escribirModelo(porticoA);
    nombreArchivo = archivo;
    modeloResuelto r = funcionLeerYAnalizar(archivo);
    mostrarModelo(std::move(r.m), std::move(r.s));
    flagsIniciales();
    mostrarTodo();
    dialogo = textoIngreseComando;
    comando.clear();
    numeroComboCoincidente = -1;
}

// What a frame reads back: switches and visibility marks of every element,
// and in envelope mode the curves and labels of the N, V or M layer on.
int consultarMarcas() {
    int visibles = 0;
    for (int i = 0; i < modeloVisor.noNudos; ++i) visibles += nudoVisible(i);
    for (int i = 0; i < modeloVisor.noBarras; ++i) visibles += barraVisible(i);
    for (int i = 0; i < 100 + modeloVisor.noCombos; ++i) visibles += flagActivo(i);
    std::string problema;
    if (flagActivo(interruptor::influencia)) {
        if (const dibujoInfluencia* d = influenciaParaDibujar(problema))
            visibles += static_cast<int>(d->trazos.size());
    }
    if (flagActivo(interruptor::tren)) {
        if (const dibujoEnvolventeTren* d = envolventeTrenParaDibujar(problema)) {
            for (int i = 0; i < static_cast<int>(modeloVisor.barra.size()); ++i) {
                visibles += static_cast<int>(
                    curvasDeEnvolventeTren(*d, i, esfuerzoBarra::momento).x.size());
                visibles += static_cast<int>(
                    rotulosDeEnvolventeTren(*d, i, esfuerzoBarra::cortante).size());
            }
        }
    }
    if (!flagActivo(interruptor::envolvente)) return visibles;
    const std::vector<int> combos = combosActivosConResultados();
    const std::vector<std::string> nombres = nombresDeCombos(modeloVisor);
    for (auto [capa, esfuerzo] : {std::pair{interruptor::capaAxial, esfuerzoBarra::axial},
                                  std::pair{interruptor::capaCortante, esfuerzoBarra::cortante},
                                  std::pair{interruptor::capaMomento, esfuerzoBarra::momento}}) {
        if (!flagActivo(capa)) continue;
        for (int i = 0; i < static_cast<int>(solucionVisor.barras.size()); ++i) {
            if (!barraVisible(i)) continue;
            const resultadosBarra& b = solucionVisor.barras[i];
            visibles += static_cast<int>(curvasDeEnvolvente(b, esfuerzo, combos).x.size());
            visibles += static_cast<int>(rotulosDeEnvolvente(b, esfuerzo, combos, nombres).size());
        }
    }
    return visibles;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepararEntornoFuzz();
    archivo = escribirEntrada(nullptr, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, std::size_t tamano) {
    iniciar();
    bool shift = false;
    bool alt = false;
    for (std::size_t k = 0; k < tamano; ++k) {
        const uint8_t b = datos[k];
        switch (b) {
            case 0x01:
                shift = true;
                continue;
            case 0x02:
                alt = true;
                continue;
            case 0x05:
                recargarModelo();
                consultarMarcas();
                continue;
            case 0x06:
                escribirModelo(vigaB);
                continue;
            case 0x07:
                escribirModelo(porticoA);
                continue;
            case 0x0E:
                escribirModelo("");
                continue;
            case 0x0F:
                std::remove(archivo.c_str());
                continue;
            case 0x10:
                escribirModelo(mensulaC());
                continue;
            default:
                break;
        }
        const unsigned char tecla = b == '\n' ? 13 : b;
        const efectoTecla efecto = procesarTecla(tecla, shift, alt);
        shift = alt = false;
        if (efecto == efectoTecla::terminar) break;
        if (tecla == 13) consultarMarcas();
    }
    return 0;
}
