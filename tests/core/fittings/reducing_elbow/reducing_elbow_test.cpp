// The reducing elbow against the elbow built in space: cones about the
// centre line's stretches, their joints found where the cones' throat and
// heel lines cross in the bend plane, each generator cut there. Every
// listed length is measured on that build, every developed edge against its
// curve there, every piece against its own triangulated unfolding; with
// equal ends it is the segmented elbow.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/fittings/elbow/elbow_commands.h"
#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/elbow/elbow_pattern.h"
#include "core/fittings/reducing_elbow/reducing_elbow_commands.h"
#include "core/fittings/reducing_elbow/reducing_elbow_design.h"
#include "core/fittings/reducing_elbow/reducing_elbow_pattern.h"
#include "core/numbers.h"
#include "support/pipe_space.h"

namespace korvel {
namespace {

using testing::Vec3;
constexpr double kPi = std::numbers::pi;
constexpr double kListed = 0.01;  // mm, a listed length against space
constexpr double kEdge = 0.05;    // mm, a developed edge against its curve
const Vec3 kUp{0, 0, 1};

// One cone of the build: radius r0 + slope * s square to the axis at s.
struct Cone {
    Vec3 start, axis, inward;
    double r0 = 0, slope = 0, length = 0;
    Vec3 at(double s, double psi) const {
        return start + s * axis + (r0 + slope * s) * (std::cos(psi) * inward + std::sin(psi) * kUp);
    }
    // How far a point lies outside the cone, square to the axis.
    double off(Vec3 p) const {
        const double s = dot(p - start, axis);
        return testing::length(p - start - s * axis) - (r0 + slope * s);
    }
};

struct Built {
    std::vector<Cone> cones;
    std::vector<Vec3> jointPoint, jointNormal;  // j = 1 ... k - 1 (index 0 unused)

