#pragma once

// The one seam for everything that waits on a person or reaches outside the process: message
// boxes, modal dialogs, folder and file choice, the browser, a new copy of the program and the
// clock. The window gets it passed in; tests pass a scripted one and never open a real dialog.

#include "common/clock.hpp"

#include <QString>

#include <optional>

class QDialog;

namespace lumtaris {

enum class MessageIcon
{
    Question,
    Error,
    Warning,
    Information,
};

enum class MessageButtons
{
    Ok,
    YesNo,
};

enum class MessageAnswer
{
    Ok,
    Yes,
    No,
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal message box. Closing a Yes/No box by other means answers No.
    virtual MessageAnswer MessageBox(const QString& caption, const QString& text, MessageIcon icon,
                                     MessageButtons buttons) = 0;

    // Runs a dialog modally and tells whether it ended with OK (accept()). The production
    // platform calls exec(); the scripted one lets the test act on the open dialog instead.
    virtual bool RunDialog(QDialog& dialog) = 0;

    virtual std::optional<QString> ChooseDirectory(const QString& title,
                                                   const QString& startDir) = 0;
    // `filter` is in Qt's form, "Description (pattern)". Only an existing file is accepted.
    virtual std::optional<QString> ChooseOpenFile(const QString& title, const QString& startDir,
                                                  const QString& filter) = 0;

    // Opens a web address with the system's browser; false when that failed.
    virtual bool OpenUrl(const QString& url) = 0;
    // Starts a new copy of this program; false when it could not be started.
    virtual bool StartNewCopy() = 0;

    virtual const Clock& clock() const = 0;
    // The directory of the program's own executable file.
    virtual QString ApplicationDirPath() const = 0;
};

} // namespace lumtaris
