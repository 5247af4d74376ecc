#pragma once
// A job's nest as files in one folder: plate-01.dxf, plate-01.svg, … for
// each plate (plate_files.h), then summary.pdf (nest_summary_pdf.h) and
// summary.csv (jobNestCsv). The CSV summary is written last: a folder with
// it has every plate it counts. Each file goes through the atomic save.

#include <functional>
#include <string>
#include <vector>

#include "core/nesting/job_nest.h"
#include "output/dxf_file.h"
#include "output/nest_summary_pdf.h"
#include "output/page_progress.h"

namespace korvel::cad {

struct NestFileOptions {
    DxfVersion version = DxfVersion::R2000;
    bool cutOnly = false;  // the plate files hold the CUT layer alone (and PLATE)
    NestTitle title = {};  // the job's fields at the head of summary.pdf
};

// "plate-07": plate `index` from 0.
std::string plateStem(size_t index);

// The number of files saveNestFiles writes: two a plate, then the summary's two.
size_t nestFileCount(const JobNest& nest);

// Writes the files into `folder` (made if missing) and returns their paths
// in the order written, all or none (a FileBatch): each is made beside its
// target, and all are renamed into place once the last is whole. `progress`
// is told the files made of nestFileCount, and asked before each whether to
// go on. Throws SaveError when a file (or the folder) could not be written,
// its name in `failed`, or Cancelled; either way no file in `folder` has
// changed and a folder it made is removed again (a rename failing midway,
// the files renamed before it stay written).
std::vector<std::string> saveNestFiles(const std::string& folder, const JobNest& nest, const NestFileOptions& options,
                                       std::string& failed, const PageProgress& progress = {});

// The plate files in `folder` from an earlier, longer nest: plate-NN.dxf and
// plate-NN.svg whose NN is past `plates`, sorted. They are left where they
// are (someone may want them), but a table must not cut them with this nest:
// the caller names them.
std::vector<std::string> staleNestFiles(const std::string& folder, size_t plates);

}  // namespace korvel::cad
