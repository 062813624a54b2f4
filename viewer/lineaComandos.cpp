#include "lineaComandos.h"

#include <sstream>
#include <utility>
#include <vector>

#include "autoEscala.h"
#include "estadoVisor.h"
#include "influenciaVisor.h"
#include "interruptores.h"
#include "modosVisor.h"
#include "vigilanciaArchivo.h"

const char* const textoIngreseComando = "Ingrese Comando:";
const char* const preguntaCombo = "Escriba el nombre del Combo y presione ENTER:";
const char* const preguntaAislar = "Escriba lista de barras a aislar separadas por espacios:";
const char* const errorListaBarras =
    "Existen valores no válidos en la lista de barras.  Ingrese Comando:";

namespace {

formatoCaptura capturaPedida = formatoCaptura::ninguno;
bool encuadrePedido = false;

int& flag(int i) {
    if (static_cast<size_t>(i) >= flags.size()) flags.resize(i + 1, 0);
    return flags[i];
}

// Result layers: at most one is on.
void alternarCapa(int indice, const char* activada, const char* desactivada) {
    ++flag(indice);
    dialogo = flagActivo(indice) ? activada : desactivada;
    for (int i = interruptor::primeraCapa; i <= interruptor::ultimaCapa; ++i) {
        if (i != indice) flag(i) = 0;
    }
    flag(interruptor::capaModos) = 0;
}

// Scales of the result layers that are on, in the order of the layers.
void escalarCapasActivas(bool agrandar) {
    double* escalas[] = {&escalaDef, &escalaN, &escalaV, &escalaM, &escalaCarga};
    for (int i = 0; i < 5; ++i) {
        if (!flagActivo(interruptor::capaDeformada + i)) continue;
        if (agrandar) {
            *escalas[i] *= 1.1;
        } else {
            *escalas[i] /= 1.1;
        }
    }
    if (flagActivo(interruptor::influencia)) {
        if (agrandar) {
            factorEscalaInfluencia *= 1.1;
        } else {
            factorEscalaInfluencia /= 1.1;
        }
    }
}

// "influencia": off when on; otherwise the prompt, and the next line is the
// response (read then, before any command).
void alternarInfluencia() {
    if (flagActivo(interruptor::influencia)) {
        ++flag(interruptor::influencia);
        dialogo = "Línea de Influencia Desactivada. Ingrese Comando:";
        return;
    }
    dialogo = preguntaInfluencia;
}

void responderInfluencia(const std::string& texto) {
    std::string error;
    if (!elegirRespuestaInfluencia(texto, error)) {
        dialogo = error + ". Ingrese Comando:";
        return;
    }
    flag(interruptor::influencia) = 1;
    std::string problema;
    const dibujoInfluencia* d = influenciaParaDibujar(problema);
    dialogo = "Línea de Influencia Activada (" + texto + " en " + (d ? d->recorrido : "") +
              "). Ingrese Comando:";
}

// "tren": the envelope of the first train replaces the N, V and M layers
// while on; it is computed when first switched on for a model.
void alternarTren() {
    if (flagActivo(interruptor::tren)) {
        ++flag(interruptor::tren);
        dialogo = "Envolvente del Tren Desactivada. Ingrese Comando:";
        return;
    }
    std::string problema;
    if (envolventeTrenParaDibujar(problema) == nullptr) {
        dialogo = problema + ". Ingrese Comando:";
        return;
    }
    flag(interruptor::tren) = 1;
    const dibujoEnvolventeTren* d = envolventeTrenParaDibujar(problema);
    dialogo =
        "Envolvente del Tren Activada (" + d->tren + " en " + d->recorrido + "). Ingrese Comando:";
}

// Marks sized to the current counts (a reload may have changed them).
void marcasDelModelo(int valor) {
    nudosAislados.setConstant(modeloVisor.noNudos > 0 ? modeloVisor.noNudos : 0, valor);
    barrasAisladas.setConstant(modeloVisor.noBarras > 0 ? modeloVisor.noBarras : 0, valor);
}

// Internal index of the bar with user number given as decimal digits, or -1
// when no bar carries it (outside the table, unused, or too long a number).
int barraDeNumero(const std::string& digitos) {
    if (digitos.size() > 9) return -1;
    const long n = std::stol(digitos);
    if (n >= modeloVisor.punteroBarras.size()) return -1;
    const int b = modeloVisor.punteroBarras(n);
    if (b < 0 || b >= modeloVisor.noBarras || static_cast<size_t>(b) >= modeloVisor.barra.size())
        return -1;
    if (modeloVisor.barra[b].getNoBarraUsuario() != n) return -1;
    return b;
}

}  // namespace

bool flagActivo(int i) {
    return i >= 0 && static_cast<size_t>(i) < flags.size() && (flags[i] & 1) != 0;
}

