// A small plane-frame stiffness calculation of its own, for the expected
// values of statically indeterminate frames: rigidly jointed prismatic bars
// (textbook 6 x 6 element with axial and bending stiffness, Euler-Bernoulli),
// point loads on nodes and linearly varying loads along the bars, fixed-end
// loads from the standard tables, nodes fixed in any of ux, uy, θ. It shares
// no code with the program.
//
// Results follow the program's sign conventions: N > 0 tension; M > 0 bends
// the bar concave toward local +y (local y = local x turned a quarter turn
// counter-clockwise); V = dM/dx. With p the end forces acting on the bar in
// local axes (p1, p2, p3 at the start, p4, p5, p6 at the end):
// N(0) = -p1, N(L) = p4, V(0) = p2, V(L) = -p5, M(0) = -p3, M(L) = p6.
#pragma once

#include <Eigen/Dense>
#include <cmath>
#include <map>
#include <string>
#include <vector>

class porticoIndependiente {
  public:
    struct cargaBarra {
        double pi, pf, qi, qf;  // axial and transverse, local axes, per unit length
    };

    void nudo(int numero, double x, double y, bool fijoX = false, bool fijoY = false,
              bool fijoGiro = false) {
        indice[numero] = static_cast<int>(nudos.size());
        nudos.push_back({x, y, {fijoX, fijoY, fijoGiro}});
    }
    void barra(int numero, int inicio, int fin, double E, double A, double I) {
        indiceBarra[numero] = static_cast<int>(barras.size());
        barras.push_back({indice.at(inicio), indice.at(fin), E, A, I});
    }
    // Loads of the one combination solved next; they add up.
    void cargaNudo(int numero, double px, double py, double mz) {
        auto c = cargasNudos.emplace(indice.at(numero), Eigen::Vector3d::Zero()).first;
        c->second += Eigen::Vector3d(px, py, mz);
    }
    void cargaLocal(int numero, cargaBarra c) {
        cargaBarra& t = cargasBarras[indiceBarra.at(numero)];
        t.pi += c.pi, t.pf += c.pf, t.qi += c.qi, t.qf += c.qf;
    }
    // Uniform load w per unit length of bar along -Y, split into its local
    // components: axial -w·sin θ, transverse -w·cos θ.
    void cargaVertical(int numero, double w) {
        const Eigen::Vector2d e = eje(barras[static_cast<std::size_t>(indiceBarra.at(numero))]);
        cargaLocal(numero, {-w * e.y(), -w * e.y(), -w * e.x(), -w * e.x()});
    }
    void borrarCargas() {
        cargasNudos.clear();
        cargasBarras.clear();
    }

    // Solves K·u = F on the free freedoms for the loads given so far.
    void resolver() {
        const int n = 3 * static_cast<int>(nudos.size());
        Eigen::MatrixXd K = Eigen::MatrixXd::Zero(n, n);
        Eigen::VectorXd F = Eigen::VectorXd::Zero(n);
        for (const auto& [i, p] : cargasNudos) F.segment<3>(3 * i) += p;
        for (std::size_t b = 0; b < barras.size(); ++b) {
            const Eigen::Matrix<double, 6, 6> T = rotacion(barras[b]);
            const Eigen::Matrix<double, 6, 6> kg = T.transpose() * rigidezLocal(barras[b]) * T;
            const Eigen::Matrix<double, 6, 1> fg = T.transpose() * empotradas(b);
            const int g[6] = {3 * barras[b].i, 3 * barras[b].i + 1, 3 * barras[b].i + 2,
                              3 * barras[b].j, 3 * barras[b].j + 1, 3 * barras[b].j + 2};
            for (int r = 0; r < 6; ++r) {
                F(g[r]) += fg(r);
                for (int c = 0; c < 6; ++c) K(g[r], g[c]) += kg(r, c);
            }
        }
        std::vector<int> libres;
        for (int k = 0; k < n; ++k)
            if (!nudos[static_cast<std::size_t>(k / 3)].fijo[k % 3]) libres.push_back(k);
        const int m = static_cast<int>(libres.size());
        Eigen::MatrixXd kll(m, m);
        Eigen::VectorXd fl(m);
        for (int r = 0; r < m; ++r) {
            fl(r) = F(libres[r]);
            for (int c = 0; c < m; ++c) kll(r, c) = K(libres[r], libres[c]);
        }
        const Eigen::VectorXd ul = kll.ldlt().solve(fl);
        u = Eigen::VectorXd::Zero(n);
        for (int r = 0; r < m; ++r) u(libres[r]) = ul(r);
        reacciones = K * u - F;
    }

    // Node results: direction 0 ux, 1 uy, 2 θ (reaction: Rx, Ry, Mz).
    double desplazamiento(int numero, int d) const { return u(3 * indice.at(numero) + d); }
    double reaccion(int numero, int d) const { return reacciones(3 * indice.at(numero) + d); }

