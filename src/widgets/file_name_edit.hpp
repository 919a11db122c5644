#pragma once

// A file name field with a browse button. The button asks the platform's file-open dialog,
// which accepts only an existing file, and puts the chosen path into the field.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumtaris {

class Platform;

class FileNameEdit final : public QWidget
{
    Q_OBJECT
public:
    explicit FileNameEdit(Platform& platform, QWidget* parent = nullptr);

    QString FileName() const;
    void SetFileName(const QString& path);

    void SetDialogTitle(const QString& title) { dialogTitle_ = title; }
    QString DialogTitle() const { return dialogTitle_; }

    // The one entry of the dialog's filter: a description and the pattern it offers. The
    // dialog matches `matchPattern` when one is given, for instance a pattern that ignores the
    // case of the letters on a file system that does not; the user still reads `pattern`.
    void SetFilter(const QString& description, const QString& pattern,
                   const QString& matchPattern = {});
    QString FilterDescription() const { return filterDescription_; }
    QString FilterPattern() const { return filterPattern_; }
    QString FilterMatchPattern() const { return filterMatchPattern_; }
    // The filter in Qt's "Description (pattern)" form; the last pattern in parentheses is the
    // one the dialog matches.
    QString QtFilter() const;

    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* browseButton() const { return browse_; }

    // What the browse button does.
    void Browse();

signals:
    void FileNameChanged(const QString& path);

private:
    Platform& platform_;
    QLineEdit* edit_;
    QToolButton* browse_;
    QString dialogTitle_;
    QString filterDescription_ = QStringLiteral("Všechny soubory (*.*)");
    QString filterPattern_ = QStringLiteral("*.*");
    QString filterMatchPattern_;
};

} // namespace lumtaris
