// The subject page, the subject picker, the result page, "Nové podání" and closing.

#include "app/main_window.hpp"
#include "app/result_page.hpp"
#include "billing/invoice_page.hpp"
#include "hoz/hoz_page.hpp"
#include "pppz/pppz_page.hpp"
#include "subject/subject_page.hpp"
#include "subject/vyber_subjekt_dialog.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "widgets/link_label.hpp"
#include "widgets/number_edit.hpp"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

const QString kCloseText =
    QStringLiteral("Aktuální podání ještě není uloženo.\nOpravdu chcete ukončit aplikaci?");
const QString kReloadText = QStringLiteral(
    "Aktuální podání ještě není uloženo.\nOpravdu chcete začít pořizovat nové podání?");

QString CurrentPage(const TfrmMain& window)
{
    return window.pgAkce->currentWidget()->objectName();
}

std::optional<std::string> StoredSubject(MemorySettingsBackend& settings, std::string_view name)
{
    return settings.OpenOrCreate(kSubjectKeyPath)->ReadString(name);
}

void ExpectQuestion(const ScriptedPlatform::Prompt& prompt, const QString& text)
{
    EXPECT_EQ(prompt.caption, QStringLiteral("Dotaz"));
    EXPECT_EQ(prompt.text, text);
    EXPECT_EQ(prompt.icon, MessageIcon::Question);
    EXPECT_EQ(prompt.buttons, MessageButtons::YesNo);
}

TEST(SubjectPage, PoriditFormsTheHeaderAndOpensTheRecordPage)
{
    struct Case
    {
        InsurerIndex insurer;
        ActionKind kind;
        const char* ico;
        const char* oj;
        const char* header;
        const char* entry;
    };
    const Case cases[] = {
        {0, ActionKind::Hoz, "12345", "1", "IČO: 00012345   Org. jednotka: 01", "00012345 - 01"},
        {0, ActionKind::Hoz, "", "", "IČO: 00000000   Org. jednotka: 00", "00000000 - 00"},
        {3, ActionKind::Pppz, "123", "7", "IČO: 00000123   Org. jednotka: 07", "00000123 - 07"},
        {2, ActionKind::Hoz, "00012345", "01", "IČO: 00012345   Org. jednotka: 01",
         "00012345 - 01"},
        {1, ActionKind::Pppz, "87654321", "99", "IČ: 87654321   Org. jednotka: 99",
         "87654321 - 99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, c.insurer, c.kind);
        ASSERT_NE(window, nullptr);
        SubjectPage& subject = *window->subjectPage;
        subject.edtIC->clear();
        QTest::keyClicks(subject.edtIC, QString::fromUtf8(c.ico));
        subject.edtOJ->clear();
        QTest::keyClicks(subject.edtOJ, QString::fromUtf8(c.oj));
        QTest::mouseClick(subject.btnIC_OJPoridit, Qt::LeftButton);

        const bool hoz = c.kind == ActionKind::Hoz;
        EXPECT_EQ(CurrentPage(*window), hoz ? QStringLiteral("tabHOZ") : QStringLiteral("tabPPPZ"));
        const QLabel* shown = hoz ? window->hozPage->pnlHOZ_IC_OJ : window->pppzPage->pnlPPPZ_IC_OJ;
        const QLabel* other = hoz ? window->pppzPage->pnlPPPZ_IC_OJ : window->hozPage->pnlHOZ_IC_OJ;
        EXPECT_EQ(shown->text(), QString::fromUtf8(c.header));
        EXPECT_TRUE(other->text().isEmpty());
        EXPECT_EQ(window->history().HistoryIC_OJ(), std::vector<std::string>{c.entry});
        EXPECT_TRUE(platform.prompts().empty());
    }
}

TEST(SubjectPage, AKnownSubjectMovesToTheNewestPlace)
{
    MemorySettingsBackend settings;
    auto history = settings.OpenOrCreate(kSubjectKeyPath);
    history->WriteString("ICO0000", "11111111 - 01");
    history->WriteString("ICO0001", "22222222 - 02");
    history->WriteString("ICO0002", "33333333 - 03");
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    window->subjectPage->edtIC->setText(QStringLiteral("22222222"));
    window->subjectPage->edtOJ->setText(QStringLiteral("2"));
    window->subjectPage->btnIC_OJPoridit->click();
    EXPECT_EQ(window->history().HistoryIC_OJ(),
              (std::vector<std::string>{"11111111 - 01", "33333333 - 03", "22222222 - 02"}));
}

TEST(SubjectPage, FieldsTakeDigitsOnly)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    NumberEdit* ico = window->subjectPage->edtIC;
    ico->clear();
    QTest::keyClicks(ico, QStringLiteral("1a2.3-4 56789"));
    EXPECT_EQ(ico->text(), QStringLiteral("12345678"));
    NumberEdit* unit = window->subjectPage->edtOJ;
    QTest::keyClicks(unit, QStringLiteral("x7,89"));
    EXPECT_EQ(unit->text(), QStringLiteral("78"));
}

