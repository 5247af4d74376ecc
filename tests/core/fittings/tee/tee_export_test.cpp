// The tee and Y-tee windows' pattern exports: the title block's data, the
// checks that refuse, and the patterns that cannot be cut.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/fittings/tee/tee_design.h"
#include "core/fittings/tee/tee_export.h"
#include "support/pipe_space.h"

namespace korvel {
namespace {

Effect plain(const std::string& text) { return ShowMessage{text, MessageIcon::None, ""}; }

TEST(TeeExport, BranchAndOpeningWithTheBranchWallOnlyOnTheBranch) {
    FormState state = teeDesign().presetState();
    PatternExport e = teePatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    ASSERT_EQ(e.pattern.pieces.size(), 2u);
    EXPECT_EQ(e.thickness, (std::vector<double>{0, 0})) << "a wall of 0 gives no weight";
    ASSERT_EQ(e.inputs.size(), 6u);
    EXPECT_EQ(e.inputs[3].caption, "输入支管短边：");
    EXPECT_EQ(e.inputs[5].caption, "选择圆周等份：");
    EXPECT_EQ(e.inputs[5].text, "32");

    state.texts["Text1(1)"] = "800";
    state.texts["Text1(4)"] = "8";
    e = teePatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(e.thickness, (std::vector<double>{8, 0}));
    EXPECT_EQ(e.fileName, "三通展开图_D1120_d800_45度.dxf");
}

TEST(TeeExport, ChecksThatGoOnInTheWindowStopTheExport) {
    FormState state = teeDesign().presetState();
    state.texts["Text1(2)"] = "95";
    const PatternExport e = teePatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects, (std::vector<Effect>{plain("请您正确输入两管之间夹角,程序执行默认数据！"),
                                                        FocusBox{"Text1(2)"}, SetBoxText{"Text1(2)", "45"}}));
}

TEST(TeeExport, UncuttablePatternsAreRefusedAtTheBoxToMend) {
    FormState state = teeDesign().presetState();
    state.texts["Text1(3)"] = "-5";
    PatternExport e = teePatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects,
              (std::vector<Effect>{plain("请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！"),
                                   FocusBox{"Text1(3)"}}));

    state = teeDesign().presetState();
    state.texts["Text1(1)"] = "600";
    state.texts["Text1(4)"] = "300";  // as thick as half the branch: no meeting radius
    e = teePatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects,
              (std::vector<Effect>{plain("请您正确输入支管壁厚，壁厚不得大于或等于支管外径的一半，否则展开图无法下料！"),
                                   FocusBox{"Text1(4)"}}));
}

TEST(YTeeExport, BothPipesOrTheLengthToMend) {
    FormState state = yTeeDesign().presetState();
    PatternExport e = yTeePatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    ASSERT_EQ(e.pattern.pieces.size(), 2u);
    EXPECT_EQ(e.pattern.pieces[1].count, 2);
    EXPECT_EQ(e.thickness, (std::vector<double>{0, 0})) << "the window knows no wall";
    EXPECT_EQ(e.inputs.back().caption, "选择圆周等份");
    EXPECT_EQ(e.fileName, "丫形三通展开图_D720_L800_75度.dxf");

    state.texts["Text1(1)"] = "200";
    e = yTeePatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects.back(), Effect(FocusBox{"Text1(1)"}));

    state = yTeeDesign().presetState();
    state.texts["Combo1(0)"] = "10";
    e = yTeePatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects,
              (std::vector<Effect>{plain("等份数必须是4的倍数（4～1000）！"), FocusBox{"Combo1(0)"}}));
}

// A branch of 800 with an 8 mm wall set on a main pipe of 1120 at 45° and at
// 90°, short side 200, 32 parts. In space: the main pipe round the x axis,
// y² + z² = 560²; the branch's axis from the origin along (cos a, 0, sin a).
// The wall's end is cut square to the plate, so every generator of the
// branch, on any surface, ends where the generator of the meeting radius
// 400 - 8 = 392 at its angle meets the main pipe's outside.
TEST(TeeExport, EverySurfaceRollsTheBranchOntoTheMainPipe) {
    struct Case {
        std::optional<DevelopedSurface> surface;
        double diameter;  // of the surface, worked by hand
    };
    const Case cases[] = {{{}, 792}, {DevelopedSurface::Outside, 800}, {DevelopedSurface::Inside, 784},
                          {DevelopedSurface::Typed, 800}};
    const double pi = std::numbers::pi, R = 560, meeting = 392, shortSide = 200;
    for (const double alpha : {45.0, 90.0}) {
        const double a = alpha * pi / 180;
        // How far along the axis the meeting generator at angle theta from
        // the acute side reaches the main pipe's upper half.
        const auto reach = [&](double theta) {
            const double y = meeting * std::sin(theta);
            return (std::sqrt(R * R - y * y) + meeting * std::cos(theta) * std::cos(a)) / std::sin(a);
        };
        FormState state = teeDesign().presetState();
        state.texts["Text1(1)"] = "800";
        state.texts["Text1(2)"] = alpha == 45 ? "45" : "90";
        state.texts["Text1(4)"] = "8";
        const Piece typedOpening = teePatternExport(state, {DevelopedSurface::Typed, {}}).pattern.pieces.at(1);
        for (const Case& c : cases) {
            const PatternExport e = teePatternExport(state, {c.surface, {}});
            ASSERT_FALSE(e.rejected());
            const Piece& branch = e.pattern.pieces.at(0);
            EXPECT_NEAR(testing::girth(branch), pi * c.diameter, 0.01) << alpha << " " << c.diameter;
            const auto lines = testing::generatorLines(branch);
            EXPECT_EQ(lines.size(), 31u);
            for (const auto& [x, length] : lines)
                EXPECT_NEAR(length, shortSide + reach(0) - reach(x / (c.diameter / 2)), 0.01) << alpha << " " << x;
            if (c.surface == DevelopedSurface::Typed) {
                EXPECT_EQ(e.pattern.pieces.at(1).outline.vertices, typedOpening.outline.vertices);
            }
        }
    }
}

