#pragma once

// A date entry "dd.mm.yyyy" with a calendar drop-down. Its empty state is "  .  .    ".
// When the field is left with a partly filled text it refuses it itself: it reports the fault
// through the platform and takes the focus back. Otherwise it emits Left(), where a page hooks
// its own date check (edtHOZDatumExit).

#include <QLineEdit>

#include <chrono>
#include <optional>

class QCalendarWidget;
class QToolButton;

namespace lumtaris {

class Platform;

class DateEdit final : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateEdit(Platform& platform, QWidget* parent = nullptr);

    // The text as shown, blanks included: "  .  .    " when empty.
    QString DottedText() const { return displayText(); }
    void SetDottedText(const QString& text);
    void SetDate(std::chrono::year_month_day date);
    void Clear();

    bool IsEmptyState() const;
    // True while some but not all of the eight digits are filled in.
    bool IsPartlyFilled() const;

    // Runs the leave check as if the focus had just gone; tests and pages may call it.
    void CheckOnLeave();

    QToolButton* calendarButton() const { return calendarButton_; }
    // Built on first use of the drop-down.
    QCalendarWidget* calendar();

signals:
    // The field was left and its own check passed.
    void Left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowCalendar();

    Platform& platform_;
    QToolButton* calendarButton_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    bool checking_ = false;
};

// The message of the date entry's own refusal.
inline constexpr const char* kPartlyFilledDateMessage =
    "Datum není vyplněno celé. Doplňte den, měsíc i rok, nebo pole vymažte.";

} // namespace lumtaris
