// The cone and cone frustum's true-size flat pattern, checked the way a plater
// checks a sector on the plate: arcs swung from the apex at the listed radii,
// their lengths the circumferences of the ends, the seam edges the slant
// length.

#include "core/fittings/frustum/cone_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTolerance = 0.01;  // mm

struct Case {
    const char* name;
    ConeInputs in;
};

// The presets, the thickness example, a narrow sector, no height (a full
// turn, also about a small end of a hundredth of a millimetre), a sector a
// hair short of a full turn, the cone and a flat cone, and
// the small end typed 0 in the frustum variant with a thickness.
const std::vector<Case> kCases = {
    {"frustum preset", {500, 1000, 500, 0, 3}},
    {"frustum thickness 6", {500, 1000, 500, 6, 3}},
    {"narrow frustum", {990, 1000, 50, 0, 3}},
    {"frustum no height", {500, 1000, 0, 0, 3}},
    {"frustum almost flat", {500, 1000, 1e-7, 0, 3}},
    {"frustum no height, tiny small end", {6.01, 1000, 0, 6, 3}},
    {"frustum negative height", {500, 1000, -500, 0, 3}},
    {"cone preset", {0, 1000, 500, 0, 0}},
    {"cone no height", {0, 1000, 0, 0, 0}},
    {"cone with thickness", {0, 1000, 500, 6, 0}},
};

Point2 point(const Vertex& v) { return {v.x, v.y}; }
double distance(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }

// The centre of the arc from v to w that v's bulge describes.
Point2 arcCentre(const Vertex& v, const Vertex& w) {
    const double b = v.bulge;
    const double dx = w.x - v.x, dy = w.y - v.y;
    const double k = (1 - b * b) / (4 * b);  // half the chord's cotangent of half the angle
    return {(v.x + w.x) / 2 - dy * k, (v.y + w.y) / 2 + dx * k};
}

double bigRadius(const ConeGeometry& g) { return g.cone ? g.coneRecord.S : g.frustum.Rb; }
double sectorDegrees(const ConeGeometry& g) { return g.cone ? g.coneRecord.theta : g.frustum.theta; }

const Piece& onlyPiece(const ConePattern& p) {
    EXPECT_EQ(p.fault, ConePatternFault::None);
    EXPECT_EQ(p.pattern.pieces.size(), 1u);
    return p.pattern.pieces.front();
}

// A sector of 360 degrees is cut whole.
bool wholeTurn(const ConeGeometry& g) { return sectorDegrees(g) > 360 - 1e-6; }

TEST(ConePattern, OutlinesAreClosedSimpleCounterClockwiseWithTrueArcsAboutTheApex) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const ConeGeometry g = computeCone(c.in);
        ASSERT_EQ(g.fault, ConeFault::None);
        const ConePattern p = conePattern(g);
        const Piece& piece = onlyPiece(p);
        EXPECT_EQ(piece.count, 1);
        EXPECT_TRUE(piece.outline.closed);
        EXPECT_FALSE(selfIntersects(piece));
        // The annular sector's own area, theta / 2 (Rb^2 - Rs^2); a full
        // turn's is the ring's, pi (Rb^2 - Rs^2).
        const double R = bigRadius(g), r = g.cone ? 0 : g.frustum.Rs;
        const double theta = wholeTurn(g) ? 2 * kPi : sectorDegrees(g) * kPi / 180;
        EXPECT_NEAR(pieceArea(piece), theta / 2 * (R * R - r * r), 1e-9 * R * R + kConeSeamGap * R);
        EXPECT_GT(polylineArea(piece.outline), 0);
        ASSERT_EQ(piece.holes.size(), wholeTurn(g) && r > 0 ? 1u : 0u);

        const Point2 apex{R, 0};
        int arcs = 0;
        size_t vertices = 0;
        std::vector<Polyline> loops{piece.outline};
        loops.insert(loops.end(), piece.holes.begin(), piece.holes.end());
        for (const Polyline& loop : loops) {
            const auto& v = loop.vertices;
            vertices += v.size();
            for (size_t i = 0; i < v.size(); ++i) {
                const Vertex& w = v[(i + 1) % v.size()];
                EXPECT_LE(std::fabs(v[i].bulge), 1.0) << "edge " << i;
                if (v[i].bulge == 0) continue;
                ++arcs;
                // Big arc counter-clockwise, small arc (or hole) clockwise, both about the apex.
                const bool outer = v[i].bulge > 0;
                const Point2 centre = arcCentre(v[i], w);
                EXPECT_NEAR(centre.x, apex.x, 1e-6) << "edge " << i;
                EXPECT_NEAR(centre.y, apex.y, 1e-6) << "edge " << i;
                EXPECT_NEAR(distance(point(v[i]), apex), outer ? R : r, 1e-9) << "edge " << i;
            }
        }
        if (wholeTurn(g)) {
            EXPECT_EQ(vertices, r > 0 ? 8u : 4u);
            EXPECT_EQ(arcs, r > 0 ? 8 : 4);
        } else {
            EXPECT_EQ(vertices, g.cone ? 6u : 10u);
            EXPECT_EQ(arcs, g.cone ? 4 : 8);
        }
    }
}

