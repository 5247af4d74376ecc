// The arc a polyline's bulge stands for, as the DXF writer, the template and
// the measures take it.

#include "core/flat_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace korvel {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(BulgeArc, CentreRadiusStartAndSweepOfBothTurns) {
    struct Case {
        Vertex a, b;
        Point2 centre;
        double radius, start, sweep;
    };
    const Case cases[] = {
        // Half circles over the same chord, counter-clockwise above, clockwise below.
        {{1, 0, 1}, {-1, 0, 0}, {0, 0}, 1, 0, kPi},
        {{1, 0, -1}, {-1, 0, 0}, {0, 0}, 1, 0, -kPi},
        // A quarter about (10, 20) of radius 5.
        {{15, 20, std::tan(kPi / 8)}, {10, 25, 0}, {10, 20}, 5, 0, kPi / 2},
        // Three quarters of a turn counter-clockwise from the top to the
        // right, about the origin; clockwise, the same ends take a centre
        // on the other side of their chord.
        {{0, 2, std::tan(3 * kPi / 8)}, {2, 0, 0}, {0, 0}, 2, kPi / 2, 3 * kPi / 2},
        {{0, 2, -std::tan(3 * kPi / 8)}, {2, 0, 0}, {2, 2}, 2, kPi, -3 * kPi / 2},
    };
    for (const Case& c : cases) {
        const std::optional<BulgeArc> arc = bulgeArc(c.a, c.b);
        ASSERT_TRUE(arc.has_value());
        EXPECT_NEAR(arc->centre.x, c.centre.x, 1e-12);
        EXPECT_NEAR(arc->centre.y, c.centre.y, 1e-12);
        EXPECT_NEAR(arc->radius, c.radius, 1e-12);
        EXPECT_NEAR(arc->start, c.start, 1e-12);
        EXPECT_NEAR(arc->sweep, c.sweep, 1e-12);
    }
    EXPECT_FALSE(bulgeArc({0, 0, 0}, {1, 1, 0}).has_value()) << "a straight edge";
    EXPECT_FALSE(bulgeArc({3, 4, 0.5}, {3, 4, 0}).has_value()) << "both ends at one point";
}

// Whether two straight edges cross or touch, by their parameters along each
// other (Cramer's rule), with collinear overlap tested on the projections.
bool edgesMeet(const Vertex& p, const Vertex& q, const Vertex& r, const Vertex& s) {
    const double ux = q.x - p.x, uy = q.y - p.y, vx = s.x - r.x, vy = s.y - r.y;
    const double det = ux * vy - uy * vx;
    const double wx = r.x - p.x, wy = r.y - p.y;
    if (det != 0) {
        const double t = (wx * vy - wy * vx) / det, k = (wx * uy - wy * ux) / det;
        return t >= 0 && t <= 1 && k >= 0 && k <= 1;
    }
    if (ux * ux + uy * uy < vx * vx + vy * vy) return edgesMeet(r, s, p, q);  // project on the longer
    const double len = ux * ux + uy * uy;
    if (len == 0) return p.x == r.x && p.y == r.y;                                         // two points
    if (wx * uy - wy * ux != 0 || (s.x - p.x) * uy - (s.y - p.y) * ux != 0) return false;  // parallel, apart
    const double a = (wx * ux + wy * uy) / len, b = ((s.x - p.x) * ux + (s.y - p.y) * uy) / len;
    return std::max(a, b) >= 0 && std::min(a, b) <= 1;
}