TEST(SubjectPicker, ListsTheHistoryNewestFirstAndCutsTheChoice)
{
    MemorySettingsBackend settings;
    auto history = settings.OpenOrCreate(kSubjectKeyPath);
    history->WriteString("ICO0000", "11111111 - 01");
    history->WriteString("ICO0001", "22222222 - 02");
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Pppz);
    ASSERT_NE(window, nullptr);
    SubjectPage& subject = *window->subjectPage;
    EXPECT_EQ(subject.edtIC->text(), QStringLiteral("22222222"));

    platform.OnDialog([](QDialog& dialog) {
        auto& picker = dynamic_cast<TfrmVyberSubjekt&>(dialog);
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Vyberte subjekt"));
        EXPECT_EQ(picker.lblSubjektPopis->text(), QStringLiteral("IČO - Org. jednotka"));
        ASSERT_EQ(picker.lbSubjekt->count(), 2);
        EXPECT_EQ(picker.lbSubjekt->item(0)->text(), QStringLiteral("22222222 - 02"));
        EXPECT_EQ(picker.lbSubjekt->item(1)->text(), QStringLiteral("11111111 - 01"));
        EXPECT_EQ(picker.lbSubjekt->currentRow(), 0);
        picker.lbSubjekt->setCurrentRow(1);
        picker.btnSubjektOK->click();
    });
    QTest::mouseClick(subject.btnVyberICOJ, Qt::LeftButton);
    EXPECT_EQ(subject.edtIC->text(), QStringLiteral("11111111"));
    EXPECT_EQ(subject.edtOJ->text(), QStringLiteral("01"));

    // Cancel after moving the selection changes nothing.
    subject.edtIC->setText(QStringLiteral("555"));
    subject.edtOJ->setText(QStringLiteral("6"));
    platform.OnDialog([](QDialog& dialog) {
        auto& picker = dynamic_cast<TfrmVyberSubjekt&>(dialog);
        picker.lbSubjekt->setCurrentRow(1);
        picker.btnSubjektCancel->click();
    });
    subject.btnVyberICOJClick();
    EXPECT_EQ(subject.edtIC->text(), QStringLiteral("555"));
    EXPECT_EQ(subject.edtOJ->text(), QStringLiteral("6"));
    EXPECT_EQ(platform.dialogsRun(), 4); // the two start-up dialogs and the picker twice
}

TEST(SubjectPicker, BillingHistoryFillsTheThreeFields)
{
    MemorySettingsBackend settings;
    settings.OpenOrCreate(kSubjectKeyPath)->WriteString("ICZ0000", "12345678 - 00000123 - 05");
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 1, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    InvoicePage& invoice = *window->invoicePage;
    invoice.edtVYU2ICZ->setText(QStringLiteral("1"));
    invoice.edtVYU2IC->clear();
    invoice.edtVYU2OJ->clear();

    platform.OnDialog([](QDialog& dialog) {
        auto& picker = dynamic_cast<TfrmVyberSubjekt&>(dialog);
        EXPECT_EQ(picker.lblSubjektPopis->text(), QStringLiteral("IČZ - IČ - Org. jednotka"));
        ASSERT_EQ(picker.lbSubjekt->count(), 1);
        EXPECT_EQ(picker.lbSubjekt->currentItem()->text(),
                  QStringLiteral("12345678 - 00000123 - 05"));
        picker.btnSubjektOK->click();
    });
    invoice.btnVyberICZ->click();
    EXPECT_EQ(invoice.edtVYU2ICZ->text(), QStringLiteral("12345678"));
    EXPECT_EQ(invoice.edtVYU2IC->text(), QStringLiteral("00000123"));
    EXPECT_EQ(invoice.edtVYU2OJ->text(), QStringLiteral("05"));

    invoice.edtVYU2IC->setText(QStringLiteral("42"));
    platform.OnDialog([](QDialog& dialog) { dialog.reject(); });
    invoice.btnVyberICZ->click();
    EXPECT_EQ(invoice.edtVYU2IC->text(), QStringLiteral("42"));
}

TEST(Closing, AsksOnTheSubjectPageAndKeepsTheWindowOnNo)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    window->subjectPage->edtIC->setText(QStringLiteral("123"));
    window->subjectPage->edtOJ->setText(QStringLiteral("7"));
    window->history().AppendIC_OJ("00000123 - 07");

    platform.Answer(MessageAnswer::No);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(platform.prompts().size(), 1u);
    ExpectQuestion(platform.prompts()[0], kCloseText);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabIC_OJ"));
    EXPECT_EQ(window->subjectPage->edtIC->text(), QStringLiteral("123"));
    EXPECT_EQ(StoredSubject(settings, "ICO0000"), std::nullopt);

    platform.Answer(MessageAnswer::Yes);
    window->BtnClose->click();
    EXPECT_EQ(platform.prompts().size(), 2u);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(StoredSubject(settings, "ICO0000"), "00000123 - 07");
}