    // Where segment i's generator psi leaves it below and above (downstream).
    Vec3 cut(int i, double psi, bool upper) const {
        const Cone& c = cones[static_cast<size_t>(i)];
        const int j = upper ? i + 1 : i;
        if (j == 0) return c.at(0, psi);
        if (j == static_cast<int>(cones.size())) return c.at(c.length, psi);
        const Vec3 from = c.at(0, psi), along = c.at(1, psi) - from;
        const Vec3 n = jointNormal[static_cast<size_t>(j)];
        return from + (dot(jointPoint[static_cast<size_t>(j)] - from, n) / dot(along, n)) * along;
    }
};

// The elbow in space: the lines touching the bend circle at 0, 2 theta, ...
// alpha meet at the joint points; the radius runs evenly along them.
Built build(double D1, double D2, double R, double alphaDegrees, int k) {
    const double theta = alphaDegrees * kPi / 180 / (2 * (k - 1));
    std::vector<Vec3> touch, dir;
    for (int i = 0; i < k; ++i) {
        touch.push_back({R * std::cos(2 * i * theta), R * std::sin(2 * i * theta), 0});
        dir.push_back({-std::sin(2 * i * theta), std::cos(2 * i * theta), 0});
    }
    std::vector<Vec3> P{touch.front()};
    for (int j = 1; j < k; ++j)
        P.push_back(testing::crossingInXY(touch[size_t(j - 1)], dir[size_t(j - 1)], touch[size_t(j)], dir[size_t(j)]));
    P.push_back(touch.back());
    double total = 0;
    for (int i = 0; i < k; ++i) total += testing::distance(P[size_t(i)], P[size_t(i + 1)]);
    Built b;
    double along = 0;
    for (int i = 0; i < k; ++i) {
        const double len = testing::distance(P[size_t(i)], P[size_t(i + 1)]);
        const Vec3 axis = (1 / len) * (P[size_t(i + 1)] - P[size_t(i)]);
        b.cones.push_back({P[size_t(i)], axis, cross(kUp, axis), D1 / 2 + (D2 - D1) / 2 * along / total,
                           (D2 - D1) / 2 / total, len});
        along += len;
    }
    b.jointPoint.resize(size_t(k));
    b.jointNormal.resize(size_t(k));
    for (int j = 1; j < k; ++j) {
        const Cone &a = b.cones[size_t(j - 1)], &c = b.cones[size_t(j)];
        const auto meet = [&](double psi) {
            return testing::crossingInXY(a.at(0, psi), a.at(1, psi) - a.at(0, psi), c.at(0, psi),
                                         c.at(1, psi) - c.at(0, psi));
        };
        const Vec3 throat = meet(0), heel = meet(kPi);
        const Vec3 n = cross(heel - throat, kUp);
        b.jointPoint[size_t(j)] = throat;
        b.jointNormal[size_t(j)] = (1 / testing::length(n)) * n;
    }
    return b;
}

struct Case {
    ReducingElbowInputs in;
    const char* what;
};
const Case kCases[] = {
    {{600, 400, 900, 90, 6, 4, 24, 3}, "the preset"},
    {{300, 820, 700, 60, 0, 3, 16, 3}, "widening, three segments"},
    {{1000, 200, 610, 90, 0, 2, 8, 3}, "two segments, steep taper"},
    {{500, 480, 600, 180, 0, 20, 100, 3}, "a return bend of twenty"},
    {{900, 100, 460, 45, 0, 3, 12, 3}, "a short steep bend"},
};

double listedValue(const std::string& line) { return val(line.substr(line.find('=') + 1)); }

TEST(ReducingElbow3D, ListedGeneratorsAreTrueLengthsAndJointsAreShared) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const ReducingElbowGeometry g = computeReducingElbow(c.in);
        ASSERT_EQ(g.fault, ReducingElbowFault::None);
        const Built b = build(c.in.D1, c.in.D2, c.in.R, c.in.alpha, c.in.k);
        for (const ElbowSegment& seg : g.segments) {
            const SegmentListing listing = segmentListing(g, seg);
            ASSERT_EQ(listing.generators.size(), size_t(c.in.n) + 1);
            for (int i = 0; i <= c.in.n; ++i) {
                const double psi = (seg.kind == SegmentKind::Middle ? i + c.in.n / 4 : i - c.in.n / 4) * 2 * kPi / c.in.n;
                const double space = testing::distance(b.cut(seg.index, psi, false), b.cut(seg.index, psi, true));
                EXPECT_NEAR(listedValue(listing.generators[size_t(i)]), space, kListed) << segmentName(seg) << " L" << i;
            }
        }
        for (int j = 1; j < c.in.k; ++j) {
            // Cone j - 1 cut at the joint lies on cone j, all round; so do the
            // listed geometry's cut points, and its joint ellipse is the curve.
            const Cone& next = b.cones[size_t(j)];
            const ElbowSegment& below = g.segments[size_t(j - 1)];
            double curve = 0, fromNext = 0;
            Vec3 last = b.cut(j - 1, 0, true), lastNext = b.cut(j, 0, false);
            EXPECT_NEAR(testing::distance(last, lastNext), 0, 1e-9) << "the throat's point, joint " << j;
            EXPECT_NEAR(testing::distance(b.cut(j - 1, kPi, true), b.cut(j, kPi, false)), 0, 1e-9) << "the heel's";
            for (int q = 1; q <= 2048; ++q) {
                const double psi = 2 * kPi * q / 2048;
                const Vec3 p = b.cut(j - 1, psi, true), pNext = b.cut(j, psi, false);
                EXPECT_NEAR(next.off(p), 0, 1e-6) << "joint " << j << " at " << psi;
                EXPECT_NEAR(b.cones[size_t(j - 1)].off(pNext), 0, 1e-6) << "joint " << j << " at " << psi;
                curve += testing::distance(last, p);
                fromNext += testing::distance(lastNext, pNext);
                last = p, lastNext = pNext;
            }
            EXPECT_NEAR(curve, fromNext, 1e-3) << "joint " << j << " measured on either segment";
            for (const double psi : {0.0, 1.0, 2.5, kPi})
                EXPECT_NEAR(testing::distance(b.cones[size_t(j - 1)].at(below.sUpper(psi), psi), b.cut(j - 1, psi, true)),
                            0, 1e-6)
                    << "the listing's cut at joint " << j;
            EXPECT_NEAR(g.joint(j).perimeter, curve, kEdge) << "joint " << j;
            // The joint plane is the segmented elbow's, moved along the centre line.
            const double bend = (2 * j - 1) * g.theta;
            EXPECT_NEAR(std::fabs(dot(b.jointNormal[size_t(j)], {-std::sin(bend), std::cos(bend), 0})), 1, 1e-12);
        }
    }
}

