// The cone window's 计算 and variant switch as pure commands: the checks with
// their messages, icons, titles and boxes; the listing, drawing and line
// controls in the window's order; and 计算 through `korvel list cone`.

#include "core/fittings/frustum/cone_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/fittings/frustum/frustum_design.h"
#include "support/program.h"
#include "support/outcomes.h"

namespace korvel {
namespace {

const testing::WindowState state{&coneDesign};

// The cone variant as its switch leaves the boxes.
FormState coneState(const std::map<std::string, std::string>& changes = {}) {
    std::map<std::string, std::string> all = {{"Combo1", kConeVariant}, {"Text1(0)", "0"}, {"Text1(3)", "0"}};
    for (const auto& [key, text] : changes) all[key] = text;
    return state(all);
}

std::string captionOf(const Outcome& out, const std::string& label) {
    std::string caption = "(unset)";
    for (const auto& [key, text] : testing::captionsOf(out))
        if (key == label) caption = text;
    return caption;
}

std::vector<std::string> captionKeys(const Outcome& out) {
    std::vector<std::string> keys;
    for (const auto& caption : testing::captionsOf(out)) keys.push_back(caption.first);
    return keys;
}

// The presets by hand: both surfaces cleared, the four lines shown, the
// frustum's figures (mm, whole), the schematic with its dimensions, the note,
// the lines placed and the elevation drawn round them.
TEST(ConeCommands, FrustumInTheWindowsOrder) {
    const Outcome out = coneCompute(state());
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(testing::effectKinds(out),
              "clear*2 show*4 caption*9 font arc line*2 arc*2 line*2 text*6 line text*2 "
              "caption place*4 line*2");
    EXPECT_EQ(testing::visibilityOf(out), (std::vector<std::string>{"+Line1", "+Line2", "+Line3", "+Line4"}));
    EXPECT_EQ(testing::captionsOf(out),
              (std::vector<std::pair<std::string, std::string>>{{"Label1(13)", "展开斜边实长 = 559"},
                                                                {"Label1(9)", "大圆弧展开半径 = 1118"},
                                                                {"Label1(12)", "展开扇形夹角 = 160.997°"},
                                                                {"Label1(11)", "大圆弧展开弦长 = 2205"},
                                                                {"Label1(8)", "小圆弧展开半径 = 559"},
                                                                {"Label1(10)", "小圆弧展开弦长 = 1103"},
                                                                {"Label1(14)", "小端口至圆心垂线 = 500"},
                                                                {"Label1(15)", "正心圆锥台展开放样"},
                                                                {"Label1(2)", "输入两端垂直高："},
                                                                {"Label1(16)", "说明：板材下料请输入板厚"}}));
    // The schematic's dimensions are the computed frustum's, in the window's units.
    std::vector<std::string> texts;
    for (const auto& t : testing::drawnOf<TextOp>(out)) texts.push_back(t.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{" 500 ", " 559 ", " 500 ", " 1118 ", " 559 ", "160.997°", " 1000 ", " 500 "}));
    // The apex in the window: 0.625 W, 0.46 H.
    ASSERT_NE(testing::placedLine(out, "Line1"), nullptr);
    EXPECT_EQ(testing::placedLine(out, "Line1")->x1, 11250);
    EXPECT_EQ(testing::placedLine(out, "Line1")->y1, 5520);
}

TEST(ConeCommands, ConeClearsTheSmallArcLabels) {
    const Outcome out = coneCompute(coneState());
    ASSERT_FALSE(out.stopped);
    EXPECT_EQ(captionKeys(out),
              (std::vector<std::string>{"Label1(13)", "Label1(9)", "Label1(12)", "Label1(11)", "Label1(14)",
                                        "Label1(15)", "Label1(8)", "Label1(10)", "Label1(16)"}));
    EXPECT_EQ(captionOf(out, "Label1(13)"), "展开斜边实长 = 707");
    EXPECT_EQ(captionOf(out, "Label1(9)"), "圆弧展开半径 = 707");
    EXPECT_EQ(captionOf(out, "Label1(12)"), "展开扇形夹角 = 254.558°");
    EXPECT_EQ(captionOf(out, "Label1(11)"), "圆弧展开弦长 = 1125");
    EXPECT_EQ(captionOf(out, "Label1(14)"), "端口至圆心垂线 = 500");
    EXPECT_EQ(captionOf(out, "Label1(15)"), "正心圆锥体展开放样");
    EXPECT_EQ(captionOf(out, "Label1(8)"), "");
    EXPECT_EQ(captionOf(out, "Label1(10)"), "");
}

TEST(ConeCommands, SmallEndZeroMakesAConeInEitherVariant) {
    // The small-end box decides, not the list: the thickness still comes off.
    const Outcome out = coneCompute(state({{"Text1(0)", "0"}, {"Text1(1)", "1006"}, {"Text1(3)", "6"}}, true));
    ASSERT_FALSE(out.stopped);
    EXPECT_EQ(captionOf(out, "Label1(15)"), "正心圆锥体展开放样");
    EXPECT_EQ(captionOf(out, "Label1(13)"), "展开斜边实长 = 707.107");
    EXPECT_EQ(captionOf(out, "Label1(2)"), "(unset)");
    // " 0 " and "0.0" are zero too; the cone variant with a small end is a frustum.
    EXPECT_EQ(captionOf(coneCompute(state({{"Text1(0)", " 0.0 "}})), "Label1(15)"), "正心圆锥体展开放样");
    EXPECT_EQ(captionOf(coneCompute(state({{"Combo1", kConeVariant}})), "Label1(15)"), "正心圆锥台展开放样");
}

TEST(ConeCommands, DrawingFollowsTheWindowsOuterSize) {
    FormState s = state();
    s.outerWidth = 24000;
    s.outerHeight = 15000;
    const Outcome out = coneCompute(s);
    for (const auto& e : out.effects) {
        if (const auto* line = std::get_if<PlaceLine>(&e); line && line->key == "Line4") {
            EXPECT_EQ(line->x1, 15000);
            EXPECT_NEAR(line->y1, 9600, 1e-9);
            EXPECT_NEAR(line->y2, 12300, 1e-9);
        }
        if (const auto* d = std::get_if<Draw>(&e))
            if (const auto* arc = std::get_if<ArcOp>(&d->primitive)) {
                EXPECT_EQ(arc->cx, 15000);
                EXPECT_NEAR(arc->cy, 6900, 1e-9);
            }
    }
}

struct CheckCase {
    const char* name;
    FormState state;
    ShowMessage message;
    std::string emptied;  // "" when the box keeps its text
    std::string focus;    // "" when no box is focused
};

class ConeChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ConeChecks, StopAfterClearingTheSurface) {
    const CheckCase& c = GetParam();
    std::vector<Effect> expected = {Draw{ClearOp{}}, c.message};
    if (!c.emptied.empty()) expected.push_back(SetBoxText{c.emptied, ""});
    if (!c.focus.empty()) expected.push_back(FocusBox{c.focus});
    const Outcome out = coneCompute(c.state);
    EXPECT_TRUE(out.stopped);
    EXPECT_EQ(out.effects, expected);
}

