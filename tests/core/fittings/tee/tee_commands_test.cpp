// The tee window's 支管, 主管 and 等份 commands and the Y-tee window's 管Ⅰ,
// 管Ⅱ and 等份: checks, resets and messages, the order of what the window
// does, and the same commands through `korvel list`.

#include "core/fittings/tee/tee_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/fittings/tee/tee_design.h"
#include "core/fittings/tee/tee_geometry.h"
#include "core/fittings/tee/ytee_commands.h"
#include "core/fittings/tee/ytee_geometry.h"
#include "core/numbers.h"
#include "support/outcomes.h"
#include "support/program.h"

namespace korvel {
namespace {

constexpr const char* kDiameterMessage = "请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！";
constexpr const char* kAngleMessage = "请您正确输入两管之间夹角,程序执行默认数据！";

FormState withChanges(const WindowDesign& design, const std::map<std::string, std::string>& changes,
                      bool decimals) {
    FormState s = testing::openedWith(design, changes, decimals);
    s.outerWidth = 15000;
    s.outerHeight = 10000;
    return s;
}
FormState tee(const std::map<std::string, std::string>& changes = {}, bool decimals = false) {
    return withChanges(teeDesign(), changes, decimals);
}
FormState yTee(const std::map<std::string, std::string>& changes = {}, bool decimals = false) {
    return withChanges(yTeeDesign(), changes, decimals);
}

ShowMessage plain(const std::string& text) { return {text, MessageIcon::None, ""}; }

using testing::linesOf;

template <class T>
std::vector<T> effectsOf(const Outcome& out) {
    std::vector<T> found;
    for (const auto& e : out.effects)
        if (const auto* t = std::get_if<T>(&e)) found.push_back(*t);
    return found;
}

std::vector<Primitive> drawnBy(const Outcome& out) {
    std::vector<Primitive> drawn;
    for (const auto& d : effectsOf<Draw>(out))
        if (!std::holds_alternative<ClearOp>(d.primitive)) drawn.push_back(d.primitive);
    return drawn;
}

// Everything after the first `count` effects.
std::vector<Effect> after(const Outcome& out, size_t count) {
    return {out.effects.begin() + static_cast<long>(std::min(count, out.effects.size())), out.effects.end()};
}

TEST(TeeCommands, BranchInTheWindowsOrder) {
    const Outcome out = teeBranch(tee());
    EXPECT_FALSE(out.stopped);
    std::vector<Effect> expected = {Draw{ClearOp{}},
                                    SetCaption{"Label1(12)", ""},
                                    ClearListing{"Combo1(1)"},
                                    ClearListing{"Combo1(2)"},
                                    SetListingColour{"Combo1(1)", kBlack},
                                    SetListingColour{"Combo1(2)", kBlack},
                                    SetListingHeading{"Combo1(1)", "  支管展开实"},
                                    SetListingHeading{"Combo1(2)", "长过度线数据"},
                                    SetCaption{"Label1(12)", "支管展开放样图"}};
    const TeeGeometry g = computeTee({1120, 1120 - kBranchAllowance, 45, 200, 0, 32, 0});
    const TeeListing listing = branchListing(g);
    for (const auto& l : listing.left) expected.push_back(AddListingLine{"Combo1(1)", l});
    for (const auto& l : listing.right) expected.push_back(AddListingLine{"Combo1(2)", l});
    Recording drawing;
    drawBranch(g, branchLayout(15000, 10000, 32), drawing);
    for (const auto& p : drawing.primitives()) expected.push_back(Draw{p});
    EXPECT_EQ(out.effects, expected);
}

TEST(TeeCommands, OpeningInTheWindowsOrder) {
    const Outcome out = teeOpening(tee({}, true));
    EXPECT_FALSE(out.stopped);
    const std::vector<Effect> start = {Draw{ClearOp{}},
                                       SetCaption{"Label1(12)", ""},
                                       ClearListing{"Combo1(1)"},
                                       ClearListing{"Combo1(2)"},
                                       SetListingHeading{"Combo1(1)", "主管开孔横向"},
                                       SetListingHeading{"Combo1(2)", "主管开孔竖向"},
                                       SetCaption{"Label1(12)", "主管开孔展开图"},
                                       SetListingColour{"Combo1(1)", kBlack},
                                       SetListingColour{"Combo1(2)", kBlack}};
    ASSERT_GT(out.effects.size(), start.size());
    EXPECT_EQ(std::vector<Effect>(out.effects.begin(), out.effects.begin() + 9), start);
    EXPECT_EQ(linesOf(out, "Combo1(1)").at(16), "x16=1583.919");
    EXPECT_EQ(linesOf(out, "Combo1(2)").at(8), "y8=879.644");
    // Drawn at 2.5 twips per millimetre, whatever the window's size.
    const TeeGeometry g = computeTee({1120, 1120 - kBranchAllowance, 45, 200, 0, 32, 3});
    Recording drawing;
    drawOpening(g, 2.5, drawing);
    EXPECT_EQ(drawnBy(out), drawing.primitives());
    FormState small = tee({}, true);
    small.outerWidth = 9000;
    EXPECT_EQ(drawnBy(teeOpening(small)), drawing.primitives());
}

TEST(TeeCommands, OpeningScaleFollowsTheTypedBranchDiameter) {
    const std::pair<const char*, double> cases[] = {{"121", 12.5}, {"120.5", 0.5}, {"600", 4.3}, {"1120mm", 2.5}};
    for (const auto& [typed, s] : cases) {
        const Outcome out = teeOpening(tee({{"Text1(1)", typed}}));
        const TeeGeometry g = computeTee({1120, val(typed) - kBranchAllowance, 45, 200, 0, 32, 0});
        Recording drawing;
        drawOpening(g, s, drawing);
        EXPECT_EQ(drawnBy(out), drawing.primitives()) << typed;
    }
}

TEST(TeeCommands, EmptyBranchDiameterListsWithoutDrawing) {
    const Outcome out = teeOpening(tee({{"Text1(1)", ""}}));
    EXPECT_FALSE(out.stopped);
    EXPECT_TRUE(effectsOf<ShowMessage>(out).empty());
    EXPECT_EQ(linesOf(out, "Combo1(1)").size(), 17u);
    EXPECT_EQ(linesOf(out, "Combo1(1)").back(), "x16=0");
    EXPECT_EQ(linesOf(out, "Combo1(2)").back(), "y16=0");
    EXPECT_TRUE(drawnBy(out).empty());
    // The branch pattern is drawn as the formulas give it.
    EXPECT_FALSE(drawnBy(teeBranch(tee({{"Text1(1)", ""}}))).empty());
}

TEST(TeeCommands, DiameterCheckResetsBothBoxesAndGoesOn) {
    for (const char* d : {"1200", "-1"}) {
        const Outcome out = teeBranch(tee({{"Text1(1)", d}}));
        EXPECT_FALSE(out.stopped);
        const std::vector<Effect> expected = {Draw{ClearOp{}}, SetCaption{"Label1(12)", ""}, plain(kDiameterMessage),
                                              FocusBox{"Text1(1)"}, SetBoxText{"Text1(0)", "1120"},
                                              SetBoxText{"Text1(1)", "1120"}};
        EXPECT_EQ(std::vector<Effect>(out.effects.begin(), out.effects.begin() + 6), expected) << d;
        // What follows is the preset tee.
        EXPECT_EQ(after(out, 6), after(teeBranch(tee()), 2)) << d;
    }
    // A smaller main pipe fails too, and the main box is reset with it.
    const Outcome out = teeOpening(tee({{"Text1(0)", "600"}, {"Text1(1)", "700"}}));
    EXPECT_EQ(effectsOf<SetBoxText>(out),
              (std::vector<SetBoxText>{{"Text1(0)", "1120"}, {"Text1(1)", "1120"}}));
    EXPECT_EQ(linesOf(out, "Combo1(1)").at(16), "x16=1584");
}

TEST(TeeCommands, AngleCheckResetsTo45AndGoesOn) {
    const Outcome out = teeBranch(tee({{"Text1(2)", "95"}}));
    EXPECT_FALSE(out.stopped);
    const std::vector<Effect> expected = {Draw{ClearOp{}}, SetCaption{"Label1(12)", ""}, plain(kAngleMessage),
                                          FocusBox{"Text1(2)"}, SetBoxText{"Text1(2)", "45"}};
    EXPECT_EQ(std::vector<Effect>(out.effects.begin(), out.effects.begin() + 5), expected);
    EXPECT_EQ(after(out, 5), after(teeBranch(tee()), 2));
    EXPECT_EQ(effectsOf<ShowMessage>(teeOpening(tee({{"Text1(2)", "-1"}}))),
              (std::vector<ShowMessage>{plain(kAngleMessage)}));
}

TEST(TeeCommands, BothChecksShowBothMessagesDiameterFirst) {
    const Outcome out = teeOpening(tee({{"Text1(1)", "1200"}, {"Text1(2)", "95"}}));
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(effectsOf<ShowMessage>(out), (std::vector<ShowMessage>{plain(kDiameterMessage), plain(kAngleMessage)}));
    EXPECT_EQ(effectsOf<SetBoxText>(out),
              (std::vector<SetBoxText>{{"Text1(0)", "1120"}, {"Text1(1)", "1120"}, {"Text1(2)", "45"}}));
    EXPECT_EQ(effectsOf<FocusBox>(out), (std::vector<FocusBox>{{"Text1(1)"}, {"Text1(2)"}}));
    EXPECT_EQ(linesOf(out, "Combo1(1)"), linesOf(teeOpening(tee()), "Combo1(1)"));
}

TEST(TeeCommands, BoundaryValuesPassTheChecks) {
    // d = D, d = 0 (empty box), alpha = 90 and the lenient reading pass silently.
    for (const auto& changes : std::vector<std::map<std::string, std::string>>{
             {{"Text1(1)", "1120"}}, {{"Text1(1)", "0"}}, {{"Text1(2)", "90"}}, {{"Text1(0)", "1120 毫米"}}}) {
        const Outcome out = teeBranch(tee(changes));
        EXPECT_FALSE(out.stopped);
        EXPECT_TRUE(effectsOf<ShowMessage>(out).empty());
        EXPECT_TRUE(effectsOf<SetBoxText>(out).empty());
    }
    // The right-angled tee: L_i = Ls + R (1 - cos phi_i), the obtuse side
    // like the acute one.
    const Outcome right = teeBranch(tee({{"Text1(2)", "90"}}));
    EXPECT_EQ(linesOf(right, "Combo1(1)").at(8), "L8=760");
    EXPECT_EQ(linesOf(right, "Combo1(1)").at(16), "L16=200");
}

struct RejectCase {
    const char* name;
    std::map<std::string, std::string> changes;
    std::string message;
    std::string focus;  // "" when nothing is focused
};

class TeeRejections : public ::testing::TestWithParam<RejectCase> {};

TEST_P(TeeRejections, StopWithoutListingOrDrawing) {
    const RejectCase& c = GetParam();
    std::vector<Effect> tail = {ClearListing{"Combo1(1)"}, ClearListing{"Combo1(2)"}, plain(c.message)};
    if (!c.focus.empty()) tail.push_back(FocusBox{c.focus});
    for (const Outcome& out : {teeBranch(tee(c.changes)), teeOpening(tee(c.changes))}) {
        EXPECT_TRUE(out.stopped);
        ASSERT_GE(out.effects.size(), tail.size());
        EXPECT_EQ(std::vector<Effect>(out.effects.end() - static_cast<long>(tail.size()), out.effects.end()), tail);
        EXPECT_TRUE(drawnBy(out).empty());
        EXPECT_TRUE(linesOf(out, "Combo1(1)").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    TeeCommands, TeeRejections,
    ::testing::Values(
        RejectCase{"zero_angle", {{"Text1(2)", "0"}}, "两管夹角不得为零，请您正确输入两管之间夹角！", "Text1(2)"},
        RejectCase{"angle_not_a_number", {{"Text1(2)", "abc"}}, "两管夹角不得为零，请您正确输入两管之间夹角！",
                   "Text1(2)"},
        RejectCase{"both_diameters_zero", {{"Text1(0)", "0"}, {"Text1(1)", "0"}},
                   "主管外径和支管外径不得为零，请您正确输入！", "Text1(0)"},
        RejectCase{"both_diameters_empty", {{"Text1(0)", ""}, {"Text1(1)", ""}},
                   "主管外径和支管外径不得为零，请您正确输入！", "Text1(0)"},
        RejectCase{"negative_wall", {{"Text1(4)", "-10"}}, "请您正确输入支管壁厚，支管与主管无法相交！", "Text1(4)"},
        RejectCase{"divisions_not_a_multiple_of_4", {{"Combo1(0)", "18"}}, "等份数必须是4的倍数（4～1000）！",
                   "Combo1(0)"},
        RejectCase{"divisions_not_whole", {{"Combo1(0)", "16.5"}}, "等份数必须是4的倍数（4～1000）！", "Combo1(0)"},
        RejectCase{"divisions_not_a_number", {{"Combo1(0)", "abc"}}, "等份数必须是4的倍数（4～1000）！",
                   "Combo1(0)"},
        RejectCase{"short_side_too_large", {{"Text1(3)", "1e999"}}, "输入的数值过大！", "Text1(3)"},
        RejectCase{"branch_too_large", {{"Text1(1)", "1e999"}}, "输入的数值过大！", "Text1(1)"},
        RejectCase{"wall_too_large", {{"Text1(4)", "-1e400"}}, "输入的数值过大！", "Text1(4)"},
        RejectCase{"angle_too_large", {{"Text1(2)", "1e999"}}, "输入的数值过大！", "Text1(2)"},
        RejectCase{"lengths_beyond_a_double", {{"Text1(3)", "1.7e308"}}, "输入的数值过大，计算结果超出范围！", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TeeCommands, ResetThenRejectShowsTheCheckFirst) {
    // A diameter too large to hold reads 0, fails the diameter check and is
    // reset; the command goes on with the presets.
    const Outcome out = teeBranch(tee({{"Text1(0)", "1e999"}}));
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(effectsOf<ShowMessage>(out), (std::vector<ShowMessage>{plain(kDiameterMessage)}));
    // An angle of 95 is reset to 45 before the thickness stops the command.
    const Outcome both = teeBranch(tee({{"Text1(2)", "95"}, {"Text1(4)", "-10"}}));
    EXPECT_TRUE(both.stopped);
    EXPECT_EQ(effectsOf<ShowMessage>(both),
              (std::vector<ShowMessage>{plain(kAngleMessage), plain("请您正确输入支管壁厚，支管与主管无法相交！")}));
}

TEST(TeeCommands, DivisionsListWithoutChecksOrDrawing) {
    const Outcome out = teeDivisions(tee({{"Text1(2)", "95"}, {"Text1(0)", "0"}}));
    EXPECT_FALSE(out.stopped);
    std::vector<Effect> expected = {ClearListing{"Combo1(1)"},
                                    ClearListing{"Combo1(2)"},
                                    SetListingColour{"Combo1(1)", rgb(0, 0, 192)},
                                    SetListingColour{"Combo1(2)", rgb(0, 0, 192)},
                                    SetListingHeading{"Combo1(1)", "    支管圆周"},
                                    SetListingHeading{"Combo1(2)", "等份累加数"}};
    const TeeListing listing = teeDivisionListing(computeTeeDivisions(1120 - kBranchAllowance, 32, 0));
    for (const auto& l : listing.left) expected.push_back(AddListingLine{"Combo1(1)", l});
    for (const auto& l : listing.right) expected.push_back(AddListingLine{"Combo1(2)", l});
    EXPECT_EQ(out.effects, expected);
    EXPECT_EQ(linesOf(teeDivisions(tee({}, true)), "Combo1(1)").at(1), "D1=109.956");

    const Outcome large = teeDivisions(tee({{"Text1(1)", "1e999"}}));
    EXPECT_TRUE(large.stopped);
    EXPECT_EQ(effectsOf<ShowMessage>(large), (std::vector<ShowMessage>{plain("输入的数值过大！")}));
    EXPECT_EQ(effectsOf<ShowMessage>(teeDivisions(tee({{"Combo1(0)", "30"}}))),
              (std::vector<ShowMessage>{plain("等份数必须是4的倍数（4～1000）！")}));
}

TEST(YTeeCommands, PipesInTheWindowsOrder) {
    for (YTeePipe pipe : {YTeePipe::Vertical, YTeePipe::Slanted}) {
        const bool vertical = pipe == YTeePipe::Vertical;
        const Outcome out = vertical ? yTeeVertical(yTee()) : yTeeSlanted(yTee());
        EXPECT_FALSE(out.stopped);
        std::vector<Effect> expected = {Draw{ClearOp{}},
                                        SetCaption{"Label1(8)", ""},
                                        ClearListing{"Combo1(1)"},
                                        ClearListing{"Combo1(2)"},
                                        SetListingColour{"Combo1(1)", kBlack},
                                        SetListingColour{"Combo1(2)", kBlack},
                                        SetListingHeading{"Combo1(1)", vertical ? "   管Ⅰ实长过" : "   管Ⅱ实长过"},
                                        SetListingHeading{"Combo1(2)", "度线数据"},
                                        SetCaption{"Label1(8)", vertical ? "竖管展开放样图 x 1 件"
                                                                         : "斜管展开放样图 x 2 件"}};
        const YTeeGeometry g = computeYTee({720, 800, 75, 16, 0}, pipe);
        const TeeListing listing = yTeeListing(g);
        for (const auto& l : listing.left) expected.push_back(AddListingLine{"Combo1(1)", l});
        for (const auto& l : listing.right) expected.push_back(AddListingLine{"Combo1(2)", l});
        Recording drawing;
        drawYTee(g, yTeeLayout(15000, 10000, 16), drawing);
        for (const auto& p : drawing.primitives()) expected.push_back(Draw{p});
        EXPECT_EQ(out.effects, expected);
    }
    EXPECT_EQ(linesOf(yTeeSlanted(yTee()), "Combo1(1)").at(5), " L5=620");
}

TEST(YTeeCommands, RejectionsAndDivisions) {
    struct Case {
        std::map<std::string, std::string> changes;
        std::string message, focus;
    };
    const Case cases[] = {
        {{{"Text1(2)", "0"}}, "请您正确输入两管夹角，必须大于0°且不大于180°！", "Text1(2)"},
        {{{"Text1(2)", "200"}}, "请您正确输入两管夹角，必须大于0°且不大于180°！", "Text1(2)"},
        {{{"Text1(1)", "1e999"}}, "输入的数值过大！", "Text1(1)"},
        {{{"Combo1(0)", "10"}}, "等份数必须是4的倍数（4～1000）！", "Combo1(0)"},
        {{{"Text1(1)", "1.7e308"}}, "输入的数值过大，计算结果超出范围！", ""},
    };
    for (const auto& c : cases) {
        for (const Outcome& out : {yTeeVertical(yTee(c.changes)), yTeeSlanted(yTee(c.changes))}) {
            EXPECT_TRUE(out.stopped);
            std::vector<Effect> expected = {Draw{ClearOp{}}, SetCaption{"Label1(8)", ""}, ClearListing{"Combo1(1)"},
                                            ClearListing{"Combo1(2)"}, plain(c.message)};
            if (!c.focus.empty()) expected.push_back(FocusBox{c.focus});
            EXPECT_EQ(out.effects, expected) << c.message;
        }
    }
    // 等份 reads only the diameter and the divisions.
    const Outcome out = yTeeDivisions(yTee({{"Text1(2)", "0"}}, true));
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(effectsOf<SetListingColour>(out).at(0).colour, rgb(0, 0, 192));
    EXPECT_EQ(linesOf(out, "Combo1(1)").at(1), " D1=141.372");
    EXPECT_TRUE(drawnBy(out).empty());
    EXPECT_TRUE(effectsOf<SetCaption>(out).empty());
}

TEST(TeeCommands, WiredIntoTheWindowsMenus) {
    const FormState t = teeDesign().presetState();
    EXPECT_EQ(teeDesign().command("支管")->run(t).effects, teeBranch(t).effects);
    EXPECT_EQ(teeDesign().command("主管")->run(t).effects, teeOpening(t).effects);
    EXPECT_EQ(teeDesign().command("等份")->run(t).effects, teeDivisions(t).effects);
    const FormState y = yTeeDesign().presetState();
    EXPECT_EQ(yTeeDesign().command("管Ⅰ")->run(y).effects, yTeeVertical(y).effects);
    EXPECT_EQ(yTeeDesign().command("管Ⅱ")->run(y).effects, yTeeSlanted(y).effects);
    EXPECT_EQ(yTeeDesign().command("等份")->run(y).effects, yTeeDivisions(y).effects);
}

std::string boxLines(const std::string& box, const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += box + "\t" + line + "\n";
    return out;
}

TEST(TeeCommandLine, BranchPrintsWhatTheWindowShows) {
    const testing::ProgramRun run = testing::runKorvel("list tee-branch");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Label1(12)\t\nCombo1(1).text\t  支管展开实\nCombo1(2).text\t长过度线数据\n"
                                    "Label1(12)\t支管展开放样图\nCombo1(1)\tL0=200\n"))
        << run.out;
    // 32 divisions: stations 0 to 16 in the left box, 16 to 32 in the right;
    // the branch is symmetric about the plane of the two axes, so L(16+k) is
    // L(16-k), and both ends are the short side Ls = 200.
    std::vector<std::string> left, right;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Combo1(1)\tL")) left.push_back(line.substr(line.find('=')));
        if (line.starts_with("Combo1(2)\tL")) right.push_back(line.substr(line.find('=')));
    }
    ASSERT_EQ(left.size(), 17u);
    EXPECT_EQ(right, std::vector<std::string>(left.rbegin(), left.rend()));
    EXPECT_NE(run.out.find("Combo1(1)\tL4=596\n"), std::string::npos);
    EXPECT_NE(run.out.find("Combo1(2)\tL32=200\n"), std::string::npos);
}

TEST(TeeCommandLine, OpeningWithBothChecksFailing) {
    const testing::ProgramRun run = testing::runKorvel("list tee-opening d=1200 alpha=95 n=16");
    EXPECT_EQ(run.status, 0);
    const std::string start = std::string("Label1(12)\t\n") + "message\t" + kDiameterMessage +
                              "\nText1(0).text\t1120\nText1(1).text\t1120\n" + "message\t" + kAngleMessage +
                              "\nText1(2).text\t45\n" +
                              "Combo1(1).text\t主管开孔横向\nCombo1(2).text\t主管开孔竖向\nLabel1(12)\t主管开孔展开图\n"
                              "Combo1(1)\tx0=0\n";
    EXPECT_EQ(run.out.substr(0, start.size()), start);
    EXPECT_NE(run.out.find("Combo1(2)\ty8=0\n"), std::string::npos);
}

TEST(TeeCommandLine, DivisionsAndRejection) {
    const testing::ProgramRun run = testing::runKorvel("list tee-divisions round=dec");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Combo1(1).text\t    支管圆周\nCombo1(2).text\t等份累加数\nCombo1(1)\tD0=0\n"))
        << run.out;
    EXPECT_NE(run.out.find("Combo1(1)\tD1=109.956\n"), std::string::npos);
    EXPECT_NE(run.out.find("Combo1(2)\tD32=3518.584\n"), std::string::npos);

    const testing::ProgramRun zero = testing::runKorvel("list tee-branch alpha=0");
    EXPECT_EQ(zero.status, 2);
    EXPECT_EQ(zero.out, "Label1(12)\t\nmessage\t两管夹角不得为零，请您正确输入两管之间夹角！\n");
    const testing::ProgramRun divisions = testing::runKorvel("list tee-opening n=18");
    EXPECT_EQ(divisions.status, 2);
    EXPECT_EQ(divisions.out, "Label1(12)\t\nmessage\t等份数必须是4的倍数（4～1000）！\n");
}

TEST(TeeCommandLine, YTeeCommands) {
    const testing::ProgramRun vertical = testing::runKorvel("list ytee-vertical");
    EXPECT_EQ(vertical.status, 0);
    EXPECT_EQ(vertical.out,
              "Label1(8)\t\nCombo1(1).text\t   管Ⅰ实长过\nCombo1(2).text\t度线数据\nLabel1(8)\t竖管展开放样图 x 1 件\n" +
                  boxLines("Combo1(1)", {" L0=678", " L1=687", " L2=714", " L3=753", " L4=800", " L5=753", " L6=714",
                                         " L7=687", " L8=678"}) +
                  boxLines("Combo1(2)", {" L8=678", " L9=687", " L10=714", " L11=753", " L12=800", " L13=753",
                                         " L14=714", " L15=687", " L16=678"}));
    const testing::ProgramRun slanted = testing::runKorvel("list ytee-slanted");
    EXPECT_EQ(slanted.status, 0);
    EXPECT_NE(slanted.out.find("Combo1(1)\t L5=620\nCombo1(1)\t L6=468\nCombo1(1)\t L7=367\nCombo1(1)\t L8=331\n"),
              std::string::npos);
    const testing::ProgramRun divisions = testing::runKorvel("list ytee-divisions");
    EXPECT_EQ(divisions.status, 0);
    EXPECT_NE(divisions.out.find("Combo1(1)\t D1=141\n"), std::string::npos);
    EXPECT_NE(divisions.out.find("Combo1(2)\t D16=2262\n"), std::string::npos);
    const testing::ProgramRun beta = testing::runKorvel("list ytee-slanted beta=0");
    EXPECT_EQ(beta.status, 2);
    EXPECT_EQ(beta.out, "Label1(8)\t\nmessage\t请您正确输入两管夹角，必须大于0°且不大于180°！\n");
}

}  // namespace
}  // namespace korvel
