// InitForm: what the window shows for each insurer and kind of submission before anything is
// typed.

#include "app/main_window.hpp"
#include "billing/file_page.hpp"
#include "billing/invoice_page.hpp"
#include "hoz/hoz_page.hpp"
#include "pppz/pppz_page.hpp"
#include "settings/settings_store.hpp"
#include "subject/subject_page.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/file_name_edit.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/spin_edit.hpp"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

using namespace std::chrono;

struct InsurerExpectation
{
    InsurerIndex insurer;
    const char* billingTitle;
    const char* subjectLabel;
    bool bankFields;
    const char* filterDescription;
    const char* filterPattern;
};

const InsurerExpectation kInsurers[] = {
    {0, "Pořízení vyúčtování", "IČO - Org. jednotka", false, "KDAVKA pro OZP (kdavka.207)",
     "kdavka.207"},
    {1, "Pořízení faktury", "IČ - Org. jednotka", true, "KDAVKA pro ZPŠ (kdavka.209)",
     "kdavka.209"},
    {2, "Pořízení vyúčtování", "IČO - Org. jednotka", true, "KDAVKA pro RBP (kdavka.213)",
     "kdavka.213"},
    {3, "Pořízení vyúčtování", "IČO - Org. jednotka", false, "KDAVKA pro ČPZP (kdavka.205)",
     "kdavka.205"},
    {4, "Pořízení vyúčtování", "IČO - Org. jednotka", true, "KDAVKA pro VoZP ČR (kdavka.201)",
     "kdavka.201"},
};

TEST(InitForm, EveryInsurerAndKind)
{
    for (const InsurerExpectation& e : kInsurers) {
        for (const ActionKind kind :
             {ActionKind::Hoz, ActionKind::Pppz, ActionKind::Vyu1, ActionKind::Vyu2}) {
            SCOPED_TRACE(testing::Message()
                         << "insurer " << int{e.insurer} << ", kind " << static_cast<int>(kind));
            MemorySettingsBackend settings;
            ScriptedPlatform platform;
            const auto window = StartWindow(settings, platform, e.insurer, kind);
            ASSERT_NE(window, nullptr);

            const bool billing = IsBilling(kind);
            const QString billingTitle = QString::fromUtf8(e.billingTitle);
            const QString title =
                kind == ActionKind::Hoz ? QStringLiteral("Hromadné oznámení zaměstnavatele")
                : kind == ActionKind::Pppz
                    ? QStringLiteral("Přehled plateb pojistného zaměstnavatele")
                : kind == ActionKind::Vyu1 ? billingTitle + QStringLiteral(" - praktický lékař")
                                           : billingTitle + QStringLiteral(" - ostatní");
            EXPECT_EQ(window->pnlTitle->text(), title);
            EXPECT_EQ(window->pgAkce->currentWidget()->objectName(),
                      billing ? QStringLiteral("tabVYU1") : QStringLiteral("tabIC_OJ"));
            const int minimumHeight = !billing ? 528 : e.bankFields ? 626 : 536;
            EXPECT_EQ(window->minimumHeight(), minimumHeight);
            EXPECT_EQ(window->height(), minimumHeight);
            EXPECT_EQ(window->minimumWidth(), 650);

            InvoicePage& invoice = *window->invoicePage;
            EXPECT_EQ(invoice.pnlVYU2ZahlaviClient->maximumHeight(), e.bankFields ? 200 : 110);
            for (QWidget* bankField :
                 std::initializer_list<QWidget*>{invoice.edtVYU2KodBanky, invoice.edtVYU2UcetSS,
                                                 invoice.edtVYU2UcetPredcisli, invoice.edtVYU2Ucet})
                EXPECT_EQ(!bankField->isHidden(), e.bankFields)
                    << bankField->objectName().toStdString();
            EXPECT_EQ(invoice.BankFieldsShown(), e.bankFields);

            const QString subjectLabel = QString::fromUtf8(e.subjectLabel);
            EXPECT_EQ(window->subjectPage->lblIC_OJ->text(), subjectLabel);
            EXPECT_EQ(invoice.lblVYU2IC_OJ->text(), subjectLabel);

            EXPECT_EQ(window->filePage->edtKDavka->FilterDescription(),
                      QString::fromUtf8(e.filterDescription));
            EXPECT_EQ(window->filePage->edtKDavka->FilterPattern(),
                      QString::fromUtf8(e.filterPattern));
        }
    }
}

