#include <QApplication>

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

// The Qt tests need one application object for the whole run; ctest sets the offscreen
// platform.
int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    defaultHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
