// Influence lines and trains against the closed forms of structural analysis
// (Hibbeler, Structural Analysis, chapters on influence lines and moving
// loads; Ghali & Neville, continuous beams), and against a full solve of the
// model with the unit load placed as a point load.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "archivoTemporal.h"
#include "funcionSolucionU.h"
#include "influenciaDelModelo.h"
#include "lecturaPrueba.h"
#include "lineaInfluencia.h"
#include "trenMovil.h"

namespace {

const std::string ajustes =
    "escalaDeflexion: 100\nescalaM: 0.1\nescalaV: 0.1\nescalaN: 0.1\nescalaTexto: 0.15\n"
    "escalaApoyo: 0.3\nescalaCarga: 0.1\nprecision: 3\n";

// A model read from text, its paths and the system of unit loads, as the
// report tool and the viewer prepare them.
struct casoInfluencia {
    modelo m;
    influenciaDelModelo d;
    const std::vector<caminoRecorrido>& caminos = d.caminos;
    const std::unique_ptr<sistemaInfluencia>& sistema = d.sistema;
    const std::vector<std::unique_ptr<caminoInfluencia>>& bases = d.bases;
    explicit casoInfluencia(const std::string& texto) {
        m = leerModelo(texto + ajustes).m;
        std::string problema;
        EXPECT_TRUE(prepararInfluencia(m, d, problema)) << problema;
    }
    lineaInfluencia linea(const std::string& respuesta, int camino = 0) const {
        respuestaInfluencia r;
        std::string error;
        EXPECT_TRUE(leerRespuesta(m, respuesta, r, error)) << error;
        return lineaInfluencia(*bases[static_cast<std::size_t>(camino)], r);
    }
};

// Simple span L = 8 in two bars (the middle node at 4), pinned and roller.
const std::string vigaSimple =
    "nudos:\n1 0 0\n2 4 0\n3 8 0\nbarras:\n1 1 2\n2 2 3\n"
    "apoyo: 1 1 0 1\napoyo: 0 1 0 3\n"
    "seccionGenerica: S 0.02 4e-4 2e8 0 1 2\n"
    "recorrido: R 1 2\n";

}  // namespace

// Simply supported beam under a unit load downwards at s (statics): R_A =
// 1 - s/L; M at mid-span a triangle of height L/4 (sagging, positive);
// V = dM/dx at a section c is -s/L with the load before c and 1 - s/L with
// it after c: a jump of 1 where the load crosses the section.
TEST(Influencia, VigaSimpleReaccionMomentoYCortante) {
    const casoInfluencia c(vigaSimple);
    ASSERT_TRUE(c.sistema->resuelto());
    const double L = 8;
    const lineaInfluencia ra = c.linea("Ry:1");
    const lineaInfluencia m = c.linea("M:1:4");
    const lineaInfluencia v = c.linea("V:2:1");  // x = 5 along the beam
    for (double s : {0.0, 1.0, 2.5, 4.0, 6.0, 7.5, 8.0}) {
        EXPECT_NEAR(ra.valorEn(s, lado::despues), 1 - s / L, 1e-12) << s;
        const double triangulo = s <= 4 ? s / 2 : (L - s) / 2;
        EXPECT_NEAR(m.valorEn(s, lado::despues), triangulo, 1e-12) << s;
        EXPECT_NEAR(m.valorDePiezas(s, lado::despues), triangulo, 1e-12) << s;
    }
    EXPECT_NEAR(m.valorEn(4, lado::despues), L / 4, 1e-12);
    EXPECT_NEAR(v.valorEn(3, lado::despues), -3 / L, 1e-12);
    EXPECT_NEAR(v.valorEn(5, lado::antes), -5 / L, 1e-12);
    EXPECT_NEAR(v.valorEn(5, lado::despues), 1 - 5 / L, 1e-12);
    EXPECT_NEAR(v.valorEn(7, lado::despues), 1 - 7 / L, 1e-12);
}

