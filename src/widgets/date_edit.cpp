#include "widgets/date_edit.hpp"

#include "platform/core_text.hpp"
#include "platform/platform.hpp"

#include "common/dates.hpp"

#include <QCalendarWidget>
#include <QDate>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextCharFormat>
#include <QToolButton>

namespace lumtaris {

DateEdit::DateEdit(Platform& platform, QWidget* parent) : QLineEdit(parent), platform_(platform)
{
    // "0" takes a digit or a blank, so an empty or partly filled text is possible and its
    // blanks show as spaces: the empty state reads "  .  .    ".
    setInputMask(QStringLiteral("00.00.0000; "));
    Clear();

    calendarButton_ = new QToolButton(this);
    calendarButton_->setObjectName(QStringLiteral("calendarButton"));
    calendarButton_->setText(QStringLiteral("▾"));
    calendarButton_->setCursor(Qt::ArrowCursor);
    calendarButton_->setFocusPolicy(Qt::NoFocus);
    calendarButton_->setAutoRaise(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 1, 0);
    layout->addStretch();
    layout->addWidget(calendarButton_);
    setTextMargins(0, 0, 18, 0);
    connect(calendarButton_, &QToolButton::clicked, this, &DateEdit::ShowCalendar);
}

void DateEdit::SetDottedText(const QString& text)
{
    setText(text);
}

void DateEdit::SetDate(std::chrono::year_month_day date)
{
    setText(FromCore(FormatDottedDate(date)));
}

void DateEdit::Clear()
{
    setText(QString());
    setCursorPosition(0);
}

bool DateEdit::IsEmptyState() const
{
    return DottedText() == FromUtf8(kEmptyDottedDate);
}

bool DateEdit::IsPartlyFilled() const
{
    int digits = 0;
    for (const QChar c : DottedText()) {
        if (c.isDigit())
            ++digits;
    }
    return digits > 0 && digits < 8;
}

void DateEdit::CheckOnLeave()
{
    if (checking_)
        return;
    checking_ = true;
    if (IsPartlyFilled()) {
        platform_.MessageBox(QStringLiteral("Chyba"), QString::fromUtf8(kPartlyFilledDateMessage),
                             MessageIcon::Error, MessageButtons::Ok);
        setFocus();
    } else {
        emit Left();
    }
    checking_ = false;
}

void DateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // An empty date is typed from its first digit, wherever the field was entered.
    if (IsEmptyState())
        setCursorPosition(0);
}

void DateEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (IsEmptyState())
        setCursorPosition(0);
}

void DateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or the calendar taking the focus does not mean the user left the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (calendar_ != nullptr && calendar_->isVisible())
        return;
    CheckOnLeave();
}

QCalendarWidget* DateEdit::calendar()
{
    if (calendar_ != nullptr)
        return calendar_;
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QTextCharFormat weekend;
    weekend.setForeground(Qt::red);
    calendar_->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar_->setWeekdayTextFormat(Qt::Sunday, weekend);

    // The month buttons are the calendar's own; the year buttons are added beside them.
    if (auto* previous =
            calendar_->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth")))
        previous->setToolTip(QStringLiteral("Předchozí měsíc"));
    if (auto* next = calendar_->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth")))
        next->setToolTip(QStringLiteral("Další měsíc"));
    auto* bar = calendar_->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    auto* barLayout = bar != nullptr ? qobject_cast<QHBoxLayout*>(bar->layout()) : nullptr;
    auto makeYearButton = [&](const char* name, const QString& text, const QString& hint,
                              int step) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setToolTip(hint);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, calendar_, [this, step] {
            calendar_->setCurrentPage(calendar_->yearShown() + step, calendar_->monthShown());
        });
        return button;
    };
    QToolButton* previousYear =
        makeYearButton("prevYear", QStringLiteral("«"), QStringLiteral("Předchozí rok"), -1);
    QToolButton* nextYear =
        makeYearButton("nextYear", QStringLiteral("»"), QStringLiteral("Další rok"), 1);
    if (barLayout != nullptr) {
        barLayout->insertWidget(0, previousYear);
        barLayout->addWidget(nextYear);
    }

    connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate date) {
        setText(date.toString(QStringLiteral("dd.MM.yyyy")));
        calendar_->hide();
        setFocus(Qt::PopupFocusReason);
    });
    return calendar_;
}

void DateEdit::ShowCalendar()
{
    QCalendarWidget* popup = calendar();
    const auto shown = ParseDottedDate(DottedText().toStdString());
    if (shown) {
        popup->setSelectedDate(QDate(static_cast<int>(shown->year()),
                                     static_cast<int>(static_cast<unsigned>(shown->month())),
                                     static_cast<int>(static_cast<unsigned>(shown->day()))));
    } else {
        const auto today = platform_.clock().Today();
        popup->setSelectedDate(QDate(static_cast<int>(today.year()),
                                     static_cast<int>(static_cast<unsigned>(today.month())),
                                     static_cast<int>(static_cast<unsigned>(today.day()))));
    }
    popup->adjustSize();
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
    popup->setFocus(Qt::PopupFocusReason);
}

} // namespace lumtaris
