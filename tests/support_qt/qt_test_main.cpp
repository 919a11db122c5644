#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// One application object for every Qt test, widgets included. Standard paths point into a
// test directory, so that no test can reach the real user's files.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