ShowMessage plain(const char* text) { return {text, MessageIcon::None, ""}; }
ShowMessage error(const char* text) { return {text, MessageIcon::Error, "错误："}; }

constexpr const char* kNotBelowBig = "请输入正确的小端口外径，不得大于大端口或者等于大端口外径\n";

INSTANTIATE_TEST_SUITE_P(
    ConeCommands, ConeChecks,
    ::testing::Values(
        CheckCase{"small_empty", state({{"Text1(0)", ""}}), plain("小端口外径不能为空，输入正确的数据"), "",
                  "Text1(0)"},
        CheckCase{"small_first_of_all", state({{"Text1(0)", ""}, {"Text1(1)", ""}, {"Text1(2)", ""}, {"Text1(3)", ""}}),
                  plain("小端口外径不能为空，输入正确的数据"), "", "Text1(0)"},
        CheckCase{"small_too_large", state({{"Text1(0)", "1e999"}}), error("输入的数值过大！"), "Text1(0)", "Text1(0)"},
        CheckCase{"big_empty", state({{"Text1(1)", ""}, {"Text1(2)", ""}}), plain("大端口外径不能为空，输入正确的数据"),
                  "", "Text1(1)"},
        CheckCase{"big_too_large", state({{"Text1(1)", "-1e999"}}), error("输入的数值过大！"), "Text1(1)", "Text1(1)"},
        CheckCase{"small_negative", state({{"Text1(0)", "-1"}}), error("请输入正确的小端口外径，小于0mm\n"), "Text1(0)",
                  "Text1(0)"},
        CheckCase{"small_negative_before_big_text", state({{"Text1(0)", "-5abc"}, {"Text1(1)", "x"}}),
                  error("请输入正确的小端口外径，小于0mm\n"), "Text1(0)", "Text1(0)"},
        CheckCase{"small_not_a_number", state({{"Text1(0)", "500mm"}}), error("请输入正确的小端口外径，必须是数字"),
                  "Text1(0)", "Text1(0)"},
        CheckCase{"small_blank", state({{"Text1(0)", " "}}), error("请输入正确的小端口外径，必须是数字"), "Text1(0)",
                  "Text1(0)"},
        CheckCase{"big_not_a_number", state({{"Text1(1)", "1,000"}}), error("请输入正确的大端口外径，必须是数字"),
                  "Text1(1)", "Text1(1)"},
        CheckCase{"small_equal_to_big", state({{"Text1(0)", "1000"}, {"Text1(1)", "1000"}}), error(kNotBelowBig),
                  "Text1(0)", "Text1(0)"},
        CheckCase{"small_above_big", state({{"Text1(0)", "1200"}, {"Text1(2)", ""}}), error(kNotBelowBig), "Text1(0)",
                  "Text1(0)"},
        CheckCase{"cone_without_big_end", coneState({{"Text1(1)", "0"}}), error(kNotBelowBig), "Text1(1)", "Text1(1)"},
        CheckCase{"height_empty", state({{"Text1(2)", ""}, {"Text1(3)", ""}}),
                  plain("两端口垂直高不能为空，输入正确的数据"), "", "Text1(2)"},
        CheckCase{"height_too_large", state({{"Text1(2)", "1e400"}}), error("输入的数值过大！"), "Text1(2)",
                  "Text1(2)"},
        CheckCase{"thickness_empty", state({{"Text1(3)", ""}}), plain("钢板厚度不能为空，输入正确的数据"), "",
                  "Text1(3)"},
        CheckCase{"thickness_too_large", state({{"Text1(3)", "1e999"}}), error("输入的数值过大！"), "Text1(3)",
                  "Text1(3)"},
        CheckCase{"plate_as_thick_as_the_big_end", state({{"Text1(3)", "1000"}}),
                  error("请输入正确的钢板厚度，不得大于或等于大端口外径"), "Text1(3)", "Text1(3)"},
        CheckCase{"result_beyond_a_double", state({{"Text1(1)", "1e200"}}), error("输入的数值过大，计算结果超出范围！"),
                  "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConeCommands, VariantSwitchToTheCone) {
    const Outcome out = coneVariantSwitch(coneState());
    std::vector<Effect> expected = {Draw{ClearOp{}},
                                    SetBoxText{"Text1(0)", "0"},
                                    SetVisible{"Text1(0)", false},
                                    SetVisible{"Label1(0)", false},
                                    SetVisible{"Label1(4)", false},
                                    SetBoxText{"Text1(3)", "0"},
                                    SetVisible{"Text1(3)", false},
                                    SetVisible{"Label1(3)", false},
                                    SetVisible{"Label1(7)", false},
                                    SetBoxText{"Text1(1)", "1000"},
                                    SetBoxText{"Text1(2)", "500"},
                                    SetCaption{"Label1(2)", "输入锥体垂直高："},
                                    SetVisible{"Label1(16)", false},
                                    SetCaption{"Label1(16)", ""}};
    for (int i = 8; i <= 15; ++i) expected.push_back(SetCaption{"Label1(" + std::to_string(i) + ")", ""});
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) expected.push_back(SetVisible{line, false});
    EXPECT_EQ(out.effects, expected);
}

TEST(ConeCommands, VariantSwitchToTheFrustum) {
    std::vector<Effect> expected = {Draw{ClearOp{}},
                                    SetVisible{"Text1(0)", true},
                                    SetVisible{"Label1(0)", true},
                                    SetVisible{"Label1(4)", true},
                                    SetVisible{"Text1(3)", true},
                                    SetVisible{"Label1(3)", true},
                                    SetVisible{"Label1(7)", true},
                                    SetBoxText{"Text1(0)", "500"},
                                    SetBoxText{"Text1(1)", "1000"},
                                    SetBoxText{"Text1(2)", "500"},
                                    SetBoxText{"Text1(3)", "0"},
                                    SetCaption{"Label1(2)", "输入两端垂直高："},
                                    SetCaption{"Label1(16)", ""},
                                    SetVisible{"Label1(16)", true}};
    for (int i = 8; i <= 15; ++i) expected.push_back(SetCaption{"Label1(" + std::to_string(i) + ")", ""});
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) expected.push_back(SetVisible{line, false});
    EXPECT_EQ(coneVariantSwitch(state()).effects, expected);
    // Any text but the cone's is the frustum.
    EXPECT_EQ(coneVariantSwitch(state({{"Combo1", "其他"}})).effects, expected);
}

