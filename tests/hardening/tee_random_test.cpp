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
    // Branch as wide as the main pipe and a hair wider, the angle's ends,
    // a wall that leaves the branch no circle or no intersection.
    const RunSummary s =
        runCommands({.design = &teeDesign(),
                     .seed = 0x7EE5EED000000005ull,
                     .boxTexts = {
                         {"Text1(0)", {"1120", "0", "1", "0.001", "1e-300", "1e150"}},
                         {"Text1(1)", {"1120", "1119.999", "1120.001", "0", "2", "1", "0.5", "-1"}},
                         {"Text1(2)", {"90", "90.0001", "0", "-0.0001", "0.0001", "89.9999", "1e-300"}},
                         {"Text1(3)", {"0", "-200", "1e300", "-1e300", "200"}},
                         {"Text1(4)", {"0", "559", "560", "561", "1120", "-560", "-1", "1e300"}},
                     }});
    expectSound(s, {{"支管", 5000}, {"主管", 5000}, {"等份", 5000}});
    // The checks' reset-and-go-on is reached often.
    EXPECT_GT(s.wentOnAfterMessage, 2000);
}

TEST(YTeeRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    // The angle's ends, pipes shorter than their own diameter, no length.
    const RunSummary s =
        runCommands({.design = &yTeeDesign(),
                     .seed = 0x7EE5EED000000006ull,
                     .boxTexts = {
                         {"Text1(0)", {"720", "0", "-720", "1", "1e-300", "1e150"}},
                         {"Text1(1)", {"800", "0", "-800", "1", "360", "1e-300", "1e300"}},
                         {"Text1(2)", {"180", "180.0001", "179.9999", "0.0001", "0", "90", "1e-300", "360"}},
                     }});
    expectSound(s, {{"管Ⅰ", 5000}, {"管Ⅱ", 5000}, {"等份", 5000}});
}

}  // namespace
}  // namespace korvel::hardening
