#pragma once

// The platform of the GUI tests. Every answer comes from a queue that the test fills before
// it acts; every message box is recorded with its caption, text, icon and buttons. A prompt
// with no answer queued, or an answer left unused at the end, fails the test. No real dialog
// ever opens: a queued dialog script acts on the open dialog and ends it itself.

#include "platform/platform.hpp"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace lumtaris {

class ScriptedPlatform final : public Platform
{
public:
    struct Prompt
    {
        QString caption;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    struct FileQuestion
    {
        QString title;
        QString startDir;
        QString filter;
    };

    // 15 January 2027 unless a test sets another day.
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Queues.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    // The script gets the dialog while it runs and must end it with accept() or reject().
    void OnDialog(std::function<void(QDialog&)> script) { dialogs_.push_back(std::move(script)); }
    // An empty optional answers Cancel.
    void ChooseDirectoryAnswer(const std::optional<QString>& directory)
    {
        directories_.push_back({directory.has_value(), directory.value_or(QString())});
    }
    void ChooseFileAnswer(const std::optional<QString>& file)
    {
        files_.push_back({file.has_value(), file.value_or(QString())});
    }
    void OpenUrlResult(bool ok) { urlResults_.push_back(ok); }
    void StartNewCopyResult(bool ok) { newCopyResults_.push_back(ok); }
    // Runs when a new copy is started, before its result is handed back.
    void OnStartNewCopy(std::function<void()> probe) { onStartNewCopy_ = std::move(probe); }

    // What happened.
    const std::vector<Prompt>& prompts() const { return prompts_; }
    const std::vector<QString>& openedUrls() const { return openedUrls_; }
    const std::vector<FileQuestion>& fileQuestions() const { return fileQuestions_; }
    int newCopiesStarted() const { return newCopies_; }
    int dialogsRun() const { return dialogsRun_; }

    FixedClock& fixedClock() { return clock_; }
    void SetApplicationDirPath(QString path) { appDir_ = std::move(path); }

    MessageAnswer MessageBox(const QString& caption, const QString& text, MessageIcon icon,
                             MessageButtons buttons) override;
    bool RunDialog(QDialog& dialog) override;
    std::optional<QString> ChooseDirectory(const QString& title, const QString& startDir) override;
    std::optional<QString> ChooseOpenFile(const QString& title, const QString& startDir,
                                          const QString& filter) override;
    bool OpenUrl(const QString& url) override;
    bool StartNewCopy() override;
    const Clock& clock() const override { return clock_; }
    QString ApplicationDirPath() const override { return appDir_; }

private:
    std::deque<MessageAnswer> answers_;
    std::deque<std::function<void(QDialog&)>> dialogs_;
    // Whether a path was chosen, and which.
    using PathAnswer = std::pair<bool, QString>;
    std::deque<PathAnswer> directories_;
    std::deque<PathAnswer> files_;
    std::deque<bool> urlResults_;
    std::deque<bool> newCopyResults_;

    std::vector<Prompt> prompts_;
    std::vector<QString> openedUrls_;
    std::vector<FileQuestion> fileQuestions_;
    std::function<void()> onStartNewCopy_;
    int newCopies_ = 0;
    int dialogsRun_ = 0;
    FixedClock clock_;
    QString appDir_ = QStringLiteral("/opt/lumtaris");
};

} // namespace lumtaris
