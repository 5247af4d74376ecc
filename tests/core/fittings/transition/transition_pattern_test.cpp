// The transitions' flat patterns, checked the way a plater checks a pattern
// laid out on the plate: every line measured against the listing.

#include "core/fittings/transition/transition_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr double kTolerance = 0.01;  // mm
constexpr double kSame = 1e-6;       // mm: the same point or length

TransitionInputs roundTopPresets(double n = 24) {
    TransitionInputs in;
    in.a = 1600, in.b = 1600, in.D = 800, in.H = 1000, in.t = 10, in.n = n, in.digits = 3;
    return in;
}
TransitionInputs roundTopOffsets(bool south = false) {
    TransitionInputs in = roundTopPresets(16);
    in.b = 1200, in.ew = 100, in.e = 150, in.south = south;
    return in;
}
TransitionInputs rectTopPresets(double n = 24) {
    TransitionInputs in;
    in.a = 900, in.b = 900, in.D = 1800, in.H = 1200, in.t = 10, in.n = n, in.digits = 3;
    return in;
}
TransitionInputs rectTopOffsets(bool south = false) {
    TransitionInputs in = rectTopPresets(16);
    in.b = 700, in.ew = 100, in.e = 150, in.south = south;
    return in;
}

struct Case {
    const char* name;
    bool rectTop;
    TransitionInputs in;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"round top presets", false, roundTopPresets()},
        {"round top, 16 divisions", false, roundTopPresets(16)},
        {"round top, 32 divisions", false, roundTopPresets(32)},
        {"round top offset west and north", false, roundTopOffsets()},
        {"round top offset west and south", false, roundTopOffsets(true)},
        {"rect top presets", true, rectTopPresets()},
        {"rect top, 32 divisions", true, rectTopPresets(32)},
        {"rect top offset west and north", true, rectTopOffsets()},
        {"rect top offset west and south", true, rectTopOffsets(true)},
    };
    return all;
}

// The seam: the two outline edges (from, to as the outline runs) named h4 at their middle.
std::vector<MarkLine> seamEdges(const Piece& piece) {
    std::vector<MarkLine> edges;
    const auto& v = piece.outline.vertices;
    for (const auto& l : piece.labels) {
        if (l.text != "h4") continue;
        for (size_t i = 0; i < v.size(); ++i) {
            const Vertex& a = v[i];
            const Vertex& b = v[(i + 1) % v.size()];
            if (std::hypot((a.x + b.x) / 2 - l.at.x, (a.y + b.y) / 2 - l.at.y) < 1e-6)
                edges.push_back({{a.x, a.y}, {b.x, b.y}, MarkKind::Seam});
        }
    }
    return edges;
}

TransitionGeometry geometry(const Case& c) { return c.rectTop ? computeRectTop(c.in) : computeRoundTop(c.in); }
TransitionPattern pattern(const Case& c) {
    const TransitionGeometry g = geometry(c);
    return c.rectTop ? rectTopPattern(g) : roundTopPattern(g);
}

double length(const MarkLine& m) { return std::hypot(m.to.x - m.from.x, m.to.y - m.from.y); }
double distance(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }

// The mark a label stands on; fails unless there is exactly one.
const MarkLine& markOf(const Piece& piece, const std::string& text) {
    const StationLabel* label = nullptr;
    for (const auto& l : piece.labels)
        if (l.text == text) label = &l;
    if (label == nullptr) ADD_FAILURE() << "no label " << text;
    static const MarkLine none;
    const MarkLine* found = &none;
    int count = 0;
    for (const auto& m : piece.marks)
        if (label && std::fabs(distance(m.from, label->at) + distance(label->at, m.to) - length(m)) < kSame) {
            found = &m;
            ++count;
        }
    EXPECT_EQ(count, 1) << text;
    return *found;
}

// Index of the outline vertex at p, or -1.
int vertexAt(const Piece& piece, Point2 p) {
    const auto& v = piece.outline.vertices;
    for (size_t i = 0; i < v.size(); ++i)
        if (distance({v[i].x, v[i].y}, p) < kSame) return static_cast<int>(i);
    return -1;
}

const std::vector<double>& list(const TransitionGeometry& g, char letter) {
    return letter == 'm' ? g.exact.nw : letter == 'j' ? g.exact.ne : letter == 'L' ? g.exact.sw : g.exact.se;
}

