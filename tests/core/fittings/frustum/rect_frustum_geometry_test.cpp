// Rectangular frustum geometry: face heights and joint lengths for both offset
// directions to the digit, the scale bands and the plan view's points and
// primitives.

#include "core/fittings/frustum/rect_frustum_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr Rgb kCyan = rgb(0, 255, 255);

RectFrustumInputs defaults(double e = 0, double n = 0, bool south = false, int digits = 3) {
    return {2200, 1500, 1200, 500, 1000, e, n, south, digits};
}

// The value after the equals sign of each listing line.
std::vector<std::string> values(const RectFrustumGeometry& g) {
    std::vector<std::string> v;
    for (const auto& line : rectFrustumListing(g)) v.push_back(line.substr(line.find('=') + 1));
    return v;
}

TEST(RectFrustumGeometry, DefaultsWithoutOffsets) {
    const RectFrustumGeometry g = computeRectFrustum(defaults());
    EXPECT_EQ(values(g), (std::vector<std::string>{"1118.034", "1118.034", "1118.034", "1118.034", "1224.745",
                                                   "1224.745", "1224.745", "1224.745"}));
    // 取整数: name, short name and value run together.
    const RectFrustumGeometry whole = computeRectFrustum(defaults(0, 0, false, 0));
    EXPECT_EQ(rectFrustumListing(whole), (std::vector<std::string>{
                                             "南边梯形面实高 h1=1118",
                                             "北边梯形面实高 h2=1118",
                                             "西边梯形面实高 h3 =1118",
                                             "东边梯形面实高 h4=1118",
                                             "西南面结合实长线 f1=1225",
                                             "东南面结合实长线 f2=1225",
                                             "西北面结合实长线 f3=1225",
                                             "东北面结合实长线 f4=1225",
                                         }));
}

TEST(RectFrustumGeometry, OffsetEastAndNorth) {
    const RectFrustumGeometry g = computeRectFrustum(defaults(100, 50));
    EXPECT_EQ(values(g), (std::vector<std::string>{"1141.271", "1096.586", "1166.19", "1077.033", "1289.38",
                                                   "1209.339", "1250", "1167.262"}));
    EXPECT_EQ(rectFrustumListing(g)[2], "西边梯形面实高 h3 =1166.19");
}

TEST(RectFrustumGeometry, OffsetEastAndSouthSwapsTheLongitudinalFaces) {
    const RectFrustumGeometry g = computeRectFrustum(defaults(100, 50, true));
    EXPECT_EQ(values(g), (std::vector<std::string>{"1096.586", "1141.271", "1166.19", "1077.033", "1250",
                                                   "1167.262", "1289.38", "1209.339"}));
    // Only the north offset writes a blank before h3's equals sign.
    EXPECT_EQ(rectFrustumListing(g)[2], "西边梯形面实高 h3=1166.19");
}

TEST(RectFrustumGeometry, NegativeRunsLeanTheOtherWay) {
    // A small end wider than the big end, pushed far west.
    const RectFrustumGeometry g = computeRectFrustum({1000, 1000, 1200, 500, 300, -400, 0, false, 0});
    EXPECT_EQ(g.fault, RectFrustumFault::None);
    EXPECT_EQ(g.dW, -500);
    EXPECT_EQ(g.dE, 300);
    EXPECT_EQ(values(g)[2], "583");  // sqrt(300^2 + 500^2)
    EXPECT_EQ(computeRectFrustum({1e200, 0, 0, 0, 0, 0, 0, false, 0}).fault, RectFrustumFault::OutOfRange);
}

TEST(RectFrustumGeometry, ScaleBands) {
    struct Case {
        double A, s;
    };
    const Case cases[] = {{2200, 3.4}, {120, 60},  {0, 60},     {120.5, 1}, {121, 33},  {220, 33},
                          {1020, 7},   {1021, 6.5}, {2321, 3.2}, {2620, 3.2}, {3021, 2}, {4020, 2},
                          {4520, 1.5}, {4521, 1},   {5000, 1},   {-1, 1},    {-0.5, 1}, {1e300, 1}};
    for (const auto& c : cases) EXPECT_EQ(rectFrustumScale(c.A), c.s) << c.A;
}

