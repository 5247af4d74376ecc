// The tee and Y-tee windows' pattern exports: the title block's data, the
// checks that refuse, and the patterns that cannot be cut.

#include <gtest/gtest.h>

#include "core/fittings/tee/tee_design.h"
#include "core/fittings/tee/tee_export.h"

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

}  // namespace
}  // namespace korvel
