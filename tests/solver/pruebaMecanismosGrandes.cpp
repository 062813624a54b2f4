// Singular or indefinite stiffness above 2,000 free freedoms, where the
// dependent freedoms are found by the sparse factorisation itself: the two
// mistakes of the benchmark's 40 x 40 frame (a loaded node that no bar
// reaches, a storey of columns hinged at both ends), a negative spring (a
// pivot set apart that is not dependent), and a mechanism of more freedoms
// than that path takes, left to the sparse QR. Each result is checked
// against a sound model that must give the same forces.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "etapasSolucion.h"
#include "porticoPrueba.h"

namespace {

constexpr int pisos = 40, vanos = 40;
constexpr int comboGrav = 0, comboViento = 1;
const std::string avisoViento =
    "Advertencia: la estructura es inestable o la matriz de rigidez es singular; el combo "
    "GRAV_VIENTO no cumple el equilibrio\n";

std::string textoVariante(variantePortico v, int s = pisos, int b = vanos) {
    std::ostringstream t;
    escribirPorticoRectangular(t, s, b, v);
    return t.str();
}

// Node number of column line i at floor p, as the generator numbers them.
int nudoEn(int p, int i) {
    return p * (vanos + 1) + i + 1;
}

struct resuelto {
    modelo m;
    solucion s;
    std::string consola;
};

resuelto resolverTexto(const std::string& texto) {
    resuelto r;
    r.m = leerModelo(texto);
    capturaConsola consola;
    r.s = funcionSolucionU(r.m);
    r.consola = consola.texto();
    return r;
}

// The free indexes that the sparse path sets to 0, after assembling the
// model alone; false when that path left the model to the QR.
bool dependientesDelCamino(const modelo& m, std::vector<int>& dependientes) {
    solucion s;
    ensamblarYParticionar(m, s, m.noNudos, m.noCombos);
    if (!resolverApartandoDependientes(s, dependientes)) return false;
    for (int& i : dependientes) i = s.gdlLibres[i];
    std::sort(dependientes.begin(), dependientes.end());
    return true;
}

// Largest difference of the end forces of all bars in combination c,
// against the largest end force of b.
double difEsfuerzos(const solucion& a, const solucion& b, int c, double& escala) {
    double dif = 0;
    escala = 0;
    for (std::size_t j = 0; j < b.barras.size(); ++j) {
        for (const auto& [fa, fb] : {std::pair{a.barras[j].getSolicitacionAxial(c, 2),
                                               b.barras[j].getSolicitacionAxial(c, 2)},
                                     std::pair{a.barras[j].getSolicitacionCortante(c, 2),
                                               b.barras[j].getSolicitacionCortante(c, 2)},
                                     std::pair{a.barras[j].getSolicitacionMomento(c, 2),
                                               b.barras[j].getSolicitacionMomento(c, 2)}}) {
            dif = std::max(dif, (fa.row(1) - fb.row(1)).cwiseAbs().maxCoeff());
            escala = std::max(escala, fb.row(1).cwiseAbs().maxCoeff());
        }
    }
    return dif;
}

}  // namespace

// The loose node (the next number, 1682) is loaded by W only: its three
// freedoms are named, GRAV_VIENTO cannot balance, and GRAV, which does not
// load it, gives the sound frame's displacements and reactions.
TEST(MecanismosGrandes, NudoSueltoCargadoDejaLoDemasComoElPorticoSano) {
    const resuelto sano = resolverTexto(textoVariante(variantePortico::sano));
    const resuelto r = resolverTexto(textoVariante(variantePortico::nudoSuelto));
    const int suelto = nudoEn(pisos, vanos) + 1;
    const std::string n = "Advertencia: el nudo " + std::to_string(suelto);
    EXPECT_EQ(r.consola, n + " no tiene rigidez en la dirección X (mecanismo)\n" + n +
                             " no tiene rigidez en la dirección Y (mecanismo)\n" + n +
                             " no tiene rigidez en la dirección giro (mecanismo)\n" + avisoViento);
    EXPECT_EQ(r.s.combosSinEquilibrio, std::vector<int>{comboViento});
    std::vector<int> dependientes;
    ASSERT_TRUE(dependientesDelCamino(r.m, dependientes));
    const int g = 3 * (static_cast<int>(r.m.nudo.size()) - 1);
    EXPECT_EQ(dependientes, (std::vector<int>{g, g + 1, g + 2}));

    ASSERT_TRUE(sano.consola.empty()) << sano.consola;
    const double escala = sano.s.u.col(comboGrav).cwiseAbs().maxCoeff();
    const Eigen::Index filas = sano.s.u.rows();
    EXPECT_LE((r.s.u.col(comboGrav).head(filas) - sano.s.u.col(comboGrav)).cwiseAbs().maxCoeff(),
              1e-12 * escala);
    EXPECT_EQ(r.s.u.col(comboGrav).tail(3), Eigen::Vector3d::Zero());
    reaccionesEquilibranPortico(r.s, pisos, vanos, comboGrav);
}

