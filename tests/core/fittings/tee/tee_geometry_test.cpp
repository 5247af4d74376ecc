// The tee's numbers, listings and drawings from its input record: branch
// generators, opening coordinates, division arcs, the opening's scale bands
// and the primitives of both drawings.

#include "core/fittings/tee/tee_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/outcomes.h"

namespace korvel {
namespace {

// D = d = 1120 (less the allowance), 45°, short side 200, no wall, 32 parts.
TeeInputs presets(int digits = 0) { return {1120, 1120 - kBranchAllowance, 45, 200, 0, 32, digits}; }

using testing::only;

TEST(TeeGeometry, PresetBranchListing) {
    const TeeListing listing = branchListing(computeTee(presets()));
    EXPECT_EQ(listing.leftHeading, "  支管展开实");
    EXPECT_EQ(listing.rightHeading, "长过度线数据");
    const std::vector<std::string> left = {"L0=200",   "L1=226",   "L2=303",   "L3=428",   "L4=596",   "L5=801",
                                           "L6=1035",  "L7=1288",  "L8=1552",  "L9=1507",  "L10=1463", "L11=1423",
                                           "L12=1388", "L13=1359", "L14=1338", "L15=1324", "L16=1320"};
    EXPECT_EQ(listing.left, left);
    // The right box runs back down the other side: L_i = L_(n - i).
    ASSERT_EQ(listing.right.size(), 17u);
    EXPECT_EQ(listing.right.front(), "L16=1320");
    EXPECT_EQ(listing.right[4], "L20=1388");
    EXPECT_EQ(listing.right[12], "L28=596");
    EXPECT_EQ(listing.right.back(), "L32=200");
}

TEST(TeeGeometry, DecimalsAndSymmetry) {
    const TeeGeometry g = computeTee(presets(3));
    ASSERT_EQ(g.fault, TeeFault::None);
    EXPECT_EQ(branchListing(g).left[4], "L4=595.98");
    EXPECT_EQ(branchListing(g).left[8], "L8=1551.956");
    EXPECT_EQ(g.L[0], 200);
    for (int i = 0; i <= 32; ++i) EXPECT_NEAR(g.L[static_cast<size_t>(i)], g.L[static_cast<size_t>(32 - i)], 1e-6);
}

TEST(TeeGeometry, PresetOpeningListing) {
    const TeeGeometry g = computeTee(presets());
    const TeeListing listing = openingListing(g);
    EXPECT_EQ(listing.leftHeading, "主管开孔横向");
    EXPECT_EQ(listing.rightHeading, "主管开孔竖向");
    ASSERT_EQ(listing.left.size(), 17u);
    ASSERT_EQ(listing.right.size(), 17u);
    const std::pair<size_t, const char*> xs[] = {{0, "x0=0"}, {4, "x4=396"}, {8, "x8=1352"}, {12, "x12=1516"},
                                                 {16, "x16=1584"}};
    for (const auto& [i, line] : xs) EXPECT_EQ(listing.left[i], line);
    const std::pair<size_t, const char*> ys[] = {{0, "y0=0"}, {4, "y4=440"}, {8, "y8=880"}, {12, "y12=440"},
                                                 {16, "y16=0"}};
    for (const auto& [i, line] : ys) EXPECT_EQ(listing.right[i], line);
    // The opening of an equal 45° tee is d / sin 45° long and a quarter of
    // the main circumference high on either side, less what the allowance
    // on d takes off.
    EXPECT_NEAR(g.x[16], 1120 / std::sin(45 * kTeePi / 180), 1e-3);
    EXPECT_NEAR(g.y[8], kTeePi * 1120 / 4, 0.003);
    // Point 17 closes the drawing; its y turns negative.
    ASSERT_EQ(g.x.size(), 18u);
    EXPECT_LT(g.y[17], 0);
}

TEST(TeeGeometry, RightAngledReducingTee) {
    TeeInputs in{1120, 600 - kBranchAllowance, 90, 200, 0, 16, 0};
    const TeeGeometry g = computeTee(in);
    ASSERT_EQ(g.fault, TeeFault::None);
    const TeeListing listing = openingListing(g);
    EXPECT_EQ(listing.left[8], "x8=600");
    EXPECT_EQ(listing.right[4], "y4=317");
    for (int i = 0; i <= 16; ++i) {
        const double theta = i * 22.5 * kTeePi / 180;
        const double s = g.r * std::sin(theta) / g.R;
        const double phi = std::atan(s / std::sqrt(1 - s * s));
        EXPECT_NEAR(g.L[static_cast<size_t>(i)], 200 + g.R * (1 - std::cos(phi)), 1e-6);
        if (i <= 9) {
            EXPECT_NEAR(g.x[static_cast<size_t>(i)], g.r * (1 - std::cos(theta)), 1e-9);
        }
    }
}

TEST(TeeGeometry, NonsenseThatCanBeComputedIs) {
    TeeInputs negative = presets();
    negative.Ls = -50;
    EXPECT_EQ(branchListing(computeTee(negative)).left[0], "L0=-50");
    // A wall of half the branch leaves no meeting radius: every generator has
    // the short side's length.
    TeeInputs thick = presets();
    thick.t = 560;
    const TeeGeometry g = computeTee(thick);
    ASSERT_EQ(g.fault, TeeFault::None);
    EXPECT_EQ(branchListing(g).left[16], "L16=200");
    // A wall thicker than that turns the radius over but still meets.
    thick.t = 1000;
    EXPECT_EQ(computeTee(thick).fault, TeeFault::None);
    // An empty branch box: d = -1e-8, all zeros.
    TeeInputs empty = presets();
    empty.d = -kBranchAllowance;
    EXPECT_EQ(openingListing(computeTee(empty)).left[16], "x16=0");
}

struct FaultCase {
    const char* name;
    TeeInputs in;
    TeeFault fault;
};

class TeeFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(TeeFaults, DecidedBeforeComputing) {
    const TeeGeometry g = computeTee(GetParam().in);
    EXPECT_EQ(g.fault, GetParam().fault);
    if (g.fault != TeeFault::OutOfRange) {
        EXPECT_TRUE(g.L.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    TeeGeometry, TeeFaults,
    ::testing::Values(FaultCase{"no_main_diameter", {0, -kBranchAllowance, 45, 200, 0, 32, 0}, TeeFault::MainDiameter},
                      FaultCase{"zero_angle", {1120, 1120, 0, 200, 0, 32, 0}, TeeFault::Angle},
                      FaultCase{"angle_beyond_90", {1120, 1120, 95, 200, 0, 32, 0}, TeeFault::Angle},
                      FaultCase{"divisions_not_a_multiple_of_4", {1120, 1120, 45, 200, 0, 18, 0},
                                TeeFault::Divisions},
                      FaultCase{"no_divisions", {1120, 1120, 45, 200, 0, 0, 0}, TeeFault::Divisions},
                      FaultCase{"too_many_divisions", {1120, 1120, 45, 200, 0, 1004, 0}, TeeFault::Divisions},
                      FaultCase{"negative_wall", {1120, 1120, 45, 200, -1, 32, 0}, TeeFault::Wall},
                      FaultCase{"wall_beyond_both_pipes", {1120, 1120, 45, 200, 1121, 32, 0}, TeeFault::Wall},
                      FaultCase{"lengths_beyond_a_double", {1120, 1120, 45, 1.7e308, 0, 32, 0},
                                TeeFault::OutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TeeGeometry, DivisionArcs) {
    const TeeDivisions whole = computeTeeDivisions(1120 - kBranchAllowance, 32, 0);
    ASSERT_EQ(whole.fault, DivisionsFault::None);
    EXPECT_NEAR(whole.a, 109.9557, 1e-4);
    const TeeListing listing = teeDivisionListing(whole);
    EXPECT_EQ(listing.leftHeading, "    支管圆周");
    EXPECT_EQ(listing.rightHeading, "等份累加数");
    EXPECT_EQ(listing.left[1], "D1=110");
    EXPECT_EQ(listing.left.back(), "D16=1759");
    EXPECT_EQ(listing.right.front(), "D16=1759");
    EXPECT_EQ(listing.right.back(), "D32=3519");
    EXPECT_EQ(teeDivisionListing(computeTeeDivisions(1120 - kBranchAllowance, 32, 3)).left[1], "D1=109.956");
    // An empty box lists zeros, never "-0".
    EXPECT_EQ(teeDivisionListing(computeTeeDivisions(-kBranchAllowance, 32, 3)).right.back(), "D32=0");
    EXPECT_EQ(computeTeeDivisions(1120, 30, 0).fault, DivisionsFault::Divisions);
    EXPECT_EQ(computeTeeDivisions(1.7e308, 32, 0).fault, DivisionsFault::OutOfRange);
}

TEST(TeeGeometry, OpeningScaleBands) {
    const std::pair<double, double> cases[] = {
        {0, 23},     {120, 23},     {120.5, 0.5}, {121, 12.5}, {220, 12.5}, {600, 4.3},   {1020.5, 0.5},
        {1021, 2.5}, {1120, 2.5},   {2221, 1.1},  {2320, 1.1}, {2321, 0.9}, {4520, 0.6},  {4521, 0.5},
        {-1, 0.5},   {100000, 0.5}};
    for (const auto& [d, s] : cases) EXPECT_EQ(openingScale(d), s) << "d = " << d;
}

TEST(TeeGeometry, BranchDrawingFromTheWindowSize) {
    const TeeGeometry g = computeTee(presets());
    const BranchLayout layout = branchLayout(15000, 10000, 32);
    EXPECT_DOUBLE_EQ(layout.xL, 3450);
    EXPECT_DOUBLE_EQ(layout.xR, 14550);
    EXPECT_DOUBLE_EQ(layout.p, 11100.0 / 32);
    EXPECT_DOUBLE_EQ(layout.y0, 8700);
    Recording canvas;
    drawBranch(g, layout, canvas);
    const auto lines = only<LineOp>(canvas.primitives());
    // 33 generators, the base line, 32 segments of the curve, the white one.
    ASSERT_EQ(lines.size(), 33u + 1 + 32 + 1);
    // W / 10 * 2.3 is 3450 less a hair in binary; the lines carry the layout's values.
    EXPECT_EQ(lines[0], (LineOp{layout.xL, layout.y0, layout.xL, layout.y0 - 2 * 200.0, kTeeCyan}));
    EXPECT_EQ(lines[33], (LineOp{layout.xL, layout.y0, layout.xR, layout.y0, kTeeCyan}));
    EXPECT_EQ(lines[34].x2, layout.x(1));
    EXPECT_EQ(lines[34].y2, 8700 - 2 * g.L[1]);
    const LineOp middle = lines.back();
    EXPECT_EQ(middle.colour, kWhite);
    EXPECT_DOUBLE_EQ(middle.x1, 3450 + 16 * 11100.0 / 32);
    EXPECT_NEAR(middle.y2, 8700 - 2 * 1320, 0.5);
    const auto texts = only<TextOp>(canvas.primitives());
    ASSERT_EQ(texts.size(), 34u);
    EXPECT_DOUBLE_EQ(texts[0].x, 3300);
    EXPECT_DOUBLE_EQ(texts[0].y, 8820);
    EXPECT_EQ(texts[0].text, "D0");
    EXPECT_EQ(texts[16].text, "D32");
    EXPECT_DOUBLE_EQ(texts[17].x, 3300);
    EXPECT_DOUBLE_EQ(texts[17].y, 8700 - 400.0 - 300);
    EXPECT_EQ(texts[17].text, "L0");
    EXPECT_EQ(texts[25].text, "L16");
    EXPECT_DOUBLE_EQ(texts[25].x, middle.x1 - 150);
    EXPECT_DOUBLE_EQ(texts[25].y, 8700 - 2 * g.L[16] - 300);
    // Only the width moves the divisions; the heights stay 2 twips per mm.
    const BranchLayout wide = branchLayout(30000, 10000, 32);
    EXPECT_DOUBLE_EQ(wide.xL, 6900);
    EXPECT_DOUBLE_EQ(wide.y0, 8700);
}

TEST(TeeGeometry, OpeningDrawingAtTheFixedOrigin) {
    const TeeGeometry g = computeTee(presets());
    Recording canvas;
    drawOpening(g, 2.5, canvas);
    const auto lines = only<LineOp>(canvas.primitives());
    ASSERT_EQ(lines.size(), 17u + 4 * 17);
    for (const auto& l : lines) EXPECT_EQ(l.colour, kOpeningColour);
    // The axis to point 16, ≈ 8460.
    EXPECT_EQ(lines[0], (LineOp{4500, 5300, 4500, 5300, kOpeningColour}));
    EXPECT_NEAR(lines[16].x2, 4500 + 1583.919 * 2.5, 1e-3);
    EXPECT_NEAR(lines[16].x2, 8460, 0.5);
    // The generators of point 8 reach 5300 ∓ 2199.
    const LineOp up8 = lines[17 + 4 * 8], down8 = lines[17 + 4 * 8 + 1];
    EXPECT_NEAR(up8.y2, 5300 - 2199, 0.5);
    EXPECT_NEAR(down8.y2, 5300 + 2199, 0.5);
    // The last outline pair runs to point 17.
    const LineOp last = lines.back();
    EXPECT_DOUBLE_EQ(last.x1, 4500 + g.x[17] * 2.5);
    EXPECT_DOUBLE_EQ(last.y1, 5300 + g.y[17] * 2.5);
    const auto texts = only<TextOp>(canvas.primitives());
    // Division numbers are printed as numbers, a blank either side. At 2.5
    // twips a millimetre station 1 stands 65 twips from station 0 and
    // stations 9 ... 15 45 to 6 twips apart, where a 9 point digit takes about
    // 100: those that would run into the number before are left out, and 14
    // gives way to the far end's 16.
    const std::vector<int> numbered{0, 2, 3, 4, 5, 6, 7, 8, 10, 16};
    ASSERT_EQ(texts.size(), numbered.size() + 15);
    EXPECT_EQ(texts[0], (TextOp{4320, 5190, " 0 "}));
    for (size_t k = 0; k < numbered.size(); ++k) {
        const size_t i = static_cast<size_t>(numbered[k]);
        EXPECT_EQ(texts[k].text, " " + std::to_string(i) + " ");
        EXPECT_DOUBLE_EQ(texts[k].x, 4500 + g.x[i] * 2.5 - 180);
        if (k > 0) {
            EXPECT_GE(texts[k].x - texts[k - 1].x, 100.0 * (texts[k - 1].text.size() - 2) + 60) << i;
        }
    }
    const TextOp& y1 = texts[numbered.size()];
    EXPECT_EQ(y1.text, "y1");
    EXPECT_DOUBLE_EQ(y1.x, 4500 + g.x[1] * 2.5 - 100);
    EXPECT_DOUBLE_EQ(y1.y, 5300 - g.y[1] * 2.5 - 300);
    EXPECT_EQ(texts.back().text, "y15");
}

}  // namespace
}  // namespace korvel