TEST(TransitionPattern, OnePieceClosedCounterClockwiseAndNotCrossingItself) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const TransitionPattern p = pattern(c);
        ASSERT_EQ(p.fault, TransitionPatternFault::None);
        ASSERT_EQ(p.pattern.pieces.size(), 1u);
        const Piece& piece = p.pattern.pieces[0];
        EXPECT_EQ(piece.count, 1);
        EXPECT_EQ(piece.name, c.rectTop ? "天方地圆" : "天圆地方");
        EXPECT_EQ(p.pattern.fitting, c.rectTop ? "矩方形天方地圆" : "矩方形天圆地方");
        EXPECT_TRUE(piece.outline.closed);
        EXPECT_GT(polylineArea(piece.outline), 0);
        EXPECT_FALSE(selfIntersects(piece.outline));
        const int n = static_cast<int>(c.in.n);
        // Six on the straight edge, the round edge's stations and the points between them.
        EXPECT_EQ(piece.outline.vertices.size(), static_cast<size_t>(n * kTransitionCurvePoints + 7));
        // The round edge in arcs, the straight edge and the seams straight.
        int arcs = 0;
        for (const auto& v : piece.outline.vertices) {
            arcs += v.bulge != 0;
            EXPECT_LT(std::fabs(v.bulge), 0.05) << "gentle arcs, a small part of a division each";
        }
        EXPECT_EQ(arcs, n * kTransitionCurvePoints);
        // n + 4 corner lines, three heights, two seam ticks on each of the
        // two seam edges; a name on each line and seam edge.
        EXPECT_EQ(piece.marks.size(), static_cast<size_t>(n + 7 + 4));
        EXPECT_EQ(piece.labels.size(), static_cast<size_t>(n + 9));
        int bends = 0, seams = 0;
        for (const auto& m : piece.marks) bends += m.kind == MarkKind::Bend, seams += m.kind == MarkKind::Seam;
        EXPECT_EQ(bends, 8) << "each fan's two end lines";
        EXPECT_EQ(seams, 4);
        EXPECT_EQ(seamEdges(piece).size(), 2u);
    }
}

