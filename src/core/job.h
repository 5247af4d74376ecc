#pragma once
// A job: the fittings a shop makes for one order, each an entry with the
// window's inputs, the export choices, a quantity and a mark (the shop's
// part name, "E-01"), and the plate's material for the whole job. Kept as a
// readable JSON file (.korvel):
//
//   {
//     "format": "korvel-job",
//     "version": 1,
//     "name": "...", "customer": "...", "drawing": "...",
//     "material": {"name": "碳钢", "density": 7.85},
//     "entries": [
//       {"mark": "E-01", "fitting": "elbow", "quantity": 4,
//        "inputs": {"D": "1120", ..., "round": "int"},
//        "choices": {"surface": "mean", "seam": "heel"}}
//     ]
//   }
//
// indented by two blanks, UTF-8 as is, keys in this order, a line break at
// the end. A fitting is named as `korvel dxf` names it, the inputs and
// choices as `korvel dxf` takes them (named_inputs.h): box texts as typed.
// Pure C++: no Qt; the bytes are saved by the output layer's atomic save.
//
// Reading opens what can be opened. An entry that cannot be read (an unknown
// fitting, input or choice, a value the window does not offer, a missing or
// non-numeric quantity) is named in the problems and kept as its JSON stood,
// written back in its place when the job is saved, so that saving loses
// nothing of it. Fields of the job that this version does not know are kept
// the same way. A job field that is there but cannot be read (a material
// without a density ...) is named too; saving would put the default in its
// place, so the job says it does not keep everything (`keepsAll`) and is
// saved over that file only when the user asks.

#include <optional>
#include <string>
#include <vector>

#include "core/named_inputs.h"
#include "core/window_design.h"

namespace korvel {

inline constexpr const char* kJobFormat = "korvel-job";
inline constexpr int kJobVersion = 1;

struct Material {
    std::string name;
    double density = 0;  // g/cm³
};

// 碳钢 7.85, 不锈钢 7.93, 铝 2.70 g/cm³; the first is a new job's.
const std::vector<Material>& materialPresets();

struct JobEntry {
    std::string mark;
    std::string fitting;  // FITTING of `korvel dxf`: elbow, tee, ...
    int quantity = 1;     // whole fittings, at least 1
    // Every input by name in the panel's order, round last (namedInputs).
    std::vector<NamedInput> inputs;
    // The export choices given, by name, as given (surface, plate-t, ...).
    std::vector<NamedInput> choices;
    // An entry that could not be read: its JSON as the file had it, written
    // back unchanged; the fields above are then empty.
    std::string unread;

    bool readable() const { return unread.empty(); }
};

struct Job {
    std::string name, customer, drawing;
    Material material = materialPresets().front();
    std::vector<JobEntry> entries;
    // The job's fields this version does not know, a JSON object as read
    // ("" for none), written back after the known ones.
    std::string unknownFields;
};

struct JobReading {
    // None when nothing could be opened: not JSON, not a job file, a version
    // this program does not read.
    std::optional<Job> job;
    // What could not be read, one message each, entry by entry and field by
    // field: "第 3 项（E-01）：未知的配件“elbowx”，此项未读入。"
    std::vector<std::string> problems;
    // False when saving the job would lose something the file holds.
    bool keepsAll = true;
};

// Reads a job file's bytes. Entries whose inputs the fitting refuses are
// read (the window could open them to be put right) and named in the problems.
JobReading readJob(const std::string& bytes);

// The file's bytes: the same job gives the same bytes.
std::string jobBytes(const Job& job);

// A new entry of FITTING with the inputs given by name (the rest at the
// window's presets) and the export choices given: the entry, or what is
// wrong in the command line's words (an unknown fitting, input or choice, a
// value none of the window's).
struct EntryMaking {
    JobEntry entry;
    std::string error;
};
EntryMaking makeEntry(const std::string& fitting, const std::vector<NamedInput>& inputs,
                      const std::vector<NamedInput>& choices);

// The window, its state and the export choices of a readable entry; the
// design is null for an entry that is not readable.
struct EntryInputs {
    const WindowDesign* design = nullptr;
    FormState state;
    ExportChoices choices;
};
EntryInputs entryInputs(const JobEntry& entry);

// What the title block of the entry's pattern says of the job.
JobTitle jobTitle(const Job& job, const JobEntry& entry);

// The entry's flat pattern, as `korvel dxf` exports it, with the job's title
// (JobTitle) for its title block; or the window's refusal.
PatternExport entryPattern(const Job& job, const JobEntry& entry);

// The pattern of each entry that can be developed, entry by entry, with the
// entry's index from 0; each entry that cannot (not read, its inputs refused)
// named in `leftOut` instead ("第 2 项（E-02）：…").
struct DevelopedEntry {
    size_t index = 0;
    const JobEntry* entry = nullptr;
    PatternExport pattern;
};
std::vector<DevelopedEntry> developedEntries(const Job& job, std::vector<std::string>& leftOut);

// The messages of a refusal on one line, one after the other.
std::string refusalLine(const Outcome& rejection);

// "第 3 项（E-01）", or "第 3 项" for an entry without a mark; `index` from 0.
std::string entryLabel(size_t index, const std::string& mark);

}  // namespace korvel
