#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <charconv>
#include <unistd.h>

#include "ui/application.h"
#include "core/catalogue.h"
#include "core/cut_list.h"
#include "core/export_range.h"
#include "core/job.h"
#include "core/nesting/job_nest.h"
#include "core/listing_values.h"
#include "core/named_inputs.h"
#include "core/print_correction.h"
#include "output/atomic_file.h"
#include "output/dxf_file.h"
#include "output/dxf_writer.h"
#include "output/pattern_dxf.h"
#include "output/nest_files.h"
#include "output/template_pdf.h"
#include "ui/export_dialog.h"
#include "ui/message_boxes.h"

namespace korvel {
namespace {

std::string escapeBreaks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') continue;
        else out += c;
    }
    return out;
}

// Says why FILE (standard output for -o -) was not written: the error and,
// as the windows say it, its cause. Returns the exit status.
int notWritten(const std::string& file, const cad::SaveError& error, std::ostream& err) {
    err << "korvel: " << (file == cad::kStandardOutput ? "standard output" : file) << " not written: " << error.what()
        << " (" << cad::saveFailureReason(error.code()) << ")\n";
    return kExitNotWritten;
}

// One file per run: a second -o used to win silently over the first.
constexpr const char* kTwoFiles = "korvel: -o names the one FILE to write; it was given twice\n";

const CliCommand* findCommand(const std::vector<CliCommand>& commands, const std::string& fitting) {
    for (const auto& c : commands)
        if (c.fitting == fitting) return &c;
    return nullptr;
}

// Applies one name=value argument to the state of FITTING's window; false
// with a message on error.
bool applyArgument(const WindowDesign& design, const std::string& fitting, FormState& state, const std::string& arg,
                   std::string& error) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = fitting + " takes name=value, got '" + arg + "' (try korvel --help)";
        return false;
    }
    error = applyInput(design, fitting, state, arg.substr(0, eq), arg.substr(eq + 1));
    return error.empty();
}

// Applies every name=value argument: the variant and direction picks first,
// since a pick resets boxes, then the box texts and the rounding.
bool applyArguments(const WindowDesign& design, const std::string& fitting, FormState& state,
                    const std::vector<std::string>& args, std::string& error) {
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& arg : args)
            if (picksVariant(design, arg.substr(0, arg.find('='))) == (pass == 0) &&
                !applyArgument(design, fitting, state, arg, error))
                return false;
    return true;
}

// A message box's text on one line: its line breaks dropped.
std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\n' && c != '\r') out += c;
    return out;
}

// The messages of a window's refusal, one line each.
void printRefusal(const Outcome& rejection, std::ostream& err) {
    for (const auto& effect : rejection.effects)
        if (const auto* message = std::get_if<ShowMessage>(&effect)) err << "korvel: " << oneLine(message->text) << '\n';
}

// The window whose CAD drawing `korvel cad` writes.
const WindowDesign* cadDesign() {
    for (const auto& entry : fittingEntries())
        if (entry.design().cad.draw) return &entry.design();
    return nullptr;
}

// korvel cad [name=value ...] -o FILE: the window's cad command without the
// window.
int runCad(const std::vector<std::string>& args, std::ostream& err) {
    const WindowDesign& design = *cadDesign();
    FormState state = design.presetState();
    std::string file;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 == args.size() || args[i + 1].empty()) {
                err << "korvel: -o needs a FILE\n";
                return kExitUsage;
            }
            if (!file.empty()) {
                err << kTwoFiles;
                return kExitUsage;
            }
            file = args[++i];
            continue;
        }
        std::string error;
        if (!applyArgument(design, "cad", state, args[i], error)) {
            err << "korvel: " << error << '\n';
            return kExitUsage;
        }
    }
    if (file.empty()) {
        err << "korvel: cad needs -o FILE (try korvel --help)\n";
        return kExitUsage;
    }
    try {
        if (const auto refusal = cad::saveCadDrawing(design.cad, state, file)) {
            printRefusal(*refusal, err);
            return kExitStopped;
        }
    } catch (const cad::SaveError& e) {
        return notWritten(file, e, err);
    }
    return kExitOk;
}

// The paper sizes as --help and the messages name them: "A4|A3|A2|A1|A0|Letter".
std::string paperNames() {
    std::string names;
    for (const PaperSize& size : paperSizes()) names += (names.empty() ? "" : "|") + size.name;
    return names;
}

// What `korvel dxf` and `korvel pdf` are asked for: the window, its state after
// the name=value settings, the file, the export choices, and the paper (pdf)
// or the DXF file's options (dxf).
struct PatternRequest {
    const WindowDesign* design = nullptr;
    FormState state;
    std::string file;
    PaperSize paper = paperSizes().front();
    TemplatePlacing placing;  // --orientation, --turn: none = the fewest pages
    ExportChoices choices;
    cad::PatternFileOptions files;
    PrintCorrection correction;  // pdf: --scale-x, --scale-y
};

// Applies --scale-x F or --scale-y F (--scale-x=F) at args[i], taking F from
// the next argument: korvel pdf's printer correction. Returns false when
// args[i] is neither; sets `error` when it is one with no factor from 0.9 to 1.1.
bool applyScaleOption(const std::vector<std::string>& args, size_t& i, PrintCorrection& correction,
                      std::string& error) {
    const std::string& arg = args[i];
    const std::string name = arg.substr(0, arg.find('='));
    if (name != "--scale-x" && name != "--scale-y") return false;
    std::string value;
    if (arg != name) value = arg.substr(name.size() + 1);
    else if (i + 1 < args.size()) value = args[++i];
    const std::optional<double> factor = readCorrectionFactor(value);
    if (!factor) error = name + " takes a factor from 0.9 to 1.1 (1.008: 100 mm printed as 99.2 mm), got '" + value + "'";
    else (name == "--scale-x" ? correction.x : correction.y) = *factor;
    return true;
}

