// The rectangular frustum's and the cone's compute commands under 100 000
// random input records each, and their variant lists' change under random
// states: every record is rejected with a message, or lists well-formed
// values and draws finite coordinates. The plan's remembered scale is handed
// on from record to record as the window keeps it.

#include <gtest/gtest.h>

#include "core/fittings/frustum/frustum_design.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

[[maybe_unused]] const bool covered = coverWindows({&rectFrustumDesign, &coneDesign});

TEST(RectFrustumRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    // Ends of equal size (upright faces), a point for an end, no height,
    // offsets beyond the big end.
    expectSound(runCommands({.design = &rectFrustumDesign(),
                             .seed = 0xF1257EED00000007ull,
                             .boxTexts = {
                                 {"Text1(0)", {"2200", "0", "", "1", "1e-300", "1e150", "2200.0"}},
                                 {"Text1(2)", {"2200", "0", "-1200", "1e150"}},
                                 {"Text1(3)", {"1500", "0", "-500"}},
                                 {"Text1(4)", {"0", "-1000", "1e-300", "1e300"}},
                                 {"Text1(5)", {"0", "-500", "5000", "-1e300", "1e300"}},
                                 {"Text1(6)", {"0", "-500", "5000", "1e-300"}},
                             }}),
                {{"计算", 20000}});
}

TEST(ConeRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    // A cone (small end 0), ends of equal size, a plate as thick as the big
    // end, no height.
    expectSound(runCommands({.design = &coneDesign(),
                             .seed = 0xC0E5EED000000010ull,
                             .boxTexts = {
                                 {"Text1(0)", {"0", "500", "999", "1000", "999.9999", "1e-300", "0.0", "-0"}},
                                 {"Text1(1)", {"1000", "500", "0", "1e-300", "1e150", "1000.0001"}},
                                 {"Text1(2)", {"0", "-500", "1e-300", "1e300", "500"}},
                                 {"Text1(3)", {"0", "1000", "999.999", "500", "-10", "1e300"}},
                             }}),
                {{"计算", 20000}});
}

TEST(FrustumRandomInputs, VariantListChangesUnderRandomStates) {
    expectListChangesSound({&rectFrustumDesign(), &coneDesign()}, 0xF1257EED0000C4A6ull);
}

}  // namespace
}  // namespace korvel::hardening
