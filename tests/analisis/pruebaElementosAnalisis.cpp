// Element matrices of the analyses and the placing of loads on the pieces.
#include <gtest/gtest.h>

#include "cargasEnPiezas.h"
#include "elementoLiberado.h"
#include "matrizMasa.h"
#include "rigidezGeometrica.h"
#include "subdivisionModelo.h"

namespace {

objBarra2d barraDePrueba(double ai, double af) {
    objBarra2d b;
    b.setNudoInicio(0, 1, 2);
    b.setNudoFinal(1, 4, 6);  // L = 5
    b.setSeccionGenerica(0.02, 3e-4);
    b.setModuloE(2e8);
    b.setArticulacion(ai, af);
    return b;
}

}  // namespace

// The bar's released shape C (elementoLiberado.h) with the energy of its end
// springs gives back the stiffness of objBarra2d with end fixity, whose
// formula comes from a different derivation (Monforton & Wu): for rigid,
// hinged and partially fixed ends.
TEST(ElementosAnalisis, CondensacionReproduceLaRigidezConFijacion) {
    const double EI = 2e8 * 3e-4, L = 5;
    for (double ai : {1.0, 0.7, 0.3, 0.0}) {
        for (double af : {1.0, 0.5, 0.0}) {
            const matriz4 c = condensacionExtremos(L, EI, ai, af);
            matriz4 kb;
            kb << 12, 6 * L, -12, 6 * L, 6 * L, 4 * L * L, -6 * L, 2 * L * L, -12, -6 * L, 12,
                -6 * L, 6 * L, 2 * L * L, -6 * L, 4 * L * L;
            kb *= EI / (L * L * L);
            matriz4 k = c.transpose() * kb * c;
            const double a[2] = {ai, af};
            const int giro[2] = {1, 3};
            for (int e = 0; e < 2; ++e) {
                if (a[e] >= 1) continue;
                const double R = a[e] / (1 - a[e]) * EI / L;
                Eigen::RowVector4d d = -c.row(giro[e]);
                d(giro[e]) += 1;
                k += R * d.transpose() * d;
            }
            const Eigen::MatrixXd kl = barraDePrueba(ai, af).getKLocal();
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    EXPECT_NEAR(k(i, j), kl(gdlTransversales[i], gdlTransversales[j]),
                                1e-9 * kl.cwiseAbs().maxCoeff())
                        << ai << " " << af << " " << i << j;
        }
    }
}

// The geometric stiffness is symmetric and gives no force for a rigid
// translation; for a rigid rotation θ its transverse end forces are ∓N·θ
// (the axial force turned with the bar) whatever the fixity.
TEST(ElementosAnalisis, RigidezGeometricaCuerpoRigido) {
    const double N = -150, L = 5;
    for (double ai : {1.0, 0.4, 0.0}) {
        const matriz6 kg = rigidezGeometricaLocal(N, L, 6e4, ai, 1.0);
        EXPECT_LT((kg - kg.transpose()).cwiseAbs().maxCoeff(), 1e-12);
        Eigen::Matrix<double, 6, 1> traslacion;
        traslacion << 0, 1, 0, 0, 1, 0;
        EXPECT_LT((kg * traslacion).cwiseAbs().maxCoeff(), 1e-12);
        Eigen::Matrix<double, 6, 1> giro;
        const double theta = 1e-3;
        giro << 0, 0, theta, 0, L * theta, theta;
        const Eigen::Matrix<double, 6, 1> f = kg * giro;
        EXPECT_NEAR(f(1), -N * theta, 1e-12);
        EXPECT_NEAR(f(4), N * theta, 1e-12);
    }
}

// The consistent mass moves the whole m·L with any rigid translation, in
// any direction and with any fixity; it is symmetric.
TEST(ElementosAnalisis, MasaTotalDeLaBarra) {
    const double m = 3.2, L = 5;
    for (double ai : {1.0, 0.5, 0.0}) {
        for (double af : {1.0, 0.0}) {
            const matriz6 ml = masaConsistenteLocal(m, L, 6e4, ai, af);
            EXPECT_LT((ml - ml.transpose()).cwiseAbs().maxCoeff(), 1e-12);
            const objBarra2d b = barraDePrueba(ai, af);
            const matriz6 T = b.getT();
            const matriz6 mg = T.transpose() * ml * T;
            for (int d = 0; d < 2; ++d) {
                Eigen::Matrix<double, 6, 1> r = Eigen::Matrix<double, 6, 1>::Zero();
                r(d) = r(3 + d) = 1;
                EXPECT_NEAR(r.dot(mg * r), m * L, 1e-12) << ai << " " << af;
            }
        }
    }
}

// Every load of a bar split in pieces: the resultants of its parts, moved
// to the bar's start, add up to the bar's resultant; a point load on a
// boundary goes to the piece that starts there, one at the end to the last.
TEST(ElementosAnalisis, CargasRepartidasEnLasPiezas) {
    const double L = 8;
    const double bordes[5] = {0, 2, 4, 6, 8};
    const std::vector<cargaBarra> cargas = {
        cargaTrapecial{1, -2, -3, 7}, cargaParcial{1.5, 6.5, 2, 4, -5, 1},
        cargaPuntual{3.1, 2, -4, 1.5, false}, cargaPuntual{4, 0, -9, 0, false},
        cargaPuntual{8, 0, -2, 0, false}};
    for (const cargaBarra& c : cargas) {
        const resultanteLocal total = std::visit([&](const auto& k) { return k.resultante(L); }, c);
        resultanteLocal suma;
        int piezas = 0;
        for (int j = 0; j < 4; ++j) {
            const double x0 = bordes[j], x1 = bordes[j + 1];
            const auto parte = cargaEnPieza(c, L, x0, x1, j == 3);
            if (!parte) continue;
            ++piezas;
            const resultanteLocal r =
                std::visit([&](const auto& k) { return k.resultante(x1 - x0); }, *parte);
            suma.axial += r.axial;
            suma.transversal += r.transversal;
            suma.momentoInicio += r.momentoInicio + x0 * r.transversal;
            if (const auto* p = std::get_if<cargaPuntual>(&*parte)) {
                const double a = std::get<cargaPuntual>(c).a;
                if (a == 4) {
                    EXPECT_EQ(j, 2);
                }
                if (a == 8) {
                    EXPECT_EQ(j, 3);
                }
                EXPECT_GE(p->a, 0);
            }
        }
        EXPECT_NEAR(suma.axial, total.axial, 1e-12);
        EXPECT_NEAR(suma.transversal, total.transversal, 1e-12);
        EXPECT_NEAR(suma.momentoInicio, total.momentoInicio, 1e-11);
        if (std::holds_alternative<cargaPuntual>(c)) {
            EXPECT_EQ(piezas, 1);
        }
    }
}

// The end spring of a piece is that of the bar: a/(1 - a)·EI/L unchanged.
TEST(ElementosAnalisis, FijacionDeLaPieza) {
    const double L = 8, Lp = 2;
    for (double a : {0.2, 0.5, 0.9}) {
        const double ap = fijacionDePieza(a, Lp, L);
        EXPECT_NEAR(ap / (1 - ap) / Lp, a / (1 - a) / L, 1e-12);
    }
    EXPECT_EQ(fijacionDePieza(0, Lp, L), 0);
    EXPECT_EQ(fijacionDePieza(1, Lp, L), 1);
}