void flagsIniciales() {
    flags.assign(200, 0);
    for (int i : {interruptor::apoyos, interruptor::textoDiagramas, interruptor::lineasInteriores,
                  interruptor::marcadoresNudos}) {
        flags[i] = 1;
    }
    ajustarFlagsCombos();
}

void ajustarFlagsCombos() {
    if (modeloVisor.noCombos > 0 &&
        flags.size() < static_cast<size_t>(interruptor::primerCombo + modeloVisor.noCombos)) {
        flags.resize(interruptor::primerCombo + modeloVisor.noCombos, 0);
    }
}

void mostrarTodo() {
    marcasDelModelo(1);
}

bool aislarBarras(const std::string& lista) {
    // Items as successive reads up to the next single space.
    std::vector<std::string> items;
    std::istringstream flujo(lista);
    for (std::string item; std::getline(flujo, item, ' ');) {
        if (!item.empty()) items.push_back(item);
    }

    marcasDelModelo(0);
    std::vector<int> elegidas;
    for (const std::string& item : items) {
        if (item.find_first_not_of("1234567890") != std::string::npos) return false;
        const int b = barraDeNumero(item);
        if (b < 0) return false;
        elegidas.push_back(b);
    }
    for (int b : elegidas) {
        barrasAisladas(b) = 1;
        for (int n : {modeloVisor.barra[b].getNudoInicio(), modeloVisor.barra[b].getNudoFinal()}) {
            if (n >= 0 && n < nudosAislados.size()) nudosAislados(n) = 1;
        }
    }
    return true;
}

void revisarInfluenciaTrasRecarga() {
    std::string problema;
    if (flagActivo(interruptor::influencia) && influenciaParaDibujar(problema) == nullptr)
        dialogo = "línea de influencia: " + problema + ". Ingrese Comando:";
    if (flagActivo(interruptor::tren) && envolventeTrenParaDibujar(problema) == nullptr)
        dialogo = "envolvente del tren: " + problema + ". Ingrese Comando:";
}

