// The round-top and rect-top transitions' commands under 100 000 random input
// records each, and their direction lists' change under random states: every
// record is rejected with a message, or lists well-formed values and draws
// finite coordinates. The plan's remembered scale is handed on from record to
// record as the window keeps it.

#include <gtest/gtest.h>

#include "core/fittings/transition/transition_design.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

[[maybe_unused]] const bool covered = coverWindows({&roundTopDesign, &rectTopDesign});

// Boundary texts both windows share: no circle, no rectangle, no height,
// offsets that put the circle outside the rectangle.
std::map<std::string, std::vector<std::string>> transitionTexts() {
    return {
        {"Text1(0)", {"0", "1", "1e-300", "1e150", "1600", "800"}},
        {"Text1(1)", {"0", "1", "1e-300", "1600", "-1600"}},
        {"Text1(2)", {"0", "1", "1e-300", "1e150", "1800", "1600"}},
        {"Text1(3)", {"0", "-1000", "1e-300", "1e300"}},
        {"Text1(4)", {"0", "-10", "-800", "-1800", "1e300"}},
        {"Text1(5)", {"0", "800", "-800", "5000", "1e300", "-1e300"}},
        {"Text1(6)", {"0", "800", "-800", "5000", "1e-300"}},
    };
}

RunPlan transitionPlan(const WindowDesign& design, std::uint64_t seed) {
    RunPlan plan;
    plan.design = &design;
    plan.seed = seed;
    plan.replayEvery = 40;
    plan.boxTexts = transitionTexts();
    plan.weights = {{"图例", 0.02}};
    return plan;
}

TEST(RoundTopRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    const RunSummary s = runCommands(transitionPlan(roundTopDesign(), 0x7A25EED000000008ull));
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, 100000);
    EXPECT_GT(s.completedOf("计算"), 20000);
    EXPECT_GT(s.completedOf("图例"), 0);
    EXPECT_GT(s.replayed, 100);
}

TEST(RectTopRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    const RunSummary s = runCommands(transitionPlan(rectTopDesign(), 0x7A25EED000000009ull));
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, 100000);
    EXPECT_GT(s.completedOf("计算"), 20000);
    EXPECT_GT(s.completedOf("图例"), 0);
    EXPECT_GT(s.replayed, 100);
}

TEST(TransitionRandomInputs, DirectionListChangesUnderRandomStates) {
    for (const WindowDesign* design : {&roundTopDesign(), &rectTopDesign()}) {
        const RunSummary s = runListChanges(*design, 0x7A25EED00000D12Eull, 20000);
        EXPECT_EQ(s.failures, 0) << design->objectName;
        EXPECT_GE(s.records, 20000) << design->objectName;
        EXPECT_EQ(s.stopped, 0) << design->objectName;
    }
}

}  // namespace
}  // namespace korvel::hardening
