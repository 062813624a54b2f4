// Number texts drawn by the viewer: fixed and scientific formats, and bounds.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "formatoNumero.h"

TEST(formatoNumero, puntoFijoRedondeaALosDecimalesPedidos) {
    EXPECT_EQ("12.35", formatearNumero(12.3456, 2, false));
    EXPECT_EQ("-0.500", formatearNumero(-0.5, 3, false));
    // Node and bar numbers: 0 decimals, a single character for 7.
    EXPECT_EQ("7", formatearNumero(7.0, 0, false));
}

TEST(formatoNumero, cientificaConMantisaYExponente) {
    EXPECT_EQ("1.230e-04", formatearNumero(0.000123, 3, true));
    EXPECT_EQ("-2.5e+06", formatearNumero(-2.5e6, 1, true));
}

TEST(formatoNumero, valoresYDecimalesExtremosNoDesbordan) {
    // 1e300 in fixed point has 301 integer digits: the text is cut at the
    // 99 characters the buffer holds.
    const std::string grande = formatearNumero(1e300, 3, false);
    EXPECT_EQ(99u, grande.size());
    EXPECT_EQ("1000000000", grande.substr(0, 10));
    EXPECT_EQ(99u, formatearNumero(1.0 / 3.0, 100000, false).size());
    EXPECT_EQ(99u, formatearNumero(-1e-300, std::numeric_limits<int>::max(), true).size());
    // Negative decimals count as none.
    EXPECT_EQ("12", formatearNumero(12.3456, -4, false));
    EXPECT_EQ("inf", formatearNumero(std::numeric_limits<double>::infinity(), 3, false));
}
