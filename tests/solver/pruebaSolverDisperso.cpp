// The sparse solve against the dense one the program used before (the full
// kLL and its LU with complete pivoting, the dense product for the
// reactions): on generated frames and on every example they agree to 1e-10
// relative, or, on a frame whose kLL has a condition number κ so large that
// no solve in double precision is that close to the exact solution, within
// the forward error bound of two backward-stable solves, a few κ·ε; singular models of up to 2,000
// free freedoms take the dense path and give its results exactly; larger frames with a loose node
// are named and solved (more large mechanisms in pruebaMecanismosGrandes.cpp; the 150 x 150 frame
// is solved with its report, in the report tests).
#include <gtest/gtest.h>

#include <Eigen/LU>
#include <Eigen/SVD>
#include <algorithm>
#include <limits>
#include <random>
#include <sstream>

#include "archivoTemporal.h"
#include "etapasSolucion.h"
#include "funcionLeerArchivo.h"
#include "funcionSolucionU.h"
#include "modeloAleatorio.h"
#include "modeloPrueba.h"
#include "porticoPrueba.h"

namespace {

constexpr double toleranciaRelativa = 1e-10;
// Each solve errs by at most about κ·ε relative (backward stability); their
// difference by twice that, with room for the products that follow.
constexpr double margenCondicion = 8;

// Relative agreement expected of two solves of kLL: 1e-10, or a few κ·ε
// when kLL is that badly conditioned (κ from its singular values).
double toleranciaPara(const Eigen::MatrixXd& k) {
    if (k.size() == 0) return toleranciaRelativa;
    const Eigen::VectorXd s = Eigen::JacobiSVD<Eigen::MatrixXd>(k).singularValues();
    const double kappa = s(0) / s(s.size() - 1);
    return std::max(toleranciaRelativa,
                    margenCondicion * kappa * std::numeric_limits<double>::epsilon());
}

// Largest difference against the largest entry of the reference.
void concuerdan(const Eigen::MatrixXd& a, const Eigen::MatrixXd& b, double tolerancia,
                const std::string& que) {
    ASSERT_EQ(a.rows(), b.rows()) << que;
    ASSERT_EQ(a.cols(), b.cols()) << que;
    if (b.size() == 0) return;
    EXPECT_LE((a - b).cwiseAbs().maxCoeff(), tolerancia * b.cwiseAbs().maxCoeff()) << que;
}

// Rows g of m (3N x NC) for an element's freedoms.
Eigen::MatrixXd filas(const Eigen::MatrixXd& m, const Eigen::VectorXi& g) {
    Eigen::MatrixXd d(g.size(), m.cols());
    for (int k = 0; k < g.size(); ++k) d.row(k) = m.row(g(k));
    return d;
}

// End forces of every bar (rows N, V, M at start and end; one column per
// combination) from the displacements u, on copies of the bar results.
Eigen::MatrixXd fuerzasDeExtremo(const modelo& m, const solucion& s,
                                 const Eigen::MatrixXd& desplazamientos) {
    Eigen::MatrixXd f(6 * m.barra.size(), m.noCombos);
    for (size_t j = 0; j < m.barra.size(); ++j) {
        resultadosBarra b = s.barras[j];
        b.setDesplazamientos(filas(desplazamientos, m.barra[j].getGdl()));
        for (int c = 0; c < m.noCombos; ++c) {
            const Eigen::MatrixXd n = b.getSolicitacionAxial(c, 2);
            const Eigen::MatrixXd v = b.getSolicitacionCortante(c, 2);
            const Eigen::MatrixXd mo = b.getSolicitacionMomento(c, 2);
            f.block(6 * j, c, 6, 1) << n(1, 0), n(1, 1), v(1, 0), v(1, 1), mo(1, 0), mo(1, 1);
        }
    }
    return f;
}

int veces(const std::string& texto, const std::string& que) {
    int n = 0;
    for (size_t p = texto.find(que); p != std::string::npos; p = texto.find(que, p + 1)) ++n;
    return n;
}

// Reactions as each node reports them (spring forces in sprung directions,
// from the displacements of the solve).
Eigen::MatrixXd reaccionesDeNudos(const modelo& m, const solucion& s, const Eigen::MatrixXd& r) {
    Eigen::MatrixXd f(3 * m.nudo.size(), m.noCombos);
    for (size_t k = 0; k < m.nudo.size(); ++k) {
        const objNudo2d& nudo = m.nudo[k];
        const resultadosNudo n(nudo, filas(s.u, nudo.getGdl()), filas(r, nudo.getGdl()));
        for (int c = 0; c < m.noCombos; ++c)
            f.block(3 * k, c, 3, 1) << n.getReaccionX(c), n.getReaccionY(c), n.getReaccionM(c);
    }
    return f;
}

// Solves the model and compares with the dense solve; condicionExigida: the
// model is well conditioned and must meet 1e-10.
void compararConSolucionDensa(const modelo& m, const std::string& nombre, bool condicionExigida) {
    solucion s;
    {
        capturaConsola consola;
        s = funcionSolucionU(m);
    }
    ASSERT_TRUE(s.resuelto) << nombre;
    const Eigen::MatrixXd uLDensa =
        s.noLibres == 0
            ? Eigen::MatrixXd::Zero(0, m.noCombos)
            : Eigen::MatrixXd(
                  Eigen::FullPivLU<Eigen::MatrixXd>(Eigen::MatrixXd(s.kLL)).solve(s.pL));
    Eigen::MatrixXd uDensa = Eigen::MatrixXd::Zero(s.u.rows(), s.u.cols());
    for (int i = 0; i < s.noLibres; ++i) uDensa.row(s.gdlLibres[i]) = uLDensa.row(i);
    const Eigen::MatrixXd rDensa = Eigen::MatrixXd(s.kEstructura) * uDensa - s.pCombo;

    const double tol = toleranciaPara(Eigen::MatrixXd(s.kLL));
    if (condicionExigida) {
        EXPECT_EQ(tol, toleranciaRelativa) << nombre;
    }
    concuerdan(s.u, uDensa, tol, nombre + ": desplazamientos");
    concuerdan(reaccionesDeNudos(m, s, s.reacciones), reaccionesDeNudos(m, s, rDensa), tol,
               nombre + ": reacciones");
    concuerdan(fuerzasDeExtremo(m, s, s.u), fuerzasDeExtremo(m, s, uDensa), tol,
               nombre + ": fuerzas de extremo");
}

}  // namespace

