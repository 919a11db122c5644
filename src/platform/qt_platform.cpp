#include "platform/qt_platform.hpp"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace lumtaris {

std::chrono::year_month_day SystemClock::Today() const
{
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{today.year()},
                                       std::chrono::month{static_cast<unsigned>(today.month())},
                                       std::chrono::day{static_cast<unsigned>(today.day())}};
}

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

MessageAnswer QtPlatform::MessageBox(const QString& caption, const QString& text, MessageIcon icon,
                                     MessageButtons buttons)
{
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

bool QtPlatform::RunDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPlatform::ChooseDirectory(const QString& title, const QString& startDir)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startDir);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::unique_ptr<QFileDialog> MakeOpenFileDialog(QWidget* parent, const QString& title,
                                                const QString& startDir, const QString& filter)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, startDir, filter);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    return dialog;
}

std::optional<QString> QtPlatform::ChooseOpenFile(const QString& title, const QString& startDir,
                                                  const QString& filter)
{
    const auto dialog = MakeOpenFileDialog(QApplication::activeWindow(), title, startDir, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

bool QtPlatform::OpenUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtPlatform::StartNewCopy()
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

QString QtPlatform::ApplicationDirPath() const
{
    return QCoreApplication::applicationDirPath();
}

} // namespace lumtaris
