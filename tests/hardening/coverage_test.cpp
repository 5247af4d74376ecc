// Every calculator window with a command has a randomized input test: a new
// fitting in the catalogue needs a test file here that covers its window
// (coverWindows in random_inputs.h).

#include <gtest/gtest.h>

#include <set>

#include "core/catalogue.h"
#include "hardening/random_inputs.h"

namespace korvel {
namespace {

TEST(RandomInputsCoverage, EveryWindowWithACommandHasARandomizedTest) {
    // The windows the files next to this one run random records through.
    const std::set<const WindowDesign*> covered = hardening::coveredWindows();
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        bool runs = false;
        for (const auto& command : design.menu) runs = runs || static_cast<bool>(command.run);
        if (!runs) continue;
        EXPECT_TRUE(covered.count(&design)) << design.objectName << " has no randomized input test";
    }
}

}  // namespace
}  // namespace korvel
