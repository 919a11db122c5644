#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform notes for every shown window that it keeps no size hints; that says
// nothing about the program.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QStringLiteral("This plugin does not support propagateSizeHints()"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

// One application object for every Qt test, widgets included. Standard paths point into a
// test directory, so that no test can reach the real user's files.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    defaultHandler = qInstallMessageHandler(QuietHandler);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
