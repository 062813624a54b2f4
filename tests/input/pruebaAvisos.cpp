// Mistakes in the input file: each one gives one clear warning, the item is
// skipped or kept as documented, and nothing else of the model is lost.
#include <gtest/gtest.h>

#include "lecturaPrueba.h"

namespace {

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
    const std::string consola = leerArchivoModelo(datosEntrada("numerosInexistentes.txt"));
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
    ASSERT_EQ(punteroNudos.size(), 6);
    EXPECT_EQ(punteroNudos(0), -1);
    EXPECT_EQ(punteroNudos(2), -1);
    EXPECT_EQ(punteroNudos(5), 2);
    ASSERT_EQ(punteroBarras.size(), 3);
    EXPECT_EQ(punteroBarras(0), -1);
    // What the valid numbers name is applied in full.
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_DOUBLE_EQ(nudo[1].getPyCombo(0), -10.0);
    EXPECT_EQ(barra[0].getNombreDeSeccion(), "S");
    EXPECT_EQ(barra[1].getNombreDeSeccion(), "S");
    EXPECT_DOUBLE_EQ(barra[1].getFactorArticulacionInicio(), 0.0);
    EXPECT_DOUBLE_EQ(barra[0].getQInicioCombo(0), -5.0);
    EXPECT_DOUBLE_EQ(barra[1].getQInicioCombo(0), 0.0);
}

TEST(Avisos, NumerosRepetidos) {
    const std::string consola = leerArchivoModelo(datosEntrada("duplicados.txt"));
    const std::vector<std::string> esperados = {
        "Advertencia: en nudos: el número 1 se repite; cada fila es un nudo distinto y el número "
        "se refiere a la última",
        "Advertencia: en barras: el número 1 se repite; cada fila es una barra distinta y el "
        "número se refiere a la última",
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    ASSERT_EQ(noNudos, 3);
    ASSERT_EQ(noBarras, 2);
    // Each row keeps its own internal index (own freedoms).
    EXPECT_EQ(nudo[0].getNoNudo(), 0);
    EXPECT_EQ(nudo[2].getNoNudo(), 2);
    EXPECT_EQ(barra[1].getNudoInicio(), 1);
    // Number 1 names the later node (0, 3) everywhere.
    EXPECT_EQ(barra[0].getNudoInicio(), 2);
    EXPECT_DOUBLE_EQ(barra[0].getYi(), 3.0);
    EXPECT_EQ(nudo[2].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_DOUBLE_EQ(nudo[2].getPxCombo(0), 5.0);
    EXPECT_DOUBLE_EQ(nudo[0].getPxCombo(0), 0.0);
    EXPECT_EQ(punteroBarras(1), 1);
}

TEST(Avisos, CombinacionesAlineadas) {
    const std::string consola = leerArchivoModelo(datosEntrada("combos.txt"));
    const std::vector<std::string> esperados = {
        "Advertencia: el combo VACIO no tiene pares factor/caso; sus cargas son cero",
        "Advertencia: el combo A está repetido (la entrada 3 de combo:); se ignora",
        "Advertencia: el combo B nombra el caso Qx, que ninguna carga del archivo usa",
        "Advertencia: la entrada 5 de combo: tiene por nombre 1.5, que parece un número (¿falta el "
        "nombre de combinación?); se conserva",
        "Advertencia: el combo 1.5 no tiene pares factor/caso; sus cargas son cero",
        "Advertencia: en combo: C el factor 3 no tiene nombre de caso; se descarta",
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    // Registered: A, VACIO, B, 1.5, C; every element holds exactly these rows.
    ASSERT_EQ(noCombos, 5);
    const char* const nombres[] = {"A", "VACIO", "B", "1.5", "C"};
    for (const objNudo2d& n : nudo) {
        ASSERT_EQ(n.getCantidadDeCombos(), 5);
        for (int c = 0; c < 5; ++c) EXPECT_EQ(n.getNombreCombo(c), nombres[c]);
    }
    ASSERT_EQ(barra[0].getCantidadDeCombos(), 5);
    const double pyEsperado[] = {-10, 0, 0, 0, -20};  // C keeps only its pair 2 P
    for (int c = 0; c < 5; ++c) EXPECT_DOUBLE_EQ(nudo[1].getPyCombo(c), pyEsperado[c]) << c;
    const double qEsperado[] = {0, 0, -2, 0, 0};
    for (int c = 0; c < 5; ++c) EXPECT_DOUBLE_EQ(barra[0].getQFinCombo(c), qEsperado[c]) << c;
}

TEST(Avisos, DatosQueFaltanOQueNoTienenSentido) {
    const std::string consola = leerArchivoModelo(datosEntrada("valores.txt"));
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
    };
    EXPECT_EQ(avisosPropios(consola), esperados);
    // Values are kept as given; refused entries change nothing.
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(1, 2, 1));
    EXPECT_DOUBLE_EQ(nudo[1].getResorteX(), -50);
    EXPECT_DOUBLE_EQ(nudo[1].getResorteGiro(), 10);
    EXPECT_DOUBLE_EQ(barra[1].getArea(), 0);
    EXPECT_DOUBLE_EQ(barra[1].getInercia(), -1);
    EXPECT_EQ(barra[1].getNombreDeSeccion(), "G");
    EXPECT_DOUBLE_EQ(barra[0].getFactorArticulacionInicio(), 1.0);
    EXPECT_EQ(precision, 3);
}

TEST(Avisos, TokenNoNumericoEnLaTablaDeNudos) {
    const std::string consola = leerModelo("nudos: 1 0 0 2 e 3\nbarras: 1 1 2\n");
    EXPECT_EQ(avisosPropios(consola),
              std::vector<std::string>{
                  "Advertencia: el valor e de nudos: no es un número válido; se toma 0"});
    ASSERT_EQ(noNudos, 2);
    EXPECT_DOUBLE_EQ(nudo[1].getX(), 0.0);
    EXPECT_DOUBLE_EQ(barra[0].getLongitud(), 3.0);
}

TEST(Avisos, BarraDeLongitudCero) {
    const std::string consola = leerModelo("nudos: 1 0 0 2 4 0 3 4 0\nbarras: 5 1 2 7 2 3 8 2 2\n");
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: la barra 7 tiene longitud cero; no se considera en el análisis",
                  "Advertencia: la barra 8 tiene longitud cero; no se considera en el análisis"}));
    EXPECT_EQ(noBarras, 3);
}

