// The reducing elbow window's commands (计算, 展开) under 40 000 random input
// records: every one is rejected with a message, or lists well-formed values
// and draws finite coordinates. A record that runs to the end lists every
// segment (up to 20 segments of 301 lines), some ten times what the
// segmented elbow's commands list, so fewer records take as long as its
// 100 000; the checks are expectSound's otherwise.

#include <gtest/gtest.h>

#include "core/fittings/reducing_elbow/reducing_elbow_design.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

[[maybe_unused]] const bool covered = coverWindows({&reducingElbowDesign});

TEST(ReducingElbowRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    // Radii at and around half the larger end, ends far apart (a steep
    // taper whose throat folds), a bend of 180°, walls near half an end.
    const RunSummary s = runCommands({.design = &reducingElbowDesign(),
                                      .seed = 0x4ED0CE1B0A500011ull,
                                      .records = 40000,
                                      .boxTexts = {
                                          {"Text1(0)", {"600", "1", "10", "1799.99", "1e-300", "1e150"}},
                                          {"Text1(1)", {"400", "600", "1800", "0.001", "1e150"}},
                                          {"Text1(2)", {"900", "300", "300.0001", "900.001", "1e151", "0.5"}},
                                          {"Text1(3)", {"180", "179.999", "180.0001", "1e-12", "10"}},
                                          {"Text1(4)", {"0", "", "-6", "199.999", "200", "1e300"}},
                                      },
                                      .weights = {{"展开", 0.3}}});
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, 40000);
    EXPECT_GT(s.completedOf("计算"), 5000);
    EXPECT_GT(s.completedOf("展开"), 1000);
    EXPECT_GT(s.replayed, 100);
}

}  // namespace
}  // namespace korvel::hardening