TEST(InitForm, PagesCarryTheirCaptionsAndColumns)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);

    const HozPage& hoz = *window->hozPage;
    const QAbstractItemModel* hozColumns = hoz.grdHOZ->model();
    ASSERT_EQ(hozColumns->columnCount(), 8);
    const QStringList hozTitles{QStringLiteral("Kód změny"),   QStringLiteral("Číslo pojištěnce"),
                                QStringLiteral("Příjmení"),    QStringLiteral("Jméno"),
                                QStringLiteral("Datum změny"), QStringLiteral("Ulice"),
                                QStringLiteral("Obec"),        QStringLiteral("PSČ")};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(hozColumns->headerData(column, Qt::Horizontal).toString(), hozTitles[column]);
    const int hozWidths[] = {140, 111, 71, 140, 140, 30};
    for (int column = 2; column < 8; ++column)
        EXPECT_EQ(hoz.grdHOZ->columnWidth(column), hozWidths[column - 2]) << column;
    EXPECT_EQ(hoz.edtHOZKod->count(), 25);
    EXPECT_EQ(hoz.edtHOZKod->currentIndex(), -1);
    EXPECT_EQ(hoz.edtHOZKod->itemText(2), QStringLiteral("A Zaměstnanec do 30.4 04 \"C\""));
    EXPECT_EQ(hoz.btnHOZZalozit->text(), QStringLiteral("Založit"));
    EXPECT_EQ(hoz.btnHOZZalozit->toolTip(), QStringLiteral("Založí záznam do seznamu"));
    EXPECT_EQ(hoz.btnHOZVymazat->text(), QStringLiteral("Odstranit"));
    EXPECT_EQ(hoz.Button1->text(), QStringLiteral("Duplikovat"));
    EXPECT_EQ(hoz.Button1->toolTip(), QStringLiteral("Předvyplní hodnoty z aktuálního záznamu"));
    EXPECT_EQ(hoz.btnHOZOdeslat->text(), QStringLiteral("Uložit"));
    EXPECT_EQ(hoz.btnHOZOdeslat->statusTip(), QStringLiteral("Uložit vytvořené podání na disk"));
    EXPECT_EQ(hoz.edtHOZDatum->DottedText(), QStringLiteral("  .  .    "));
    EXPECT_EQ(hoz.edtHOZPrijmeni->maxLength(), 30);
    EXPECT_EQ(hoz.edtHOZJmeno->maxLength(), 24);

    const PppzPage& pppz = *window->pppzPage;
    const QStringList pppzTitles{QStringLiteral("Měsíc"),
                                 QStringLiteral("Rok"),
                                 QStringLiteral("Počet pojištěnců"),
                                 QStringLiteral("Vyměřovací základ"),
                                 QStringLiteral("Výše pojistného"),
                                 QStringLiteral("Datum splatnosti"),
                                 QStringLiteral("Datum opravy")};
    const int pppzWidths[] = {36, 41, 86, 100, 88, 87, 72};
    ASSERT_EQ(pppz.grdPPPZ->model()->columnCount(), 7);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(pppz.grdPPPZ->model()->headerData(column, Qt::Horizontal).toString(),
                  pppzTitles[column]);
        EXPECT_EQ(pppz.grdPPPZ->columnWidth(column), pppzWidths[column]);
    }
    EXPECT_EQ(pppz.lblPPPZMesRok->text(), QStringLiteral("Měsíc - Rok"));
    // The calculate button's hint goes to the status bar only.
    EXPECT_TRUE(pppz.sbCalcKC->toolTip().isEmpty());
    EXPECT_EQ(pppz.sbCalcKC->statusTip(), QStringLiteral("Spočítat výši pojistného"));

    const InvoicePage& invoice = *window->invoicePage;
    EXPECT_EQ(invoice.edtVYU2FaktDruhPoj->text(),
              QStringLiteral("1 - Veřejné zdravotní pojištění"));
    EXPECT_TRUE(invoice.edtVYU2FaktDruhPoj->isReadOnly());
    EXPECT_FALSE(invoice.edtVYU2DatPred->isEnabled());
    EXPECT_EQ(invoice.lblVYU2FakturyNadpis->text(), QStringLiteral("Záhlaví vyúčtování"));
    EXPECT_EQ(invoice.lblVYU2DavkyNadpis->text(), QStringLiteral("Položky obsažené ve faktuře"));
    EXPECT_FALSE(invoice.pnlVYU2PausalKapitace->isHidden());
    EXPECT_EQ(window->BtnReload->text(), QStringLiteral("Nové podání"));
    EXPECT_EQ(window->BtnClose->toolTip(), QStringLiteral("Ukončit aplikaci"));
}