TEST(Avisos, SinNudosNiBarrasLasEntradasSeSaltan) {
    const std::string consola = leerModelo(
        "barras: 1 1 2\napoyo: 1 1 1 1\nseccionGenerica: S 1 1 1 0 1\narticulacion: 0 0 1\n");
    EXPECT_EQ(noNudos, 0);
    EXPECT_EQ(noBarras, 0);
    EXPECT_TRUE(nudo.empty());
    EXPECT_TRUE(barra.empty());
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: en barras: la barra 1 nombra los nudos 1 y 2, que no existen; se "
                  "ignora la barra",
                  "Advertencia: en apoyo: el nudo 1 no existe; se ignora",
                  "Advertencia: en seccionGenerica: la barra 1 no existe; se ignora",
                  "Advertencia: en articulacion: la barra 1 no existe; se ignora"}));
}

TEST(Avisos, NadaQuedaDeUnaLecturaAnterior) {
    leerModelo("nudos: 1 0 0 2 4 0 9 8 0\nbarras: 1 1 2 6 2 9\ncombo: X 1 D\n");
    ASSERT_EQ(punteroBarras.size(), 7);
    // Second read: fewer nodes, no bars, no combinations.
    const std::string consola = leerModelo("nudos: 1 0 0 2 4 0\nseccionGenerica: S 1 1 1 0 6\n");
    EXPECT_EQ(punteroNudos.size(), 3);
    EXPECT_EQ(punteroBarras.size(), 0);
    EXPECT_TRUE(barra.empty());
    EXPECT_EQ(noCombos, 0);
    EXPECT_EQ(nudo[0].getCantidadDeCombos(), 0);
    EXPECT_EQ(avisosPropios(consola),
              std::vector<std::string>{
                  "Advertencia: en seccionGenerica: la barra 6 no existe; se ignora"});
    // The same model read twice (no reload emptying the lists) keeps one row
    // per combination.
    const std::string ejemplo = std::string(KARVEL_RAIZ) + "/ingresoDatos.txt";
    leerArchivoModelo(ejemplo);
    leerArchivoModelo(ejemplo);
    EXPECT_EQ(nudo[1].getCantidadDeCombos(), 2);
    EXPECT_DOUBLE_EQ(nudo[1].getPxCombo(1), 10.0);
    EXPECT_EQ(barra[1].getCantidadDeCombos(), 2);
    EXPECT_NEAR(barra[1].getQInicioCombo(0), -28.32, 1e-12);
}

TEST(Avisos, AjusteSinValorValido) {
    const std::string consola = leerModelo("escalaM: abc\nescalaV: 0.2 escalaV: x\nprecision:");
    EXPECT_DOUBLE_EQ(escalaM, 0.1);
    EXPECT_DOUBLE_EQ(escalaV, 0.2);
    EXPECT_EQ(precision, 3);
    EXPECT_EQ(avisosPropios(consola),
              (std::vector<std::string>{
                  "Advertencia: el valor abc de escalaM: no es un número válido; se ignora",
                  "Advertencia: el valor x de escalaV: no es un número válido; se ignora",
                  "Advertencia: precision: no tiene valor (fin del archivo); se ignora"}));
}
