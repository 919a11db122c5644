// The least a Qt Widgets program can do before its first dialog is on the screen: the baseline
// of the start-up figure. It shows one dialog with the insurer dialog's caption, size and bold
// two-line heading: words on the screen need the fonts, which a dialog without text never
// loads. With --empty the dialog shows nothing, for the lower bound of Qt alone.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Lumtaris"));
    dialog.setFixedSize(273, 117);
    if (!QApplication::arguments().contains(QStringLiteral("--empty"))) {
        auto* heading = new QLabel(QStringLiteral("Vyberte si jednu z nabízených\npojišťoven"));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(heading);
    }
    return dialog.exec();
}
