// The command line and ordinary keys without a window: every step of the
// Enter sequence, both prompts, the switches as counters, bar isolation, the
// scale keys, and the reload (F5) with its visibility marks and switches.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "modeloVisor.h"
#include "recargaModelo.h"

namespace {

const std::string pregCombo = "Escriba el nombre del Combo y presione ENTER:";
const std::string pregAislar = "Escriba lista de barras a aislar separadas por espacios:";
const std::string errorLista =
    "Existen valores no válidos en la lista de barras.  Ingrese Comando:";

efectoTecla teclear(const std::string& texto) {
    for (unsigned char c : texto) procesarTecla(c, false, false);
    return procesarTecla(13, false, false);
}

std::string marcas(const Eigen::VectorXi& v) {
    std::string s;
    for (int i = 0; i < v.size(); ++i) s += static_cast<char>('0' + v(i));
    return s;
}

class lineaComandos : public ::testing::Test {
  protected:
    void SetUp() override { cargarModeloVisor(textoPortico()); }
};

}  // namespace

TEST_F(lineaComandos, estadoInicialDeInterruptoresYMarcas) {
    ASSERT_EQ(200u, flags.size());
    for (int i = 0; i < 200; ++i) {
        const bool encendido = i == 9 || i == 14 || i == 15 || i == 16;
        EXPECT_EQ(encendido ? 1 : 0, flags[i]) << "flags[" << i << "]";
    }
    EXPECT_EQ("1111", marcas(nudosAislados));
    EXPECT_EQ("111", marcas(barrasAisladas));
}

TEST_F(lineaComandos, etiquetasSonContadoresYNoTagsLasApaga) {
    for (int i = 0; i < 3; ++i) teclear("tagNudos");
    teclear("tagBarras");
    teclear("secciones");
    EXPECT_EQ(3, flags[0]);
    EXPECT_EQ(1, flags[1]);
    EXPECT_EQ(1, flags[2]);
    EXPECT_EQ("Ingrese Comando:", dialogo);
    teclear("noTags");
    EXPECT_EQ(0, flags[0]);
    EXPECT_EQ(0, flags[1]);
    EXPECT_EQ(0, flags[2]);
    teclear("tagNudos");
    EXPECT_TRUE(flagActivo(0));
    EXPECT_EQ("", comando);
}

TEST_F(lineaComandos, capasDeResultadosSeExcluyenYRespondenSuEstado) {
    struct capa {
        const char* orden;
        int indice;
        const char* activa;
        const char* inactiva;
    };
    const capa capas[] = {
        {"plotDef", 3, "Deformaciones Activadas. Ingrese Comando:",
         "Deformaciones Desactivadas. Ingrese Comando:"},
        {"plotN", 4, "Fuerzas Axiales Activadas. Ingrese Comando:",
         "Fuerzas Axiales Desactivadas. Ingrese Comando:"},
        {"plotV", 5, "Fuerzas Cortantes Activadas. Ingrese Comando:",
         "Fuerzas Cortantes Desactivadas. Ingrese Comando:"},
        {"plotM", 6, "Momentos Flectores Activados. Ingrese Comando:",
         "Momentos Flectores Desactivados. Ingrese Comando:"},
        {"plotCarga", 7, "Graficacion de Cargas Activada. Ingrese Comando:",
         "Graficacion de Cargas Desactivada. Ingrese Comando:"},
        {"plotR", 8, "Graficacion de Reacciones Activada. Ingrese Comando:",
         "Graficacion de Reacciones Desactivada. Ingrese Comando:"},
    };
    for (const capa& k : capas) {
        // Turn every other layer on first: the command must switch them off.
        for (int i = 3; i <= 8; ++i) flags[i] = 1;
        flags[k.indice] = 0;
        teclear(k.orden);
        EXPECT_EQ(k.activa, dialogo);
        for (int i = 3; i <= 8; ++i)
            EXPECT_EQ(i == k.indice ? 1 : 0, flags[i]) << k.orden << " " << i;
        teclear(k.orden);
        EXPECT_EQ(k.inactiva, dialogo);
        EXPECT_EQ(2, flags[k.indice]);
    }
    EXPECT_EQ(1, flags[9]);  // supports untouched by the layers
}

TEST_F(lineaComandos, plotApoyosAlternaSinTocarOtrosInterruptores) {
    const std::vector<int> antes = flags;
    teclear("plotApoyos");
    EXPECT_EQ(2, flags[9]);
    EXPECT_EQ("Graficacion de Apoyos Desactivada. Ingrese Comando:", dialogo);
    teclear("plotApoyos");
    EXPECT_EQ("Graficacion de Apoyos Activada. Ingrese Comando:", dialogo);
    for (int i = 0; i < 200; ++i) {
        if (i != 9) {
            EXPECT_EQ(antes[i], flags[i]);
        }
    }
}