// Storey 20 (between floors 20 and 21) hinged at both ends of every column:
// what stands above sways freely. One freedom of that sway is named (an X
// above the storey); GRAV, symmetric, balances, and GRAV_VIENTO does not.
// The same frame held by a roller in X at the top left node is sound: by
// symmetry the roller takes nothing in GRAV, so both give the same forces;
// in GRAV_VIENTO it takes the wind of floors 21 to 40, 20 × 10, since a
// column hinged at both ends without load along it carries no shear.
TEST(MecanismosGrandes, PisoArticuladoComoConUnRodilloQueNoTrabaja) {
    const std::string texto = textoVariante(variantePortico::pisoArticulado);
    const resuelto r = resolverTexto(texto);
    const std::string nombrado = "Advertencia: el nudo ";
    ASSERT_EQ(r.consola.rfind(nombrado, 0), 0u) << r.consola;
    const std::size_t finLinea = r.consola.find('\n');
    const std::string primera = r.consola.substr(0, finLinea + 1);
    const int nudo = std::stoi(primera.substr(nombrado.size()));
    EXPECT_GT(nudo, nudoEn(pisos / 2, vanos));
    EXPECT_LE(nudo, nudoEn(pisos, vanos));
    EXPECT_EQ(primera.substr(primera.find(" no tiene")),
              " no tiene rigidez en la dirección X (mecanismo)\n");
    EXPECT_EQ(r.consola.substr(finLinea + 1), avisoViento);
    std::vector<int> dependientes;
    ASSERT_TRUE(dependientesDelCamino(r.m, dependientes));
    EXPECT_EQ(dependientes.size(), 1u);

    const int tope = nudoEn(pisos, 0);
    const resuelto conRodillo =
        resolverTexto(texto + "apoyo: 1 0 0 " + std::to_string(tope) + "\n");
    ASSERT_TRUE(conRodillo.consola.empty()) << conRodillo.consola;
    const resultadosNudo& rodillo = conRodillo.s.nudos[static_cast<std::size_t>(tope - 1)];
    const double cargaY = -cargaVigasPortico * luzVanoPortico * pisos * vanos;
    EXPECT_NEAR(rodillo.getReaccionX(comboGrav), 0, 1e-9 * cargaY);
    EXPECT_NEAR(rodillo.getReaccionX(comboViento) / (-vientoPisoPortico * (pisos - pisos / 2)), 1,
                1e-9);
    double escala = 0;
    const double dif = difEsfuerzos(r.s, conRodillo.s, comboGrav, escala);
    EXPECT_GT(escala, 0);
    EXPECT_LE(dif, 1e-12 * escala);
    reaccionesEquilibranPortico(r.s, pisos, vanos, comboGrav);
}

// A spring of −1e5 in Y at the top middle node, larger than the frame's own
// vertical stiffness there: kLL is indefinite but regular, a negative pivot
// is set apart and solved through its Schur complement, and nothing is
// named. Its force, −k·uy, put on the frame without the spring as a load
// must give the same displacements, through the sound path.
TEST(MecanismosGrandes, ResorteNegativoSeResuelveApartadoSinNombrarlo) {
    const int tope = nudoEn(pisos, vanos / 2);
    const double k = -1e5;
    std::ostringstream resorte;
    resorte << "resorte: 0 " << k << " 0 " << tope << "\n";
    const std::string base = textoVariante(variantePortico::sano);
    const resuelto r = resolverTexto(base + resorte.str());
    EXPECT_EQ(r.consola, "");
    EXPECT_TRUE(r.s.combosSinEquilibrio.empty());
    std::vector<int> dependientes;
    ASSERT_TRUE(dependientesDelCamino(r.m, dependientes));
    EXPECT_TRUE(dependientes.empty());
    // Indefinite indeed: the sound factorisation refuses it.
    {
        factorizacionRigidez ldlt;
        EXPECT_FALSE(factorizarRigidez(r.s.kLL, ldlt));
    }

    const resultadosNudo& n = r.s.nudos[static_cast<std::size_t>(tope - 1)];
    std::ostringstream cargado;
    cargado << std::setprecision(17) << base.substr(0, base.find("combo:"));
    cargado << "puntual: RG 0 " << -k * n.getDesplazamientoY(comboGrav) << " 0 " << tope << "\n";
    cargado << "puntual: RV 0 " << -k * n.getDesplazamientoY(comboViento) << " 0 " << tope << "\n";
    cargado << "combo: GRAV 1 Q 1 RG\ncombo: GRAV_VIENTO 1 Q 1 W 1 RV\n";
    const resuelto equivalente = resolverTexto(cargado.str());
    ASSERT_TRUE(equivalente.consola.empty()) << equivalente.consola;
    for (int c : {comboGrav, comboViento}) {
        const double escala = equivalente.s.u.col(c).cwiseAbs().maxCoeff();
        EXPECT_LE((r.s.u.col(c) - equivalente.s.u.col(c)).cwiseAbs().maxCoeff(), 1e-8 * escala)
            << c;
    }
}