bool optionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                 bool& missing);

// Applies --orientation portrait|landscape or --turn 0|90 at args[i] (or
// --NAME=VALUE), korvel pdf's. Returns false when args[i] is neither; sets
// `error` when the value is missing or wrong.
bool applyPlacingOption(const std::vector<std::string>& args, size_t& i, TemplatePlacing& placing,
                        std::string& error) {
    std::string value;
    bool missing = false;
    if (optionValue(args, i, "--orientation", value, missing)) {
        if (value == "portrait" || value == "landscape") placing.landscape = value == "landscape";
        else error = "--orientation takes portrait|landscape, got '" + value + "'";
        return true;
    }
    if (optionValue(args, i, "--turn", value, missing)) {
        if (value == "0" || value == "90") placing.turned = value == "90";
        else error = "--turn takes 0|90, got '" + value + "'";
        return true;
    }
    return false;
}

// Applies --dxf R12|R2000 (--dxf=VERSION) or --cut-only at args[i], taking
// --dxf's value from the next argument: korvel dxf's and job nest's. Returns
// false when args[i] is neither; sets `error` when --dxf is wrongly given.
bool applyDxfOption(const std::vector<std::string>& args, size_t& i, cad::DxfVersion& version, bool& cutOnly,
                    std::string& error) {
    const std::string& arg = args[i];
    if (arg == "--cut-only") {
        cutOnly = true;
        return true;
    }
    if (arg != "--dxf" && !arg.starts_with("--dxf=")) return false;
    std::string value;
    if (arg != "--dxf") value = arg.substr(6);
    else if (i + 1 < args.size()) value = args[++i];
    if (value == "R12") version = cad::DxfVersion::R12;
    else if (value == "R2000") version = cad::DxfVersion::R2000;
    else error = "--dxf takes R12 or R2000, got '" + value + "'";
    return true;
}

// Applies an export choice (surface=, plate-t=, joint=, main-t=, seam=) or a DXF file option (--dxf,
// --cut-only, --per-piece; `dxf` only) at args[i], taking --dxf's value from
// the next argument. Returns false when args[i] is none of them; sets `error`
// when it is one, wrongly given.
bool applyExportOption(const std::vector<std::string>& args, size_t& i, bool dxf, PatternRequest& request,
                       std::string& error) {
    const std::string& arg = args[i];
    const size_t equals = arg.find('=');
    if (equals != std::string::npos && isExportChoice(arg.substr(0, equals))) {
        error = applyExportChoice(*request.design, arg.substr(0, equals), arg.substr(equals + 1), request.choices);
        return true;
    }
    const bool version = arg == "--dxf" || arg.starts_with("--dxf=");
    if (!version && arg != "--cut-only" && arg != "--per-piece") return false;
    if (!dxf) {
        error = arg.substr(0, arg.find('=')) + " is an option of korvel dxf only";
        return true;
    }
    if (arg == "--per-piece") request.files.perPiece = true;
    else applyDxfOption(args, i, request.files.version, request.files.cutOnly, error);
    return true;
}

// Reads VERB FITTING [name=value ...] [export options] -o FILE, and --page
// SIZE or --page=SIZE for pdf. On a usage error says why and returns nothing.
std::optional<PatternRequest> readPatternRequest(const std::vector<std::string>& args, std::ostream& err) {
    const std::string& verb = args[0];
    const bool paperAllowed = verb == "pdf";
    if (args.size() < 2) {
        err << "korvel: " << verb << " needs a FITTING (try korvel --help)\n";
        return std::nullopt;
    }
    PatternRequest request;
    request.design = patternDesign(args[1]);
    if (request.design == nullptr) {
        err << "korvel: unknown FITTING '" << args[1] << "' for " << verb << " (try korvel --help)\n";
        return std::nullopt;
    }
    std::vector<std::string> settings;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string optionError;
        if (applyExportOption(args, i, verb == "dxf", request, optionError)) {
            if (!optionError.empty()) {
                err << "korvel: " << optionError << '\n';
                return std::nullopt;
            }
            continue;
        }
        if (paperAllowed && (applyScaleOption(args, i, request.correction, optionError) ||
                             applyPlacingOption(args, i, request.placing, optionError))) {
            if (!optionError.empty()) {
                err << "korvel: " << optionError << '\n';
                return std::nullopt;
            }
            continue;
        }
        const bool page = paperAllowed && (arg == "--page" || arg.starts_with("--page="));
        if (arg != "-o" && !page) {
            settings.push_back(arg);
            continue;
        }
        std::string value;
        if (arg.starts_with("--page=")) {
            value = arg.substr(7);
        } else if (i + 1 == args.size() || args[i + 1].empty()) {
            err << "korvel: " << arg << (arg == "-o" ? " needs a FILE\n" : " needs a paper size (" + paperNames() + ")\n");
            return std::nullopt;
        } else {
            value = args[++i];
        }
        if (arg == "-o") {
            if (!request.file.empty()) {
                err << kTwoFiles;
                return std::nullopt;
            }
            request.file = value;
            continue;
        }
        const std::optional<PaperSize> size = paperSize(value);
        if (!size) {
            err << "korvel: --page takes " << paperNames() << ", got '" << value << "'\n";
            return std::nullopt;
        }
        request.paper = *size;
    }
    request.state = request.design->presetState();
    std::string error;
    if (!applyArguments(*request.design, args[1], request.state, settings, error)) {
        err << "korvel: " << error << '\n';
        return std::nullopt;
    }
    if (request.choices.plateThickness && windowGivesThickness(*request.design, request.state)) {
        err << "korvel: plate-t is for a window without a plate thickness; " << args[1] << " has its own, t="
            << request.state.text(request.design->input("t")->box.key()) << '\n';
        return std::nullopt;
    }
    if (request.file.empty()) {
        err << "korvel: " << verb << " needs -o FILE (try korvel --help)\n";
        return std::nullopt;
    }
    if (request.files.perPiece && request.file == cad::kStandardOutput) {
        err << "korvel: --per-piece writes a file per piece: it needs -o FILE, not -o -\n";
        return std::nullopt;
    }
    return request;
}

