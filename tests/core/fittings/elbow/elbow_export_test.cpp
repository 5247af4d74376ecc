// The elbow window's pattern export: the title block's data from the window's
// state, and the inputs the export refuses.

#include <gtest/gtest.h>

#include <numbers>

#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/elbow/elbow_export.h"
#include "support/pipe_space.h"

namespace korvel {
namespace {

FormState presets() { return elbowDesign().presetState(); }

TEST(ElbowExport, PresetsGiveBothSectionsWithEveryInputAsTyped) {
    FormState state = presets();
    state.texts["Text1"] = "1120mm";  // read as 1120, quoted as typed
    const PatternExport e = elbowPatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    ASSERT_EQ(e.pattern.pieces.size(), 2u);
    EXPECT_EQ(e.pattern.fitting, "任意角度弯头");
    std::vector<std::string> rows;
    for (const TypedInput& in : e.inputs) rows.push_back(in.caption + in.text + "|" + in.unit);
    EXPECT_EQ(rows, (std::vector<std::string>{"输入管道外径：1120mm|mm", "输入弯曲半径：1680|mm",
                                              "输入弯曲角度：90|°", "输入管道壁厚：10|mm", "弯头节数：4|节",
                                              "圆周等份：16|等份"}));
    EXPECT_EQ(e.rounding, "取整数");
    EXPECT_EQ(e.thickness, (std::vector<double>{10, 10}));
    EXPECT_EQ(e.fileName, "弯头展开图_D1120_R1680_90度.dxf");
    EXPECT_FALSE(e.surface.empty());
}

TEST(ElbowExport, TwoSegmentsAnUnknownWallAndDecimals) {
    FormState state = presets();
    state.texts["Combo2"] = "2";
    state.texts["Text4"] = "";
    state.decimals = true;
    state.digits = 2;
    const PatternExport e = elbowPatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    ASSERT_EQ(e.pattern.pieces.size(), 1u) << "end sections only";
    EXPECT_EQ(e.thickness, (std::vector<double>{0}));
    EXPECT_EQ(e.rounding, "留小数（2位）");
}

TEST(ElbowExport, TheWindowsChecksAndAnInnerSideOfNoLengthAreRefused) {
    FormState state = presets();
    state.texts["Text3"] = "";
    PatternExport e = elbowPatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects,
              (std::vector<Effect>{ShowMessage{"弯曲角度不能为空！\n", MessageIcon::Error, "错误："}, FocusBox{"Text3"}}));

    // R = D / 2 passes the window's check, but the outside's sections pinch
    // to a point (the mean surface's do not).
    state = presets();
    state.texts["Text2"] = "560";
    EXPECT_FALSE(elbowPatternExport(state, {}).rejected());
    e = elbowPatternExport(state, {DevelopedSurface::Outside, {}});
    ASSERT_TRUE(e.rejected());
    ASSERT_EQ(e.rejection.effects.size(), 2u);
    const auto& message = std::get<ShowMessage>(e.rejection.effects[0]);
    EXPECT_EQ(message.title, "错误：");
    EXPECT_NE(message.text.find("弯曲半径等于外径一半"), std::string::npos);
    EXPECT_EQ(e.rejection.effects[1], Effect(FocusBox{"Text2"}));
    EXPECT_TRUE(e.pattern.pieces.empty());