// pi 1110 / 32 = 108.97 per part; the hole and the generators as listed.
TEST(TeeExport, TheBranchsSizesOrARefusal) {
    FormState state = teeDesign().presetState();
    EXPECT_EQ(teePatternExport(state, {}).developed, DevelopedSurface::Typed) << "no wall: as typed";
    PatternExport e = teePatternExport(state, {{}, 10.0});
    EXPECT_EQ(e.developedSizes, (std::vector<std::string>{"中性层：d = 1110 mm（支管外径 1120 − 壁厚 10）",
                                                          "开孔：中性层：D = 1110 mm（主管外径 1120 − 壁厚 10）",
                                                          "接头：骑座式（支管骑在主管上），主管壁厚 10 mm（同支管壁厚）"}));
    ASSERT_EQ(e.stationTable.size(), 4u) << "the plate's wall moves the cut off the window's (wall 0)";
    EXPECT_EQ(e.stationTable[0].find("  支管素线：L0=200，L1=225，"), 0u) << e.stationTable[0];
    EXPECT_EQ(e.stationTable[1].find("  支管圆周等份（从接缝量起）：D0=0，D1=109，D2=218，"), 0u) << e.stationTable[1];
    EXPECT_EQ(teePatternExport(state, {DevelopedSurface::Inside, {}}).rejection.effects,
              (std::vector<Effect>{plain("没有钢板厚度，不能按内表面展开！请给出钢板厚度，或按输入尺寸展开。"), FocusBox{"Text1(4)"}}));
    EXPECT_EQ(teePatternExport(state, {{}, 560.0}).rejection.effects.back(), Effect(FocusBox{"Text1(4)"}));
}

// D 1120 (main wall 12), d 800 (wall 8), built both ways and developed on the
// mean surfaces (792 and 1108). In space as above: the branch's construction
// cylinder (set-on its bore, 392; set-in its outside, 400) meets the main
// pipe's (set-on its outside, 560; set-in its bore, 548), and the short side
// 200 is the generator at the acute side.
TEST(TeeExport, BothJointsRollBackOntoTheirConstruction) {
    const double pi = std::numbers::pi, Ls = 200, Rs = 554, developed = 792;
    for (const BranchJoint joint : {BranchJoint::SetOn, BranchJoint::SetIn})
        for (const double alpha : {45.0, 90.0}) {
            const double r = joint == BranchJoint::SetOn ? 392 : 400, R = joint == BranchJoint::SetOn ? 560 : 548;
            const double A = alpha * pi / 180;
            const testing::Vec3 axis{std::cos(A), 0, std::sin(A)}, u{std::sin(A), 0, -std::cos(A)}, v{0, 1, 0};
            FormState state = teeDesign().presetState();
            state.texts["Text1(1)"] = "800";
            state.texts["Text1(2)"] = alpha == 45 ? "45" : "90";
            state.texts["Text1(4)"] = "8";
            const PatternExport e = teePatternExport(state, {{}, {}, joint, 12.0, {}});
            ASSERT_FALSE(e.rejected());
            const Piece& branch = e.pattern.pieces.at(0);
            EXPECT_NEAR(testing::girth(branch), pi * developed, 0.01);
            // The free end: the acute side's generator reaches the main
            // pipe (y = 0, z = R) at (R + r cos A) / sin A along the axis.
            const double end = (R + r * std::cos(A)) / std::sin(A) + Ls;
            for (const Vertex& p : branch.outline.vertices) {
                if (p.y == 0) continue;  // the square-cut end
                const double theta = p.x / (developed / 2);
                const testing::Vec3 q = (end - p.y) * axis + r * std::cos(theta) * u + r * std::sin(theta) * v;
                EXPECT_NEAR(std::hypot(q.y, q.z), R, 0.05) << alpha << " " << p.x;
            }
            // The hole on the main pipe's mean surface, x towards the obtuse
            // side from where the acute side's cylinder line passes it.
            const double x0 = (Rs + r * std::cos(A)) / std::sin(A) * std::cos(A) + r * std::sin(A);
            for (const Vertex& p : e.pattern.pieces.at(1).outline.vertices) {
                const testing::Vec3 q{x0 - p.x, Rs * std::sin(p.y / Rs), Rs * std::cos(p.y / Rs)};
                const testing::Vec3 off = q + (-testing::dot(q, axis)) * axis;
                EXPECT_NEAR(std::sqrt(testing::dot(off, off)), r, 0.05) << alpha << " " << p.x;
            }
            // The walls meet at alpha on the acute side and 180 - alpha
            // on the obtuse side, written on the marking layer.
            std::vector<std::string> angles;
            for (const StationLabel& l : branch.labels)
                if (l.marking) angles.push_back(l.text);
            ASSERT_EQ(angles.size(), 33u);
            EXPECT_EQ(angles[0], alpha == 45 ? "45°" : "90°");
            EXPECT_EQ(angles[16], alpha == 45 ? "135°" : "90°");
        }
}

