// The least a Qt Widgets program can do before its first dialog is on the screen: the baseline
// of the start-up figure. It shows one dialog with the insurer dialog's caption and size.

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Lumtaris"));
    dialog.setFixedSize(273, 117);
    return dialog.exec();
}
