// The rectangular frustum's development, checked the way a plater checks it:
// every face a trapezoid of the listed sides and true height, its small side
// moved along by the face's run, neighbours meeting along corner lines of the
// listed joint lengths.

#include "core/fittings/frustum/rect_frustum_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr double kTolerance = 0.01;  // mm

struct Case {
    const char* name;
    RectFrustumInputs in;
};

RectFrustumInputs defaults(double e = 0, double n = 0, bool south = false) {
    return {2200, 1500, 1200, 500, 1000, e, n, south, 3};
}

// The presets, the offset example in both directions, offsets the other way,
// a small end that runs past the big end in plan, a small end wider than the
// big end (that face pair leans outwards) and a low frustum.
const std::vector<Case> kCases = {
    {"preset", defaults()},
    {"east 100 north 50", defaults(100, 50)},
    {"east 100 south 50", defaults(100, 50, true)},
    {"west 300 north -200", defaults(-300, -200)},
    {"west 300 south -200", defaults(-300, -200, true)},
    {"small end past the east side", defaults(1200, 0)},
    {"small end wider", {2200, 1500, 2600, 500, 800, 0, 100, false, 3}},
    {"low", {2200, 1500, 1200, 500, 50, 100, 50, true, 3}},
};

Point2 point(const Vertex& v) { return {v.x, v.y}; }
double distance(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }
double cross(Point2 o, Point2 p, Point2 q) { return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x); }
double dot(Point2 o, Point2 p, Point2 q) { return (p.x - o.x) * (q.x - o.x) + (p.y - o.y) * (q.y - o.y); }

// Corner i (0 ... 4 along the development, 0 and 4 the seam) of the big and
// the small end on the outline.
Point2 bigCorner(const Piece& p, size_t i) { return point(p.outline.vertices[i]); }
Point2 smallCorner(const Piece& p, size_t i) { return point(p.outline.vertices[9 - i]); }

// What a plater lays out for face i, left to right: south, east, north, west.
struct Expected {
    double big, small, height, run, leftJoint, rightJoint;
};
std::vector<Expected> expectedFaces(const RectFrustumGeometry& g) {
    const RectFrustumInputs& in = g.in;
    return {{in.A, in.a, g.h1, g.dW, g.f1, g.f2},
            {in.B, in.b, g.h4, g.dS, g.f2, g.f4},
            {in.A, in.a, g.h2, g.dE, g.f4, g.f3},
            {in.B, in.b, g.h3, g.dN, g.f3, g.f1}};
}

const Piece& onlyPiece(const RectFrustumPattern& p) {
    EXPECT_EQ(p.fault, RectFrustumPatternFault::None);
    EXPECT_EQ(p.pattern.pieces.size(), 1u);
    return p.pattern.pieces.front();
}

TEST(RectFrustumPattern, OneClosedSimpleCounterClockwiseDevelopment) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const RectFrustumPattern p = rectFrustumPattern(computeRectFrustum(c.in));
        const Piece& piece = onlyPiece(p);
        EXPECT_EQ(p.pattern.fitting, "平口矩方形锥台");
        EXPECT_EQ(piece.name, "矩方锥台");
        EXPECT_EQ(piece.count, 1);
        EXPECT_TRUE(piece.outline.closed);
        ASSERT_EQ(piece.outline.vertices.size(), 10u);
        for (const Vertex& v : piece.outline.vertices) EXPECT_EQ(v.bulge, 0);
        EXPECT_FALSE(selfIntersects(piece.outline));
        EXPECT_GT(polylineArea(piece.outline), 0);
        // The seam's big-end corners level, the first at the origin.
        EXPECT_EQ(bigCorner(piece, 0), (Point2{0, 0}));
        EXPECT_NEAR(bigCorner(piece, 4).y, 0, 1e-9);
        EXPECT_GT(bigCorner(piece, 4).x, 0);
    }
}