// The developed station points of a piece: foot and top of each generator
// from the seam, from its outline's ends and its generator marks.
struct Stations {
    std::vector<Point2> foot, top;
};
Stations stationsOf(const Piece& piece, int n) {
    Stations s;
    const auto& v = piece.outline.vertices;
    for (int j = 0; j <= n; ++j) s.top.push_back(piece.labels[size_t(2 * j)].at);  // L<i> at each top, in turn
    s.foot.push_back({v.front().x, v.front().y});
    for (const MarkLine& m : piece.marks)
        if (m.kind == MarkKind::Generator || m.kind == MarkKind::Quarter) s.foot.push_back(m.from);
    // The bottom edge ends right below the top edge's first vertex.
    for (size_t i = 1; i < v.size(); ++i)
        if (v[i].x == s.top.back().x && v[i].y == s.top.back().y) s.foot.push_back({v[i - 1].x, v[i - 1].y});
    EXPECT_EQ(s.foot.size(), size_t(n) + 1);
    return s;
}

double flatDistance(Point2 a, Point2 b) { return std::hypot(b.x - a.x, b.y - a.y); }

TEST(ReducingElbow3D, EachPieceIsItsConeTriangulatedAndUnfolded) {
    // Strips of the girth, 2048 in all: planar, since generators meet at the apex.
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const ReducingElbowGeometry g = computeReducingElbow(c.in);
        const Built b = build(c.in.D1, c.in.D2, c.in.R, c.in.alpha, c.in.k);
        const FlatPattern pattern = reducingElbowPattern(g);
        const int n = c.in.n, kSub = 2048 / n;
        for (const ElbowSegment& seg : g.segments) {
            const Piece& piece = pattern.pieces[size_t(seg.index)];
            SCOPED_TRACE(piece.name);
            const Stations flat = stationsOf(piece, n);
            const SegmentListing listing = segmentListing(g, seg);
            const double seam = (seg.kind == SegmentKind::Middle ? n / 4 : -n / 4) * 2 * kPi / n;
            const bool outlet = seg.kind == SegmentKind::Outlet;  // stands on its square end, upstream up
            const auto foot3 = [&](int q) { return b.cut(seg.index, seam + 2 * kPi * q / (n * kSub), outlet); };
            const auto top3 = [&](int q) { return b.cut(seg.index, seam + 2 * kPi * q / (n * kSub), !outlet); };
            Point2 foot = flat.foot[0], top = flat.top[0];
            EXPECT_NEAR(flatDistance(foot, top), testing::distance(foot3(0), top3(0)), kListed);
            double bottom3 = 0, top3Length = 0;
            for (int q = 0; q < n * kSub; ++q) {
                const Point2 nextFoot = testing::flatApex(top, foot, testing::distance(top3(q), foot3(q + 1)),
                                                          testing::distance(foot3(q), foot3(q + 1)));
                const Point2 nextTop = testing::flatApex(top, nextFoot, testing::distance(top3(q), top3(q + 1)),
                                                         testing::distance(foot3(q + 1), top3(q + 1)));
                bottom3 += testing::distance(foot3(q), foot3(q + 1));
                top3Length += testing::distance(top3(q), top3(q + 1));
                foot = nextFoot, top = nextTop;
                if ((q + 1) % kSub) continue;
                const int j = (q + 1) / kSub;
                EXPECT_NEAR(foot.x, flat.foot[size_t(j)].x, kEdge) << "foot " << j;
                EXPECT_NEAR(foot.y, flat.foot[size_t(j)].y, kEdge) << "foot " << j;
                EXPECT_NEAR(top.x, flat.top[size_t(j)].x, kEdge) << "top " << j;
                EXPECT_NEAR(top.y, flat.top[size_t(j)].y, kEdge) << "top " << j;
                // The listed chords: a<j> along the bottom, b<j> along the top.
                EXPECT_NEAR(listedValue(listing.chords[size_t(j - 1)]),
                            flatDistance(flat.foot[size_t(j - 1)], flat.foot[size_t(j)]), kListed);
                EXPECT_NEAR(listedValue(listing.chords[size_t(n + j - 1)]),
                            flatDistance(flat.top[size_t(j - 1)], flat.top[size_t(j)]), kListed);
            }
            // The developed edges against their curves in space, as the
            // pattern's own checks give them.
            for (const PatternCheck& check : pattern.checks)
                if (check.what.starts_with(piece.name + "接") || check.what.starts_with(piece.name + "展")) {
                    EXPECT_NEAR(check.actual, check.expected, kEdge) << check.what;
                    const bool onTop = check.what.starts_with(piece.name + "接口" + numberText(seg.index + 1)) ||
                                       (outlet && check.what.find("接口") != std::string::npos);
                    EXPECT_NEAR(check.actual, onTop ? top3Length : bottom3, kEdge) << check.what;
                }
        }
    }
}

