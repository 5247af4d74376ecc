// The elbow window's 端节, 中节 and 等份 commands: preparation, checks and their
// messages, listing, drawing and result labels, in the window's order; and the
// same commands through `korvel list`.

#include "core/fittings/elbow/elbow_commands.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/elbow/elbow_geometry.h"
#include "support/outcomes.h"

namespace korvel {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0);

// The window's state right after opening, with some box texts changed.
const testing::WindowState state{&elbowDesign};

// Clear the surface, clear both listing boxes, set the frame, empty the labels.
std::vector<Effect> preparation() {
    return {Draw{ClearOp{}},
            ClearListing{"Combo3"},
            ClearListing{"Combo4"},
            Draw{ScaleOp{-100, -100, 0, 0}},
            SetCaption{"Label1(10)", ""},
            SetCaption{"Label1(11)", ""},
            SetCaption{"Label1(12)", ""}};
}

std::vector<Effect> listingEffects(Rgb colour, const std::string& left, const std::string& right,
                                   const std::vector<std::string>& leftLines,
                                   const std::vector<std::string>& rightLines) {
    std::vector<Effect> e = {ClearListing{"Combo3"},           ClearListing{"Combo4"},
                             SetListingColour{"Combo3", colour}, SetListingColour{"Combo4", colour},
                             SetListingHeading{"Combo3", left},  SetListingHeading{"Combo4", right}};
    for (const auto& line : leftLines) e.push_back(AddListingLine{"Combo3", line});
    for (const auto& line : rightLines) e.push_back(AddListingLine{"Combo4", line});
    return e;
}

const std::vector<std::string> kEndLeft = {"L0 = 450", "L1 = 393", "L2 = 344", "L3 = 312", "L4 = 300",
                                           "L5 = 312", "L6 = 344", "L7 = 393", "L8 = 450"};
const std::vector<std::string> kEndRight = {"L8 = 450",  "L9 = 508",  "L10 = 556", "L11 = 589", "L12 = 600",
                                            "L13 = 589", "L14 = 556", "L15 = 508", "L16 = 450"};

using testing::linesOf;

// The caption a label is left with.
std::string captionOf(const Outcome& out, const std::string& label) {
    std::string caption;
    for (const auto& e : out.effects)
        if (const auto* c = std::get_if<SetCaption>(&e); c && c->key == label) caption = c->text;
    return caption;
}

void append(std::vector<Effect>& to, const std::vector<Effect>& more) { to.insert(to.end(), more.begin(), more.end()); }

TEST(ElbowCommands, EndSectionInTheWindowsOrder) {
    const Outcome out = elbowEnd(state());
    EXPECT_FALSE(out.stopped);
    std::vector<Effect> expected = preparation();
    expected.push_back(Draw{FontOp{"宋体", 13}});
    append(expected, listingEffects(kBlack, "       端节实", "长数据", kEndLeft, kEndRight));
    Recording pattern;
    drawEndPattern(computeElbow({1120, 1680, 90, 10, 4, 16, 0}), pattern);
    for (const auto& p : pattern.primitives()) expected.push_back(Draw{p});
    append(expected, {SetCaption{"Label1(11)", "管道周长 = 3519 mm   弯头重量 = 746 kg"},
                      MoveControl{"Label1(11)", -43, -4},
                      SetCaption{"Label1(12)", "任意角度弯头端节展开数据"},
                      MoveControl{"Label1(12)", -35, -95}});
    EXPECT_EQ(out.effects, expected);
}

TEST(ElbowCommands, MiddleSectionInTheWindowsOrder) {
    const Outcome out = elbowMiddle(state({}, true));
    EXPECT_FALSE(out.stopped);
    std::vector<Effect> expected = preparation();
    expected.push_back(Draw{FontOp{"宋体", 13}});
    append(expected,
           listingEffects(rgb(0, 0, 192), "       中节实", "长数据",
                          {"L0 = 900.31", "L1 = 1015.15", "L2 = 1112.51", "L3 = 1177.57", "L4 = 1200.41",
                           "L5 = 1177.57", "L6 = 1112.51", "L7 = 1015.15", "L8 = 900.31"},
                          {"L8 = 900.31", "L9 = 785.46", "L10 = 688.1", "L11 = 623.05", "L12 = 600.21",
                           "L13 = 623.05", "L14 = 688.1", "L15 = 785.46", "L16 = 900.31"}));
    Recording pattern;
    drawMiddlePattern(computeElbow({1120, 1680, 90, 10, 4, 16, 2}), pattern, kBlack);
    for (const auto& p : pattern.primitives()) expected.push_back(Draw{p});
    append(expected, {SetCaption{"Label1(11)", "管道周长 = 3518.58 mm   弯头重量 = 746.04 kg"},
                      MoveControl{"Label1(11)", -43, -4},
                      SetCaption{"Label1(12)", "任意角度弯头中节展开数据"},
                      MoveControl{"Label1(12)", -35, -95}});
    EXPECT_EQ(out.effects, expected);
}