TEST(RectFrustumPattern, EveryFaceIsTheTrapezoidOfItsListedValues) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const RectFrustumGeometry g = computeRectFrustum(c.in);
        const RectFrustumPattern p = rectFrustumPattern(g);
        const Piece& piece = onlyPiece(p);
        const auto faces = expectedFaces(g);
        double area = 0;
        for (size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const Expected& f = faces[i];
            const Point2 p0 = bigCorner(piece, i), p1 = bigCorner(piece, i + 1);
            const Point2 q0 = smallCorner(piece, i), q1 = smallCorner(piece, i + 1);
            EXPECT_NEAR(distance(p0, p1), f.big, 1e-9);
            EXPECT_NEAR(distance(q0, q1), f.small, 1e-9);
            // Slanted sides: the corner joints, shared with the neighbours.
            EXPECT_NEAR(distance(p0, q0), f.leftJoint, 1e-9);
            EXPECT_NEAR(distance(p1, q1), f.rightJoint, 1e-9);
            // The small side parallel to the big one at the true height, on the
            // face's side of it, and moved along by the run.
            EXPECT_NEAR(cross(p0, p1, q0) / f.big, f.height, 1e-9);
            EXPECT_NEAR(cross(p0, p1, q1) / f.big, f.height, 1e-9);
            EXPECT_NEAR(dot(p0, p1, q0) / f.big, f.run, 1e-9);
            area += (f.big + f.small) / 2 * f.height;
        }
        // Nothing overlaps and nothing is missing: the four faces' areas.
        EXPECT_NEAR(polylineArea(piece.outline), area, 1e-6);
    }
}

TEST(RectFrustumPattern, ChecksCompareJointsAndPerimeters) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const RectFrustumGeometry g = computeRectFrustum(c.in);
        const FlatPattern pattern = rectFrustumPattern(g).pattern;
        ASSERT_EQ(pattern.checks.size(), 7u);
        const std::vector<double> expected{
            g.f1, g.f2, g.f4, g.f3, g.f1, 2 * c.in.A + 2 * c.in.B, 2 * c.in.a + 2 * c.in.b};
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_DOUBLE_EQ(pattern.checks[i].expected, expected[i]) << pattern.checks[i].what;
            EXPECT_NEAR(pattern.checks[i].actual, expected[i], kTolerance) << pattern.checks[i].what;
        }
    }
    const FlatPattern pattern = rectFrustumPattern(computeRectFrustum(defaults())).pattern;
    EXPECT_EQ(pattern.checks[0].what, "f1（接缝首边）展开长度 / f1");
    EXPECT_EQ(pattern.checks[1].what, "f2（折弯线）展开长度 / f2");
    EXPECT_EQ(pattern.checks[5].what, "大端展开周长 / 2A+2B");
}

// The offset example: the listing's values, 3 decimals, measured on the plate.
TEST(RectFrustumPattern, OffsetExampleMeasuresTheListedJoints) {
    struct Row {
        bool south;
        std::vector<double> joints;   // f1, f2, f4, f3, f1 along the development
        std::vector<double> heights;  // h1, h4, h2, h3 along the development
    };
    for (const Row& row :
         {Row{false, {1289.38, 1209.339, 1167.262, 1250, 1289.38}, {1141.271, 1077.033, 1096.586, 1166.19}},
          Row{true, {1250, 1167.262, 1209.339, 1289.38, 1250}, {1096.586, 1077.033, 1141.271, 1166.19}}}) {
        SCOPED_TRACE(row.south ? "south" : "north");
        const Piece piece = rectFrustumPattern(computeRectFrustum(defaults(100, 50, row.south))).pattern.pieces[0];
        for (size_t i = 0; i < 5; ++i)
            EXPECT_NEAR(distance(bigCorner(piece, i), smallCorner(piece, i)), row.joints[i], 5e-4) << i;
        for (size_t i = 0; i < 4; ++i) {
            const Point2 p0 = bigCorner(piece, i), p1 = bigCorner(piece, i + 1);
            EXPECT_NEAR(cross(p0, p1, smallCorner(piece, i)) / distance(p0, p1), row.heights[i], 5e-4) << i;
        }
    }
}

