#include "widgets/file_name_edit.hpp"

#include "platform/platform.hpp"
#include "widgets/input_guard.hpp"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace lumtaris {

FileNameEdit::FileNameEdit(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), edit_(new QLineEdit(this)),
      browse_(new QToolButton(this))
{
    edit_->setObjectName(QStringLiteral("fileName"));
    GuardCodePage(edit_);
    browse_->setObjectName(QStringLiteral("browse"));
    browse_->setText(QStringLiteral("…"));
    browse_->setToolTip(QStringLiteral("Vybrat soubor"));
    browse_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit_, 1);
    layout->addWidget(browse_);
    setFocusProxy(edit_);
    connect(browse_, &QToolButton::clicked, this, &FileNameEdit::Browse);
    connect(edit_, &QLineEdit::textChanged, this, &FileNameEdit::FileNameChanged);
}

QString FileNameEdit::FileName() const
{
    return edit_->text();
}

void FileNameEdit::SetFileName(const QString& path)
{
    edit_->setText(path);
}

void FileNameEdit::SetFilter(const QString& description, const QString& pattern,
                             const QString& matchPattern)
{
    filterDescription_ = description;
    filterPattern_ = pattern;
    filterMatchPattern_ = matchPattern;
}

QString FileNameEdit::QtFilter() const
{
    const QString matched = filterMatchPattern_.isEmpty() ? filterPattern_ : filterMatchPattern_;
    const QString tail = QStringLiteral("(") + matched + QStringLiteral(")");
    if (filterDescription_.endsWith(tail))
        return filterDescription_;
    return filterDescription_ + QStringLiteral(" ") + tail;
}

void FileNameEdit::Browse()
{
    const QString current = FileName().trimmed();
    const QString startDir = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const auto chosen = platform_.ChooseOpenFile(dialogTitle_, startDir, QtFilter());
    if (chosen)
        SetFileName(*chosen);
}

} // namespace lumtaris
