// Whole input files against expected values worked out apart from the
// program (datos/esperados/*.txt, the source of each value written next to
// it): the real karvel2d-reporte writes resultados.txt, whose end forces and
// displacements are read back as numbers; reactions come from the nodes after
// reading and solving the same file. Each value is compared as
// calculado/esperado ≈ 1 (absolutely when the expected value is 0).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "archivoTemporal.h"
#include "carpetaTemporal.h"
#include "funcionLeerYResolver.h"
#include "porticoIndependiente.h"
#include "reporteLeido.h"

namespace {

struct valorEsperado {
    std::string magnitud;
    std::string elemento;  // user number, or "*" for a sum over all nodes
    int combo = 0;         // 1-based
    bool deRigidez = false;
    double valor = 0;
    double tolerancia = 0;
    std::string linea;
};

std::vector<valorEsperado> leerEsperados(const std::string& ruta) {
    std::vector<valorEsperado> v;
    std::ifstream f(ruta);
    for (std::string l; std::getline(f, l);) {
        const std::string datos = l.substr(0, l.find('#'));
        std::istringstream s(datos);
        valorEsperado e;
        std::string valor;
        if (!(s >> e.magnitud >> e.elemento >> e.combo >> valor >> e.tolerancia)) continue;
        e.deRigidez = valor == "rigidez";
        if (!e.deRigidez) e.valor = std::stod(valor);
        e.linea = l;
        v.push_back(e);
    }
    return v;
}

// resultados.txt of the real report tool run on a copy of the input.
reporteLeido reporteDelPrograma(const std::string& entrada) {
    carpetaTemporal c;
    c.copiar(entrada, "entrada.txt");
    const std::string orden =
        "cd " + c.ruta + " && " KARVEL_BINARIOS "/karvel2d-reporte entrada.txt > /dev/null 2>&1";
    const int estado = std::system(orden.c_str());
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << entrada;
    return leerReporte(c.ruta + "/resultados.txt");
}

// Reaction of the node with user number `numero` (direction 0, 1, 2) after
// reading and solving in this process.
bool reaccionDelPrograma(const modeloResuelto& leido, int numero, int direccion, int combo,
                         double& r) {
    for (std::size_t i = 0; i < leido.m.nudo.size() && i < leido.s.nudos.size(); ++i) {
        if (leido.m.nudo[i].getNoNudoUsuario() != numero) continue;
        const resultadosNudo& n = leido.s.nudos[i];
        const int c = combo - 1;
        r = direccion == 0   ? n.getReaccionX(c)
            : direccion == 1 ? n.getReaccionY(c)
                             : n.getReaccionM(c);
        return true;
    }
    return false;
}

int direccionDe(const std::string& magnitud) {
    if (magnitud == "ux" || magnitud == "Rx" || magnitud == "sumaRx") return 0;
    if (magnitud == "uy" || magnitud == "Ry" || magnitud == "sumaRy") return 1;
    return 2;
}

// The program's value of one expected quantity; false when it has none.
bool calculado(const valorEsperado& e, const reporteLeido& reporte, const modeloResuelto& leido,
               double& v) {
    const std::string& m = e.magnitud;
    if (m == "sumaRx" || m == "sumaRy") {
        v = 0;
        for (const objNudo2d& n : leido.m.nudo) {
            double r;
            if (!reaccionDelPrograma(leido, n.getNoNudoUsuario(), direccionDe(m), e.combo, r))
                return false;
            v += r;
        }
        return true;
    }
    const int numero = std::stoi(e.elemento);
    if (m == "Rx" || m == "Ry" || m == "Mz")
        return reaccionDelPrograma(leido, numero, direccionDe(m), e.combo, v);
    if (m == "ux" || m == "uy" || m == "giro")
        return reporte.desplazamiento(numero, direccionDe(m), e.combo, v);
    return reporte.extremo(numero, e.combo, m, v);
}

double deRigidez(const valorEsperado& e, const porticoIndependiente& p) {
    const std::string& m = e.magnitud;
    const int numero = std::stoi(e.elemento);
    if (m == "Rx" || m == "Ry" || m == "Mz") return p.reaccion(numero, direccionDe(m));
    if (m == "ux" || m == "uy" || m == "giro") return p.desplazamiento(numero, direccionDe(m));
    return p.extremo(numero, m);
}

// Loads of one combination on the independent model: each case applied with
// its factor.
using caso = std::function<void(porticoIndependiente&, double)>;
using combinacion = std::vector<std::pair<double, caso>>;

struct modeloIndependiente {
    std::function<porticoIndependiente()> geometria;
    std::vector<combinacion> combos;  // combo k at position k - 1
};

// ingresoDatos.txt: columns 0.3 x 0.3 of 3, beam 0.3 x 0.5 of 4, E 2.1e7.
modeloIndependiente porticoDeIngreso() {
    const double E = 2.1e7, aC = 0.09, iC = 0.3 * 0.3 * 0.3 * 0.3 / 12, aV = 0.15,
                 iV = 0.3 * 0.5 * 0.5 * 0.5 / 12, peso = 24;
    modeloIndependiente m;
    m.geometria = [=] {
        porticoIndependiente p;
        p.nudo(1, 0, 0, true, true, true);
        p.nudo(2, 0, 3);
        p.nudo(3, 4, 3);
        p.nudo(4, 4, 0, true, true, true);
        p.barra(1, 1, 2, E, aC, iC);
        p.barra(2, 2, 3, E, aV, iV);
        p.barra(3, 3, 4, E, aC, iC);
        return p;
    };
    const caso pp = [=](porticoIndependiente& p, double f) {
        p.cargaVertical(1, f * aC * peso);
        p.cargaVertical(2, f * aV * peso);
        p.cargaVertical(3, f * aC * peso);
    };
    const caso cv = [](porticoIndependiente& p, double f) {
        p.cargaLocal(2, {0, 0, -15 * f, -15 * f});
    };
    const caso w = [](porticoIndependiente& p, double f) { p.cargaNudo(2, 10 * f, 0, 0); };
    m.combos = {{{1.2, pp}, {1.6, cv}}, {{1, pp}, {1, cv}, {1, w}}};
    return m;
}

// ejemplos/porticoDosPisos.txt: columns 0.4 x 0.4 of 3.5, beams 0.3 x 0.6 of
// 6, E 2.5e7, bases 10 and 11 fixed.
modeloIndependiente porticoDeDosPisos() {
    const double E = 2.5e7, aC = 0.16, iC = 0.4 * 0.4 * 0.4 * 0.4 / 12, aV = 0.18,
                 iV = 0.3 * 0.6 * 0.6 * 0.6 / 12, peso = 25;
    modeloIndependiente m;
    m.geometria = [=] {
        porticoIndependiente p;
        p.nudo(10, 0, 0, true, true, true);
        p.nudo(11, 6, 0, true, true, true);
        p.nudo(20, 0, 3.5);
        p.nudo(21, 6, 3.5);
        p.nudo(30, 0, 7);
        p.nudo(31, 6, 7);
        p.barra(1, 10, 20, E, aC, iC);
        p.barra(2, 11, 21, E, aC, iC);
        p.barra(3, 20, 30, E, aC, iC);
        p.barra(4, 21, 31, E, aC, iC);
        p.barra(5, 20, 21, E, aV, iV);
        p.barra(6, 30, 31, E, aV, iV);
        return p;
    };
    const caso pp = [=](porticoIndependiente& p, double f) {
        for (int b : {1, 2, 3, 4}) p.cargaVertical(b, f * aC * peso);
        for (int b : {5, 6}) p.cargaVertical(b, f * aV * peso);
    };
    const caso d = [](porticoIndependiente& p, double f) {
        p.cargaLocal(5, {0, 0, -18 * f, -18 * f});
        p.cargaLocal(6, {0, 0, 0, -15 * f});
    };
    const caso l = [](porticoIndependiente& p, double f) {
        p.cargaLocal(5, {0, 0, -10 * f, -10 * f});
    };
    const caso s = [](porticoIndependiente& p, double f) {
        p.cargaNudo(20, 20 * f, 0, 0);
        p.cargaNudo(30, 40 * f, 0, 0);
    };
    m.combos = {{{1, pp}, {1, d}, {1, l}},
                {{1.2, pp}, {1.2, d}, {1.6, l}},
                {{1, pp}, {1, d}, {0.5, l}, {1, s}},
                {{1, pp}, {1, d}, {0.5, l}, {-1, s}}};
    return m;
}

struct archivoConEsperados {
    std::string entrada;                                 // below the repository root
    std::string esperados;                               // below datos/esperados
    std::function<modeloIndependiente()> independiente;  // empty: all by hand
};

const archivoConEsperados archivos[] = {
    {"ingresoDatos.txt", "ingresoDatos.txt", porticoDeIngreso},
    {"ejemplos/mensula.txt", "mensula.txt", nullptr},
    {"ejemplos/vigaSimple.txt", "vigaSimple.txt", nullptr},
    {"ejemplos/porticoArticulado.txt", "porticoArticulado.txt", nullptr},
    {"ejemplos/porticoDosPisos.txt", "porticoDosPisos.txt", porticoDeDosPisos},
    {"ejemplos/cargasEnTramos.txt", "cargasEnTramos.txt", nullptr},
    {"ejemplos/deformacionesImpuestas.txt", "deformacionesImpuestas.txt", nullptr},
    {"ejemplos/apoyoInclinado.txt", "apoyoInclinado.txt", nullptr},
    {"ejemplos/puenteDosVanos.txt", "puenteDosVanos.txt", nullptr},
};

void PrintTo(const archivoConEsperados& a, std::ostream* os) {
    *os << a.entrada;
}

class ResultadosEsperados : public ::testing::TestWithParam<archivoConEsperados> {};

}  // namespace

