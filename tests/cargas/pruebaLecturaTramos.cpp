// The four tags of loads inside a bar, read as a user writes them: values,
// projection of global components, ends taken within a tolerance, the
// warnings of a wrong entry (and nothing else lost), the progress lines and
// the report's section of loads inside the bars. Also: two models read and
// solved in one process do not disturb each other.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "archivoTemporal.h"
#include "enCarpetaTemporal.h"
#include "funcionImprimirResultados.h"
#include "funcionLeerYResolver.h"
#include "funcionSolucionU.h"
#include "lecturaPrueba.h"

namespace {

// A 4-long beam (bar 1, along +X) and a 3-long column (bar 2, node 2 to 3,
// along +Y), fixed at nodes 1 and 3.
const std::string base =
    "nudos:\n1 0 0\n2 4 0\n3 4 3\n"
    "barras:\n1 1 2\n2 2 3\n"
    "apoyo: 1 1 1 1 3\n"
    "seccionGenerica: S 0.01 1e-4 2e8 0 1 2\n"
    "escalaDeflexion: 100\nescalaM: 0.1\nescalaV: 0.1\nescalaN: 0.1\nescalaTexto: 0.15\n"
    "escalaApoyo: 0.3\nescalaCarga: 0.1\nprecision: 3\n";

const cargaPuntual* puntualDe(const modelo& m, int barra, std::size_t k) {
    return std::get_if<cargaPuntual>(&m.barra[barra].getCargas().at(k).carga);
}
const cargaParcial* parcialDe(const modelo& m, int barra, std::size_t k) {
    return std::get_if<cargaParcial>(&m.barra[barra].getCargas().at(k).carga);
}

}  // namespace

TEST(LecturaTramos, CadaEtiquetaConSusValores) {
    const modeloLeido r = leerModelo(base +
                                     "puntualLocal: P 1 2 -3 4 1\n"
                                     "puntualGlobal: W 1.5 10 0 0 2\n"
                                     "distribuidaLocalParcial: Q 0.5 2 1 2 -3 -4 1\n"
                                     "distribuidaGlobalParcial: Q 1 2 5 5 0 -2 2\n"
                                     "combo: C1 1 P 1 W 1 Q\n");
    EXPECT_TRUE(avisosDe(r.consola).empty()) << r.consola;
    const cargaPuntual* p = puntualDe(r.m, 0, 0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->a, 1);
    EXPECT_EQ(p->px, 2);
    EXPECT_EQ(p->py, -3);
    EXPECT_EQ(p->mz, 4);
    EXPECT_FALSE(p->dadaEnGlobal);
    // Column along +Y: local x = global Y, local y = -global X.
    const cargaPuntual* w = puntualDe(r.m, 1, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->px, 0, 1e-12);
    EXPECT_NEAR(w->py, -10, 1e-12);
    EXPECT_TRUE(w->dadaEnGlobal);
    const cargaParcial* q = parcialDe(r.m, 0, 1);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->a, 0.5);
    EXPECT_EQ(q->b, 2);
    EXPECT_EQ(q->pa, 1);
    EXPECT_EQ(q->pb, 2);
    EXPECT_EQ(q->qa, -3);
    EXPECT_EQ(q->qb, -4);
    // Downward (0, -2) normalised, on the column: axial -5, transverse 0.
    const cargaParcial* g = parcialDe(r.m, 1, 1);
    ASSERT_NE(g, nullptr);
    EXPECT_NEAR(g->pa, -5, 1e-12);
    EXPECT_NEAR(g->pb, -5, 1e-12);
    EXPECT_NEAR(g->qa, 0, 1e-12);
    for (const char* linea : {"transferencia de cargas puntuales locales a barra[i] OK",
                              "transferencia de cargas puntuales globales a barra[i] OK",
                              "transferencia de cargas parciales locales a barra[i] OK",
                              "transferencia de cargas parciales globales a barra[i] OK"})
        EXPECT_TRUE(contieneLinea(r.consola, linea)) << linea;
    // No "nombra el caso ... que ninguna carga del archivo usa" for the new tags.
    EXPECT_EQ(r.consola.find("ninguna carga"), std::string::npos);
}

TEST(LecturaTramos, DistanciasJuntoALosExtremosSonLosExtremos) {
    const modeloLeido r = leerModelo(base +
                                     "puntualLocal: P -1e-12 0 -1 0 1\n"
                                     "puntualLocal: P 4.000000000001 0 -1 0 1\n"
                                     "distribuidaLocalParcial: Q -2e-12 4.000000000002 0 0 1 1 1\n"
                                     "combo: C1 1 P 1 Q\n");
    EXPECT_TRUE(avisosDe(r.consola).empty()) << r.consola;
    EXPECT_EQ(puntualDe(r.m, 0, 0)->a, 0);
    EXPECT_EQ(puntualDe(r.m, 0, 1)->a, 4);
    EXPECT_EQ(parcialDe(r.m, 0, 2)->a, 0);
    EXPECT_EQ(parcialDe(r.m, 0, 2)->b, 4);
}

