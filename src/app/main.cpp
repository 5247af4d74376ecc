// Korvel: sheet-metal flat-pattern layout of duct and pipe fittings.

#include <QApplication>
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    const auto entered = std::chrono::steady_clock::now();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (korvel::isCommandLine(args)) return korvel::runCommandLine(args, std::cout, std::cerr);

    korvel::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    korvel::setUpApplication();
    fonts.join();
    if (!args.empty() && args[0] == "--screenshots")
        return korvel::takeScreenshots(args.size() > 1 ? QString::fromStdString(args[1]) : QStringLiteral("."));
    korvel::MainWindow window;
    korvel::probeStartup(window, entered);  // KORVEL_STARTUP_PROBE only
    window.show();
    return QApplication::exec();
}
