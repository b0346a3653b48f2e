#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Translations are installed on an application object; the command line
    // runs with one that needs no display.
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