TEST(RectFrustumGeometry, PlanAboutTheFixedCentre) {
    const RectFrustumPlan p = rectFrustumPlan(defaults(), 3.4);
    // The big end 7480 twips wide.
    EXPECT_DOUBLE_EQ(p.X2 - p.X1, 7480);
    const double want[] = {5710, 13190, 7950, 2850, 7410, 11490, 4550, 6250, 9450, 5400};
    const double got[] = {p.X1, p.X2, p.Y1, p.Y2, p.X11, p.X12, p.Y11, p.Y12, p.Xc, p.Yc};
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << i;

    // Offsets move the small end east and north, or east and south.
    const RectFrustumPlan north = rectFrustumPlan(defaults(100, 50), 3.4);
    const RectFrustumPlan south = rectFrustumPlan(defaults(100, 50, true), 3.4);
    EXPECT_NEAR(north.X11, 7750, 1e-9);
    EXPECT_NEAR(north.X12, 11830, 1e-9);
    EXPECT_NEAR(north.Xc, 9790, 1e-9);
    EXPECT_NEAR(north.Y11, 4380, 1e-9);
    EXPECT_NEAR(north.Y12, 6080, 1e-9);
    EXPECT_NEAR(north.Yc, 5230, 1e-9);
    EXPECT_NEAR(south.Y11, 4720, 1e-9);
    EXPECT_NEAR(south.Y12, 6420, 1e-9);
    EXPECT_NEAR(south.Yc, 5570, 1e-9);

    RectFrustumFault fault = RectFrustumFault::None;
    rectFrustumPlan({1e308, 0, 0, 0, 0, 0, 0, false, 0}, 60, &fault);
    EXPECT_EQ(fault, RectFrustumFault::OutOfRange);
}

TEST(RectFrustumGeometry, PlanPrimitives) {
    const RectFrustumInputs in = defaults(100, 50);
    const RectFrustumPlan p = rectFrustumPlan(in, 3.4);
    Recording lines;
    drawRectFrustumLines(p, lines);
    ASSERT_EQ(lines.primitives().size(), 16u);
    // South side of the big end, the south-west joint, the north face line.
    EXPECT_EQ(lines.primitives()[0], Primitive(LineOp{5710, 7950, 13190, 7950, kCyan}));
    EXPECT_EQ(lines.primitives()[8], Primitive(LineOp{5710, 7950, 7750, 6080, kCyan}));
    EXPECT_EQ(lines.primitives()[11], Primitive(LineOp{13190, 2850, 11830, 4380, kCyan}));
    EXPECT_EQ(lines.primitives()[12], Primitive(LineOp{5710, 5230, 7750, 5230, rgb(255, 255, 255)}));
    EXPECT_EQ(lines.primitives()[15], Primitive(LineOp{9790, 2850, 9790, 4380, rgb(255, 255, 255)}));

    const RectFrustumCentreLines c = rectFrustumCentreLines(p);
    EXPECT_EQ(std::vector<double>(c.line1, c.line1 + 4), (std::vector<double>{7750, 5400, 11830, 5400}));
    EXPECT_EQ(std::vector<double>(c.line2, c.line2 + 4), (std::vector<double>{9450, 4380, 9450, 6080}));

    Recording texts;
    drawRectFrustumTexts(in, p, texts);
    const std::vector<Primitive> expected = {
        FontOp{"宋体", 10.5},
        TextOp{9000, 7950, " 2200 "},
        TextOp{5260, 5500, " 1500 "},
        TextOp{9390, 4380, " 1200 "},
        TextOp{7300, 5330, " 500 "},
        TextOp{12890, 7600, "f2"},
        TextOp{5760, 7600, "f1"},
        TextOp{12840, 2950, "f4"},
        TextOp{5760, 2950, "f3"},
        TextOp{9490, 6280, "h1"},
        TextOp{9490, 3880, "h2"},
        TextOp{7250, 4930, "h3"},
        TextOp{12030, 4930, "h4"},
    };
    EXPECT_EQ(texts.primitives(), expected);
}

}  // namespace
}  // namespace korvel
