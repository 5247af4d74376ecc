// The arc a polyline's bulge stands for, as the DXF writer, the template and
// the measures take it.

#include "core/flat_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

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

}  // namespace
}  // namespace korvel