TEST(SolverDisperso, ConcuerdaConLaSolucionDensaEnModelosAleatorios) {
    std::mt19937 gen(semillaModelosAleatorios);
    for (int k = 0; k < cantidadModelosAleatorios; ++k) {
        resultante porCaso[2];
        const modelo m = construirModeloAleatorio(gen, porCaso);
        compararConSolucionDensa(m, "modelo " + std::to_string(k), false);
    }
}

TEST(SolverDisperso, ConcuerdaConLaSolucionDensaEnLosEjemplos) {
    for (const char* archivo :
         {"ingresoDatos.txt", "ejemplos/mensula.txt", "ejemplos/porticoArticulado.txt",
          "ejemplos/porticoDosPisos.txt", "ejemplos/vigaSimple.txt"}) {
        std::ifstream f(std::string(KARVEL_RAIZ "/") + archivo);
        std::ostringstream texto;
        texto << f.rdbuf();
        ASSERT_FALSE(texto.str().empty()) << archivo;
        compararConSolucionDensa(leerModelo(texto.str()), archivo, true);
    }
}

// A singular kLL of up to 2,000 free freedoms is solved by the dense LU with
// complete pivoting exactly as before: the same numbers, bit for bit.
TEST(SolverDisperso, ModelosSingularesPequenosDanLaSolucionDensaExacta) {
    const modelo m = leerModelo(porticoConNudoSuelto(12, 12, 5000));
    capturaConsola consola;
    const solucion s = funcionSolucionU(m);
    EXPECT_LE(s.noLibres, limiteLuDensa);
    const Eigen::MatrixXd uDensa =
        Eigen::FullPivLU<Eigen::MatrixXd>(Eigen::MatrixXd(s.kLL)).solve(s.pL);
    EXPECT_TRUE((s.uLibres.array() == uDensa.array()).all());
    EXPECT_EQ(consola.texto(),
              "Advertencia: el nudo 5000 no tiene rigidez en la dirección X (mecanismo)\n"
              "Advertencia: el nudo 5000 no tiene rigidez en la dirección Y (mecanismo)\n"
              "Advertencia: el nudo 5000 no tiene rigidez en la dirección giro (mecanismo)\n");
    reaccionesEquilibranPortico(s, 12, 12);

    // A mechanism (a bar hinged at both ends, pinned at one), two loads.
    modelo mecanismo;
    agregarNudo(mecanismo, 0, 0, 1, 1, 0);
    agregarNudo(mecanismo, 3, 1);
    agregarBarra(mecanismo, 0, 1, 2e7, 0.01, 1e-4, 0.0, 0.0);
    mecanismo.nudo[1].setCargaPuntual("T", 2, -5, 1);
    agregarCombo(mecanismo, "C1", {{1.0, "T"}});
    const solucion sm = funcionSolucionU(mecanismo);
    const Eigen::MatrixXd uMecanismo =
        Eigen::FullPivLU<Eigen::MatrixXd>(Eigen::MatrixXd(sm.kLL)).solve(sm.pL);
    EXPECT_TRUE((sm.uLibres.array() == uMecanismo.array()).all());
}

