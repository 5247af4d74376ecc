// A pattern's lines cut to a page's window, and an outline simplified for the
// page map, against figures worked by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/page_clip.h"

namespace korvel {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// A circle of radius r about the origin: two half circles, counter-clockwise from (r, 0).
Polyline circle(double r) { return {{{r, 0, 1}, {-r, 0, 1}}, true}; }

double sweepDegrees(const Vertex& v) { return 4 * std::atan(v.bulge) / kDegree; }

void expectAt(const Vertex& v, double x, double y) {
    EXPECT_NEAR(v.x, x, 1e-9);
    EXPECT_NEAR(v.y, y, 1e-9);
}

TEST(PageClip, ACircleCutByASquareKeepsItsArcsBetweenTheCrossings) {
    // Radius 10 in the square ±8: the circle crosses x = 8 at acos(0.8) =
    // 36.87° and y = 8 at asin(0.8) = 53.13°, so an arc of 16.26° is left
    // about each diagonal, from (8, 6) to (6, 8) in the first quadrant.
    const std::vector<Polyline> corners = clipPolyline(circle(10), {-8, -8, 8, 8});
    ASSERT_EQ(corners.size(), 4u);
    for (const Polyline& arc : corners) {
        ASSERT_EQ(arc.vertices.size(), 2u);
        EXPECT_FALSE(arc.closed);
        EXPECT_NEAR(sweepDegrees(arc.vertices[0]), 16.2602, 1e-4);
        for (const Vertex& v : arc.vertices) {
            EXPECT_NEAR(std::max(std::fabs(v.x), std::fabs(v.y)), 8, 1e-9);
            EXPECT_NEAR(std::min(std::fabs(v.x), std::fabs(v.y)), 6, 1e-9);
        }
    }
    expectAt(corners[0].vertices[0], 8, 6);
    expectAt(corners[0].vertices[1], 6, 8);

    // The right half: the half circle from (0, -10) through (10, 0) to (0, 10),
    // one run joined at the line's first vertex, 90° on either side of it.
    const std::vector<Polyline> right = clipPolyline(circle(10), {0, -20, 20, 20});
    ASSERT_EQ(right.size(), 1u);
    ASSERT_EQ(right[0].vertices.size(), 3u);
    expectAt(right[0].vertices[0], 0, -10);
    expectAt(right[0].vertices[1], 10, 0);
    expectAt(right[0].vertices[2], 0, 10);
    EXPECT_NEAR(sweepDegrees(right[0].vertices[0]), 90, 1e-9);
    EXPECT_NEAR(sweepDegrees(right[0].vertices[1]), 90, 1e-9);

    // Wholly inside: the line itself, closed.
    const std::vector<Polyline> whole = clipPolyline(circle(10), {-10, -10, 10, 10});
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_TRUE(whole[0].closed);
    EXPECT_EQ(whole[0].vertices, circle(10).vertices);
    EXPECT_TRUE(clipPolyline(circle(10), {20, 20, 30, 30}).empty());
}

TEST(PageClip, StraightLinesEnterAndLeaveWhereTheyCrossTheSides) {
    const PatternExtent window{0, 0, 10, 10};
    // In through x = 0 at y = 2, round the corner (5, 2), out through y = 10.
    const std::vector<Polyline> hook = clipPolyline({{{-5, 2, 0}, {5, 2, 0}, {5, 12, 0}}, false}, window);
    ASSERT_EQ(hook.size(), 1u);
    ASSERT_EQ(hook[0].vertices.size(), 3u);
    expectAt(hook[0].vertices[0], 0, 2);
    expectAt(hook[0].vertices[1], 5, 2);
    expectAt(hook[0].vertices[2], 5, 10);

    // A 20 mm square whose first corner lies in the window [-1, 5]²: its two
    // edges from that corner, one run through the corner.
    const Polyline square{{{0, 0, 0}, {20, 0, 0}, {20, 20, 0}, {0, 20, 0}}, true};
    const std::vector<Polyline> corner = clipPolyline(square, {-1, -1, 5, 5});
    ASSERT_EQ(corner.size(), 1u);
    ASSERT_EQ(corner[0].vertices.size(), 3u);
    expectAt(corner[0].vertices[0], 0, 5);
    expectAt(corner[0].vertices[1], 0, 0);
    expectAt(corner[0].vertices[2], 5, 0);

    // A zigzag of 1000 edges 1 mm apart, its runs of edges boxed: the window
    // from x = 32.5 passes over the first run (x up to 32) and takes the
    // next from the middle of its first edge, to x = 40.
    Polyline zigzag;
    for (int i = 0; i <= 1000; ++i) zigzag.vertices.push_back({static_cast<double>(i), i % 2 * 3.0, 0});
    const std::vector<Polyline> run = clipPolyline(zigzag, {32.5, -1, 40, 4}, edgeRunBoxes(zigzag));
    ASSERT_EQ(run.size(), 1u);
    ASSERT_EQ(run[0].vertices.size(), 9u);
    expectAt(run[0].vertices.front(), 32.5, 1.5);
    expectAt(run[0].vertices.back(), 40, 0);

    // Marking lines: across, wholly outside, along a side.
    const std::optional<MarkLine> across = clipSegment({{-10, 5}, {20, 5}, MarkKind::Bend}, window);
    ASSERT_TRUE(across);
    EXPECT_EQ(across->from, (Point2{0, 5}));
    EXPECT_EQ(across->to, (Point2{10, 5}));
    EXPECT_EQ(across->kind, MarkKind::Bend);
    EXPECT_FALSE(clipSegment({{-5, -5}, {-1, 20}}, window));
    EXPECT_FALSE(clipSegment({{-5, 11}, {20, 11}}, window));
    EXPECT_TRUE(clipSegment({{0, -5}, {0, 20}}, window));
}

TEST(PageClip, ASimplifiedOutlineStaysWithinItsTolerance) {
    // A circle of radius 100 as 360 chords, to within 0.5 mm: a chord of
    // angle φ lies 100 (1 − cos φ/2) from the arc, 0.25 mm (half the
    // tolerance) at φ = 8.1°, so 45 to 90 vertices are left, and the area
    // lies between the 360 chords' (50 · 100² · 360 sin 1°) and the circle's
    // of radius 99.5.
    Polyline chords{{}, true};
    for (int k = 0; k < 360; ++k)
        chords.vertices.push_back({100 * std::cos(k * kDegree), 100 * std::sin(k * kDegree), 0});
    const Polyline simple = simplifiedLine(chords, 0.5);
    EXPECT_TRUE(simple.closed);
    EXPECT_GE(simple.vertices.size(), 45u);
    EXPECT_LE(simple.vertices.size(), 90u);
    EXPECT_LE(polylineArea(simple), 31413.9);
    EXPECT_GE(polylineArea(simple), std::numbers::pi * 99.5 * 99.5);
    // True arcs stay arcs; an arc 0.05 mm from its chord becomes the chord.
    EXPECT_EQ(simplifiedLine(circle(10), 0.5).vertices, circle(10).vertices);
    const Polyline shallow{{{0, 0, 0.01}, {10, 0, 0}, {10, 5, 0}}, false};
    EXPECT_EQ(simplifiedLine(shallow, 0.5).vertices, (std::vector<Vertex>{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}}));
}

}  // namespace
}  // namespace korvel
