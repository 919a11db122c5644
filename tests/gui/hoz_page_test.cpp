// The HOZ page: the four record commands through the real widgets, the date check, the grid
// model and the save of the submission.

#include "app/main_window.hpp"
#include "app/result_page.hpp"
#include "hoz/hoz_grid_model_qt.hpp"
#include "hoz/hoz_page.hpp"
#include "platform/profile_text.hpp"
#include "settings/settings_store.hpp"
#include "subject/subject_page.hpp"
#include "support_qt/fail_after_device.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "widgets/date_edit.hpp"
#include "widgets/link_label.hpp"
#include "widgets/number_edit.hpp"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

// What a person types for one record.
struct Typed
{
    int code;
    const char* insuredNumber;
    const char* surname;
    const char* firstName;
    const char* date; // the digits only, as typed into the mask
    const char* street;
    const char* town;
    const char* postCode;
};

// The records of tests/data/hoz/00001234.05.
const Typed kFixtureRecords[] = {
    {0, "8001011234", "Novotná-Procházková Kratochvíl", "Jana Marie Alžběta Hanka", "01022025",
     "Na Příkopě 1234/56a, vchod B-7", "Praha 1 - Nové Město, Staré M.", "11000"},
    {4, "805101123", "Řeřichová", "Růžena", "31012025", "", "", ""},
    {3, "7703154321", "O’Brien", "Patrick", "15032025", "Dlouhá 12", "Brno", "60200"},
};

// The bytes of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kFixturePath = QStringLiteral(LUMTARIS_TEST_DATA "/hoz/00001234.05");
const QString kEmptyDate = QStringLiteral("  .  .    ");
const QString kSubjectLine = QStringLiteral("IČO: 00001234   Org. jednotka: 05");

// Types text key by key, with the text in the key event as a keyboard gives it, so that also
// characters without a key of their own arrive.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Enters the field as the Tab key would, empties it and types the text.
void Retype(QLineEdit* edit, const char* utf8)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    Type(edit, QString::fromUtf8(utf8));
}

void RetypeDate(DateEdit* edit, const char* digits)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->Clear();
    Type(edit, QString::fromLatin1(digits));
}

