// The PPPZ page driven through its real widgets: record order, Store's messages, correction,
// the premium calculation, and saving the file.

#include "app/main_window.hpp"
#include "app/result_page.hpp"
#include "pppz/pppz_page.hpp"
#include "subject/subject_page.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/link_label.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/spin_edit.hpp"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

using namespace std::chrono;

const QString kEmptyDate = QStringLiteral("  .  .    ");

struct Typed
{
    int month;
    int year;
    const char* count;
    const char* base;
    const char* premium;
    const char* dueDate;        // digits only, as typed into the mask
    const char* correctionDate; // the same; empty for none
};

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

// A fresh window for each test, with the subject confirmed and the PPPZ page showing.
class PppzPageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window_ = StartWindow(settings_, platform_, 0, ActionKind::Pppz);
        ASSERT_NE(window_, nullptr);
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        SubjectPage& subject = *window_->subjectPage;
        subject.edtIC->setText(QStringLiteral("12345678"));
        subject.edtOJ->setText(QStringLiteral("1"));
        QTest::mouseClick(subject.btnIC_OJPoridit, Qt::LeftButton);
        ASSERT_EQ(window_->pgAkce->currentWidget(), page().tabPPPZ);
    }

    PppzPage& page() { return *window_->pppzPage; }

    static void TypeInto(QWidget* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        if (auto* spin = qobject_cast<QSpinBox*>(field))
            spin->selectAll();
        else if (auto* date = qobject_cast<DateEdit*>(field))
            date->Clear();
        else
            qobject_cast<QLineEdit*>(field)->clear();
        QTest::keyClicks(field, text);
    }

    void Type(const Typed& t)
    {
        TypeInto(page().edtPPPZMesic, QString::number(t.month));
        TypeInto(page().edtPPPZRok, QString::number(t.year));
        TypeInto(page().edtPPPZPocPoj, QString::fromUtf8(t.count));
        TypeInto(page().edtPPPZVymZakl, QString::fromUtf8(t.base));
        TypeInto(page().edtPPPZKC, QString::fromUtf8(t.premium));
        TypeInto(page().edtPPPZDatSplat, QString::fromUtf8(t.dueDate));
        TypeInto(page().edtPPPZDatOpr, QString::fromUtf8(t.correctionDate));
    }

    // Clicks a button as a person would, after the idle-time rules have run.
    void Click(QAbstractButton* button)
    {
        window_->RefreshActions();
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        window_->RefreshActions();
    }

    void Store(const Typed& t)
    {
        Type(t);
        Click(page().btnPPPZZalozit);
    }

    void SelectRow(int row)
    {
        QTableView* grid = page().grdPPPZ;
        const QRect cell = grid->visualRect(grid->model()->index(row, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // The grid as shown, one text per row: its cells joined by "|".
    QStringList GridRows()
    {
        const QAbstractItemModel* model = page().grdPPPZ->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    int HighlightedRow() { return page().grdPPPZ->currentIndex().row(); }

    // Saves into the temporary directory; the saved path, or nothing when no result page shows.
    std::optional<QString> Save()
    {
        platform_.ChooseDirectoryAnswer(dir_.path());
        Click(page().btnPPPZOdeslat);
        if (window_->pgAkce->currentWidget() != window_->resultPage->tabSave)
            return std::nullopt;
        return window_->resultPage->lblSaveSoubor->text();
    }

    QString Target() const { return dir_.filePath(QStringLiteral("12345678.H01")); }

    MemorySettingsBackend settings_;
    ScriptedPlatform platform_; // 15 January 2027
    std::unique_ptr<TfrmMain> window_;
    QTemporaryDir dir_;
};

TEST_F(PppzPageTest, NewRecordsGoInFrontOfTheHighlightedOne)
{
    Store({10, 2026, "1", "100", "14", "20112026", ""});
    Store({11, 2026, "1", "100", "14", "20122026", ""});
    Store({12, 2026, "1", "100", "14", "20012027", ""});
    const QStringList newestFirst{
        QStringLiteral("12|2026|1|100|14|20.01.2027|"),
        QStringLiteral("11|2026|1|100|14|20.12.2026|"),
        QStringLiteral("10|2026|1|100|14|20.11.2026|"),
    };
    EXPECT_EQ(GridRows(), newestFirst);
    EXPECT_EQ(HighlightedRow(), 0);

    // After the highlight moves to October, the next record goes just before it.
    SelectRow(2);
    EXPECT_EQ(HighlightedRow(), 2);
    Store({9, 2026, "1", "100", "14", "20102026", ""});
    EXPECT_EQ(GridRows().at(2), QStringLiteral("9|2026|1|100|14|20.10.2026|"));
    EXPECT_EQ(GridRows().at(3), newestFirst.at(2));
    EXPECT_EQ(HighlightedRow(), 2);

    const auto saved = Save();
    ASSERT_TRUE(saved);
    const QList<QByteArray> lines = ReadFile(*saved).split('\n');
    ASSERT_EQ(lines.size(), 5); // four lines and nothing after the last CR LF
    QStringList periods;
    for (int i = 0; i < 4; ++i)
        periods << QString::fromLatin1(lines[i].mid(13, 6));
    EXPECT_EQ(periods, (QStringList{QStringLiteral("202612"), QStringLiteral("202611"),
                                    QStringLiteral("202609"), QStringLiteral("202610")}));
    EXPECT_TRUE(platform_.prompts().empty());
}

TEST_F(PppzPageTest, AWarningThenADuplicateShowsBothAndStoresNothing)
{
    Store({12, 2026, "1", "300", "40", "20012027", ""});
    ASSERT_TRUE(platform_.prompts().empty());

    platform_.Answer(MessageAnswer::Ok);
    platform_.Answer(MessageAnswer::Ok);
    Store({12, 2026, "0", "300", "41", "20012027", ""});

    ASSERT_EQ(platform_.prompts().size(), 2u);
    const ScriptedPlatform::Prompt& warning = platform_.prompts()[0];
    EXPECT_EQ(warning.caption, QStringLiteral("Varování"));
    EXPECT_TRUE(warning.text.endsWith(QStringLiteral("je mezi 40 až 40")))
        << warning.text.toStdString();
    EXPECT_EQ(warning.icon, MessageIcon::Warning);
    EXPECT_EQ(warning.buttons, MessageButtons::Ok);
    const ScriptedPlatform::Prompt& error = platform_.prompts()[1];
    EXPECT_EQ(error.caption, QStringLiteral("Chyba"));
    EXPECT_EQ(error.text, QStringLiteral("Dané období 122026 nesmí být předáno vícenásobně"));
    EXPECT_EQ(error.icon, MessageIcon::Error);
    EXPECT_EQ(error.buttons, MessageButtons::Ok);

    EXPECT_EQ(GridRows(), QStringList{QStringLiteral("12|2026|1|300|40|20.01.2027|")});
    EXPECT_TRUE(page().edtPPPZMesic->hasFocus());
    EXPECT_EQ(page().edtPPPZKC->text(), QStringLiteral("41")) << "what was typed stays";
    EXPECT_EQ(page().edtPPPZPocPoj->text(), QStringLiteral("0"));
}

TEST_F(PppzPageTest, ErrorsMoveTheFocusToTheFieldToMend)
{
    struct Case
    {
        Typed typed;
        const char* message;
        QWidget* field;
    };
    const Case cases[] = {
        {{1, 2028, "", "", "", "20012027", ""},
         "Rok hlášení musí být buď letošní, nebo starší (nanejvýše 10 let zpět)",
         page().edtPPPZRok},
        {{12, 2026, "", "", "", "07022027", ""},
         "Datum splatnosti musí odpovídat vykázanému roku. Nesmí být novější než 06.02.2027",
         page().edtPPPZDatSplat},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        platform_.Answer(MessageAnswer::Ok);
        Store(c.typed);
        ASSERT_FALSE(platform_.prompts().empty());
        EXPECT_EQ(platform_.prompts().back().text, QString::fromUtf8(c.message));
        EXPECT_TRUE(c.field->hasFocus());
    }
    EXPECT_TRUE(GridRows().isEmpty());
}

TEST_F(PppzPageTest, AnInvalidDateIsWarnedAboutOnLeavingAndKeepsStoreDisabled)
{
    TypeInto(page().edtPPPZDatSplat, QStringLiteral("31022027"));
    platform_.Answer(MessageAnswer::Ok);
    page().edtPPPZDatOpr->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(platform_.prompts().size(), 1u);
    EXPECT_EQ(platform_.prompts()[0].caption, QStringLiteral("Upozornění"));
    EXPECT_EQ(platform_.prompts()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(page().edtPPPZDatSplat->hasFocus());
    window_->RefreshActions();
    EXPECT_FALSE(page().btnPPPZZalozit->isEnabled());

    TypeInto(page().edtPPPZDatSplat, QStringLiteral("27022027"));
    window_->RefreshActions();
    EXPECT_TRUE(page().btnPPPZZalozit->isEnabled());
    TypeInto(page().edtPPPZDatOpr, QStringLiteral("30022027"));
    window_->RefreshActions();
    EXPECT_FALSE(page().btnPPPZZalozit->isEnabled()) << "a correction date must be a date too";
    platform_.Answer(MessageAnswer::Ok); // leaving it once more warns again
    page().edtPPPZMesic->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(platform_.prompts().size(), 2u);
}

TEST_F(PppzPageTest, ACorrectionKeepsItsPeriodAndPlaceAndSwitchesTheCaption)
{
    Store({11, 2026, "2", "1000", "135", "21122026", ""});
    Store({12, 2026, "1", "100", "14", "20012027", "10012027"});
    SelectRow(1);
    EXPECT_EQ(page().btnPPPZZalozit->text(), QStringLiteral("Založit"));

    Click(page().btnPPPZOpravit);
    EXPECT_EQ(page().btnPPPZZalozit->text(), QStringLiteral("Uložit"));
    EXPECT_EQ(page().btnPPPZZalozit->statusTip(), QStringLiteral("Uložit změny na záznamu"));
    EXPECT_EQ(page().edtPPPZMesic->value(), 11);
    EXPECT_EQ(page().edtPPPZRok->value(), 2026);
    EXPECT_EQ(page().edtPPPZPocPoj->text(), QStringLiteral("2"));
    EXPECT_EQ(page().edtPPPZVymZakl->text(), QStringLiteral("1000"));
    EXPECT_EQ(page().edtPPPZKC->text(), QStringLiteral("135"));
    EXPECT_EQ(page().edtPPPZDatSplat->DottedText(), QStringLiteral("21.12.2026"));
    EXPECT_EQ(page().edtPPPZDatOpr->DottedText(), kEmptyDate);
    EXPECT_TRUE(page().edtPPPZMesic->hasFocus());
    // Nothing but Store ends a correction.
    EXPECT_FALSE(page().btnPPPZOpravit->isEnabled());
    EXPECT_FALSE(page().btnPPPZOdstranit->isEnabled());
    EXPECT_FALSE(page().btnPPPZOdeslat->isEnabled());

    TypeInto(page().edtPPPZKC, QStringLiteral("136"));
    Click(page().btnPPPZZalozit);
    EXPECT_TRUE(platform_.prompts().empty()) << "its own period is no duplicate";
    EXPECT_EQ(GridRows(), (QStringList{QStringLiteral("12|2026|1|100|14|20.01.2027|10.01.2027"),
                                       QStringLiteral("11|2026|2|1000|136|21.12.2026|")}));
    EXPECT_EQ(page().btnPPPZZalozit->text(), QStringLiteral("Založit"));
    EXPECT_EQ(page().btnPPPZZalozit->statusTip(), QStringLiteral("Založí záznam do seznamu"));
    EXPECT_TRUE(page().btnPPPZOdeslat->isEnabled());

    // The entry is cleared to the proposal of 15 January 2027.
    EXPECT_EQ(page().edtPPPZMesic->value(), 12);
    EXPECT_EQ(page().edtPPPZRok->value(), 2026);
    EXPECT_EQ(page().edtPPPZPocPoj->text(), QStringLiteral("0"));
    EXPECT_EQ(page().edtPPPZVymZakl->text(), QStringLiteral("0"));
    EXPECT_EQ(page().edtPPPZKC->text(), QStringLiteral("0"));
    EXPECT_EQ(page().edtPPPZDatSplat->DottedText(), QStringLiteral("20.01.2027"));
    EXPECT_EQ(page().edtPPPZDatOpr->DottedText(), kEmptyDate);
    EXPECT_TRUE(page().edtPPPZMesic->hasFocus());
}

TEST_F(PppzPageTest, DeleteAsksFirst)
{
    Store({11, 2026, "1", "100", "14", "20122026", ""});
    Store({12, 2026, "1", "100", "14", "20012027", ""});
    SelectRow(1);

    platform_.Answer(MessageAnswer::No);
    Click(page().btnPPPZOdstranit);
    EXPECT_EQ(GridRows().size(), 2);
    platform_.Answer(MessageAnswer::Yes);
    Click(page().btnPPPZOdstranit);
    EXPECT_EQ(GridRows(), QStringList{QStringLiteral("12|2026|1|100|14|20.01.2027|")});
    EXPECT_EQ(HighlightedRow(), 0);
    ASSERT_EQ(platform_.prompts().size(), 2u);
    for (const ScriptedPlatform::Prompt& prompt : platform_.prompts()) {
        EXPECT_EQ(prompt.caption, QStringLiteral("Dotaz"));
        EXPECT_EQ(prompt.text, QStringLiteral("Opravdu chcete smazat zvýrazněný záznam?"));
        EXPECT_EQ(prompt.icon, MessageIcon::Question);
        EXPECT_EQ(prompt.buttons, MessageButtons::YesNo);
    }

    platform_.Answer(MessageAnswer::Yes);
    Click(page().btnPPPZOdstranit);
    EXPECT_TRUE(GridRows().isEmpty());
    EXPECT_FALSE(page().btnPPPZOpravit->isEnabled());
    EXPECT_FALSE(page().btnPPPZOdeslat->isEnabled());
}

TEST_F(PppzPageTest, CalculatedPremiumAsksAndThenFillsIt)
{
    TypeInto(page().edtPPPZVymZakl, QStringLiteral("1500"));
    TypeInto(page().edtPPPZKC, QStringLiteral("7"));

    platform_.Answer(MessageAnswer::No);
    QTest::mouseClick(page().sbCalcKC, Qt::LeftButton);
    EXPECT_EQ(page().edtPPPZKC->text(), QStringLiteral("7"));

    platform_.Answer(MessageAnswer::Yes);
    QTest::mouseClick(page().sbCalcKC, Qt::LeftButton);
    EXPECT_EQ(page().edtPPPZKC->text(), QStringLiteral("203"));

    ASSERT_EQ(platform_.prompts().size(), 2u);
    const ScriptedPlatform::Prompt& question = platform_.prompts()[0];
    EXPECT_EQ(question.caption, QStringLiteral("Dotaz"));
    EXPECT_EQ(question.text,
              QStringLiteral("Chcete spočítat výši pojistného?\r\n"
                             "Výše pojistného je rovná 13,5% vyměřovacího základu.\r\n\r\n"
                             "Chcete automaticky spočítat výši pojistného a touto výší nahradit "
                             "aktuální hodnotu?"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
}

TEST_F(PppzPageTest, TypedRecordsSaveAsTheFixtureAndShowTheResult)
{
    // Typed oldest first without touching the grid, so they come out newest first.
    Store({11, 2024, "0", "10000", "1350", "20122024", ""});
    Store({12, 2024, "", "", "", "20012025", ""});
    Store({2, 2025, "25", "1234567", "166667", "20032025", "15042025"});
    Store({1, 2025, "25", "1234567", "166667", "20022025", ""});
    EXPECT_EQ(GridRows(), (QStringList{
                              QStringLiteral("1|2025|25|1234567|166667|20.02.2025|"),
                              QStringLiteral("2|2025|25|1234567|166667|20.03.2025|15.04.2025"),
                              QStringLiteral("12|2024||0|0|20.01.2025|"),
                              QStringLiteral("11|2024|0|10000|1350|20.12.2024|"),
                          }));

    const auto saved = Save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, QDir::toNativeSeparators(Target()));
    EXPECT_EQ(ReadFile(Target()).toStdString(),
              ReadFile(QStringLiteral(LUMTARIS_TEST_DATA "/pppz/12345678.H01")).toStdString());
    const ResultPage& result = *window_->resultPage;
    EXPECT_EQ(result.pnlSaveSubjekt->text(), QStringLiteral("IČO: 12345678   Org. jednotka: 01"));
    EXPECT_EQ(result.lblSaveHTMLOdkaz->text(),
              QStringLiteral("https://www.portalzp.cz/app/prihlaseni"));
    EXPECT_TRUE(platform_.prompts().empty());
}

TEST_F(PppzPageTest, AReadOnlyTargetIsRefusedAndThePageStays)
{
    Store({12, 2026, "1", "100", "14", "20012027", ""});
    QFile old(Target());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("OLD\r\n");
    old.close();
    ASSERT_TRUE(old.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    platform_.Answer(MessageAnswer::Yes); // replace it
    platform_.Answer(MessageAnswer::Ok);
    EXPECT_FALSE(Save());
    ASSERT_EQ(platform_.prompts().size(), 2u);
    const ScriptedPlatform::Prompt& refusal = platform_.prompts()[1];
    EXPECT_EQ(refusal.caption, QStringLiteral("Chyba"));
    EXPECT_EQ(refusal.text,
              QStringLiteral("Nastala chyba při ukládání podání do souboru.\r\nZřejmě je soubor "
                             "pouze pro čtení nebo používán jinou aplikací.\r\nPodání nebylo "
                             "uloženo!"));
    EXPECT_EQ(refusal.icon, MessageIcon::Error);
    EXPECT_EQ(window_->pgAkce->currentWidget(), page().tabPPPZ);
    EXPECT_EQ(ReadFile(Target()), QByteArray("OLD\r\n"));
    EXPECT_EQ(GridRows().size(), 1);
    old.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace
} // namespace lumtaris
