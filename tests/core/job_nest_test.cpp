// A whole job on plates: each thickness on plates of its own, thinnest
// first; the weights against hand figures and the cut list's totals.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/cut_list.h"
#include "core/nesting/job_nest.h"
#include "support/jobs.h"

namespace korvel {
namespace {

// An elbow of 3 mm (4 sections), two cones of 6 mm, a cone with no thickness.
Job twoThicknessJob() {
    Job job;
    job.entries.push_back(entry("elbow", {{"D", "400"}, {"R", "600"}, {"t", "3"}}, {}, 1, "E-01"));
    job.entries.push_back(entry("cone", {{"small", "200"}, {"big", "500"}, {"h", "300"}, {"t", "6"}}, {}, 2, "C-01"));
    job.entries.push_back(entry("cone", {{"small", "100"}, {"big", "300"}, {"h", "200"}}, {}, 1, "C-02"));
    return job;
}

TEST(JobNest, EachThicknessOnPlatesOfItsOwnWithTheirWeights) {
    const Job job = twoThicknessJob();
    JobNestOptions options;
    options.plate = {1250, 2500, 10, 8};
    options.stock = {{6, {1500, 3000, 10, 8}}};
    const JobNest nest = nestJob(job, options);
    ASSERT_TRUE(nest.done()) << nest.error;
    ASSERT_EQ(nest.groups.size(), 3u);
    EXPECT_EQ(nest.groups[0].thickness, 0);
    EXPECT_EQ(nest.groups[1].thickness, 3);
    EXPECT_EQ(nest.groups[2].thickness, 6);

    double thickness = -1;
    for (const JobPlate& plate : nest.plates) {
        EXPECT_GE(plate.thickness, thickness) << "thinnest first";
        thickness = plate.thickness;
        for (const Placement& at : plate.nested.parts) EXPECT_EQ(nest.parts[at.part].thickness, plate.thickness);
        // Only the 6 mm pieces get their stock of their own.
        EXPECT_EQ(plate.plate.width, plate.thickness == 6 ? 1500 : 1250);
    }
    // Hand figures: a 1500 × 3000 × 6 steel plate weighs 4.5 m² × 6 mm × 7.85 = 211.95 kg;
    // 1250 × 2500 × 3, 3.125 × 3 × 7.85 = 73.59375 kg; no thickness, no weight.
    for (const JobPlate& plate : nest.plates) {
        const double expected = plate.thickness == 6 ? 211.95 : plate.thickness == 3 ? 73.59375 : 0;
        EXPECT_NEAR(plate.plateWeight, expected, 1e-9);
        EXPECT_NEAR(plate.scrapWeight(), plate.plateWeight - plate.partsWeight, 1e-12);
    }
    // The parts' weight per thickness is the cut list's.
    const CutList list = cutList(job);
    for (const JobPlateGroup& group : nest.groups)
        for (const CutTotal& total : list.totals)
            if (total.thickness == group.thickness) {
                EXPECT_NEAR(group.partsWeight, total.weight, 1e-6);
            }

    // One CSV row per plate after the header.
    const std::string csv = jobNestCsv(nest);
    EXPECT_EQ(static_cast<size_t>(std::count(csv.begin(), csv.end(), '\n')), nest.plates.size() + 1);
    // One summary line per group and the whole job's.
    const std::vector<std::string> lines = jobNestSummaryLines(nest);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find("未给板厚"), std::string::npos);
    EXPECT_NE(lines[2].find("211.9"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[3].rfind("合计：", 0), 0u) << lines[3];
}

TEST(JobNest, AGroupsRefusalNamesItsThicknessOrItsPartAndNothingIsKept) {
    JobNestOptions options;
    options.stock = {{6, {300, 300, 150, 8}}};  // a margin that leaves the 6 mm plate no room
    JobNest nest = nestJob(twoThicknessJob(), options);
    EXPECT_FALSE(nest.done());
    EXPECT_TRUE(nest.plates.empty());
    EXPECT_EQ(nest.error.rfind("板厚 6 mm：", 0), 0u) << nest.error;

    options.stock = {{6, {300, 300, 10, 8}}};  // room, but too small for the 6 mm cones even split
    nest = nestJob(twoThicknessJob(), options);
    EXPECT_TRUE(nest.plates.empty());
    EXPECT_NE(nest.error.find("C-01"), std::string::npos) << nest.error;
}

}  // namespace
}  // namespace korvel