// Every value of the line is the response of a model of its own with that
// unit load placed as a point load where the row says, solved in full.
TEST(Influencia, CadaValorEsLaSolucionConLaCargaPuesta) {
    // A frame with a leaning leg, a hinge and a spring: the path runs over
    // its beam backwards and then down the leg.
    const std::string portico =
        "nudos:\n1 0 0\n2 1 4\n3 7 4\n4 8 0\nbarras:\n1 1 2\n2 3 2\n3 3 4\n"
        "apoyo: 1 1 1 1\napoyo: 1 1 0 4\nresorte: 500 0 0 3\n"
        "seccionGenerica: S 0.02 4e-4 2e7 0 1 2 3\narticulacion: 1 0.4 2\n"
        "recorrido: R 3 2\n";
    // The same frame on a roller sliding on a surface at 30° at node 4.
    std::string inclinado = portico;
    inclinado.replace(inclinado.find("apoyo: 1 1 0 4"), 14, "apoyoInclinado: 30 0 4");
    for (const std::string& texto : {portico, inclinado}) {
        const casoInfluencia c(texto);
        ASSERT_TRUE(c.sistema->resuelto());
        for (const char* respuesta : {"Rx:1", "Mz:1", "Ry:4", "Rx:4", "uy:2", "giro:3", "M:2:2.5",
                                      "V:2:2.5", "N:1:1", "M:3:0"}) {
            const lineaInfluencia l = c.linea(respuesta);
            respuestaInfluencia r;
            std::string error;
            ASSERT_TRUE(leerRespuesta(c.m, respuesta, r, error));
            for (const filaInfluencia& f : l.filas()) {
                // The same unit load as a point load of a model of its own.
                modelo m = c.m;
                const int barra = c.m.punteroBarras(f.barra);
                objBarra2d& b = m.barra[static_cast<std::size_t>(barra)];
                // (0, -1) in the bar's local axes.
                const double th = b.getAngulo();
                b.agregarCarga("U", cargaPuntual{f.x, -std::sin(th), -std::cos(th), 0, true});
                m.combos = {comboCarga{"U", {{1, "U"}}}};
                m.noCombos = 1;
                capturaConsola silencio;
                const solucion s = funcionSolucionU(m);
                double esperado = 0;
                const resultadosNudo* n =
                    r.nudo >= 0 ? &s.nudos[static_cast<std::size_t>(r.nudo)] : nullptr;
                switch (r.tipo) {
                    case tipoRespuesta::reaccionX:
                        esperado = n->getReaccionX(0);
                        break;
                    case tipoRespuesta::reaccionY:
                        esperado = n->getReaccionY(0);
                        break;
                    case tipoRespuesta::reaccionM:
                        esperado = n->getReaccionM(0);
                        break;
                    case tipoRespuesta::desplazamientoX:
                        esperado = n->getDesplazamientoX(0);
                        break;
                    case tipoRespuesta::desplazamientoY:
                        esperado = n->getDesplazamientoY(0);
                        break;
                    case tipoRespuesta::giro:
                        esperado = n->getGiroZ(0);
                        break;
                    default: {
                        const resultadosBarra& b = s.barras[static_cast<std::size_t>(r.barra)];
                        const double L = b.getLongitud();
                        // Where the load stands on the section itself, the two
                        // rows are its two sides: compare with the side taken.
                        const lado l = r.x >= L ? lado::antes : lado::despues;
                        esperado = fuerzaDe(b.esfuerzosEn(0, r.x, l), r.tipo);
                        if (barra == r.barra && f.x == r.x && r.x > 0 && r.x < L) continue;
                    }
                }
                const double escala = std::max(1.0, std::abs(esperado));
                EXPECT_NEAR(f.valor, esperado, 1e-9 * escala)
                    << respuesta << " barra " << f.barra << " x " << f.x << "\n"
                    << texto;
            }
        }
    }
}

