// Bar stiffness: classical matrices, end releases, partial fixity as a
// rotational spring, rigid-body modes, transformation, freedoms and the
// stiffness following the data.
#include <gtest/gtest.h>

#include <cmath>

#include "archivoTemporal.h"
#include "barraConResortes.h"
#include "objBarra2d.h"

namespace {
const double E = 2.1e7, A = 0.06, I = 4.5e-4;

objBarra2d barra(double x1, double y1, double x2, double y2, double ai = 1, double af = 1) {
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(3);
    b.setNudoInicio(0, x1, y1);
    b.setNudoFinal(4, x2, y2);
    b.setSeccionGenerica(A, I);
    b.setModuloE(E);
    b.setArticulacion(ai, af);
    return b;
}

// Textbook plane-frame matrix of a bar with both ends rigid, local axes.
Eigen::MatrixXd clasica(double L) {
    const double a = A * E / L, k12 = 12 * E * I / (L * L * L), k6 = 6 * E * I / (L * L),
                 k4 = 4 * E * I / L, k2 = 2 * E * I / L;
    Eigen::MatrixXd k(6, 6);
    k << a, 0, 0, -a, 0, 0,         //
        0, k12, k6, 0, -k12, k6,    //
        0, k6, k4, 0, -k6, k2,      //
        -a, 0, 0, a, 0, 0,          //
        0, -k12, -k6, 0, k12, -k6,  //
        0, k6, k2, 0, -k6, k4;
    return k;
}

Eigen::Matrix4d flexion(const Eigen::MatrixXd& k6) {
    const int idx[4] = {1, 2, 4, 5};
    Eigen::Matrix4d k;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) k(r, c) = k6(idx[r], idx[c]);
    return k;
}
}  // namespace

TEST(BarraRigidez, ClasicaConExtremosRigidos) {
    objBarra2d b = barra(0, 0, 5, 0);
    const Eigen::MatrixXd kg = b.getKGlobal();
    EXPECT_TRUE(b.getT().isApprox(Eigen::MatrixXd::Identity(6, 6)));
    EXPECT_TRUE(kg.isApprox(clasica(5), 1e-13));
}

TEST(BarraRigidez, BarraVerticalLlevaLaAxialAlEjeY) {
    objBarra2d b = barra(0, 0, 0, 5);
    const Eigen::MatrixXd kg = b.getKGlobal();
    const Eigen::MatrixXd t = b.getT();
    Eigen::RowVectorXd f1(6), f2(6);
    f1 << 0, 1, 0, 0, 0, 0;
    f2 << -1, 0, 0, 0, 0, 0;
    EXPECT_LT((t.row(0) - f1).norm(), 1e-15);
    EXPECT_LT((t.row(1) - f2).norm(), 1e-15);
    EXPECT_NEAR(kg(1, 1), A * E / 5, 1e-6);
    EXPECT_NEAR(kg(1, 4), -A * E / 5, 1e-6);
    EXPECT_NEAR(kg(0, 0), 12 * E * I / 125, 1e-6);
    EXPECT_NEAR(kg(0, 2), -6 * E * I / 25, 1e-6);  // X push on a column: clockwise
}

TEST(BarraRigidez, BarraHaciaLaIzquierdaYHaciaAbajo) {
    objBarra2d izquierda = barra(5, 0, 0, 0);
    izquierda.getKGlobal();
    EXPECT_NEAR(izquierda.getT()(0, 0), -1, 1e-15);
    objBarra2d abajo = barra(0, 5, 0, 0);
    EXPECT_LT(abajo.getAngulo(), 0);
    const Eigen::MatrixXd kg = abajo.getKGlobal();
    EXPECT_NEAR(kg(1, 1), A * E / 5, 1e-6);
}

TEST(BarraRigidez, CasosDeArticulacion) {
    const double L = 4, ei = E * I;
    {  // both hinged: only axial terms
        objBarra2d b = barra(0, 0, L, 0, 0, 0);
        Eigen::MatrixXd k = b.getKGlobal();
        EXPECT_NEAR(k(0, 0), A * E / L, 1e-6);
        k(0, 0) = k(3, 3) = k(0, 3) = k(3, 0) = 0;
        EXPECT_TRUE(k.isZero(1e-9));
    }
    {  // start hinged: row and column u3 zero, u6 diagonal 3EI/L
        objBarra2d b = barra(0, 0, L, 0, 0, 1);
        const Eigen::MatrixXd k = b.getKGlobal();
        EXPECT_TRUE(k.row(2).isZero(1e-9));
        EXPECT_TRUE(k.col(2).isZero(1e-9));
        EXPECT_NEAR(k(5, 5), 3 * ei / L, 1e-6);
        EXPECT_NEAR(k(1, 1), 3 * ei / (L * L * L), 1e-6);
        EXPECT_NEAR(k(1, 5), 3 * ei / (L * L), 1e-6);
    }
    {  // end hinged
        objBarra2d b = barra(0, 0, L, 0, 1, 0);
        const Eigen::MatrixXd k = b.getKGlobal();
        EXPECT_TRUE(k.row(5).isZero(1e-9));
        EXPECT_TRUE(k.col(5).isZero(1e-9));
        EXPECT_NEAR(k(2, 2), 3 * ei / L, 1e-6);
        EXPECT_NEAR(k(1, 2), 3 * ei / (L * L), 1e-6);
    }
    {  // half-fixed both ends: u3 diagonal 4EI/L·0.5·2/5.25
        objBarra2d b = barra(0, 0, L, 0, 0.5, 0.5);
        EXPECT_NEAR(b.getKGlobal()(2, 2), 4 * ei / L * 0.5 * 2 / 5.25, 1e-6);
    }
}

