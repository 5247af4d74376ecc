// Cone and cone frustum geometry: the listed records to the digit, the faults
// decided before any arithmetic, and the schematic's primitives.

#include "core/fittings/frustum/cone_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace korvel {
namespace {

constexpr Rgb kCyan = rgb(0, 255, 255);
constexpr Rgb kRed = rgb(255, 0, 0);

ConeListing listed(double small, double big, double h, double t, int digits) {
    const ConeGeometry g = computeCone({small, big, h, t, digits});
    EXPECT_EQ(g.fault, ConeFault::None);
    return coneListing(g);
}

TEST(ConeGeometry, FrustumDefaultsInBothRoundings) {
    struct Case {
        int digits;
        const char *Rs, *Cs, *Rb, *Cb, *L, *hs;
    };
    const Case cases[] = {{0, "559", "1103", "1118", "2205", "559", "500"},
                          {3, "559.017", "1102.696", "1118.034", "2205.392", "559.017", "500"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        const ConeListing l = listed(500, 1000, 500, 0, c.digits);
        EXPECT_EQ(l.smallRadius, std::string("小圆弧展开半径 = ") + c.Rs);
        EXPECT_EQ(l.smallChord, std::string("小圆弧展开弦长 = ") + c.Cs);
        EXPECT_EQ(l.bigRadius, std::string("大圆弧展开半径 = ") + c.Rb);
        EXPECT_EQ(l.bigChord, std::string("大圆弧展开弦长 = ") + c.Cb);
        EXPECT_EQ(l.angle, "展开扇形夹角 = 160.997°");
        EXPECT_EQ(l.slant, std::string("展开斜边实长 = ") + c.L);
        EXPECT_EQ(l.apexHeight, std::string("小端口至圆心垂线 = ") + c.hs);
        EXPECT_EQ(l.title, "正心圆锥台展开放样");
    }
}

TEST(ConeGeometry, ThicknessComesOffBothDiameters) {
    const ConeGeometry g = computeCone({500, 1000, 500, 6, 3});
    EXPECT_FALSE(g.cone);
    EXPECT_EQ(g.d, 494);
    EXPECT_EQ(g.D, 994);
    const ConeListing l = coneListing(g);
    EXPECT_EQ(l.slant, "展开斜边实长 = 559.017");
    EXPECT_EQ(l.bigRadius, "大圆弧展开半径 = 1111.326");
    EXPECT_EQ(l.smallRadius, "小圆弧展开半径 = 552.309");
    EXPECT_EQ(l.angle, "展开扇形夹角 = 160.997°");
    EXPECT_EQ(l.apexHeight, "小端口至圆心垂线 = 494");
}

TEST(ConeGeometry, ConeDefaultsHaveNoSmallArc) {
    const ConeGeometry g = computeCone({0, 1000, 500, 0, 0});
    EXPECT_TRUE(g.cone);
    const ConeListing l = coneListing(g);
    EXPECT_EQ(l.slant, "展开斜边实长 = 707");
    EXPECT_EQ(l.bigRadius, "圆弧展开半径 = 707");
    EXPECT_EQ(l.angle, "展开扇形夹角 = 254.558°");
    EXPECT_EQ(l.bigChord, "圆弧展开弦长 = 1125");
    EXPECT_EQ(l.apexHeight, "端口至圆心垂线 = 500");
    EXPECT_EQ(l.title, "正心圆锥体展开放样");
    EXPECT_EQ(l.smallRadius, "");
    EXPECT_EQ(l.smallChord, "");
    // The angle keeps its 3 decimals under 留小数 too, and the thickness still
    // comes off the big end of a cone.
    EXPECT_EQ(listed(0, 1000, 500, 0, 3).slant, "展开斜边实长 = 707.107");
    EXPECT_EQ(computeCone({0, 1006, 500, 6, 3}).coneRecord.S, g.coneRecord.S);
}

TEST(ConeGeometry, NoHeightMakesAFullAnnulus) {
    const ConeGeometry g = computeCone({500, 1000, 0, 0, 3});
    ASSERT_EQ(g.fault, ConeFault::None);
    EXPECT_EQ(g.frustum.L, 250);
    EXPECT_EQ(g.frustum.Rb, 500);
    EXPECT_EQ(g.frustum.Rs, 250);
    EXPECT_EQ(g.frustum.theta, 360);
    const ConeListing l = coneListing(g);
    EXPECT_EQ(l.angle, "展开扇形夹角 = 360°");
    EXPECT_EQ(l.bigChord, "大圆弧展开弦长 = 0");
    EXPECT_EQ(l.apexHeight, "小端口至圆心垂线 = 0");
}

TEST(ConeGeometry, RootJustBelowZeroGivesNoHeight) {
    // With these diameters Rs^2 - (d/2)^2 comes out about -2e-11.
    const ConeGeometry g = computeCone({250.3, 1000, 0, 0, 3});
    ASSERT_EQ(g.fault, ConeFault::None);
    EXPECT_LT(g.frustum.Rs * g.frustum.Rs - 250.3 * 250.3 / 4, 0);
    EXPECT_EQ(g.frustum.hs, 0);
    EXPECT_EQ(coneListing(g).apexHeight, "小端口至圆心垂线 = 0");
}

TEST(ConeGeometry, TiesGoToTheEvenDigit) {
    EXPECT_EQ(listed(0, 1000, 2.5, 0, 0).apexHeight, "端口至圆心垂线 = 2");
    EXPECT_EQ(listed(0, 1000, 3.5, 0, 0).apexHeight, "端口至圆心垂线 = 4");
    // A frustum without height is as long as half the difference of the ends.
    EXPECT_EQ(listed(995, 1000, 0, 0, 0).slant, "展开斜边实长 = 2");
    EXPECT_EQ(listed(993, 1000, 0, 0, 0).slant, "展开斜边实长 = 4");
}

TEST(ConeGeometry, FaultsAreDecidedFirst) {
    EXPECT_EQ(computeCone({500, 1000, 500, 1000, 0}).fault, ConeFault::NoBigEnd);
    EXPECT_EQ(computeCone({0, 6, 500, 7, 0}).fault, ConeFault::NoBigEnd);
    EXPECT_EQ(computeCone({1000, 1000, 500, 0, 0}).fault, ConeFault::SmallEnd);
    EXPECT_EQ(computeCone({500, 1e200, 500, 0, 0}).fault, ConeFault::OutOfRange);
    EXPECT_EQ(computeCone({0, 1000, 1e200, 0, 0}).fault, ConeFault::OutOfRange);
    // A plate thicker than the small end still develops.
    EXPECT_EQ(computeCone({5, 1000, 500, 6, 0}).fault, ConeFault::None);
}

// The primitives of the default frustum in a window 18000 x 12000 twips.
TEST(ConeGeometry, FrustumSchematicInFractionsOfTheWindow) {
    const ConeGeometry g = computeCone({500, 1000, 500, 0, 0});
    Recording r;
    drawConeSchematic(g, {18000, 12000}, r);
    const auto& p = r.primitives();
    ASSERT_EQ(p.size(), 17u);
    EXPECT_EQ(p[0], Primitive(FontOp{"宋体", 10.5}));

    const double a = g.frustum.theta / 180;
    const double start = kConePi * (1 - a / 2), end = kConePi * (1 + a / 2);
    const double cx = 11250, cy = 5520;
    auto arcAt = [&](size_t i, double radius, Rgb colour) {
        const auto& arc = std::get<ArcOp>(p[i]);
        EXPECT_DOUBLE_EQ(arc.cx, cx);
        EXPECT_DOUBLE_EQ(arc.cy, cy);
        EXPECT_DOUBLE_EQ(arc.radius, radius);
        EXPECT_EQ(arc.colour, colour);
        EXPECT_DOUBLE_EQ(*arc.start, start);
        EXPECT_DOUBLE_EQ(*arc.end, end);
    };
    auto radiusAt = [&](size_t i, double radius, double angle) {
        const auto& line = std::get<LineOp>(p[i]);
        EXPECT_EQ(line.colour, kCyan);
        EXPECT_DOUBLE_EQ(line.x1, cx);
        EXPECT_DOUBLE_EQ(line.y1, cy);
        EXPECT_NEAR(line.x2, cx + radius * std::cos(angle), 1e-9);
        EXPECT_NEAR(line.y2, cy - radius * std::sin(angle), 1e-9);
    };
    // The sector opens to the left: its arc runs through the angle pi, its
    // upper radius ends above the apex, its lower one below.
    EXPECT_LT(start, kConePi);
    EXPECT_GT(end, kConePi);
    arcAt(1, 4800, kCyan);
    radiusAt(2, 4800, start);
    radiusAt(3, 4800, end);
    EXPECT_LT(std::get<LineOp>(p[2]).y2, cy);
    EXPECT_GT(std::get<LineOp>(p[3]).y2, cy);
    arcAt(4, 720, kRed);
    arcAt(5, 2400, kCyan);
    radiusAt(6, 2400, start);
    radiusAt(7, 2400, end);

    const std::vector<Primitive> rest(p.begin() + 8, p.end());
    const std::vector<Primitive> expected = {
        TextOp{10800, 7536, " 500 "},
        TextOp{9792, 6960, " 559 "},
        TextOp{10800, 6600, " 500 "},
        TextOp{12600, 8160, " 1118 "},
        TextOp{8694, 8760, " 559 "},
        TextOp{9720, 5460, "160.997°"},
        LineOp{10152, 7680, 12348, 7680, {}},
        TextOp{10800, 9720, " 1000 "},
    };
    ASSERT_EQ(rest.size(), expected.size() + 1);
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        if (const auto* t = std::get_if<TextOp>(&expected[i])) {
            const auto& got = std::get<TextOp>(rest[i]);
            EXPECT_NEAR(got.x, t->x, 1e-9);
            EXPECT_NEAR(got.y, t->y, 1e-9);
            EXPECT_EQ(got.text, t->text);
        } else {
            const auto& want = std::get<LineOp>(expected[i]);
            const auto& got = std::get<LineOp>(rest[i]);
            EXPECT_NEAR(got.x1, want.x1, 1e-9);
            EXPECT_NEAR(got.y1, want.y1, 1e-9);
            EXPECT_NEAR(got.x2, want.x2, 1e-9);
            EXPECT_NEAR(got.y2, want.y2, 1e-9);
            EXPECT_EQ(got.colour, std::nullopt);
        }
    }
    const auto& h = std::get<TextOp>(rest.back());
    EXPECT_NEAR(h.x, 10800, 1e-9);
    EXPECT_NEAR(h.y, 8760, 1e-9);
    EXPECT_EQ(h.text, " 500 ");
}

TEST(ConeGeometry, ConeSchematicAndUnroundedDiameters) {
    // d and D are drawn as they are, the others rounded; 留小数 here.
    const ConeGeometry g = computeCone({0, 1000.25, 500, 0.5, 3});
    Recording r;
    drawConeSchematic(g, {18000, 12000}, r);
    std::vector<std::string> texts;
    size_t arcs = 0, lines = 0;
    for (const auto& p : r.primitives()) {
        if (const auto* t = std::get_if<TextOp>(&p)) texts.push_back(t->text);
        if (std::holds_alternative<ArcOp>(p)) ++arcs;
        if (std::holds_alternative<LineOp>(p)) ++lines;
    }
    // The sector with its two radii and the angle marker; no small arc.
    EXPECT_EQ(arcs, 2u);
    EXPECT_EQ(lines, 2u);
    EXPECT_EQ(texts, (std::vector<std::string>{" 707.018 ", " 707.018 ", "254.527°", " 999.75 ", " 500 "}));
}

TEST(ConeGeometry, FullAnnulusArcsRunAllTheWayRound) {
    const ConeGeometry g = computeCone({500, 1000, 0, 0, 0});
    Recording r;
    drawConeSchematic(g, {18000, 12000}, r);
    const auto& arc = std::get<ArcOp>(r.primitives()[1]);
    EXPECT_NEAR(*arc.start, 0, 1e-12);
    EXPECT_NEAR(*arc.end, 2 * kConePi, 1e-12);
}

void expectSegment(const ConeSegment& got, const ConeSegment& want) {
    EXPECT_NEAR(got.x1, want.x1, 1e-9);
    EXPECT_NEAR(got.y1, want.y1, 1e-9);
    EXPECT_NEAR(got.x2, want.x2, 1e-9);
    EXPECT_NEAR(got.y2, want.y2, 1e-9);
}

TEST(ConeGeometry, ElevationLinesFollowTheWindowSize) {
    const ConeElevationLines l = coneElevationLines({20000, 10000});
    expectSegment(l.line1, {12500, 4600, 11280, 6400});
    expectSegment(l.line2, {12500, 4600, 14960, 8200});
    expectSegment(l.line3, {12500, 4600, 12500, 6400});
    expectSegment(l.line4, {12500, 6400, 12500, 8200});
    Recording r;
    drawConeElevation({20000, 10000}, r);
    ASSERT_EQ(r.primitives().size(), 2u);
    const auto& big = std::get<LineOp>(r.primitives()[0]);
    const auto& generator = std::get<LineOp>(r.primitives()[1]);
    expectSegment({big.x1, big.y1, big.x2, big.y2}, {10040, 8200, 14960, 8200});
    expectSegment({generator.x1, generator.y1, generator.x2, generator.y2}, {11280, 6400, 10040, 8200});
}

}  // namespace
}  // namespace korvel
