// What a newcomer meets in the window, without a window: the commands
// "encuadrar" and "colorPorCombo" with their replies, the switch kept by F5,
// the palette of the combinations, the message line of a file that gives no
// model (at F5 too, and gone again after a good read), and a help text
// that names every command and key of README.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "colorPorCombo.h"
#include "interruptores.h"
#include "mensajeLectura.h"
#include "modeloVisor.h"
#include "recargaModelo.h"
#include "textoAyuda.h"

namespace {

void teclear(const std::string& texto) {
    for (unsigned char c : texto) procesarTecla(c, false, false);
    procesarTecla(13, false, false);
}

class novato : public ::testing::Test {
  protected:
    void SetUp() override { cargarModeloVisor(textoPortico()); }
};

// A private directory: the model file of F5 and its report live there.
class novatoEnDirectorio : public ::testing::Test {
  protected:
    void SetUp() override {
        char plantilla[] = "/tmp/karvel-novato-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(plantilla));
        directorio = plantilla;
        char actual[4096];
        ASSERT_NE(nullptr, getcwd(actual, sizeof actual));
        anterior = actual;
        ASSERT_EQ(0, chdir(directorio.c_str()));
        cargarModeloVisor(textoPortico());
        nombreArchivo = directorio + "/modelo.txt";
    }
    void TearDown() override {
        if (!anterior.empty()) {
            EXPECT_EQ(0, chdir(anterior.c_str()));
        }
        (void)std::system(("rm -rf '" + directorio + "'").c_str());
    }
    void escribirModelo(const std::string& texto) { std::ofstream(nombreArchivo) << texto; }
    void recargar() {
        capturaConsola silencio;
        recargarModelo();
    }
    std::string directorio, anterior;
};

double distancia(const colorCombo& a, const double (&b)[3]) {
    return std::sqrt(std::pow(a.rgb[0] - b[0], 2) + std::pow(a.rgb[1] - b[1], 2) +
                     std::pow(a.rgb[2] - b[2], 2));
}

std::string textoDe(const std::string& ruta) {
    std::ifstream f(ruta);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST_F(novato, colorPorComboEsUnInterruptorConSuRespuesta) {
    const std::vector<int> antes = flags;
    teclear("colorPorCombo");
    EXPECT_EQ("Color por Combo Activado. Ingrese Comando:", dialogo);
    EXPECT_TRUE(colorPorComboActivo());
    EXPECT_EQ(1, flags[interruptor::colorPorCombo]);
    teclear("colorPorCombo");
    EXPECT_EQ("Color por Combo Desactivado. Ingrese Comando:", dialogo);
    EXPECT_FALSE(colorPorComboActivo());
    // It changes how the layers draw, nothing else.
    std::vector<int> despues = flags;
    despues[interruptor::colorPorCombo] = 0;
    EXPECT_EQ(antes, despues);
}

TEST_F(novato, encuadrarPideElEncuadreUnaVez) {
    EXPECT_FALSE(tomarEncuadrePedido());
    teclear("encuadrar");
    EXPECT_EQ("Modelo encuadrado. Ingrese Comando:", dialogo);
    EXPECT_TRUE(tomarEncuadrePedido());
    EXPECT_FALSE(tomarEncuadrePedido()) << "pedirlo lo consume";
    // At the combination prompt it is looked up as a name first.
    teclear("combo");
    teclear("encuadrar");
    EXPECT_EQ("Modelo encuadrado. Ingrese Comando:", dialogo);
    EXPECT_TRUE(tomarEncuadrePedido());
}

TEST_F(novato, elLugarEntreLosActivosDaElColorYElNombre) {
    // C1 and C2 of the portal frame.
    EXPECT_EQ(-1, rangoDeCombo(0));
    teclear("combo");
    teclear("C2");
    EXPECT_EQ(0, rangoDeCombo(1)) << "el primer activo";
    teclear("combo");
    teclear("C1");
    EXPECT_EQ(0, rangoDeCombo(0));
    EXPECT_EQ(1, rangoDeCombo(1));
    EXPECT_EQ(2, cantidadCombosActivos());
    EXPECT_EQ(-1, rangoDeCombo(2)) << "no existe";
    EXPECT_EQ("", sufijoDeCombo(0)) << "con el interruptor apagado, sin nombre";
    teclear("colorPorCombo");
    EXPECT_EQ(" (C1)", sufijoDeCombo(0));
    EXPECT_EQ(" (C2)", sufijoDeCombo(1));
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(colorDeCombo(0).rgb[k], colorDePaleta(0).rgb[k]);
        EXPECT_DOUBLE_EQ(colorDeCombo(1).rgb[k], colorDePaleta(1).rgb[k]);
        EXPECT_DOUBLE_EQ(colorInteriorDeCombo(1).rgb[k], 0.6 * colorDePaleta(1).rgb[k]);
    }
}

// Eight colours, each bright on black (relative luminance, ITU-R BT.709
// weights, at least 0.45), 0.4 or more apart from each other and 0.34 or
// more from every fixed colour of the viewer.
TEST(paletaCombos, ochoColoresClarosYSeparados) {
    ASSERT_GE(coloresDePaleta, 8);
    const double fijos[][3] = {{0.5, 0.5, 0.5}, {0.1, 0.7, 0.1}, {0.7, 0, 0}, {0.8, 0.8, 0.3},
                               {0, 1, 0},       {0, 1, 0.2},     {0, 0.8, 0}, {0.9, 0.2, 0.2},
                               {0.8, 0.8, 0.8}, {0, 0.3, 0.05},  {1, 0.3, 1}, {0.3, 0.6, 1}};
    for (int i = 0; i < coloresDePaleta; ++i) {
        const colorCombo a = colorDePaleta(i);
        EXPECT_GE(0.2126 * a.rgb[0] + 0.7152 * a.rgb[1] + 0.0722 * a.rgb[2], 0.45) << i;
        for (int j = i + 1; j < coloresDePaleta; ++j) {
            EXPECT_GE(distancia(a, colorDePaleta(j).rgb), 0.4 - 1e-12) << i << " " << j;
        }
        for (const auto& f : fijos) EXPECT_GE(distancia(a, f), 0.34) << i;
    }
}

TEST_F(novatoEnDirectorio, colorPorComboSigueTrasF5) {
    escribirModelo(textoPortico());
    teclear("colorPorCombo");
    recargar();
    EXPECT_TRUE(colorPorComboActivo());
    EXPECT_EQ("Color por Combo Activado. Ingrese Comando:", dialogo) << "F5 no toca la línea";
}

TEST_F(novatoEnDirectorio, porQueUnArchivoNoDaModelo) {
    const modelo vacio;
    EXPECT_EQ("No se pudo leer " + nombreArchivo + ": el archivo no existe. Ingrese Comando:",
              mensajeDeLectura(nombreArchivo, vacio));
    ASSERT_EQ(0, mkdir(nombreArchivo.c_str(), 0755));
    EXPECT_EQ(
        "No se pudo leer " + nombreArchivo + ": es una carpeta, no un archivo. Ingrese Comando:",
        mensajeDeLectura(nombreArchivo, vacio));
    ASSERT_EQ(0, rmdir(nombreArchivo.c_str()));
    escribirModelo("");
    EXPECT_EQ("No se pudo leer " + nombreArchivo + ": el archivo está vacío. Ingrese Comando:",
              mensajeDeLectura(nombreArchivo, vacio));
    escribirModelo("Nudos: 1 0 0\n");
    EXPECT_EQ("No se pudo leer " + nombreArchivo +
                  ": no define ningún nudo (etiqueta nudos:). Ingrese Comando:",
              mensajeDeLectura(nombreArchivo, vacio));
    // A model with nodes is a model, complete or not.
    EXPECT_EQ("", mensajeDeLectura(nombreArchivo, modeloVisor));
}

TEST_F(novatoEnDirectorio, F5SinArchivoLoDiceYUnaLecturaBuenaLoQuita) {
    teclear("plotM");
    recargar();  // the file is not there
    EXPECT_EQ("No se pudo leer " + nombreArchivo + ": el archivo no existe. Ingrese Comando:",
              dialogo);
    EXPECT_EQ(0, modeloVisor.noNudos);
    escribirModelo(textoPortico());
    recargar();
    EXPECT_EQ("Ingrese Comando:", dialogo);
    EXPECT_EQ(4, modeloVisor.noNudos);
    // A reply of a command is not the reader's: a good F5 leaves it.
    teclear("plotM");
    recargar();
    EXPECT_EQ("Momentos Flectores Desactivados. Ingrese Comando:", dialogo);
}

// Every command of README's command table and every key of its key table
// has its line in the help of F1.
TEST(ayudaF1, nombraCadaComandoYTeclaDelReadme) {
    const std::string ayuda = textoAyudaVisor();
    const std::string readme = textoDe(std::string(KARVEL_RAIZ) + "/README.md");
    const size_t inicio = readme.find("**Comandos**");
    ASSERT_NE(std::string::npos, inicio);
    const size_t fin = readme.find("\n\n", readme.find("| Comando |", inicio));
    const std::string tabla = readme.substr(inicio, fin - inicio);
    // The commands stand in backquotes in the first column of each row.
    const std::regex fila("\n\\| ([^|]*) \\|");
    const std::regex palabra("`([A-Za-z]+)`");
    std::set<std::string> comandos;
    for (std::sregex_iterator f(tabla.begin(), tabla.end(), fila), e; f != e; ++f) {
        const std::string celda = (*f)[1];
        for (std::sregex_iterator p(celda.begin(), celda.end(), palabra), q; p != q; ++p) {
            comandos.insert((*p)[1]);
        }
    }
    EXPECT_GE(comandos.size(), 24u);
    for (const std::string& c : comandos) {
        EXPECT_TRUE(std::regex_search(ayuda, std::regex("(^|\n|, )" + c + "[ ,]")))
            << c << " falta en la ayuda";
    }
    // Every key and mouse action of README's two tables, and the words the
    // help gives it.
    const std::map<std::string, std::string> palabraEnAyuda = {
        {"Escape", "Escape"},
        {"Enter", "Enter"},
        {"+ / -", "(tecla +)"},
        {"Shift con + / -", "(shift +)"},
        {"Alt+T", "Alt-t"},
        {"Alt+F", "Alt-f"},
        {"Alt+N", "Alt-n"},
        {"F1", "F1"},
        {"F5", "F5"},
        {"Arrastrar con el botón izquierdo", "Paneo"},
        {"Rueda adelante / atrás", "Zoom"}};
    const size_t raton = readme.find("**Ratón**");
    ASSERT_NE(std::string::npos, raton);
    const std::string teclas = readme.substr(raton, inicio - raton);
    int filas = 0;
    for (std::sregex_iterator f(teclas.begin(), teclas.end(), fila), e; f != e; ++f) {
        const std::string celda = (*f)[1];
        if (celda == "Acción" || celda == "Tecla" || celda.rfind("---", 0) == 0) continue;
        ++filas;
        const auto p = palabraEnAyuda.find(celda);
        ASSERT_NE(palabraEnAyuda.end(), p) << "tecla del README sin su palabra: " << celda;
        EXPECT_NE(std::string::npos, ayuda.find(p->second)) << celda << " falta en la ayuda";
    }
    EXPECT_EQ(filas, static_cast<int>(palabraEnAyuda.size()));
}

// The window lays the help out in two columns: every line of the help lands
// in exactly one of them (only the blank line that closed the command list
// goes), the commands with their heading on the right, and neither column
// reaches the prompt of an 800-pixel window: the 12-point Helvetica advances
// 16 pixels a line, the help starts 3 L = 36 pixels under the top and the
// prompt's two lines stand 36 pixels over the bottom, so (800 - 2·36 -
// 2·16) / 16 = 43 lines fit.
TEST(ayudaF1, dosColumnasConservanCadaLinea) {
    const auto lineas = [](const std::string& t) {
        std::multiset<std::string> r;
        std::istringstream s(t);
        for (std::string l; std::getline(s, l);) r.insert(l);
        return r;
    };
    const columnasAyuda c = columnasDeAyuda();
    std::multiset<std::string> juntas = lineas(c.teclas);
    for (const std::string& l : lineas(c.comandos)) juntas.insert(l);
    std::multiset<std::string> todas = lineas(textoAyudaVisor());
    todas.erase(todas.find(""));
    EXPECT_EQ(juntas, todas);
    EXPECT_EQ(0u, c.comandos.rfind("COMANDOS DE LINEA DE COMANDOS:\n", 0));
    EXPECT_EQ(std::string::npos, c.teclas.find("-->"));
    EXPECT_LE(lineas(c.teclas).size(), 43u);
    EXPECT_LE(lineas(c.comandos).size(), 43u);
}
