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

size_t nestFileCount(const JobNest& nest) { return 2 * nest.plates.size() + 2; }

namespace {

// The folders a save made for its files, deepest first: removed again, when
// still empty, unless the save has ended well.
class MadeFolders {
public:
    explicit MadeFolders(const std::filesystem::path& folder) {
        std::error_code unknown;
        for (std::filesystem::path p = folder; !p.empty() && !std::filesystem::exists(p, unknown) && !unknown;
             p = p.parent_path())
            made_.push_back(p);
    }
    ~MadeFolders() {
        std::error_code kept;
        if (!kept_)
            for (const std::filesystem::path& p : made_) std::filesystem::remove(p, kept);
    }
    MadeFolders(const MadeFolders&) = delete;
    MadeFolders& operator=(const MadeFolders&) = delete;
    void keep() { kept_ = true; }

private:
    std::vector<std::filesystem::path> made_;
    bool kept_ = false;
};

}  // namespace

std::vector<std::string> saveNestFiles(const std::string& folder, const JobNest& nest, const NestFileOptions& options,
                                       std::string& failed, const PageProgress& progress) {
    failed = folder;
    MadeFolders made(folder);
    std::error_code making;
    std::filesystem::create_directories(folder, making);
    if (making) throw SaveError("cannot make folder " + folder, making.value());
    const int files = static_cast<int>(nestFileCount(nest));
    std::vector<std::string> written;
    const std::filesystem::path dir(folder);
    FileBatch batch;
    const auto next = [&](const std::string& name) {
        progress.step(static_cast<int>(written.size()), files);
        failed = written.emplace_back((dir / name).string());
        return written.back();
    };
    for (size_t i = 0; i < nest.plates.size(); ++i) {
        const JobPlate& plate = nest.plates[i];
        const std::string stem = plateStem(i);
        savePlateDxf(next(stem + ".dxf"), plate.plate, nest.parts, plate.nested, {options.version, options.cutOnly});
        saveFileBytes(next(stem + ".svg"), plateSvg(plate.plate, nest.parts, plate.nested));
    }
    const std::string pdfPath = next("summary.pdf");
    const QByteArray pdf = nestSummaryPdf(options.title, nest);
    saveFileBytes(pdfPath, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    saveFileBytes(next("summary.csv"), jobNestCsv(nest));
    progress.step(files, files);
    failed = folder;
    batch.commit();
    made.keep();
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