// A partially fixed end equals a rotational spring a/(1 - a)·E·I/L; the
// limits a -> 0 and a -> 1 approach the hinged and rigid matrices.
TEST(BarraRigidez, FijacionParcialIgualAResorteRotacional) {
    const double L = 3.5;
    const double casos[][2] = {{0.5, 0.5}, {0.3, 0.8}, {0.9, 0.1},  {0, 0.6},
                               {0.25, 0},  {0, 0},     {0.999, 0.7}};
    for (const auto& c : casos) {
        objBarra2d b = barra(0, 0, L, 0, c[0], c[1]);
        const Eigen::Matrix4d esperado = rigidezCondensada(L, E * I, c[0], c[1]);
        const Eigen::Matrix4d obtenido = flexion(b.getKLocal());
        EXPECT_LT((obtenido - esperado).norm(), 1e-9 * esperado.norm() + 1e-6)
            << "ai = " << c[0] << ", af = " << c[1];
    }
    objBarra2d casiRigida = barra(0, 0, L, 0, 1 - 1e-9, 1 - 1e-9);
    EXPECT_LT((casiRigida.getKLocal() - clasica(L)).norm(), 1e-6 * clasica(L).norm());
    objBarra2d casiArticulada = barra(0, 0, L, 0, 1e-9, 1e-9);
    EXPECT_LT(flexion(casiArticulada.getKLocal()).norm(), 1e-6 * clasica(L).norm());
}

// Symmetric, and no force for a rigid translation or a small rigid rotation
// about the start node, for any direction and fixity.
TEST(BarraRigidez, SimetricaYSinFuerzasEnMovimientoDeCuerpoRigido) {
    const double fijaciones[][2] = {{1, 1}, {0, 1}, {1, 0}, {0, 0}, {0.4, 0.7}};
    const double extremos[][2] = {{4, 0}, {0, 3}, {-3, 4}, {2.5, -1.5}, {-4, -0.5}};
    for (const auto& f : fijaciones) {
        for (const auto& p : extremos) {
            objBarra2d b = barra(1, 2, 1 + p[0], 2 + p[1], f[0], f[1]);
            const Eigen::MatrixXd k = b.getKGlobal();
            const double escala = k.cwiseAbs().maxCoeff();
            EXPECT_LT((k - k.transpose()).norm(), 1e-12 * escala);
            Eigen::VectorXd traslacion(6), giro(6);
            traslacion << 0.3, -0.7, 0, 0.3, -0.7, 0;
            const double t = 1e-3;
            giro << 0, 0, t, -t * p[1], t * p[0], t;
            EXPECT_LT((k * traslacion).norm(), 1e-12 * escala);
            EXPECT_LT((k * giro).norm(), 1e-12 * escala);
        }
    }
}

TEST(BarraRigidez, GradosDeLibertad) {
    objBarra2d b = barra(0, 0, 1, 0);
    Eigen::VectorXi esperado(6);
    esperado << 0, 1, 2, 12, 13, 14;
    EXPECT_EQ(b.getGdl(), esperado);
    objBarra2d sinNudos;
    capturaConsola consola;
    EXPECT_EQ(sinNudos.getGdl(), Eigen::VectorXi::Zero(6));
    EXPECT_EQ(consola.texto(), "Definir primero los nudos de la barra\n");
}

// Nothing is kept between calls: a changed modulus reaches K at once.
TEST(BarraRigidez, RigidezSigueALosDatos) {
    objBarra2d b = barra(0, 0, 2, 0);
    const Eigen::MatrixXd antes = b.getKGlobal();
    b.setModuloE(2 * E);
    EXPECT_TRUE(b.getKGlobal().isApprox(2 * antes));
    EXPECT_TRUE(b.getKLocal().isApprox(2 * antes));
}

TEST(BarraRigidez, MensajesPorDatosFaltantes) {
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(3);
    b.setNudoInicio(0, 0, 0);
    b.setNudoFinal(1, 2, 0);
    {
        // Known end nodes: T is formed without a message.
        capturaConsola consola;
        EXPECT_TRUE(b.getT().isApprox(Eigen::MatrixXd::Identity(6, 6)));
        EXPECT_EQ(consola.texto(), "");
    }
    {
        objBarra2d sinNudos;
        capturaConsola consola;
        EXPECT_TRUE(sinNudos.getT().isZero(0));
        EXPECT_EQ(consola.texto(), "Calcular primero el ángulo de la barra\n");
    }
    capturaConsola consola;
    EXPECT_TRUE(b.getKGlobal().isZero(0));
    EXPECT_EQ(consola.texto(), "No están definidas E, I o L de Elemento: 3\n");
    b.setSeccionGenerica(A, I);
    b.setModuloE(E);
    EXPECT_TRUE(b.getKGlobal().isApprox(clasica(2)));  // failed build retried
}

TEST(BarraRigidez, LongitudCeroSinRigidezNiMensajes) {
    objBarra2d b = barra(1, 1, 1, 1);
    capturaConsola consola;
    const Eigen::MatrixXd k = b.getKGlobal();
    EXPECT_EQ(k.rows(), 6);
    EXPECT_TRUE(k.isZero(0));
    EXPECT_EQ(consola.texto(), "");
    objBarra2d sinSeccion;
    sinSeccion.resetFlags();
    sinSeccion.setNudoInicio(0, 1, 1);
    sinSeccion.setNudoFinal(1, 1, 1);
    EXPECT_TRUE(sinSeccion.getKGlobal().isZero(0));
    EXPECT_EQ(consola.texto(), "");
}