TEST(Closing, OnTheResultPageNothingIsAskedAndTheHistoryIsStored)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 4, ActionKind::Vyu1);
    ASSERT_NE(window, nullptr);
    window->history().AppendICZ("12345678 - 00000123 - 05");
    window->pgAkce->setCurrentWidget(window->resultPage->tabSave);

    EXPECT_TRUE(window->close());
    EXPECT_TRUE(platform.prompts().empty());
    EXPECT_EQ(StoredSubject(settings, "ICZ0000"), "12345678 - 00000123 - 05");
}

TEST(NewSubmission, AsksFirstAndStaysWhenTheNewCopyCannotStart)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Pppz);
    ASSERT_NE(window, nullptr);

    platform.Answer(MessageAnswer::No);
    window->BtnReload->click();
    ASSERT_EQ(platform.prompts().size(), 1u);
    ExpectQuestion(platform.prompts()[0], kReloadText);
    EXPECT_EQ(platform.newCopiesStarted(), 0);
    EXPECT_TRUE(window->isVisible());

    platform.Answer(MessageAnswer::Yes);
    platform.StartNewCopyResult(false);
    window->BtnReload->click();
    EXPECT_EQ(platform.newCopiesStarted(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabIC_OJ"));
    EXPECT_EQ(platform.prompts().size(), 2u);
}

TEST(NewSubmission, StoresTheHistoryBeforeTheNewCopyStartsAndCloses)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    window->subjectPage->btnIC_OJPoridit->click();

    std::optional<std::string> seenByNewCopy;
    platform.OnStartNewCopy([&] { seenByNewCopy = StoredSubject(settings, "ICO0000"); });
    platform.Answer(MessageAnswer::Yes);
    platform.StartNewCopyResult(true);
    window->BtnReload->click();

    EXPECT_EQ(seenByNewCopy, "00000001 - 00");
    EXPECT_FALSE(window->isVisible());
    // Only the question of "Nové podání"; closing afterwards does not ask again.
    EXPECT_EQ(platform.prompts().size(), 1u);
}

TEST(NewSubmission, OnTheResultPageStartsWithoutAQuestion)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 2, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    window->pgAkce->setCurrentWidget(window->resultPage->tabSave);
    platform.StartNewCopyResult(true);
    window->BtnReload->click();
    EXPECT_TRUE(platform.prompts().empty());
    EXPECT_FALSE(window->isVisible());
}

TEST(ResultPage, LinkOpensThePortalAndEndsTheProgramOnlyWhenItOpened)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    ResultPage& result = *window->resultPage;
    window->ShowSavedResult(QStringLiteral("/tmp/00012345.01"),
                            QStringLiteral("IČO: 00012345   Org. jednotka: 01"),
                            QStringLiteral("https://portal.example/app/prihlaseni"));
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabSave"));
    EXPECT_EQ(result.lblSaveSoubor->text(), QStringLiteral("/tmp/00012345.01"));
    EXPECT_EQ(result.pnlSaveSubjekt->text(), QStringLiteral("IČO: 00012345   Org. jednotka: 01"));
    EXPECT_TRUE(result.Label4->text().contains(QStringLiteral("Portál ZP")));
    EXPECT_TRUE(result.Label4->text().contains(QStringLiteral("www.portalzp.cz")));
    EXPECT_EQ(result.Label4->text().count(QLatin1Char('\n')), 3);
    EXPECT_TRUE(result.Label4->text().endsWith(QLatin1Char(':')));

    platform.OpenUrlResult(false);
    QTest::mouseClick(result.lblSaveHTMLOdkaz, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());

    platform.OpenUrlResult(true);
    QTest::mouseClick(result.lblSaveHTMLOdkaz, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(platform.openedUrls(),
              (std::vector<QString>(2, QStringLiteral("https://portal.example/app/prihlaseni"))));
    EXPECT_TRUE(platform.prompts().empty());
}

TEST(MainWindow, HintsReachTheStatusBar)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Pppz);
    ASSERT_NE(window, nullptr);
    struct Case
    {
        QWidget* widget;
        QString hint;
    };
    const Case cases[] = {
        {window->BtnReload, QStringLiteral("Pořídit nové podání")},
        {window->subjectPage->btnIC_OJPoridit,
         QStringLiteral("Zobrazí formulář pro pořízení nového záznamu")},
        {window->pppzPage->sbCalcKC, QStringLiteral("Spočítat výši pojistného")},
        {window->pppzPage->btnPPPZZalozit, QStringLiteral("Založí záznam do seznamu")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.widget->objectName().toStdString());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(c.widget, &enter);
        EXPECT_EQ(window->statusBar()->currentMessage(), c.hint);
    }
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(window->pgAkce, &none);
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
}

TEST(MainWindow, EnablingRulesRunWhenTheApplicationGoesIdle)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);
    // Disconnecting succeeds only where the connection was made.
    EXPECT_TRUE(QObject::disconnect(QAbstractEventDispatcher::instance(),
                                    &QAbstractEventDispatcher::aboutToBlock, window.get(),
                                    &TfrmMain::RefreshActions));
}

} // namespace
} // namespace lumtaris
