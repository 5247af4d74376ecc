// The rectangular frustum window's 计算 and offset switch as pure commands:
// the window's order of effects, the scale kept between computations, what is
// refused, and 计算 through `korvel list rect-frustum`.

#include "core/fittings/frustum/rect_frustum_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/fittings/frustum/frustum_design.h"
#include "support/program.h"
#include "support/outcomes.h"

namespace korvel {
namespace {

const testing::WindowState state{&rectFrustumDesign};

std::string label(int i) { return "Label1(" + std::to_string(i) + ")"; }

// The width Line1 is drawn with: the small end's transverse side at the scale.
double drawnSmallSide(const Outcome& out) {
    const PlaceLine* line = testing::placedLine(out, "Line1");
    return line == nullptr ? -1 : line->x2 - line->x1;
}

// Offsets 100 east and 50 south, by hand: the surface cleared and the centre
// lines and labels shown, the sketch hidden, the eight true lengths (mm), the
// plan at 3.4 with its centre lines 340 twips south of the presets', its
// dimensions and names, and the heading.
TEST(RectFrustumCommands, OffsetsInTheWindowsOrder) {
    const Outcome out =
        rectFrustumCompute(state({{"Text1(5)", "100"}, {"Text1(6)", "50"}, {"Combo1", kSouthOffset}}, true));
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(testing::effectKinds(out),
              "clear show*7 clear hide show*8 caption*8 line*16 place*2 font text*12 caption");
    std::vector<std::string> shown = {"+Line1",      "+Line2",      "+Label1(22)", "+Label1(23)",
                                      "+Label1(24)", "+Label1(25)", "+Label1(26)", "-Image1"};
    for (int i = 14; i <= 21; ++i) shown.push_back("+" + label(i));
    EXPECT_EQ(testing::visibilityOf(out), shown);
    EXPECT_EQ(testing::captionsOf(out),
              (std::vector<std::pair<std::string, std::string>>{{label(14), "南边梯形面实高 h1=1096.586"},
                                                                {label(15), "北边梯形面实高 h2=1141.271"},
                                                                {label(16), "西边梯形面实高 h3=1166.19"},
                                                                {label(17), "东边梯形面实高 h4=1077.033"},
                                                                {label(18), "西南面结合实长线 f1=1250"},
                                                                {label(19), "东南面结合实长线 f2=1167.262"},
                                                                {label(20), "西北面结合实长线 f3=1289.38"},
                                                                {label(21), "东北面结合实长线 f4=1209.339"},
                                                                {label(26), "显示数据"}}));
    EXPECT_EQ(*testing::placedLine(out, "Line1"), (PlaceLine{"Line1", 7750, 5400, 11830, 5400}));
    EXPECT_EQ(*testing::placedLine(out, "Line2"), (PlaceLine{"Line2", 9450, 4720, 9450, 6420}));
    std::vector<std::string> texts;
    for (const auto& t : testing::drawnOf<TextOp>(out)) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{" 2200 ", " 1500 ", " 1200 ", " 500 ", "f2", "f1", "f4", "f3", "h1",
                                               "h2", "h3", "h4"}));
    EXPECT_EQ(out.memory, (std::map<std::string, double>{{"scale", 3.4}}));
}

TEST(RectFrustumCommands, ScaleSurvivesBetweenComputations) {
    // 2200 draws at 3.4: the small end's 1200 spans 4080 twips.
    const Outcome first = rectFrustumCompute(state());
    EXPECT_DOUBLE_EQ(drawnSmallSide(first), 4080);
    // An empty or zero side keeps the last scale ...
    for (const char* side : {"", "0", " 0 "}) {
        FormState next = state({{"Text1(0)", side}});
        next.memory = first.memory;
        const Outcome out = rectFrustumCompute(next);
        EXPECT_FALSE(out.stopped) << side;
        EXPECT_DOUBLE_EQ(drawnSmallSide(out), 4080) << side;
        EXPECT_EQ(out.memory.at("scale"), 3.4) << side;
    }
    // ... and before any computation it is the smallest band's.
    const Outcome fresh = rectFrustumCompute(state({{"Text1(0)", ""}, {"Text1(2)", "100"}}));
    EXPECT_DOUBLE_EQ(drawnSmallSide(fresh), 6000);
    EXPECT_EQ(fresh.memory.at("scale"), 60);
    // A new side replaces it; values between the bands draw at 1.
    FormState between = state({{"Text1(0)", "120.5"}, {"Text1(2)", "100"}});
    between.memory = first.memory;
    EXPECT_DOUBLE_EQ(drawnSmallSide(rectFrustumCompute(between)), 100);
    EXPECT_DOUBLE_EQ(drawnSmallSide(rectFrustumCompute(state({{"Text1(0)", "120"}, {"Text1(2)", "100"}}))), 6000);
    EXPECT_DOUBLE_EQ(drawnSmallSide(rectFrustumCompute(state({{"Text1(0)", "5000"}}))), 1200);
}

TEST(RectFrustumCommands, OtherBoxesReadLeniently) {
    // Empty or text without a number counts as 0, trailing text is dropped.
    const Outcome out = rectFrustumCompute(state({{"Text1(1)", "1500mm"}, {"Text1(5)", ""}, {"Text1(6)", "abc"}}));
    EXPECT_EQ(out.effects, rectFrustumCompute(state()).effects);
}