TEST(InitForm, LabelColumnsFollowTheirWidestLabel)
{
    for (const InsurerIndex insurer : {InsurerIndex{0}, InsurerIndex{1}}) {
        SCOPED_TRACE(int{insurer});
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, insurer, ActionKind::Vyu2);
        ASSERT_NE(window, nullptr);
        const PppzPage& pppz = *window->pppzPage;
        int widest = 0;
        for (const QLabel* label : {pppz.lblPPPZMesRok, pppz.lblPPPZPocPoj, pppz.lblPPPZVymZakl,
                                    pppz.lblPPPZKC, pppz.lblPPPZDatSplat, pppz.lblPPPZDatOpr})
            widest = std::max(widest, label->sizeHint().width());
        EXPECT_EQ(pppz.pnlPPPZNazvy->width(), widest + 10);

        // The bank labels count only where the bank fields are shown; for ZPŠ they are the
        // longest ("... (nepovinné)").
        const InvoicePage& invoice = *window->invoicePage;
        const int subjectLabels = std::max(invoice.lblVYU2ICZ->sizeHint().width(),
                                           invoice.lblVYU2IC_OJ->sizeHint().width());
        const int bankLabel = invoice.lblVYU2UcetPredcisli->sizeHint().width();
        const int expected = insurer == 1 ? std::max(subjectLabels, bankLabel) : subjectLabels;
        EXPECT_EQ(invoice.pnlVYU2ZahlaviNazvy->maximumWidth(), expected + 10);
        EXPECT_EQ(invoice.pnlVYU2Zahlavi->maximumWidth(), expected + 121 + 20);
    }
}

TEST(InitForm, DefaultPeriodAndDueDate)
{
    struct Case
    {
        year_month_day today;
        int month;
        int year;
        const char* due;
        const char* handOver;
    };
    const Case cases[] = {
        {2027y / January / 15d, 12, 2026, "20.01.2027", "15.01.2027"},
        // The 20th is a Saturday: the due date moves to Monday.
        {2029y / January / 15d, 12, 2028, "22.01.2029", "15.01.2029"},
        {2027y / March / 31d, 2, 2027, "22.03.2027", "31.03.2027"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handOver);
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        platform.fixedClock().Set(c.today);
        const auto window = StartWindow(settings, platform, 2, ActionKind::Pppz);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->pppzPage->edtPPPZMesic->value(), c.month);
        EXPECT_EQ(window->pppzPage->edtPPPZRok->value(), c.year);
        EXPECT_EQ(window->pppzPage->edtPPPZDatSplat->DottedText(), QString::fromUtf8(c.due));
        EXPECT_EQ(window->pppzPage->edtPPPZDatOpr->DottedText(), QStringLiteral("  .  .    "));
        EXPECT_EQ(window->invoicePage->edtVYU2Mesic->value(), c.month);
        EXPECT_EQ(window->invoicePage->edtVYU2Rok->value(), c.year);
        EXPECT_EQ(window->invoicePage->edtVYU2DatPred->text(), QString::fromUtf8(c.handOver));
    }
}