TEST(TransitionPattern, EveryTriangleSideIsItsTrueLength) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const TransitionGeometry g = geometry(c);
        const TransitionPattern p = pattern(c);
        ASSERT_EQ(p.fault, TransitionPatternFault::None);
        const Piece& piece = p.pattern.pieces[0];
        const int q = g.quarter;

        // Corner lines run from a corner of the straight edge to a station of
        // the round edge; the fans' end lines are the side triangles' sides.
        std::vector<Point2> corners, stations;
        for (char letter : {'m', 'j', 'L', 'k'})
            for (int i = 0; i <= q; ++i) {
                const std::string name = letter + std::to_string(i);
                const MarkLine& m = markOf(piece, name);
                EXPECT_NEAR(length(m), list(g, letter)[static_cast<size_t>(i)], kTolerance) << name;
                EXPECT_GE(vertexAt(piece, m.from), 0) << name;
                EXPECT_GE(vertexAt(piece, m.to), 0) << name;
                EXPECT_EQ(m.kind, i == 0 || i == q ? MarkKind::Bend : MarkKind::Triangulation) << name;
                corners.push_back(m.from);
                stations.push_back(m.to);
            }

        // Round the outline the stations follow one another, the two ends of
        // the round edge being the north point twice. Along its arcs each
        // division is one division of the mean circle; in a straight line the
        // stations lie a little more than the chord yn apart.
        std::vector<int> along;
        for (size_t i = 0; i < piece.outline.vertices.size(); ++i)
            for (Point2 s : stations) {
                const auto& v = piece.outline.vertices[i];
                if (distance({v.x, v.y}, s) < kSame) {
                    along.push_back(static_cast<int>(i));
                    break;
                }
            }
        ASSERT_EQ(along.size(), static_cast<size_t>(c.in.n) + 1);
        const double division = std::numbers::pi * (c.in.D + c.in.t) / c.in.n;
        for (size_t k = 1; k < along.size(); ++k) {
            EXPECT_EQ(along[k] - along[k - 1], kTransitionCurvePoints);
            Polyline arcs;
            arcs.vertices.assign(piece.outline.vertices.begin() + along[k - 1],
                                 piece.outline.vertices.begin() + along[k] + 1);
            arcs.vertices.back().bulge = 0;
            EXPECT_NEAR(polylineLength(arcs), division, 1e-4) << "division " << k;
            const auto& a = arcs.vertices.front();
            const auto& b = arcs.vertices.back();
            const double chord = distance({a.x, a.y}, {b.x, b.y});
            EXPECT_GT(chord, g.exact.yn) << "division " << k;
            EXPECT_LT(chord, division) << "division " << k;
        }

        // The straight edge: the four corners joined by a and b, the two
        // halves of the north side from the seam's feet at the ends, 2a + 2b
        // in all.
        std::vector<Point2> straightPoints = corners;
        for (const auto& m : seamEdges(piece)) straightPoints.push_back(m.from), straightPoints.push_back(m.to);
        auto onStraight = [&](Point2 p) {
            for (Point2 s : stations)
                if (distance(p, s) < kSame) return false;
            for (Point2 s : straightPoints)
                if (distance(p, s) < kSame) return true;
            return false;
        };
        const auto& v = piece.outline.vertices;
        double straight = 0;
        int edges = 0, sides = 0;
        for (size_t i = 0; i < v.size(); ++i) {
            const Point2 p0{v[i].x, v[i].y}, p1{v[(i + 1) % v.size()].x, v[(i + 1) % v.size()].y};
            if (!onStraight(p0) || !onStraight(p1)) continue;
            ++edges;
            straight += distance(p0, p1);
            bool from = false, to = false;
            for (Point2 corner : corners) from |= distance(p0, corner) < kSame, to |= distance(p1, corner) < kSame;
            if (from && to) {
                const double side = distance(p0, p1);
                EXPECT_TRUE(std::fabs(side - g.exact.a) < kTolerance || std::fabs(side - c.in.b) < kTolerance)
                    << side;
                ++sides;
            }
        }
        EXPECT_EQ(edges, 5);
        EXPECT_EQ(sides, 3) << "west, south and east sides whole";
        EXPECT_NEAR(straight, 2 * c.in.a + 2 * c.in.b, kTolerance);

        // The side triangles' heights, and the seam: both ends of the pattern
        // are the north triangle's height, each an edge of the outline.
        EXPECT_NEAR(length(markOf(piece, "h1")), g.exact.h1, kTolerance);
        EXPECT_NEAR(length(markOf(piece, "h2")), g.exact.h2, kTolerance);
        EXPECT_NEAR(length(markOf(piece, "h3")), g.exact.h3, kTolerance);
        int seams = 0;
        for (const auto& m : seamEdges(piece)) {
                ++seams;
                EXPECT_NEAR(length(m), g.exact.h4, kTolerance);
                const int i = vertexAt(piece, m.from), j = vertexAt(piece, m.to);
                ASSERT_GE(i, 0);
                ASSERT_GE(j, 0);
                const int size = static_cast<int>(v.size());
                EXPECT_TRUE((i + 1) % size == j || (j + 1) % size == i) << "an outline edge";
            }
        EXPECT_EQ(seams, 2);
    }
}

TEST(TransitionPattern, ChecksReportTheLargestDifferenceAndTheEdgesHonestly) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const TransitionGeometry g = geometry(c);
        const FlatPattern p = pattern(c).pattern;
        ASSERT_EQ(p.checks.size(), 4u);
        EXPECT_EQ(p.checks[0].expected, 0);
        EXPECT_LT(p.checks[0].actual, kTolerance);
        // The round edge stands for the mean circle and develops to it.
        const double mean = std::numbers::pi * (c.in.D + c.in.t);
        EXPECT_NEAR(p.checks[1].expected, mean, 1e-9);
        EXPECT_NEAR(p.checks[1].actual, mean, kTolerance);
        EXPECT_NEAR(p.checks[2].expected, 2 * c.in.a + 2 * c.in.b, 1e-9);
        EXPECT_NEAR(p.checks[2].actual, p.checks[2].expected, kTolerance);
        // The stations' straight distance that differs most from the chord.
        EXPECT_EQ(p.checks[3].expected, g.exact.yn);
        EXPECT_EQ(p.checks[3].against, "弦长yn为") << "shown for comparison, not as what it should be";
        EXPECT_GT(p.checks[3].actual, g.exact.yn);
        EXPECT_LT(p.checks[3].actual, mean / c.in.n);
    }
}

// The listing's values as the examples list them, measured on the pattern.
struct Listed {
    double h1, h2, h3, h4, yn;
    std::vector<double> m, j, L, k;
};