// Above 2,000 free freedoms the loose node's freedoms, which nothing
// stiffens, are set aside and named; the frame is solved and balances its
// loads.
TEST(SolverDisperso, PorticoGrandeConNudoSueltoLoNombraYSeResuelve) {
    const modelo m = leerModelo(porticoConNudoSuelto(40, 40, 77777));
    capturaConsola consola;
    const solucion s = funcionSolucionU(m);
    EXPECT_GT(s.noLibres, limiteLuDensa);
    EXPECT_TRUE(s.resuelto);
    EXPECT_EQ(consola.texto(),
              "Advertencia: el nudo 77777 no tiene rigidez en la dirección X (mecanismo)\n"
              "Advertencia: el nudo 77777 no tiene rigidez en la dirección Y (mecanismo)\n"
              "Advertencia: el nudo 77777 no tiene rigidez en la dirección giro (mecanismo)\n");
    EXPECT_TRUE(s.combosSinEquilibrio.empty());
    const int suelto = static_cast<int>(m.nudo.size()) - 1;
    ASSERT_EQ(m.nudo[suelto].getNoNudoUsuario(), 77777);
    ASSERT_EQ(s.nudos.size(), m.nudo.size());
    EXPECT_EQ(s.nudos[suelto].getDesplazamientoX(1), 0.0);
    EXPECT_EQ(s.nudos[suelto].getGiroZ(1), 0.0);
    reaccionesEquilibranPortico(s, 40, 40);
}

// A mechanism above 2,000 free freedoms: a bar that touches nothing else
// (user nodes 90001 and 90002) can move as a rigid body, three freedoms
// without stiffness that the pivots of the sparse factorisation find; the
// frame itself is solved and balances its loads.
TEST(SolverDisperso, MecanismoGrandeLoEncuentraLaFactorizacionDispersa) {
    // One storey of 700 bays: 2,103 free freedoms.
    std::string t = textoPortico(1, 700);
    t.insert(t.find("barras:"), "90001 -9 0 90002 -9 3\n");
    t.insert(t.find("apoyo:"), "5000 90001 90002\n");
    t += "seccionRectangular: SUELTA 0.4 0.4 2.5e7 25 5000\n";
    const modelo m = leerModelo(t);
    capturaConsola consola;
    const solucion s = funcionSolucionU(m);
    EXPECT_GT(s.noLibres, limiteLuDensa);
    EXPECT_TRUE(s.resuelto);
    EXPECT_EQ(veces(consola.texto(), " no tiene rigidez en la dirección "), 3) << consola.texto();
    EXPECT_NE(consola.texto().find("Advertencia: el nudo 9000"), std::string::npos);
    EXPECT_TRUE(s.combosSinEquilibrio.empty());
    reaccionesEquilibranPortico(s, 1, 700);
}