TEST(ConePattern, ArcsAreTheCircumferencesAndSeamEdgesTheSlantLength) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const ConeGeometry g = computeCone(c.in);
        const FlatPattern pattern = conePattern(g).pattern;
        ASSERT_EQ(pattern.checks.size(), (g.cone ? 3u : 4u) - (wholeTurn(g) ? 1u : 0u));
        EXPECT_NEAR(pattern.checks[0].expected, kPi * (c.in.big - c.in.t), 1e-9);
        if (!g.cone) {
            EXPECT_NEAR(pattern.checks[1].expected, kPi * (c.in.small - c.in.t), 1e-9);
        }
        const double slant = g.cone ? g.coneRecord.S : g.frustum.L;
        for (const PatternCheck& check : pattern.checks) {
            EXPECT_NEAR(check.actual, check.expected, kTolerance) << check.what;
            if (check.what.find("展开斜边实长") != std::string::npos) {
                EXPECT_DOUBLE_EQ(check.expected, slant);
            }
        }
    }
    EXPECT_EQ(conePattern(computeCone({500, 1000, 500, 0, 0})).pattern.checks[0].what, "大圆弧展开弧长 / π(D−t)");
}

TEST(ConePattern, FrustumPresetMeasuresTheListedValues) {
    const ConeGeometry g = computeCone({500, 1000, 500, 0, 3});
    const ConePattern p = conePattern(g);
    const Piece& piece = onlyPiece(p);
    EXPECT_EQ(p.pattern.fitting, "正心圆锥台");
    EXPECT_EQ(piece.name, "圆锥台");
    const auto& v = piece.outline.vertices;
    // Big arc 0 ... 4, small arc 5 ... 9 backwards: the seam edges 4-5 and 9-0.
    EXPECT_NEAR(distance(point(v[0]), point(v[4])), 2205.392, 5e-4);  // 大圆弧展开弦长
    EXPECT_NEAR(distance(point(v[9]), point(v[5])), 1102.696, 5e-4);  // 小圆弧展开弦长
    EXPECT_NEAR(distance(point(v[0]), point(v[9])), g.frustum.L, 1e-9);
    EXPECT_NEAR(distance(point(v[4]), point(v[5])), g.frustum.L, 1e-9);
    EXPECT_NEAR(g.frustum.L, 559.017, 5e-4);
    // Symmetric about the centre line y = 0; the big arc's midpoint at the origin.
    EXPECT_NEAR(v[2].x, 0, 1e-9);
    EXPECT_NEAR(v[2].y, 0, 1e-9);
    EXPECT_NEAR(v[0].y, -v[4].y, 1e-9);
    EXPECT_GT(v[0].y, 0) << "the big arc starts at the upper seam end";
    // The included angles add up to the listed sector angle, 160.997 degrees.
    double big = 0, small = 0;
    for (size_t i = 0; i < 4; ++i) big += 4 * std::atan(v[i].bulge) * 180 / kPi;
    for (size_t i = 5; i < 9; ++i) small -= 4 * std::atan(v[i].bulge) * 180 / kPi;
    EXPECT_NEAR(big, 160.997, 5e-4);
    EXPECT_NEAR(small, g.frustum.theta, 1e-9);
}