// Two equal spans L (Ghali & Neville, continuous beams; Müller-Breslau):
// with the load at x on the first span, the middle reaction is
// x(3L² - x²)/(2L³) (11/16 at mid-span) and the moment over it
// -x(L² - x²)/(4L²), whose peak -0.0962L is at x = L/√3.
TEST(Influencia, DosVanosReaccionYMomentoSobreElApoyoCentral) {
    const double L = 10;
    const casoInfluencia c(
        "nudos:\n1 0 0\n2 10 0\n3 20 0\nbarras:\n1 1 2\n2 2 3\n"
        "apoyo: 1 1 0 1\napoyo: 0 1 0 2 3\nseccionGenerica: S 0.02 4e-4 2e8 0 1 2\n"
        "recorrido: R 1 2\n");
    const lineaInfluencia rb = c.linea("Ry:2");
    const lineaInfluencia mb = c.linea("M:1:10");
    for (double x : {1.0, 2.5, 5.0, 7.0, 9.0}) {
        EXPECT_NEAR(rb.valorEn(x, lado::despues), x * (3 * L * L - x * x) / (2 * L * L * L), 1e-12);
        EXPECT_NEAR(mb.valorEn(x, lado::despues), -x * (L * L - x * x) / (4 * L * L), 1e-12);
    }
    EXPECT_NEAR(rb.valorEn(5, lado::despues), 11.0 / 16, 1e-12);
    const double xPico = L / std::sqrt(3.0);
    EXPECT_NEAR(mb.valorDePiezas(xPico, lado::despues), -0.09622504486493762 * L, 1e-9);
}

// Trains on a simple span L = 8 (Hibbeler, absolute maximum moment of a
// series of loads): one axle P gives P·L/4 at mid-span; two equal axles P at
// spacing d give P(L - d/2)²/(2L) at the section L/2 - d/4 (each axle and
// the resultant equidistant from mid-span); q over the whole span q·L²/8.
TEST(Trenes, VigaSimpleUnEjeDosEjesYCargaRepartida) {
    const casoInfluencia c(vigaSimple);
    const double L = 8, P = 30, d = 2, q = 5;
    tren uno{"uno", 0, {P}, {}};
    tren dos{"dos", 0, {P, P}, {d}};
    tren repartida{"q", q, {}, {}};
    const extremosTren a = extremosDelTren(c.linea("M:1:4"), uno);
    EXPECT_NEAR(a.maximo.valor, P * L / 4, 1e-9);
    EXPECT_NEAR(a.maximo.s, 4, 1e-9);
    EXPECT_NEAR(a.minimo.valor, 0, 1e-12);
    const double seccion = L / 2 - d / 4;  // 3.5, on bar 1
    const extremosTren b = extremosDelTren(c.linea("M:1:3.5"), dos);
    EXPECT_NEAR(seccion, 3.5, 0);
    EXPECT_NEAR(b.maximo.valor, P * (L - d / 2) * (L - d / 2) / (2 * L), 1e-9);
    const extremosTren r = extremosDelTren(c.linea("M:1:4"), repartida);
    EXPECT_NEAR(r.maximo.valor, q * L * L / 8, 1e-9);
    EXPECT_NEAR(r.minimo.valor, 0, 1e-9);
}

// A train longer than the span: only the axles on it count. Three axles of
// 10 at 5 apart on the span of 8: at most two stand on it at once; the
// largest reaction at A is 10·(1 + 3/8) with the leading axle on A.
TEST(Trenes, TrenMasLargoQueLaLuz) {
    const casoInfluencia c(vigaSimple);
    tren largo{"largo", 0, {10, 10, 10}, {5, 5}};
    const extremosTren e = extremosDelTren(c.linea("Ry:1"), largo);
    EXPECT_NEAR(e.maximo.valor, 10 * (1 + 3.0 / 8), 1e-9);
}

