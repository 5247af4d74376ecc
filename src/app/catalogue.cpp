#include "app/catalogue.h"

#include "fittings/elbow/elbow_design.h"
#include "fittings/elbow/elbow_window.h"
#include "fittings/frustum/frustum_design.h"
#include "fittings/frustum/frustum_windows.h"
#include "fittings/tee/tee_design.h"
#include "fittings/tee/tee_windows.h"
#include "fittings/transition/transition_design.h"
#include "fittings/transition/transition_windows.h"

namespace korvel {

const std::vector<FittingEntry>& fittingEntries() {
    static const std::vector<FittingEntry> entries = {
        {"wtfy", "弯头放样程序 ", "Ctrl+Y", &elbowDesign, [] { return new ElbowWindow; }},
        {"stfy", "三通放样放样", "Ctrl+J", &teeDesign, [] { return new TeeWindow; }},
        {"yxst", "丫形三通放样", "Ctrl+C", &yTeeDesign, [] { return new YTeeWindow; }},
        {"zfxjt", "矩方锥台放样", "Ctrl+D", &rectFrustumDesign, [] { return new RectFrustumWindow; }},
        {"tydf", "天圆地方放样", "Ctrl+E", &roundTopDesign, [] { return new RoundTopWindow; }},
        {"tfdy", "天方地圆放样", "Ctrl+F", &rectTopDesign, [] { return new RectTopWindow; }},
        {"yztt", "圆锥台体放样", "Ctrl+G", &coneDesign, [] { return new ConeWindow; }},
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

}  // namespace korvel