// The sizes the pattern is developed to, on standard error before the file
// is written (standard output may be the file).
void printDevelopedSizes(const PatternExport& e, std::ostream& err) {
    const std::string sizes = developedSizesText(e);
    if (!sizes.empty()) err << sizes << '\n';
}

// korvel dxf FITTING [name=value ...] [options] -o FILE: the window's 导出展开图
// command without the window. Per piece, the files written are listed on
// standard output, one a line.
int runDxf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<PatternRequest> request = readPatternRequest(args, err);
    if (!request) return kExitUsage;
    const PatternExport pattern = exportedPattern(*request->design, request->state, request->choices);
    if (pattern.rejected()) {
        printRefusal(pattern.rejection, err);
        return kExitStopped;
    }
    printDevelopedSizes(pattern, err);
    try {
        cad::savePatternDxf(pattern, request->file, request->files);
    } catch (const cad::SaveError& e) {
        return notWritten(request->file, e, err);
    }
    if (request->files.perPiece)
        for (const std::string& path : cad::patternFilePaths(pattern, request->file, request->files)) out << path << '\n';
    return kExitOk;
}

// The pages of a template are painted with Qt's fonts: that needs an
// application object, without a screen, made for as long as this lives when
// there is none. Its start-up notes on the desktop session are no news on the
// command line.
class PaintingApplication {
public:
    PaintingApplication() {
        if (QCoreApplication::instance() != nullptr) return;
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg && !text.startsWith(QLatin1String("QStandardPaths:")))
                std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        static int argc = 3;
        static char program[] = "korvel", option[] = "-platform", platform[] = "offscreen";
        static char* argv[] = {program, option, platform, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        setUpApplication();
    }
    ~PaintingApplication() {
        if (app_) qInstallMessageHandler(previous_);
    }
    PaintingApplication(const PaintingApplication&) = delete;
    PaintingApplication& operator=(const PaintingApplication&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
    QtMessageHandler previous_ = nullptr;
};

// korvel pdf FITTING [name=value ...] [--page SIZE] [--orientation O] [--turn T]
// [--scale-x F] [--scale-y F] -o FILE: the window's
// 打印1:1样板 command without the window, saved to a file.
int runPdf(const std::vector<std::string>& args, std::ostream& err) {
    const std::optional<PatternRequest> request = readPatternRequest(args, err);
    if (!request) return kExitUsage;
    const std::string& file = request->file;
    PrintedTemplate printed =
        makeTemplate(*request->design, request->state, request->paper, request->choices, {}, request->placing);
    printed.correction = request->correction;
    if (printed.rejected()) {
        printRefusal(printed.rejection, err);
        return kExitStopped;
    }
    printDevelopedSizes(printed.pattern, err);
    const PaintingApplication painting;
    // Progress for someone watching a terminal, on one line rewritten.
    const bool terminal = isatty(STDERR_FILENO) == 1;
    PageProgress progress;
    if (terminal)
        progress.report = [&err](int done, int total) {
            if (done > 0) err << "\rkorvel: page " << done << " of " << total << std::flush;
        };
    try {
        saveTemplatePdf(printed, file, progress);
    } catch (const cad::SaveError& e) {
        if (terminal) err << '\n';
        return notWritten(file, e, err);
    }
    if (terminal) err << '\n';
    return kExitOk;
}

// korvel job FILE.korvel VERB ...: the job file read, its problems on
// standard error as "korvel: FILE: ..." lines. `missingIsNew`: a file that
// is not there is a new job, named after the file's stem. Nothing when the
// file cannot be opened (exit 2 said).
std::optional<JobReading> readJobFile(const std::string& file, bool missingIsNew, std::ostream& err) {
    std::error_code ignored;
    if (missingIsNew && std::filesystem::symlink_status(file, ignored).type() == std::filesystem::file_type::not_found) {
        JobReading fresh;
        fresh.job = Job{};
        fresh.job->name = std::filesystem::path(file).stem().string();
        return fresh;
    }
    const auto unreadable = [&](const char* why) {
        err << "korvel: " << file << ": the job file could not be read (" << why << ")\n";
        return std::nullopt;
    };
    if (std::filesystem::is_directory(file, ignored)) return unreadable(std::strerror(EISDIR));
    std::ifstream in(file, std::ios::binary);
    if (!in) return unreadable(std::strerror(errno));
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return unreadable(std::strerror(errno));
    JobReading reading = readJob(bytes);
    for (const std::string& problem : reading.problems) err << "korvel: " << file << ": " << problem << '\n';
    if (!reading.job) return std::nullopt;
    return reading;
}

// A mark as the name of a file in the folder a job writes to: no path
// separator, control character or leading dot (no "..", no hidden file), at
// most 100 bytes of whole characters; what a job file holds is data, and no
// mark reaches outside that folder.
std::string safeName(const std::string& mark) {
    std::string name;
    for (char c : mark) {
        const auto byte = static_cast<unsigned char>(c);
        name += (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f || (name.empty() && c == '.')) ? '_' : c;
    }
    size_t cut = std::min<size_t>(name.size(), 100);
    while (cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
    return name.find_first_not_of("_ ") == std::string::npos ? "" : name;
}

// The files of the job's entries in DIR, one a readable entry: the mark made
// safe (safeName), "entry-N" for none left, a second of the same name
// "_2", "_3" ... (names compared without case: some folders do).
std::vector<std::string> entryFiles(const Job& job, const std::string& dir, const std::string& extension) {
    std::vector<std::string> files;
    std::set<std::string> taken;
    for (size_t i = 0; i < job.entries.size(); ++i) {
        std::string stem = safeName(job.entries[i].mark);
        if (stem.empty()) stem = "entry-" + std::to_string(i + 1);
        const auto lower = [](std::string text) {
            for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return text;
        };
        std::string name = stem + extension;
        for (int n = 2; taken.contains(lower(name)); ++n) name = stem + "_" + std::to_string(n) + extension;
        taken.insert(lower(name));
        files.push_back((std::filesystem::path(dir) / name).string());
    }
    return files;
}

// Reads `--NAME VALUE` or `--NAME=VALUE` at args[i] into `value`; false when
// args[i] is not that option.
bool optionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                 bool& missing) {
    if (args[i].starts_with(name + "=")) {
        value = args[i].substr(name.size() + 1);
        return true;
    }
    if (args[i] != name) return false;
    missing = i + 1 == args.size();
    if (!missing) value = args[++i];
    return true;
}

// Saves the job at `file`; exit 0, or 3 said.
int saveJob(const Job& job, const std::string& file, std::ostream& err) {
    try {
        cad::saveFileBytes(file, jobBytes(job));
    } catch (const cad::SaveError& e) {
        return notWritten(file, e, err);
    }
    return kExitOk;
}

// korvel job FILE add FITTING [name=value ...] [choices] [--qty N] [--mark M]
int runJobAdd(const std::string& file, const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() < 4) {
        err << "korvel: job FILE add needs a FITTING (try korvel --help)\n";
        return kExitUsage;
    }
    const std::string& fitting = args[3];
    const WindowDesign* design = patternDesign(fitting);
    if (design == nullptr) {
        err << "korvel: unknown FITTING '" << fitting << "' for job add (try korvel --help)\n";
        return kExitUsage;
    }
    std::vector<NamedInput> inputs, choices;
    std::string mark, quantity = "1";
    for (size_t i = 4; i < args.size(); ++i) {
        bool missing = false;
        if (optionValue(args, i, "--mark", mark, missing) || optionValue(args, i, "--qty", quantity, missing)) {
            if (missing) {
                err << "korvel: " << args[i] << " needs a value\n";
                return kExitUsage;
            }
            continue;
        }
        const size_t eq = args[i].find('=');
        if (eq == std::string::npos || eq == 0) {
            err << "korvel: " << fitting << " takes name=value, got '" << args[i] << "' (try korvel --help)\n";
            return kExitUsage;
        }
        const std::string name = args[i].substr(0, eq);
        (isExportChoice(name) ? choices : inputs).emplace_back(name, args[i].substr(eq + 1));
    }
    const bool whole = !quantity.empty() && quantity.size() <= 7 && quantity.find_first_not_of("0123456789") == std::string::npos;
    if (!whole || std::stoi(quantity) < 1 || std::stoi(quantity) > 1000000) {
        err << "korvel: --qty takes a whole number from 1 to 1000000, got '" << quantity << "'\n";
        return kExitUsage;
    }
    EntryMaking made = makeEntry(fitting, inputs, choices);
    if (!made.error.empty()) {
        err << "korvel: " << made.error << '\n';
        return kExitUsage;
    }
    made.entry.mark = mark;
    made.entry.quantity = std::stoi(quantity);
    std::optional<JobReading> reading = readJobFile(file, true, err);
    if (!reading) return kExitStopped;
    if (!reading->keepsAll) {
        err << "korvel: " << file << ": saving would lose what could not be read; the file is left as it was\n";
        return kExitStopped;
    }
    const PatternExport pattern = entryPattern(*reading->job, made.entry);
    if (pattern.rejected()) {
        printRefusal(pattern.rejection, err);
        return kExitStopped;
    }
    reading->job->entries.push_back(std::move(made.entry));
    return saveJob(*reading->job, file, err);
}

