// The tee's true-size branch pattern and main-pipe opening, checked the way a
// plater checks them on the plate: closed outlines, the developed girth, the
// stations at the listed distances, and the symmetry of both pieces.

#include "core/fittings/tee/tee_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/numbers.h"

namespace korvel {
namespace {

constexpr double kTolerance = 0.01;  // mm

TeeInputs inputs(double D, double d, double alpha, double Ls = 200, double t = 0, int n = 32, int digits = 0) {
    return {D, d - kBranchAllowance, alpha, Ls, t, n, digits};
}
// D = d = 1120, 45°, short side 200, no wall, 32 parts.
TeeInputs presets(int digits = 0) { return inputs(1120, 1120, 45, 200, 0, 32, digits); }
// A right-angled reducing tee.
TeeInputs reducing(int digits = 0) { return inputs(1120, 600, 90, 200, 0, 16, digits); }

TeeGeometry geometry(const TeeInputs& in) {
    TeeGeometry g = computeTee(in);
    EXPECT_EQ(g.fault, TeeFault::None);
    return g;
}

const StationLabel* label(const Piece& piece, const std::string& text) {
    for (const auto& l : piece.labels)
        if (l.text == text) return &l;
    return nullptr;
}

bool hasVertex(const Piece& piece, double x, double y, double tolerance = 1e-9) {
    for (const auto& v : piece.outline.vertices)
        if (std::fabs(v.x - x) <= tolerance && std::fabs(v.y - y) <= tolerance) return true;
    return false;
}

// The listing line "name<i>=value" rebuilt from a measured distance.
std::string measured(const char* name, int i, double value, int digits) {
    return name + numberText(i) + "=" + roundedText(value, digits);
}

struct Case {
    const char* what;
    TeeInputs in;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"presets", presets()},
        {"reducing right-angled", reducing()},
        {"reducing 30 degrees", inputs(1120, 600, 30)},
        {"equal 60 degrees, 8 parts", inputs(820, 820, 60, 150, 0, 8)},
        {"equal 90 degrees, 100 parts", inputs(500, 500, 90, 100, 0, 100)},
        {"branch on the main pipe, 10 wall", inputs(1120, 600, 45, 200, 10)},
        {"small branch, 15 degrees", inputs(2000, 300, 15, 50, 0, 24)},
    };
    return all;
}

TEST(TeePattern, TwoPiecesOneOfEach) {
    const FlatPattern pattern = teePattern(geometry(presets()));
    EXPECT_EQ(pattern.fitting, "任意角度等径异径三通");
    ASSERT_EQ(pattern.pieces.size(), 2u);
    EXPECT_EQ(pattern.pieces[0].name, "支管");
    EXPECT_EQ(pattern.pieces[0].count, 1);
    EXPECT_EQ(pattern.pieces[1].name, "主管开孔");
    EXPECT_EQ(pattern.pieces[1].count, 1);
}

TEST(TeePattern, OutlinesClosedSimpleAndChecksHold) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        const TeeGeometry g = geometry(c.in);
        const FlatPattern pattern = teePattern(g);
        for (const Piece& piece : pattern.pieces) {
            EXPECT_TRUE(piece.outline.closed) << piece.name;
            EXPECT_FALSE(selfIntersects(piece.outline)) << piece.name;
            EXPECT_GT(polylineArea(piece.outline), 0) << piece.name << " runs counter-clockwise";
        }
        ASSERT_EQ(pattern.checks.size(), 2u);
        // The developed girth stands for the branch's outside diameter.
        EXPECT_NEAR(pattern.checks[0].expected, M_PI * (c.in.d + kBranchAllowance), 1e-6);
        EXPECT_NEAR(pattern.checks[0].actual, M_PI * (c.in.d + kBranchAllowance), kTolerance);
        EXPECT_NEAR(pattern.checks[1].expected, g.x[static_cast<size_t>(c.in.n / 2)], 1e-12);
        EXPECT_NEAR(pattern.checks[1].actual, pattern.checks[1].expected, kTolerance) << pattern.checks[1].what;
    }
    EXPECT_EQ(teePattern(geometry(presets())).checks[1].what, "主管开孔轴向长度 / x16");
}

