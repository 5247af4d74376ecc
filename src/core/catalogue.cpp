#include "core/catalogue.h"

#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/frustum/frustum_design.h"
#include "core/fittings/reducing_elbow/reducing_elbow_design.h"
#include "core/fittings/tee/tee_design.h"
#include "core/fittings/transition/transition_design.h"

namespace korvel {

const std::vector<FittingEntry>& fittingEntries() {
    static const std::vector<FittingEntry> entries = {
        {"wtfy", "弯头放样程序 ", "Ctrl+Y", &elbowDesign},
        {"stfy", "三通放样放样", "Ctrl+J", &teeDesign},
        {"yxst", "丫形三通放样", "Ctrl+C", &yTeeDesign},
        {"zfxjt", "矩方锥台放样", "Ctrl+D", &rectFrustumDesign},
        {"tydf", "天圆地方放样", "Ctrl+E", &roundTopDesign},
        {"tfdy", "天方地圆放样", "Ctrl+F", &rectTopDesign},
        {"yztt", "圆锥台体放样", "Ctrl+G", &coneDesign},
        {"bjwt", "变径弯头放样", "", &reducingElbowDesign, FittingMenu::More},
    };
    return entries;
}

std::vector<CliCommand> cliCommands() {
    std::vector<CliCommand> commands;
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        for (const auto& command : design.menu)
            if (!command.cliName.empty()) commands.push_back({command.cliName, &design, &command});
    }
    return commands;
}

const WindowDesign* patternDesign(const std::string& fitting) {
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        if (design.pattern && design.patternName == fitting) return &design;
    }
    return nullptr;
}

}  // namespace korvel
