// Real numbers as the DXF file holds them: exact and short.

#include "output/dxf_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>

namespace korvel::cad {
namespace {

TEST(DxfNumber, WritesWhatAReaderTakesAtAGlance) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0.0"},
        {-0.0, "0.0"},
        {10, "10.0"},
        {-1022, "-1022.0"},
        {1500, "1500.0"},
        {1e6, "1000000.0"},
        {0.1, "0.1"},
        {0.5, "0.5"},
        {1.0 / 3, "0.3333333333333333"},
        {0.1 + 0.2, "0.30000000000000004"},  // 0.3 would read back as another double
        {7222.6675440411363525, "7222.667544041136"},
        {1.25e-5, "0.0000125"},
        {1e15, "1000000000000000.0"},
        {1e16, "1.0E+16"},
        {1e20, "1.0E+20"},
        {std::cos(M_PI / 2), "6.123233995736766E-17"},
        {-2.5e-6, "-2.5E-06"},
        {DBL_MAX, "1.7976931348623157E+308"},
        {4.9e-324, "5.0E-324"},
    };
    for (const auto& c : cases) EXPECT_EQ(dxfNumber(c.value), c.text) << c.value;
}

TEST(DxfNumber, ReadsBackAsTheSameDoubleInAtMostSeventeenDigits) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 100000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = dxfNumber(value);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
        int digits = 0;
        bool leading = true;
        for (char c : text.substr(0, text.find('E'))) {
            if (c == '0' && leading) continue;
            if (c >= '0' && c <= '9') leading = false, ++digits;
        }
        // 17 significant digits hold any double; plain notation adds at most
        // the zeros of a whole number below 1e16 and the ".0".
        ASSERT_LE(digits, std::fabs(value) >= 1e16 || std::fabs(value) < 1 ? 17 : 18) << text;
    }
}

}  // namespace
}  // namespace korvel::cad