TEST(ConeCommands, WiredIntoTheWindowsMenu) {
    const FormState s = coneDesign().presetState();
    EXPECT_EQ(coneDesign().command("计算")->run(s).effects, coneCompute(s).effects);
}

TEST(ConeCommandLine, FrustumPrintsItsListing) {
    const testing::ProgramRun run = testing::runKorvel("list cone round=dec");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Label1(13)\t展开斜边实长 = 559.017\n"
              "Label1(9)\t大圆弧展开半径 = 1118.034\n"
              "Label1(12)\t展开扇形夹角 = 160.997°\n"
              "Label1(11)\t大圆弧展开弦长 = 2205.392\n"
              "Label1(8)\t小圆弧展开半径 = 559.017\n"
              "Label1(10)\t小圆弧展开弦长 = 1102.696\n"
              "Label1(14)\t小端口至圆心垂线 = 500\n"
              "Label1(15)\t正心圆锥台展开放样\n"
              "Label1(2)\t输入两端垂直高：\n"
              "Label1(16)\t说明：板材下料请输入板厚\n");
}

TEST(ConeCommandLine, ConeAndAFailedCheck) {
    const testing::ProgramRun cone = testing::runKorvel("list cone variant=cone small=0");
    EXPECT_EQ(cone.status, 0);
    EXPECT_EQ(cone.out,
              "Label1(13)\t展开斜边实长 = 707\n"
              "Label1(9)\t圆弧展开半径 = 707\n"
              "Label1(12)\t展开扇形夹角 = 254.558°\n"
              "Label1(11)\t圆弧展开弦长 = 1125\n"
              "Label1(14)\t端口至圆心垂线 = 500\n"
              "Label1(15)\t正心圆锥体展开放样\n"
              "Label1(8)\t\n"
              "Label1(10)\t\n"
              "Label1(16)\t说明：板材下料请输入板厚\n");
    const testing::ProgramRun failed = testing::runKorvel("list cone small=1000");
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.out,
              "message\t请输入正确的小端口外径，不得大于大端口或者等于大端口外径\\n\n"
              "Text1(0).text\t\n");
}

}  // namespace
}  // namespace korvel