void expectListed(const Case& c, const Listed& listed) {
    SCOPED_TRACE(c.name);
    const TransitionPattern p = pattern(c);
    const Piece& piece = p.pattern.pieces.at(0);
    constexpr double kRounding = 5e-4 + 1e-9;
    EXPECT_NEAR(length(markOf(piece, "h1")), listed.h1, kRounding);
    EXPECT_NEAR(length(markOf(piece, "h2")), listed.h2, kRounding);
    EXPECT_NEAR(length(markOf(piece, "h3")), listed.h3, kRounding);
    for (const auto& m : seamEdges(piece)) EXPECT_NEAR(length(m), listed.h4, kRounding);
    const std::pair<char, const std::vector<double>*> lists[] = {
        {'m', &listed.m}, {'j', &listed.j}, {'L', &listed.L}, {'k', &listed.k}};
    for (const auto& [letter, values] : lists)
        for (size_t i = 0; i < values->size(); ++i) {
            const MarkLine& line = markOf(piece, letter + std::to_string(i));
            EXPECT_NEAR(length(line), (*values)[i], kRounding) << letter << i;
            // The next station of the same fan is no nearer than the chord:
            // the fan is developed as the cone it is.
            if (i > 0) {
                const MarkLine& before = markOf(piece, letter + std::to_string(i - 1));
                EXPECT_GT(distance(before.to, line.to), listed.yn - kRounding) << letter << i;
            }
        }
}

TEST(TransitionPattern, LinesMeasureAsTheOffsetExamplesList) {
    const Listed roundTop = {1118.034,
                             1059.481,
                             1044.031,
                             1001.249,
                             158.023,
                             {1136.882, 1094.24, 1096.34, 1142.629, 1221.679},
                             {1205.197, 1170.274, 1186.939, 1250.748, 1346.291},
                             {1285.496, 1210.586, 1179.939, 1201.611, 1269.843},
                             {1346.291, 1279.725, 1264.563, 1304.853, 1390.144}};
    expectListed({"round top north", false, roundTopOffsets()}, roundTop);
    // South exchanges north and south.
    Listed roundSouth = roundTop;
    std::swap(roundSouth.h2, roundSouth.h4);
    std::swap(roundSouth.m, roundSouth.L);
    std::swap(roundSouth.j, roundSouth.k);
    expectListed({"round top south", false, roundTopOffsets(true)}, roundSouth);

    const Listed rectTop = {1320.038,
                            1389.244,
                            1250,
                            1264.911,
                            353.113,
                            {1346.291, 1242.354, 1210.813, 1261.805, 1379.312},
                            {1411.559, 1302.321, 1241.22, 1244.957, 1312.441},
                            {1265.899, 1241.005, 1279.807, 1371.513, 1494.155},
                            {1335.103, 1301.034, 1308.611, 1356.028, 1432.655}};
    expectListed({"rect top north", true, rectTopOffsets()}, rectTop);
    Listed rectSouth = rectTop;
    std::swap(rectSouth.h2, rectSouth.h4);
    std::swap(rectSouth.m, rectSouth.L);
    std::swap(rectSouth.j, rectSouth.k);
    expectListed({"rect top south", true, rectTopOffsets(true)}, rectSouth);
}

TEST(TransitionPattern, BuiltFromUnroundedValuesWhateverTheListingRounds) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        Case whole = c;
        whole.in.digits = 0;
        const TransitionPattern listed = pattern(c), rounded = pattern(whole);
        EXPECT_EQ(listed.pattern.pieces.at(0).outline.vertices, rounded.pattern.pieces.at(0).outline.vertices);
    }
}

TEST(TransitionPattern, LaidOutFromTheSouthTriangleWestToTheLeft) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const TransitionGeometry g = geometry(c);
        const TransitionPattern p = pattern(c);
    const Piece& piece = p.pattern.pieces.at(0);
        const int q = g.quarter;
        // The south triangle's base from (0, 0) to (a, 0), its apex up to the
        // round top's circle, down to the rect top's.
        const MarkLine& south = markOf(piece, "L" + std::to_string(q));
        EXPECT_NEAR(south.from.x, 0, kSame);
        EXPECT_NEAR(south.from.y, 0, kSame);
        const MarkLine& southEast = markOf(piece, "k" + std::to_string(q));
        EXPECT_NEAR(southEast.from.x, g.exact.a, kSame);
        EXPECT_NEAR(southEast.from.y, 0, kSame);
        EXPECT_LT(distance(south.to, southEast.to), kSame) << "one apex";
        EXPECT_EQ(south.to.y > 0, !c.rectTop);
        // West fans on the left, east fans on the right, the seam at both ends.
        EXPECT_LT(markOf(piece, "m0").from.x, 0);
        EXPECT_GT(markOf(piece, "j0").from.x, g.exact.a);
        // Each end: the north triangle's half from the corner's end line (m or
        // j to the north point) to the seam, whose foot is the outline's next
        // vertex after the corner.
        const int size = static_cast<int>(piece.outline.vertices.size());
        auto neighbours = [&](Point2 p0, Point2 p1) {
            const int i = vertexAt(piece, p0), j = vertexAt(piece, p1);
            return i >= 0 && j >= 0 && ((i + 1) % size == j || (j + 1) % size == i);
        };
        for (const char* end : {"m", "j"}) {
            const MarkLine& last = markOf(piece, end + std::to_string(q));
            int seams = 0;
            for (const auto& m : seamEdges(piece))
                if (std::min(distance(m.to, last.to), distance(m.from, last.to)) < kSame) {
                    ++seams;
                    const Point2 foot = distance(m.to, last.to) < kSame ? m.from : m.to;
                    EXPECT_TRUE(neighbours(foot, last.from)) << end;
                }
            EXPECT_EQ(seams, 1) << end;
        }
    }
}