TEST(RectFrustumCommands, RefusesWhatItCannotDraw) {
    struct Case {
        std::map<std::string, std::string> changes;
        std::vector<Effect> rejection;
    };
    const Case cases[] = {
        {{{"Text1(0)", "2200mm"}},
         {ShowMessage{"请输入正确的大端横向内边长，必须是数字", MessageIcon::Error, "错误："},
          SetBoxText{"Text1(0)", ""}, FocusBox{"Text1(0)"}}},
        {{{"Text1(0)", "abc"}},
         {ShowMessage{"请输入正确的大端横向内边长，必须是数字", MessageIcon::Error, "错误："},
          SetBoxText{"Text1(0)", ""}, FocusBox{"Text1(0)"}}},
        {{{"Text1(4)", "1e999"}},
         {ShowMessage{"输入的数值过大！", MessageIcon::Error, "错误："}, SetBoxText{"Text1(4)", ""},
          FocusBox{"Text1(4)"}}},
        {{{"Text1(4)", "1e200"}}, {ShowMessage{"输入的数值过大，计算结果超出范围！", MessageIcon::Error, "错误："}}},
        {{{"Text1(5)", "1e308"}}, {ShowMessage{"输入的数值过大，计算结果超出范围！", MessageIcon::Error, "错误："}}},
    };
    for (const auto& c : cases) {
        const Outcome out = rectFrustumCompute(state(c.changes));
        EXPECT_TRUE(out.stopped);
        std::vector<Effect> expected = {Draw{ClearOp{}}};
        expected.insert(expected.end(), c.rejection.begin(), c.rejection.end());
        EXPECT_EQ(out.effects, expected);
        EXPECT_TRUE(out.memory.empty());
    }
}

TEST(RectFrustumCommands, UnknownOffsetTextOnlyWritesTheHeading) {
    const Outcome out = rectFrustumCompute(state({{"Combo1", "其他"}}));
    EXPECT_EQ(out.effects, (std::vector<Effect>{Draw{ClearOp{}}, SetCaption{"Label1(26)", "显示数据"}}));
}

TEST(RectFrustumCommands, OffsetSwitchResetsOnlyTheOffsets) {
    auto expected = [](const char* longitudinal) {
        std::vector<Effect> e = {Draw{ClearOp{}},
                                 SetVisible{"Image1", true},
                                 SetBoxText{"Text1(5)", "0"},
                                 SetBoxText{"Text1(6)", "0"},
                                 SetCaption{"Label1(5)", "横边向东偏心："},
                                 SetCaption{"Label1(6)", longitudinal}};
        for (int i = 14; i <= 21; ++i) e.push_back(SetCaption{label(i), ""});
        for (int i = 22; i <= 25; ++i) e.push_back(SetVisible{label(i), false});
        e.push_back(SetCaption{"Label1(26)", ""});
        e.push_back(SetVisible{"Line1", false});
        e.push_back(SetVisible{"Line2", false});
        return e;
    };
    EXPECT_EQ(rectFrustumVariantSwitch(state({{"Combo1", kSouthOffset}})).effects, expected("纵边向南偏心："));
    EXPECT_EQ(rectFrustumVariantSwitch(state({{"Combo1", kNorthOffset}})).effects, expected("纵边向北偏心："));
}

TEST(RectFrustumCommands, WiredIntoTheWindowsMenu) {
    const FormState s = rectFrustumDesign().presetState();
    EXPECT_EQ(rectFrustumDesign().command("计算")->run(s).effects, rectFrustumCompute(s).effects);
}

TEST(RectFrustumCommandLine, DefaultsAndTheNorthBlank) {
    const testing::ProgramRun run = testing::runKorvel("list rect-frustum");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Label1(14)\t南边梯形面实高 h1=1118\n"
              "Label1(15)\t北边梯形面实高 h2=1118\n"
              "Label1(16)\t西边梯形面实高 h3 =1118\n"
              "Label1(17)\t东边梯形面实高 h4=1118\n"
              "Label1(18)\t西南面结合实长线 f1=1225\n"
              "Label1(19)\t东南面结合实长线 f2=1225\n"
              "Label1(20)\t西北面结合实长线 f3=1225\n"
              "Label1(21)\t东北面结合实长线 f4=1225\n"
              "Label1(26)\t显示数据\n");
    const testing::ProgramRun south = testing::runKorvel("list rect-frustum dir=south e=100 n=50 round=dec");
    EXPECT_EQ(south.status, 0);
    EXPECT_EQ(south.out,
              "Label1(14)\t南边梯形面实高 h1=1096.586\n"
              "Label1(15)\t北边梯形面实高 h2=1141.271\n"
              "Label1(16)\t西边梯形面实高 h3=1166.19\n"
              "Label1(17)\t东边梯形面实高 h4=1077.033\n"
              "Label1(18)\t西南面结合实长线 f1=1250\n"
              "Label1(19)\t东南面结合实长线 f2=1167.262\n"
              "Label1(20)\t西北面结合实长线 f3=1289.38\n"
              "Label1(21)\t东北面结合实长线 f4=1209.339\n"
              "Label1(26)\t显示数据\n");
    const testing::ProgramRun refused = testing::runKorvel("list rect-frustum A=2200mm");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "message\t请输入正确的大端横向内边长，必须是数字\nText1(0).text\t\n");
}

}  // namespace
}  // namespace korvel
