#include "core/numbers.h"

#include <gtest/gtest.h>
#include <iomanip>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace korvel {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

TEST(LeadingNumber, ReadsLikeBasicVal) {
    const ReadCase cases[] = {
        {"12abc", 12},   {"", 0},        {"abc", 0},         {" 7", 7},       {"-.5", -0.5},
        {".5", 0.5},     {"+4", 4},      {"- 5", -5},        {"1 200", 1200}, {"1,5", 1},
        {"1e3", 1000},   {"1E3", 1000},  {"1D3", 1000},      {"1d-2", 0.01},  {"1e", 1},
        {"1e+", 1},      {"1e 2", 100},  {"2.5e-1x", 0.25},  {"1.2.3", 1.2},  {"\t3\r\n4", 34},
        {"--5", 0},      {".", 0},       {"-", 0},           {"e5", 0},       {"007", 7},
        {"1e-999", 0},   {"0e999999", 0}, {"120毫米", 120},
    };
    for (const auto& c : cases) {
        const LeadingNumber n = readLeadingNumber(c.text);
        EXPECT_DOUBLE_EQ(n.value, c.value) << '"' << c.text << '"';
        EXPECT_FALSE(n.tooLarge) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, OnlyAsciiDigitsCount) {
    for (const char* text : {"Infinity", "inf", "nan", "NaN", "１２３", "١٢٣", "\xFF\xFE" "12"}) {
        const LeadingNumber n = readLeadingNumber(text);
        EXPECT_EQ(n.value, 0.0) << text;
        EXPECT_FALSE(n.tooLarge) << text;
    }
}

TEST(LeadingNumber, MinusZeroIsPlainZero) {
    for (const char* text : {"-0", "-0.000", "-1e-999"}) {
        const double v = val(text);
        EXPECT_EQ(v, 0.0) << text;
        EXPECT_FALSE(std::signbit(v)) << text;
    }
}

TEST(LeadingNumber, HexAndOctalWholeNumbers) {
    const ReadCase cases[] = {
        {"&HFF", 255},       {"&hff", 255},      {"&HFFFF", -1},           {"&H7FFF", 32767},
        {"&H8000", -32768},  {"&H10000", 65536}, {"&HFFFFFFFF", -1},       {"&H7FFFFFFF", 2147483647},
        {"&O17", 15},        {"&o17", 15},       {"&17", 15},              {"&18", 1},
        {"&H", 0},           {"&", 0},           {" & H 1 0", 16},         {"&HFFg", 255},
    };
    for (const auto& c : cases) {
        const LeadingNumber n = readLeadingNumber(c.text);
        EXPECT_DOUBLE_EQ(n.value, c.value) << '"' << c.text << '"';
        EXPECT_FALSE(n.tooLarge) << '"' << c.text << '"';
    }
    EXPECT_TRUE(readLeadingNumber("&H100000000").tooLarge);
}

TEST(LeadingNumber, OverflowIsTooLargeAndReadsZero) {
    for (const std::string& text : {std::string("1e999"), std::string("1e309"), std::string("-1e309"),
                                   std::string(400, '9'), std::string("1e99999999999999999999")}) {
        const LeadingNumber n = readLeadingNumber(text);
        EXPECT_TRUE(n.tooLarge) << text;
        EXPECT_EQ(n.value, 0.0) << text;
        EXPECT_EQ(val(text), 0.0) << text;
    }
    EXPECT_FALSE(readLeadingNumber("1.7976931348623157e308").tooLarge);
    EXPECT_DOUBLE_EQ(val("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

// Whether there was a number at all, and whether the text is that number
// and nothing else (blanks and tabs around it allowed).
TEST(LeadingNumber, FoundAndWhole) {
    struct Case {
        const char* text;
        bool found, whole;
    };
    const Case cases[] = {
        {"12", true, true},     {" -1.5e3\t", true, true}, {"5.", true, true},     {".5", true, true},
        {"1e999", true, true},  {"12abc", true, false},    {"1 200", true, false}, {"1e", true, false},
        {"\r\n7", true, false}, {"&H10", true, false},     {"0", true, true},      {"", false, false},
        {"abc", false, false},  {"-", false, false},       {". 5", true, false},   {"&H", false, false},
        {"&9", false, false},   {"- .", false, false},
    };
    for (const Case& c : cases) {
        const LeadingNumber n = readLeadingNumber(c.text);
        EXPECT_EQ(n.found, c.found) << '"' << c.text << '"';
        EXPECT_EQ(n.whole, c.whole) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, ReadsOnlyItsView) {
    const std::string text = "12345";
    EXPECT_EQ(val(std::string_view(text).substr(0, 2)), 12.0);
    EXPECT_EQ(val(std::string_view(text.data(), 0)), 0.0);
}

struct RoundCase {
    double x;
    int digits;
    double expected;
};

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {0.5, 0, 0},      {1.5, 0, 2},       {2.5, 0, 2},         {3.5, 0, 4},
        {-3.5, 0, -4},    {-2.5, 0, -2},     {250.5, 0, 250},     {251.5, 0, 252},
        {2.675, 2, 2.68}, {0.125, 2, 0.12},  {0.375, 2, 0.38},    {2.665, 2, 2.66},
        {2.6751, 2, 2.68}, {2.6749, 2, 2.67}, {9.995, 2, 10},      {99.5, 0, 100},
        {0.004, 2, 0},    {0.006, 2, 0.01},  {0.05, 1, 0},        {0.15, 1, 0.2},
        {300.1030103, 0, 300}, {1120, 2, 1120}, {1.23456, 4, 1.2346}, {7, -3, 7},
        {0.1 + 0.2, 15, 0.3},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(roundHalfEven(c.x, c.digits), c.expected) << c.x << " at " << c.digits;
    }
}

TEST(RoundHalfEven, NeverGivesMinusZero) {
    for (const double x : {-0.4, -0.5, -0.0, -0.001}) {
        const double r = roundHalfEven(x, 0);
        EXPECT_EQ(r, 0.0) << x;
        EXPECT_FALSE(std::signbit(r)) << x;
    }
    EXPECT_EQ(roundedText(-0.4, 0), "0");
    EXPECT_EQ(roundedText(-0.004, 2), "0");
}

TEST(RoundHalfEven, LargeAndNonFiniteValues) {
    EXPECT_EQ(roundHalfEven(1.5e20, 2), 1.5e20);
    EXPECT_EQ(roundHalfEven(123456789012345.5, 0), 123456789012346.0);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(roundHalfEven(inf, 2), inf);
    EXPECT_EQ(roundHalfEven(-inf, 2), -inf);
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""), 2)));
    // The largest double read in 15 digits lies beyond it: it stays itself,
    // never 0.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(roundHalfEven(largest, 2), largest);
    EXPECT_EQ(roundHalfEven(-largest, 0), -largest);
    EXPECT_NE(roundedText(largest, 2), "0");
}