// An unequal train: the heavy axle leads. Travelling back, the heavy axle
// can stand on the section of V with the light one off the span, which a
// train travelling forward cannot do: the direction of travel matters.
TEST(Trenes, ElSentidoImportaEnUnTrenDesigual) {
    const casoInfluencia c(vigaSimple);
    // V just after A (x = 0 of bar 1): 1 - s/L for a load at s > 0.
    tren desigual{"desigual", 0, {100, 10}, {3}};
    const extremosTren e = extremosDelTren(c.linea("V:1:0"), desigual);
    // Travelling back the heavy axle reaches s = 0 with the light one at 3:
    // 100·1 + 10·(1 - 3/8) = 106.25; forward, the light axle trails behind
    // A (off the span) when the heavy one is on A: 100.
    EXPECT_NEAR(e.maximo.valor, 106.25, 1e-9);
    EXPECT_FALSE(e.maximo.adelante);
    EXPECT_NEAR(e.maximo.s, 0, 1e-9);
}

// Two equal spans L = 10, the middle reaction under axles of 100 and 50 at
// 4 apart. Its line is f(x) = x(3L² - x²)/(2L³) from either end support,
// flat over the middle one: the largest effect is not with the heavy axle
// on the support but past it by δ, where d/dδ [100 f(L - δ) + 50 f(6 + δ)]
// = 0, i.e. δ² - 52δ + 64 = 0, δ = 26 - √612 (hand calculation with the
// line of Ghali & Neville). Both ways of travel give it; the first counts.
TEST(Trenes, DosVanosReaccionCentralConDosEjes) {
    const casoInfluencia c(
        "nudos:\n1 0 0\n2 10 0\n3 20 0\nbarras:\n1 1 2\n2 2 3\n"
        "apoyo: 1 1 0 1\napoyo: 0 1 0 2 3\nseccionGenerica: S 0.5 0.05 3e7 0 1 2\n"
        "recorrido: R 1 2\n");
    const tren camion{"camion", 0, {100, 50}, {4}};
    const extremosTren e = extremosDelTren(c.linea("Ry:2"), camion);
    const double L = 10, delta = 26 - std::sqrt(612.0);
    auto f = [&](double x) { return x * (3 * L * L - x * x) / (2 * L * L * L); };
    EXPECT_NEAR(e.maximo.valor, 100 * f(L - delta) + 50 * f(6 + delta), 1e-9);
    EXPECT_NEAR(e.maximo.s, L + delta, 1e-9);
    EXPECT_TRUE(e.maximo.adelante);
    // The reaction never pulls: the smallest is the train off the bridge.
    EXPECT_EQ(e.minimo.valor, 0);
}

