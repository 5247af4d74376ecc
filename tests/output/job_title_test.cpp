// The title block of a pattern written from a job names the job, the mark,
// the material and the quantity, and weighs the pieces at the material's
// density; the 1:1 template repeats it.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/job.h"
#include "output/pattern_sheet.h"
#include "output/template_layout.h"

namespace korvel {
namespace {

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(JobTitleBlock, TitleBlockNamesTheJobAndWeighsAtItsDensity) {
    Job job;
    job.name = "风管 1 号线";
    job.drawing = "DW-7";
    job.material = materialPresets()[2];  // 铝 2.70
    EntryMaking made = makeEntry("elbow", {{"D", "1120"}, {"t", "10"}}, {{"surface", "typed"}});
    made.entry.mark = "E-01";
    made.entry.quantity = 3;
    const PatternExport pattern = entryPattern(job, made.entry);
    ASSERT_FALSE(pattern.rejected());
    const std::vector<std::string> lines = cad::titleBlockLines(pattern);
    for (const char* line : {"任务：风管 1 号线", "  图号：DW-7", "  件号：E-01", "  材料：铝（2.7 g/cm³）", "  数量：3 件"})
        EXPECT_TRUE(has(lines, line)) << line;
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.find("客户") != l.npos; }));
    // An end section of π × 1120 × 1680 tan 15° mm², 10 mm of aluminium.
    const double area = 3.14159265358979 * 1120 * 1680 * 0.267949192431123 / 1e6;
    EXPECT_NEAR(area, pieceArea(pattern.pattern.pieces[0]) / 1e6, 1e-6);
    char weight[96];
    std::snprintf(weight, sizeof weight, "%.2f kg（板厚 10 mm，2.7 g/cm³）", area * 10 * 2.70);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(weight) != l.npos; }))
        << weight;

    const EntryInputs in = entryInputs(made.entry);
    const PrintedTemplate printed =
        makeTemplate(*in.design, in.state, paperSizes().front(), in.choices, jobTitle(job, made.entry));
    EXPECT_TRUE(std::any_of(printed.infoRows.begin(), printed.infoRows.end(),
                            [](const InfoRow& row) { return row.title.typed == "E-01"; }));
}

}  // namespace
}  // namespace korvel