// Chooses the change code with the keyboard: the first item, then down.
void ChooseCode(QComboBox* combo, int index)
{
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

void Fill(HozPage& page, const Typed& record)
{
    ChooseCode(page.edtHOZKod, record.code);
    Retype(page.edtHOZCPoj, record.insuredNumber);
    Retype(page.edtHOZPrijmeni, record.surname);
    Retype(page.edtHOZJmeno, record.firstName);
    RetypeDate(page.edtHOZDatum, record.date);
    Retype(page.EdtHOZUlice, record.street);
    Retype(page.EdtHOZObec, record.town);
    Retype(page.EdtHOZPSC, record.postCode);
}

// Clicks the button as a person would once the idle-time rules have run.
void Click(TfrmMain& window, QPushButton* button)
{
    window.RefreshActions();
    QTest::mouseClick(button, Qt::LeftButton);
}

void Store(TfrmMain& window, const Typed& record)
{
    Fill(*window.hozPage, record);
    Click(window, window.hozPage->btnHOZZalozit);
}

void ClickGridRow(QTableView* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

int SelectedRow(const QTableView* grid)
{
    const QModelIndexList rows = grid->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

QString Cell(const QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

// A window on the HOZ page of insurer 0 for IČO 1234, unit 5, active so that focus moves.
std::unique_ptr<TfrmMain> OpenHozPage(MemorySettingsBackend& settings, ScriptedPlatform& platform)
{
    auto window = StartWindow(settings, platform, 0, ActionKind::Hoz);
    if (window == nullptr)
        return nullptr;
    window->subjectPage->edtIC->setText(QStringLiteral("1234"));
    window->subjectPage->edtOJ->setText(QStringLiteral("5"));
    window->subjectPage->btnIC_OJPoridit->click();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

QString CurrentPage(const TfrmMain& window)
{
    return window.pgAkce->currentWidget()->objectName();
}

void ExpectListCommandsEnabled(TfrmMain& window, bool enabled)
{
    window.RefreshActions();
    const HozPage& page = *window.hozPage;
    EXPECT_EQ(page.btnHOZOpravit->isEnabled(), enabled);
    EXPECT_EQ(page.btnHOZVymazat->isEnabled(), enabled);
    EXPECT_EQ(page.Button1->isEnabled(), enabled);
    EXPECT_EQ(page.btnHOZOdeslat->isEnabled(), enabled);
}

void ExpectEntryEmptied(const HozPage& page)
{
    EXPECT_TRUE(page.edtHOZCPoj->text().isEmpty());
    EXPECT_TRUE(page.edtHOZPrijmeni->text().isEmpty());
    EXPECT_TRUE(page.edtHOZJmeno->text().isEmpty());
    EXPECT_EQ(page.edtHOZDatum->DottedText(), kEmptyDate);
    EXPECT_TRUE(page.EdtHOZUlice->text().isEmpty());
    EXPECT_TRUE(page.EdtHOZObec->text().isEmpty());
    EXPECT_TRUE(page.EdtHOZPSC->text().isEmpty());
}

TEST(HozPage, StoreAppendsKeepsTheChangeCodeAndEmptiesTheRest)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = OpenHozPage(settings, platform);
    ASSERT_NE(window, nullptr);
    HozPage& page = *window->hozPage;
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabHOZ"));

    // An empty list: nothing but typing can be done.
    window->RefreshActions();
    EXPECT_FALSE(page.btnHOZZalozit->isEnabled());
    ExpectListCommandsEnabled(*window, false);
    EXPECT_EQ(page.grdHOZ->model()->rowCount(), 0);
    // The highlight stays visible while the focus is in the entry fields.
    const QPalette& colours = page.grdHOZ->palette();
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
              colours.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(page.grdHOZ->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(page.grdHOZ->columnWidth(2), 140);
    EXPECT_EQ(page.grdHOZ->columnWidth(4), 71);
    EXPECT_EQ(page.grdHOZ->model()->headerData(4, Qt::Horizontal).toString(),
              page.lblHOZDatum->text());

    Fill(page, kFixtureRecords[1]);
    window->RefreshActions();
    EXPECT_TRUE(page.btnHOZZalozit->isEnabled());
    // An 8-character insured number breaks the record rule; the handler itself refuses too.
    Retype(page.edtHOZCPoj, "80510112");
    window->RefreshActions();
    EXPECT_FALSE(page.btnHOZZalozit->isEnabled());
    page.actHOZZalozitExecute();
    EXPECT_EQ(page.editor()->List().Count(), 0u);
    Retype(page.edtHOZCPoj, "805101123");

    Click(*window, page.btnHOZZalozit);
    ASSERT_EQ(page.grdHOZ->model()->rowCount(), 1);
    EXPECT_EQ(Cell(page.grdHOZ, 0, 0), page.edtHOZKod->itemText(4).left(1));
    EXPECT_EQ(Cell(page.grdHOZ, 0, 2), QStringLiteral("Řeřichová"));
    EXPECT_EQ(Cell(page.grdHOZ, 0, 4), QStringLiteral("31.01.2025"));
    EXPECT_EQ(Cell(page.grdHOZ, 0, 7), QString());
    EXPECT_EQ(page.edtHOZKod->currentIndex(), 4);
    ExpectEntryEmptied(page);
    EXPECT_TRUE(page.edtHOZCPoj->hasFocus());
    EXPECT_EQ(SelectedRow(page.grdHOZ), 0);
    ExpectListCommandsEnabled(*window, true);
    // The date entry is empty again, so Store waits for a whole new record.
    EXPECT_FALSE(page.btnHOZZalozit->isEnabled());

    Store(*window, kFixtureRecords[2]);
    ASSERT_EQ(page.grdHOZ->model()->rowCount(), 2);
    EXPECT_EQ(Cell(page.grdHOZ, 1, 2), QStringLiteral("O’Brien"));
    EXPECT_EQ(SelectedRow(page.grdHOZ), 1);
    EXPECT_EQ(page.editor()->List().CurrentIndex(), 1u);
    EXPECT_EQ(page.edtHOZKod->currentIndex(), 3);
    EXPECT_TRUE(platform.prompts().empty());
}

TEST(HozPage, CorrectionKeepsPlaceAndIdAndBlocksTheListCommands)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = OpenHozPage(settings, platform);
    ASSERT_NE(window, nullptr);
    HozPage& page = *window->hozPage;
    for (const Typed& record : kFixtureRecords)
        Store(*window, record);

    ClickGridRow(page.grdHOZ, 1);
    EXPECT_EQ(page.editor()->List().CurrentIndex(), 1u);
    Click(*window, page.btnHOZOpravit);
    EXPECT_EQ(page.editor()->EditedHOZId(), 2);
    EXPECT_EQ(page.edtHOZKod->currentIndex(), 4);
    EXPECT_EQ(page.edtHOZCPoj->text(), QStringLiteral("805101123"));
    EXPECT_EQ(page.edtHOZPrijmeni->text(), QStringLiteral("Řeřichová"));
    EXPECT_EQ(page.edtHOZJmeno->text(), QStringLiteral("Růžena"));
    EXPECT_EQ(page.edtHOZDatum->DottedText(), QStringLiteral("31.01.2025"));
    EXPECT_TRUE(page.EdtHOZObec->text().isEmpty());
    EXPECT_TRUE(page.edtHOZCPoj->hasFocus());
    ExpectListCommandsEnabled(*window, false);
    EXPECT_TRUE(page.btnHOZZalozit->isEnabled());

    // Moving the highlight meanwhile does not redirect the correction.
    ClickGridRow(page.grdHOZ, 0);
    Retype(page.edtHOZPrijmeni, "Řeřichová-Malá");
    RetypeDate(page.edtHOZDatum, "28022025");
    Click(*window, page.btnHOZZalozit);

    const HozList& list = page.editor()->List();
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(1).ID, 2);
    EXPECT_EQ(list.At(1).PRIJMENI(), "\xd8"
                                   "e\xf8ichov\xe1-Mal\xe1");
    EXPECT_EQ(list.At(1).DATUM(), "28022025");
    EXPECT_EQ(list.At(0).PRIJMENI(), "Novotn\xe1-Proch\xe1zkov\xe1 Kratochv\xedl");
    EXPECT_EQ(page.editor()->EditedHOZId(), 0);
    EXPECT_EQ(Cell(page.grdHOZ, 1, 2), QStringLiteral("Řeřichová-Malá"));
    EXPECT_EQ(Cell(page.grdHOZ, 1, 4), QStringLiteral("28.02.2025"));
    EXPECT_EQ(SelectedRow(page.grdHOZ), 1);
    ExpectEntryEmptied(page);
    EXPECT_EQ(page.edtHOZKod->currentIndex(), 4);
    EXPECT_TRUE(page.edtHOZCPoj->hasFocus());
    ExpectListCommandsEnabled(*window, true);
}

TEST(HozPage, DuplicateFillsTheEntryAndTheNextStoreAppends)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = OpenHozPage(settings, platform);
    ASSERT_NE(window, nullptr);
    HozPage& page = *window->hozPage;
    Store(*window, kFixtureRecords[0]);
    Store(*window, kFixtureRecords[2]);

    ClickGridRow(page.grdHOZ, 0);
    Click(*window, page.Button1);
    EXPECT_EQ(page.editor()->EditedHOZId(), 0);
    EXPECT_EQ(page.edtHOZKod->currentIndex(), 0);
    EXPECT_EQ(page.edtHOZJmeno->text(), QStringLiteral("Jana Marie Alžběta Hanka"));
    EXPECT_EQ(page.EdtHOZPSC->text(), QStringLiteral("11000"));
    EXPECT_EQ(page.edtHOZDatum->DottedText(), QStringLiteral("01.02.2025"));
    EXPECT_TRUE(page.edtHOZKod->hasFocus());
    ExpectListCommandsEnabled(*window, true);

    RetypeDate(page.edtHOZDatum, "01032025");
    Click(*window, page.btnHOZZalozit);
    const HozList& list = page.editor()->List();
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(0).DATUM(), "01022025");
    EXPECT_EQ(list.At(2).DATUM(), "01032025");
    EXPECT_EQ(list.At(2).PSC(), "11000");
    EXPECT_EQ(list.At(2).ID, 3);
    EXPECT_EQ(SelectedRow(page.grdHOZ), 2);
}

TEST(HozPage, DeleteAsksAndNoLeavesEverything)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = OpenHozPage(settings, platform);
    ASSERT_NE(window, nullptr);
    HozPage& page = *window->hozPage;
    for (const Typed& record : kFixtureRecords)
        Store(*window, record);
    ClickGridRow(page.grdHOZ, 1);
    Retype(page.edtHOZJmeno, "Karel");

    platform.Answer(MessageAnswer::No);
    Click(*window, page.btnHOZVymazat);
    ASSERT_EQ(platform.prompts().size(), 1u);
    const ScriptedPlatform::Prompt& question = platform.prompts()[0];
    EXPECT_EQ(question.caption, QStringLiteral("Dotaz"));
    EXPECT_EQ(question.text, QStringLiteral("Opravdu chcete smazat zvýrazněný záznam?"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(page.editor()->List().Count(), 3u);
    EXPECT_EQ(page.grdHOZ->model()->rowCount(), 3);
    EXPECT_EQ(SelectedRow(page.grdHOZ), 1);

    platform.Answer(MessageAnswer::Yes);
    Click(*window, page.btnHOZVymazat);
    const HozList& list = page.editor()->List();
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).ID, 1);
    EXPECT_EQ(list.At(1).ID, 3);
    // The next record takes the highlight; the entry fields are not touched.
    EXPECT_EQ(list.CurrentIndex(), 1u);
    EXPECT_EQ(SelectedRow(page.grdHOZ), 1);
    EXPECT_EQ(Cell(page.grdHOZ, 1, 2), QStringLiteral("O’Brien"));
    EXPECT_EQ(page.edtHOZJmeno->text(), QStringLiteral("Karel"));

    platform.Answer(MessageAnswer::Yes);
    Click(*window, page.btnHOZVymazat);
    platform.Answer(MessageAnswer::Yes);
    Click(*window, page.btnHOZVymazat);
    EXPECT_EQ(page.grdHOZ->model()->rowCount(), 0);
    EXPECT_EQ(SelectedRow(page.grdHOZ), -1);
    ExpectListCommandsEnabled(*window, false);
}