TEST(TeePattern, BranchStationsAreTheListedLengthsAtTheListedArcs) {
    for (const TeeInputs& in : {presets(3), reducing(3)}) {
        const TeeGeometry g = geometry(in);
        const Piece branch = teePattern(g).pieces[0];
        const TeeListing lengths = branchListing(g);
        const TeeListing arcs = teeDivisionListing(computeTeeDivisions(in.d, in.n, 3));
        const int n = in.n;
        for (int i = 0; i <= n; ++i) {
            SCOPED_TRACE(i);
            const StationLabel* top = label(branch, "L" + numberText(i));
            const StationLabel* foot = label(branch, "D" + numberText(i));
            ASSERT_TRUE(top && foot);
            EXPECT_EQ(top->at.x, foot->at.x);
            EXPECT_EQ(foot->at.y, 0);
            EXPECT_EQ(top->at.y, g.L[static_cast<size_t>(i)]);
            EXPECT_TRUE(hasVertex(branch, top->at.x, top->at.y)) << "the cut passes through the station top";
            // Read back off the plate, rounded as the listings round.
            const auto& lengthLine = i <= n / 2 ? lengths.left[static_cast<size_t>(i)]
                                                : lengths.right[static_cast<size_t>(i - n / 2)];
            const auto& arcLine = i <= n / 2 ? arcs.left[static_cast<size_t>(i)]
                                             : arcs.right[static_cast<size_t>(i - n / 2)];
            EXPECT_EQ(measured("L", i, top->at.y, 3), lengthLine);
            EXPECT_EQ(measured("D", i, foot->at.x, 3), arcLine);
        }
    }
    const Piece branch = teePattern(geometry(presets())).pieces[0];
    EXPECT_NEAR(label(branch, "L4")->at.y, 595.98, 5e-4);
    EXPECT_NEAR(label(branch, "D1")->at.x, 109.956, 5e-4);
    EXPECT_NEAR(label(branch, "D32")->at.x, 3518.58, 5e-3);
}

TEST(TeePattern, BranchIsSymmetricAboutItsObtuseSideGenerator) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        const Piece branch = teePattern(geometry(c.in)).pieces[0];
        const double C = label(branch, "D" + numberText(c.in.n))->at.x;
        EXPECT_NEAR(label(branch, "D" + numberText(c.in.n / 2))->at.x, C / 2, 1e-9);
        for (const auto& v : branch.outline.vertices) EXPECT_TRUE(hasVertex(branch, C - v.x, v.y, 1e-6)) << v.x;
    }
}

TEST(TeePattern, CurvesBetweenStationsLieOnTheFinerDivision) {
    // The points between stations are where a tee divided kTeeCurvePoints
    // times finer puts its stations.
    for (const TeeInputs& in : {presets(), reducing()}) {
        const TeeGeometry g = geometry(in);
        TeeInputs fineInputs = in;
        fineInputs.n = in.n * kTeeCurvePoints;
        const TeeGeometry fine = geometry(fineInputs);
        const FlatPattern pattern = teePattern(g);
        const auto& cut = pattern.pieces[0].outline.vertices;
        // The base line, then the cut from generator n back to generator 0.
        ASSERT_EQ(cut.size(), 2u + fine.L.size());
        for (size_t k = 0; k < fine.L.size(); ++k) {
            const auto& v = cut[cut.size() - 1 - k];
            EXPECT_NEAR(v.y, fine.L[k], 1e-9) << k;
            EXPECT_NEAR(v.x, k * M_PI * (in.d + kBranchAllowance) / fineInputs.n, 1e-6) << k;
        }
        // The opening: one side from generator 0's point to the far end.
        const auto& outline = pattern.pieces[1].outline.vertices;
        for (size_t k = 0; k <= static_cast<size_t>(fineInputs.n / 2); ++k) {
            EXPECT_TRUE(hasVertex(pattern.pieces[1], fine.x[k], fine.y[k], 1e-9)) << k;
            EXPECT_TRUE(hasVertex(pattern.pieces[1], fine.x[k], -fine.y[k], 1e-9)) << k;
        }
        EXPECT_LE(outline.size(), static_cast<size_t>(fineInputs.n + 1));
    }
}

TEST(TeePattern, BranchMarksAndLabels) {
    const Piece branch = teePattern(geometry(presets())).pieces[0];
    EXPECT_EQ(branch.labels.size(), 66u);  // L0 ... L32 and D0 ... D32
    ASSERT_EQ(branch.marks.size(), 31u);   // generators 1 ... 31; 0 and 32 are the seam edges
    int quarters = 0;
    for (const auto& mark : branch.marks) {
        EXPECT_EQ(mark.from.y, 0);
        EXPECT_EQ(mark.from.x, mark.to.x);
        quarters += mark.kind == MarkKind::Quarter;
    }
    EXPECT_EQ(quarters, 3);
    EXPECT_EQ(branch.marks[15].kind, MarkKind::Quarter);  // generator 16, the obtuse side
    EXPECT_EQ(branch.marks[15].to.y, label(branch, "L16")->at.y);
}

