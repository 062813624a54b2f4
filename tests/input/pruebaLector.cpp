// The tagged reader on its own: counts, settings, tables, names, lists and
// factor/name pairs, and its warnings for tokens that are no numbers.
#include <gtest/gtest.h>

#include "claseLeerArchivo.h"
#include "lecturaPrueba.h"

namespace {

// A reader on a text, built while the console is captured.
struct lectorDePrueba {
    explicit lectorDePrueba(const std::string& contenido) : archivo(contenido) {
        capturaConsola c;
        lector.setNombreArchivo(archivo.nombre());
        inicio = c.texto();
    }
    archivoTemporal archivo;
    claseLeerArchivo lector;
    std::string inicio;
};

}  // namespace

TEST(Lector, CuentaEtiquetasSoloConCoincidenciaExacta) {
    lectorDePrueba p("nudos: 1 0 0\nNudos: 2\nnudos:3 combo: a combo: b\n");
    EXPECT_EQ(p.lector.getNoEtiquetas("nudos:"), 1);  // "Nudos:" and "nudos:3" do not match
    EXPECT_EQ(p.lector.getNoEtiquetas("combo:"), 2);
    EXPECT_EQ(p.lector.getNoEtiquetas("apoyo:"), 0);
    EXPECT_TRUE(p.inicio.empty());
}

TEST(Lector, CaracteresNumericos) {
    claseLeerArchivo l;
    EXPECT_TRUE(l.esNumero("-3.5e-2"));
    EXPECT_TRUE(l.esNumero("12"));
    EXPECT_TRUE(l.esNumero("e"));
    EXPECT_TRUE(l.esNumero("+"));
    EXPECT_TRUE(l.esNumero("-."));
    EXPECT_FALSE(l.esNumero("1E5"));
    EXPECT_FALSE(l.esNumero("nudos:"));
    EXPECT_FALSE(l.esNumero("x"));
    EXPECT_FALSE(l.esNumero("3,"));
}

TEST(Lector, AjusteUltimaOcurrenciaYAusente) {
    lectorDePrueba p("precision: 4 escalaM: 0.5\nprecision: 6\n");
    capturaConsola c;
    EXPECT_EQ(p.lector.getEntero("precision:"), 6);
    EXPECT_DOUBLE_EQ(p.lector.getReal("escalaM:"), 0.5);
    EXPECT_EQ(c.texto(), "");
    EXPECT_EQ(p.lector.getEntero("nada:"), -1);
    EXPECT_DOUBLE_EQ(p.lector.getReal("otra:"), -1.0);
    EXPECT_EQ(c.texto(),
              "Advertencia: no se encontró ningún entero con etiqueta nada:\n"
              "Advertencia: no se encontró ningún real con etiqueta otra:\n");
}

TEST(Lector, AjusteConValorNoValidoSeSalta) {
    // An invalid value is skipped; an earlier valid occurrence still counts.
    lectorDePrueba p("escalaM: 0.5 escalaM: abc escalaV: - precision: 2.5x escalaN:");
    capturaConsola c;
    EXPECT_DOUBLE_EQ(p.lector.getReal("escalaM:"), 0.5);
    EXPECT_DOUBLE_EQ(p.lector.getReal("escalaV:"), -1.0);
    EXPECT_EQ(p.lector.getEntero("precision:"), -1);
    EXPECT_DOUBLE_EQ(p.lector.getReal("escalaN:"), -1.0);
    EXPECT_EQ(c.texto(),
              "Advertencia: el valor abc de escalaM: no es un número válido; se ignora\n"
              "Advertencia: el valor - de escalaV: no es un número válido; se ignora\n"
              "Advertencia: el valor 2.5x de precision: no es un entero válido; se ignora\n"
              "Advertencia: escalaN: no tiene valor (fin del archivo); se ignora\n");
}