    // End value of the bar: "N_inicio", "N_fin", "V_inicio", "V_fin",
    // "M_inicio" or "M_fin".
    double extremo(int numero, const std::string& etiqueta) const {
        const std::size_t b = static_cast<std::size_t>(indiceBarra.at(numero));
        const barraP& e = barras[b];
        const Eigen::Matrix<double, 6, 6> T = rotacion(e);
        Eigen::Matrix<double, 6, 1> ue;
        ue << u.segment<3>(3 * e.i), u.segment<3>(3 * e.j);
        const Eigen::Matrix<double, 6, 1> p = rigidezLocal(e) * T * ue - empotradas(b);
        const std::map<std::string, double> valores = {{"N_inicio", -p(0)}, {"N_fin", p(3)},
                                                       {"V_inicio", p(1)},  {"V_fin", -p(4)},
                                                       {"M_inicio", -p(2)}, {"M_fin", p(5)}};
        return valores.at(etiqueta);
    }

  private:
    struct nudoP {
        double x, y;
        bool fijo[3];
    };
    struct barraP {
        int i, j;
        double E, A, I;
    };

    Eigen::Vector2d eje(const barraP& b) const {
        const Eigen::Vector2d d(
            nudos[static_cast<std::size_t>(b.j)].x - nudos[static_cast<std::size_t>(b.i)].x,
            nudos[static_cast<std::size_t>(b.j)].y - nudos[static_cast<std::size_t>(b.i)].y);
        return d / d.norm();
    }
    double largo(const barraP& b) const {
        return std::hypot(
            nudos[static_cast<std::size_t>(b.j)].x - nudos[static_cast<std::size_t>(b.i)].x,
            nudos[static_cast<std::size_t>(b.j)].y - nudos[static_cast<std::size_t>(b.i)].y);
    }
    // Local = T · global for each end's (ux, uy); rotations unchanged.
    Eigen::Matrix<double, 6, 6> rotacion(const barraP& b) const {
        const Eigen::Vector2d e = eje(b);
        Eigen::Matrix<double, 6, 6> T = Eigen::Matrix<double, 6, 6>::Zero();
        for (int k = 0; k < 6; k += 3) {
            T(k, k) = e.x(), T(k, k + 1) = e.y();
            T(k + 1, k) = -e.y(), T(k + 1, k + 1) = e.x();
            T(k + 2, k + 2) = 1;
        }
        return T;
    }
    // Textbook plane-frame element: EA/L; 12EI/L³, 6EI/L², 4EI/L, 2EI/L.
    Eigen::Matrix<double, 6, 6> rigidezLocal(const barraP& b) const {
        const double L = largo(b), a = b.E * b.A / L, ei = b.E * b.I;
        const double k1 = 12 * ei / (L * L * L), k2 = 6 * ei / (L * L), k3 = 4 * ei / L,
                     k4 = 2 * ei / L;
        Eigen::Matrix<double, 6, 6> k;
        k << a, 0, 0, -a, 0, 0,       //
            0, k1, k2, 0, -k1, k2,    //
            0, k2, k3, 0, -k2, k4,    //
            -a, 0, 0, a, 0, 0,        //
            0, -k1, -k2, 0, k1, -k2,  //
            0, k2, k4, 0, -k2, k3;
        return k;
    }
    // Fixed-end loads of the bar's trapezoid, as loads on the nodes (standard
    // tables: uniform qL/2, qL²/12; triangle 3qL/20 and 7qL/20, qL²/30 and
    // qL²/20; axial triangle pL/3 at the loaded end and pL/6 at the other).
    Eigen::Matrix<double, 6, 1> empotradas(std::size_t b) const {
        Eigen::Matrix<double, 6, 1> f = Eigen::Matrix<double, 6, 1>::Zero();
        const auto c = cargasBarras.find(static_cast<int>(b));
        if (c == cargasBarras.end()) return f;
        const double L = largo(barras[b]);
        const cargaBarra& q = c->second;
        // Uniform part qi plus the triangle rising from 0 to (qf - qi).
        const double t = q.qf - q.qi, s = q.pf - q.pi;
        f(0) = q.pi * L / 2 + s * L / 6;
        f(3) = q.pi * L / 2 + s * L / 3;
        f(1) = q.qi * L / 2 + 3 * t * L / 20;
        f(4) = q.qi * L / 2 + 7 * t * L / 20;
        f(2) = q.qi * L * L / 12 + t * L * L / 30;
        f(5) = -q.qi * L * L / 12 - t * L * L / 20;
        return f;
    }

    std::vector<nudoP> nudos;
    std::vector<barraP> barras;
    std::map<int, int> indice, indiceBarra;
    std::map<int, Eigen::Vector3d> cargasNudos;
    std::map<int, cargaBarra> cargasBarras;
    Eigen::VectorXd u, reacciones;
};
