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
// offsets that put the circle outside the rectangle; the legend commands
// draw no input and take few records.
void expectSoundTransition(const WindowDesign& design, std::uint64_t seed) {
    expectSound(runCommands({.design = &design,
                             .seed = seed,
                             .boxTexts = {{"Text1(0)", {"0", "1", "1e-300", "1e150", "1600", "800"}},
                                          {"Text1(1)", {"0", "1", "1e-300", "1600", "-1600"}},
                                          {"Text1(2)", {"0", "1", "1e-300", "1e150", "1800", "1600"}},
                                          {"Text1(3)", {"0", "-1000", "1e-300", "1e300"}},
                                          {"Text1(4)", {"0", "-10", "-800", "-1800", "1e300"}},
                                          {"Text1(5)", {"0", "800", "-800", "5000", "1e300", "-1e300"}},
                                          {"Text1(6)", {"0", "800", "-800", "5000", "1e-300"}}},
                             .weights = {{"图例", 0.02}}}),
                {{"计算", 20000}, {"图例", 0}});
}

TEST(RoundTopRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    expectSoundTransition(roundTopDesign(), 0x7A25EED000000008ull);
}

TEST(RectTopRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    expectSoundTransition(rectTopDesign(), 0x7A25EED000000009ull);
}

TEST(TransitionRandomInputs, DirectionListChangesUnderRandomStates) {
    expectListChangesSound({&roundTopDesign(), &rectTopDesign()}, 0x7A25EED00000D12Eull);
}

}  // namespace
}  // namespace korvel::hardening