TEST(Lector, MatrizPorFilas) {
    // Block to the end of the file without a final line end; prefix 2.5e = 2.5.
    lectorDePrueba p("titulo nudos:\n1 0 0\n2 2.5e 3\n3 -1.5 4");
    Eigen::MatrixXd m = p.lector.getMatriz("nudos:", 3);
    ASSERT_EQ(m.rows(), 3);
    ASSERT_EQ(m.cols(), 3);
    EXPECT_DOUBLE_EQ(m(1, 1), 2.5);
    EXPECT_DOUBLE_EQ(m(2, 1), -1.5);
    EXPECT_DOUBLE_EQ(m(2, 2), 4.0);
    Eigen::MatrixXd vacia = p.lector.getMatriz("barras:", 3);
    EXPECT_EQ(vacia.rows(), 0);
    EXPECT_EQ(vacia.cols(), 3);
}

TEST(Lector, MatrizIncompleta) {
    lectorDePrueba p("nudos: 1 0 0 2 0 3 7\nbarras: 1 1 2\n");
    capturaConsola c;
    Eigen::MatrixXd m = p.lector.getMatriz("nudos:", 3);
    EXPECT_EQ(m.size(), 0);
    EXPECT_EQ(c.texto(), "Faltan datos para completar la matriz nudos:\n");
}

TEST(Lector, PalabraDentroDelBloqueLoTermina) {
    lectorDePrueba p("nudos: 1 0 0 2 0 3 nota 3 4 4\n");
    EXPECT_EQ(p.lector.getMatriz("nudos:", 3).rows(), 2);
    // "1E5" is not written with number characters: it ends the block too.
    lectorDePrueba q("nudos: 1 0 0 2 1E5 3\n");
    capturaConsola c;
    EXPECT_EQ(q.lector.getMatriz("nudos:", 3).size(), 0);
}

TEST(Lector, TokensQueNoSonNumerosValenCeroConAviso) {
    // e, + and ---------- pass the character test; 1e999 overflows a double.
    lectorDePrueba p("nudos: 1 e + 2 ---------- 1e999\n");
    capturaConsola c;
    Eigen::MatrixXd m = p.lector.getMatriz("nudos:", 3);
    ASSERT_EQ(m.rows(), 2);
    EXPECT_DOUBLE_EQ(m(0, 0), 1.0);
    EXPECT_DOUBLE_EQ(m(0, 1), 0.0);
    EXPECT_DOUBLE_EQ(m(0, 2), 0.0);
    EXPECT_DOUBLE_EQ(m(1, 0), 2.0);
    EXPECT_DOUBLE_EQ(m(1, 1), 0.0);
    EXPECT_DOUBLE_EQ(m(1, 2), 0.0);
    // Asked twice, each token is still reported once.
    p.lector.getMatriz("nudos:", 3);
    EXPECT_EQ(c.texto(),
              "Advertencia: el valor e de nudos: no es un número válido; se toma 0\n"
              "Advertencia: el valor + de nudos: no es un número válido; se toma 0\n"
              "Advertencia: el valor ---------- de nudos: no es un número válido; se toma 0\n"
              "Advertencia: el valor 1e999 de nudos: no es un número válido; se toma 0\n");
}

TEST(Lector, TablaRepetidaSeUneEnOrden) {
    lectorDePrueba p("nudos: 1 0 0 2 0 3\nbarras: 1 1 2\nnudos: 3 4 3\n");
    capturaConsola c;
    Eigen::MatrixXd m = p.lector.getMatriz("nudos:", 3);
    ASSERT_EQ(m.rows(), 3);
    EXPECT_DOUBLE_EQ(m(2, 0), 3.0);
    EXPECT_DOUBLE_EQ(m(2, 1), 4.0);
    EXPECT_EQ(c.texto(),
              "Advertencia: la etiqueta nudos: aparece 2 veces; sus datos se unen en el orden del "
              "archivo\n");
    // A block that is incomplete on its own makes the table empty even when
    // the joined count would divide.
    lectorDePrueba q("nudos: 1 0 0 2\nnudos: 0 3\n");
    capturaConsola c2;
    EXPECT_EQ(q.lector.getMatriz("nudos:", 3).size(), 0);
}

