#pragma once
// The headless command line: `korvel list FITTING [name=value ...]` runs one
// compute command of one window on its presets and prints what the window
// would show; `korvel cad [name=value ...] -o FILE` writes the CAD drawing of
// the window that has one; `korvel dxf FITTING [name=value ...] -o FILE`
// writes a window's true-size flat pattern; `korvel pdf FITTING [name=value
// ...] [--page SIZE] -o FILE` the same pattern as a full-size template tiled
// over printer pages;
// `korvel --help` lists the fittings and their inputs. Any other start opens
// the windows, with Qt's options and the program's own (--lang).

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "ui/language.h"

namespace korvel {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;    // unknown FITTING, input name or option
inline constexpr int kExitStopped = 2;  // a check stopped the command
inline constexpr int kExitNotWritten = 3;  // korvel cad, dxf or pdf could not write its file

// Runs the command line (arguments without the program name). Returns the
// exit status.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the arguments ask for the command line rather than the windows:
// a command (list, dxf, pdf, cad, or an unknown one: a word that is no
// option), --help, -h or --version.
bool isCommandLine(const std::vector<std::string>& args);

// The windows' own options, read from what Qt has left of the arguments
// (QApplication takes -style, -platform, -reverse ... first), the program's
// path first: --lang zh|en. `error` is one line to print before exit status
// 1, on an unknown option, a language not known or an argument left over.
struct WindowOptions {
    std::optional<Language> language;
    std::string error;
};
WindowOptions readWindowOptions(const std::vector<std::string>& arguments);

// The texts of an outcome, one `KEY<TAB>TEXT` line each, in the window's order.
void printOutcome(const Outcome& outcome, std::ostream& out);

std::string helpText();

}  // namespace korvel
