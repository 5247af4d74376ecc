// The randomized tests' own judge and record maker: what they flag must be
// what a window must not show, and the same seed must give the same records.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "core/fittings/elbow/elbow_design.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RandomInputsChecker, TextsTheWindowMayShow) {
    for (const std::string text : {"L1 = 450", "L10=1035", " L0=678", "管道周长 = 3519 mm   弯头重量 = 746 kg",
                                   "西边梯形面实高 h3 =1118", "展开扇形夹角 = 160.997°", "x = -0.5", "y = 1E+300",
                                   "z = 1E-05", "", "任意角度弯头端节展开数据", " 5 ", "-5 "})
        EXPECT_TRUE(textProblems(text).empty()) << quoted(text);
}

TEST(RandomInputsChecker, TextsTheWindowMustNotShow) {
    struct Case {
        std::string text;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"L1 = ", "no number after '='"},
        {"L1=", "no number after '='"},
        {"管道周长 = mm", "no number after '='"},
        {"L1 = 1E+", "no number after '='"},
        {"L1 = .5", "no number after '='"},
        {"L1 = 溢出", "shows 溢出"},
        {"L1 = nan", "shows nan"},
        {"L1 = -NaN", "shows nan"},
        {"L1 = inf", "shows inf"},
        {"L1 = -INF", "shows inf"},
        {" Infinity ", "shows inf"},
        {"L1 = -0", "shows -0"},
        {"L1 = -0 mm", "shows -0"},
        {"L1 = 12\xE5\x85", "not valid UTF-8"},
        {"\xFF", "not valid UTF-8"},
    };
    for (const auto& c : cases) {
        const auto problems = textProblems(c.text);
        EXPECT_NE(std::find(problems.begin(), problems.end(), c.problem), problems.end())
            << quoted(c.text) << " should show: " << c.problem;
    }
}

TEST(RandomInputsChecker, CoordinatesThatAreNotFiniteAndStopsWithoutAMessage) {
    const std::vector<Effect> bad = {
        Draw{LineOp{0, 0, kNaN, 1, {}}},
        Draw{ArcOp{0, 0, kInf, {}, {}, {}}},
        Draw{ArcOp{0, 0, 5, {}, 0.0, 1e300}},
        Draw{TextOp{-kInf, 0, "L1 = 5"}},
        Draw{ScaleOp{0, 0, 0, 10}},
        Draw{FontOp{"宋体", 0}},
        PlaceLine{"Line1", 0, kNaN, 0, 0},
        MoveControl{"Label1(11)", kInf, 0},
        Draw{TextLineOp{{{25, "m0=溢出"}}}},
        AddListingLine{"Combo3", "L0 = "},
        SetCaption{"Label1(11)", "管道周长 = nan mm"},
        SetBoxText{"Text1", "inf"},
    };
    for (const auto& e : bad) {
        Outcome out;
        out.effect(e);
        EXPECT_FALSE(problemsOf(out).empty()) << "effect kind " << e.index();
    }

    Outcome fine;
    fine.effect(Draw{LineOp{0, 0, 1e300, -1e300, {}}});
    fine.effect(Draw{ArcOp{1, 2, 3, {}, -3.14, 6.28}});
    fine.effect(AddListingLine{"Combo3", "L0 = 450"});
    EXPECT_TRUE(problemsOf(fine).empty());

    Outcome silent;
    silent.stopped = true;
    EXPECT_EQ(problemsOf(silent), std::vector<std::string>{"stopped without a message"});
    silent.effect(ShowMessage{"输入的数值过大！", MessageIcon::Error, "错误："});
    EXPECT_TRUE(problemsOf(silent).empty());
}

TEST(RandomInputsChecker, RememberedScaleMustBeUsableUnlessHandedIn) {
    FormState state;
    Outcome out;
    out.memory["scale"] = 0;
    EXPECT_EQ(memoryProblems(out, state).size(), 1u);
    state.memory["scale"] = 7;
    EXPECT_EQ(memoryProblems(out, state).size(), 1u);
    state.memory["scale"] = 0;
    EXPECT_TRUE(memoryProblems(out, state).empty());
    out.memory["scale"] = kInf;
    EXPECT_EQ(memoryProblems(out, state).size(), 1u);
    out.memory["scale"] = 60;
    EXPECT_TRUE(memoryProblems(out, state).empty());
}

TEST(RandomInputsRecords, SameSeedSameRecords) {
    RecordMaker a(elbowDesign(), 42), b(elbowDesign(), 42), c(elbowDesign(), 43);
    bool differs = false;
    for (int i = 0; i < 200; ++i) {
        const FormState x = a.next(), y = b.next(), z = c.next();
        EXPECT_EQ(x.texts, y.texts);
        EXPECT_EQ(x.digits, y.digits);
        EXPECT_EQ(describe(x), describe(y));
        differs = differs || x.texts != z.texts;
    }
    EXPECT_TRUE(differs);
}

TEST(RandomInputsRecords, TextsMixWhatAPlaterTypesAndPastes) {
    RecordMaker maker(elbowDesign(), 7);
    std::set<std::string> seen;
    size_t longest = 0;
    int numbers = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string t = maker.boxText(1120, false);
        seen.insert(t);
        longest = std::max(longest, t.size());
        if (!t.empty() && std::isdigit(static_cast<unsigned char>(t[0])) &&
            t.find_first_not_of("0123456789.") == std::string::npos)
            ++numbers;
    }
    for (const std::string t : {"", "abc", "1,5", "1e999", "-0", "١٢٣", "12abc", " 7 ", "1 200", "&HFFFF", "12\n3",
                                "Infinity", "nan", "1e300", "1e-300", "0"})
        EXPECT_TRUE(seen.count(t)) << quoted(t);
    EXPECT_GT(longest, 100u);
    EXPECT_GT(numbers, 5000);

    // A division list's picks: mostly its first item, every item now and
    // then, and counts no window offers.
    const std::vector<std::string> items = divisionItems(8, 100, 4);
    std::map<std::string, int> picks;
    for (int i = 0; i < 10000; ++i) ++picks[maker.countText(items, true)];
    EXPECT_GT(picks["8"], 6000);
    EXPECT_GT(picks["100"], 0);
    EXPECT_GT(picks["-8"] + picks["1e9"] + picks["0"] + picks["3"] + picks["17"], 0);
}

}  // namespace
}  // namespace korvel::hardening
