#pragma once
// Randomized input records for the calculator windows' commands: box texts a
// plater might type or paste, list picks, rounding, window sizes and the
// remembered scale, drawn from a seeded generator so that every run sees the
// same records. Each record goes through a design's own `run` (or a list's
// `onChange`) and what comes back is held to what the window can show:
// either the command was stopped with a message, or every text it lists is
// well formed (no "nan", "inf", "溢出", a number after every "=") and every
// coordinate it draws or places is finite.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/tiled_template.h"
#include "core/window_design.h"

namespace korvel::hardening {

// What is wrong with one outcome, one line each; empty when nothing is.
// `stopped` outcomes must carry a ShowMessage; everything else is checked on
// every outcome, stopped or not.
std::vector<std::string> problemsOf(const Outcome& out);

// What is wrong with the scale a command remembers for the next one: it must
// be finite and positive, unless it is the value the command was handed.
std::vector<std::string> memoryProblems(const Outcome& out, const FormState& state);

// What is wrong with one text the window shows.
std::vector<std::string> textProblems(const std::string& text);

// A text as a C string literal, control characters escaped.
std::string quoted(const std::string& text);

// The record's texts, rounding, sizes and memory, one per line: enough to
// build the same FormState again by hand.
std::string describe(const FormState& state);

// Box texts and list picks for one window.
class RecordMaker {
public:
    RecordMaker(const WindowDesign& design, std::uint64_t seed);

    // Texts a box may be given on top of the generic ones (boundary values of
    // this fitting: "359.9" for a bend angle, ...).
    void addBoxTexts(const std::string& key, std::vector<std::string> texts);

    // A state made from the window's presets with box texts, list picks,
    // rounding, outer size and remembered scale replaced at random. `kept` is
    // a scale an earlier command of the same window remembered, if any.
    FormState next(const std::map<std::string, double>& kept = {});

    // One box text, generic: plausible values around `preset`, zeros,
    // negatives, huge and tiny values, and texts that are not numbers.
    std::string boxText(double preset, bool angle);
    // A pick from a number list: mostly its real items, sometimes counts no
    // window offers ("0", "3", "-8", "1e9", ...). A division list's items
    // come mostly from its short end.
    std::string countText(const std::vector<std::string>& items, bool division);
    // A pick from a variant or direction list: its items, rarely other text.
    std::string choiceText(const std::vector<std::string>& items);

    std::mt19937_64& rng() { return rng_; }

private:
    double uniform(double from, double to);
    bool chance(double p);
    template <class T>
    const T& pick(const std::vector<T>& from);

    const WindowDesign& design_;
    std::mt19937_64 rng_;
    std::map<std::string, std::vector<std::string>> extra_;
};

// How one fitting's run went.
struct RunSummary {
    int records = 0;
    int stopped = 0;
    int drawn = 0;     // not stopped and something drawn
    int replayed = 0;  // drawings replayed on an image
    int failures = 0;
    // Failing records by kind of problem; the first of each kind is printed.
    std::map<std::string, int> failureKinds;
    // Outcomes that showed a message and went on (a check that resets the
    // boxes and lets the command finish).
    int wentOnAfterMessage = 0;
    std::map<std::string, int> byCommand;  // records per command
    std::map<std::string, int> completed;  // of those, not stopped
    // Files made (runExports): flat patterns and CAD drawings written,
    // templates painted into a PDF and their pages.
    int patterns = 0;
    int cadDrawings = 0;
    int templates = 0;
    long long templatePages = 0;
    double seconds = 0;
    // The slowest record: how long its command took and its number.
    double slowestSeconds = 0;
    int slowestRecord = -1;

    int completedOf(const std::string& command) const {
        const auto it = completed.find(command);
        return it == completed.end() ? 0 : it->second;
    }
};

struct RunPlan {
    const WindowDesign* design = nullptr;
    std::uint64_t seed = 0;
    int records = 100000;
    // Box texts on top of the generic ones, by box key.
    std::map<std::string, std::vector<std::string>> boxTexts = {};
    // Relative share of records by menu command name (1 when not named): the
    // legend commands draw no input and need few.
    std::map<std::string, double> weights = {};
    // Every how many drawn records the drawing is replayed with QPainter on
    // an image (0: never); drawings reaching far beyond any window are
    // replayed besides, up to a few hundred.
    int replayEvery = 40;
};

// Runs `plan.records` records, each through one of the design's menu
// commands that has a `run` (picked at random), and reports the first failing
// record of each kind of problem with its texts through ADD_FAILURE. The
// scale a command remembers is handed to later records of the same window,
// as the window would. For longer runs by hand, KORVEL_RANDOM_RECORDS in the
// environment sets the number of records and KORVEL_RANDOM_SEED is added to
// the seed.
RunSummary runCommands(const RunPlan& plan);

// Runs `records` random states through every list's `onChange` of the design
// (the variant and direction lists), checking the outcomes the same way.
RunSummary runListChanges(const WindowDesign& design, std::uint64_t seed, int records);

// What every run of runCommands is held to: no failing record, all 100 000
// records run, more than 100 drawings replayed, and for each command named
// in `completedMoreThan` more records that ran to the end than its number.
void expectSound(const RunSummary& s, const std::map<std::string, int>& completedMoreThan);

// 20 000 random states through each design's list changes: none fails, none
// is stopped.
void expectListChangesSound(std::initializer_list<const WindowDesign*> designs, std::uint64_t seed);

// What the window's file commands made of one state: 导出展开图 (the flat
// pattern's DXF), 打印1:1样板 (the template's PDF) and, where the window has
// one, cad (the CAD drawing's DXF).
struct ExportCheck {
    bool patternWritten = false;
    int templatePages = 0;  // 0 when refused
    bool painted = false;   // the template's PDF made
    bool cadWritten = false;
    std::vector<std::string> problems;  // empty when all went as it should
};

// A folder of its own for files written only to be checked, on a file system
// in memory where there is one (/dev/shm): every save syncs its file to the
// disk, which costs more than writing it. Removed with the object.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Runs the window's file commands on `state` through the calls the windows
// and `korvel dxf|pdf|cad` make: the DXF files are saved at `scratch` (each
// replacing the last), the PDF on `paper` is made in memory. Each must either
// be refused with a message (in well-formed texts) or give a whole file;
// none may throw, the template is refused only where the pattern is or for
// its page count, and a template never exceeds kMaxTemplatePages. The PDF is
// painted (it needs a QGuiApplication) when the template has at most
// `paintUpTo` pages, and must hold as many.
ExportCheck checkExports(const WindowDesign& design, const FormState& state, const PaperSize& paper,
                         const std::string& scratch, int paintUpTo);

// Runs `records` random states (RecordMaker, on a random paper size) through
// checkExports, with `scratch` for the DXF files, and reports the first
// failing record of each kind through ADD_FAILURE. Every template is made and
// counted; its PDF is painted when it is small (up to 4 pages) and for the
// first larger ones, up to 300 of their pages in all. KORVEL_RANDOM_RECORDS
// and KORVEL_RANDOM_SEED apply as in runCommands.
RunSummary runExports(const WindowDesign& design, std::uint64_t seed, int records, const std::string& scratch);

// The windows whose commands the tests here run random records through. Each
// test file names the windows it covers once, at namespace scope,
//   [[maybe_unused]] const bool covered = coverWindows({&elbowDesign});
// and the coverage test holds every window of the catalogue that computes to
// them. Returns true.
bool coverWindows(std::initializer_list<const WindowDesign& (*)()> designs);

// The designs named so far.
std::set<const WindowDesign*> coveredWindows();

}  // namespace korvel::hardening