TEST(HozPage, LeavingAnInvalidDateWarnsAndReturnsTheFocus)
{
    struct Case
    {
        const char* typed;
        bool warned;
    };
    const Case cases[] = {
        {"31022024", true},
        {"29022024", false},
        {"", false},
        {"00002025", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = OpenHozPage(settings, platform);
        ASSERT_NE(window, nullptr);
        HozPage& page = *window->hozPage;
        RetypeDate(page.edtHOZDatum, c.typed);
        if (c.warned)
            platform.Answer(MessageAnswer::Ok);
        page.EdtHOZUlice->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(platform.prompts().size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(platform.prompts()[0].caption, QStringLiteral("Upozornění"));
            EXPECT_EQ(platform.prompts()[0].text, QStringLiteral("Zadaný datum není platný!"));
            EXPECT_EQ(platform.prompts()[0].icon, MessageIcon::Warning);
            EXPECT_EQ(platform.prompts()[0].buttons, MessageButtons::Ok);
        }
        EXPECT_EQ(page.edtHOZDatum->hasFocus(), c.warned);
        EXPECT_EQ(page.EdtHOZUlice->hasFocus(), !c.warned);
    }
}

// Types the fixture's records and saves them into `directory` through the folder dialog.
void TypeFixtureAndSave(TfrmMain& window, ScriptedPlatform& platform, const QString& directory)
{
    for (const Typed& record : kFixtureRecords)
        Store(window, record);
    platform.ChooseDirectoryAnswer(directory);
    Click(window, window.hozPage->btnHOZOdeslat);
}

TEST(HozPage, TypedRecordsSaveAsTheFixtureAndShowTheResult)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = OpenHozPage(settings, platform);
    ASSERT_NE(window, nullptr);

    TypeFixtureAndSave(*window, platform, directory.path());

    const QString path = directory.filePath(QStringLiteral("00001234.05"));
    const QByteArray expected = FileBytes(kFixturePath);
    ASSERT_EQ(expected.size(), 3 * 140);
    EXPECT_EQ(FileBytes(path), expected);
    ASSERT_EQ(platform.fileQuestions().size(), 1u);
    EXPECT_EQ(platform.fileQuestions()[0].title,
              QStringLiteral("Vyberte adresář pro uložení souboru:"));
    EXPECT_TRUE(platform.prompts().empty());
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabSave"));
    const ResultPage& result = *window->resultPage;
    EXPECT_EQ(result.lblSaveSoubor->text(), QDir::toNativeSeparators(path));
    EXPECT_EQ(result.pnlSaveSubjekt->text(), kSubjectLine);
    EXPECT_EQ(result.lblSaveHTMLOdkaz->text(), ProfileText(InsurerProfileTable.LinkPortalHoz, 0));
}