TEST(ConePattern, ThicknessDevelopsOnTheMidSurface) {
    const ConeGeometry g = computeCone({500, 1000, 500, 6, 3});
    const FlatPattern pattern = conePattern(g).pattern;
    const auto& v = pattern.pieces[0].outline.vertices;
    EXPECT_NEAR(distance(point(v[2]), {g.frustum.Rb, 0}), 1111.326, 5e-4);
    EXPECT_NEAR(distance(point(v[7]), {g.frustum.Rb, 0}), 552.309, 5e-4);
    EXPECT_NEAR(pattern.checks[0].actual, kPi * 994, kTolerance);
    EXPECT_NEAR(pattern.checks[1].actual, kPi * 494, kTolerance);
}

TEST(ConePattern, GeneratorsDivideTheSectorIntoEighths) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const ConeGeometry g = computeCone(c.in);
        const Piece piece = conePattern(g).pattern.pieces[0];
        const double R = bigRadius(g), r = g.cone ? 0 : g.frustum.Rs;
        const Point2 apex{R, 0};
        // 7 divisions and two ticks on each seam edge; a full turn has no
        // seam, its generator 0 first.
        const bool whole = wholeTurn(g);
        ASSERT_EQ(piece.marks.size(), whole ? 8u : 11u);
        const std::vector<MarkKind> kinds{MarkKind::Generator,  MarkKind::Quarter,   MarkKind::Generator,
                                          MarkKind::CentreLine, MarkKind::Generator, MarkKind::Quarter,
                                          MarkKind::Generator};
        const double step = sectorDegrees(g) / kConeDivisions * kPi / 180;
        for (size_t k = 0; k < 7; ++k) {
            const MarkLine& m = piece.marks[whole ? k + 1 : k];
            EXPECT_EQ(m.kind, kinds[k]) << k;
            EXPECT_NEAR(distance(m.from, apex), r, 1e-9) << k;
            EXPECT_NEAR(distance(m.to, apex), R, 1e-9) << k;
            const double angle = std::atan2(m.to.y, m.to.x - R);
            const double expected = kPi - sectorDegrees(g) * kPi / 360 + static_cast<double>(k + 1) * step;
            EXPECT_NEAR(std::remainder(angle - expected, 2 * kPi), 0, 1e-9) << k;
        }
        // The centre line from the big arc's midpoint towards the apex.
        const MarkLine& centre = piece.marks[whole ? 4 : 3];
        EXPECT_NEAR(centre.to.x, 0, 1e-9);
        EXPECT_NEAR(centre.from.x, R - r, 1e-9);
        for (size_t k = whole ? 8 : 7; k < piece.marks.size(); ++k) EXPECT_EQ(piece.marks[k].kind, MarkKind::Seam);
        if (whole) {
            EXPECT_EQ(piece.marks[0].from, (Point2{R + r, 0}));
            EXPECT_EQ(piece.marks[0].to, (Point2{2 * R, 0}));
        }
    }
}

TEST(ConePattern, LabelsCarryTheListingsNames) {
    const ConeGeometry frustum = computeCone({500, 1000, 500, 0, 0});
    const auto labels = conePattern(frustum).pattern.pieces[0].labels;
    ASSERT_EQ(labels.size(), 5u);
    std::vector<std::string> texts;
    for (const auto& l : labels) texts.push_back(l.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"展开斜边实长", "展开斜边实长", "大圆弧展开半径", "小圆弧展开半径",
                                               "展开扇形夹角"}));
    EXPECT_EQ(labels[2].at, (Point2{0, 0}));
    EXPECT_NEAR(labels[3].at.x, frustum.frustum.L, 1e-9);
    EXPECT_EQ(labels[4].at, (Point2{frustum.frustum.Rb, 0}));

    const ConeGeometry cone = computeCone({0, 1000, 500, 0, 0});
    const ConePattern p = conePattern(cone);
    EXPECT_EQ(p.pattern.fitting, "正心圆锥体");
    EXPECT_EQ(p.pattern.pieces[0].name, "圆锥体");
    const auto coneLabels = p.pattern.pieces[0].labels;
    ASSERT_EQ(coneLabels.size(), 4u);
    EXPECT_EQ(coneLabels[2].text, "圆弧展开半径");
    EXPECT_EQ(coneLabels[3].text, "展开扇形夹角");
    // The cone's apex is a corner of the outline, where both seam edges meet.
    const auto& v = p.pattern.pieces[0].outline.vertices;
    EXPECT_EQ(coneLabels[3].at, point(v[0]));
    EXPECT_NEAR(v[0].x, 707.107, 5e-4);
    EXPECT_NEAR(distance(point(v[1]), point(v[5])), 1125, 0.5);  // 圆弧展开弦长, 取整数
}

