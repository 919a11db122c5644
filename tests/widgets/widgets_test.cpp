// The custom edits: the digit key filter and the code page guard, typed and pasted; the date
// entry; spin and number edits; the file name field.

#include "app/main_window.hpp"
#include "billing/file_page.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "support_qt/scripted_platform.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/file_name_edit.hpp"
#include "widgets/input_guard.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/path_label.hpp"
#include "widgets/spin_edit.hpp"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

// Types text key by key, also characters that have no key of their own.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void Paste(QLineEdit* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    edit->end(false);
    edit->paste();
}

TEST(DigitKeyFilter, LetsDigitsAndTheFullStopThroughTypedOrPasted)
{
    QLineEdit edit;
    edtHOZCPojKeyPress(&edit);
    QTest::keyClicks(&edit, QStringLiteral("12a,3.4- 5"));
    EXPECT_EQ(edit.text(), QStringLiteral("123.45"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("123.4"));

    // A paste that would bring in a refused character is refused as a whole.
    Paste(&edit, QStringLiteral("6x7"));
    EXPECT_EQ(edit.text(), QStringLiteral("123.4"));
    Paste(&edit, QStringLiteral("67.8"));
    EXPECT_EQ(edit.text(), QStringLiteral("123.467.8"));
}

TEST(DigitKeyFilter, HoldsOnTheFifteenFieldsOfTheWindow)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 1, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    const char* names[] = {"edtIC",        "edtOJ",      "edtHOZCPoj",    "EdtHOZPSC",
                           "edtPPPZMesic", "edtPPPZRok", "edtPPPZPocPoj", "edtPPPZVymZakl",
                           "edtPPPZKC",    "edtVYU2Cif", "edtVYU2Mesic",  "edtVYU2Rok",
                           "edtVYU2IC",    "edtVYU2OJ",  "edtVYU2ICZ"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr);
        auto* spin = qobject_cast<QAbstractSpinBox*>(widget);
        QLineEdit* edit =
            spin != nullptr ? spin->findChild<QLineEdit*>() : qobject_cast<QLineEdit*>(widget);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1x-, "));
        EXPECT_EQ(edit->text(), QStringLiteral("1"));
        Paste(edit, QStringLiteral("a"));
        EXPECT_EQ(edit->text(), QStringLiteral("1"));
    }
    // Text fields without the filter take letters.
    auto* surname = window->findChild<QLineEdit*>(QStringLiteral("edtHOZPrijmeni"));
    Type(surname, QStringLiteral("Nováková-Řehořová"));
    EXPECT_EQ(surname->text(), QStringLiteral("Nováková-Řehořová"));
}

TEST(CodePageGuard, RefusesCharactersCodePage1250CannotHold)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    for (const char* name :
         {"edtHOZPrijmeni", "EdtHOZObec", "edtVYU2FaktPoznamka", "edtVYU2KodBanky"}) {
        SCOPED_TRACE(name);
        auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr);
        Type(edit, QStringLiteral("Ža"));
        Type(edit, QStringLiteral("Ω"));
        EXPECT_EQ(edit->text(), QStringLiteral("Ža"));
        Paste(edit, QStringLiteral("b😀"));
        EXPECT_EQ(edit->text(), QStringLiteral("Ža"));
        edit->clear();
    }
}

TEST(DateEdit, EmptyStateAndItsOwnRefusalOfAPartlyFilledDate)
{
    ScriptedPlatform platform;
    DateEdit edit(platform);
    QSignalSpy left(&edit, &DateEdit::Left);
    EXPECT_EQ(edit.DottedText(), QStringLiteral("  .  .    "));
    EXPECT_TRUE(edit.IsEmptyState());

    // Empty, or complete even when not a real date: the page's own check decides.
    edit.CheckOnLeave();
    QTest::keyClicks(&edit, QStringLiteral("31022027"));
    EXPECT_EQ(edit.DottedText(), QStringLiteral("31.02.2027"));
    edit.CheckOnLeave();
    EXPECT_EQ(left.count(), 2);
    EXPECT_TRUE(platform.prompts().empty());

    edit.Clear();
    QTest::keyClicks(&edit, QStringLiteral("1203"));
    EXPECT_EQ(edit.DottedText(), QStringLiteral("12.03.    "));
    platform.Answer(MessageAnswer::Ok);
    edit.CheckOnLeave();
    EXPECT_EQ(left.count(), 2);
    ASSERT_EQ(platform.prompts().size(), 1u);
    EXPECT_EQ(platform.prompts()[0].caption, QStringLiteral("Chyba"));
    EXPECT_EQ(platform.prompts()[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform.prompts()[0].buttons, MessageButtons::Ok);
}

TEST(DateEdit, LeavingTheFieldRunsTheCheck)
{
    ScriptedPlatform platform;
    QWidget form;
    auto* edit = new DateEdit(platform, &form);
    auto* next = new QLineEdit(&form);
    next->move(0, 40);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QSignalSpy left(edit, &DateEdit::Left);

    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, QStringLiteral("15012027"));
    next->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(left.count(), 1);

    edit->setFocus(Qt::TabFocusReason);
    edit->Clear();
    QTest::keyClicks(edit, QStringLiteral("1"));
    platform.Answer(MessageAnswer::Ok);
    next->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(platform.prompts().size(), 1u);
    EXPECT_TRUE(edit->hasFocus());
}

