// The elbow window's commands (端节, 中节, 等份) under 100 000 random input
// records: every one is rejected with a message, or lists well-formed values
// and draws finite coordinates.

#include <gtest/gtest.h>

#include "core/fittings/elbow/elbow_design.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

[[maybe_unused]] const bool covered = coverWindows({&elbowDesign});

TEST(ElbowRandomInputs, EveryRecordIsRejectedOrListedAndDrawnFinite) {
    // The bend radius at and around half the diameter, where the inner side
    // has no length; bend angles whose end section reaches 90°; tiny pipes.
    const RunSummary s = runCommands({.design = &elbowDesign(),
                                      .seed = 0x4E1B0A5EED000004ull,
                                      .boxTexts = {
                                          {"Text1", {"1120", "1", "0.001", "1e-300", "2", "1e150"}},
                                          {"Text2", {"560", "559.9999", "560.0001", "0.5", "0.0005", "1e151", "1680"}},
                                          {"Text3", {"359.9", "359.8999", "300", "270", "179.99", "1e-12", "0.0001"}},
                                          {"Text4", {"0", "", "-10", "1e300", "1120", "5000"}},
                                      }});
    // The records reach the listing and the drawing, not just the first check.
    expectSound(s, {{"端节", 5000}, {"中节", 5000}, {"等份", 5000}});
}

}  // namespace
}  // namespace korvel::hardening