TEST_F(lineaComandos, envolventeAlternaSinTocarCapasNiCombos) {
    teclear("plotM");
    teclear("combo");
    teclear("C1");
    const std::vector<int> antes = flags;
    EXPECT_EQ(0, flags[11]) << "apagada al inicio";
    teclear("envolvente");
    EXPECT_EQ("Envolvente Activada. Ingrese Comando:", dialogo);
    EXPECT_EQ(1, flags[11]);
    teclear("envolvente");
    EXPECT_EQ("Envolvente Desactivada. Ingrese Comando:", dialogo);
    EXPECT_EQ(2, flags[11]);
    for (int i = 0; i < 200; ++i) {
        if (i != 11) {
            EXPECT_EQ(antes[i], flags[i]) << "flags[" << i << "]";
        }
    }
    // At the combination prompt it runs like the other switch words and no
    // name is looked up; other spellings are no command.
    numeroComboCoincidente = -1;
    teclear("combo");
    teclear("envolvente");
    EXPECT_EQ("Envolvente Activada. Ingrese Comando:", dialogo);
    EXPECT_EQ(-1, numeroComboCoincidente);
    EXPECT_EQ(1, flags[100]);
    for (const char* otra : {"Envolvente", "envolvente ", "envolventes"}) {
        teclear(otra);
        EXPECT_EQ(3, flags[11]) << otra;
    }
    EXPECT_EQ("Envolvente Activada. Ingrese Comando:", dialogo);
}

TEST_F(lineaComandos, comboPreguntaElNombreYLoAlterna) {
    teclear("combo");
    EXPECT_EQ(pregCombo, dialogo);
    EXPECT_EQ(0, flags[101]);
    teclear("C2");
    EXPECT_EQ(1, numeroComboCoincidente);
    EXPECT_EQ(1, flags[101]);
    EXPECT_EQ(0, flags[100]);
    EXPECT_EQ("Combo Activado/Desactivado, OK. Ingrese Comando:", dialogo);
    teclear("combo");
    teclear("C2");
    EXPECT_EQ(2, flags[101]);
    // Unknown, empty and differently written names.
    for (const char* nombre : {"C3", "", "c1"}) {
        teclear("combo");
        teclear(nombre);
        EXPECT_EQ("el combo no existe. Ingrese Comando:", dialogo) << nombre;
        EXPECT_EQ(-1, numeroComboCoincidente);
    }
    EXPECT_EQ(0, flags[100]);
}

TEST_F(lineaComandos, ordenDeLosPasosEnLaPreguntaDelCombo) {
    // A command of the switch steps runs and no name is looked up.
    teclear("combo");
    teclear("plotM");
    EXPECT_EQ("Momentos Flectores Activados. Ingrese Comando:", dialogo);
    EXPECT_EQ(-1, numeroComboCoincidente);
    // "combo" is looked up as a name first, then asks again.
    teclear("combo");
    teclear("combo");
    EXPECT_EQ(pregCombo, dialogo);
    teclear("C1");
    EXPECT_EQ(1, flags[100]);
}

TEST_F(lineaComandos, aislarMuestraSoloLasBarrasNombradasYSusNudos) {
    teclear("aislar");
    EXPECT_EQ(pregAislar, dialogo);
    EXPECT_EQ("111", marcas(barrasAisladas));  // not yet applied
    teclear("3");
    EXPECT_EQ("Ingrese Comando:", dialogo);
    EXPECT_EQ("001", marcas(barrasAisladas));
    EXPECT_EQ("0011", marcas(nudosAislados));
    teclear("noAislar");
    EXPECT_EQ("111", marcas(barrasAisladas));
    EXPECT_EQ("1111", marcas(nudosAislados));
    // Empty items (leading, doubled, trailing spaces) are skipped.
    teclear("aislar");
    teclear(" 1  3 ");
    EXPECT_EQ("Ingrese Comando:", dialogo);
    EXPECT_EQ("101", marcas(barrasAisladas));
    EXPECT_EQ("1111", marcas(nudosAislados));
    // An empty list hides everything.
    teclear("aislar");
    teclear("");
    EXPECT_EQ("Ingrese Comando:", dialogo);
    EXPECT_EQ("000", marcas(barrasAisladas));
    EXPECT_EQ("0000", marcas(nudosAislados));
}