TEST(ReducingElbow, EqualEndsGiveTheSegmentedElbowOnTheSameSurface) {
    // The elbow window's preset, and the same typed into this window.
    const FormState elbowState = elbowDesign().presetState();
    FormState state = reducingElbowDesign().presetState();
    const char* typed[] = {"1120", "1120", "1680", "90", "10"};
    for (int i = 0; i < 5; ++i) state.texts["Text1(" + std::to_string(i) + ")"] = typed[i];
    state.texts["Combo1"] = "16";
    for (const DevelopedSurface surface : {DevelopedSurface::Typed, DevelopedSurface::Mean, DevelopedSurface::Inside}) {
        SCOPED_TRACE(surfaceKeyword(surface));
        const PatternExport elbow = elbowDesign().pattern(elbowState, {.surface = surface});
        const PatternExport reducing = reducingElbowDesign().pattern(state, {.surface = surface});
        ASSERT_FALSE(reducing.rejected());
        ASSERT_EQ(reducing.pattern.pieces.size(), 4u);
        for (const Piece& piece : reducing.pattern.pieces) {
            SCOPED_TRACE(piece.name);
            const bool end = piece.name.ends_with("端节");
            const Piece& same = elbow.pattern.pieces[end ? 0 : 1];
            ASSERT_EQ(piece.marks.size(), same.marks.size());
            for (size_t m = 0; m < piece.marks.size(); ++m) {
                EXPECT_NEAR(piece.marks[m].from.x, same.marks[m].from.x, 1e-9);
                EXPECT_NEAR(piece.marks[m].from.y, same.marks[m].from.y, 1e-9);
                EXPECT_NEAR(piece.marks[m].to.x, same.marks[m].to.x, 1e-9);
                EXPECT_NEAR(piece.marks[m].to.y, same.marks[m].to.y, 1e-9);
            }
            EXPECT_NEAR(polylineArea(piece.outline), polylineArea(same.outline), 1e-3 * polylineArea(same.outline));
            EXPECT_NEAR(polylineLength(piece.outline), polylineLength(same.outline), 0.05);
        }
    }
    // The listings, line for line.
    const ReducingElbowGeometry g = computeReducingElbow({1120, 1120, 1680, 90, 0, 4, 16, 0});
    const ElbowGeometry e = computeElbow({1120, 1680, 90, 0, 4, 16, 0});
    for (const ElbowSegment& seg : g.segments) {
        const ElbowListing same = seg.kind == SegmentKind::Middle ? middleListing(e) : endListing(e);
        std::vector<std::string> lines = same.left;
        lines.insert(lines.end(), same.right.begin() + 1, same.right.end());
        EXPECT_EQ(segmentListing(g, seg).generators, lines) << segmentName(seg);
    }
}

