#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumtaris"));
    QLabel label(QStringLiteral("Lumtaris"));
    label.setWindowTitle(QStringLiteral("Lumtaris"));
    label.show();
    return QApplication::exec();
}