TEST_F(lineaComandos, listaInvalidaDaElErrorYDejaTodoOculto) {
    for (const char* lista : {"3 x", "1.5", "4", "0", "99999999999999999999999", "3,1"}) {
        teclear("noAislar");
        teclear("aislar");
        teclear(lista);
        EXPECT_EQ(errorLista, dialogo) << "lista: " << lista;
        EXPECT_EQ("000", marcas(barrasAisladas)) << lista;
        EXPECT_EQ("0000", marcas(nudosAislados)) << lista;
    }
    // '-' never reaches the line (it is a scale key): the list itself.
    EXPECT_FALSE(aislarBarras("-1"));
    EXPECT_FALSE(aislarBarras("2 +3"));
    // "aislar" at the list prompt: rejected as a list, then asks again.
    teclear("noAislar");
    teclear("aislar");
    teclear("aislar");
    EXPECT_EQ(pregAislar, dialogo);
    EXPECT_EQ("000", marcas(barrasAisladas));
    // Another command at the list prompt runs and leaves the marks alone.
    teclear("noAislar");
    teclear("aislar");
    teclear("tagNudos");
    EXPECT_EQ("Ingrese Comando:", dialogo);
    EXPECT_EQ("111", marcas(barrasAisladas));
}

TEST(lineaComandosNumeracion, numeroSinBarraEnMedioDeLaTablaEsInvalido) {
    // Bars numbered 2 and 7: 3 lies inside the number table but names no bar.
    cargarModeloVisor(
        "nudos:\n1 0 0\n2 1 0\n3 2 0\nbarras:\n2 1 2\n7 2 3\n"
        "pesoPropio: PP\ncombo: C1 1 PP\n");
    teclear("aislar");
    teclear("3");
    EXPECT_EQ(errorLista, dialogo);
    teclear("aislar");
    teclear("7");
    EXPECT_EQ("01", marcas(barrasAisladas));
    EXPECT_EQ("011", marcas(nudosAislados));
}

TEST_F(lineaComandos, teclasDeEdicionEscalasYAlt) {
    procesarTecla('a', false, false);
    procesarTecla('b', false, false);
    procesarTecla(8, false, false);
    EXPECT_EQ("a", comando);
    procesarTecla(8, false, false);
    procesarTecla(8, false, false);  // nothing left to remove
    EXPECT_EQ("", comando);

    const double texto0 = escalaTexto, m0 = escalaM, def0 = escalaDef, n0 = escalaN;
    procesarTecla('+', true, false);
    EXPECT_DOUBLE_EQ(texto0 * 1.1, escalaTexto);
    procesarTecla('-', true, false);
    procesarTecla('-', true, false);
    EXPECT_DOUBLE_EQ(texto0 * 1.1 / 1.1 / 1.1, escalaTexto);
    // + without a layer on changes nothing; never reaches the line.
    procesarTecla('+', false, false);
    EXPECT_DOUBLE_EQ(m0, escalaM);
    EXPECT_DOUBLE_EQ(def0, escalaDef);
    EXPECT_EQ("", comando);
    teclear("plotM");
    procesarTecla('+', false, false);
    EXPECT_DOUBLE_EQ(m0 * 1.1, escalaM);
    EXPECT_DOUBLE_EQ(def0, escalaDef);
    EXPECT_DOUBLE_EQ(n0, escalaN);
    teclear("plotDef");
    procesarTecla('-', false, false);
    EXPECT_DOUBLE_EQ(def0 / 1.1, escalaDef);
    EXPECT_DOUBLE_EQ(m0 * 1.1, escalaM);
    // + with Shift and Alt together is not "exactly Shift": diagrams scale.
    procesarTecla('+', false, false);
    EXPECT_DOUBLE_EQ(def0, escalaDef);

    procesarTecla('t', false, true);
    procesarTecla('F', false, true);
    procesarTecla('n', false, true);
    procesarTecla('N', false, true);
    procesarTecla('x', false, true);
    EXPECT_EQ(2, flags[14]);
    EXPECT_EQ(2, flags[15]);
    EXPECT_EQ(3, flags[16]);
    EXPECT_EQ("", comando);
    procesarTecla('t', true, false);  // Shift+t is an ordinary letter
    EXPECT_EQ("t", comando);
}

TEST_F(lineaComandos, escapeSalirYExitTerminan) {
    procesarTecla('s', false, false);
    EXPECT_EQ(efectoTecla::terminar, procesarTecla(27, false, false));
    comando = "";
    EXPECT_EQ(efectoTecla::terminar, teclear("salir"));
    comando = "";
    EXPECT_EQ(efectoTecla::terminar, teclear("exit"));
    comando = "";
    EXPECT_EQ(efectoTecla::seguir, teclear("Salir"));
    EXPECT_EQ(efectoTecla::seguir, teclear("otraCosa"));
    EXPECT_EQ("Comando:", dialogo);  // unrecognised lines leave the prompt
}