TEST(InitForm, SubjectFieldsComeFromTheNewestHistoryEntries)
{
    MemorySettingsBackend settings;
    auto history = settings.OpenOrCreate(kSubjectKeyPath);
    history->WriteString("ICO0000", "11111111 - 01");
    history->WriteString("ICO0001", "12345678 - 02");
    history->WriteString("ICZ0000", "87654321 - 00000123 - 05");
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);

    const SubjectPage& subject = *window->subjectPage;
    EXPECT_FALSE(subject.btnVyberICOJ->isHidden());
    EXPECT_EQ(subject.edtIC->text(), QStringLiteral("12345678"));
    EXPECT_EQ(subject.edtOJ->text(), QStringLiteral("02"));
    const InvoicePage& invoice = *window->invoicePage;
    EXPECT_FALSE(invoice.btnVyberICZ->isHidden());
    EXPECT_EQ(invoice.edtVYU2ICZ->text(), QStringLiteral("87654321"));
    EXPECT_EQ(invoice.edtVYU2IC->text(), QStringLiteral("00000123"));
    EXPECT_EQ(invoice.edtVYU2OJ->text(), QStringLiteral("05"));
}

TEST(InitForm, EmptyHistoriesLeaveTheDefaults)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(window->subjectPage->btnVyberICOJ->isHidden());
    EXPECT_EQ(window->subjectPage->edtIC->text(), QStringLiteral("1"));
    EXPECT_EQ(window->subjectPage->edtOJ->text(), QString());
    EXPECT_TRUE(window->invoicePage->btnVyberICZ->isHidden());
    EXPECT_EQ(window->invoicePage->edtVYU2ICZ->text(), QStringLiteral("1"));
    EXPECT_EQ(window->invoicePage->edtVYU2IC->text(), QString());
    EXPECT_EQ(window->invoicePage->edtVYU2OJ->text(), QString());
}

TEST(InitForm, RememberedBankAccount)
{
    struct Case
    {
        InsurerIndex insurer;
        const char* lastBill;
        const char* bankCode;
        const char* symbol;
        const char* prefix;
        const char* account;
    };
    const Case cases[] = {
        {1, "0800-1234567890-000019-2000145399", "0800", "1234567890", "000019", "2000145399"},
        {4, " 0100 - 12 - 19 - 123 ", "0100", "12", "19", "123"},
        // Without any "-" only the bank code is filled; the others show their zero defaults.
        {1, "0300", "0300", "0000000000", "000000", ""},
        {1, "0800--", "0800", "0000000000", "000000", ""},
        // Where the insurer has no bank fields the remembered account is not read.
        {0, "0800-1234567890-000019-2000145399", "", "0000000000", "000000", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.insurer} << " " << c.lastBill);
        MemorySettingsBackend settings;
        settings.OpenOrCreate(kMainKeyPath)->WriteString(kLastBill, c.lastBill);
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, c.insurer, ActionKind::Vyu1);
        ASSERT_NE(window, nullptr);
        const InvoicePage& invoice = *window->invoicePage;
        EXPECT_EQ(invoice.edtVYU2KodBanky->text(), QString::fromUtf8(c.bankCode));
        EXPECT_EQ(invoice.edtVYU2UcetSS->text(), QString::fromUtf8(c.symbol));
        EXPECT_EQ(invoice.edtVYU2UcetPredcisli->text(), QString::fromUtf8(c.prefix));
        EXPECT_EQ(invoice.edtVYU2Ucet->text(), QString::fromUtf8(c.account));
    }
}

TEST(InitForm, BankAccountIsStoredTrimmedOnlyWhereItIsShown)
{
    for (const InsurerIndex insurer : {InsurerIndex{1}, InsurerIndex{3}}) {
        SCOPED_TRACE(int{insurer});
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, insurer, ActionKind::Vyu2);
        ASSERT_NE(window, nullptr);
        InvoicePage& invoice = *window->invoicePage;
        invoice.edtVYU2KodBanky->setText(QStringLiteral("0800"));
        invoice.edtVYU2UcetSS->setText(QStringLiteral(" 12 "));
        invoice.edtVYU2UcetPredcisli->setText(QStringLiteral(" 19"));
        invoice.edtVYU2Ucet->setText(QStringLiteral("123 "));
        invoice.SaveUcetToReg();
        const auto stored = settings.OpenOrCreate(kMainKeyPath)->ReadString(kLastBill);
        if (insurer == 1)
            EXPECT_EQ(stored, "0800-12-19-123");
        else
            EXPECT_EQ(stored, std::nullopt);
    }
}

} // namespace
} // namespace lumtaris
