// The tee's and the Y-tee's commands under 100 000 random input records each:
// every one is rejected with a message, or lists well-formed values and draws
// finite coordinates. The tee's two checks reset the boxes and go on: what
// they go on to must be as sound as any other result.

#include <gtest/gtest.h>

#include "core/fittings/tee/tee_design.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

[[maybe_unused]] const bool covered = coverWindows({&teeDesign, &yTeeDesign});

TEST(TeeRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    RunPlan plan;
    plan.design = &teeDesign();
    plan.seed = 0x7EE5EED000000005ull;
    plan.replayEvery = 40;
    // Branch as wide as the main pipe and a hair wider, the angle's ends,
    // a wall that leaves the branch no circle or no intersection.
    plan.boxTexts = {
        {"Text1(0)", {"1120", "0", "1", "0.001", "1e-300", "1e150"}},
        {"Text1(1)", {"1120", "1119.999", "1120.001", "0", "2", "1", "0.5", "-1"}},
        {"Text1(2)", {"90", "90.0001", "0", "-0.0001", "0.0001", "89.9999", "1e-300"}},
        {"Text1(3)", {"0", "-200", "1e300", "-1e300", "200"}},
        {"Text1(4)", {"0", "559", "560", "561", "1120", "-560", "-1", "1e300"}},
    };
    const RunSummary s = runCommands(plan);
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, 100000);
    for (const char* name : {"支管", "主管", "等份"}) EXPECT_GT(s.completedOf(name), 5000) << name;
    // The checks' reset-and-go-on is reached often.
    EXPECT_GT(s.wentOnAfterMessage, 2000);
    EXPECT_GT(s.replayed, 100);
}

TEST(YTeeRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    RunPlan plan;
    plan.design = &yTeeDesign();
    plan.seed = 0x7EE5EED000000006ull;
    plan.replayEvery = 40;
    // The angle's ends, pipes shorter than their own diameter, no length.
    plan.boxTexts = {
        {"Text1(0)", {"720", "0", "-720", "1", "1e-300", "1e150"}},
        {"Text1(1)", {"800", "0", "-800", "1", "360", "1e-300", "1e300"}},
        {"Text1(2)", {"180", "180.0001", "179.9999", "0.0001", "0", "90", "1e-300", "360"}},
    };
    const RunSummary s = runCommands(plan);
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, 100000);
    for (const char* name : {"管Ⅰ", "管Ⅱ", "等份"}) EXPECT_GT(s.completedOf(name), 5000) << name;
    EXPECT_GT(s.replayed, 100);
}

}  // namespace
}  // namespace korvel::hardening