    state.texts["Text2"] = "561";
    EXPECT_FALSE(elbowPatternExport(state, {DevelopedSurface::Outside, {}}).rejected());
}

// The preset elbow (R 1680, 90° in 4 segments: every cut 15° off square, 16
// parts) rolled from the pattern: each section is a cylinder of the chosen
// surface round the axis at R from the bend's axis (the y axis), its generator
// at angle phi from the inner side (R - r cos phi, r sin phi, z), cut by planes
// through the y axis.
TEST(ElbowExport, EverySurfaceRollsIntoItsOwnPipe) {
    struct Case {
        std::optional<DevelopedSurface> surface;
        const char* wall;
        std::optional<double> plate;
        double diameter;  // of the surface, worked by hand
    };
    const Case cases[] = {
        {{}, "10", {}, 1110},  // the mean surface by default
        {DevelopedSurface::Outside, "10", {}, 1120},
        {DevelopedSurface::Inside, "10", {}, 1100},
        {DevelopedSurface::Typed, "10", {}, 1120},
        {{}, "", 40, 1080},  // the plate thickness of the choices
    };
    const double pi = std::numbers::pi, R = 1680, cut = 15 * pi / 180;
    const testing::Vec3 up{0, 0, 1};
    const auto plane = [](double angle) { return testing::Vec3{-std::sin(angle), 0, std::cos(angle)}; };
    for (const Case& c : cases) {
        FormState state = presets();
        state.texts["Text4"] = c.wall;
        const PatternExport e = elbowPatternExport(state, {c.surface, c.plate});
        ASSERT_FALSE(e.rejected()) << c.diameter;
        ASSERT_EQ(e.pattern.pieces.size(), 2u);
        const double r = c.diameter / 2;
        for (const Piece& piece : e.pattern.pieces) {
            const bool end = piece.name == "端节";
            EXPECT_NEAR(testing::girth(piece), pi * c.diameter, 0.01) << piece.name << c.diameter;
            const auto lines = testing::generatorLines(piece);
            EXPECT_EQ(lines.size(), 15u);
            for (const auto& [x, length] : lines) {
                // Station 0 is a quarter point; the end section comes to the
                // inner side first, the middle section to the outer side.
                const double phi = x / r + (end ? -pi / 2 : pi / 2);
                const testing::Vec3 foot{R - r * std::cos(phi), r * std::sin(phi), 0};
                const double top = testing::distanceToPlane(foot, up, plane(cut));
                const double bottom = end ? 0 : testing::distanceToPlane(foot, up, plane(-cut));
                EXPECT_NEAR(length, top - bottom, 0.01) << piece.name << c.diameter << " at " << x;
            }
        }
    }
}

// The inner side's generator (1680 - 555) tan 15° = 301.44, a sixteenth of
// the girth pi 1110 / 16 = 217.95; the outside's sizes are the listing's.
TEST(ElbowExport, TheDevelopedSizesAndStationsOrARefusal) {
    PatternExport e = elbowPatternExport(presets(), {});
    EXPECT_EQ(e.developedSizes, (std::vector<std::string>{"中性层：D = 1110 mm（外径 1120 − 壁厚 10）"}));
    ASSERT_EQ(e.stationTable.size(), 3u);
    EXPECT_EQ(e.stationTable[0].find("  端节：L0 = 450，L1 = "), 0u);
    EXPECT_NE(e.stationTable[0].find("，L4 = 301，"), std::string::npos) << e.stationTable[0];
    EXPECT_EQ(e.stationTable[2].find("  圆周等份：D0 = 0，D1 = 218，"), 0u);
    EXPECT_TRUE(elbowPatternExport(presets(), {DevelopedSurface::Outside, {}}).stationTable.empty());

    FormState state = presets();
    state.texts["Text4"] = "";
    EXPECT_EQ(elbowPatternExport(state, {}).developed, DevelopedSurface::Typed) << "no wall: as typed";
    e = elbowPatternExport(state, {DevelopedSurface::Mean, {}});
    EXPECT_EQ(e.rejection.effects, (std::vector<Effect>{ShowMessage{"按中性层展开需要板厚，请输入壁厚！",
                                                                    MessageIcon::Error, "错误："},
                                                        FocusBox{"Text4"}}));
    state.texts["Text4"] = "560";  // half the diameter: no bore
    EXPECT_EQ(elbowPatternExport(state, {}).rejection.effects.back(), Effect(FocusBox{"Text4"}));
    EXPECT_FALSE(elbowPatternExport(state, {DevelopedSurface::Typed, {}}).rejected()) << "the wall only weighs";
}

}  // namespace
}  // namespace korvel
