// Buckling load factors against Euler's loads and a fine subdivision, the
// sparse Lanczos against the dense oracle, and the messages.
#include <gtest/gtest.h>

#include <iostream>

#include "autovalores.h"
#include "matricesAnalisis.h"
#include "modelosAnalisis.h"
#include "pandeo.h"
#include "rigidezGeometrica.h"

namespace {

// A column of n bars, L = 10, E·I = 2e8·1e-4 = 2e4, a unit load down at
// its top: the first factor is the critical load.
constexpr double EIcolumna = 2e4;
constexpr double Lcolumna = 10;

double primerFactor(int n, const std::string& base, const std::string& tope,
                    const std::string& extra = "") {
    const modeloResuelto m = analizar(
        miembro(n, Lcolumna, true, base, tope, 0.01, 1e-4, 2e8, 0,
                "puntual: P 0 -1 0 " + std::to_string(n + 1) + "\ncombo: C1 1 P\n" + extra));
    capturaConsola c;
    const resultadoPandeo p = funcionPandeo(m.m, m.s, 3);
    if (p.combos.empty() || p.combos[0].factores.size() == 0) return 0;
    return p.combos[0].factores(0);
}

}  // namespace

// Euler's loads (Timoshenko & Gere, Theory of Elastic Stability, §2.1-2.5):
// pinned-pinned π²EI/L², one bar in the file, default subdivision (4),
// within 0.1 % (measured 0.051 %); fixed-free π²EI/(4L²) within 0.2 % with
// one bar (0.0033 %); fixed-pinned 20.19·EI/L² (βL = 4.4934) and
// fixed-fixed 4π²EI/L² within 0.2 % with two bars in the file (with one:
// 0.205 % and 0.75 %, printed).
TEST(Pandeo, CargasDeEuler) {
    const double base = pi * pi * EIcolumna / (Lcolumna * Lcolumna);
    const double articulada = primerFactor(1, "1 1 0", "1 0 0");
    const double libre = primerFactor(1, "1 1 1", "0 0 0");
    const double articuladaEmpotrada = primerFactor(2, "1 1 1", "1 0 0");
    const double empotrada = primerFactor(2, "1 1 1", "1 0 1");
    const double esperadaEmpotradaArticulada1 =
        4.493409457909064 * 4.493409457909064 * EIcolumna / (Lcolumna * Lcolumna);
    std::cout << "Con una barra: empotrada-articulada "
              << errorRelativo(primerFactor(1, "1 1 1", "1 0 0"), esperadaEmpotradaArticulada1)
              << ", biempotrada "
              << errorRelativo(primerFactor(1, "1 1 1", "1 0 1"),
                               4 * pi * pi * EIcolumna / (Lcolumna * Lcolumna))
              << std::endl;
    const double esperadaEmpotradaArticulada =
        4.493409457909064 * 4.493409457909064 * EIcolumna / (Lcolumna * Lcolumna);
    std::cout << "Errores con 4 subdivisiones: articulada (1 barra) "
              << errorRelativo(articulada, base) << ", ménsula (1) "
              << errorRelativo(libre, base / 4) << ", empotrada-articulada (2) "
              << errorRelativo(articuladaEmpotrada, esperadaEmpotradaArticulada)
              << ", biempotrada (2) " << errorRelativo(empotrada, 4 * base) << std::endl;
    EXPECT_LT(errorRelativo(articulada, base), 0.001);
    EXPECT_LT(errorRelativo(libre, base / 4), 0.002);
    EXPECT_LT(errorRelativo(articuladaEmpotrada, esperadaEmpotradaArticulada), 0.002);
    EXPECT_LT(errorRelativo(empotrada, 4 * base), 0.002);
    // 20.19 as the tables round it.
    EXPECT_NEAR(articuladaEmpotrada * Lcolumna * Lcolumna / EIcolumna, 20.19, 0.01);
}

