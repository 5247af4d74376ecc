#pragma once
// The seven fitting windows: the main menu's items, their designs and how to
// build each window.

#include <functional>
#include <string>
#include <vector>

#include "frame/window_design.h"

namespace korvel {

class CalculatorWindow;

struct FittingEntry {
    std::string menuName;  // wtfy, stfy, ...
    std::string caption;   // exact menu caption
    std::string shortcut;  // "Ctrl+Y"
    const WindowDesign& (*design)();
    std::function<CalculatorWindow*()> create;
};

// In menu order: Form4 to Form10.
const std::vector<FittingEntry>& fittingEntries();

// A compute command reachable from the command line, by its FITTING name.
struct CliCommand {
    std::string fitting;  // elbow-end, tee-branch, ...
    const WindowDesign* design;
    const MenuCommand* command;
};
std::vector<CliCommand> cliCommands();

}  // namespace korvel
