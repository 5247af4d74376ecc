// The elbow's true-size flat pattern, checked the way a plater checks a
// pattern on the plate.

#include <gtest/gtest.h>

#include <cmath>

#include "core/fittings/elbow/elbow_pattern.h"

namespace korvel {
namespace {

constexpr double kTolerance = 0.01;  // mm

ElbowGeometry presets(int k = 4, int n = 16) { return computeElbow({1120, 1680, 90, 10, k, n, 0}); }

// The outline's height at station x on its upper (y >= 0) side.
double heightAt(const Piece& piece, double x, bool upper = true) {
    double best = upper ? -1e300 : 1e300;
    for (const auto& v : piece.outline.vertices)
        if (std::fabs(v.x - x) < 1e-9) best = upper ? std::max(best, v.y) : std::min(best, v.y);
    return best;
}

TEST(ElbowPattern, PiecesAndCountsFollowTheSegments) {
    const FlatPattern four = elbowPattern(presets(4));
    ASSERT_EQ(four.pieces.size(), 2u);
    EXPECT_EQ(four.pieces[0].name, "端节");
    EXPECT_EQ(four.pieces[0].count, 2);
    EXPECT_EQ(four.pieces[1].name, "中节");
    EXPECT_EQ(four.pieces[1].count, 2);
    const FlatPattern two = elbowPattern(presets(2));
    ASSERT_EQ(two.pieces.size(), 1u) << "two segments: only end sections";
    EXPECT_EQ(elbowPattern(presets(7)).pieces[1].count, 5);
}

TEST(ElbowPattern, OutlinesAreClosedSimpleAndTheRoundEdgeIsTheCircumference) {
    for (int n : {8, 16, 40, 100}) {
        SCOPED_TRACE(n);
        const ElbowGeometry g = presets(4, n);
        const FlatPattern pattern = elbowPattern(g);
        for (const Piece& piece : pattern.pieces) {
            EXPECT_TRUE(piece.outline.closed);
            EXPECT_FALSE(selfIntersects(piece.outline)) << piece.name;
            EXPECT_GT(polylineArea(piece.outline), 0) << piece.name << " runs counter-clockwise";
        }
        ASSERT_EQ(pattern.checks.size(), 2u);
        for (const auto& check : pattern.checks) {
            EXPECT_NEAR(check.expected, M_PI * 1120, 1e-9);
            EXPECT_NEAR(check.actual, check.expected, kTolerance) << check.what;
        }
    }
}

TEST(ElbowPattern, StationHeightsAreTheListedLengthsUnrounded) {
    const ElbowGeometry g = presets();
    const FlatPattern pattern = elbowPattern(g);
    const Piece& end = pattern.pieces[0];
    const Piece& middle = pattern.pieces[1];
    for (int j = 0; j <= 16; ++j) {
        const double x = j * g.a;
        EXPECT_NEAR(heightAt(end, x), g.E((j - 4) * g.delta), 1e-9) << "L" << j;
        // The middle section's station spans 2 E, symmetric about its centre line.
        const double up = heightAt(middle, x), down = heightAt(middle, x, false);
        EXPECT_NEAR(up - down, 2 * g.E((j + 4) * g.delta), 1e-9) << "L" << j;
        EXPECT_NEAR(up, -down, 1e-9);
    }
    // The listing's named values: L4 = 300.103 (inner), L12 = 600.206 (outer).
    EXPECT_NEAR(heightAt(end, 4 * g.a), 300.103, 5e-4);
    EXPECT_NEAR(heightAt(end, 12 * g.a), 600.206, 5e-4);
    EXPECT_NEAR(heightAt(middle, 4 * g.a) * 2, 1200.41, 5e-3);
}

TEST(ElbowPattern, LabelsNameEveryStationAsTheListingDoes) {
    const ElbowGeometry g = presets();
    const FlatPattern pattern = elbowPattern(g);
    const Piece& end = pattern.pieces[0];
    int named = 0;
    for (const auto& label : end.labels)
        if (label.text == "L12") {
            EXPECT_NEAR(label.at.x, 12 * g.a, 1e-9);
            EXPECT_NEAR(label.at.y, g.Lmax, 1e-9);
            ++named;
        }
    EXPECT_EQ(named, 1);
    EXPECT_EQ(end.labels.size(), 34u);  // L0 ... L16 and D0 ... D16
}

TEST(ElbowPattern, MarkingLinesStandAtTheInnerStations) {
    const ElbowGeometry g = presets();
    const FlatPattern pattern = elbowPattern(g);
    const Piece& end = pattern.pieces[0];
    EXPECT_EQ(end.marks.size(), 15u);  // stations 1 ... 15; 0 and 16 are the seam edges
    int quarters = 0;
    for (const auto& mark : end.marks) quarters += mark.kind == MarkKind::Quarter;
    EXPECT_EQ(quarters, 3);
    const Piece& middle = pattern.pieces[1];
    EXPECT_EQ(middle.marks.front().kind, MarkKind::CentreLine);
    EXPECT_NEAR(middle.marks.front().to.x, g.C, 1e-9);
}

TEST(FlatPatternMeasures, LengthAreaAndCrossingOfSimpleShapes) {
    // A unit square and a half disc of radius 1 (bulge 1 is a half circle).
    const Polyline square{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, true};
    EXPECT_DOUBLE_EQ(polylineLength(square), 4);
    EXPECT_DOUBLE_EQ(polylineArea(square), 1);
    EXPECT_FALSE(selfIntersects(square));
    const Polyline halfDisc{{{1, 0, 1}, {-1, 0, 0}}, true};
    EXPECT_NEAR(polylineArea(halfDisc), M_PI / 2, 1e-12);
    EXPECT_NEAR(polylineLength(halfDisc), M_PI + 2, 1e-12);
    const Polyline bowTie{{{0, 0, 0}, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}}, true};
    EXPECT_TRUE(selfIntersects(bowTie));
    EXPECT_NEAR(plateWeight(1e6, 10), 78.5, 1e-9);
}

}  // namespace
}  // namespace korvel