// The exact search against brute force on a frame: the leading axle moved
// in small steps both ways, the effect Σ P_i·η(s_i) taken with every axle
// approaching its place from either side, q·∫η± by the midpoint rule. The
// exact extremes may only be the larger (they include the limits at jumps
// a grid misses) and by no more than a grid step can change them; at the
// position and direction reported, the axles give the value reported.
TEST(Trenes, BusquedaExactaContraPosicionesDensas) {
    const std::string portico =
        "nudos:\n1 0 0\n2 1 4\n3 7 4\n4 8 0\nbarras:\n1 1 2\n2 3 2\n3 3 4\n"
        "apoyo: 1 1 1 1\napoyo: 1 1 0 4\nresorte: 500 0 0 3\n"
        "seccionGenerica: S 0.02 4e-4 2e7 0 1 2 3\narticulacion: 1 0.4 2\n"
        "recorrido: R 3 2\n";
    const casoInfluencia c(portico);
    const tren desigual{"desigual", 5, {60, 100, 40}, {2.5, 1.5}};
    const double S = c.caminos[0].longitud, largo = desigual.largo();
    auto efecto = [&](const lineaInfluencia& l, double s0, bool adelante, lado desde) {
        double E = 0;
        for (std::size_t i = 0; i < desigual.ejes.size(); ++i) {
            const double d = desigual.distanciaAlEje(i);
            const double si = adelante ? s0 - d : s0 + d;
            if (si >= 0 && si <= S) E += desigual.ejes[i] * l.valorEn(si, desde);
        }
        return E;
    };
    for (const char* respuesta : {"M:2:2.5", "V:2:2.5", "N:3:1", "Rx:1", "M:1:2", "giro:3"}) {
        const lineaInfluencia l = c.linea(respuesta);
        const extremosTren e = extremosDelTren(l, desigual);
        constexpr int pasos = 20000;
        double densoMaximo = 0, densoMinimo = 0;
        for (const bool adelante : {true, false}) {
            for (int k = 0; k <= pasos; ++k) {
                const double s0 = (adelante ? 0.0 : -largo) + (S + largo) * k / pasos;
                for (const lado desde : {lado::antes, lado::despues}) {
                    densoMaximo = std::max(densoMaximo, efecto(l, s0, adelante, desde));
                    densoMinimo = std::min(densoMinimo, efecto(l, s0, adelante, desde));
                }
            }
        }
        constexpr int franjas = 200000;
        double positiva = 0, negativa = 0;
        for (int k = 0; k < franjas; ++k) {
            const double v = l.valorEn(S * (k + 0.5) / franjas, lado::despues) * S / franjas;
            (v > 0 ? positiva : negativa) += v;
        }
        densoMaximo += desigual.q * positiva;
        densoMinimo += desigual.q * negativa;
        const double escala = std::max({1.0, std::abs(densoMaximo), std::abs(densoMinimo)});
        EXPECT_GE(e.maximo.valor, densoMaximo - 1e-6 * escala) << respuesta;
        EXPECT_LE(e.maximo.valor, densoMaximo + 2e-3 * escala) << respuesta;
        EXPECT_LE(e.minimo.valor, densoMinimo + 1e-6 * escala) << respuesta;
        EXPECT_GE(e.minimo.valor, densoMinimo - 2e-3 * escala) << respuesta;
        for (const extremoTren* x : {&e.maximo, &e.minimo}) {
            const double antes = efecto(l, x->s, x->adelante, lado::antes);
            const double despues = efecto(l, x->s, x->adelante, lado::despues);
            const double q = x == &e.maximo ? desigual.q * positiva : desigual.q * negativa;
            const double cerca =
                std::min(std::abs(x->valor - q - antes), std::abs(x->valor - q - despues));
            EXPECT_LT(cerca, 1e-6 * escala) << respuesta << " en s = " << x->s;
        }
    }
}

// Müller-Breslau: the influence line of a reaction is the deflected shape
// of the structure released at that support and given a unit displacement
// there (Hibbeler, Structural Analysis). Here the middle support of two
// spans is released and settled by -1 (downward): the deflection of the
// path is the line of Ry at that support, with the sign of a downward load.
TEST(Influencia, MullerBreslauEnDosVanos) {
    const std::string texto =
        "nudos:\n1 0 0\n2 6 0\n3 10 0\nbarras:\n1 1 2\n2 2 3\n"
        "apoyo: 1 1 0 1\napoyo: 0 1 0 2 3\nseccionGenerica: S 0.02 4e-4 2e8 0 1 2\n"
        "recorrido: R 1 2\n";
    const casoInfluencia c(texto);
    const lineaInfluencia l = c.linea("Ry:2");
    modelo m = c.m;
    m.nudo[1].setAsentamiento("D", 0, 1, 0);
    m.combos = {comboCarga{"D", {{1, "D"}}}};
    m.noCombos = 1;
    capturaConsola silencio;
    const solucion s = funcionSolucionU(m);
    // The deflected shape under the imposed unit displacement, scaled so that
    // it is 1 there: reciprocity makes it the line of the reaction.
    for (const filaInfluencia& f : l.filas()) {
        const int b = c.m.punteroBarras(f.barra);
        const double v = s.barras[static_cast<std::size_t>(b)].esfuerzosEn(0, f.x, lado::despues).v;
        EXPECT_NEAR(f.valor, v, 1e-9) << "barra " << f.barra << " x " << f.x;
    }
}