// The preset tee from 10 mm walls, set-on: the long side is 200 + 2 × 550 /
// tan 45° = 1300 under the branch's bore; seam=opposite starts there.
TEST(TeeExport, TheSeamOppositeTheCrotchAndTheJointsRefused) {
    FormState state = teeDesign().presetState();
    state.texts["Text1(4)"] = "10";
    const Piece branch = teePatternExport(state, {{}, {}, {}, {}, "opposite"}).pattern.pieces.at(0);
    const auto heightAt = [&](double x) {
        double h = 0;
        for (const Vertex& p : branch.outline.vertices)
            if (std::fabs(p.x - x) < 1e-6) h = std::max(h, p.y);
        return h;
    };
    EXPECT_NEAR(heightAt(0), 1300, 1e-6);
    EXPECT_NEAR(heightAt(std::numbers::pi * 1110 / 2), 200, 1e-6);
    EXPECT_EQ(branch.labels.front().text, "L16");

    PatternExport e = teePatternExport(state, {{}, {}, BranchJoint::SetIn, {}, {}});
    ASSERT_TRUE(e.rejected()) << "an outside of 1120 into a bore of 1100";
    EXPECT_EQ(e.rejection.effects.back(), Effect(FocusBox{"Text1(1)"}));
    e = teePatternExport(state, {DevelopedSurface::Typed, {}, BranchJoint::SetOn, {}, {}});
    ASSERT_TRUE(e.rejected()) << "the sizes as typed have no wall";
}

// The preset Y-tee (D 720, L 800, 75°, 16 parts) from 6 mm plate. In space:
// the centre point at the origin, the vertical pipe up the z axis, the slanted
// pipes down at 37.5° either side of it; every joint is the plane halving the
// angle between two axes, and a pipe ends at the first of its two planes.
TEST(YTeeExport, EverySurfaceRollsIntoPipesThatMeetOnTheMitrePlanes) {
    struct Case {
        std::optional<DevelopedSurface> surface;
        double diameter;
    };
    const Case cases[] = {{{}, 714}, {DevelopedSurface::Outside, 720}, {DevelopedSurface::Inside, 708},
                          {DevelopedSurface::Typed, 720}};
    using testing::Vec3;
    const double pi = std::numbers::pi, half = 37.5 * pi / 180, c = std::cos(half), s = std::sin(half);
    // Each pipe's axis, generator 0's side across it, and the normals of its
    // two joint planes (an axis less the other's), towards the pipe.
    struct Pipe {
        Vec3 axis, across, joints[2];
    };
    const Pipe pipes[] = {{{0, 0, 1}, {1, 0, 0}, {{-s, 0, 1 + c}, {s, 0, 1 + c}}},
                          {{s, 0, -c}, {c, 0, s}, {{s, 0, -c - 1}, {1, 0, 0}}}};
    for (const Case& k : cases) {
        const PatternExport e = yTeePatternExport(yTeeDesign().presetState(), {k.surface, 6.0});
        ASSERT_FALSE(e.rejected());
        const double r = k.diameter / 2;
        for (size_t p = 0; p < 2; ++p) {
            const Piece& piece = e.pattern.pieces.at(p);
            EXPECT_NEAR(testing::girth(piece), pi * k.diameter, 0.01) << piece.name << k.diameter;
            for (const auto& [x, generator] : testing::generatorLines(piece)) {
                const double theta = x / r;
                const Vec3 side = r * std::cos(theta) * pipes[p].across + r * std::sin(theta) * Vec3{0, 1, 0};
                double start = 0;
                for (const Vec3& joint : pipes[p].joints)
                    start = std::max(start, testing::distanceToPlane(side, pipes[p].axis, joint));
                EXPECT_NEAR(generator, 800 - start, 0.01) << piece.name << k.diameter << " at " << x;
            }
        }
    }
    EXPECT_TRUE(yTeePatternExport(yTeeDesign().presetState(), {DevelopedSurface::Mean, {}}).rejected());
    EXPECT_TRUE(yTeePatternExport(yTeeDesign().presetState(), {{}, 360.0}).rejected());
}

}  // namespace
}  // namespace korvel