TEST(Lector, NombreYListaPorOcurrencia) {
    lectorDePrueba p("puntual: W 10 0 0 2 3\npuntual: V 0 -5 0 4 nota 9\npuntual:");
    EXPECT_EQ(p.lector.getString("puntual:", 1), "W");
    EXPECT_EQ(p.lector.getString("puntual:", 2), "V");
    EXPECT_EQ(p.lector.getString("puntual:", 3), "");  // the last token of the file
    EXPECT_EQ(p.lector.getString("puntual:", 4), "");
    EXPECT_EQ(p.lector.getMatrizEtiquetaRepetida("puntual:", 1, 1),
              (std::vector<double>{10, 0, 0, 2, 3}));
    EXPECT_EQ(p.lector.getMatrizEtiquetaRepetida("puntual:", 2, 1),
              (std::vector<double>{0, -5, 0, 4}));
    EXPECT_TRUE(p.lector.getMatrizEtiquetaRepetida("puntual:", 3, 1).empty());
    EXPECT_TRUE(p.lector.getMatrizEtiquetaRepetida("puntual:", 5, 1).empty());
    // Without skipping, the name ends the list at once.
    EXPECT_TRUE(p.lector.getMatrizEtiquetaRepetida("puntual:", 1, 0).empty());
}

TEST(Lector, ParesFactorNombre) {
    lectorDePrueba p("combo: C1 1.2 PP 1.6 CV escalaM: 1\ncombo: C2 1 PP -0.5 W");
    EXPECT_EQ(p.lector.getFactoresEtiqueta("combo:", 1, 1), (std::vector<double>{1.2, 1.6}));
    EXPECT_EQ(p.lector.getNombresDeFactores("combo:", 1, 1),
              (std::vector<std::string>{"PP", "CV"}));
    EXPECT_EQ(p.lector.getFactoresEtiqueta("combo:", 2, 1), (std::vector<double>{1, -0.5}));
    EXPECT_EQ(p.lector.getNombresDeFactores("combo:", 2, 1), (std::vector<std::string>{"PP", "W"}));
    EXPECT_TRUE(p.lector.getFactoresEtiqueta("combo:", 3, 1).empty());
}

TEST(Lector, ParIncompletoAlFinalSeDescarta) {
    lectorDePrueba p("combo: C1 1.2 PP 1.6");
    capturaConsola c;
    EXPECT_EQ(p.lector.getFactoresEtiqueta("combo:", 1, 1), (std::vector<double>{1.2}));
    EXPECT_EQ(p.lector.getNombresDeFactores("combo:", 1, 1), (std::vector<std::string>{"PP"}));
    EXPECT_EQ(c.texto(),
              "Advertencia: en combo: C1 el factor 1.6 no tiene nombre de caso; se descarta\n");
    // The next entry of the same tag in the name position ends the list too.
    lectorDePrueba q("combo: C1 1 PP 2 combo: C2 1 W");
    capturaConsola c2;
    EXPECT_EQ(q.lector.getNombresDeFactores("combo:", 1, 1), (std::vector<std::string>{"PP"}));
    EXPECT_EQ(q.lector.getNombresDeFactores("combo:", 2, 1), (std::vector<std::string>{"W"}));
}

TEST(Lector, ArchivoInexistenteUnSoloAviso) {
    claseLeerArchivo l;
    capturaConsola c;
    l.setNombreArchivo("/nonexistent/karvel/modelo.txt");
    EXPECT_EQ(l.getNoEtiquetas("nudos:"), 0);
    EXPECT_EQ(l.getString("combo:", 1), "");
    EXPECT_TRUE(l.getMatrizEtiquetaRepetida("apoyo:", 1, 0).empty());
    Eigen::MatrixXd m = l.getMatriz("nudos:", 3);
    EXPECT_EQ(m.rows(), 0);
    EXPECT_EQ(m.cols(), 3);
    EXPECT_FALSE(l.archivoLeido());
    EXPECT_EQ(c.texto(),
              "Advertencia: no se pudo abrir el archivo /nonexistent/karvel/modelo.txt para "
              "lectura; no se leyó ningún dato\n");
}