// The paths and trains as read, and the responses a user may mistype.
TEST(LecturaInfluencia, RecorridosTrenesYRespuestas) {
    const modeloLeido r = leerModelo(vigaSimple +
                                     "recorrido: ROTO 1 9\n"
                                     "recorrido: SUELTO 1\nrecorrido: VACIO\n"
                                     "tren: MAL 0 10 -2 5\ntren: CORTO 0 10 2\n"
                                     "tren: SOLOQ 4\ntren: DOS 0 100 4 50\ntren: NADA 0 0 2 0\n"
                                     "tren: SINDATOS\n" +
                                     ajustes);
    ASSERT_EQ(r.m.recorridos.size(), 2u);  // R and SUELTO
    EXPECT_EQ(r.m.recorridos[1].nombre, "SUELTO");
    ASSERT_EQ(r.m.trenes.size(), 2u);
    EXPECT_EQ(r.m.trenes[0].q, 4);
    EXPECT_TRUE(r.m.trenes[0].ejes.empty());
    EXPECT_EQ(r.m.trenes[1].ejes, (std::vector<double>{100, 50}));
    EXPECT_EQ(r.m.trenes[1].largo(), 4);
    const std::vector<std::string> avisos = avisosDe(r.consola);
    for (const char* e :
         {"Advertencia: la entrada 2 de recorrido: (ROTO) nombra la barra 9, que no existe; no se "
          "usa",
          "Advertencia: la entrada 4 de recorrido: (VACIO) no nombra ninguna barra; no se usa",
          "Advertencia: la entrada 1 de tren: (MAL): la distancia 1 vale -2, que es negativo; no "
          "se usa",
          "Advertencia: la entrada 2 de tren: (CORTO) termina en una distancia sin eje detrás; no "
          "se "
          "usa",
          "Advertencia: la entrada 5 de tren: (NADA) no tiene ninguna carga (q y los ejes valen "
          "0); no "
          "se usa",
          "Advertencia: la entrada 6 de tren: (SINDATOS) tiene 0 valores y necesita 1; no se "
          "aplica"})
        EXPECT_EQ(std::count(avisos.begin(), avisos.end(), e), 1) << e << "\n" << r.consola;

    respuestaInfluencia resp;
    std::string error;
    EXPECT_FALSE(leerRespuesta(r.m, "Ry:7", resp, error));
    EXPECT_EQ(error, "el nudo 7 no existe");
    EXPECT_FALSE(leerRespuesta(r.m, "M:5:1", resp, error));
    EXPECT_EQ(error, "la barra 5 no existe");
    EXPECT_FALSE(leerRespuesta(r.m, "V:1:4.5", resp, error));
    EXPECT_EQ(error, "x = 4.5 está fuera de la barra 1, que mide 4");
    EXPECT_FALSE(leerRespuesta(r.m, "Q:1", resp, error));
    EXPECT_NE(error.find("no se entiende"), std::string::npos);
    EXPECT_TRUE(leerRespuesta(r.m, "M:2:4.0000000001", resp, error));
    EXPECT_EQ(resp.x, 4);
}

// A path whose bars do not connect.
TEST(LecturaInfluencia, RecorridoQueNoSeConecta) {
    const modeloLeido r = leerModelo(
        "nudos:\n1 0 0\n2 4 0\n3 8 0\n4 12 0\nbarras:\n1 1 2\n2 3 4\n"
        "apoyo: 1 1 1 1 3\nseccionGenerica: S 0.02 4e-4 2e8 0 1 2\nrecorrido: R 1 2\n" +
        ajustes);
    EXPECT_TRUE(r.m.recorridos.empty());
    EXPECT_TRUE(contieneLinea(r.consola,
                              "Advertencia: la entrada 1 de recorrido: (R): la barra 2 no comparte "
                              "un nudo con la barra 1; no se usa"));
}