// A bar hinged at both ends that touches nothing else, along X: its nodes'
// Y and rotation columns are empty, and of its two X freedoms the second
// eliminated gets a pivot of exactly EA/L − (EA/L)²/(EA/L) = 0, on which
// the sparse factorisation stops; the path goes on from there. Five
// freedoms named (user nodes 90001 and 90002), the frame balanced.
TEST(MecanismosGrandes, BarraArticuladaSueltaDaUnPivoteExactamenteNulo) {
    std::string t = textoVariante(variantePortico::sano, 1, 700);
    t.insert(t.find("barras:"), "90001 -10 0 90002 -7 0\n");
    t.insert(t.find("apoyo:"), "5000 90001 90002\n");
    t += "seccionRectangular: SUELTA 0.4 0.4 2.5e7 25 5000\narticulacion: 0 0 5000\n";
    const resuelto r = resolverTexto(t);
    std::vector<int> dependientes;
    ASSERT_TRUE(dependientesDelCamino(r.m, dependientes));
    EXPECT_EQ(dependientes.size(), 5u);
    int x = 0;
    for (const std::string nudo : {"90001", "90002"}) {
        const std::string n = "Advertencia: el nudo " + nudo + " no tiene rigidez en la dirección ";
        EXPECT_NE(r.consola.find(n + "Y (mecanismo)\n"), std::string::npos) << r.consola;
        EXPECT_NE(r.consola.find(n + "giro (mecanismo)\n"), std::string::npos) << r.consola;
        x += r.consola.find(n + "X (mecanismo)\n") != std::string::npos;
    }
    EXPECT_EQ(x, 1) << r.consola;
    EXPECT_TRUE(r.s.combosSinEquilibrio.empty());
    reaccionesEquilibranPortico(r.s, 1, 700);
}

// 70 bars that touch nothing else, each free to move as a rigid body: 210
// freedoms without stiffness, more than the sparse path sets apart, so the
// sparse QR decides. One storey of 700 bays keeps it quick (a narrow band).
// The frame is solved, balances, and the bars' freedoms are named.
TEST(MecanismosGrandes, MuchosGradosDependientesLosDecideLaQR) {
    std::string t = textoVariante(variantePortico::sano, 1, 700);
    std::string nudos, barras, numeros;
    for (int b = 0; b < 70; ++b) {
        const int i = 90001 + 2 * b;
        nudos += std::to_string(i) + " " + std::to_string(-10 - b) + " 0 " + std::to_string(i + 1) +
                 " " + std::to_string(-10 - b) + " 3\n";
        barras +=
            std::to_string(5000 + b) + " " + std::to_string(i) + " " + std::to_string(i + 1) + "\n";
        numeros += " " + std::to_string(5000 + b);
    }
    t.insert(t.find("barras:"), nudos);
    t.insert(t.find("apoyo:"), barras);
    t += "seccionRectangular: SUELTA 0.4 0.4 2.5e7 25" + numeros + "\n";
    const resuelto r = resolverTexto(t);
    EXPECT_GT(r.s.noLibres, limiteLuDensa);
    std::vector<int> dependientes;
    EXPECT_FALSE(dependientesDelCamino(r.m, dependientes));
    EXPECT_TRUE(r.s.resuelto);
    EXPECT_NE(r.consola.find("Advertencia: el nudo 9000"), std::string::npos) << r.consola;
    EXPECT_NE(r.consola.find("... y 200 más\n"), std::string::npos) << r.consola;
    EXPECT_TRUE(r.s.combosSinEquilibrio.empty());
    reaccionesEquilibranPortico(r.s, 1, 700);
}