// korvel job FILE set [name=TEXT] [customer=TEXT] [drawing=TEXT] [material=NAME[:DENSITY]]
int runJobSet(const std::string& file, const std::vector<std::string>& args, std::ostream& err) {
    std::optional<JobReading> reading = readJobFile(file, true, err);
    if (!reading) return kExitStopped;
    Job& job = *reading->job;
    for (size_t i = 3; i < args.size(); ++i) {
        const size_t eq = args[i].find('=');
        const std::string name = args[i].substr(0, eq), value = eq == std::string::npos ? "" : args[i].substr(eq + 1);
        if (name == "name" || name == "customer" || name == "drawing") {
            (name == "name" ? job.name : name == "customer" ? job.customer : job.drawing) = value;
            continue;
        }
        if (name != "material" || value.empty()) {
            err << "korvel: job set takes name=, customer=, drawing= or material=NAME[:DENSITY], got '" << args[i]
                << "'\n";
            return kExitUsage;
        }
        const size_t colon = value.rfind(':');
        const std::string material = value.substr(0, colon);
        std::optional<double> density;
        if (colon != std::string::npos && (!readPlateThickness(value.substr(colon + 1), density) || !density)) {
            err << "korvel: material's DENSITY is in g/cm³, a number above 0, got '" << value.substr(colon + 1) << "'\n";
            return kExitUsage;
        }
        for (const Material& preset : materialPresets())
            if (!density && preset.name == material) density = preset.density;
        if (!density || material.empty()) {
            err << "korvel: material takes 碳钢, 不锈钢, 铝 or NAME:DENSITY (g/cm³), got '" << value << "'\n";
            return kExitUsage;
        }
        job.material = {material, *density};
    }
    if (!reading->keepsAll) {
        err << "korvel: " << file << ": saving would lose what could not be read; the file is left as it was\n";
        return kExitStopped;
    }
    return saveJob(job, file, err);
}