TEST(TeePattern, OpeningStationsAreTheListedCoordinates) {
    for (const TeeInputs& in : {presets(3), reducing(3)}) {
        const TeeGeometry g = geometry(in);
        const Piece opening = teePattern(g).pieces[1];
        const TeeListing listing = openingListing(g);
        for (int i = 0; i <= in.n / 2; ++i) {
            SCOPED_TRACE(i);
            const StationLabel* along = label(opening, "x" + numberText(i));
            const StationLabel* round = label(opening, "y" + numberText(i));
            ASSERT_TRUE(along && round);
            EXPECT_EQ(along->at.y, 0) << "x stations stand on the axis line";
            EXPECT_EQ(round->at.x, along->at.x);
            EXPECT_EQ(measured("x", i, along->at.x, 3), listing.left[static_cast<size_t>(i)]);
            EXPECT_EQ(measured("y", i, round->at.y, 3), listing.right[static_cast<size_t>(i)]);
            EXPECT_TRUE(hasVertex(opening, round->at.x, round->at.y));
            EXPECT_TRUE(hasVertex(opening, round->at.x, -round->at.y));
        }
    }
    // The named values: x16 = d / sin 45 for the equal tee, y8 a quarter of
    // the main girth; the right-angled reducing tee's x8 = d and y4 = 317.
    const Piece equal = teePattern(geometry(presets())).pieces[1];
    EXPECT_NEAR(label(equal, "x16")->at.x, 1120 / std::sin(M_PI / 4), 1e-3);
    EXPECT_NEAR(label(equal, "y8")->at.y, M_PI * 1120 / 4, kTolerance);
    const Piece right = teePattern(geometry(reducing())).pieces[1];
    EXPECT_NEAR(label(right, "x8")->at.x, 600, 1e-6);
    EXPECT_EQ(roundedText(label(right, "y4")->at.y, 0), "317");
}

TEST(TeePattern, OpeningIsSymmetricAboutTheAxisLine) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        const TeeGeometry g = geometry(c.in);
        const Piece opening = teePattern(g).pieces[1];
        for (const auto& v : opening.outline.vertices) EXPECT_TRUE(hasVertex(opening, v.x, -v.y, 1e-9)) << v.x;
        const MarkLine& axis = opening.marks.front();
        EXPECT_EQ(axis.kind, MarkKind::CentreLine);
        EXPECT_EQ(axis.from, (Point2{0, 0}));
        EXPECT_EQ(axis.to, (Point2{g.x[static_cast<size_t>(c.in.n / 2)], 0}));
        // One mark per inner station, across the opening from side to side.
        ASSERT_EQ(opening.marks.size(), static_cast<size_t>(c.in.n / 2));
        for (size_t i = 1; i < opening.marks.size(); ++i) {
            EXPECT_EQ(opening.marks[i].from.x, g.x[i]);
            EXPECT_EQ(opening.marks[i].from.y, -opening.marks[i].to.y);
            EXPECT_EQ(opening.marks[i].to.y, g.y[i]);
        }
        EXPECT_EQ(opening.labels.size(), static_cast<size_t>(c.in.n + 2));
    }
}

TEST(TeePattern, OpeningWidthIsHalfTheMainGirthForAnEqualTee) {
    // An equal tee's opening reaches a quarter of the main girth either side
    // of the axis line; a reducing one less.
    auto width = [](const TeeInputs& in) {
        double low = 0, high = 0;
        const FlatPattern pattern = teePattern(geometry(in));
        for (const auto& v : pattern.pieces[1].outline.vertices) {
            low = std::min(low, v.y);
            high = std::max(high, v.y);
        }
        return high - low;
    };
    EXPECT_NEAR(width(presets()), M_PI * 1120 / 2, kTolerance);
    EXPECT_NEAR(width(reducing()), 2 * 560 * std::asin(300.0 / 560), 1e-3);
}

TEST(TeePattern, NoShortSideOrNoMeetingRadiusCannotBeCut) {
    for (const Case& c : cases()) EXPECT_TRUE(teePatternCuttable(geometry(c.in))) << c.what;
    // The cut would run below the square-cut end.
    const TeeGeometry below = geometry(inputs(1120, 600, 45, -50));
    EXPECT_FALSE(teePatternCuttable(below));
    EXPECT_TRUE(selfIntersects(teePattern(below).pieces[0].outline));
    EXPECT_FALSE(teePatternCuttable(geometry(inputs(1120, 600, 45, 0))));
    // A wall as thick as the branch's radius leaves nothing to meet the main pipe.
    EXPECT_FALSE(teePatternCuttable(geometry(inputs(1120, 600, 45, 200, 300))));
    EXPECT_FALSE(teePatternCuttable(geometry(inputs(1120, 0, 45))));
}

}  // namespace
}  // namespace korvel
