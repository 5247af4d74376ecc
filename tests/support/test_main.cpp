// The tests' main: a QApplication on the offscreen platform, so window tests
// run without a display, then every GoogleTest case. The offscreen screen is
// 1600 x 1000 pixels at 96 dpi (offscreen_screen.json), as under the Xvfb
// smoke test, so that a calculator opens at its full size; and the settings
// go to a file of this run's own, emptied before each test, so that no test
// reads what another one, or the user, left there.

#include <QApplication>
#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/application.h"

namespace {

class FreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings(qEnvironmentVariable("KORVEL_SETTINGS"), QSettings::IniFormat).clear();
    }
};

}  // namespace

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KORVEL_SOURCE_DIR "/tests/support/offscreen_screen.json");
    QTemporaryDir settings;
    if (qEnvironmentVariableIsEmpty("KORVEL_SETTINGS")) qputenv("KORVEL_SETTINGS", settings.filePath("korvel.ini").toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    QApplication app(argc, argv);
    korvel::setUpApplication();
    return RUN_ALL_TESTS();
}
