// The elbow window's pattern export: the title block's data from the window's
// state, and the inputs the export refuses.

#include <gtest/gtest.h>

#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/elbow/elbow_export.h"

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

    // R = D / 2 passes the window's check, but the sections pinch to a point.
    state = presets();
    state.texts["Text2"] = "560";
    e = elbowPatternExport(state, {});
    ASSERT_TRUE(e.rejected());
    ASSERT_EQ(e.rejection.effects.size(), 2u);
    const auto& message = std::get<ShowMessage>(e.rejection.effects[0]);
    EXPECT_EQ(message.title, "错误：");
    EXPECT_NE(message.text.find("弯曲半径等于外径一半"), std::string::npos);
    EXPECT_EQ(e.rejection.effects[1], Effect(FocusBox{"Text2"}));
    EXPECT_TRUE(e.pattern.pieces.empty());

    state.texts["Text2"] = "561";
    EXPECT_FALSE(elbowPatternExport(state, {}).rejected());
}

}  // namespace
}  // namespace korvel