TEST(DateEdit, CalendarMarksTheWeekendAndNamesItsNavigation)
{
    ScriptedPlatform platform;
    DateEdit edit(platform);
    QCalendarWidget* calendar = edit.calendar();
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(calendar->weekdayTextFormat(Qt::Saturday).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(calendar->weekdayTextFormat(Qt::Sunday).foreground().color(), QColor(Qt::red));
    QStringList hints;
    for (const QToolButton* button : calendar->findChildren<QToolButton*>()) {
        if (!button->toolTip().isEmpty())
            hints << button->toolTip();
    }
    hints.sort();
    EXPECT_EQ(hints,
              (QStringList{QStringLiteral("Další měsíc"), QStringLiteral("Další rok"),
                           QStringLiteral("Předchozí měsíc"), QStringLiteral("Předchozí rok")}));

    auto* previousYear = calendar->findChild<QToolButton*>(QStringLiteral("prevYear"));
    ASSERT_NE(previousYear, nullptr);
    calendar->setCurrentPage(2027, 3);
    previousYear->click();
    EXPECT_EQ(calendar->yearShown(), 2026);
    EXPECT_EQ(calendar->monthShown(), 3);

    emit calendar->clicked(QDate(2027, 2, 6));
    EXPECT_EQ(edit.DottedText(), QStringLiteral("06.02.2027"));
}

TEST(SpinEdit, KeepsItsValueInsideTheRange)
{
    SpinEdit month(1, 12);
    month.setValue(5);
    month.selectAll();
    QTest::keyClicks(&month, QStringLiteral("0"));
    QTest::keyClick(&month, Qt::Key_Return);
    EXPECT_EQ(month.value(), 1);

    SpinEdit year(1000, 9999);
    year.SetMaxLength(4);
    year.setValue(2026);
    year.selectAll();
    QTest::keyClicks(&year, QStringLiteral("12"));
    QTest::keyClick(&year, Qt::Key_Return);
    EXPECT_EQ(year.value(), 1000);
    year.setValue(20000);
    EXPECT_EQ(year.value(), 9999);
}

TEST(NumberEdit, KeepsTheValueBehindItsText)
{
    NumberEdit integer(NumberEdit::Display::Integer, 8);
    QTest::keyClicks(&integer, QStringLiteral("00012345"));
    EXPECT_EQ(integer.Value(), (Decimal{12345, 0}));
    integer.clear();
    EXPECT_EQ(integer.Value(), (Decimal{0, 0}));

    NumberEdit currency(NumberEdit::Display::Currency, 22);
    QTest::keyClicks(&currency, QStringLiteral("1a2,505"));
    EXPECT_EQ(currency.text(), QStringLiteral("12,505"));
    EXPECT_EQ(currency.Value(), (Decimal{1250, 2}));
    currency.SetValue(Decimal{150, 2});
    EXPECT_EQ(currency.text(), QStringLiteral("1,50"));

    NumberEdit trimmed(NumberEdit::Display::Decimal, 10);
    trimmed.SetValue(Decimal{1250, 2});
    EXPECT_EQ(trimmed.text(), QStringLiteral("12,5"));
    trimmed.SetValue(Decimal{1500, 2});
    EXPECT_EQ(trimmed.text(), QStringLiteral("15"));
    // Under the digit key filter the point stays a point.
    edtHOZCPojKeyPress(&trimmed);
    trimmed.SetValue(Decimal{1250, 2});
    EXPECT_EQ(trimmed.text(), QStringLiteral("12.5"));
    EXPECT_EQ(trimmed.Value(), (Decimal{1250, 2}));
}

TEST(FileNameEdit, BrowseAsksTheFileDialogWithTheInsurersFilter)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu1);
    ASSERT_NE(window, nullptr);
    FileNameEdit& field = *window->filePage->edtKDavka;

    platform.ChooseFileAnswer(QStringLiteral("/data/davky/KDAVKA.207"));
    QTest::mouseClick(field.browseButton(), Qt::LeftButton);
    EXPECT_EQ(field.FileName(), QStringLiteral("/data/davky/KDAVKA.207"));
    ASSERT_EQ(platform.fileQuestions().size(), 1u);
    EXPECT_EQ(platform.fileQuestions()[0].title, QStringLiteral("Vyberte soubor KDAVKA"));
    // The dialog matches the name in either case; the user reads the description.
    EXPECT_EQ(platform.fileQuestions()[0].filter,
              QStringLiteral("KDAVKA pro OZP (kdavka.207) ([kK][dD][aA][vV][kK][aA].207)"));

    // Cancel keeps the name; the dialog starts where the current file lies.
    platform.ChooseFileAnswer(std::nullopt);
    field.Browse();
    EXPECT_EQ(field.FileName(), QStringLiteral("/data/davky/KDAVKA.207"));
    EXPECT_EQ(platform.fileQuestions()[1].startDir, QStringLiteral("/data/davky"));
}

TEST(PathLabel, LongPathsWrapAndTheTextStaysThePath)
{
    PathLabel label;
    label.setFixedWidth(200);
    const int line = label.fontMetrics().height();
    label.setText(QStringLiteral("/tmp/a.01"));
    EXPECT_EQ(label.sizeHint().height(), line);
    const QString longPath =
        QStringLiteral("/home/uzivatel/Dokumenty/Podání zdravotním pojišťovnám/2027/00012345.01");
    label.setText(longPath);
    EXPECT_GE(label.sizeHint().height(), 2 * line);
    EXPECT_EQ(label.text(), longPath);
}

} // namespace
} // namespace lumtaris
