// The transition windows' 计算 and 图例 commands and their direction change:
// checks and messages, the order of what the window does, the remembered
// scale; and 计算 through `korvel list`.

#include "core/fittings/transition/transition_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/fittings/transition/transition_design.h"
#include "support/outcomes.h"
#include "support/program.h"

namespace korvel {
namespace {

using Changes = std::map<std::string, std::string>;

const testing::WindowState roundTop{&roundTopDesign};
const testing::WindowState rectTop{&rectTopDesign};

using testing::drawnOf;

// What 计算 leaves for the presets, by hand: the pictures hidden and the
// surface cleared (in each window's own order), the six captions, the listing
// in 宋体 and the plan; the circle where the plan fixes it (twips).
TEST(TransitionCommands, ComputeInTheWindowsOrder) {
    constexpr Rgb kC1 = rgb(0, 255, 255);
    struct Case {
        const char* name;
        Outcome out;
        std::string kinds;
        std::string h1, yn;  // as the captions print them
        std::vector<std::string> firstRow;
        ArcOp circle;
        double scale;
    };
    const Case cases[] = {
        {"round top", roundTopCompute(roundTop()), "clear hide*2 caption*6 font textline*32 arc line*36 text*13",
         "1077", "106", {" m0=1342", " j0=1342"}, ArcOp{9500, 5400, 4.5 * 400, kC1, {}, {}}, 4.5},
        {"rectangle top", rectTopCompute(rectTop({}, true)),
         "hide*2 clear caption*6 font textline*32 arc line*8 text*4 line*28 text*14", "1281.6", "236.252",
         {" m0=1358.308", " j0=1358.308"}, ArcOp{9400, 5350, 4.4 * 900, kC1, {}, {}}, 4.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.out.stopped);
        EXPECT_EQ(testing::effectKinds(c.out), c.kinds);
        EXPECT_EQ(testing::visibilityOf(c.out), (std::vector<std::string>{"-Image1", "-Image2"}));
        // The geometry's captions, all six (their texts are checked with the geometry).
        const auto captions = testing::captionsOf(c.out);
        ASSERT_EQ(captions.size(), 6u);
        EXPECT_EQ(captions[0], (std::pair<std::string, std::string>{"Label1(15)", "东边三角面实高 h1=" + c.h1}));
        EXPECT_EQ(captions[4], (std::pair<std::string, std::string>{"Label1(19)", "圆周每等份弦长 yn=" + c.yn}));
        EXPECT_EQ(drawnOf<FontOp>(c.out), (std::vector<FontOp>{{"宋体", 14.25}}));
        // The first row of corner lengths, after the heading and its blank.
        std::vector<std::string> row;
        for (const auto& line : drawnOf<TextLineOp>(c.out))
            if (row.empty() && !line.items.empty() && line.items[0].text.find("=") != std::string::npos)
                for (const auto& item : line.items) row.push_back(item.text);
        EXPECT_EQ(row, c.firstRow);
        EXPECT_EQ(drawnOf<ArcOp>(c.out), std::vector<ArcOp>{c.circle});
        EXPECT_EQ(c.out.memory, (std::map<std::string, double>{{"scale", c.scale}}));
    }
}

TEST(TransitionCommands, BoxesAreReadLeniently) {
    EXPECT_EQ(roundTopCompute(roundTop({{"Text1(0)", "1600mm"}, {"Text1(3)", " 1000 "}})).effects,
              roundTopCompute(roundTop()).effects);
    // Text without a number reads as 0 outside the scale box.
    const Outcome out = rectTopCompute(rectTop({{"Text1(4)", "十"}}, true));
    ASSERT_FALSE(out.stopped);
    EXPECT_EQ(std::get<SetCaption>(out.effects[7]).text, "圆周每等份弦长 yn=234.947");
    // Seventeen divisions list rows 0 to 4 and draw no plan.
    const Outcome odd = roundTopCompute(roundTop({{"Combo1(0)", "17"}}));
    ASSERT_FALSE(odd.stopped);
    EXPECT_EQ(drawnOf<TextLineOp>(odd).size(), 3u + 5 + 13 + 2 + 5);
    EXPECT_TRUE(drawnOf<LineOp>(odd).empty());
    EXPECT_TRUE(drawnOf<ArcOp>(odd).empty());
}

TEST(TransitionCommands, ZeroKeyKeepsTheRememberedScale) {
    // a = 0 with a remembered scale: the circle drawn at that scale.
    FormState s = roundTop({{"Text1(0)", "0"}});
    s.memory["scale"] = 4.2;
    Outcome out = roundTopCompute(s);
    ASSERT_EQ(drawnOf<ArcOp>(out).size(), 1u);
    EXPECT_DOUBLE_EQ(drawnOf<ArcOp>(out)[0].radius, 4.2 * 400);
    EXPECT_EQ(out.memory.at("scale"), 4.2);
    // Nothing remembered yet: the table by the larger of b and D.
    out = roundTopCompute(roundTop({{"Text1(0)", "0"}, {"Text1(1)", "300"}, {"Text1(2)", "200"}}));
    EXPECT_DOUBLE_EQ(drawnOf<ArcOp>(out)[0].radius, 22.5 * 100);
    // Form9 by D, and by a' and b when D is 0.
    s = rectTop({{"Text1(2)", "0"}});
    s.memory["scale"] = 2.35;
    EXPECT_EQ(rectTopCompute(s).memory.at("scale"), 2.35);
    EXPECT_EQ(rectTopCompute(rectTop({{"Text1(2)", "0"}})).memory.at("scale"), 8.5);
}

struct RejectCase {
    const char* name;
    bool rectTop;
    Changes changes;
    std::string message;
    std::string focus;
};

class TransitionRejections : public ::testing::TestWithParam<RejectCase> {};

TEST_P(TransitionRejections, StopWithAMessageAndLeaveTheWindowAlone) {
    const RejectCase& c = GetParam();
    FormState s = c.rectTop ? rectTop(c.changes) : roundTop(c.changes);
    s.memory["scale"] = 4.5;
    const Outcome out = c.rectTop ? rectTopCompute(s) : roundTopCompute(s);
    EXPECT_TRUE(out.stopped);
    std::vector<Effect> expected = {ShowMessage{c.message, MessageIcon::Error, "错误："}};
    if (!c.focus.empty()) expected.push_back(FocusBox{c.focus});
    EXPECT_EQ(out.effects, expected);
    EXPECT_TRUE(out.memory.empty());
}

INSTANTIATE_TEST_SUITE_P(
    TransitionCommands, TransitionRejections,
    ::testing::Values(
        RejectCase{"side_empty", false, {{"Text1(0)", ""}}, "矩方口横向内边长不能为空！", "Text1(0)"},
        RejectCase{"side_not_a_number", false, {{"Text1(0)", "abc"}}, "矩方口横向内边长必须是数字！", "Text1(0)"},
        RejectCase{"side_sign_only", false, {{"Text1(0)", " - "}}, "矩方口横向内边长必须是数字！", "Text1(0)"},
        RejectCase{"side_too_large", false, {{"Text1(0)", "1e999"}}, "输入的数值过大！", "Text1(0)"},
        RejectCase{"height_too_large", false, {{"Text1(3)", "-2e400"}}, "输入的数值过大！", "Text1(3)"},
        RejectCase{"divisions_not_a_number", false, {{"Combo1(0)", "abc"}}, "等份数必须是数字！", "Combo1(0)"},
        RejectCase{"divisions_empty", false, {{"Combo1(0)", ""}}, "等份数必须是数字！", "Combo1(0)"},
        RejectCase{"divisions_zero", false, {{"Combo1(0)", "0"}}, "等份数必须在1到1000之间！", "Combo1(0)"},
        RejectCase{"divisions_negative", false, {{"Combo1(0)", "-24"}}, "等份数必须在1到1000之间！", "Combo1(0)"},
        RejectCase{"divisions_too_many", false, {{"Combo1(0)", "1e999"}}, "等份数必须在1到1000之间！", "Combo1(0)"},
        RejectCase{"results_beyond_a_double", false, {{"Text1(1)", "1e300"}}, "输入的数值过大，计算结果超出范围！", ""},
        RejectCase{"diameter_empty", true, {{"Text1(2)", ""}}, "圆口内直径不能为空！", "Text1(2)"},
        RejectCase{"diameter_not_a_number", true, {{"Text1(2)", "直径"}}, "圆口内直径必须是数字！", "Text1(2)"},
        RejectCase{"offset_too_large", true, {{"Text1(6)", "9e9999"}}, "输入的数值过大！", "Text1(6)"},
        RejectCase{"rect_divisions_zero", true, {{"Combo1(0)", "0"}}, "等份数必须在1到1000之间！", "Combo1(0)"},
        RejectCase{"rect_divisions_text", true, {{"Combo1(0)", "十六"}}, "等份数必须是数字！", "Combo1(0)"},
        RejectCase{"rect_beyond_a_double", true, {{"Text1(3)", "1e200"}}, "输入的数值过大，计算结果超出范围！", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransitionCommands, NumbersInOtherNotationsAreNumbers) {
    for (const char* text : {"&H640", "&O3100", "+.5e3", "  1 600"}) {
        const Outcome out = roundTopCompute(roundTop({{"Text1(0)", text}}));
        EXPECT_FALSE(out.stopped) << text;
    }
}

TEST(TransitionCommands, LegendClearsAndShowsThePicture) {
    EXPECT_EQ(roundTopLegend(roundTop()).effects, (std::vector<Effect>{Draw{ClearOp{}}, SetVisible{"Image2", true}}));
    EXPECT_EQ(rectTopLegend(rectTop()).effects, (std::vector<Effect>{Draw{ClearOp{}}, SetVisible{"Image1", true}}));
}

std::vector<Effect> directionEffects(const char* sketch, const char* west, const char* offset) {
    std::vector<Effect> e = {Draw{ClearOp{}},
                             SetVisible{sketch, true},
                             SetCaption{"Label1(5)", west},
                             SetCaption{"Label1(6)", offset},
                             SetBoxText{"Text1(5)", "0"},
                             SetBoxText{"Text1(6)", "0"}};
    for (int i = 15; i <= 20; ++i) e.push_back(SetCaption{"Label1(" + std::to_string(i) + ")", ""});
    return e;
}

TEST(TransitionCommands, DirectionChangeRelabelsAndResetsTheOffsets) {
    EXPECT_EQ(roundTopDirectionChanged("圆心向西向南偏移").effects,
              directionEffects("Image1", "输入圆心向西偏移：", "输入圆心向南偏移："));
    EXPECT_EQ(roundTopDirectionChanged("圆心向西向北偏移").effects,
              directionEffects("Image1", "输入圆心向西偏移：", "输入圆心向北偏移："));
    EXPECT_EQ(rectTopDirectionChanged("矩方口向西向南偏移").effects,
              directionEffects("Image2", "输入方口向西偏移：", "输入方口向南偏移："));
    EXPECT_EQ(rectTopDirectionChanged("矩方口向西向北偏移").effects,
              directionEffects("Image2", "输入方口向西偏移：", "输入方口向北偏移："));
    EXPECT_TRUE(roundTopDirectionChanged("矩方口向西向南偏移").effects.empty());
}

TEST(TransitionCommands, WiredIntoTheWindowsMenus) {
    const FormState round = roundTop(), rect = rectTop();
    EXPECT_EQ(roundTopDesign().command("计算")->run(round).effects, roundTopCompute(round).effects);
    EXPECT_EQ(roundTopDesign().command("图例")->run(round).effects, roundTopLegend(round).effects);
    EXPECT_EQ(rectTopDesign().command("计算")->run(rect).effects, rectTopCompute(rect).effects);
    EXPECT_EQ(rectTopDesign().command("图例")->run(rect).effects, rectTopLegend(rect).effects);
}

TEST(TransitionCommandLine, RectTopPrintsLabelsAndSurfaceLines) {
    const testing::ProgramRun run =
        testing::runKorvel("list transition-rect-top round=dec b=700 ew=100 e=150 N=16 dir=south");
    EXPECT_EQ(run.status, 0);
    std::string expected =
        "Label1(15)\t东边三角面实高 h1=1320.038\n"
        "Label1(16)\t南边三角面实高 h2=1264.911\n"
        "Label1(17)\t西边三角面实高 h3=1250\n"
        "Label1(18)\t北边三角面实高 h4=1389.244\n"
        "Label1(19)\t圆周每等份弦长 yn=353.113\n"
        "Label1(20)\t显示基本数据\n"
        "surface\t@24:西北角实线\t@91:东北角实线\n"
        "surface\n"
        "surface\t@23: m0=1265.899\t@90: j0=1335.103\n"
        "surface\t@23: m1=1241.005\t@90: j1=1301.034\n"
        "surface\t@23: m2=1279.807\t@90: j2=1308.611\n"
        "surface\t@23: m3=1371.513\t@90: j3=1356.028\n"
        "surface\t@23: m4=1494.155\t@90: j4=1432.655\n";
    for (int i = 0; i < 14; ++i) expected += "surface\n";
    expected +=
        "surface\t@24:西南角实线\t@91:东南角实线\n"
        "surface\n"
        "surface\t@23: L0=1346.291\t@90: k0=1411.559\n"
        "surface\t@23: L1=1242.354\t@90: k1=1302.321\n"
        "surface\t@23: L2=1210.813\t@90: k2=1241.22\n"
        "surface\t@23: L3=1261.805\t@90: k3=1244.957\n"
        "surface\t@23: L4=1379.312\t@90: k4=1312.441\n";
    EXPECT_EQ(run.out, expected);
}

TEST(TransitionCommandLine, RoundTopPresetsAndRejection) {
    const testing::ProgramRun run = testing::runKorvel("list transition-round-top");
    EXPECT_EQ(run.status, 0);
    const std::string head =
        "Label1(15)\t东边三角面实高 h1=1077\n"
        "Label1(16)\t南边三角面实高 h2=1077\n"
        "Label1(17)\t西边三角面实高 h3=1077\n"
        "Label1(18)\t北边三角面实高 h4=1077\n"
        "Label1(19)\t圆周每等份弦长 yn=106\n"
        "Label1(20)\t显示基本数据\n"
        "surface\n"
        "surface\t@25:西北角实线\t@90:东北角实线\n"
        "surface\n"
        "surface\t@25: m0=1342\t@90: j0=1342\n"
        "surface\t@25: m1=1287\t@90: j1=1287\n";
    EXPECT_EQ(run.out.substr(0, head.size()), head);
    EXPECT_NE(run.out.find("surface\t@25: L6=1342\t@90: k6=1342\n"), std::string::npos);

    const testing::ProgramRun rejected = testing::runKorvel("list transition-round-top a=abc");
    EXPECT_EQ(rejected.status, 2);
    EXPECT_EQ(rejected.out, "message\t矩方口横向内边长必须是数字！\n");
}

}  // namespace
}  // namespace korvel