TEST(HozPage, FailedOrDeclinedSavesKeepTheOldFileAndThePage)
{
    enum class Failure
    {
        ReadOnly,
        WriteError,
        Declined,
    };
    struct Case
    {
        Failure failure;
        const char* name;
    };
    const Case cases[] = {
        {Failure::ReadOnly, "read-only target"},
        {Failure::WriteError, "write error"},
        {Failure::Declined, "overwrite declined"},
    };
    const QByteArray oldContent("old submission\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir directory;
        ASSERT_TRUE(directory.isValid());
        const QString path = directory.filePath(QStringLiteral("00001234.05"));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(oldContent);
        }
        if (c.failure == Failure::ReadOnly)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = OpenHozPage(settings, platform);
        ASSERT_NE(window, nullptr);
        if (c.failure == Failure::WriteError)
            window->hozPage->SetWriteFilterForTest(test::FailAfter(200));
        platform.Answer(c.failure == Failure::Declined ? MessageAnswer::No : MessageAnswer::Yes);
        if (c.failure != Failure::Declined)
            platform.Answer(MessageAnswer::Ok);

        TypeFixtureAndSave(*window, platform, directory.path());

        ASSERT_EQ(platform.prompts().size(), c.failure == Failure::Declined ? 1u : 2u);
        EXPECT_EQ(platform.prompts()[0].text,
                  QStringLiteral("V zadaném adresáři existuje cílový soubor. Přepsat?"));
        if (c.failure != Failure::Declined) {
            const ScriptedPlatform::Prompt& error = platform.prompts()[1];
            EXPECT_EQ(error.caption, QStringLiteral("Chyba"));
            EXPECT_EQ(error.icon, MessageIcon::Error);
            EXPECT_EQ(error.buttons, MessageButtons::Ok);
            if (c.failure == Failure::ReadOnly) {
                EXPECT_EQ(error.text,
                          QStringLiteral("Nastala chyba při ukládání podání do souboru.\r\n"
                                         "Zřejmě je soubor pouze pro čtení nebo používán jinou "
                                         "aplikací.\r\nPodání nebylo uloženo!"));
            } else {
                EXPECT_TRUE(error.text.contains(QStringLiteral("Injected write error")))
                    << error.text.toStdString();
            }
        }
        EXPECT_EQ(FileBytes(path), oldContent);
        EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabHOZ"));
        EXPECT_EQ(window->hozPage->editor()->List().Count(), 3u);
        // The chosen directory is remembered even so.
        EXPECT_EQ(RegReadString(window->mainKey(), kLastWDirectory, ""),
                  QDir::toNativeSeparators(directory.path()).toStdString());
    }
}

