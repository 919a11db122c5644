#include "support_qt/scripted_platform.hpp"

#include <QDialog>

#include <gtest/gtest.h>

namespace lumtaris {

using namespace std::chrono;

ScriptedPlatform::ScriptedPlatform() : clock_(year_month_day{year{2027}, January, day{15}}) {}

ScriptedPlatform::~ScriptedPlatform()
{
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " message answer(s) never asked for";
    EXPECT_TRUE(dialogs_.empty()) << dialogs_.size() << " dialog script(s) never run";
    EXPECT_TRUE(directories_.empty()) << "a folder answer was never asked for";
    EXPECT_TRUE(files_.empty()) << "a file answer was never asked for";
    EXPECT_TRUE(urlResults_.empty()) << "a link result was never asked for";
    EXPECT_TRUE(newCopyResults_.empty()) << "a new-copy result was never asked for";
}

MessageAnswer ScriptedPlatform::MessageBox(const QString& caption, const QString& text,
                                           MessageIcon icon, MessageButtons buttons)
{
    prompts_.push_back({caption, text, icon, buttons});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << caption.toStdString()
                      << "\": " << text.toStdString();
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool ScriptedPlatform::RunDialog(QDialog& dialog)
{
    ++dialogsRun_;
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
        return false;
    }
    auto script = std::move(dialogs_.front());
    dialogs_.pop_front();
    bool ended = false;
    const auto connection =
        QObject::connect(&dialog, &QDialog::finished, [&ended](int) { ended = true; });
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    script(dialog);
    QObject::disconnect(connection);
    if (!ended) {
        ADD_FAILURE() << "the script left dialog " << dialog.objectName().toStdString() << " open";
        dialog.hide();
        return false;
    }
    return dialog.result() == QDialog::Accepted;
}

std::optional<QString> ScriptedPlatform::ChooseDirectory(const QString& title,
                                                         const QString& startDir)
{
    fileQuestions_.push_back({title, startDir, QString()});
    if (directories_.empty()) {
        ADD_FAILURE() << "unexpected folder dialog " << title.toStdString();
        return std::nullopt;
    }
    const PathAnswer answer = directories_.front();
    directories_.pop_front();
    if (!answer.first)
        return std::nullopt;
    return answer.second;
}

std::optional<QString> ScriptedPlatform::ChooseOpenFile(const QString& title,
                                                        const QString& startDir,
                                                        const QString& filter)
{
    fileQuestions_.push_back({title, startDir, filter});
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file dialog " << title.toStdString();
        return std::nullopt;
    }
    const PathAnswer answer = files_.front();
    files_.pop_front();
    if (!answer.first)
        return std::nullopt;
    return answer.second;
}

bool ScriptedPlatform::OpenUrl(const QString& url)
{
    openedUrls_.push_back(url);
    if (urlResults_.empty()) {
        ADD_FAILURE() << "unexpected link " << url.toStdString();
        return false;
    }
    const bool ok = urlResults_.front();
    urlResults_.pop_front();
    return ok;
}

bool ScriptedPlatform::StartNewCopy()
{
    ++newCopies_;
    if (onStartNewCopy_)
        onStartNewCopy_();
    if (newCopyResults_.empty()) {
        ADD_FAILURE() << "unexpected start of a new copy";
        return false;
    }
    const bool ok = newCopyResults_.front();
    newCopyResults_.pop_front();
    return ok;
}

} // namespace lumtaris