// One warning per wrong entry, naming the tag, the entry, the bar and the
// value; the other entries and the rest of the file are read as usual.
TEST(LecturaTramos, EntradasErroneasUnAvisoCadaUna) {
    const modeloLeido r = leerModelo(base +
                                     "puntualLocal: P 1 2 3\n"
                                     "puntualGlobal: P 5 0 -1 0 1 2\n"
                                     "distribuidaLocalParcial: Q 3 2 0 0 1 1 1\n"
                                     "distribuidaGlobalParcial: Q 0 1 5 5 0 0 1\n"
                                     "puntualLocal: P 2 0 -1 0 9\n"
                                     "puntualLocal: P 2 0 -7 0 1\n"
                                     "combo: C1 1 P 1 Q\n");
    const std::vector<std::string> avisos = avisosDe(r.consola);
    const std::vector<std::string> esperados = {
        "Advertencia: la entrada 1 de puntualLocal: (P) tiene 3 valores y necesita 4; no se aplica",
        "Advertencia: la entrada 1 de puntualGlobal: (P) en la barra 1: a = 5 está fuera de la "
        "barra, que mide 4; no se aplica a esa barra",
        "Advertencia: la entrada 1 de puntualGlobal: (P) en la barra 2: a = 5 está fuera de la "
        "barra, que mide 3; no se aplica a esa barra",
        "Advertencia: la entrada 1 de distribuidaLocalParcial: (Q) en la barra 1: a = 3 no es "
        "menor que b = 2; no se aplica a esa barra",
        "Advertencia: la entrada 1 de distribuidaGlobalParcial: (Q) tiene dirección (0, 0), que "
        "no define una dirección; no se aplica",
        "Advertencia: en puntualLocal: la barra 9 no existe; se ignora",
    };
    for (const std::string& e : esperados)
        EXPECT_EQ(std::count(avisos.begin(), avisos.end(), e), 1) << e << "\n" << r.consola;
    EXPECT_EQ(avisos.size(), esperados.size()) << r.consola;
    // The point load at 5 is outside both bars; only the last entry of
    // puntualLocal: reached bar 1.
    ASSERT_EQ(r.m.barra[0].getCargas().size(), 1u);
    EXPECT_EQ(puntualDe(r.m, 0, 0)->py, -7);
    EXPECT_TRUE(r.m.barra[1].getCargas().empty());
    EXPECT_EQ(r.m.noCombos, 1);
}

// The report lists the loads inside the bars after the equivalent loads,
// per bar and combination, in local axes with the combination's factors.
TEST(LecturaTramos, ReporteConLaSeccionDeCargasEnTramos) {
    archivoTemporal f(base +
                      "puntualLocal: P 1 0 -10 0 1\n"
                      "distribuidaLocalParcial: Q 0 2 0 0 -5 -5 1\n"
                      "combo: C1 1 P\ncombo: C2 2 P 1 Q\n");
    enCarpetaTemporal carpeta;
    capturaConsola consola;
    const modeloResuelto r = funcionLeerYResolver(f.nombre());
    ASSERT_TRUE(r.s.resuelto);
    ASSERT_TRUE(funcionImprimirResultados(r.m, r.s));
    const std::string texto = leerArchivo("resultados.txt");
    const std::string seccion =
        "\n\n\nCARGAS EN TRAMOS DE CADA BARRA:\n"
        "#_barra: 1\n"
        "combo: 1\n"
        "puntual: a= 1 Px= 0 Py= -10 Mz= 0\n"
        "combo: 2\n"
        "puntual: a= 1 Px= 0 Py= -20 Mz= 0\n"
        "parcial: a= 0 b= 2 p_a= 0 p_b= 0 q_a= -5 q_b= -5\n"
        "\n\n\nVECTOR DE CARGAS DE TODA LA ESTRUCTURA\n";
    EXPECT_NE(texto.find(seccion), std::string::npos) << texto;
    EXPECT_LT(texto.find("CARGAS EQUIVALENTES LOCALES"), texto.find("CARGAS EN TRAMOS"));
}

// Two models read and solved in one process: each solution belongs to its
// model alone, and solving one does not change the other's results.
TEST(LecturaTramos, DosModelosEnUnProceso) {
    archivoTemporal fa(base + "puntualLocal: P 2 0 -10 0 1\ncombo: C1 1 P\n");
    archivoTemporal fb(
        base + "distribuidaLocalParcial: Q 0 3 0 0 -4 -4 2\ncombo: K1 1 Q\ncombo: K2 2 Q\n");
    capturaConsola consola;
    const modeloResuelto a = funcionLeerYResolver(fa.nombre());
    const double antes = a.s.nudos[1].getDesplazamientoY(0);
    const modeloResuelto b = funcionLeerYResolver(fb.nombre());
    const solucion otra = funcionSolucionU(a.m);
    EXPECT_EQ(a.s.nudos[1].getDesplazamientoY(0), antes);
    EXPECT_EQ(otra.nudos[1].getDesplazamientoY(0), antes);
    EXPECT_EQ(a.m.noCombos, 1);
    EXPECT_EQ(b.m.noCombos, 2);
    EXPECT_EQ(b.m.nombreDelCombo(1), "K2");
    // Model B loads only the column: its beam's combination rows are zero.
    EXPECT_TRUE(b.s.barras[0].getCargasCombo(1).tramos.empty());
    EXPECT_EQ(b.s.barras[1].getCargasCombo(1).tramos.size(), 1u);
    EXPECT_NE(b.s.nudos[1].getDesplazamientoX(1), 0);
}
