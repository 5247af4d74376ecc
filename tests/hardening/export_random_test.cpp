// Every fitting window's file commands (导出展开图, 打印1:1样板 and, for the
// elbow, cad) under 10 000 random input records each, run in two halves of
// their own seeds so that the halves run side by side: every record is
// refused with a message, or each file is written whole (see checkExports).

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/catalogue.h"
#include "hardening/random_inputs.h"

namespace korvel::hardening {
namespace {

constexpr int kRecordsPerHalf = 5000;

// Records a half for a window: the reducing elbow's write up to 20 pieces of
// cones each (and far slower under the sanitizers than the elbow's): 500 a half.
int recordsPerHalf(const WindowDesign& design) { return design.objectName == "Form11" ? 500 : kRecordsPerHalf; }

// The fitting (its place in the catalogue) and the half.
using Run = std::tuple<std::size_t, int>;

class FileCommandsRandomInputs : public ::testing::TestWithParam<Run> {};

TEST_P(FileCommandsRandomInputs, EveryRecordIsRefusedOrWrittenWhole) {
    const auto [fitting, half] = GetParam();
    const WindowDesign& design = fittingEntries().at(fitting).design();
    ASSERT_TRUE(design.pattern) << design.objectName;
    const ScratchFolder scratch;
    const RunSummary s = runExports(design, 0xF11E5EED00000000ull + 2 * fitting + static_cast<std::size_t>(half),
                                    recordsPerHalf(design), scratch.file("scratch.dxf"));
    EXPECT_EQ(s.failures, 0);
    EXPECT_GE(s.records, recordsPerHalf(design));
    // The records reach the writers, not only the checks: a fifth of them at
    // least gives a pattern, and templates of every size are painted.
    EXPECT_GT(s.patterns, s.records / 5);
    EXPECT_GT(s.templates, 2);
    EXPECT_GT(s.templatePages, 200);
    if (design.cad.draw) {
        EXPECT_GT(s.cadDrawings, s.records / 5);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFitting, FileCommandsRandomInputs,
                         ::testing::Combine(::testing::Range<std::size_t>(0, fittingEntries().size()),
                                            ::testing::Values(0, 1)),
                         [](const ::testing::TestParamInfo<Run>& info) {
                             return fittingEntries().at(std::get<0>(info.param)).design().objectName + "_half" +
                                    std::to_string(std::get<1>(info.param) + 1);
                         });

}  // namespace
}  // namespace korvel::hardening