// With no height the sector is a full turn: the ring (a disc for the cone)
// is cut whole, an outer circle and a separate hole, with no slit and no
// seam; the slant length is named once. The example of the flat ring:
// small 200, big 1000, t 6: mean radii 97 and 497 mm.
TEST(ConePattern, FullTurnIsCutWholeAsARingOrADisc) {
    const ConeGeometry ring = computeCone({200, 1000, 0, 6, 3});
    const ConePattern flat = conePattern(ring);
    const Piece& piece = onlyPiece(flat);
    ASSERT_EQ(piece.holes.size(), 1u);
    EXPECT_NEAR(pieceArea(piece), kPi * (497.0 * 497 - 97.0 * 97), 1e-6);
    EXPECT_NEAR(polylineLength(piece.outline), kPi * 994, 1e-9);
    EXPECT_NEAR(polylineLength(piece.holes[0]), kPi * 194, 1e-9);
    EXPECT_LT(polylineArea(piece.holes[0]), 0) << "the hole runs clockwise";
    for (const Polyline& loop : {piece.outline, piece.holes[0]})
        for (const Vertex& v : loop.vertices) EXPECT_NEAR(std::fabs(v.bulge), std::tan(kPi / 8), 1e-15);
    int slant = 0;
    for (const StationLabel& l : piece.labels) slant += l.text == "展开斜边实长";
    EXPECT_EQ(slant, 1);
    for (const MarkLine& m : piece.marks) EXPECT_NE(m.kind, MarkKind::Seam);

    for (const ConeInputs& in : {ConeInputs{500, 1000, 0, 0, 3}, ConeInputs{0, 1000, 0, 0, 0}}) {
        const ConeGeometry g = computeCone(in);
        SCOPED_TRACE(g.cone ? "cone" : "frustum");
        const ConePattern p = conePattern(g);
        for (const PatternCheck& check : p.pattern.checks)
            EXPECT_NEAR(check.actual, check.expected, 1e-9 * check.expected) << check.what;
    }
}

TEST(ConePattern, UndevelopableInputsAreReported) {
    // A plate as thick as the big end: the geometry's own fault.
    const ConePattern noBig = conePattern(computeCone({500, 1000, 500, 1000, 0}));
    EXPECT_EQ(noBig.fault, ConePatternFault::Geometry);
    EXPECT_TRUE(noBig.pattern.pieces.empty());
    // A plate as thick as the small end, thicker, or all but as thick: no
    // small arc to swing or to slit.
    for (double small : {6.0, 4.0, 6.0005}) {
        const ConeGeometry g = computeCone({small, 1000, 0, 6, 0});
        ASSERT_EQ(g.fault, ConeFault::None);
        const ConePattern p = conePattern(g);
        EXPECT_EQ(p.fault, ConePatternFault::NoSmallEnd) << small;
        EXPECT_TRUE(p.pattern.pieces.empty());
    }
    EXPECT_EQ(conePatternMessage(ConePatternFault::None), "");
    EXPECT_EQ(conePatternMessage(ConePatternFault::NoSmallEnd),
              "钢板厚度不小于小端口外径，小端口没有中径，不能生成展开图！");
    EXPECT_NE(conePatternMessage(ConePatternFault::Geometry), "");
}

}  // namespace
}  // namespace korvel
