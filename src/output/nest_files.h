#pragma once
// A job's nest as files in one folder: plate-01.dxf, plate-01.svg, … for
// each plate (plate_files.h), then summary.csv (jobNestCsv). The summary is
// written last: a folder with a summary has every plate it counts. Each file
// goes through the atomic save.

#include <functional>
#include <string>
#include <vector>

#include "core/nesting/job_nest.h"
#include "output/dxf_file.h"

namespace korvel::cad {

struct NestFileOptions {
    DxfVersion version = DxfVersion::R2000;
    bool cutOnly = false;  // the plate files hold the CUT layer alone (and PLATE)
};

// "plate-07": plate `index` from 0.
std::string plateStem(size_t index);

// Writes the files into `folder` (made if missing) and returns their paths
// in the order written. Throws SaveError when a file (or the folder) could
// not be written, its name in `failed`; the files before it stay written.
std::vector<std::string> saveNestFiles(const std::string& folder, const JobNest& nest, const NestFileOptions& options,
                                       std::string& failed);

}  // namespace korvel::cad