TEST_P(ResultadosEsperados, CalculadoSobreEsperadoEsUno) {
    const archivoConEsperados& a = GetParam();
    const std::string entrada = std::string(KARVEL_RAIZ) + "/" + a.entrada;
    const std::vector<valorEsperado> esperados =
        leerEsperados(std::string(KARVEL_DATOS) + "/esperados/" + a.esperados);
    ASSERT_GE(esperados.size(), 5u);

    const reporteLeido reporte = reporteDelPrograma(entrada);
    ASSERT_TRUE(reporte.leido);
    modeloResuelto leido;
    {
        capturaConsola silencio;
        leido = funcionLeerYResolver(entrada);
    }
    ASSERT_TRUE(leido.faltan.completo());
    ASSERT_TRUE(leido.s.resuelto);

    // The independent model solved once per combination that asks for it.
    std::vector<porticoIndependiente> resueltos;
    if (a.independiente) {
        const modeloIndependiente m = a.independiente();
        for (const combinacion& c : m.combos) {
            porticoIndependiente p = m.geometria();
            for (const auto& [factor, aplicar] : c) aplicar(p, factor);
            p.resolver();
            resueltos.push_back(p);
        }
    }

    int deRigidezComparados = 0;
    for (const valorEsperado& e : esperados) {
        SCOPED_TRACE(a.esperados + ": " + e.linea);
        double esperado = e.valor;
        if (e.deRigidez) {
            ASSERT_FALSE(resueltos.empty()) << "sin modelo independiente";
            ASSERT_LE(static_cast<std::size_t>(e.combo), resueltos.size());
            esperado = deRigidez(e, resueltos[static_cast<std::size_t>(e.combo - 1)]);
            ++deRigidezComparados;
        }
        double v = 0;
        ASSERT_TRUE(calculado(e, reporte, leido, v)) << "el programa no da este valor";
        if (esperado == 0) {
            EXPECT_LE(std::abs(v), e.tolerancia) << "calculado " << v;
        } else {
            EXPECT_NEAR(v / esperado, 1.0, e.tolerancia)
                << "calculado " << v << ", esperado " << esperado;
        }
    }
    if (a.independiente) {
        EXPECT_GT(deRigidezComparados, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(ArchivosCompletos, ResultadosEsperados, ::testing::ValuesIn(archivos),
                         [](const ::testing::TestParamInfo<archivoConEsperados>& i) {
                             std::string n =
                                 i.param.esperados.substr(0, i.param.esperados.find('.'));
                             return n;
                         });

// The independent calculation itself on the textbook propped cantilever
// (fixed at 1, roller at 2, uniform w): end moment -wL²/8 at the clamp,
// reactions 5wL/8 and 3wL/8 (standard tables).
TEST(PorticoIndependiente, VigaEmpotradaYApoyada) {
    const double L = 5, w = 4;
    porticoIndependiente p;
    p.nudo(1, 0, 0, true, true, true);
    p.nudo(2, L, 0, false, true, false);
    p.barra(1, 1, 2, 1e7, 0.1, 1e-3);
    p.cargaVertical(1, w);
    p.resolver();
    EXPECT_NEAR(p.extremo(1, "M_inicio") / (-w * L * L / 8), 1, 1e-12);
    EXPECT_NEAR(p.extremo(1, "M_fin"), 0, 1e-9);
    EXPECT_NEAR(p.reaccion(1, 1) / (5 * w * L / 8), 1, 1e-12);
    EXPECT_NEAR(p.reaccion(2, 1) / (3 * w * L / 8), 1, 1e-12);
    EXPECT_NEAR(p.extremo(1, "V_inicio") / (5 * w * L / 8), 1, 1e-12);
}
