#pragma once
// Every fitting the program has, in the main menu's order: its menu item and
// its window design. The first seven are the 打开软件 menu's; the fittings
// added since have a menu of their own after it (FittingMenu::More). The windows, the command line, the files, the tests and
// the fuzz targets all find the fittings here and nowhere else.

#include <string>
#include <vector>

#include "core/window_design.h"

namespace korvel {

enum class FittingMenu { Original, More };

struct FittingEntry {
    std::string menuName;  // wtfy, stfy, ...
    std::string caption;   // exact menu caption
    std::string shortcut;  // "Ctrl+Y"; none for some
    const WindowDesign& (*design)();
    FittingMenu menu = FittingMenu::Original;
};

// In menu order: Form4 to Form10, then the 更多管件 menu's.
const std::vector<FittingEntry>& fittingEntries();

// A compute command reachable from the command line, by its FITTING name.
struct CliCommand {
    std::string fitting;  // elbow-end, tee-branch, ...
    const WindowDesign* design;
    const MenuCommand* command;
};
std::vector<CliCommand> cliCommands();

// The window whose flat pattern `korvel dxf` writes under this FITTING name
// (its design's patternName): elbow, tee, ...; none for any other name.
const WindowDesign* patternDesign(const std::string& fitting);

}  // namespace korvel
