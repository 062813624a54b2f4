// Mistakes in the input file: each one gives one clear warning, the item is
// skipped or kept as documented, and nothing else of the model is lost.
#include <gtest/gtest.h>

#include "lecturaPrueba.h"
#include "resultadosBarra.h"

namespace {

// Px, Py, Mz of node i in combination c; zeros for a combination the model
// does not hold.
Eigen::Vector3d cargasNudo(const modelo& m, int i, int c) {
    if (c < 0 || c >= static_cast<int>(m.combos.size())) return Eigen::Vector3d::Zero();
    return m.nudo[i].getCargasCombo(m.combos[c]);
}

// Full-length distributed load of bar i in combination c.
cargaTrapecial trapecio(const modelo& m, int i, int c) {
    if (c < 0 || c >= static_cast<int>(m.combos.size())) return {};
    return m.barra[i].getCargasCombo(m.combos[c]).trapecio;
}

// Warnings other than the reader's "no se encontró ..." for absent settings.
std::vector<std::string> avisosPropios(const std::string& consola) {
    std::vector<std::string> r;
    for (const std::string& a : avisosDe(consola)) {
        if (a.find("no se encontró ningún") == std::string::npos) r.push_back(a);
    }
    return r;
}

}  // namespace

TEST(Avisos, NumerosQueNoNombranNada) {
    const auto [m, consola] = leerArchivoModelo(datosEntrada("numerosInexistentes.txt"));
    const std::vector<std::string> esperados = {
        "Advertencia: en nudos: el número de nudo -2 está fuera del rango 0 a 1000000; se ignora "
        "la fila",
        "Advertencia: en nudos: el número de nudo 2000000 está fuera del rango 0 a 1000000; se "
        "ignora la fila",
        "Advertencia: en barras: la barra 3 nombra el nudo 7, que no existe; se ignora la barra",
        "Advertencia: en barras: la barra 4 nombra los nudos 15 y 16, que no existen; se ignora la "
        "barra",
        "Advertencia: en barras: el número de barra -1 está fuera del rango 0 a 1000000; se ignora "
        "la fila",
        "Advertencia: en apoyo: el nudo 2 no existe; se ignora",
        "Advertencia: en apoyo: el nudo -4 no existe; se ignora",
        "Advertencia: en apoyo: el nudo 15 no existe; se ignora",
        "Advertencia: en resorte: el nudo 4 no existe; se ignora",
        "Advertencia: en puntual: el nudo 6 no existe; se ignora",
        "Advertencia: en seccionRectangular: la barra 3 no existe; se ignora",
        "Advertencia: en seccionRectangular: la barra 9 no existe; se ignora",
        "Advertencia: en articulacion: la barra 4 no existe; se ignora",
        "Advertencia: en distribuidaLocal: la barra -1 no existe; se ignora",
        "Advertencia: en distribuidaLocal: la barra 15000000 no existe; se ignora",
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    EXPECT_TRUE(contieneLinea(consola, "lectura de nudos OK Num Nudos = 3"));
    EXPECT_TRUE(contieneLinea(consola, "lectura de barras OK Num Barras = 2"));
    // Unused numbers hold -1, never the first node or bar.
    ASSERT_EQ(m.punteroNudos.size(), 6);
    EXPECT_EQ(m.punteroNudos(0), -1);
    EXPECT_EQ(m.punteroNudos(2), -1);
    EXPECT_EQ(m.punteroNudos(5), 2);
    ASSERT_EQ(m.punteroBarras.size(), 3);
    EXPECT_EQ(m.punteroBarras(0), -1);
    // What the valid numbers name is applied in full.
    EXPECT_EQ(m.nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_DOUBLE_EQ(cargasNudo(m, 1, 0)(1), -10.0);
    EXPECT_EQ(m.barra[0].getNombreDeSeccion(), "S");
    EXPECT_EQ(m.barra[1].getNombreDeSeccion(), "S");
    EXPECT_DOUBLE_EQ(m.barra[1].getFactorArticulacionInicio(), 0.0);
    EXPECT_DOUBLE_EQ(trapecio(m, 0, 0).qi, -5.0);
    EXPECT_DOUBLE_EQ(trapecio(m, 1, 0).qi, 0.0);
}

TEST(Avisos, NumerosRepetidos) {
    const auto [m, consola] = leerArchivoModelo(datosEntrada("duplicados.txt"));
    const std::vector<std::string> esperados = {
        "Advertencia: en nudos: el número 1 se repite; cada fila es un nudo distinto y el número "
        "se refiere a la última",
        "Advertencia: en barras: el número 1 se repite; cada fila es una barra distinta y el "
        "número se refiere a la última",
        // Neither row of bar number 1 has a section.
        "Advertencia: la barra 1 no tiene sección (ninguna seccionRectangular: ni seccionGenerica: "
        "la nombra); no aporta rigidez",
        "Advertencia: la barra 1 no tiene sección (ninguna seccionRectangular: ni seccionGenerica: "
        "la nombra); no aporta rigidez",
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    ASSERT_EQ(m.noNudos, 3);
    ASSERT_EQ(m.noBarras, 2);
    // Each row keeps its own internal index (own freedoms).
    EXPECT_EQ(m.nudo[0].getNoNudo(), 0);
    EXPECT_EQ(m.nudo[2].getNoNudo(), 2);
    EXPECT_EQ(m.barra[1].getNudoInicio(), 1);
    // Number 1 names the later node (0, 3) everywhere.
    EXPECT_EQ(m.barra[0].getNudoInicio(), 2);
    EXPECT_DOUBLE_EQ(m.barra[0].getYi(), 3.0);
    EXPECT_EQ(m.nudo[2].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(m.nudo[0].getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_DOUBLE_EQ(cargasNudo(m, 2, 0)(0), 5.0);
    EXPECT_DOUBLE_EQ(cargasNudo(m, 0, 0)(0), 0.0);
    EXPECT_EQ(m.punteroBarras(1), 1);
}

TEST(Avisos, CombinacionesAlineadas) {
    const auto [m, consola] = leerArchivoModelo(datosEntrada("combos.txt"));
    const std::vector<std::string> esperados = {
        "Advertencia: el combo VACIO no tiene pares factor/caso; sus cargas son cero",
        "Advertencia: el combo A está repetido (la entrada 3 de combo:); se ignora",
        "Advertencia: el combo B nombra el caso Qx, que ninguna carga del archivo usa",
        "Advertencia: la entrada 5 de combo: tiene por nombre 1.5, que parece un número (¿falta el "
        "nombre de combinación?); se conserva",
        "Advertencia: el combo 1.5 no tiene pares factor/caso; sus cargas son cero",
        "Advertencia: en combo: C el factor 3 no tiene nombre de caso; se descarta",
        "Advertencia: la barra 1 no tiene sección (ninguna seccionRectangular: ni seccionGenerica: "
        "la nombra); no aporta rigidez",
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    // Registered: A, VACIO, B, 1.5, C; every element forms its loads in
    // exactly these combinations.
    ASSERT_EQ(m.noCombos, 5);
    ASSERT_EQ(m.combos.size(), 5u);
    const char* const nombres[] = {"A", "VACIO", "B", "1.5", "C"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(m.nombreDelCombo(c), nombres[c]);
    ASSERT_EQ(resultadosBarra(m.barra[0], m.combos).getCantidadDeCombos(), 5);
    const double pyEsperado[] = {-10, 0, 0, 0, -20};  // C keeps only its pair 2 P
    for (int c = 0; c < 5; ++c) EXPECT_DOUBLE_EQ(cargasNudo(m, 1, c)(1), pyEsperado[c]) << c;
    const double qEsperado[] = {0, 0, -2, 0, 0};
    for (int c = 0; c < 5; ++c) EXPECT_DOUBLE_EQ(trapecio(m, 0, c).qf, qEsperado[c]) << c;
}

TEST(Avisos, DatosQueFaltanOQueNoTienenSentido) {
    const auto [m, consola] = leerArchivoModelo(datosEntrada("valores.txt"));
    const std::vector<std::string> esperados = {
        "Advertencia: la entrada 1 de apoyo: tiene el código 2, que no es 0 ni 1; se conserva (ese "
        "grado de libertad no se calcula: desplazamiento nulo y sin reacción)",
        "Advertencia: la entrada 2 de apoyo: tiene 2 valores y necesita 3; no se aplica",
        "Advertencia: la entrada 1 de resorte: tiene una rigidez negativa (kx = -50); se conserva",
        "Advertencia: la entrada 1 de puntual: tiene por nombre 10, que parece un número (¿falta "
        "el nombre de caso de carga?); se conserva",
        "Advertencia: la entrada 1 de seccionRectangular: tiene por nombre 0.3, que parece un "
        "número (¿falta el nombre de sección?); se conserva",
        "Advertencia: la entrada 2 de seccionRectangular: (R) tiene 3 valores y necesita 4; no se "
        "aplica",
        "Advertencia: la entrada 1 de seccionGenerica: (G) tiene A = 0, que no es positivo; se "
        "conserva",
        "Advertencia: la entrada 1 de seccionGenerica: (G) tiene I = -1, que no es positivo; se "
        "conserva",
        "Advertencia: la entrada 1 de seccionGenerica: (G) tiene E = 0, que no es positivo; se "
        "conserva",
        "Advertencia: la entrada 1 de articulacion: tiene 1 valor y necesita 2; no se aplica",
        "Advertencia: la entrada 1 de distribuidaLocal: (L) tiene 3 valores y necesita 4; no se "
        "aplica",
        "Advertencia: la entrada 1 de distribuidaGlobal: (W) tiene dirección (0, 0), que no "
        "define una dirección; no se aplica",
        "Advertencia: el valor -3 de precision: es negativo; se ignora",
        // The section named "0.3" lists no bar: bar 1 has none.
        "Advertencia: la barra 1 no tiene sección (ninguna seccionRectangular: ni seccionGenerica: "
        "la nombra); no aporta rigidez",
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    // Values are kept as given; refused entries change nothing.
    EXPECT_EQ(m.nudo[0].getApoyo(), Eigen::Vector3i(1, 2, 1));
    EXPECT_DOUBLE_EQ(m.nudo[1].getResorteX(), -50);
    EXPECT_DOUBLE_EQ(m.nudo[1].getResorteGiro(), 10);
    EXPECT_DOUBLE_EQ(m.barra[1].getArea(), 0);
    EXPECT_DOUBLE_EQ(m.barra[1].getInercia(), -1);
    EXPECT_EQ(m.barra[1].getNombreDeSeccion(), "G");
    EXPECT_DOUBLE_EQ(m.barra[0].getFactorArticulacionInicio(), 1.0);
    EXPECT_EQ(m.ajustes.precision, 3);
}

TEST(Avisos, TokenNoNumericoEnLaTablaDeNudos) {
    const auto [m, consola] = leerModelo("nudos: 1 0 0 2 e 3\nbarras: 1 1 2\n");
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: el valor e de nudos: no es un número válido; se toma 0",
                  "Advertencia: la barra 1 no tiene sección (ninguna seccionRectangular: ni "
                  "seccionGenerica: la nombra); no aporta rigidez"}));
    ASSERT_EQ(m.noNudos, 2);
    EXPECT_DOUBLE_EQ(m.nudo[1].getX(), 0.0);
    EXPECT_DOUBLE_EQ(m.barra[0].getLongitud(), 3.0);
}

TEST(Avisos, BarraDeLongitudCero) {
    const auto [m, consola] = leerModelo("nudos: 1 0 0 2 4 0 3 4 0\nbarras: 5 1 2 7 2 3 8 2 2\n");
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: la barra 7 tiene longitud cero; no se considera en el análisis",
                  "Advertencia: la barra 8 tiene longitud cero; no se considera en el análisis",
                  "Advertencia: la barra 5 no tiene sección (ninguna seccionRectangular: ni "
                  "seccionGenerica: la nombra); no aporta rigidez",
                  "Advertencia: la barra 7 no tiene sección (ninguna seccionRectangular: ni "
                  "seccionGenerica: la nombra); no aporta rigidez",
                  "Advertencia: la barra 8 no tiene sección (ninguna seccionRectangular: ni "
                  "seccionGenerica: la nombra); no aporta rigidez"}));
    EXPECT_EQ(m.noBarras, 3);
}

TEST(Avisos, SinNudosNiBarrasLasEntradasSeSaltan) {
    const auto [m, consola] = leerModelo(
        "barras: 1 1 2\napoyo: 1 1 1 1\nseccionGenerica: S 1 1 1 0 1\narticulacion: 0 0 1\n");
    EXPECT_EQ(m.noNudos, 0);
    EXPECT_EQ(m.noBarras, 0);
    EXPECT_TRUE(m.nudo.empty());
    EXPECT_TRUE(m.barra.empty());
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: en barras: la barra 1 nombra los nudos 1 y 2, que no existen; se "
                  "ignora la barra",
                  "Advertencia: en apoyo: el nudo 1 no existe; se ignora",
                  "Advertencia: en seccionGenerica: la barra 1 no existe; se ignora",
                  "Advertencia: en articulacion: la barra 1 no existe; se ignora"}));
}

