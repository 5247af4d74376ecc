// The Y-tee's true-size pipe patterns, checked the way a plater checks them:
// closed outlines, the developed girth, the stations at the listed lengths,
// the sharp corners where the mitre planes change, and the symmetry.

#include "core/fittings/tee/ytee_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/numbers.h"

namespace korvel {
namespace {

constexpr double kTolerance = 0.01;  // mm

// D 720, L 800, 75°, 16 parts.
YTeeInputs presets(int digits = 0, int n = 16) { return {720, 800, 75, n, digits}; }

FlatPattern pattern(const YTeeInputs& in) {
    const YTeeGeometry vertical = computeYTee(in, YTeePipe::Vertical);
    const YTeeGeometry slanted = computeYTee(in, YTeePipe::Slanted);
    EXPECT_EQ(vertical.fault, YTeeFault::None);
    EXPECT_EQ(slanted.fault, YTeeFault::None);
    return yTeePattern(vertical, slanted);
}

const StationLabel* label(const Piece& piece, const std::string& text) {
    for (const auto& l : piece.labels)
        if (l.text == text) return &l;
    return nullptr;
}

bool hasVertex(const Piece& piece, double x, double y, double tolerance) {
    for (const auto& v : piece.outline.vertices)
        if (std::fabs(v.x - x) <= tolerance && std::fabs(v.y - y) <= tolerance) return true;
    return false;
}

// The cut's vertex at station k (the base line's corners lie at height 0).
const Vertex* cutVertex(const Piece& piece, double x) {
    const Vertex* found = nullptr;
    for (const auto& v : piece.outline.vertices)
        if (v.x == x && (!found || v.y > found->y)) found = &v;
    return found;
}

const std::vector<YTeeInputs>& cases() {
    static const std::vector<YTeeInputs> all = {
        presets(), presets(0, 8), presets(0, 100), {720, 1500, 30, 16, 0}, {500, 600, 120, 24, 0},
        {1000, 900, 180, 32, 0},
    };
    return all;
}

TEST(YTeePattern, VerticalOnceSlantedTwice) {
    const FlatPattern p = pattern(presets());
    EXPECT_EQ(p.fitting, "等径丫形三通");
    ASSERT_EQ(p.pieces.size(), 2u);
    EXPECT_EQ(p.pieces[0].name, "竖管");
    EXPECT_EQ(p.pieces[0].count, 1);
    EXPECT_EQ(p.pieces[1].name, "斜管");
    EXPECT_EQ(p.pieces[1].count, 2);
}

TEST(YTeePattern, OutlinesClosedSimpleAndTheGirthIsPiD) {
    for (const YTeeInputs& in : cases()) {
        SCOPED_TRACE(testing::Message() << "D " << in.D << " beta " << in.beta << " n " << in.n);
        const FlatPattern p = pattern(in);
        for (const Piece& piece : p.pieces) {
            EXPECT_TRUE(piece.outline.closed) << piece.name;
            EXPECT_FALSE(selfIntersects(piece.outline)) << piece.name;
            EXPECT_GT(polylineArea(piece.outline), 0) << piece.name << " runs counter-clockwise";
        }
        ASSERT_EQ(p.checks.size(), 2u);
        EXPECT_EQ(p.checks[0].what, "竖管展开长度 / πD");
        EXPECT_EQ(p.checks[1].what, "斜管展开长度 / πD");
        for (const auto& check : p.checks) {
            EXPECT_NEAR(check.expected, M_PI * in.D, 1e-9);
            EXPECT_NEAR(check.actual, check.expected, kTolerance) << check.what;
        }
    }
}

TEST(YTeePattern, StationsAreTheListedLengthsAtTheListedArcs) {
    const YTeeInputs in = presets(3);
    const TeeListing arcs = yTeeDivisionListing(computeTeeDivisions(in.D, in.n, 3));
    const FlatPattern p = pattern(in);
    for (const YTeePipe pipe : {YTeePipe::Vertical, YTeePipe::Slanted}) {
        const YTeeGeometry g = computeYTee(in, pipe);
        const TeeListing lengths = yTeeListing(g);
        const Piece& piece = p.pieces[pipe == YTeePipe::Vertical ? 0 : 1];
        for (int k = 0; k <= in.n; ++k) {
            SCOPED_TRACE(testing::Message() << piece.name << " " << k);
            const StationLabel* top = label(piece, "L" + numberText(k));
            const StationLabel* foot = label(piece, "D" + numberText(k));
            ASSERT_TRUE(top && foot);
            EXPECT_EQ(top->at.x, foot->at.x);
            EXPECT_EQ(foot->at.y, 0);
            EXPECT_EQ(top->at.y, g.L[static_cast<size_t>(k)]);
            const Vertex* v = cutVertex(piece, top->at.x);
            ASSERT_TRUE(v);
            EXPECT_EQ(v->y, top->at.y) << "the cut passes through the station top";
            // Read back off the plate, rounded as the listings round them.
            const size_t row = static_cast<size_t>(k <= in.n / 2 ? k : k - in.n / 2);
            EXPECT_EQ(" L" + numberText(k) + "=" + roundedText(top->at.y, 3),
                      k <= in.n / 2 ? lengths.left[row] : lengths.right[row]);
            EXPECT_EQ(" D" + numberText(k) + "=" + roundedText(foot->at.x, 3),
                      k <= in.n / 2 ? arcs.left[row] : arcs.right[row]);
        }
    }
    // The listing's named values with whole numbers.
    const FlatPattern presetPattern = pattern(presets());
    const Piece& slanted = presetPattern.pieces[1];
    EXPECT_EQ(roundedText(label(slanted, "L5")->at.y, 0), "620");
    EXPECT_EQ(roundedText(label(slanted, "L8")->at.y, 0), "331");
    EXPECT_EQ(roundedText(label(slanted, "L12")->at.y, 0), "800");
    EXPECT_EQ(roundedText(label(slanted, "D16")->at.x, 0), "2262");
}

TEST(YTeePattern, CutsBetweenStationsLieOnTheFinerDivision) {
    // The points between stations are where a pipe divided kYTeeCurvePoints
    // times finer has its stations.
    for (const YTeePipe pipe : {YTeePipe::Vertical, YTeePipe::Slanted}) {
        const YTeeInputs in = presets();
        const YTeeGeometry fine = computeYTee(presets(0, in.n * kYTeeCurvePoints), pipe);
        const Piece piece = yTeePipePiece(computeYTee(in, pipe));
        const auto& v = piece.outline.vertices;
        // The base line, then the cut from generator n back to generator 0.
        ASSERT_EQ(v.size(), 2u + fine.L.size());
        for (size_t k = 0; k < fine.L.size(); ++k) {
            EXPECT_NEAR(v[v.size() - 1 - k].y, fine.L[k], 1e-9) << k;
            EXPECT_NEAR(v[v.size() - 1 - k].x, k * M_PI * in.D / (in.n * kYTeeCurvePoints), 1e-6) << k;
        }
    }
}

TEST(YTeePattern, TheCutTurnsSharplyAtTheQuarterStations) {
    // Both pipes reach the full length L only at generators n/4 and 3n/4,
    // where the cut changes plane: it falls away on both sides of the
    // corner, steeper than any chord between stations elsewhere would allow
    // for a smooth curve.
    // (At 180 degrees the slanted pipes meet square: no corner there.)
    for (const YTeeInputs& in : cases()) {
        if (in.beta == 180) continue;
        const FlatPattern p = pattern(in);
        for (const Piece& piece : p.pieces) {
            SCOPED_TRACE(testing::Message() << piece.name << " beta " << in.beta << " n " << in.n);
            double highest = -1e300;
            for (const auto& v : piece.outline.vertices) highest = std::max(highest, v.y);
            EXPECT_NEAR(highest, in.L, 1e-6);
            for (int k : {in.n / 4, 3 * in.n / 4}) {
                const double x = label(piece, "D" + numberText(k))->at.x;
                const auto& v = piece.outline.vertices;
                size_t at = 0;
                while (at < v.size() && !(v[at].x == x && v[at].y > 0)) ++at;
                ASSERT_LT(at + 1, v.size());
                EXPECT_NEAR(v[at].y, in.L, 1e-6);
                const double before = (v[at].y - v[at + 1].y) / std::fabs(v[at].x - v[at + 1].x);
                const double after = (v[at].y - v[at - 1].y) / std::fabs(v[at].x - v[at - 1].x);
                EXPECT_GT(before, 0.1);
                EXPECT_GT(after, 0.1);
            }
        }
    }
}

TEST(YTeePattern, PipesAreSymmetricAboutTheHalfGenerator) {
    for (const YTeeInputs& in : cases()) {
        for (const Piece& piece : pattern(in).pieces) {
            SCOPED_TRACE(testing::Message() << piece.name << " beta " << in.beta << " n " << in.n);
            const double C = label(piece, "D" + numberText(in.n))->at.x;
            EXPECT_NEAR(label(piece, "D" + numberText(in.n / 2))->at.x, C / 2, 1e-9);
            for (const auto& v : piece.outline.vertices) EXPECT_TRUE(hasVertex(piece, C - v.x, v.y, 1e-6)) << v.x;
        }
    }
}

TEST(YTeePattern, GeneratorsAndQuarterLines) {
    const FlatPattern p = pattern(presets());
    for (const Piece& piece : p.pieces) {
        EXPECT_EQ(piece.labels.size(), 34u);  // L0 ... L16 and D0 ... D16
        ASSERT_EQ(piece.marks.size(), 15u);   // generators 1 ... 15; 0 and 16 are the seam edges
        for (size_t i = 0; i < piece.marks.size(); ++i) {
            const auto& mark = piece.marks[i];
            const bool quarter = i + 1 == 4 || i + 1 == 8 || i + 1 == 12;
            EXPECT_EQ(mark.kind, quarter ? MarkKind::Quarter : MarkKind::Generator) << i + 1;
            EXPECT_EQ(mark.from, (Point2{mark.to.x, 0}));
            EXPECT_EQ(mark.to, label(piece, "L" + numberText(static_cast<int>(i) + 1))->at);
        }
    }
}

TEST(YTeePattern, PipesTooShortForTheirMitresCannotBeCut) {
    auto cuttable = [](const YTeeInputs& in) {
        return yTeePatternCuttable(computeYTee(in, YTeePipe::Vertical), computeYTee(in, YTeePipe::Slanted));
    };
    EXPECT_TRUE(cuttable(presets()));
    for (const YTeeInputs& in : cases()) EXPECT_TRUE(cuttable(in)) << in.beta;
    // At 30 degrees the slanted pipes' mitre reaches 360 / tan 15 = 1344 back
    // from the centre point: an 800 pipe's cut runs below its square end.
    const YTeeInputs tooShort{720, 800, 30, 16, 0};
    EXPECT_FALSE(cuttable(tooShort));
    EXPECT_TRUE(selfIntersects(pattern(tooShort).pieces[1].outline));
    EXPECT_TRUE(cuttable({720, 1344, 30, 16, 0}));
    // The vertical pipe's own mitre reaches 360 tan(45) = 360 at 180 degrees.
    EXPECT_FALSE(cuttable({720, 359, 180, 16, 0}));
    EXPECT_TRUE(cuttable({720, 361, 180, 16, 0}));
}

}  // namespace
}  // namespace korvel