// korvel job FILE cutlist [--csv]
int runJobCutList(const std::string& file, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
    const bool csv = args.size() == 4 && args[3] == "--csv";
    if (args.size() > 4 || (args.size() == 4 && !csv)) {
        err << "korvel: job FILE cutlist takes only --csv\n";
        return kExitUsage;
    }
    const std::optional<JobReading> reading = readJobFile(file, false, err);
    if (!reading) return kExitStopped;
    const CutList list = cutList(*reading->job);
    out << (csv ? cutListCsv(list) : cutListTable(*reading->job, list));
    for (const std::string& line : list.leftOut) err << "korvel: " << file << ": not counted: " << line << '\n';
    return list.leftOut.empty() && reading->problems.empty() ? kExitOk : kExitStopped;
}

// korvel job FILE dxf|pdf -o DIR [--page SIZE] [--scale-x F] [--scale-y F]: each entry's pattern in a file
// of its own in DIR (entryFiles), listed on standard output.
int runJobFiles(const std::string& file, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool pdf = args[2] == "pdf";
    std::string dir, page = paperSizes().front().name;
    PrintCorrection correction;
    for (size_t i = 3; i < args.size(); ++i) {
        bool missing = false;
        std::string value, scaleError;
        if (pdf && applyScaleOption(args, i, correction, scaleError)) {
            if (!scaleError.empty()) {
                err << "korvel: " << scaleError << '\n';
                return kExitUsage;
            }
            continue;
        }
        if (optionValue(args, i, "-o", value, missing) || (pdf && optionValue(args, i, "--page", page, missing))) {
            if (missing || (args[i] == "-o" && value.empty())) {
                err << "korvel: " << args[i] << " needs a value\n";
                return kExitUsage;
            }
            if (!value.empty()) dir = value;
            continue;
        }
        err << "korvel: job FILE " << args[2] << " takes -o DIR" << (pdf ? ", --page SIZE, --scale-x F, --scale-y F" : "") << ", got '"
            << args[i] << "'\n";
        return kExitUsage;
    }
    const std::optional<PaperSize> paper = paperSize(page);
    if (dir.empty() || !paper) {
        err << "korvel: job FILE " << args[2] << " needs -o DIR" << (paper ? "" : "; --page takes " + paperNames())
            << '\n';
        return kExitUsage;
    }
    const std::optional<JobReading> reading = readJobFile(file, false, err);
    if (!reading) return kExitStopped;
    const Job& job = *reading->job;
    std::error_code made;
    std::filesystem::create_directories(dir, made);
    if (made) {
        err << "korvel: " << dir << ": the folder could not be made (" << made.message() << ")\n";
        return kExitNotWritten;
    }
    const std::vector<std::string> files = entryFiles(job, dir, pdf ? ".pdf" : ".dxf");
    std::optional<PaintingApplication> painting;
    if (pdf) painting.emplace();
    int status = reading->problems.empty() ? kExitOk : kExitStopped;
    for (size_t i = 0; i < job.entries.size(); ++i) {
        const JobEntry& entry = job.entries[i];
        const std::string label = "korvel: " + file + ": " + entryLabel(i, entry.mark);
        const EntryInputs in = entryInputs(entry);
        if (in.design == nullptr) {
            err << label << "：此项未读入，未写出\n";
            status = std::max(status, kExitStopped);
            continue;
        }
        try {
            if (pdf) {
                PrintedTemplate printed = makeTemplate(*in.design, in.state, *paper, in.choices, jobTitle(job, entry));
                printed.correction = correction;
                if (printed.rejected()) {
                    err << label << "：" << refusalLine(printed.rejection) << "，未写出\n";
                    status = std::max(status, kExitStopped);
                    continue;
                }
                saveTemplatePdf(printed, files[i]);
            } else {
                const PatternExport pattern = entryPattern(job, entry);
                if (pattern.rejected()) {
                    err << label << "：" << refusalLine(pattern.rejection) << "，未写出\n";
                    status = std::max(status, kExitStopped);
                    continue;
                }
                cad::savePatternDxf(pattern, files[i]);
            }
        } catch (const cad::SaveError& e) {
            status = std::max(status, notWritten(files[i], e, err));
            continue;
        }
        out << files[i] << '\n';
    }
    return status;
}