TEST(RectFrustumPattern, BendSeamAndHeightLinesWithTheirNames) {
    const RectFrustumGeometry g = computeRectFrustum(defaults(100, 50));
    const RectFrustumPattern p = rectFrustumPattern(g);
    const Piece& piece = onlyPiece(p);
    // Three bends, four height lines, two seam ticks on each seam edge.
    ASSERT_EQ(piece.marks.size(), 11u);
    ASSERT_EQ(piece.labels.size(), 9u);
    const std::vector<std::string> joints{"f1", "f2", "f4", "f3", "f1"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(piece.labels[i].text, joints[i]);
        const Point2 big = bigCorner(piece, i), small = smallCorner(piece, i);
        EXPECT_NEAR(piece.labels[i].at.x, (big.x + small.x) / 2, 1e-9);
        if (i == 0 || i == 4) continue;
        const MarkLine& m = piece.marks[i - 1];
        EXPECT_EQ(m.kind, MarkKind::Bend) << i;
        EXPECT_EQ(m.from, big);
        EXPECT_EQ(m.to, small);
    }
    for (size_t i = 7; i < 11; ++i) EXPECT_EQ(piece.marks[i].kind, MarkKind::Seam);
    // Height lines through the middle of each small side, square to the big
    // side and as long as the face's true height.
    const auto faces = expectedFaces(g);
    const std::vector<std::string> heights{"h1", "h4", "h2", "h3"};
    for (size_t i = 0; i < 4; ++i) {
        const MarkLine& m = piece.marks[3 + i];
        EXPECT_EQ(m.kind, MarkKind::CentreLine);
        EXPECT_EQ(piece.labels[5 + i].text, heights[i]);
        const Point2 p0 = bigCorner(piece, i), p1 = bigCorner(piece, i + 1);
        EXPECT_NEAR(distance(m.from, m.to), faces[i].height, 1e-9);
        EXPECT_NEAR(cross(p0, p1, m.from), 0, 1e-6) << "foot on the big side";
        EXPECT_NEAR(dot(m.from, m.to, p1), 0, 1e-6) << "square to it";
        const Point2 smallMiddle{(smallCorner(piece, i).x + smallCorner(piece, i + 1).x) / 2,
                                 (smallCorner(piece, i).y + smallCorner(piece, i + 1).y) / 2};
        EXPECT_NEAR(distance(m.to, smallMiddle), 0, 1e-9);
    }
}

TEST(RectFrustumPattern, HeightLineStaysOnTheFaceWhenTheSmallSideRunsPast) {
    // East 1200: on the south face the small side runs from 1700 to 2900 along
    // a big side of 2200; the height line stands in the middle of 1700 ... 2200.
    const RectFrustumGeometry g = computeRectFrustum(defaults(1200, 0));
    const RectFrustumPattern p = rectFrustumPattern(g);
    const Piece& piece = onlyPiece(p);
    const MarkLine& south = piece.marks[3];
    const Point2 p0 = bigCorner(piece, 0), p1 = bigCorner(piece, 1);
    EXPECT_NEAR(dot(p0, p1, south.from) / 2200, 1950, 1e-9);
    EXPECT_NEAR(distance(south.from, south.to), g.h1, 1e-9);
}

TEST(RectFrustumPattern, UndevelopableInputsAreReported) {
    struct Row {
        const char* name;
        RectFrustumInputs in;
        RectFrustumPatternFault fault;
    };
    for (const Row& row : {
             Row{"no small side", {2200, 1500, 0, 500, 1000, 0, 0, false, 0}, RectFrustumPatternFault::Dimensions},
             Row{"negative big side",
                 {2200, -1500, 1200, 500, 1000, 0, 0, false, 0},
                 RectFrustumPatternFault::Dimensions},
             Row{"no height", {2200, 1500, 1200, 500, 0, 100, 50, false, 0}, RectFrustumPatternFault::Flat},
             Row{"all but flat", {2200, 1500, 1200, 500, 1e-9, 100, 50, false, 0}, RectFrustumPatternFault::Overlaps},
             Row{"too large", {1e300, 1e300, 1200, 500, 1e300, 0, 0, false, 0}, RectFrustumPatternFault::Geometry},
         }) {
        SCOPED_TRACE(row.name);
        const RectFrustumPattern p = rectFrustumPattern(computeRectFrustum(row.in));
        EXPECT_EQ(p.fault, row.fault);
        EXPECT_TRUE(p.pattern.pieces.empty());
        EXPECT_TRUE(p.pattern.checks.empty());
        EXPECT_NE(rectFrustumPatternMessage(p.fault), "");
    }
    EXPECT_EQ(rectFrustumPatternMessage(RectFrustumPatternFault::None), "");
}

}  // namespace
}  // namespace korvel
