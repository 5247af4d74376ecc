// The nest of a job onto plates, against a shelf packer of the parts'
// bounding rectangles written here only, as the yardstick the nester must beat.
//
//   nest/job40/nester   the 40-part job (an elbow D 400 R 600 of 4 sections
//                       × 5, a cone frustum 200/500 h 300 × 10, a round-top
//                       transition 600 × 600 D 400 H 500 × 10) nested with
//                       nestJob on 1500 × 3000 mm plates, gap 8, margin 10,
//                       4 turns
//   nest/job40/shelf    the same parts packed by the shelf packer
//   nest/job8/...       the same with 8 parts (1 elbow, 2 cones, 2
//                       transitions), for the smoke test
//
// Counters: plates; utilisation, the parts' area over the plates' whole
// area; utilisation_by_length, the parts' area over every plate's area but
// the last of each thickness, whose offcut above its highest part goes back
// to stock (the width × the height up to that part counted); seconds, the
// wall time of one nest. The nester keeps its no-fit polygons for the
// process, so only a process's first nest of a job is a cold one: run
//   build-release/bench/nest_bench --benchmark_filter=job40
// for the cold figure (one iteration each).
//
// Measured on the 2-core development machine (2.6 GHz, shared with other
// builds), RelWithDebInfo build, each nest the process's first (cold):
//   nester        9 plates (2 of the 10 unthickened cones, 7 of the 10 mm
//                 transitions and elbow sections), utilisation 47.5%, by used
//                 length 49.9%; 4.7 s at a load of 2, 7.2 to 9.0 s at 10
//   shelf packer  15 plates, utilisation 28.5%, by used length 30.7%; 5 µs
// so the nest is 19.0 points ahead over whole plates and 19.2 by used length,
// on 6 plates fewer. Its transitions lie two to a plate, interlocked (1949 ×
// 823 mm each: two side by side would take 1646 mm of the 1480), which makes
// 5 of its 7 thick plates whatever the scoring. A bottom-left scoring of the
// placer (the pile's top, then the part's x) raised the used-length figure
// to 51.5% on the same 9 plates but nested the elbow strips' hulls on as few
// plates as the strips themselves, and was left out.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/nesting/job_nest.h"
#include "core/nesting/parts.h"
#include "core/nesting/split.h"

namespace korvel {
namespace {

// The job: so many elbows (4 sections each), cone frustums and transitions
// ({5, 10, 10}: 40 parts).
Job benchJob(int elbows, int cones, int transitions) {
    const auto add = [](Job& job, const std::string& fitting, const std::vector<NamedInput>& inputs, int quantity,
                        const std::string& mark) {
        EntryMaking made = makeEntry(fitting, inputs, {});
        made.entry.quantity = quantity;
        made.entry.mark = mark;
        job.entries.push_back(made.entry);
    };
    Job job;
    add(job, "elbow", {{"D", "400"}, {"R", "600"}}, elbows, "E-01");
    add(job, "cone", {{"small", "200"}, {"big", "500"}, {"h", "300"}}, cones, "C-01");
    add(job, "transition-round-top", {{"a", "600"}, {"b", "600"}, {"D", "400"}, {"H", "500"}}, transitions, "T-01");
    return job;
}

JobNestOptions benchOptions() {
    JobNestOptions options;
    options.plate = Plate{1500, 3000, 10, 8};
    options.rotations = 4;
    return options;
}

// One plate as either packer leaves it: the parts' true area on it and the
// height from the plate's lower edge to its highest part, mm.
struct PlateUse {
    double thickness = 0;
    double usedArea = 0;  // mm²
    double top = 0;       // mm
};

// A shelf packer of bounding rectangles, each grown by the gap, in the room
// the margin leaves grown by the gap (so that two rectangles side by side
// keep the gap and each keeps the margin): parts tallest first, left to right
// along a shelf, a new shelf above when a part does not fit the shelf's
// width, a new plate when it does not fit the plate's height. A part lies
// turned a quarter when that makes it lower and still fits the width.
std::vector<PlateUse> shelfPack(const std::vector<NestPart>& parts, const Plate& plate, double thickness) {
    struct Box {
        double w, h, area;
    };
    std::vector<Box> boxes;
    const double roomW = plate.usableWidth() + plate.gap, roomH = plate.usableHeight() + plate.gap;
    for (const NestPart& part : parts) {
        if (part.thickness != thickness) continue;
        double minX = part.outline.front().x, maxX = minX, minY = part.outline.front().y, maxY = minY;
        for (const Point2& p : part.outline) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
        double w = maxX - minX + plate.gap, h = maxY - minY + plate.gap;
        if (h > w && h <= roomW) std::swap(w, h);  // lower, and still as wide as the room at most
        if (w > roomW) std::swap(w, h);            // the only way round that fits
        boxes.push_back({w, h, part.area});
    }
    std::stable_sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.h > b.h; });