// A whole number of millimetres or a decimal one, nothing else ("8", "12.5").
std::optional<double> millimetres(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// korvel job FILE nest --plate WxH [--gap MM] [--margin MM] [--rotations N] [--seam MM]
// [--dxf R12|R2000] [--cut-only] -o DIR: the job's parts, split to the plate
// where too large, nested on plates; plate-01.dxf, plate-01.svg, ...,
// summary.pdf and summary.csv in DIR, listed on standard output; plate files
// of an earlier, longer nest in DIR named on standard error (left there).
// Exit 2 when a part cannot go on the plate (nothing written) or when entries
// were left out (the rest written).
int runJobNest(const std::string& file, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string dir, plateText = "1500x3000", gapText = "8", marginText = "10", rotationText = "4", seamText = "0";
    cad::NestFileOptions files;
    for (size_t i = 3; i < args.size(); ++i) {
        bool missing = false;
        std::string value, wrong;
        if (applyDxfOption(args, i, files.version, files.cutOnly, wrong)) {
            if (!wrong.empty()) {
                err << "korvel: " << wrong << '\n';
                return kExitUsage;
            }
            continue;
        }
        if (optionValue(args, i, "-o", dir, missing) || optionValue(args, i, "--plate", plateText, missing) ||
            optionValue(args, i, "--gap", gapText, missing) || optionValue(args, i, "--margin", marginText, missing) ||
            optionValue(args, i, "--rotations", rotationText, missing) ||
            optionValue(args, i, "--seam", seamText, missing)) {
            if (missing) {
                err << "korvel: " << args[i] << " needs a value\n";
                return kExitUsage;
            }
            continue;
        }
        err << "korvel: job FILE nest takes --plate WxH, --gap MM, --margin MM, --rotations N, --seam MM, "
               "--dxf R12|R2000, --cut-only and -o DIR, got '"
            << args[i] << "'\n";
        return kExitUsage;
    }
    JobNestOptions options;
    const size_t x = plateText.find_first_of("xX*");
    const std::optional<double> width = x == std::string::npos ? std::nullopt : millimetres(plateText.substr(0, x));
    const std::optional<double> height = x == std::string::npos ? std::nullopt : millimetres(plateText.substr(x + 1));
    const std::optional<double> gap = millimetres(gapText), margin = millimetres(marginText),
                                seam = millimetres(seamText);
    int rotations = 0;
    const auto [end, ec] = std::from_chars(rotationText.data(), rotationText.data() + rotationText.size(), rotations);
    if (dir.empty() || !width || !height || !gap || !margin || ec != std::errc() ||
        end != rotationText.data() + rotationText.size() || !seam || !std::isfinite(*seam) || *seam < 0) {
        err << "korvel: job FILE nest needs -o DIR; --plate takes WIDTHxHEIGHT in mm (1500x3000), --gap and "
               "--margin millimetres, --rotations a whole number, --seam millimetres from 0\n";
        return kExitUsage;
    }
    options.plate = {*width, *height, *margin, *gap};
    options.rotations = rotations;
    options.seam = *seam;
    const std::optional<JobReading> reading = readJobFile(file, false, err);
    if (!reading) return kExitStopped;
    // Progress for someone watching a terminal, on one line rewritten.
    const bool terminal = isatty(STDERR_FILENO) == 1;
    if (terminal)
        options.progress = [&err](size_t placed, size_t total) {
            err << "\rkorvel: nesting " << placed << " of " << total << " parts" << std::flush;
        };
    const JobNest nest = nestJob(*reading->job, options);
    if (terminal) err << '\n';
    for (const std::string& line : nest.leftOut) err << "korvel: " << file << ": " << line << "，未排料\n";
    // A piece that cannot be split leaves no parts: its refusal first.
    if (!nest.done()) {
        err << "korvel: " << file << ": " << nest.error << "，未写出\n";
        return kExitStopped;
    }
    if (nest.parts.empty()) {
        err << "korvel: " << file << ": 任务中没有可排料的零件，未写出\n";
        return kExitStopped;
    }
    std::string failed;
    files.title = nestTitle(*reading->job);
    const PaintingApplication painting;  // summary.pdf is painted
    try {
        for (const std::string& name : cad::saveNestFiles(dir, nest, files, failed)) out << name << '\n';
    } catch (const cad::SaveError& e) {
        return notWritten(failed, e, err);
    }
    for (const std::string& name : cad::staleNestFiles(dir, nest.plates.size()))
        err << "korvel: " << name << " is from an earlier nest; this one has " << nest.plates.size() << " plates\n";
    return reading->problems.empty() && nest.leftOut.empty() ? kExitOk : kExitStopped;
}

// korvel job FILE.korvel add|set|cutlist|dxf|pdf|nest ...
int runJob(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 3) {
        err << "korvel: job needs a FILE and what to do: add, set, cutlist, dxf, pdf or nest (try korvel --help)\n";
        return kExitUsage;
    }
    const std::string& file = args[1];
    const std::string& verb = args[2];
    if (verb == "add") return runJobAdd(file, args, err);
    if (verb == "set") return runJobSet(file, args, err);
    if (verb == "cutlist") return runJobCutList(file, args, out, err);
    if (verb == "dxf" || verb == "pdf") return runJobFiles(file, args, out, err);
    if (verb == "nest") return runJobNest(file, args, out, err);
    err << "korvel: job takes add, set, cutlist, dxf, pdf or nest, got '" << verb << "' (try korvel --help)\n";
    return kExitUsage;
}

// The FITTINGs of `korvel dxf` as the help lists them: "elbow, tee, …,
// rect-frustum, … or cone", each the name of its window's paragraph.
std::string patternFittings() {
    std::vector<std::string> names;
    for (const auto& entry : fittingEntries())
        if (entry.design().pattern) names.push_back(entry.design().patternName);
    std::string text;
    for (size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return text;
}

// `text` broken at blanks into lines of at most `width` characters (counted
// in bytes: the text is ASCII), each indented by `indent` blanks.
std::string wrapped(const std::string& text, int indent, size_t width) {
    std::string out, line;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            out += std::string(static_cast<size_t>(indent), ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) out += std::string(static_cast<size_t>(indent), ' ') + line + "\n";
    return out;
}

}  // namespace

bool isCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return false;
    const std::string& first = args.front();
    return !first.starts_with('-') || first == "--help" || first == "-h" || first == "--version";
}

WindowOptions readWindowOptions(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& a : arguments) list << QString::fromStdString(a);
    QCommandLineParser parser;
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("zh|en"));
    parser.addOption(lang);
    WindowOptions options;
    if (!parser.parse(list)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            options.error = "korvel: --lang takes zh or en (try korvel --help)";
            return options;
        }
        // The parser names the option without its dashes: name it as typed.
        std::string typed = unknown.front().toStdString();
        for (const std::string& a : arguments)
            if (a.starts_with('-') && a.substr(a.find_first_not_of('-')).starts_with(typed)) {
                typed = a.substr(0, a.find('='));
                break;
            }
        options.error = "korvel: unknown option '" + typed + "' (try korvel --help)";
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = "korvel: unknown command '" + parser.positionalArguments().front().toStdString() +
                        "' (try korvel --help)";
        return options;
    }
    if (parser.isSet(lang)) {
        const std::string code = parser.value(lang).toStdString();
        options.language = languageNamed(code);
        if (!options.language) options.error = "korvel: --lang takes zh or en, got '" + code + "'";
    }
    return options;
}

