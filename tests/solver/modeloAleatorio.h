// Generated frames: random geometry, fixity, springs, point and distributed
// loads, members from very soft to very stiff; three combinations of two
// load cases. Each model is stable (a tree of bars from a fully fixed node);
// the applied loads of each case are summed by hand as it is built.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "cargaBarra.h"
#include "modeloPrueba.h"
#include "solucion.h"

// Applied loads of one combination, summed by hand from the generated data:
// force along X, along Y and moment about the origin.
struct resultante {
    double fx = 0, fy = 0, mz = 0;
    void fuerza(double x, double y, double px, double py) {
        fx += px;
        fy += py;
        mz += x * py - y * px;
    }
};

// Resultant of a distributed load on a bar from (xi, yi) to (xf, yf): axial
// intensity pi..pf along e, transverse qi..qf along n (e turned a quarter
// turn counter-clockwise). ∫p = L(pi+pf)/2, ∫q = L(qi+qf)/2 and
// ∫x·q dx = L²(qi/6 + qf/3); the axial part acts along the bar's line.
inline void sumarDistribuida(resultante& r, double xi, double yi, double xf, double yf, double pi,
                             double pf, double qi, double qf) {
    const double L = std::hypot(xf - xi, yf - yi);
    const double ex = (xf - xi) / L, ey = (yf - yi) / L;
    const double nx = -ey, ny = ex;
    const double P = L * (pi + pf) / 2, Q = L * (qi + qf) / 2;
    r.fuerza(xi, yi, P * ex + Q * nx, P * ey + Q * ny);
    r.mz += L * L * (qi / 6 + qf / 3);  // e × n = 1
}

// Random loads inside bar b of one case: a point load (local, or global
// components projected here) at a random place, ends included, and a
// partial trapezoid over a random part, each with probability one half.
// Their resultants, from the load's own definition: the point force at its
// point, the partial load as ∫ over [a, b] (its force at the centroid of the
// trapezoid), the moments as they are.
inline void agregarCargasEnTramos(objBarra2d& b, const std::string& caso, double escala,
                                  std::mt19937& gen, resultante& r) {
    std::uniform_real_distribution<double> u01(0, 1);
    auto entre = [&](double x, double y) { return x + (y - x) * u01(gen); };
    const double xi = b.getXi(), yi = b.getYi(), xf = b.getXf(), yf = b.getYf();
    const double L = std::hypot(xf - xi, yf - yi);
    const double ex = (xf - xi) / L, ey = (yf - yi) / L;
    if (u01(gen) < 0.5) {
        const double a = u01(gen) < 0.2 ? (u01(gen) < 0.5 ? 0.0 : L) : entre(0, L);
        const double px = escala * entre(-10, 10), py = escala * entre(-10, 10);
        const double mz = escala * entre(-10, 10);
        const double x = xi + ex * a, y = yi + ey * a;
        if (u01(gen) < 0.5) {
            b.agregarCarga(caso, cargaPuntual{a, px, py, mz, false});
            r.fuerza(x, y, px * ex - py * ey, px * ey + py * ex);
        } else {
            const double lx = px * ex + py * ey, ly = -px * ey + py * ex;
            b.agregarCarga(caso, cargaPuntual{a, lx, ly, mz, true});
            r.fuerza(x, y, px, py);
        }
        r.mz += mz;
    }
    if (u01(gen) < 0.5) {
        double a = entre(0, L), c = entre(0, L);
        if (a > c) std::swap(a, c);
        if (c - a < 1e-3 * L) c = a + 1e-3 * L;
        const double pa = escala * entre(-5, 5), pb = escala * entre(-5, 5);
        const double qa = escala * entre(-5, 5), qb = escala * entre(-5, 5);
        b.agregarCarga(caso, cargaParcial{a, c, pa, pb, qa, qb});
        // The partial load is the full-length one of a bar from a to c.
        sumarDistribuida(r, xi + ex * a, yi + ey * a, xi + ex * c, yi + ey * c, pa, pb, qa, qb);
    }
}

// Number of models the random tests go through, the generator's seed and
// the factors of load cases D and L in the three combinations.
constexpr int cantidadModelosAleatorios = 60;
constexpr unsigned semillaModelosAleatorios = 20240611;
constexpr int combosAleatorios = 3;
constexpr double factoresAleatorios[combosAleatorios][2] = {{1.0, 0.0}, {1.2, 1.6}, {0.0, -1.0}};

// The applied loads of combination c, summed by hand from those of the cases.
inline resultante cargaDelCombo(const resultante porCaso[2], int c) {
    resultante carga;
    for (int k = 0; k < 2; ++k) {
        carga.fx += factoresAleatorios[c][k] * porCaso[k].fx;
        carga.fy += factoresAleatorios[c][k] * porCaso[k].fy;
        carga.mz += factoresAleatorios[c][k] * porCaso[k].mz;
    }
    return carga;
}

