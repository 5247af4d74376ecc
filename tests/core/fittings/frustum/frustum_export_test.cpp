// The rectangular frustum and cone windows' pattern exports: what the title
// block quotes for each variant, and the developments refused.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/frustum_design.h"
#include "core/fittings/frustum/frustum_export.h"
#include "core/fittings/frustum/rect_frustum_commands.h"

namespace korvel {
namespace {

Effect error(const std::string& text) { return ShowMessage{text, MessageIcon::Error, "错误："}; }

std::vector<std::string> rows(const PatternExport& e) {
    std::vector<std::string> out;
    for (const TypedInput& in : e.inputs) out.push_back(in.caption + in.text);
    return out;
}

TEST(RectFrustumExport, TheOffsetCaptionNamesTheDirectionAndTheFlatOrSidelessAreRefused) {
    FormState state = rectFrustumDesign().presetState();
    state.texts["Combo1"] = kSouthOffset;
    state.texts["Text1(6)"] = "50";
    PatternExport e = rectFrustumPatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(rows(e).back(), "偏心方位：单双偏心向东向南偏移");
    EXPECT_EQ(rows(e)[6], "纵边向南偏心：50");
    EXPECT_EQ(e.thickness, (std::vector<double>{0}));
    EXPECT_EQ(e.fileName, "矩方锥台展开图_2200x1500_1200x500_H1000.dxf");

    state = rectFrustumDesign().presetState();
    state.texts["Text1(4)"] = "0";
    e = rectFrustumPatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects, (std::vector<Effect>{error("上下端口垂直高为0，各面展开后首尾重合，不能生成展开图！"),
                                                        FocusBox{"Text1(4)"}}));
    state.texts["Text1(4)"] = "1000";
    state.texts["Text1(3)"] = "";
    e = rectFrustumPatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects,
              (std::vector<Effect>{error("展开图需要大于0的大小端口边长！"), FocusBox{"Text1(3)"}}));
}

TEST(ConeExport, TheConeVariantQuotesOnlyTheRowsItShows) {
    FormState state = coneDesign().presetState();
    state.texts["Text1(3)"] = "6";
    PatternExport e = conePatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(rows(e), (std::vector<std::string>{"输入小端口外径：500", "输入大端口外径：1000", "输入两端垂直高：500",
                                                 "输入钢板厚度：6", "展开方式：正心圆锥台展开放样"}));
    EXPECT_EQ(e.thickness, (std::vector<double>{6}));
    EXPECT_EQ(e.fileName, "圆锥台展开图_D1000_d500_H500.dxf");

    state = coneDesign().presetState();
    state.texts["Combo1"] = kConeVariant;
    state.texts["Text1(0)"] = "0";
    e = conePatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(rows(e), (std::vector<std::string>{"输入大端口外径：1000", "输入锥体垂直高：500",
                                                 "展开方式：正心圆锥体展开放样"}));
    EXPECT_EQ(e.pattern.fitting, "正心圆锥体");
    EXPECT_EQ(e.fileName, "圆锥展开图_D1000_H500.dxf");
}

TEST(ConeExport, APlateAsThickAsTheSmallEndIsRefusedAtTheThickness) {
    FormState state = coneDesign().presetState();
    state.texts["Text1(3)"] = "500";
    const PatternExport e = conePatternExport(state, {DevelopedSurface::Typed, {}});
    ASSERT_TRUE(e.rejected());
    EXPECT_EQ(e.rejection.effects,
              (std::vector<Effect>{error("钢板厚度不小于小端口外径，小端口没有中径，不能生成展开图！"),
                                   FocusBox{"Text1(3)"}}));
    // On a surface of the plate, half as thick already leaves no inside.
    state.texts["Text1(3)"] = "250";
    EXPECT_EQ(conePatternExport(state, {}).rejection.effects,
              (std::vector<Effect>{error("钢板厚度不小于小端口外径的一半，端口没有内表面，不能生成展开图！"),
                                   FocusBox{"Text1(3)"}}));
    state.texts["Text1(3)"] = "";
    EXPECT_EQ(std::get<ShowMessage>(conePatternExport(state, {}).rejection.effects[0]).text,
              "钢板厚度不能为空，输入正确的数据") << "the window's own check first";
}

// seam= takes degrees from 0 to 360 and nothing else, refused as the window
// refuses (nothing to write); the divisions keep their places on the fitting,
// so one that falls on the seam (90° is division 2) is left out of 8.
TEST(ConeExport, TheSeamAngleIsDegreesFrom0To360) {
    const FormState state = coneDesign().presetState();
    const auto divisions = [](const PatternExport& e) {
        return std::ranges::count_if(e.pattern.pieces.at(0).marks, [](const MarkLine& m) {
            return m.kind != MarkKind::Seam;
        });
    };
    for (const char* wrong : {"-1", "361", "abc", "", "90度", "nan"}) {
        const PatternExport e = conePatternExport(state, {.seam = wrong});
        ASSERT_TRUE(e.rejected()) << wrong;
        EXPECT_TRUE(e.pattern.pieces.empty());
        const auto& message = std::get<ShowMessage>(e.rejection.effects.at(0));
        EXPECT_NE(message.text.find("0 到 360"), std::string::npos) << message.text;
    }
    const PatternExport preset = conePatternExport(state, {});
    for (const char* right : {"0", "360"}) {
        const PatternExport e = conePatternExport(state, {.seam = right});
        ASSERT_FALSE(e.rejected()) << right;
        EXPECT_EQ(e.pattern.pieces.at(0).marks.size(), preset.pattern.pieces.at(0).marks.size());
    }
    EXPECT_EQ(divisions(preset), 7);
    EXPECT_EQ(divisions(conePatternExport(state, {.seam = "90"})), 7);
    EXPECT_EQ(divisions(conePatternExport(state, {.seam = "22.5"})), 8);

    // A flat ring has no seam: any angle is taken, and changes nothing.
    FormState flat = state;
    flat.texts["Text1(2)"] = "0";
    const PatternExport ring = conePatternExport(flat, {.seam = "123"});
    ASSERT_FALSE(ring.rejected());
    EXPECT_EQ(ring.pattern.pieces.at(0).holes.size(), 1u);
    EXPECT_TRUE(conePatternExport(flat, {.seam = "400"}).rejected());
}

}  // namespace
}  // namespace korvel
