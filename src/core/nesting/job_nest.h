#pragma once
// A whole job on plates: its parts (jobParts) grouped by the plate they are
// cut from (the job's material, each piece's thickness), each group nested
// on its own stock, the plates numbered on from the thinnest group's, with
// the weights a shop orders and sells by. Pure C++: no Qt.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/nesting/nest.h"

namespace korvel {

struct JobNestOptions {
    Plate plate;  // the stock of every thickness not named in `stock`
    // The stock of a thickness of its own (mm, as the pieces have it).
    std::vector<std::pair<double, Plate>> stock;
    int rotations = 4;
    double seam = 0;  // mm added beside each split, on one of its two parts
    // Every part placed so far, of every part the job puts on plates.
    std::function<void(size_t placed, size_t total)> progress = {};
    const std::atomic<bool>* cancel = nullptr;  // set from another thread to stop

    // The stock for pieces of `thickness` mm.
    const Plate& plateFor(double thickness) const;
};

// One plate of the nest.
struct JobPlate {
    std::string material;
    double thickness = 0;  // mm; 0: none known (no weights)
    Plate plate;
    NestedPlate nested;    // its Placement::part index into JobNest::parts
    double partsWeight = 0;  // kg, the parts on it
    double plateWeight = 0;  // kg, the whole plate
    double scrapWeight() const { return plateWeight - partsWeight; }
};

// The plates of one material and thickness together.
struct JobPlateGroup {
    std::string material;
    double thickness = 0;
    Plate plate;       // the stock they are
    size_t plates = 0;
    double usedArea = 0, plateArea = 0;      // mm²
    double partsWeight = 0, plateWeight = 0;  // kg; 0 where no thickness is known
    double utilisation() const { return plateArea > 0 ? usedArea / plateArea : 0; }
};

struct JobNest {
    std::vector<NestPart> parts;          // as nested: split where the plate asked
    std::vector<std::string> leftOut;     // entries not nested ("第 2 项（E-02）：…")
    std::vector<JobPlate> plates;         // thinnest first, then as nested
    std::vector<JobPlateGroup> groups;    // thinnest first
    std::string error;                    // why nothing was nested; empty when done
    bool cancelled = false;

    bool done() const { return error.empty() && !cancelled; }
    double usedArea() const;              // mm², every plate's parts
    double plateArea() const;             // mm², every plate
    double utilisation() const { return plateArea() > 0 ? usedArea() / plateArea() : 0; }
};

JobNest nestJob(const Job& job, const JobNestOptions& options);

// The plates as CSV (see nestSummaryCsv): one row per plate, each with its
// own plate's size.
std::string jobNestCsv(const JobNest& nest);

// The summary as lines to read: one per group ("碳钢，板厚 3 mm：2 张 1500 ×
// 3000 mm，利用率 61.2%，零件 412.6 kg，钢板 211.9 kg…" ), then the whole
// job's line.
std::vector<std::string> jobNestSummaryLines(const JobNest& nest);

}  // namespace korvel
