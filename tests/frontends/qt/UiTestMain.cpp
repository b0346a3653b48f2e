#include "Application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The windows are real widgets; they need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    PrepareApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
