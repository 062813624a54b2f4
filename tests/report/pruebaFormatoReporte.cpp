// The report's text without streams against the stream it replaces: numbers
// against the stream's default formatting, matrices against the matrix
// library's own text layout (the layout the report has always had).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "formatoNumeros.h"
#include "salidaReporte.h"

namespace {

// Random doubles checked against the stream, per kind of sample.
constexpr int muestrasAleatorias = 1000000;

std::string porStream(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

std::string porFormato(double v) {
    char t[largoMaximoNumero];
    return std::string(t, formatearNumero(t, v));
}

// What a salidaReporte writes, through a temporary file.
template <class F>
std::string textoDe(F escribir) {
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    {
        salidaReporte s(fileno(f), 0);
        escribir(s);
        EXPECT_TRUE(s.vaciar());
    }
    std::string texto;
    std::rewind(f);
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, f)) > 0;) texto.append(bloque, n);
    std::fclose(f);
    return texto;
}

template <class F>
std::uint64_t bytesContados(F escribir) {
    salidaReporte s;
    escribir(s);
    return s.bytes();
}

}  // namespace

// Special values and the edges of the format: signed zeros, the switch to
// exponent notation at 1e-5 and 1e6, rounding at the sixth digit, the
// extremes of the type, infinities and NaNs.
TEST(FormatoReporte, NumerosEspecialesComoElStream) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {0.0,
                     -0.0,
                     1.0,
                     -1.0,
                     0.5,
                     1e-5,
                     1e-4,
                     0.0001,
                     0.00009999995,
                     999999.0,
                     999999.5,
                     1e6,
                     1234567.0,
                     123456.5,
                     0.1 + 0.2,
                     1.0 / 3,
                     2.5e7,
                     -2.5e-7,
                     std::numeric_limits<double>::max(),
                     std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::denorm_min(),
                     -std::numeric_limits<double>::max(),
                     inf,
                     -inf,
                     nan,
                     -nan}) {
        EXPECT_EQ(porFormato(v), porStream(v)) << v;
    }
    char t[largoMaximoNumero];
    for (int v : {0, 1, -1, 10, 99999, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(std::string(t, formatearNumero(t, v)), std::to_string(v));
    }
}

// Doubles of every exponent (random bit patterns), numbers of engineering
// size, and decimals at the rounding edge of the sixth digit (k + 0.5 units
// of the sixth digit, which the stream rounds by the binary value).
TEST(FormatoReporte, MillonesDeNumerosAleatoriosComoElStream) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> exponente(-30, 30);
    std::uniform_int_distribution<int> digitos(100000, 999999), potencia(-12, 12);
    int distintos = 0;
    for (int k = 0; k < muestrasAleatorias && distintos < 10; ++k) {
        const std::uint64_t bits = gen();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        const double w = (k % 2 ? -1 : 1) * std::pow(10.0, exponente(gen));
        const double x = (digitos(gen) + 0.5) * std::pow(10.0, potencia(gen));
        for (double y : {v, w, x}) {
            if (porFormato(y) != porStream(y)) {
                ++distintos;
                ADD_FAILURE() << porFormato(y) << " != " << porStream(y);
            }
        }
    }
}

// Dense and sparse matrices written as the matrix library writes the dense
// matrix: alignment to the widest entry, zeros, negative zeros, one row,
// one column, empty; and the bytes counted equal the bytes written.
TEST(FormatoReporte, MatricesComoLaBibliotecaLasEscribe) {
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> u01(0, 1);
    for (int caso = 0; caso < 84; ++caso) {
        const int filas = caso % 7, columnas = (caso / 7) % 6 + (caso % 3 == 0 ? 0 : 1);
        Eigen::MatrixXd d = Eigen::MatrixXd::Zero(filas, columnas);
        for (int i = 0; i < filas; ++i)
            for (int j = 0; j < columnas; ++j) {
                const double r = u01(gen);
                if (r < 0.4) continue;
                d(i, j) = r < 0.5 ? -0.0 : (u01(gen) - 0.5) * std::pow(10, 12 * u01(gen) - 6);
            }
        Eigen::SparseMatrix<double> s = d.sparseView(0.0, 0.0);
        // Stored entries may also be zeros (a cancellation at assembly).
        if (filas > 0 && columnas > 0) s.coeffRef(0, 0) += 0.0;
        std::ostringstream esperado;
        esperado << d;
        std::ostringstream esperadoDispersa;
        esperadoDispersa << Eigen::MatrixXd(s);
        auto densa = [&](salidaReporte& o) { o << d; };
        auto dispersa = [&](salidaReporte& o) { o << s; };
        EXPECT_EQ(textoDe(densa), esperado.str()) << "caso " << caso;
        EXPECT_EQ(textoDe(dispersa), esperadoDispersa.str()) << "caso " << caso;
        EXPECT_EQ(bytesContados(densa), esperado.str().size());
        EXPECT_EQ(bytesContados(dispersa), esperadoDispersa.str().size());
    }
    const Eigen::MatrixXi enteros = (Eigen::MatrixXi(1, 6) << 7, 8, 9, 10, 11, 12).finished();
    std::ostringstream e;
    e << enteros;
    EXPECT_EQ(textoDe([&](salidaReporte& o) { o << enteros; }), e.str());
}