bool ejecutarComando() {
    if (comando == "exit" || comando == "salir") return true;

    // A line that answers the response prompt is the response, whatever it
    // says.
    if (dialogo == preguntaInfluencia) {
        responderInfluencia(comando);
        comando = "";
        return false;
    }
    if (comando == "influencia") alternarInfluencia();
    if (comando == "tren") alternarTren();

    if (comando == "tagNudos") {
        dialogo = textoIngreseComando;
        ++flag(interruptor::tagNudos);
    }
    if (comando == "tagBarras") {
        dialogo = textoIngreseComando;
        ++flag(interruptor::tagBarras);
    }
    if (comando == "secciones") {
        dialogo = textoIngreseComando;
        ++flag(interruptor::secciones);
    }
    if (comando == "noTags") {
        dialogo = textoIngreseComando;
        flag(interruptor::tagNudos) = flag(interruptor::tagBarras) = flag(interruptor::secciones) =
            0;
    }
    if (comando == "plotDef") {
        alternarCapa(interruptor::capaDeformada, "Deformaciones Activadas. Ingrese Comando:",
                     "Deformaciones Desactivadas. Ingrese Comando:");
    }
    if (comando == "plotN") {
        alternarCapa(interruptor::capaAxial, "Fuerzas Axiales Activadas. Ingrese Comando:",
                     "Fuerzas Axiales Desactivadas. Ingrese Comando:");
    }
    if (comando == "plotV") {
        alternarCapa(interruptor::capaCortante, "Fuerzas Cortantes Activadas. Ingrese Comando:",
                     "Fuerzas Cortantes Desactivadas. Ingrese Comando:");
    }
    if (comando == "plotM") {
        alternarCapa(interruptor::capaMomento, "Momentos Flectores Activados. Ingrese Comando:",
                     "Momentos Flectores Desactivados. Ingrese Comando:");
    }
    if (comando == "plotCarga") {
        alternarCapa(interruptor::capaCargas, "Graficacion de Cargas Activada. Ingrese Comando:",
                     "Graficacion de Cargas Desactivada. Ingrese Comando:");
    }
    if (comando == "plotR") {
        alternarCapa(interruptor::capaReacciones,
                     "Graficacion de Reacciones Activada. Ingrese Comando:",
                     "Graficacion de Reacciones Desactivada. Ingrese Comando:");
    }
    if (comando == "plotApoyos") {
        ++flag(interruptor::apoyos);
        dialogo = flagActivo(interruptor::apoyos)
                      ? "Graficacion de Apoyos Activada. Ingrese Comando:"
                      : "Graficacion de Apoyos Desactivada. Ingrese Comando:";
    }
    // Envelope mode changes how the N, V and M layers draw, not which is on.
    if (comando == "envolvente") {
        ++flag(interruptor::envolvente);
        dialogo = flagActivo(interruptor::envolvente) ? "Envolvente Activada. Ingrese Comando:"
                                                      : "Envolvente Desactivada. Ingrese Comando:";
    }
    // The window takes the capture and gives the reply; until then, and
    // without a window, the plain prompt.
    for (const auto& [palabra, formato] :
         {std::pair{"captura", formatoCaptura::png}, std::pair{"capturaPDF", formatoCaptura::pdf},
          std::pair{"capturaSVG", formatoCaptura::svg}}) {
        if (comando != palabra) continue;
        capturaPedida = formato;
        dialogo = textoIngreseComando;
    }
    // One colour per active combination: changes how the layers draw, not
    // which is on.
    if (comando == "colorPorCombo") {
        ++flag(interruptor::colorPorCombo);
        dialogo = flagActivo(interruptor::colorPorCombo)
                      ? "Color por Combo Activado. Ingrese Comando:"
                      : "Color por Combo Desactivado. Ingrese Comando:";
    }
    if (comando == "encuadrar") {
        encuadrePedido = true;
        dialogo = "Modelo encuadrado. Ingrese Comando:";
    }
    if (comando == "autoEscala") dialogo = ajustarEscalaAutomatica();
    if (comando == "vigilar") {
        dialogo = alternarVigilancia() ? "Vigilancia del archivo Activada. Ingrese Comando:"
                                       : "Vigilancia del archivo Desactivada. Ingrese Comando:";
    }
    // The combination prompt is tested before "combo" sets it, so the name
    // comes with the next line. Without nodes there is no combination list.
    if (dialogo == preguntaCombo) {
        numeroComboCoincidente =
            modeloVisor.nudo.empty() ? -1 : modeloVisor.getNumeroDeCombo(comando);
        if (numeroComboCoincidente < 0) {
            numeroComboCoincidente = -1;
            dialogo = "el combo no existe. Ingrese Comando:";
        } else {
            ++flag(interruptor::primerCombo + numeroComboCoincidente);
            dialogo = "Combo Activado/Desactivado, OK. Ingrese Comando:";
        }
    }
    if (comando == "combo") dialogo = preguntaCombo;
    // Modes: the number asked for comes with the next line, as a combination name.
    if (comando == "pandeo") dialogo = alternarModos(tipoModo::pandeo);
    if (comando == "modal") dialogo = alternarModos(tipoModo::modal);
    if (dialogo == preguntaModo) dialogo = elegirModo(comando);
    if (comando == "modo") dialogo = preguntaModo;
    if (comando == "noAislar") {
        dialogo = textoIngreseComando;
        mostrarTodo();
    }
    if (dialogo == preguntaAislar) {
        dialogo = aislarBarras(comando) ? textoIngreseComando : errorListaBarras;
    }
    if (comando == "aislar") dialogo = preguntaAislar;
    comando = "";
    return false;
}

efectoTecla procesarTecla(unsigned char tecla, bool soloShift, bool soloAlt) {
    switch (tecla) {
        case codigoTecla::escape:
            return efectoTecla::terminar;
        case codigoTecla::enter: {
            const bool terminar = ejecutarComando();
            comando = "";
            return terminar ? efectoTecla::terminar : efectoTecla::seguir;
        }
        case codigoTecla::retroceso:
            if (!comando.empty()) comando.pop_back();
            return efectoTecla::seguir;
        case '+':
            if (soloShift) {
                escalaTexto *= 1.1;
            } else {
                escalarCapasActivas(true);
            }
            return efectoTecla::seguir;
        case '-':
            if (soloShift) {
                escalaTexto /= 1.1;
            } else {
                escalarCapasActivas(false);
            }
            return efectoTecla::seguir;
        default:
            break;
    }
    if (soloAlt) {
        if (tecla == 't' || tecla == 'T') ++flag(interruptor::textoDiagramas);
        if (tecla == 'f' || tecla == 'F') ++flag(interruptor::lineasInteriores);
        if (tecla == 'n' || tecla == 'N') ++flag(interruptor::marcadoresNudos);
        return efectoTecla::seguir;
    }
    comando += static_cast<char>(tecla);
    return efectoTecla::seguir;
}

formatoCaptura tomarCapturaPedida() {
    const formatoCaptura f = capturaPedida;
    capturaPedida = formatoCaptura::ninguno;
    return f;
}

bool tomarEncuadrePedido() {
    const bool pedido = encuadrePedido;
    encuadrePedido = false;
    return pedido;
}

bool nudoVisible(int i) {
    return i >= 0 && i < nudosAislados.size() && nudosAislados(i) == 1;
}

bool barraVisible(int i) {
    return i >= 0 && i < barrasAisladas.size() && barrasAisladas(i) == 1;
}