    std::vector<PlateUse> plates;
    double x = 0, shelf = 0, height = 0;  // the shelf's foot and height in the room, mm
    for (const Box& b : boxes) {
        if (!plates.empty() && x + b.w > roomW) shelf += height, x = 0, height = 0;
        if (plates.empty() || shelf + b.h > roomH) plates.push_back({thickness}), x = 0, shelf = 0, height = 0;
        height = std::max(height, b.h);
        x += b.w;
        plates.back().usedArea += b.area;
        // The part's true top: the room starts half a gap below the margin,
        // and the rectangle stands half a gap above the part.
        plates.back().top = std::max(plates.back().top, plate.margin + shelf + b.h - plate.gap);
    }
    return plates;
}

// The nested plates in the same terms.
std::vector<PlateUse> nestedUse(const JobNest& nest) {
    std::vector<PlateUse> plates;
    for (const JobPlate& p : nest.plates) {
        PlateUse use{p.thickness, p.nested.usedArea, 0};
        for (const Placement& at : p.nested.parts)
            for (const Point2& v : placedRing(nest.parts[at.part].outline, at)) use.top = std::max(use.top, v.y);
        plates.push_back(use);
    }
    return plates;
}

void report(benchmark::State& bench, const std::vector<PlateUse>& plates, const Plate& plate, double seconds) {
    double used = 0, whole = 0, byLength = 0;
    for (size_t i = 0; i < plates.size(); ++i) {
        used += plates[i].usedArea;
        whole += plate.area();
        const bool last = i + 1 == plates.size() || plates[i + 1].thickness != plates[i].thickness;
        byLength += last ? plate.width * plates[i].top : plate.area();
    }
    bench.counters["plates"] = static_cast<double>(plates.size());
    bench.counters["utilisation"] = whole > 0 ? used / whole : 0;
    bench.counters["utilisation_by_length"] = byLength > 0 ? used / byLength : 0;
    bench.counters["seconds"] = seconds;
}

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void nesterBenchmark(benchmark::State& bench, const Job& job) {
    const JobNestOptions options = benchOptions();
    JobNest nest;
    double seconds = 0;
    for (auto _ : bench) {
        const Clock::time_point start = Clock::now();
        nest = nestJob(job, options);
        seconds = since(start);
        benchmark::DoNotOptimize(nest.plates.data());
    }
    if (!nest.done()) bench.SkipWithError(nest.error.c_str());
    report(bench, nestedUse(nest), options.plate, seconds);
}

void shelfBenchmark(benchmark::State& bench, const Job& job) {
    const JobNestOptions options = benchOptions();
    // The parts as nestJob takes them: split to the stock where they must be.
    const JobParts parts = jobParts(job, [&](const Piece& piece, const std::string& mark, double thickness) {
        return splitToPlate(piece, mark, options.plateFor(thickness), options.rotations, options.seam);
    });
    std::vector<double> thicknesses;
    for (const NestPart& part : parts.parts) thicknesses.push_back(part.thickness);
    std::sort(thicknesses.begin(), thicknesses.end());
    thicknesses.erase(std::unique(thicknesses.begin(), thicknesses.end()), thicknesses.end());

    std::vector<PlateUse> plates;
    double seconds = 0;
    for (auto _ : bench) {
        const Clock::time_point start = Clock::now();
        plates.clear();
        for (double t : thicknesses) {
            const std::vector<PlateUse> group = shelfPack(parts.parts, options.plateFor(t), t);
            plates.insert(plates.end(), group.begin(), group.end());
        }
        seconds = since(start);
        benchmark::DoNotOptimize(plates.data());
    }
    report(bench, plates, options.plate, seconds);
}

void registerJob(const std::string& name, const Job& job) {
    benchmark::RegisterBenchmark(("nest/" + name + "/nester").c_str(), nesterBenchmark, job)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark(("nest/" + name + "/shelf").c_str(), shelfBenchmark, job)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace korvel

int main(int argc, char** argv) {
    korvel::registerJob("job40", korvel::benchJob(5, 10, 10));
    korvel::registerJob("job8", korvel::benchJob(1, 2, 2));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
