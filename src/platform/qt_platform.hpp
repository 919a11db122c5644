#pragma once

// The platform of a real run: Qt's message boxes and file dialogs, the desktop's browser, a
// detached new process and the system clock.

#include "platform/platform.hpp"

#include <memory>

class QFileDialog;
class QWidget;

namespace lumtaris {

// The file-open dialog of ChooseOpenFile: only an existing file, and the filter's own
// description shown without the pattern the dialog matches.
std::unique_ptr<QFileDialog> MakeOpenFileDialog(QWidget* parent, const QString& title,
                                                const QString& startDir, const QString& filter);

class SystemClock final : public Clock
{
public:
    std::chrono::year_month_day Today() const override;
};

class QtPlatform final : public Platform
{
public:
    MessageAnswer MessageBox(const QString& caption, const QString& text, MessageIcon icon,
                             MessageButtons buttons) override;
    bool RunDialog(QDialog& dialog) override;
    std::optional<QString> ChooseDirectory(const QString& title, const QString& startDir) override;
    std::optional<QString> ChooseOpenFile(const QString& title, const QString& startDir,
                                          const QString& filter) override;
    bool OpenUrl(const QString& url) override;
    bool StartNewCopy() override;
    const Clock& clock() const override { return clock_; }
    QString ApplicationDirPath() const override;

private:
    SystemClock clock_;
};

} // namespace lumtaris
