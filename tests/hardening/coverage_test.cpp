// Every calculator window with a command has a randomized input test: a new
// window in the main menu must be added to the hardening tests.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/catalogue.h"

namespace korvel {
namespace {

TEST(RandomInputsCoverage, EveryWindowWithACommandHasARandomizedTest) {
    // The windows the files next to this one run random records through.
    const std::set<std::string> covered = {"Form4", "Form5", "Form6", "Form7", "Form8", "Form9", "Form10"};
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        bool runs = false;
        for (const auto& command : design.menu) runs = runs || static_cast<bool>(command.run);
        if (!runs) continue;
        EXPECT_TRUE(covered.count(design.objectName)) << design.objectName << " has no randomized input test";
    }
}

}  // namespace
}  // namespace korvel