TEST(HozPage, TheNextRunStartsInTheDirectoryChosenLast)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    MemorySettingsBackend settings;
    {
        ScriptedPlatform platform;
        const auto window = OpenHozPage(settings, platform);
        ASSERT_NE(window, nullptr);
        TypeFixtureAndSave(*window, platform, directory.path());
        ASSERT_EQ(platform.fileQuestions().size(), 1u);
        EXPECT_EQ(platform.fileQuestions()[0].startDir, QStringLiteral("/opt/lumtaris"));
        EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabSave"));
    }
    ScriptedPlatform platform;
    const auto window = OpenHozPage(settings, platform);
    ASSERT_NE(window, nullptr);
    Store(*window, kFixtureRecords[1]);
    platform.ChooseDirectoryAnswer(std::nullopt);
    Click(*window, window->hozPage->btnHOZOdeslat);
    ASSERT_EQ(platform.fileQuestions().size(), 1u);
    EXPECT_EQ(platform.fileQuestions()[0].startDir, QDir::toNativeSeparators(directory.path()));
    // A cancelled folder dialog changes nothing.
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabHOZ"));
    EXPECT_TRUE(platform.prompts().empty());
}

TEST(HozGridModel, PassesTheModelTesterThroughListChanges)
{
    HozGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetTitles({QStringLiteral("Kód"), QStringLiteral("Číslo pojištěnce"),
                     QStringLiteral("Příjmení"), QStringLiteral("Jméno"), QStringLiteral("Datum"),
                     QStringLiteral("Ulice"), QStringLiteral("Obec"), QStringLiteral("PSČ")});
    HozList list;
    list.Open();
    model.Refresh(list);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 8);

    HozRecord record;
    record.SetColumn(HozColumn::KOD, "A");
    record.SetColumn(HozColumn::CPOJ, "8001011234");
    record.SetColumn(HozColumn::PRIJMENI, "\xd8"
                                          "e\xf8ichov\xe1");
    record.SetColumn(HozColumn::DATUM, "01022025");
    list.Append(record);
    record.SetColumn(HozColumn::DATUM, "");
    list.Append(record);
    model.Refresh(list);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("Řeřichová"));
    EXPECT_EQ(model.index(0, 4).data().toString(), QStringLiteral("01.02.2025"));
    EXPECT_EQ(model.index(1, 4).data().toString(), QString());
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(model.headerData(7, Qt::Horizontal).toString(), QStringLiteral("PSČ"));

    model.SetIndicatorRow(1);
    EXPECT_FALSE(model.headerData(1, Qt::Vertical).toString().isEmpty());
    EXPECT_TRUE(model.headerData(0, Qt::Vertical).toString().isEmpty());

    // A frozen list is not taken over: the grid keeps what it showed.
    list.FreezeDisplay();
    list.SetCurrentIndex(0);
    list.DeleteCurrent();
    model.Refresh(list);
    EXPECT_EQ(model.rowCount(), 2);
    list.ReleaseDisplay();
    model.Refresh(list);
    EXPECT_EQ(model.rowCount(), 1);
    list.Close();
    model.Refresh(list);
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
} // namespace lumtaris