TEST(ElbowCommands, DivisionsListWithoutChecksOrDrawing) {
    const std::vector<std::string> left = {"D0 = 0",     "D1 = 220",   "D2 = 440",   "D3 = 660",  "D4 = 880",
                                           "D5 = 1100",  "D6 = 1319",  "D7 = 1539",  "D8 = 1759"};
    const std::vector<std::string> right = {"D8 = 1759",  "D9 = 1979",  "D10 = 2199", "D11 = 2419", "D12 = 2639",
                                            "D13 = 2859", "D14 = 3079", "D15 = 3299", "D16 = 3519"};
    std::vector<Effect> expected = {Draw{ScaleOp{-100, -100, 0, 0}}, ClearListing{"Combo3"}, ClearListing{"Combo4"}};
    append(expected, listingEffects(kRed, "   圆周长每等", "份累加数据", left, right));
    // Radius, angle and thickness do not matter, and nothing of them is checked.
    for (const auto& changes : std::vector<std::map<std::string, std::string>>{
             {}, {{"Text2", ""}, {"Text3", "0"}, {"Combo2", "20"}, {"Text4", "1e999"}}}) {
        const Outcome out = elbowDivisions(state(changes));
        EXPECT_FALSE(out.stopped);
        EXPECT_EQ(out.effects, expected);
    }
    // A segment count below 2 is rejected here too, though the listing does not use it.
    const Outcome oneSegment = elbowDivisions(state({{"Combo2", "1"}}));
    EXPECT_TRUE(oneSegment.stopped);
    ASSERT_GE(oneSegment.effects.size(), 4u);
    EXPECT_EQ(oneSegment.effects[3], Effect(ShowMessage{"弯头节数必须是2以上的整数！", MessageIcon::Error, "错误："}));
    // An empty diameter lists zeros.
    const Outcome empty = elbowDivisions(state({{"Text1", ""}}));
    EXPECT_FALSE(empty.stopped);
    EXPECT_EQ(linesOf(empty, "Combo4").back(), "D16 = 0");
}

TEST(ElbowCommands, LenientReadingAndUncheckedThickness) {
    // Trailing text is ignored; the listing is that of the presets.
    EXPECT_EQ(elbowEnd(state({{"Text1", "1120mm"}, {"Text2", "1680 毫米"}})).effects, elbowEnd(state()).effects);
    // An empty thickness weighs nothing.
    const Outcome out = elbowEnd(state({{"Text4", ""}}));
    ASSERT_FALSE(out.stopped);
    EXPECT_EQ(captionOf(out, "Label1(11)"), "管道周长 = 3519 mm   弯头重量 = 0 kg");
    // A radius of half the diameter passes and leaves the inner side at 0.
    const Outcome half = elbowEnd(state({{"Text2", "560"}}));
    ASSERT_FALSE(half.stopped);
    EXPECT_EQ(linesOf(half, "Combo3").at(4), "L4 = 0");
}

struct CheckCase {
    const char* name;
    std::map<std::string, std::string> changes;
    std::string message;
    std::string emptied;  // "" when the box keeps its text
    std::string focus;    // "" when nothing is focused
};

class ElbowChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ElbowChecks, StopWithMessageAfterPreparation) {
    const CheckCase& c = GetParam();
    std::vector<Effect> expected = preparation();
    expected.push_back(ShowMessage{c.message, MessageIcon::Error, "错误："});
    if (!c.emptied.empty()) expected.push_back(SetBoxText{c.emptied, ""});
    if (!c.focus.empty()) expected.push_back(FocusBox{c.focus});
    for (const Outcome& out : {elbowEnd(state(c.changes)), elbowMiddle(state(c.changes))}) {
        EXPECT_TRUE(out.stopped);
        EXPECT_EQ(out.effects, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ElbowCommands, ElbowChecks,
    ::testing::Values(
        CheckCase{"diameter_empty", {{"Text1", ""}}, "管道外径不能为空！\n", "", "Text1"},
        CheckCase{"diameter_first", {{"Text1", ""}, {"Text2", ""}, {"Text3", ""}}, "管道外径不能为空！\n", "",
                  "Text1"},
        CheckCase{"diameter_zero", {{"Text1", "0"}}, "\n管道外径必须大于零！", "Text1", "Text1"},
        CheckCase{"diameter_negative", {{"Text1", "-1120"}}, "\n管道外径必须大于零！", "Text1", "Text1"},
        CheckCase{"diameter_not_a_number", {{"Text1", "abc"}}, "\n管道外径必须大于零！", "Text1", "Text1"},
        CheckCase{"diameter_blank", {{"Text1", " "}}, "\n管道外径必须大于零！", "Text1", "Text1"},
        CheckCase{"diameter_too_large", {{"Text1", "1e999"}}, "输入的数值过大！", "Text1", "Text1"},
        CheckCase{"radius_empty", {{"Text2", ""}, {"Text3", ""}}, "\n弯曲半径不能为空！", "", "Text2"},
        CheckCase{"radius_under_half_diameter", {{"Text2", "559.9"}},
                  "请输入正确的弯曲半径，不得小于外径一半！\n", "Text2", "Text2"},
        CheckCase{"radius_too_large", {{"Text2", "9e999"}}, "输入的数值过大！", "Text2", "Text2"},
        CheckCase{"angle_empty", {{"Text3", ""}}, "弯曲角度不能为空！\n", "", "Text3"},
        CheckCase{"angle_zero", {{"Text3", "0"}}, "请输入正确的弯曲角度“>0-<359.9”之间!\n", "Text3", "Text3"},
        CheckCase{"angle_negative", {{"Text3", "-90"}}, "请输入正确的弯曲角度“>0-<359.9”之间!\n", "Text3",
                  "Text3"},
        CheckCase{"angle_too_large", {{"Text3", "1e400"}}, "输入的数值过大！", "Text3", "Text3"},
        CheckCase{"thickness_too_large", {{"Text4", "1e999"}}, "输入的数值过大！", "Text4", "Text4"},
        CheckCase{"one_segment", {{"Combo2", "1"}}, "弯头节数必须是2以上的整数！", "", "Combo2"},
        CheckCase{"segments_not_whole", {{"Combo2", "2.5"}}, "弯头节数必须是2以上的整数！", "", "Combo2"},
        CheckCase{"divisions_not_a_multiple_of_4", {{"Combo1", "18"}}, "等份数必须是4的倍数（4～1000）！", "",
                  "Combo1"},
        CheckCase{"divisions_too_large", {{"Combo1", "1e999"}}, "等份数必须是4的倍数（4～1000）！", "", "Combo1"},
        CheckCase{"end_section_at_90_degrees", {{"Combo2", "2"}, {"Text3", "180"}},
                  "弯曲角度过大：端节角度必须小于90°！", "Text3", "Text3"},
        CheckCase{"scale_rounds_away", {{"Text1", "0.1"}, {"Text2", "0.05"}, {"Text3", "1"}, {"Combo2", "20"}},
                  "弯曲半径或弯曲角度过小，无法绘制展开图！", "", "Text2"},
        CheckCase{"weight_beyond_range", {{"Text4", "1e306"}}, "输入的数值过大，计算结果超出范围！", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ElbowCommands, DivisionsRejectWhatCannotBeListed) {
    const std::vector<Effect> start = {Draw{ScaleOp{-100, -100, 0, 0}}, ClearListing{"Combo3"},
                                       ClearListing{"Combo4"}};
    struct Case {
        std::map<std::string, std::string> changes;
        std::vector<Effect> rejection;
    };
    const Case cases[] = {
        {{{"Text1", "1e999"}},
         {ShowMessage{"输入的数值过大！", MessageIcon::Error, "错误："}, SetBoxText{"Text1", ""}, FocusBox{"Text1"}}},
        {{{"Combo1", "6"}},
         {ShowMessage{"等份数必须是4的倍数（4～1000）！", MessageIcon::Error, "错误："}, FocusBox{"Combo1"}}},
        {{{"Text1", "1.7e308"}}, {ShowMessage{"输入的数值过大，计算结果超出范围！", MessageIcon::Error, "错误："}}},
    };
    for (const auto& c : cases) {
        const Outcome out = elbowDivisions(state(c.changes));
        EXPECT_TRUE(out.stopped);
        std::vector<Effect> expected = start;
        append(expected, c.rejection);
        EXPECT_EQ(out.effects, expected);
    }
}

TEST(ElbowCommands, WiredIntoTheWindowsMenu) {
    const WindowDesign& design = elbowDesign();
    const FormState s = design.presetState();
    EXPECT_EQ(design.command("端节")->run(s).effects, elbowEnd(s).effects);
    EXPECT_EQ(design.command("中节")->run(s).effects, elbowMiddle(s).effects);
    EXPECT_EQ(design.command("等份")->run(s).effects, elbowDivisions(s).effects);
}

TEST(ElbowCommandLine, EndSectionPrintsWhatTheWindowShows) {
    std::string expected =
        "Label1(10)\t\nLabel1(11)\t\nLabel1(12)\t\n"
        "Combo3.text\t       端节实\nCombo4.text\t长数据\n";
    for (const auto& line : kEndLeft) expected += "Combo3\t" + line + "\n";
    for (const auto& line : kEndRight) expected += "Combo4\t" + line + "\n";
    expected +=
        "Label1(11)\t管道周长 = 3519 mm   弯头重量 = 746 kg\n"
        "Label1(12)\t任意角度弯头端节展开数据\n";
    const testing::ProgramRun run = testing::runKorvel("list elbow-end");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
}

TEST(ElbowCommandLine, FailedCheckStopsWithStatus2) {
    const testing::ProgramRun run = testing::runKorvel("list elbow-middle D=0");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out,
              "Label1(10)\t\nLabel1(11)\t\nLabel1(12)\t\n"
              "message\t\\n管道外径必须大于零！\n"
              "Text1.text\t\n");
}

}  // namespace
}  // namespace korvel
