// Nesting a job's parts on plates: every part once per unit of quantity, no
// two parts nearer than the gap (checked with polygon clipping, not with the
// nester's own geometry), every part inside the plate less its margin, the
// same plates for the same job; and the plates and parts the nester must
// refuse, by name.

#include <gtest/gtest.h>

#include <clipper.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "core/cut_list.h"
#include "core/nesting/nest.h"
#include "support/jobs.h"

namespace korvel {
namespace {

// Two elbows of 4 sections (2 ends, 2 middles each), three cone frustums,
// two round-to-square transitions: 8 + 3 + 2 = 13 parts.
Job plateJob() {
    Job job;
    job.entries.push_back(entry("elbow", {{"D", "400"}, {"R", "600"}}, {}, 2, "E-01"));
    job.entries.push_back(entry("cone", {{"small", "200"}, {"big", "500"}, {"h", "300"}}, {}, 3, "C-01"));
    job.entries.push_back(
        entry("transition-round-top", {{"a", "600"}, {"b", "600"}, {"D", "400"}, {"H", "500"}}, {}, 2, "T-01"));
    return job;
}

// A placed part's material (its outline less its holes) in micrometres,
// grown by `grow` mm (its holes shrink), as clipping paths.
ClipperLib::Paths grown(const NestPart& part, const Placement& at, double grow) {
    ClipperLib::ClipperOffset offset;
    const auto add = [&](const Ring& ring) {
        ClipperLib::Path path;
        for (const Point2& p : placedRing(ring, at)) path.push_back({std::llround(p.x * 1000), std::llround(p.y * 1000)});
        offset.AddPath(path, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    };
    add(part.outline);
    for (const Ring& hole : part.holes) add(hole);
    ClipperLib::Paths out;
    offset.Execute(out, grow * 1000);
    return out;
}

double overlap(const ClipperLib::Paths& a, const ClipperLib::Paths& b) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(a, ClipperLib::ptSubject, true);
    clipper.AddPaths(b, ClipperLib::ptClip, true);
    ClipperLib::Paths both;
    clipper.Execute(ClipperLib::ctIntersection, both, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    double area = 0;
    for (const auto& p : both) area += std::abs(ClipperLib::Area(p));
    return area / 1e6;  // mm²
}

// Every part inside the plate less its margin; no two parts' material, each
// grown by half the gap, overlapping.
void expectApartAndInside(const std::vector<NestPart>& parts, const Nesting& nesting, const Plate& plate) {
    for (const NestedPlate& on : nesting.plates) {
        std::vector<ClipperLib::Paths> material;
        for (const Placement& at : on.parts) {
            const Extent e = outlineExtent(placedPiece(parts[at.part], at).outline);
            EXPECT_GE(e.minX, plate.margin - 1e-6) << parts[at.part].name;
            EXPECT_GE(e.minY, plate.margin - 1e-6) << parts[at.part].name;
            EXPECT_LE(e.maxX, plate.width - plate.margin + 1e-6) << parts[at.part].name;
            EXPECT_LE(e.maxY, plate.height - plate.margin + 1e-6) << parts[at.part].name;
            // Half the gap, less a hundredth for the rounding to micrometres.
            material.push_back(grown(parts[at.part], at, plate.gap / 2 - 0.01));
        }
        for (size_t i = 0; i < material.size(); ++i)
            for (size_t j = i + 1; j < material.size(); ++j)
                EXPECT_EQ(overlap(material[i], material[j]), 0)
                    << parts[on.parts[i].part].name << " and " << parts[on.parts[j].part].name;
    }
}

TEST(Nesting, ArcsFlattenWithinTheTolerance) {
    // A circle of radius 100 as two half arcs (bulge 1).
    const Polyline circle{{{100, 0, 1}, {-100, 0, 1}}, true};
    const Ring ring = flattened(circle, 0.5);
    // A chord of 0.5 mm sagitta on r 100 spans 2 acos(0.995) = 0.2 rad: 32 chords at least.
    EXPECT_GE(ring.size(), 32u);
    EXPECT_LE(ring.size(), 40u);
    for (const Point2& p : ring) EXPECT_NEAR(std::hypot(p.x, p.y), 100, 1e-9);
    EXPECT_NEAR(ringArea(ring), std::numbers::pi * 100 * 100, std::numbers::pi * 2 * 100 * 0.5);
    EXPECT_LT(ringArea(ring), std::numbers::pi * 100 * 100);
}

TEST(Nesting, PartsApartInsideTheMarginOnceEachAndTheSameEveryTime) {
    const Job job = plateJob();
    const JobParts parts = jobParts(job);
    ASSERT_EQ(parts.parts.size(), 13u);
    EXPECT_TRUE(parts.leftOut.empty());
    EXPECT_EQ(parts.parts[0].name, "E-01-端节-1");
    EXPECT_EQ(parts.parts.back().name, "T-01-天圆地方-2");

    NestOptions options;
    options.plate = {1500, 3000, 10, 8};
    size_t lastPlaced = 0;
    options.progress = [&](size_t placed, size_t total) {
        EXPECT_EQ(total, 13u);
        EXPECT_GE(placed, lastPlaced);
        lastPlaced = placed;
    };
    const Nesting nesting = nestParts(parts.parts, options);
    ASSERT_TRUE(nesting.done()) << nesting.error;
    EXPECT_EQ(lastPlaced, 13u);

    // Every part once; the areas add up to the cut list's.
    std::map<size_t, int> seen;
    double used = 0;
    for (const NestedPlate& plate : nesting.plates) {
        for (const Placement& at : plate.parts) ++seen[at.part];
        used += plate.usedArea;
        EXPECT_NEAR(plate.utilisation, plate.usedArea / (1500.0 * 3000.0), 1e-12);
    }
    EXPECT_EQ(seen.size(), 13u);
    for (const auto& [part, times] : seen) EXPECT_EQ(times, 1) << parts.parts[part].name;
    double cut = 0;
    for (const CutPiece& piece : cutList(job).pieces) cut += piece.area * 1e6 * piece.quantity;
    EXPECT_NEAR(used, cut, 1e-6 * cut);

    expectApartAndInside(parts.parts, nesting, options.plate);

    lastPlaced = 0;
    const Nesting again = nestParts(parts.parts, options);
    ASSERT_EQ(again.plates.size(), nesting.plates.size());
    for (size_t p = 0; p < again.plates.size(); ++p) {
        ASSERT_EQ(again.plates[p].parts.size(), nesting.plates[p].parts.size());
        for (size_t i = 0; i < again.plates[p].parts.size(); ++i) {
            EXPECT_EQ(again.plates[p].parts[i].part, nesting.plates[p].parts[i].part);
            EXPECT_EQ(again.plates[p].parts[i].angle, nesting.plates[p].parts[i].angle);
            EXPECT_EQ(again.plates[p].parts[i].shift, nesting.plates[p].parts[i].shift);
        }
    }

    const std::string csv = nestSummaryCsv(options.plate, nesting);
    EXPECT_TRUE(csv.starts_with("plate,width_mm,height_mm,parts,used_area_m2,utilisation\r\n1,1500.0,3000.0,"));
}

TEST(Nesting, BadPlatesAndPartsTooLargeAreRefusedByName) {
    const JobParts parts = jobParts(plateJob());
    const auto refusal = [&](Plate plate, int rotations = 4) {
        NestOptions options;
        options.plate = plate;
        options.rotations = rotations;
        const Nesting nesting = nestParts(parts.parts, options);
        EXPECT_TRUE(nesting.plates.empty());
        return nesting.error;
    };
    EXPECT_EQ(refusal({1500, 0, 10, 8}), "钢板尺寸必须是大于 0 的数：1500 × 0 mm");
    EXPECT_EQ(refusal({-1500, 3000, 10, 8}), "钢板尺寸必须是大于 0 的数：-1500 × 3000 mm");
    EXPECT_EQ(refusal({1500, 3000, -1, 8}), "边距不能为负数：-1 mm");
    EXPECT_EQ(refusal({1500, 3000, 750, 8}), "边距 750 mm 使 1500 × 3000 mm 的钢板没有可用的地方");
    EXPECT_EQ(refusal({1500, 3000, 10, 1480}), "间隙 1480 mm 不小于钢板可用的宽度，放不下任何零件");
    EXPECT_EQ(refusal({1500, 3000, 10, 8}, 0), "转角数须在 1 到 360 之间：0");
    // The transition is 1949 × 823 mm: on 1500 × 1500 it fits no way round.
    EXPECT_TRUE(refusal({1500, 1500, 10, 8}).starts_with("件 T-01-天圆地方-1 比钢板可用尺寸大"));
    // Where it may not turn a quarter, it fits 3000 × 1500 only.
    EXPECT_NE(refusal({1500, 3000, 10, 8}, 2).find("需先分割"), std::string::npos);

    std::atomic<bool> cancel = true;
    NestOptions options;
    options.cancel = &cancel;
    const Nesting cancelled = nestParts(parts.parts, options);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.plates.empty());
}

TEST(Nesting, ASmallRingGoesInsideALargeRingsHole) {
    // Cone frustums of no height are flat rings: 1400 mm across with an 800
    // mm hole, and 700 mm across. On 1500 × 1500 the large ring leaves 40 mm
    // beside it: the small one fits nowhere but in the hole.
    Job job;
    job.entries.push_back(entry("cone", {{"small", "800"}, {"big", "1400"}, {"h", "0"}}, {}, 1, "R-01"));
    job.entries.push_back(entry("cone", {{"small", "200"}, {"big", "700"}, {"h", "0"}}, {}, 1, "R-02"));
    const JobParts parts = jobParts(job);
    ASSERT_EQ(parts.parts.size(), 2u);
    ASSERT_EQ(parts.parts[0].holes.size(), 1u);
    NestOptions options;
    options.plate = {1500, 1500, 10, 8};
    const Nesting nesting = nestParts(parts.parts, options);
    ASSERT_TRUE(nesting.done()) << nesting.error;
    ASSERT_EQ(nesting.plates.size(), 1u);
    expectApartAndInside(parts.parts, nesting, options.plate);
    // The small ring's centre (its extent's) lies within 50 mm of the large one's.
    const auto centre = [&](size_t part) {
        for (const Placement& at : nesting.plates[0].parts)
            if (at.part == part) {
                const Extent e = outlineExtent(placedPiece(parts.parts[part], at).outline);
                return Point2{(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2};
            }
        return Point2{-1e9, -1e9};
    };
    EXPECT_LT(std::hypot(centre(0).x - centre(1).x, centre(0).y - centre(1).y), 50);
}

// The convex hull of a ring (monotone chain), counter-clockwise.
Ring hull(Ring ring) {
    std::sort(ring.begin(), ring.end(), [](Point2 a, Point2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    const auto turn = [](Point2 o, Point2 a, Point2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); };
    Ring h(2 * ring.size());
    size_t k = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        while (k >= 2 && turn(h[k - 2], h[k - 1], ring[i]) <= 0) --k;
        h[k++] = ring[i];
    }
    for (size_t i = ring.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && turn(h[k - 2], h[k - 1], ring[i]) <= 0) --k;
        h[k++] = ring[i];
    }
    h.resize(k - 1);
    return h;
}

TEST(Nesting, BentStripsInterlockOnNoMorePlatesThanTheirHulls) {
    // Five elbows of 4 sections, D 400: 20 strips, each bent along its
    // cuts, on 1500 × 3000 plates.
    Job job;
    job.entries.push_back(entry("elbow", {{"D", "400"}, {"R", "600"}}, {}, 5, "E-01"));
    const JobParts parts = jobParts(job);
    ASSERT_EQ(parts.parts.size(), 20u);
    NestOptions options;
    options.plate = {1500, 3000, 10, 8};
    const Nesting nesting = nestParts(parts.parts, options);
    ASSERT_TRUE(nesting.done()) << nesting.error;
    expectApartAndInside(parts.parts, nesting, options.plate);

    std::vector<NestPart> hulls = parts.parts;
    for (NestPart& part : hulls) part.outline = hull(part.outline);
    const Nesting convex = nestParts(hulls, options);
    ASSERT_TRUE(convex.done()) << convex.error;
    EXPECT_LE(nesting.plates.size(), convex.plates.size());
    EXPECT_EQ(nesting.plates.size(), 2u);
    EXPECT_EQ(convex.plates.size(), 3u);
}

}  // namespace
}  // namespace korvel
