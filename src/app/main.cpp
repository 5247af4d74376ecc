// Korvel: sheet-metal flat-pattern layout of duct and pipe fittings.

#include <QApplication>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/settings.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (korvel::isCommandLine(args)) return korvel::runCommandLine(args, std::cout, std::cerr);

    // The windows need a display; without one, say so instead of aborting
    // (-platform names one, offscreen say, as QT_QPA_PLATFORM does).
    const bool platformGiven = std::find(args.begin(), args.end(), "-platform") != args.end();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !platformGiven) {
        std::cerr << "korvel: no display for the windows (DISPLAY is not set); without one, use korvel "
                     "list|dxf|pdf|cad (try korvel --help)\n";
        return 1;
    }
    korvel::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    // Qt has taken its own options out of the arguments; the rest are ours,
    // read before any window is made.
    std::vector<std::string> left;
    for (const QString& a : QCoreApplication::arguments()) left.push_back(a.toStdString());
    const korvel::WindowOptions options = korvel::readWindowOptions(left);
    if (!options.error.empty()) {
        std::cerr << options.error << '\n';
        return korvel::kExitUsage;
    }
    // The language given, remembered for the next start; else the one
    // remembered; else Chinese.
    if (options.language) korvel::setLanguageSetting(korvel::languageCode(*options.language));
    if (const auto language = options.language ? options.language : korvel::languageSetting())
        korvel::chooseLanguage(*language);
    korvel::setUpApplication();
    fonts.join();
    korvel::MainWindow window;
    window.onLanguageChosen(
        [](korvel::Language language) { korvel::setLanguageSetting(korvel::languageCode(language)); });
    window.show();
    return QApplication::exec();
}