void printOutcome(const Outcome& outcome, std::ostream& out) {
    for (const auto& effect : outcome.effects) {
        std::visit(
            [&out](const auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, ShowMessage>) {
                    out << "message\t" << escapeBreaks(e.text) << '\n';
                } else if constexpr (std::is_same_v<T, SetBoxText>) {
                    out << e.key << ".text\t" << escapeBreaks(e.text) << '\n';
                } else if constexpr (std::is_same_v<T, SetListingHeading>) {
                    out << e.key << ".text\t" << e.text << '\n';
                } else if constexpr (std::is_same_v<T, AddListingLine>) {
                    out << e.key << '\t' << e.text << '\n';
                } else if constexpr (std::is_same_v<T, SetCaption>) {
                    out << e.key << '\t' << escapeBreaks(e.text) << '\n';
                } else if constexpr (std::is_same_v<T, Draw>) {
                    if (const auto* line = std::get_if<TextLineOp>(&e.primitive)) {
                        out << "surface";
                        for (const auto& item : line->items) out << "\t@" << item.column << ':' << item.text;
                        out << '\n';
                    }
                }
            },
            effect);
    }
}

std::string helpText() {
    const WindowDesign& cad = *cadDesign();
    std::ostringstream out;
    out << "Usage:\n"
           "  korvel [--lang zh|en] [Qt options]   start the program (the windows need a display);\n"
           "                                       --lang: Chinese (zh, unless given) or English (en);\n"
           "                                       Qt's own options reach Qt: -style NAME, -platform\n"
           "                                       NAME, -reverse, -stylesheet FILE, -qwindowgeometry\n"
           "                                       WxH+X+Y, ...\n"
           "  korvel list FITTING [name=value ...] run one compute command on the window's presets,\n"
           "                                       changed by the given box texts, and print what the\n"
           "                                       window shows as KEY<TAB>TEXT lines, or with\n"
           "                                       --format tsv|csv|json as named values for scripts\n"
           "  korvel cad [name=value ...] -o FILE  write the "
        << cad.patternName << " window's CAD drawing (its cad\n"
           "                                       command) as a DXF file; it takes "
        << cad.patternName << "'s inputs below\n"
           "  korvel dxf FITTING [name=value ...] [choices] -o FILE\n"
           "                                       write the window's true-size flat pattern (its\n"
           "                                       导出展开图 command) as a DXF file for the cutting\n"
        << wrapped("table; FITTING is " + patternFittings() + ", with its window's inputs", 39, 53)
        << "  korvel pdf FITTING [name=value ...] [choices] [--page SIZE] [--orientation O]\n"
           "                    [--turn T] -o FILE\n"
           "                                       write the same pattern as a full-size (1:1) template\n"
           "                                       tiled over printer pages (its 打印1:1样板 command):\n"
           "                                       SIZE is A4 (unless given), A3, A2, A1, A0 or Letter;\n"
           "                                       the first page(s) hold the title block, the window's\n"
           "                                       listing, the page map and the 100 mm check square,\n"
           "                                       every template page a 100 mm check scale along its\n"
           "                                       foot and left edge. O is portrait|landscape, T the\n"
           "                                       pattern's turn 0|90 (degrees); unless given, those\n"
           "                                       of the fewest pages. SIZE roll610|roll914|roll1067:\n"
           "                                       one page as wide as the roll and as long as the\n"
           "                                       pattern, turned to fit across unless --turn says;\n"
           "                                       a pattern too wide either way is refused (exit 2).\n"
           "                                       Print it at actual size (100 %).\n"
           "  korvel job FILE.korvel add FITTING [name=value ...] [choices] [--qty N] [--mark M]\n"
           "                                       add a fitting of korvel dxf to the job file (made\n"
           "                                       when missing): N of it, marked M\n"
           "  korvel job FILE.korvel set [name=TEXT] [customer=TEXT] [drawing=TEXT]\n"
           "                             [material=碳钢|不锈钢|铝|NAME:DENSITY]\n"
           "                                       the job's title block fields and plate material\n"
           "  korvel job FILE.korvel cutlist [--csv]\n"
           "                                       every piece of the job with its size, area,\n"
           "                                       weight, cutting length and pierces, and the\n"
           "                                       totals; --csv: the rows for a spreadsheet\n"
           "  korvel job FILE.korvel dxf|pdf -o DIR [--page SIZE] [--scale-x F] [--scale-y F]\n"
           "                                       each entry's pattern (pdf: its 1:1 template, with\n"
           "                                       korvel pdf's printer correction) in DIR, one file\n"
           "                                       per entry named by its mark\n"
           "  korvel job FILE.korvel nest [--plate WxH] [--gap MM] [--margin MM] [--rotations N]\n"
           "                                [--seam MM] [--dxf R12|R2000] [--cut-only] -o DIR\n"
           "                                       every piece of the job nested on plates (1500x3000,\n"
           "                                       gap 8, margin 10, 4 turns unless given), a piece\n"
           "                                       larger than the plate split along its generators\n"
           "                                       or bends with a seam strip MM wide (0 unless given)\n"
           "                                       on one side of each cut: plate-NN.dxf with a .svg\n"
           "                                       preview each, summary.pdf and summary.csv; --dxf and\n"
           "                                       --cut-only as korvel dxf's, the plate's outline on\n"
           "                                       layer PLATE kept (the stock edge, never cut). Plate\n"
           "                                       files of an earlier, longer nest in DIR are left\n"
           "                                       there and named on standard error\n"
           "  korvel --help                        this text\n"
           "  korvel --version                     the program's version\n\n"
           "Values are box texts, read exactly as the window reads its boxes.\n"
           "Options: round=int|dec (取整数 or 留小数), and where a window has one, its direction\n"
           "(dir=north|south) or variant (variant=frustum|cone) list; korvel pdf also takes\n"
           "--page A4|A3|A2|A1|A0|Letter|roll610|roll914|roll1067 (or --page=SIZE), the paper the\n"
           "template is tiled on (or the roll it is printed on), --orientation portrait|landscape and\n"
           "--turn 0|90 (or --NAME=VALUE).\n"
           "korvel pdf's --scale-x F and --scale-y F (or =F; 0.9 to 1.1, 1 unless given) correct a\n"
           "printer that scales: every page is drawn F times as large across (x) and down (y),\n"
           "page 1 saying so (1.008 for a printer that prints the 100 mm square 99.2 mm long).\n"
           "korvel dxf and pdf take the export's choices: surface=mean|outside|inside|typed, the\n"
           "surface the pattern is developed on (中性层, 外表面, 内表面 or 按输入尺寸: the sizes as\n"
           "the window lists them); plate-t=MM, the plate thickness of a window that has none (or\n"
           "t=0). Before writing they print the sizes the pattern is developed to on standard error.\n"
           "The tee and Y-tee also take joint=set-on|set-in (the branch stands on the main pipe, or\n"
           "enters its hole; set-on unless given) and main-t=MM (the main pipe's wall, the branch's\n"
           "unless given); seam=PLACE puts the seams where the fitting allows (elbow\n"
           "throat|heel|side|alternate, tee side|opposite, transitions corner1..4|side1..4, cone\n"
           "any angle in degrees from 0 to 360, reducing-elbow side|throat|heel; the window's own\n"
           "place unless given).\n"
           "korvel dxf also takes --dxf R12|R2000 (or --dxf=VERSION; R2000 unless given), --cut-only\n"
           "(the cutting outlines alone, layer CUT: no marks, labels or title block) and --per-piece\n"
           "(a file per piece, FILE's folder and stem + _N_NAME.dxf, N counting pieces from 1 and\n"
           "NAME the piece's name, listed on standard output; not with -o -).\n"
           "Exit status: 0 the command ran to its end, 2 a check stopped it (with --format, also when\n"
           "it put its presets into boxes in place of the typed texts), 1 unknown FITTING or name,\n"
           "3 the CAD drawing, the pattern or the template could not be written (FILE is left as it\n"
           "was). A check that refuses the inputs of korvel dxf or pdf prints its message and writes\n"
           "nothing; so does a template of more than 1000 pages.\n"
           "korvel job exits 2 as well when the job file cannot be opened, when saving it would lose\n"
           "what could not be read (the file is left as it was) or when an entry is left out.\n"
           "-o - writes the file to standard output, and nothing else there (a file named - is ./-).\n"
           "A FILE that is a symbolic link is replaced where the link leads, keeping its permissions\n"
           "and owner; a folder, device, pipe or socket is not replaced (exit 3).\n\n"
           "FITTINGs:\n";
    const WindowDesign* shown = nullptr;
    for (const auto& c : cliCommands()) {
        if (c.design != shown) {
            shown = c.design;
            out << "\n  " << c.design->patternName << ", " << c.design->fitting << ":\n    inputs:";
            for (const auto& in : c.design->inputs)
                out << "  " << in.symbol << "=" << in.preset << (in.unitText == "°" ? "°" : " " + in.unitText);
            for (const auto& l : c.design->lists) {
                if (l.optionValues.empty()) {
                    out << "  " << l.symbol << "=" << l.preset << " (" << l.items.front() << " to "
                        << l.items.back() << ")";
                } else {
                    out << "  " << l.symbol << "=" << l.optionValues.front();
                    for (size_t i = 1; i < l.optionValues.size(); ++i) out << "|" << l.optionValues[i];
                }
            }
            out << "  round=int|dec\n";
            if (c.design->pattern) {
                out << "    dxf " << c.design->patternName << "  (导出展开图)\n";
                out << "    pdf " << c.design->patternName << "  (打印1:1样板)\n";
            }
        }
        out << "    " << c.fitting << "  (" << c.command->name << ")\n";
    }
    return out.str();
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << helpText();
        return kExitOk;
    }
    if (args[0] == "--version") {
        out << "korvel " << KORVEL_VERSION << '\n';
        return kExitOk;
    }
    if (args[0] == "cad") return runCad(args, err);
    if (args[0] == "dxf") return runDxf(args, out, err);
    if (args[0] == "pdf") return runPdf(args, err);
    if (args[0] == "job") return runJob(args, out, err);
    if (args[0] != "list") {
        err << "korvel: unknown command '" << args[0] << "' (try korvel --help)\n";
        return kExitUsage;
    }
    if (args.size() < 2) {
        err << "korvel: list needs a FITTING (try korvel --help)\n";
        return kExitUsage;
    }
    const std::vector<CliCommand> commands = cliCommands();
    const CliCommand* command = findCommand(commands, args[1]);
    if (command == nullptr) {
        err << "korvel: unknown FITTING '" << args[1] << "' (try korvel --help)\n";
        return kExitUsage;
    }
    std::string format;
    std::vector<std::string> settings;
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] != "--format" && !args[i].starts_with("--format=")) {
            settings.push_back(args[i]);
            continue;
        }
        if (!format.empty()) {
            err << "korvel: --format names the one format to print; it was given twice\n";
            return kExitUsage;
        }
        format = args[i] == "--format" ? (i + 1 < args.size() ? args[++i] : "") : args[i].substr(9);
        if (format != "tsv" && format != "csv" && format != "json") {
            err << "korvel: --format takes tsv|csv|json, got '" << format << "'\n";
            return kExitUsage;
        }
    }
    FormState state = command->design->presetState();
    std::string error;
    if (!applyArguments(*command->design, args[1], state, settings, error)) {
        err << "korvel: " << error << '\n';
        return kExitUsage;
    }
    if (!command->command->run) return kExitOk;
    const Outcome outcome = command->command->run(state);
    if (format.empty()) {
        printOutcome(outcome, out);
        return outcome.stopped ? kExitStopped : kExitOk;
    }
    const MachineListing listing =
        machineListing(outcome, *command->design, state, command->fitting, command->command->name, kProgramTitle);
    if (format == "json") writeJson(listing, out);
    else writeSeparated(listing, format == "csv" ? ',' : '\t', out);
    return listing.status == ListingStatus::Done ? kExitOk : kExitStopped;
}

}  // namespace korvel