// Builds the next model of the sequence; porCaso gets the resultant of the
// applied loads of cases D and L. With conCargasEnTramos the bars also carry
// point loads (local or global components) and partial distributed loads at
// random places, their resultants summed by hand in the same way.
inline modelo construirModeloAleatorio(std::mt19937& gen, resultante porCaso[2],
                                       bool conCargasEnTramos = false) {
    std::uniform_real_distribution<double> u01(0, 1);
    auto entre = [&](double a, double b) { return a + (b - a) * u01(gen); };
    auto dado = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
    modelo m;
    std::vector<objNudo2d>& nudo = m.nudo;
    std::vector<objBarra2d>& barra = m.barra;
    const int nNudos = 2 + dado(9);
    // Node 0 is fully fixed; other nodes get random restraints or springs,
    // never both in the same direction (the node then reports the spring
    // force, 0, instead of the support reaction).
    agregarNudo(m, 0, 0, 1, 1, 1);
    for (int i = 1; i < nNudos; ++i) {
        agregarNudo(m, entre(-10, 10), entre(-10, 10));
        int ap[3], resorte[3];
        for (int a = 0; a < 3; ++a) {
            ap[a] = u01(gen) < 0.15;
            resorte[a] = !ap[a] && u01(gen) < 0.2;
        }
        nudo[i].setApoyo(ap[0], ap[1], ap[2]);
        nudo[i].setResorte(resorte[0] * std::pow(10, entre(0, 7)),
                           resorte[1] * std::pow(10, entre(0, 7)),
                           resorte[2] * std::pow(10, entre(0, 7)));
    }
    // A tree from node 0 keeps the frame stable with rigid or partially
    // fixed ends; extra bars close loops. Stiffness from soft (E = 1e2)
    // to very stiff (E = 2e8).
    struct datosBarra {
        int i, j;
    };
    std::vector<datosBarra> barras;
    for (int i = 1; i < nNudos; ++i) barras.push_back({dado(i), i});
    for (int k = dado(4); k > 0; --k) {
        const int i = dado(nNudos), j = dado(nNudos);
        if (i != j) barras.push_back({i, j});
    }
    for (const auto& d : barras) {
        const double e = std::pow(10, entre(2, 8.3));
        const double h = entre(0.1, 1);
        const double fijacion[3] = {1.0, 0.8, 0.3};
        agregarBarra(m, d.i, d.j, e, 0.3 * h, 0.3 * h * h * h / 12, fijacion[dado(3)],
                     fijacion[dado(3)]);
    }

    // Two load cases; loads from tiny to large.
    const char* casos[2] = {"D", "L"};
    for (int c = 0; c < 2; ++c) {
        const double escala = std::pow(10, entre(-4, 2));
        for (int i = 0; i < nNudos; ++i) {
            if (u01(gen) < 0.5) continue;
            const double px = escala * entre(-10, 10), py = escala * entre(-10, 10),
                         mz = escala * entre(-10, 10);
            nudo[i].setCargaPuntual(casos[c], px, py, mz);
            porCaso[c].fuerza(nudo[i].getX(), nudo[i].getY(), px, py);
            porCaso[c].mz += mz;
        }
        for (auto& b : barra) {
            const double xi = b.getXi(), yi = b.getYi(), xf = b.getXf(), yf = b.getYf();
            if (u01(gen) < 0.5) {
                const double v[4] = {escala * entre(-5, 5), escala * entre(-5, 5),
                                     escala * entre(-5, 5), escala * entre(-5, 5)};
                b.setCargaLocal(casos[c], v[0], v[1], v[2], v[3]);
                sumarDistribuida(porCaso[c], xi, yi, xf, yf, v[0], v[1], v[2], v[3]);
            }
            if (u01(gen) < 0.3) {
                // Global load of fixed direction (dx, dy): split it here
                // into the bar's axial and transverse components.
                const double qi = escala * entre(-5, 5), qf = escala * entre(-5, 5);
                const double dx = entre(-1, 1), dy = entre(-1, 1), m = std::hypot(dx, dy);
                b.setCargaGlobal(casos[c], qi, qf, dx, dy);
                const double L = std::hypot(xf - xi, yf - yi);
                const double ex = (xf - xi) / L, ey = (yf - yi) / L;
                const double a = (ex * dx + ey * dy) / m, t = (ex * dy - ey * dx) / m;
                sumarDistribuida(porCaso[c], xi, yi, xf, yf, a * qi, a * qf, t * qi, t * qf);
            }
            if (conCargasEnTramos) agregarCargasEnTramos(b, casos[c], escala, gen, porCaso[c]);
        }
    }
    for (const auto& f : factoresAleatorios) {
        agregarCombo(m, "C" + std::to_string(m.noCombos + 1), {{f[0], "D"}, {f[1], "L"}});
    }
    return m;
}

// The reactions of s, spring forces included, balance the loads of every
// combination as summed by hand from the cases, in forces and in moment
// about the origin. Reactions are K·u − P at the supports: their rounding is
// of the order of eps·|K|·|u|, the stiffness forces that cancel there.
inline void reaccionesEquilibranCargas(const modelo& m, const solucion& s,
                                       const resultante porCaso[2], int modelo) {
    ASSERT_EQ(s.nudos.size(), m.nudo.size()) << "modelo " << modelo;
    for (int c = 0; c < combosAleatorios; ++c) {
        const resultante carga = cargaDelCombo(porCaso, c);
        resultante reaccion;
        double magnitud = std::abs(carga.fx) + std::abs(carga.fy);
        for (std::size_t i = 0; i < m.nudo.size(); ++i) {
            const objNudo2d& n = m.nudo[i];
            const resultadosNudo& r = s.nudos[i];
            reaccion.fuerza(n.getX(), n.getY(), r.getReaccionX(c), r.getReaccionY(c));
            reaccion.mz += r.getReaccionM(c);
            magnitud += std::abs(r.getReaccionX(c)) + std::abs(r.getReaccionY(c));
        }
        const Eigen::MatrixXd fuerzas = s.kEstructura.cwiseAbs() * s.u.col(c).cwiseAbs();
        const double tol = 1e-7 * magnitud + 1e-11 * fuerzas.maxCoeff();
        EXPECT_NEAR(reaccion.fx + carga.fx, 0, tol) << "modelo " << modelo << " combo " << c;
        EXPECT_NEAR(reaccion.fy + carga.fy, 0, tol) << "modelo " << modelo << " combo " << c;
        EXPECT_NEAR(reaccion.mz + carga.mz, 0, 30 * tol) << "modelo " << modelo << " combo " << c;
    }
}