TEST(Avisos, NadaQuedaDeUnaLecturaAnterior) {
    const modelo primero =
        leerModelo("nudos: 1 0 0 2 4 0 9 8 0\nbarras: 1 1 2 6 2 9\ncombo: X 1 D\n").m;
    ASSERT_EQ(primero.punteroBarras.size(), 7);
    // Second read: fewer nodes, no bars, no combinations.
    const auto [m, consola] = leerModelo("nudos: 1 0 0 2 4 0\nseccionGenerica: S 1 1 1 0 6\n");
    EXPECT_EQ(m.punteroNudos.size(), 3);
    EXPECT_EQ(m.punteroBarras.size(), 0);
    EXPECT_TRUE(m.barra.empty());
    EXPECT_EQ(m.noCombos, 0);
    EXPECT_TRUE(m.combos.empty());
    EXPECT_EQ(avisosPropios(consola),
              std::vector<std::string>{
                  "Advertencia: en seccionGenerica: la barra 6 no existe; se ignora"});
    // The same model read twice (no reload emptying the lists) keeps one row
    // per combination.
    const std::string ejemplo = std::string(KARVEL_RAIZ) + "/ingresoDatos.txt";
    leerArchivoModelo(ejemplo);
    const modelo dos = leerArchivoModelo(ejemplo).m;
    EXPECT_EQ(dos.combos.size(), 2u);
    EXPECT_DOUBLE_EQ(cargasNudo(dos, 1, 1)(0), 10.0);
    EXPECT_EQ(resultadosBarra(dos.barra[1], dos.combos).getCantidadDeCombos(), 2);
    EXPECT_NEAR(trapecio(dos, 1, 0).qi, -28.32, 1e-12);
}

TEST(Avisos, AjusteSinValorValido) {
    const auto [m, consola] = leerModelo("escalaM: abc\nescalaV: 0.2 escalaV: x\nprecision:");
    EXPECT_DOUBLE_EQ(m.ajustes.escalaM, 0.1);
    EXPECT_DOUBLE_EQ(m.ajustes.escalaV, 0.2);
    EXPECT_EQ(m.ajustes.precision, 3);
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: el valor abc de escalaM: no es un número válido; se ignora",
                  "Advertencia: el valor x de escalaV: no es un número válido; se ignora",
                  "Advertencia: precision: no tiene valor (fin del archivo); se ignora"}));
}
