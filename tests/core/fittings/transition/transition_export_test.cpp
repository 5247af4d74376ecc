// The transition windows' pattern exports: captions as the window shows them
// for the direction picked, and the developments that cannot be laid out.

#include <gtest/gtest.h>

#include "core/fittings/transition/transition_design.h"
#include "core/fittings/transition/transition_export.h"

namespace korvel {
namespace {

Effect error(const std::string& text) { return ShowMessage{text, MessageIcon::Error, "错误："}; }

std::string captionOf(const PatternExport& e, const std::string& symbol) {
    for (const TypedInput& in : e.inputs)
        if (in.symbol == symbol) return in.caption + in.text;
    return "<none>";
}

TEST(TransitionExport, CaptionsFollowTheDirectionPicked) {
    FormState state = roundTopDesign().presetState();
    PatternExport e = roundTopPatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(e.pattern.pieces.size(), 1u);
    EXPECT_EQ(captionOf(e, "a"), "矩方口横向内边长：1600") << "the caption's trailing blank dropped";
    EXPECT_EQ(captionOf(e, "e"), "输入圆心向北偏移：0");
    EXPECT_EQ(captionOf(e, "dir"), "偏移方位：圆心向西向北偏移");
    EXPECT_EQ(e.thickness, (std::vector<double>{10}));
    EXPECT_EQ(e.fileName, "天圆地方展开图_1600x1600_D800_H1000.dxf");

    state.texts["Combo2"] = "圆心向西向南偏移";
    state.texts["Text1(6)"] = "100";
    e = roundTopPatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(captionOf(e, "e"), "输入圆心向南偏移：100");

    state = rectTopDesign().presetState();
    e = rectTopPatternExport(state, {});
    ASSERT_FALSE(e.rejected());
    EXPECT_EQ(captionOf(e, "N"), "选择等份：24");
    EXPECT_EQ(e.pattern.fitting, "矩方形天方地圆");
}

TEST(TransitionExport, DevelopmentsThatCannotBeLaidOutAreRefusedAtTheBoxToMend) {
    struct Case {
        const char* key;
        const char* text;
        std::vector<Effect> effects;
        ExportChoices choices = {};
    };
    const std::vector<Case> cases = {
        {"Combo1(0)", "18", {error("展开图的等份数必须是4的整数倍！"), FocusBox{"Combo1(0)"}}},
        {"Text1(3)", "0", {error("展开图需要大于0的边长、直径和垂直高！"), FocusBox{"Text1(3)"}}},
        {"Text1(5)", "900", {error("北边三角面的高线落在矩方口边线以外，无法沿高线分缝！"), FocusBox{"Text1(5)"}}},
        // The east seam's height line, moved past the north-east corner by the north offset.
        {"Text1(6)",
         "900",
         {error("东边三角面的高线落在矩方口边线以外，无法沿高线分缝！"), FocusBox{"Text1(6)"}},
         {.seam = "side1"}},
        // The window's own check comes first.
        {"Text1(0)", "", {error("矩方口横向内边长不能为空！"), FocusBox{"Text1(0)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        FormState state = roundTopDesign().presetState();
        state.texts[c.key] = c.text;
        const PatternExport e = roundTopPatternExport(state, c.choices);
        ASSERT_TRUE(e.rejected());
        EXPECT_EQ(e.rejection.effects, c.effects);
        EXPECT_TRUE(e.pattern.pieces.empty());
    }
}

}  // namespace
}  // namespace korvel
