#pragma once
// The headless command line: `korvel list FITTING [name=value ...]` runs one
// compute command of one window on its presets and prints what the window
// would show; `korvel cad [name=value ...] -o FILE` writes the CAD drawing of
// the window that has one; `korvel dxf FITTING [name=value ...] -o FILE`
// writes a window's true-size flat pattern; `korvel pdf FITTING [name=value
// ...] [--page SIZE] -o FILE` the same pattern as a full-size template tiled
// over printer pages;
// `korvel --help` lists the fittings and their inputs.

#include <iosfwd>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace korvel {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;    // unknown FITTING, input name or option
inline constexpr int kExitStopped = 2;  // a check stopped the command
inline constexpr int kExitNotWritten = 3;  // korvel cad, dxf or pdf could not write its file

// Runs the command line (arguments without the program name). Returns the
// exit status.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the arguments ask for the command line rather than the windows.
bool isCommandLine(const std::vector<std::string>& args);

// The texts of an outcome, one `KEY<TAB>TEXT` line each, in the window's order.
void printOutcome(const Outcome& outcome, std::ostream& out);

std::string helpText();

}  // namespace korvel
