// Every fitting window of the catalogue under fuzzed box texts and list picks:
// every compute command and every file command runs on the state and its
// outcome is checked (see fitting_fuzz.h for the input's form). The control
// field's first character picks the window, counted from '0' in the
// catalogue's order (the main menu's): '0' the first fitting's window, '1'
// the second's, and so on.

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/catalogue.h"
#include "fitting_fuzz.h"
#include "ui/application.h"

// The 1:1 template's PDF is painted with Qt's fonts: an application object
// on the offscreen platform, made once for the whole run, as `korvel pdf`
// makes one. Never destroyed: it must outlive every static the run leaves.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char program[] = "fuzz_fittings";
    static char* argv[] = {program, nullptr};
    static const QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    korvel::setUpApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const korvel::WindowDesign*> windows = [] {
        std::vector<const korvel::WindowDesign*> all;
        for (const auto& entry : korvel::fittingEntries()) all.push_back(&entry.design());
        return all;
    }();
    korvel::fuzz::runInput(data, size, windows);
    return 0;
}
