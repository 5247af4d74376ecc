#include "output/nest_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "output/atomic_file.h"
#include "output/plate_files.h"

namespace korvel::cad {

std::string plateStem(size_t index) {
    char stem[32];
    std::snprintf(stem, sizeof stem, "plate-%02zu", index + 1);
    return stem;
}

std::vector<std::string> saveNestFiles(const std::string& folder, const JobNest& nest, const NestFileOptions& options,
                                       std::string& failed) {
    failed = folder;
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) throw SaveError("cannot make folder " + folder, made.value());
    std::vector<std::string> written;
    const std::filesystem::path dir(folder);
    for (size_t i = 0; i < nest.plates.size(); ++i) {
        const JobPlate& plate = nest.plates[i];
        const std::string stem = plateStem(i);
        failed = written.emplace_back((dir / (stem + ".dxf")).string());
        savePlateDxf(written.back(), plate.plate, nest.parts, plate.nested, {options.version, options.cutOnly});
        failed = written.emplace_back((dir / (stem + ".svg")).string());
        saveFileBytes(written.back(), plateSvg(plate.plate, nest.parts, plate.nested));
    }
    failed = written.emplace_back((dir / "summary.pdf").string());
    const QByteArray pdf = nestSummaryPdf(options.title, nest);
    saveFileBytes(written.back(), std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    failed = written.emplace_back((dir / "summary.csv").string());
    saveFileBytes(written.back(), jobNestCsv(nest));
    failed.clear();
    return written;
}

std::vector<std::string> staleNestFiles(const std::string& folder, size_t plates) {
    std::vector<std::string> stale;
    std::error_code failed;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failed)) {
        const std::string name = entry.path().filename().string();
        // "plate-" and two or more digits, then ".dxf" or ".svg".
        const size_t dot = name.rfind('.');
        if (!name.starts_with("plate-") || dot == std::string::npos || dot < 8) continue;
        const std::string digits = name.substr(6, dot - 6), suffix = name.substr(dot);
        if ((suffix != ".dxf" && suffix != ".svg") ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (std::stoull(digits) > plates && plateStem(std::stoull(digits) - 1) == name.substr(0, dot))
            stale.push_back(entry.path().string());
    }
    std::sort(stale.begin(), stale.end());
    return stale;
}

}  // namespace korvel::cad
