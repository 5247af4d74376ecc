// The elbow's numbers, listings and pattern primitives, from the inputs record.

#include "core/fittings/elbow/elbow_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/outcomes.h"

namespace korvel {
namespace {

// Drawn coordinates are exact sums of a few terms.
constexpr double kCoordinate = 1e-9;
// Heights read off the pattern, to the thousandth of a unit.
constexpr double kHeight = 5e-4;

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);

// D 1120, R 1680, 90°, wall 10, four segments, 16 divisions.
ElbowInputs presets(int digits = 0) { return {1120, 1680, 90, 10, 4, 16, digits}; }

using testing::only;

std::vector<Primitive> endPattern(const ElbowInputs& in) {
    Recording canvas;
    drawEndPattern(computeElbow(in), canvas);
    return canvas.take();
}

std::vector<Primitive> middlePattern(const ElbowInputs& in) {
    Recording canvas;
    drawMiddlePattern(computeElbow(in), canvas);
    return canvas.take();
}

TEST(ElbowGeometry, PresetQuantities) {
    const ElbowGeometry g = computeElbow(presets());
    ASSERT_EQ(g.fault, ElbowFault::None);
    EXPECT_EQ(g.m, 6);
    EXPECT_DOUBLE_EQ(g.theta, 15);
    EXPECT_NEAR(g.T, 0.2679491924, 1e-10);
    EXPECT_NEAR(g.Lmin, 300.103, 1e-3);
    EXPECT_NEAR(g.Lmax, 600.206, 1e-3);
    EXPECT_NEAR(g.C, 3518.583, 1e-3);
    EXPECT_EQ(g.Lc, 2701);
    EXPECT_NEAR(g.W, 746.04, 5e-3);
    EXPECT_EQ(g.scaleDenominator, 2251);
    EXPECT_DOUBLE_EQ(g.s, 100.0 / 2251);
    // The inner and outer sides are the shortest and longest generatrices.
    EXPECT_DOUBLE_EQ(g.E(0), g.Lmin);
    EXPECT_DOUBLE_EQ(g.E(180), g.Lmax);
}

TEST(ElbowGeometry, RadiusOfHalfTheDiameterLeavesNoInnerSide) {
    ElbowInputs in = presets();
    in.R = in.D / 2;
    const ElbowGeometry g = computeElbow(in);
    ASSERT_EQ(g.fault, ElbowFault::None);
    EXPECT_EQ(g.Lmin, 0);
    EXPECT_EQ(endListing(g).left[4], "L4 = 0");
}

struct FaultCase {
    const char* name;
    ElbowInputs in;
    ElbowFault fault;
};

class ElbowFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ElbowFaults, DecidedBeforeComputing) {
    EXPECT_EQ(computeElbow(GetParam().in).fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    ElbowGeometry, ElbowFaults,
    ::testing::Values(
        FaultCase{"one_segment", {1120, 1680, 90, 10, 1, 16, 0}, ElbowFault::Segments},
        FaultCase{"no_segment", {1120, 1680, 90, 10, 0, 16, 0}, ElbowFault::Segments},
        FaultCase{"divisions_not_a_multiple_of_4", {1120, 1680, 90, 10, 4, 18, 0}, ElbowFault::Divisions},
        FaultCase{"no_divisions", {1120, 1680, 90, 10, 4, 0, 0}, ElbowFault::Divisions},
        FaultCase{"negative_divisions", {1120, 1680, 90, 10, 4, -8, 0}, ElbowFault::Divisions},
        FaultCase{"divisions_beyond_1000", {1120, 1680, 90, 10, 4, 1004, 0}, ElbowFault::Divisions},
        FaultCase{"four_divisions", {1120, 1680, 90, 10, 4, 4, 0}, ElbowFault::None},
        FaultCase{"two_segments_half_turn", {1120, 1680, 180, 10, 2, 16, 0}, ElbowFault::BendTooSharp},
        FaultCase{"two_segments_just_under_half_turn", {1120, 1680, 179.9, 10, 2, 16, 0}, ElbowFault::None},
        FaultCase{"three_segments_full_turn", {1120, 1680, 360, 10, 3, 16, 0}, ElbowFault::BendTooSharp},
        FaultCase{"scale_rounds_to_zero", {0.1, 0.05, 1, 10, 20, 16, 0}, ElbowFault::ScaleTooSmall},
        FaultCase{"scale_rounds_to_zero_in_decimals", {0.001, 0.0005, 1, 10, 20, 16, 2},
                  ElbowFault::ScaleTooSmall},
        FaultCase{"radius_beyond_a_double", {1e308, 1e308, 90, 10, 4, 16, 0}, ElbowFault::OutOfRange},
        FaultCase{"weight_beyond_a_double", {1120, 1680, 90, 1e306, 4, 16, 0}, ElbowFault::OutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ElbowGeometry, DivisionsNeedOnlyUsableDivisions) {
    // The division listing does not care about segments, radius or angle.
    EXPECT_EQ(computeElbowDivisions({1120, 0, 0, 0, 0, 16, 0}).fault, ElbowFault::None);
    EXPECT_EQ(computeElbowDivisions({1120, 0, 0, 0, 0, 10, 0}).fault, ElbowFault::Divisions);
    EXPECT_EQ(computeElbowDivisions({1.7e308, 0, 0, 0, 0, 16, 0}).fault, ElbowFault::OutOfRange);
}

// Lines expected at positions within one box.
using Lines = std::vector<std::pair<size_t, std::string>>;

struct ListingCase {
    const char* name;
    int digits;
    Lines endLeft, endRight, middleLeft, middleRight;
    std::string lastDivision, summary;
};

void expectLines(const std::vector<std::string>& box, const Lines& expected, const char* what) {
    for (const auto& [at, line] : expected) EXPECT_EQ(box.at(at), line) << what << " line " << at;
}

class ElbowListings : public ::testing::TestWithParam<ListingCase> {};

TEST_P(ElbowListings, PresetLines) {
    const ListingCase& c = GetParam();
    const ElbowGeometry g = computeElbow(presets(c.digits));
    const ElbowListing end = endListing(g);
    const ElbowListing middle = middleListing(g);
    const ElbowListing divisions = divisionListing(computeElbowDivisions(presets(c.digits)));
    for (const ElbowListing* l : {&end, &middle, &divisions}) {
        ASSERT_EQ(l->left.size(), 9u);
        ASSERT_EQ(l->right.size(), 9u);
        EXPECT_EQ(l->left.back(), l->right.front()) << "the middle line stands in both boxes";
    }
    expectLines(end.left, c.endLeft, "end, left");
    expectLines(end.right, c.endRight, "end, right");
    expectLines(middle.left, c.middleLeft, "middle, left");
    expectLines(middle.right, c.middleRight, "middle, right");
    EXPECT_EQ(divisions.left.front(), "D0 = 0");
    EXPECT_EQ(divisions.right.back(), c.lastDivision);
    EXPECT_EQ(elbowSummary(g), c.summary);
}

INSTANTIATE_TEST_SUITE_P(
    ElbowGeometry, ElbowListings,
    ::testing::Values(
        ListingCase{"whole_numbers",
                    0,
                    {{0, "L0 = 450"}, {1, "L1 = 393"}, {4, "L4 = 300"}, {8, "L8 = 450"}},
                    {{0, "L8 = 450"}, {4, "L12 = 600"}, {8, "L16 = 450"}},
                    {{0, "L0 = 900"}, {4, "L4 = 1200"}, {8, "L8 = 900"}},
                    {{4, "L12 = 600"}, {8, "L16 = 900"}},
                    "D16 = 3519",
                    "管道周长 = 3519 mm   弯头重量 = 746 kg"},
        ListingCase{"decimals",
                    2,
                    {{0, "L0 = 450.15"}, {4, "L4 = 300.1"}},
                    {{4, "L12 = 600.21"}},
                    {{0, "L0 = 900.31"}, {4, "L4 = 1200.41"}},
                    {{4, "L12 = 600.21"}},
                    "D16 = 3518.58",
                    "管道周长 = 3518.58 mm   弯头重量 = 746.04 kg"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ElbowGeometry, EmptyThicknessWeighsNothing) {
    ElbowInputs in = presets();
    in.t = 0;
    EXPECT_EQ(elbowSummary(computeElbow(in)), "管道周长 = 3519 mm   弯头重量 = 0 kg");
}

TEST(ElbowGeometry, FontShrinksAsTheNamesCrowd) {
    const std::pair<int, double> cases[] = {{8, 13}, {16, 13}, {36, 13}, {40, 12}, {44, 11},
                                            {48, 10}, {52, 10}, {100, 10}};
    for (const auto& [n, points] : cases) EXPECT_EQ(elbowFontPoints(n), points) << n;
}

TEST(ElbowPattern, EndSectionGeneratricesOutlineAndNames) {
    const std::vector<Primitive> p = endPattern(presets());
    ASSERT_EQ(p.size(), 1u + 17 + 16 * 3 + 9 + 9);
    EXPECT_EQ(std::get<LineOp>(p[0]), (LineOp{-81.8, -10, -1.8, -10, kBlack}));

    // 17 generatrices on the base line, 5 units apart.
    std::vector<LineOp> generatrices;
    for (size_t i = 1; i <= 17; ++i) generatrices.push_back(std::get<LineOp>(p[i]));
    for (size_t i = 0; i < 17; ++i) {
        const LineOp& l = generatrices[i];
        EXPECT_NEAR(l.x1, -81.8 + 5.0 * static_cast<double>(i), kCoordinate) << i;
        EXPECT_EQ(l.x2, l.x1);
        EXPECT_EQ(l.y1, -10);
        EXPECT_EQ(l.colour, kBlack);
    }
    auto height = [&](size_t i) { return -10 - generatrices[i].y2; };
    // Quarter points (L0, L8, L16), inner side (L4), outer side (L12).
    for (size_t i : {0u, 8u, 16u}) EXPECT_NEAR(height(i), 19.998, kHeight) << i;
    EXPECT_NEAR(height(4), 13.332, kHeight);
    EXPECT_NEAR(height(12), 26.664, kHeight);
    for (size_t i = 0; i < 17; ++i) EXPECT_LE(height(i), height(12));

    // The dashed cut curve joins the tops of neighbouring generatrices.
    for (size_t k = 0; k < 16; ++k) {
        const size_t at = 18 + 3 * k;
        EXPECT_EQ(std::get<LineStyleOp>(p[at]).style, LineStyle::Dashed);
        const LineOp& l = std::get<LineOp>(p[at + 1]);
        EXPECT_EQ(std::get<LineStyleOp>(p[at + 2]).style, LineStyle::Solid);
        EXPECT_EQ(l, (LineOp{generatrices[k + 1].x1, generatrices[k + 1].y2, generatrices[k].x1,
                             generatrices[k].y2, kBlack}));
    }

    // L names above every second generatrix, D names under the base line.
    const std::vector<TextOp> texts = only<TextOp>(p);
    ASSERT_EQ(texts.size(), 18u);
    for (size_t q = 0; q < 9; ++q) {
        const TextOp& name = texts[q];
        EXPECT_EQ(name.text, "L" + std::to_string(2 * q));
        EXPECT_NEAR(name.x, generatrices[2 * q].x1 - 1.2, kCoordinate);
        EXPECT_NEAR(name.y, generatrices[2 * q].y2 - 1.5, kCoordinate);
        const TextOp& division = texts[9 + q];
        EXPECT_EQ(division.text, "D" + std::to_string(2 * q));
        EXPECT_NEAR(division.x, 10.0 * static_cast<double>(q) - 83, kCoordinate);
        EXPECT_EQ(division.y, -9);
    }
}

TEST(ElbowPattern, WidthAndQuarterHeightsStayWhateverTheSizes) {
    struct Case {
        double D, R;
        int n;
    };
    for (const Case c : {Case{1120, 1680, 8}, Case{1120, 1680, 32}, Case{300, 150, 100}, Case{500, 2000, 48}}) {
        ElbowInputs in = presets();
        in.D = c.D;
        in.R = c.R;
        in.n = c.n;
        const std::vector<LineOp> lines = only<LineOp>(endPattern(in));
        const LineOp& first = lines[1];
        const LineOp& last = lines[static_cast<size_t>(c.n) + 1];
        EXPECT_NEAR(first.x1, -81.8, kCoordinate) << c.n;
        EXPECT_NEAR(last.x1, -1.8, kCoordinate) << c.n;
        EXPECT_NEAR(lines[2].x1 - first.x1, 80.0 / c.n, kCoordinate) << c.n;
        // Quarter points stand 20 units, up to the rounding of the scale.
        EXPECT_NEAR(-10 - first.y2, 20, 0.01) << c.D << " " << c.R;
        EXPECT_NEAR(-10 - last.y2, 20, 0.01) << c.D << " " << c.R;
    }
}

TEST(ElbowPattern, MiddleSectionMirroredAboutTheRedCentreLine) {
    const std::vector<Primitive> p = middlePattern(presets());
    const std::vector<Primitive> end = endPattern(presets());
    // Base line and reference generatrices as in the end pattern.
    for (size_t i = 0; i <= 17; ++i) EXPECT_EQ(p[i], end[i]) << i;
    // Reference outline dotted and blue.
    for (size_t k = 0; k < 16; ++k) {
        const size_t at = 18 + 3 * k;
        EXPECT_EQ(std::get<LineStyleOp>(p[at]).style, LineStyle::Dotted);
        const LineOp& dashed = std::get<LineOp>(end[at + 1]);
        LineOp dotted = dashed;
        dotted.colour = kBlue;
        EXPECT_EQ(std::get<LineOp>(p[at + 1]), dotted);
        EXPECT_EQ(std::get<LineStyleOp>(p[at + 2]).style, LineStyle::Solid);
    }
    size_t at = 18 + 48;
    EXPECT_EQ(std::get<LineStyleOp>(p[at]).style, LineStyle::Dashed);
    EXPECT_EQ(std::get<LineOp>(p[at + 1]), (LineOp{-81.8, -50, -1.8, -50, kRed}));
    EXPECT_EQ(std::get<LineStyleOp>(p[at + 2]).style, LineStyle::Solid);
    at += 3;

    // Pairs of generatrices up and down from the centre line.
    std::vector<double> heights;
    for (size_t j = 0; j < 17; ++j, at += 2) {
        const LineOp& up = std::get<LineOp>(p[at]);
        const LineOp& down = std::get<LineOp>(p[at + 1]);
        EXPECT_NEAR(up.x1, -81.8 + 5.0 * static_cast<double>(j), kCoordinate) << j;
        EXPECT_EQ(up.x2, up.x1);
        EXPECT_EQ(down.x1, up.x1);
        EXPECT_EQ(up.y1, -50);
        EXPECT_EQ(down.y1, -50);
        EXPECT_NEAR(down.y2 + 50, -50 - up.y2, kCoordinate) << j;
        EXPECT_EQ(up.colour, kBlue);
        EXPECT_EQ(down.colour, kBlue);
        heights.push_back(-50 - up.y2);
    }
    // Starting at a quarter point, the outer side first, the inner side later,
    // and a full turn on the same quarter point again.
    EXPECT_NEAR(heights[0], 19.998, kHeight);
    EXPECT_NEAR(heights[4], 26.664, kHeight);
    EXPECT_NEAR(heights[12], 13.332, kHeight);
    EXPECT_NEAR(heights[16], heights[0], kCoordinate);

    // Red names, each followed by the default colour again.
    for (size_t q = 0; q < 9; ++q, at += 3) {
        EXPECT_EQ(std::get<ForeColourOp>(p[at]).colour, kRed);
        const TextOp& name = std::get<TextOp>(p[at + 1]);
        EXPECT_EQ(name.text, "L" + std::to_string(2 * q));
        EXPECT_NEAR(name.x, std::get<LineOp>(p[1 + 2 * q]).x1 - 1.0, kCoordinate);
        EXPECT_EQ(std::get<ForeColourOp>(p[at + 2]).colour, kBlack);
    }

    // Upper outline only: every slanted line after the centre line is above it.
    for (size_t k = 0; k < 16; ++k, at += 3) {
        EXPECT_EQ(std::get<LineStyleOp>(p[at]).style, LineStyle::Dotted);
        const LineOp& l = std::get<LineOp>(p[at + 1]);
        EXPECT_NEAR(l.y1, -50 - heights[k + 1], kCoordinate);
        EXPECT_NEAR(l.y2, -50 - heights[k], kCoordinate);
        EXPECT_EQ(l.colour, kBlue);
        EXPECT_EQ(std::get<LineStyleOp>(p[at + 2]).style, LineStyle::Solid);
    }
    for (size_t i = 18 + 48 + 3; i < p.size(); ++i)
        if (const auto* l = std::get_if<LineOp>(&p[i]); l && l->x1 != l->x2) {
            EXPECT_LT(l->y1, -50);
            EXPECT_LT(l->y2, -50);
        }

    // D names close the pattern, as in the end section.
    const std::vector<TextOp> texts = only<TextOp>(p);
    ASSERT_EQ(texts.size(), 18u);
    EXPECT_EQ(texts[9], only<TextOp>(end)[9]);
    EXPECT_EQ(at + 9, p.size());
}

}  // namespace
}  // namespace korvel
