// GoogleTest main for tests that need a QApplication (run with QT_QPA_PLATFORM=offscreen).
#include "platform/Hints.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(platform::CreateAppStyle());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