TEST(lineaComandosModeloVacio, sinNudosElComboNoExisteYSoloValeLaListaVacia) {
    cargarModeloVisor("escalaM: 0.2\n");
    ASSERT_EQ(0, modeloVisor.noNudos);
    EXPECT_EQ(0, nudosAislados.size());
    teclear("combo");
    teclear("C1");
    EXPECT_EQ("el combo no existe. Ingrese Comando:", dialogo);
    teclear("aislar");
    teclear("1");
    EXPECT_EQ(errorLista, dialogo);
    teclear("aislar");
    teclear("");
    EXPECT_EQ("Ingrese Comando:", dialogo);
    teclear("noAislar");
    EXPECT_EQ("Ingrese Comando:", dialogo);
}

TEST(lineaComandosMuchosCombos, cadaCombinacionTieneSuInterruptor) {
    std::string texto = "nudos:\n1 0 0\n2 1 0\nbarras:\n1 1 2\npesoPropio: PP\n";
    for (int c = 0; c < 130; ++c) texto += "combo: K" + std::to_string(c) + " 1 PP\n";
    cargarModeloVisor(texto);
    ASSERT_EQ(130, modeloVisor.noCombos);
    ASSERT_EQ(230u, flags.size());
    teclear("combo");
    teclear("K129");
    EXPECT_EQ(1, flags[229]);
    EXPECT_TRUE(flagActivo(229));
    EXPECT_FALSE(flagActivo(230));
}

namespace {

// Runs the reload inside a private directory, where "resultados.txt" goes.
class recargaEnDirectorio : public ::testing::Test {
  protected:
    void SetUp() override {
        char plantilla[] = "/tmp/karvel-recarga-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(plantilla));
        directorio = plantilla;
        char actual[4096];
        ASSERT_NE(nullptr, getcwd(actual, sizeof actual));
        anterior = actual;
        ASSERT_EQ(0, chdir(directorio.c_str()));
    }
    void TearDown() override {
        if (!anterior.empty()) {
            EXPECT_EQ(0, chdir(anterior.c_str()));
        }
        std::remove((directorio + "/resultados.txt").c_str());
        std::remove((directorio + "/modelo.txt").c_str());
        rmdir(directorio.c_str());
    }
    void escribirModelo(const std::string& texto) {
        std::ofstream(directorio + "/modelo.txt") << texto;
        nombreArchivo = directorio + "/modelo.txt";
    }
    bool hayReporte() const { return std::ifstream(directorio + "/resultados.txt").good(); }
    std::string recargar() {
        capturaConsola consola;
        recargarModelo();
        return consola.texto();
    }
    std::string directorio, anterior;
};

}  // namespace

TEST_F(recargaEnDirectorio, recargaCompletaEscribeElReporteYConservaInterruptores) {
    cargarModeloVisor(textoPortico());
    teclear("tagNudos");
    teclear("envolvente");
    teclear("aislar");
    teclear("2");
    // The file now has a fifth node and a fourth bar.
    escribirModelo(textoPortico() + "nudos:\n5 8 3\nbarras:\n4 3 5\n");
    const std::string salida = recargar();
    EXPECT_EQ(
        0u, salida.find("\n\n\n------------------------Reinicio del programa------------------\n"));
    EXPECT_EQ(5, modeloVisor.noNudos);
    EXPECT_TRUE(hayReporte());
    EXPECT_TRUE(solucionVisor.resuelto);
    EXPECT_EQ("11111", marcas(nudosAislados));
    EXPECT_EQ("1111", marcas(barrasAisladas));
    EXPECT_EQ(1, flags[0]);
    EXPECT_EQ(1, flags[11]) << "la envolvente sigue activa";
    EXPECT_EQ("Ingrese Comando:", dialogo);
}

TEST_F(recargaEnDirectorio, modeloIncompletoNoSeResuelveNiEscribeReporte) {
    cargarModeloVisor(textoPortico());
    const char* casos[] = {"nudos:\n1 0 0\n2 1 0\nbarras:\n1 1 2\n",  // no combinations
                           "nudos:\n1 0 0\n2 1 0\npesoPropio: P\ncombo: C 1 P\n",  // no bars
                           "escalaM: 1\n"};                                        // nothing
    for (const char* texto : casos) {
        escribirModelo(texto);
        const std::string salida = recargar();
        EXPECT_FALSE(hayReporte()) << texto;
        EXPECT_FALSE(solucionVisor.resuelto);
        EXPECT_NE(std::string::npos, salida.find("El modelo no tiene")) << salida;
        EXPECT_EQ(modeloVisor.noNudos, nudosAislados.size());
        EXPECT_EQ(modeloVisor.noBarras, barrasAisladas.size());
        EXPECT_EQ(modeloVisor.noNudos, nudosAislados.sum());
        EXPECT_GE(flags.size(), 200u);
    }
}