TEST(ReducingElbowGeometry, RefusesByNameBeforeComputing) {
    const ReducingElbowInputs ok{600, 400, 900, 90, 6, 4, 24, 0};
    const auto fault = [&](auto change) {
        ReducingElbowInputs in = ok;
        change(in);
        return computeReducingElbow(in).fault;
    };
    using F = ReducingElbowFault;
    EXPECT_EQ(fault([](auto&) {}), F::None);
    EXPECT_EQ(fault([](auto& in) { in.D2 = 0; }), F::Diameter);
    EXPECT_EQ(fault([](auto& in) { in.D1 = -600; }), F::Diameter);
    EXPECT_EQ(fault([](auto& in) { in.R = 300; }), F::Radius) << "R = D1 / 2: the throat has no length";
    EXPECT_EQ(fault([](auto& in) { in.D2 = 1800.002; }), F::Radius) << "the larger end decides";
    EXPECT_EQ(fault([](auto& in) { in.alpha = 0; }), F::BendAngle);
    EXPECT_EQ(fault([](auto& in) { in.alpha = 180.001; }), F::BendAngle);
    EXPECT_EQ(fault([](auto& in) { in.t = -1; }), F::Thickness);
    EXPECT_EQ(fault([](auto& in) { in.t = 200; }), F::Thickness) << "half the smaller end";
    EXPECT_EQ(fault([](auto& in) { in.k = 1; }), F::Segments);
    EXPECT_EQ(fault([](auto& in) { in.k = 21; }), F::Segments);
    EXPECT_EQ(fault([](auto& in) { in.n = 4; }), F::Divisions);
    EXPECT_EQ(fault([](auto& in) { in.n = 26; }), F::Divisions);
    EXPECT_EQ(fault([](auto& in) { in.n = 104; }), F::Divisions);
    EXPECT_EQ(fault([](auto& in) { in.k = 2, in.alpha = 180; }), F::BendTooSharp);
    EXPECT_EQ(fault([](auto& in) { in.D1 = 10, in.D2 = 1000, in.R = 600, in.alpha = 10, in.k = 20, in.t = 0; }), F::ThroatFolds);
    EXPECT_EQ(fault([](auto& in) { in.R = 1e308, in.alpha = 170, in.k = 2; }), F::OutOfRange);
}

TEST(ReducingElbowCommands, RefuseInTheWindowsWordsAtTheBoxToMend) {
    const WindowDesign& design = reducingElbowDesign();
    const auto run = [&](const char* key, const char* text) {
        FormState state = design.presetState();
        state.texts[key] = text;
        return reducingElbowCompute(state);
    };
    const auto message = [](const Outcome& out) {
        for (const Effect& e : out.effects)
            if (const auto* m = std::get_if<ShowMessage>(&e)) return m->text;
        return std::string();
    };
    const auto focus = [](const Outcome& out) {
        for (const Effect& e : out.effects)
            if (const auto* f = std::get_if<FocusBox>(&e)) return f->key;
        return std::string();
    };
    EXPECT_FALSE(reducingElbowCompute(design.presetState()).stopped);
    const Outcome empty = run("Text1(1)", "");
    EXPECT_EQ(message(empty), "出口外径不能为空！");
    EXPECT_EQ(focus(empty), "Text1(1)");
    EXPECT_EQ(focus(run("Text1(2)", "250")), "Text1(2)");
    EXPECT_EQ(message(run("Text1(4)", "300")), "管道壁厚不能小于零，且必须小于较小管口外径的一半！");
    EXPECT_EQ(focus(run("Combo1", "30")), "Combo1");
    EXPECT_EQ(message(run("Text1(3)", "1e999")), "输入的数值过大！");
    EXPECT_FALSE(run("Text1(4)", "").stopped) << "no wall: no weight";
}

}  // namespace
}  // namespace korvel