TEST(TransitionPattern, CentredCircleGivesAPatternSymmetricAboutTheSouthHeight) {
    for (bool rectTop : {false, true}) {
        SCOPED_TRACE(rectTop);
        const Case c{"symmetric", rectTop, rectTop ? rectTopPresets() : roundTopPresets()};
        const TransitionGeometry g = geometry(c);
        const TransitionPattern p = pattern(c);
    const Piece& piece = p.pattern.pieces.at(0);
        const double axis = g.exact.a / 2;
        EXPECT_NEAR(markOf(piece, "h2").from.x, axis, kSame);
        for (const auto& v : piece.outline.vertices)
            EXPECT_GE(vertexAt(piece, {2 * axis - v.x, v.y}), 0) << v.x << ", " << v.y;
    }
}

TEST(TransitionPattern, WhatCannotBeDevelopedIsReported) {
    struct Bad {
        const char* name;
        bool rectTop;
        TransitionInputs in;
        TransitionPatternFault fault;
    };
    auto with = [](TransitionInputs in, auto change) {
        change(in);
        return in;
    };
    const Bad bad[] = {
        {"no divisions", false, with(roundTopPresets(), [](auto& in) { in.n = 0; }), TransitionPatternFault::Geometry},
        {"18 divisions", false, roundTopPresets(18), TransitionPatternFault::Divisions},
        {"2 divisions", true, rectTopPresets(2), TransitionPatternFault::Divisions},
        {"no height", false, with(roundTopPresets(), [](auto& in) { in.H = 0; }), TransitionPatternFault::Dimensions},
        {"no side", true, with(rectTopPresets(), [](auto& in) { in.b = 0; }), TransitionPatternFault::Dimensions},
        {"no circle", false, with(roundTopPresets(), [](auto& in) { in.D = 0; }), TransitionPatternFault::Dimensions},
        {"thickness eats the mean diameter", false, with(roundTopPresets(), [](auto& in) { in.t = -800; }),
         TransitionPatternFault::Dimensions},
        {"circle west of the north side", false, with(roundTopPresets(), [](auto& in) { in.ew = 800; }),
         TransitionPatternFault::SeamOffSide},
        {"rectangle west of the circle's centre", true, with(rectTopPresets(), [](auto& in) { in.ew = 460; }),
         TransitionPatternFault::SeamOffSide},
        {"nearly flat: more than a full turn", true, with(rectTopPresets(), [](auto& in) { in.H = 10; }),
         TransitionPatternFault::Overlaps},
        {"a mean circle far longer than the fans can take", false,
         with(roundTopPresets(), [](auto& in) { in.a = in.b = 800, in.H = 10, in.t = 5000; }),
         TransitionPatternFault::Overlaps},
        {"corner lines changing faster than the mean circle runs", false,
         with(roundTopPresets(), [](auto& in) { in.t = -700; }), TransitionPatternFault::Triangle},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        const Case c{b.name, b.rectTop, b.in};
        const TransitionPattern p = pattern(c);
        EXPECT_EQ(p.fault, b.fault);
        EXPECT_TRUE(p.pattern.pieces.empty());
        EXPECT_FALSE(transitionPatternMessage(p.fault).empty());
    }
    EXPECT_EQ(transitionPatternMessage(TransitionPatternFault::None), "");
    // Eight divisions still develop: two to a quarter.
    EXPECT_EQ(pattern({"8", false, roundTopPresets(8)}).fault, TransitionPatternFault::None);
}

}  // namespace
}  // namespace korvel
