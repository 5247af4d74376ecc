// The machine formats' reading of shown texts as named values, and what they
// say a command did to the inputs.

#include <gtest/gtest.h>

#include "core/listing_values.h"

namespace korvel {
namespace {

TEST(ListingValues, EveryWayAWindowWritesANameAndItsValue) {
    using V = std::vector<NamedValue>;
    EXPECT_EQ(namedValues("L0=200"), (V{{"L0", "200", ""}}));
    EXPECT_EQ(namedValues("L0 = 450"), (V{{"L0", "450", ""}}));
    EXPECT_EQ(namedValues("展开扇形夹角 = 160.997°"), (V{{"展开扇形夹角", "160.997", "°"}}));
    EXPECT_EQ(namedValues("东边三角面实高 h1=1077"), (V{{"h1", "1077", ""}}));
    EXPECT_EQ(namedValues("管道周长 = 3519 mm   弯头重量 = 746 kg"),
              (V{{"管道周长", "3519", "mm"}, {"弯头重量", "746", "kg"}}));
    EXPECT_EQ(namedValues(" m0=-12.5"), (V{{"m0", "-12.5", ""}}));
    // The next name is no unit of the value before it.
    EXPECT_EQ(namedValues("L0=200 L1=300"), (V{{"L0", "200", ""}, {"L1", "300", ""}}));
    // Titles, and values that are no JSON number, give none.
    for (const char* text : {"任意角度弯头端节展开数据", "L0=inf", "L0=007", "L0=.5", "L0=1e5", "L0 = 3.", "= 5"})
        EXPECT_TRUE(namedValues(text).empty()) << text;
}

TEST(ListingValues, RefusedResetOrDoneWithTheInputsConcerned) {
    WindowDesign design;
    design.inputs.push_back(arrayInput(0, "D", "主管外径：", 0, "mm", 4, "1120"));
    design.inputs.push_back(arrayInput(1, "d", "支管外径：", 1, "mm", 5, "1120"));
    design.listingBoxes = {{"Combo1", 1}, {"Combo1", 2}};
    FormState typed = design.presetState();
    typed.texts["Text1(1)"] = "2000";

    Outcome reset;  // the presets put in place of a branch wider than its main
    reset.effect(ShowMessage{"程序执行默认数据！", MessageIcon::None, ""});
    reset.effect(FocusBox{"Text1(1)"});
    reset.effect(SetBoxText{"Text1(1)", "1120"});
    reset.effect(AddListingLine{"Combo1(2)", "L16=1320"});
    const MachineListing r = machineListing(reset, design, typed, "tee-branch", "支管", "Korvel");
    EXPECT_EQ(r.status, ListingStatus::Reset);
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].kind + r.rows[0].name + "=" + r.rows[0].number + r.rows[0].unit, "inputd=1120mm");
    EXPECT_EQ(r.rows[1].kind + ":" + r.rows[1].name, "message:Korvel");
    EXPECT_EQ(r.rows[2].place + ":" + r.rows[2].name + "=" + r.rows[2].number, "right:L16=1320");

    Outcome refused;  // a box emptied: no number, the text it holds now
    refused.effect(ShowMessage{"管道外径必须大于零！", MessageIcon::Error, "错误："});
    refused.effect(SetBoxText{"Text1(0)", ""});
    refused.stopped = true;
    const MachineListing s = machineListing(refused, design, typed, "tee-branch", "支管", "Korvel");
    EXPECT_EQ(s.status, ListingStatus::Refused);
    EXPECT_EQ(s.rows[0].name, "D");
    EXPECT_TRUE(s.rows[0].number.empty() && s.rows[0].text.empty());
    EXPECT_EQ(s.rows[1].name, "错误：");

    Outcome done;  // an emptied label and a placed heading: no blanks kept
    done.effect(SetCaption{"Label1(12)", ""});
    done.effect(SetListingHeading{"Combo1(1)", "  支管展开实"});
    const MachineListing d = machineListing(done, design, typed, "tee-branch", "支管", "Korvel");
    EXPECT_EQ(d.status, ListingStatus::Done);
    ASSERT_EQ(d.rows.size(), 1u);
    EXPECT_EQ(d.rows[0].kind + ":" + d.rows[0].place + ":" + d.rows[0].text, "heading:left:支管展开实");

}

}  // namespace
}  // namespace korvel
