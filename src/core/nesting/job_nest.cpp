#include "core/nesting/job_nest.h"

#include <algorithm>
#include <cmath>

#include "core/flat_pattern.h"
#include "core/numbers.h"

namespace korvel {

const Plate& JobNestOptions::plateFor(double thickness) const {
    for (const auto& [t, p] : stock)
        if (t == thickness) return p;
    return plate;
}

double JobNest::usedArea() const {
    double sum = 0;
    for (const JobPlate& p : plates) sum += p.nested.usedArea;
    return sum;
}

double JobNest::plateArea() const {
    double sum = 0;
    for (const JobPlate& p : plates) sum += p.plate.area();
    return sum;
}

JobNest nestJob(const Job& job, const JobNestOptions& options) {
    JobNest result;
    // Each piece split to its thickness's stock before its copies are made.
    JobParts parts = jobParts(job, [&](const Piece& piece, const std::string& mark, double thickness) {
        return splitToPlate(piece, mark, options.plateFor(thickness), options.rotations, options.seam);
    });
    result.leftOut = std::move(parts.leftOut);
    result.parts = std::move(parts.parts);
    if (!parts.error.empty()) {
        result.error = std::move(parts.error);
        return result;
    }

    std::vector<double> thicknesses;
    for (const NestPart& part : result.parts)
        if (std::find(thicknesses.begin(), thicknesses.end(), part.thickness) == thicknesses.end())
            thicknesses.push_back(part.thickness);
    std::sort(thicknesses.begin(), thicknesses.end());

    const size_t total = result.parts.size();
    size_t before = 0;  // parts of the groups nested already
    for (double thickness : thicknesses) {
        std::vector<size_t> index;  // the group's parts in the job's
        std::vector<NestPart> group;
        for (size_t i = 0; i < result.parts.size(); ++i)
            if (result.parts[i].thickness == thickness) {
                index.push_back(i);
                group.push_back(result.parts[i]);
            }
        NestOptions nestOptions;
        nestOptions.plate = options.plateFor(thickness);
        nestOptions.rotations = options.rotations;
        nestOptions.cancel = options.cancel;
        if (options.progress)
            nestOptions.progress = [&](size_t placed, size_t) { options.progress(before + placed, total); };
        const Nesting nesting = nestParts(group, nestOptions);
        if (nesting.cancelled || !nesting.error.empty()) {
            result.plates.clear();
            result.groups.clear();
            result.cancelled = nesting.cancelled;
            result.error = nesting.error;
            if (!result.error.empty() && thicknesses.size() > 1)
                result.error = (thickness > 0 ? "板厚 " + numberText(thickness) + " mm" : "未给板厚的零件") +
                               "：" + result.error;
            return result;
        }
        JobPlateGroup sum{job.material.name, thickness, nestOptions.plate};
        for (const NestedPlate& nested : nesting.plates) {
            JobPlate plate{job.material.name, thickness, nestOptions.plate, nested};
            for (Placement& at : plate.nested.parts) at.part = index[at.part];
            if (thickness > 0) {
                plate.partsWeight = plateWeight(nested.usedArea, thickness, job.material.density);
                plate.plateWeight = plateWeight(plate.plate.area(), thickness, job.material.density);
            }
            ++sum.plates;
            sum.usedArea += nested.usedArea;
            sum.plateArea += plate.plate.area();
            sum.partsWeight += plate.partsWeight;
            sum.plateWeight += plate.plateWeight;
            result.plates.push_back(std::move(plate));
        }
        result.groups.push_back(sum);
        before += group.size();
    }
    return result;
}

std::string jobNestCsv(const JobNest& nest) {
    std::string csv = "plate,width_mm,height_mm,parts,used_area_m2,utilisation\r\n";
    for (size_t i = 0; i < nest.plates.size(); ++i) {
        const JobPlate& p = nest.plates[i];
        csv += std::to_string(i + 1) + "," + fixedText(p.plate.width, 1) + "," + fixedText(p.plate.height, 1) + "," +
               std::to_string(p.nested.parts.size()) + "," + fixedText(p.nested.usedArea / 1e6, 4) + "," +
               fixedText(p.nested.utilisation, 4) + "\r\n";
    }
    return csv;
}

namespace {

std::string percent(double fraction) { return fixedText(fraction * 100, 1) + "%"; }

}  // namespace

std::vector<std::string> jobNestSummaryLines(const JobNest& nest) {
    std::vector<std::string> lines;
    double partsWeight = 0, plateWeight = 0;
    for (const JobPlateGroup& g : nest.groups) {
        const Plate& plate = g.plate;
        std::string line = g.material + "，" +
                           (g.thickness > 0 ? "板厚 " + numberText(g.thickness) + " mm" : "未给板厚") + "：" +
                           std::to_string(g.plates) + " 张 " + numberText(plate.width) + " × " +
                           numberText(plate.height) + " mm，利用率 " + percent(g.utilisation());
        if (g.thickness > 0)
            line += "，零件 " + fixedText(g.partsWeight, 1) + " kg，钢板 " + fixedText(g.plateWeight, 1) +
                    " kg，余料 " + fixedText(g.plateWeight - g.partsWeight, 1) + " kg";
        else
            line += "，不计重量";
        lines.push_back(line);
        partsWeight += g.partsWeight;
        plateWeight += g.plateWeight;
    }
    std::string whole = "合计：" + std::to_string(nest.plates.size()) + " 张钢板，" +
                        std::to_string(nest.parts.size()) + " 件，总利用率 " + percent(nest.utilisation());
    if (plateWeight > 0)
        whole += "，零件 " + fixedText(partsWeight, 1) + " kg，钢板 " + fixedText(plateWeight, 1) + " kg，余料 " +
                 fixedText(plateWeight - partsWeight, 1) + " kg";
    lines.push_back(whole);
    return lines;
}

}  // namespace korvel
