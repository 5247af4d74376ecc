#include "output/nest_files.h"

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

std::vector<std::string> saveNestFiles(const std::string& folder, const JobNest& nest, const NestFileOptions&,
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
        savePlateDxf(written.back(), plate.plate, nest.parts, plate.nested);
        failed = written.emplace_back((dir / (stem + ".svg")).string());
        saveFileBytes(written.back(), plateSvg(plate.plate, nest.parts, plate.nested));
    }
    failed = written.emplace_back((dir / "summary.csv").string());
    saveFileBytes(written.back(), jobNestCsv(nest));
    failed.clear();
    return written;
}

}  // namespace korvel::cad
