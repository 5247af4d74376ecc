// The tests' main: a QApplication on the offscreen platform, so window tests
// run without a display, then every GoogleTest case.

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    korvel::setUpApplication();
    return RUN_ALL_TESTS();
}
