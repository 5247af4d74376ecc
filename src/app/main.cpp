// Korvel: sheet-metal flat-pattern layout of duct and pipe fittings.

#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (korvel::isCommandLine(args)) return korvel::runCommandLine(args, std::cout, std::cerr);

    // The windows need a display; without one, say so instead of aborting.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::cerr << "korvel: no display for the windows (DISPLAY is not set); without one, use korvel "
                     "list|dxf|pdf|cad (try korvel --help)\n";
        return 1;
    }
    korvel::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    korvel::setUpApplication();
    fonts.join();
    korvel::MainWindow window;
    window.show();
    return QApplication::exec();
}