TEST(SelfIntersects, AgreesWithEveryPairCheckedAndFindsOneCrossingInALongOutline) {
    // Small random outlines on a 5 x 5 grid, so that crossings, touchings and
    // collinear overlaps all come up, closed and open.
    std::mt19937 random(17);
    std::uniform_int_distribution<int> coordinate(0, 4), count(3, 9);
    int crossing = 0;
    for (int round = 0; round < 20000; ++round) {
        Polyline line;
        line.closed = round % 2 == 0;
        const int n = count(random);
        for (int k = 0; k < n; ++k)
            line.vertices.push_back({double(coordinate(random)), double(coordinate(random)), 0});
        const size_t edges = line.closed ? line.vertices.size() : line.vertices.size() - 1;
        bool expected = false;
        for (size_t i = 0; i < edges && !expected; ++i)
            for (size_t j = i + 2; j < edges && !expected; ++j) {
                if (line.closed && i == 0 && j == edges - 1) continue;
                expected = edgesMeet(line.vertices[i], line.vertices[i + 1], line.vertices[j],
                                     line.vertices[(j + 1) % line.vertices.size()]);
            }
        crossing += expected;
        ASSERT_EQ(selfIntersects(line), expected) << "round " << round;
    }
    EXPECT_GT(crossing, 5000);
    EXPECT_LT(crossing, 19000);

    // An elbow's end piece of 200 000 stations: a wave along the girth over a
    // straight foot; then the wave dips through the foot at one station.
    Polyline piece{{}, true};
    const int stations = 200000;
    for (int k = 0; k <= stations; ++k)
        piece.vertices.push_back({double(k), 500 + 100 * std::sin(k * 2 * std::numbers::pi / stations), 0});
    piece.vertices.push_back({double(stations), 0, 0});
    piece.vertices.push_back({0, 0, 0});
    EXPECT_FALSE(selfIntersects(piece));
    piece.vertices[123456].y = -1;
    EXPECT_TRUE(selfIntersects(piece));
}

// A hole cut apart from the outline is no overlap; one that reaches it is.
TEST(PieceCut, HolesCountInTheAreaAndTheOverlapCheck) {
    Piece ring;
    ring.outline = {{{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}}, true};
    ring.holes.push_back({{{20, 20, 0}, {20, 60, 0}, {60, 60, 0}, {60, 20, 0}}, true});
    EXPECT_DOUBLE_EQ(pieceArea(ring), 100 * 100 - 40 * 40);
    EXPECT_FALSE(selfIntersects(ring));
    ring.holes[0].vertices[2] = {110, 60, 0};
    EXPECT_TRUE(selfIntersects(ring));
    ring.holes[0].vertices[2] = {60, 60, NAN};
    EXPECT_FALSE(pieceFinite(ring));
}

TEST(SeamTicks, SquareToTheSeamInsideThePieceAndShrunkWhereItIsNarrow) {
    // 1000 mm wide: the sheet's text 10 mm high, ticks from 5 to 15 mm inside,
    // at 250 and 750 along the seam, whichever way round the outline runs.
    for (bool counterClockwise : {true, false}) {
        Piece plate;
        plate.outline = {{{0, 0, 0}, {1000, 0, 0}, {1000, 300, 0}, {0, 300, 0}}, true};
        if (!counterClockwise) std::reverse(plate.outline.vertices.begin(), plate.outline.vertices.end());
        addSeamTicks(plate, {1000, 0}, {0, 0});
        ASSERT_EQ(plate.marks.size(), 2u);
        std::vector<double> at;
        for (const MarkLine& m : plate.marks) {
            EXPECT_EQ(m.kind, MarkKind::Seam);
            EXPECT_EQ(m.from.x, m.to.x);
            EXPECT_NEAR(m.from.y, 5, 1e-9);
            EXPECT_NEAR(m.to.y, 15, 1e-9);
            at.push_back(m.from.x);
        }
        std::sort(at.begin(), at.end());
        EXPECT_EQ(at, (std::vector<double>{250, 750}));
    }
    // A strip 4 mm high: the tick keeps to its lower half, a third of its
    // length at the depth ratio 1 : 3.
    Piece strip;
    strip.outline = {{{0, 0, 0}, {1000, 0, 0}, {1000, 4, 0}, {0, 4, 0}}, true};
    addSeamTicks(strip, {0, 0}, {1000, 0});
    for (const MarkLine& m : strip.marks) {
        EXPECT_NEAR(m.from.y, 4.0 / 6, 1e-9);
        EXPECT_NEAR(m.to.y, 2, 1e-9);
    }
    // An edge that is not the outline's is not marked.
    addSeamTicks(strip, {0, 0}, {1000, 4});
    EXPECT_EQ(strip.marks.size(), 2u);
}

}  // namespace
}  // namespace korvel
