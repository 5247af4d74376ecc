#pragma once
// What the program remembers between runs: the folder each kind of file was
// last saved in, the paper of the last 1:1 template, the printers'
// corrections for it, the export choices of each kind of window, the nest
// window's stock and options and the language of the windows. A calculator's boxes
// are not remembered: a window opens on its presets every time.
//
// The settings live where Qt keeps them for organisation and application
// "korvel" (~/.config/korvel/korvel.conf on Linux); the environment variable
// KORVEL_SETTINGS=PATH names an INI file to use instead (the tests give each
// run a file of its own). A value that cannot be read (a hand-edited or
// damaged file) counts as never saved: the reader gets what it had before
// anything was remembered.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/nesting/plate.h"
#include "output/nest_files.h"
#include "core/print_correction.h"
#include "ui/export_dialog.h"
#include "ui/language.h"

class QSettings;

namespace korvel {

// The program's settings, opened anew (cheap: Qt shares one copy a file
// within the process, and writes it back when the last one closes).
std::unique_ptr<QSettings> openSettings();

// The kinds of file a save dialog remembers a folder for.
enum class SavedFile { Pattern, Cad, Template, Job, CutList, Nest };

// The folder a file of that kind was last saved in; empty when none was, or
// it is no longer a folder.
QString lastFolder(SavedFile kind);
void setLastFolder(SavedFile kind, const QString& folder);

// The paper the last template was tiled on ("A3"); "A4" when none was or the
// name is no paper of paperSizes().
std::string templatePaperSetting();
void setTemplatePaperSetting(const std::string& paper);

// The printer correction kept for a printer, by the name the print dialog
// gives it, or for a paper size ("A4") when the pages go to a file: the
// measures typed, "100.0 99.2" (mm, across and down), under
// "calibration/printer/NAME" or "calibration/paper/NAME" (NAME
// percent-encoded). None when none was kept or it cannot be read.
enum class CalibratedBy { Printer, Paper };
std::optional<PrintCorrection> printCorrectionSetting(CalibratedBy kind, const std::string& name);
// Keeps `correction` for that printer or paper; none forgets it.
void setPrintCorrectionSetting(CalibratedBy kind, const std::string& name, const std::optional<PrintCorrection>& correction);
// Every printer's kept correction, by name.
std::vector<std::pair<std::string, PrintCorrection>> printerCorrections();

// The export choices and DXF file options the window of that design name
// (Form4 ...) was last exported with; none when it never was. Each value
// that cannot be read is left unset (the options' default).
std::optional<ExportOptions> exportOptionsSetting(const std::string& windowName);
void setExportOptionsSetting(const std::string& windowName, const ExportOptions& options);

// The nest window's last choices (group "nest"): the stock of each
// thickness nested (mm; 0 for pieces with none), the stock last chosen, for
// a thickness never nested, the turns tried, the seam allowance (mm) and the
// plate files' options. A stock that cannot be read, or that plateProblem
// refuses, counts as never chosen.
struct NestChoices {
    Plate plate;
    std::vector<std::pair<double, Plate>> stock;
    int rotations = 4;
    double seam = 0;
    cad::NestFileOptions files;

    // The stock remembered for `thickness`, else the last chosen.
    const Plate& plateFor(double thickness) const;
};
NestChoices nestChoicesSetting();
// Remembers the choices; the stock of thicknesses not in `choices` stays remembered.
void setNestChoicesSetting(const NestChoices& choices);

// The job files last opened or saved, the latest first, at most
// kRecentJobs; those no longer there are left out.
inline constexpr int kRecentJobs = 8;
QStringList recentJobs();
// Puts `path` first among the recent jobs.
void addRecentJob(const QString& path);

// The language of the windows (key "ui/language", "zh" or "en"); none when
// none was chosen or the value is no language's code.
std::optional<Language> languageSetting();
// Remembers the language of that code ("zh", "en"); false, and nothing
// remembered, for any other code.
bool setLanguageSetting(std::string_view code);

}  // namespace korvel
