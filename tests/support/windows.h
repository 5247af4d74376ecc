#pragma once
// What the window tests share: a 96 dpi screen, a calculator window opened by
// its main-menu item, and a window test that saves into a folder of its own
// with the dialogs replaced.

#include <QApplication>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "support/dialogs.h"
#include "support/files.h"
#include "ui/calculator_window.h"
#include "ui/twips.h"

namespace korvel::testing {

// Twips to pixels as on a 96 dpi screen (15 twips a pixel), whatever screen
// the test runs on.
class At96Dpi : public ::testing::Test {
protected:
    void SetUp() override { setScreenDpi(96); }
    void TearDown() override { setScreenDpi(0); }
};

// A 96 dpi screen and the dialogs replaced, for windows made in the test.
class QuietWindowTest : public At96Dpi {
protected:
    RecordedDialogs dialogs;
};

// The calculator window of the main menu's item (wtfy, stfy, ...), not yet
// shown; null when no fitting has that item.
inline std::unique_ptr<CalculatorWindow> windowOf(const std::string& item) {
    for (const auto& entry : fittingEntries())
        if (entry.menuName == item) return std::make_unique<CalculatorWindow>(entry.design());
    return nullptr;
}

// A window that writes files: the save dialog answers `saveTo`'s path, and
// the test's folder is emptied before and removed after.
class SavingWindowTest : public FolderTest {
protected:
    void TearDown() override {
        window.reset();
        QApplication::processEvents();
        FolderTest::TearDown();
    }
    // Opens and shows the window of the main menu's item.
    void open(const std::string& item) {
        window.reset();  // the one before goes first, as when the user closes it
        window = windowOf(item);
        ASSERT_TRUE(window) << item;
        window->show();
        QApplication::processEvents();
    }
    void saveTo(const std::filesystem::path& path) { dialogs.savePath = QString::fromStdString(path.string()); }

    std::unique_ptr<CalculatorWindow> window;
    RecordedDialogs dialogs;
};

}  // namespace korvel::testing
