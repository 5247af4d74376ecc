// The elbow window's pattern export: the title block's data from the window's
// state, and the inputs the export refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
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

// Each seam place rolled up: every generator its length on the mean pipe
// (D 1110) at its true angle from the inner side, the seam edge the throat's
// (1680 - 555) tan 15° = 301.44, the heel's (1680 + 555) tan 15° = 598.86 (an
// end section; twice that a middle one), and the listing's station named there.
TEST(ElbowExport, SeamsAtTheThroatTheHeelOrAlternatingRollIntoThePipe) {
    const double pi = std::numbers::pi, R = 1680, r = 555, T = std::tan(15 * pi / 180);
    const auto sectionLength = [&](double phi, bool end) { return (end ? 1 : 2) * (R - r * std::cos(phi)) * T; };
    struct Case {
        const char* seam;
        std::vector<double> seamPhi;  // each piece's seam, from the inner side
        const char* endLabel;         // the end listing's station at the throat or heel
    };
    const Case cases[] = {{"throat", {0, 0}, "L4"}, {"heel", {pi, pi}, "L12"}, {"alternate", {0, pi, 0, pi}, "L4"}};
    for (const Case& c : cases) {
        const PatternExport e = elbowPatternExport(presets(), {.seam = c.seam});
        ASSERT_FALSE(e.rejected()) << c.seam;
        ASSERT_EQ(e.pattern.pieces.size(), c.seamPhi.size()) << c.seam;
        for (size_t p = 0; p < c.seamPhi.size(); ++p) {
            const Piece& piece = e.pattern.pieces[p];
            const bool end = piece.name.starts_with("端节");
            EXPECT_NEAR(testing::girth(piece), pi * 1110, 0.01) << c.seam << piece.name;
            double left = 1e300, low = 1e300, high = -1e300;
            for (const Vertex& v : piece.outline.vertices) left = std::min(left, v.x);
            for (const Vertex& v : piece.outline.vertices)
                if (v.x == left) low = std::min(low, v.y), high = std::max(high, v.y);
            EXPECT_NEAR(high - low, sectionLength(c.seamPhi[p], end), 0.01) << c.seam << piece.name;
            for (const auto& [x, length] : testing::generatorLines(piece))
                EXPECT_NEAR(length, sectionLength((x - left) / r + c.seamPhi[p], end), 0.01) << c.seam << x;
        }
        const Piece& first = e.pattern.pieces.front();
        const auto seamLabel = std::ranges::find_if(first.labels, [](const StationLabel& l) {
            return l.text.starts_with("L") && l.at.x == 0;
        });
        ASSERT_NE(seamLabel, first.labels.end());
        EXPECT_EQ(seamLabel->text, c.endLabel) << c.seam;
    }

    // The strip: each section clear of the next at every station, the strip
    // 6 R tan 15° = 2700.93 long on the axis with three gaps of 105 (three
    // 35 mm text heights, a hundredth of the girth 3487), shorter than the four
    // sections' heights 2 * 598.86 + 2 * 1197.72 laid end to end.
    const PatternExport e = elbowPatternExport(presets(), {.seam = "alternate"});
    double bottom = 1e300, top = -1e300, stacked = 0;
    for (size_t p = 0; p < e.pattern.pieces.size(); ++p) {
        const auto& v = e.pattern.pieces[p].outline.vertices;
        const auto [lo, hi] = std::ranges::minmax(v, {}, &Vertex::y);
        bottom = std::min(bottom, lo.y), top = std::max(top, hi.y), stacked += hi.y - lo.y;
        if (p == 0) continue;
        std::map<double, double> below, above;  // by station: the lower piece's top, this one's bottom
        for (const Vertex& u : e.pattern.pieces[p - 1].outline.vertices)
            below[u.x] = std::max(below.contains(u.x) ? below[u.x] : -1e300, u.y);
        for (const Vertex& u : v) above[u.x] = std::min(above.contains(u.x) ? above[u.x] : 1e300, u.y);
        for (const auto& [x, y] : above) EXPECT_GT(y - below.at(x), 1) << p << " at " << x;
    }
    EXPECT_LT(top - bottom, stacked);
    EXPECT_NEAR(top - bottom, 6 * R * T + 3 * 105, 0.01);
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
    EXPECT_EQ(e.rejection.effects, (std::vector<Effect>{ShowMessage{"没有钢板厚度，不能按中性层展开！请给出钢板厚度，或按输入尺寸展开。",
                                                                    MessageIcon::Error, "错误："},
                                                        FocusBox{"Text4"}}));
    state.texts["Text4"] = "560";  // half the diameter: no bore
    EXPECT_EQ(elbowPatternExport(state, {}).rejection.effects.back(), Effect(FocusBox{"Text4"}));
    EXPECT_FALSE(elbowPatternExport(state, {DevelopedSurface::Typed, {}}).rejected()) << "the wall only weighs";
}

}  // namespace
}  // namespace korvel