struct TextCase {
    double x;
    const char* text;
};

TEST(NumberText, ShortestGeneralForm) {
    const TextCase cases[] = {
        {1120, "1120"},
        {3.5, "3.5"},
        {0.125, "0.125"},
        {-3.5, "-3.5"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0001, "0.0001"},
        {0.00012, "0.00012"},
        {0.00001, "1E-05"},
        {-0.000015, "-1.5E-05"},
        {123456789012345, "123456789012345"},
        {999999999999999.4, "999999999999999"},
        {999999999999999.0, "999999999999999"},
        {-123456789012345, "-123456789012345"},
        {-7, "-7"},
        {1e15, "1E+15"},
        {9999999999999999.0, "1E+16"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        {100, "100"},
        {10.01, "10.01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(c.x), c.text) << c.x;
    }
}

TEST(NumberText, NonFiniteShowsOverflow) {
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "溢出");
    EXPECT_EQ(numberText(-std::numeric_limits<double>::infinity()), "溢出");
    EXPECT_EQ(numberText(std::nan("")), "溢出");
}

TEST(NumberText, PrintedNumberBlanks) {
    EXPECT_EQ(printedNumber(5), " 5 ");
    EXPECT_EQ(printedNumber(-5), "-5 ");
    EXPECT_EQ(printedNumber(0), " 0 ");
    EXPECT_EQ(printedNumber(-0.0), " 0 ");
    EXPECT_EQ(printedNumber(2.25), " 2.25 ");
}

TEST(NumberText, RoundedText) {
    EXPECT_EQ(roundedText(2.675, 2), "2.68");
    EXPECT_EQ(roundedText(1119.996, 2), "1120");
    EXPECT_EQ(roundedText(3.14159, 3), "3.142");
    EXPECT_EQ(roundedText(2.5, 0), "2");
    EXPECT_EQ(roundedText(-0.0004, 3), "0");
    EXPECT_EQ(roundedText(-1.0005, 3), "-1");
    EXPECT_EQ(roundedText(0.00015, 4), "0.0002");
    EXPECT_EQ(roundedText(0.000049, 5), "5E-05");
    EXPECT_EQ(roundedText(0.000049, 6), "4.9E-05");
    EXPECT_EQ(roundedText(99999999999.9995, 3), "100000000000");
    EXPECT_EQ(roundedText(123456789012.3456, 3), "123456789012.346");
    EXPECT_EQ(roundedText(1234567890123.4567, 3), "1234567890123.46");
}

// The short way of rounding gives the very double the 15-digit text way
// gives: over every magnitude that keeps fewer than fifteen digits and beyond,
// and on values a hair either side of a tie, where it must step aside.
TEST(RoundHalfEven, ShortWayIsTheTextWay) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10, 10), hair(-4e-15, 4e-15);
    std::uniform_int_distribution<int> exponent(-18, 17), decimals(0, 15);
    std::uniform_int_distribution<long long> whole(0, 99999999);
    for (int i = 0; i < 300000; ++i) {
        const int digits = decimals(random);
        double x = 0;
        switch (i % 4) {
            case 0:
            case 1:
                x = mantissa(random) * std::pow(10.0, exponent(random));
                break;
            case 2:  // a tie as typed: k + 0.5 at the last decimal
                x = (static_cast<double>(whole(random)) + 0.5) / std::pow(10.0, digits);
                break;
            case 3:  // a tie moved by a few parts in 1e15
                x = (static_cast<double>(whole(random)) + 0.5) / std::pow(10.0, digits) * (1 + hair(random));
                break;
        }
        if (i % 2) x = -x;
        const double shortWay = roundHalfEven(x, digits), textWay = roundHalfEvenThroughText(x, digits);
        ASSERT_EQ(shortWay, textWay) << std::setprecision(17) << x << " at " << digits;
        ASSERT_EQ(std::signbit(shortWay), std::signbit(textWay)) << x << " at " << digits;
    }
}

// The rounded text is written straight from the rounded digits; it must be
// exactly what writing the rounded value gives, whatever the value.
TEST(NumberText, RoundedTextIsTheRoundedValuesText) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-8, 17), decimals(0, 6);
    for (int i = 0; i < 200000; ++i) {
        const double x = i % 7 == 0 ? std::round(mantissa(random) * 1e4) / 8e3
                                    : mantissa(random) * std::pow(10.0, exponent(random));
        const int digits = decimals(random);
        ASSERT_EQ(roundedText(x, digits), numberText(roundHalfEven(x, digits))) << x << " at " << digits;
    }
}

}  // namespace
}  // namespace korvel