// More sub-elements, closer to Euler; the higher modes n²·π²EI/L² of the
// pinned column with 16.
TEST(Pandeo, ConvergeConLaSubdivision) {
    const double base = pi * pi * EIcolumna / (Lcolumna * Lcolumna);
    const double k4 = primerFactor(1, "1 1 0", "1 0 0");
    const double k16 = primerFactor(1, "1 1 0", "1 0 0", "subdivisiones: 16");
    EXPECT_LT(errorRelativo(k16, base), errorRelativo(k4, base));
    EXPECT_LT(errorRelativo(k16, base), 1e-5);
    const modeloResuelto m =
        analizar(miembro(1, Lcolumna, true, "1 1 0", "1 0 0", 0.01, 1e-4, 2e8, 0,
                         "puntual: P 0 -1 0 2\ncombo: C1 1 P\nsubdivisiones: 16"));
    capturaConsola c;
    const resultadoPandeo p = funcionPandeo(m.m, m.s, 3);
    ASSERT_EQ(p.combos[0].factores.size(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_LT(errorRelativo(p.combos[0].factores(n - 1), n * n * base), 1e-3) << n;
}

// A portal frame's sway buckling (columns 4 high, beam 6 long, fixed bases,
// a load on each column top) at the default subdivision against 32
// sub-elements per bar: within 0.1 %, and the mode sways (its tops move
// the same way, the largest translation +1).
TEST(Pandeo, PorticoDesplazableContraSubdivisionFina) {
    const std::string portico =
        "nudos:\n1 0 0\n2 0 4\n3 6 4\n4 6 0\nbarras:\n1 1 2\n2 2 3\n3 3 4\n"
        "apoyo: 1 1 1 1 4\nseccionGenerica: S 0.01 1e-4 2e8 0 1 2 3\n"
        "puntual: P 0 -1 0 2 3\ncombo: C1 1 P\n";
    const resultadoPandeo k4 = pandeoDe(portico, 1);
    const resultadoPandeo k32 = pandeoDe(portico + "subdivisiones: 32\n", 1);
    ASSERT_EQ(k4.combos[0].factores.size(), 1);
    EXPECT_LT(errorRelativo(k4.combos[0].factores(0), k32.combos[0].factores(0)), 0.001);
    const Eigen::VectorXd modo = k4.combos[0].modos.col(0);
    EXPECT_NEAR(std::max(std::abs(modo(3)), std::abs(modo(6))), 1.0, 1e-12);
    EXPECT_GT(modo(3) * modo(6), 0);
    EXPECT_LE(modo.cwiseAbs().maxCoeff(), 1 + 1e-12);
    // Between the sway loads of a column fixed at its base and free at its
    // top (π²EI/(4h²)) and of one fixed at both ends that sways (π²EI/h²),
    // per column.
    const double h2 = 16;
    EXPECT_GT(k4.combos[0].factores(0), pi * pi * EIcolumna / (4 * h2));
    EXPECT_LT(k4.combos[0].factores(0), pi * pi * EIcolumna / h2);
}

// The sparse Lanczos (above limiteDensoAutovalores free freedoms) gives the
// dense generalized solver's factors on the same matrices: a 5 x 5 frame
// split in 4, every bar under the same compression.
TEST(Pandeo, LanczosIgualAlOraculoDenso) {
    std::ostringstream s;
    s << "nudos:\n";
    constexpr int n = 5;  // storeys and bays
    auto nudo = [](int piso, int eje) { return piso * (n + 1) + eje + 1; };
    for (int piso = 0; piso <= n; ++piso)
        for (int eje = 0; eje <= n; ++eje)
            s << nudo(piso, eje) << " " << 5 * eje << " " << 3 * piso << "\n";
    s << "barras:\n";
    int b = 0;
    for (int piso = 0; piso < n; ++piso)
        for (int eje = 0; eje <= n; ++eje)
            s << ++b << " " << nudo(piso, eje) << " " << nudo(piso + 1, eje) << "\n";
    for (int piso = 1; piso <= n; ++piso)
        for (int eje = 0; eje < n; ++eje)
            s << ++b << " " << nudo(piso, eje) << " " << nudo(piso, eje + 1) << "\n";
    s << "apoyo: 1 1 1";
    for (int eje = 0; eje <= n; ++eje) s << " " << nudo(0, eje);
    s << "\nseccionRectangular: S 0.3 0.4 2.1e7 24";
    for (int k = 1; k <= b; ++k) s << " " << k;
    s << "\npuntual: P 1 0 0 " << nudo(n, n) << "\ncombo: C1 1 P\n";
    const analisisSubdividido a = rigidezSubdividida(leer(s.str()));
    ASSERT_GT(a.s.noLibres, limiteDensoAutovalores);
    std::vector<matriz6> kg;
    for (const objBarra2d& barra : a.sub.m.barra)
        kg.push_back(-rigidezGeometricaBarra(barra, -100));
    const bloquesMatriz g = bloquesDelSistema(a.sub.m, a.s, ensamblarBarras(a.sub.m, kg));
    const autopares disperso = mayoresAutovalores(a.s.kLL, g.LL, 4);
    const autopares denso = mayoresAutovaloresDenso(a.s.kLL, g.LL, 4);
    ASSERT_EQ(disperso.mu.size(), 4);
    ASSERT_EQ(denso.mu.size(), 4);
    for (int k = 0; k < 4; ++k) EXPECT_LT(errorRelativo(disperso.mu(k), denso.mu(k)), 1e-9) << k;
}

// A combination that compresses no bar has no factor: one line, no rows; a
// mechanism: one line, nothing computed.
TEST(Pandeo, SinCompresionYMecanismo) {
    const modeloResuelto m =
        analizar(miembro(1, 10, true, "1 1 0", "1 0 0", 0.01, 1e-4, 2e8, 0,
                         "puntual: P 0 -1 0 2\ncombo: C1 1 P\ncombo: TRACCION -1 P"));
    capturaConsola c;
    const resultadoPandeo p = funcionPandeo(m.m, m.s, 3);
    EXPECT_NE(c.texto().find("Pandeo: el combo TRACCION no comprime ninguna barra; no tiene "
                             "factores de pandeo\n"),
              std::string::npos);
    ASSERT_EQ(p.combos.size(), 2u);
    EXPECT_FALSE(p.combos[1].comprimido);
    EXPECT_EQ(p.combos[1].factores.size(), 0);

    const modeloResuelto mecanismo = analizar(miembro(
        1, 10, true, "0 1 0", "1 0 0", 0.01, 1e-4, 2e8, 0, "puntual: P 0 -1 0 2\ncombo: C1 1 P"));
    const resultadoPandeo q = funcionPandeo(mecanismo.m, mecanismo.s, 3);
    EXPECT_FALSE(q.estable);
    EXPECT_TRUE(q.combos.empty());
    EXPECT_NE(c.texto().find("Advertencia: la estructura es inestable (mecanismo); no se "
                             "calculan factores de pandeo\n"),
              std::string::npos);
}
