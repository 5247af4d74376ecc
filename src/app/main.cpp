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

    korvel::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    korvel::setUpApplication();
    fonts.join();
    korvel::MainWindow window;
    window.show();
    return QApplication::exec();
}
