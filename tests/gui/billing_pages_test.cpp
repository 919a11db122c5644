// The two billing pages through the window: choosing the K-batch file, the invoice page it
// opens, and the paired save of the F-batch file and the K-batch copy.

#include "app/main_window.hpp"
#include "app/result_page.hpp"
#include "billing/file_page.hpp"
#include "billing/invoice_page.hpp"
#include "billing/paired_save.hpp"
#include "platform/profile_text.hpp"
#include "platform/qt_platform.hpp"
#include "settings/settings_store.hpp"
#include "support_qt/fail_after_device.hpp"
#include "support_qt/main_window_fixture.hpp"
#include "widgets/file_name_edit.hpp"
#include "widgets/link_label.hpp"
#include "widgets/number_edit.hpp"
#include "widgets/spin_edit.hpp"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

const QString kChyba = QStringLiteral("Chyba");

QString DataFile(const QString& name)
{
    return QStringLiteral(LUMTARIS_TEST_DATA) + QStringLiteral("/") + name;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return file.readAll();
}

// The bytes of a file, or a marker when there is none.
QByteArray Contents(const QString& path)
{
    return QFile::exists(path) ? Bytes(path) : QByteArray("(no file)");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString CurrentPage(const TfrmMain& window)
{
    return window.pgAkce->currentWidget()->objectName();
}

// "Pořídit" on the file page with this text in the file field.
void Poridit(TfrmMain& window, const QString& fieldText)
{
    window.filePage->edtKDavka->SetFileName(fieldText);
    window.filePage->btnVYUPoridit->setFocus();
    QTest::mouseClick(window.filePage->btnVYUPoridit, Qt::LeftButton);
}

void ExpectRefusal(const TfrmMain& window, const ScriptedPlatform& platform, const QString& text)
{
    ASSERT_EQ(platform.prompts().size(), 1u);
    EXPECT_EQ(platform.prompts()[0].caption, kChyba);
    EXPECT_EQ(platform.prompts()[0].text, text);
    EXPECT_EQ(platform.prompts()[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform.prompts()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(CurrentPage(window), QStringLiteral("tabVYU1"));
    EXPECT_EQ(window.focusWidget(), window.filePage->edtKDavka->lineEdit());
}

// The K-batch fixture with two batches of IČZ 12345678, points 100 and 250.
QByteArray TwoBatches()
{
    return Bytes(DataFile(QStringLiteral("kbatch/two_batches.kdavka")));
}

TEST(FilePage, TheFileNameIsCheckedWithoutRegardToCaseAndDirectory)
{
    const QString refusal =
        QStringLiteral("Neplatný název souboru\r\nProsím připojujte pouze soubor KDAVKA.207");
    const struct
    {
        const char* name;
        bool accepted;
    } cases[] = {
        {"KDAVKA.207", true},      {"kdavka.207", true},   {"KDavka.207", true},
        {"KDAVKA.207.bak", false}, {"KDAVKA.209", false},  {"FDAVKA.207", false},
        {"KDAVKA207", false},      {"xKDAVKA.207", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        // A directory that itself looks like a K-batch name plays no part.
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("KDAVKA.207")));
        const QString path = folder.filePath(QStringLiteral("KDAVKA.207/") + c.name);
        Write(path, TwoBatches());
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
        ASSERT_NE(window, nullptr);
        if (!c.accepted)
            platform.Answer(MessageAnswer::Ok);
        Poridit(*window, path);
        if (c.accepted) {
            EXPECT_TRUE(platform.prompts().empty());
            EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
        } else {
            ExpectRefusal(*window, platform, refusal);
        }
    }
}

TEST(FilePage, AFileThatCannotBeOpenedIsRefusedBeforeItsName)
{
    QTemporaryDir folder;
    const QString message =
        QStringLiteral("Zadaný soubor neexistuje nebo je používán jinou aplikací!");
    for (const QString& path : {folder.filePath(QStringLiteral("KDAVKA.207")),
                                folder.filePath(QStringLiteral("FDAVKA.207")), folder.path()}) {
        SCOPED_TRACE(path.toStdString());
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu1);
        ASSERT_NE(window, nullptr);
        platform.Answer(MessageAnswer::Ok);
        Poridit(*window, path);
        ExpectRefusal(*window, platform, message);
    }
}

TEST(FilePage, ABadKBatchFileKeepsTheUserOnTheFilePageAndLeavesNoBatches)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("KDAVKA.207"));
    // Two good batches, then a D record one character short.
    Write(path, TwoBatches() + "D" + QByteArray(60, '1') + "\r\n");
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    platform.Answer(MessageAnswer::Ok);
    Poridit(*window, path);
    ExpectRefusal(*window, platform, QStringLiteral("Neznámá struktura D věty"));

    // Without a file the invoice carries none of the batches read before the failure.
    Poridit(*window, QStringLiteral("  "));
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
    EXPECT_TRUE(window->invoicePage->KBatchPath().empty());
    EXPECT_TRUE(window->invoicePage->KBatchRecords().records.empty());
    EXPECT_FALSE(window->invoicePage->lvVYU2Davky->isVisibleTo(window.get()));
}

TEST(FilePage, TheNewestHistoryEntryWithTheBatchIczByValueFillsIcoAndUnit)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("KDAVKA.207"));
    // The provider's software writes the IČZ with spaces in front; the history with zeros.
    QByteArray bytes = TwoBatches();
    bytes.replace("12345678", "   12345");
    Write(path, bytes);
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    window->history().AppendICZ("00012345 - 11111111 - 01");
    window->history().AppendICZ("00012345 - 22222222 - 02");
    window->history().AppendICZ("00099999 - 33333333 - 03");
    Poridit(*window, path);
    ASSERT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
    const InvoicePage& page = *window->invoicePage;
    EXPECT_EQ(page.edtVYU2ICZ->text(), QStringLiteral("   12345"));
    EXPECT_FALSE(page.edtVYU2ICZ->isEnabled());
    EXPECT_EQ(page.edtVYU2IC->text(), QStringLiteral("22222222"));
    EXPECT_EQ(page.edtVYU2OJ->text(), QStringLiteral("02"));
    EXPECT_FALSE(page.btnVyberICZ->isVisibleTo(window.get()));
}

TEST(FilePage, QuotesAroundAPastedPathGoOnePairAtATime)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu1);
    ASSERT_NE(window, nullptr);
    FileNameEdit& field = *window->filePage->edtKDavka;
    const struct
    {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"\"/home/lekar/KDAVKA.207\"", "/home/lekar/KDAVKA.207"},
        {"\"\"/tmp/a b/KDAVKA.207\"\"", "/tmp/a b/KDAVKA.207"},
        {"\"", "\""},
        {"\"\"", ""},
        {"\"/tmp/KDAVKA.207", "\"/tmp/KDAVKA.207"},
    };
    for (const auto& c : cases) {
        field.SetFileName(QString::fromUtf8(c.typed));
        EXPECT_EQ(field.FileName(), QString::fromUtf8(c.shown)) << c.typed;
    }
    // Pasted into the field as a person would.
    field.lineEdit()->clear();
    field.lineEdit()->insert(QStringLiteral("\"/tmp/KDAVKA.207\""));
    EXPECT_EQ(field.FileName(), QStringLiteral("/tmp/KDAVKA.207"));
}

TEST(FilePage, TheFileDialogShowsTheKBatchFileInAnyCase)
{
    QTemporaryDir folder;
    for (const char* name : {"KDAVKA.207", "kdavka.207", "FDAVKA.207", "KDAVKA.209", "other.txt"})
        Write(folder.filePath(QString::fromLatin1(name)), "x");
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu1);
    ASSERT_NE(window, nullptr);
    const FileNameEdit& field = *window->filePage->edtKDavka;
    EXPECT_EQ(field.FilterDescription(), QStringLiteral("KDAVKA pro OZP (kdavka.207)"));

    const auto dialog =
        MakeOpenFileDialog(nullptr, field.DialogTitle(), folder.path(), field.QtFilter());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    const auto shownNames = [&] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE(shownNames(),
                 (QStringList{QStringLiteral("KDAVKA.207"), QStringLiteral("kdavka.207")}));
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->currentText(), QStringLiteral("KDAVKA pro OZP (kdavka.207)"));
}

TEST(FilePage, ChosenThroughTheDialogTheBatchesFillTheInvoicePage)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("KDAVKA.209"));
    Write(path, Bytes(DataFile(QStringLiteral("kbatch/all_type80.kdavka"))));
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 1, ActionKind::Vyu2); // ZPŠ
    ASSERT_NE(window, nullptr);
    platform.ChooseFileAnswer(path);
    QTest::mouseClick(window->filePage->edtKDavka->browseButton(), Qt::LeftButton);
    QTest::mouseClick(window->filePage->btnVYUPoridit, Qt::LeftButton);
    ASSERT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
    const InvoicePage& page = *window->invoicePage;

    // Every batch of type 80 at ZPŠ: capitation is the only item, and it is chosen.
    ASSERT_EQ(page.edtVYU2PausalKapitace->count(), 1);
    EXPECT_EQ(page.edtVYU2PausalKapitace->itemText(0), QStringLiteral("Kapitace"));
    EXPECT_TRUE(page.FlatRateItemChosen());
    EXPECT_TRUE(page.edtVYU2Castka->isVisibleTo(window.get()));
    EXPECT_TRUE(page.edtVYU2FaktCastka->isEnabled());
    // Bank fields: the window is 610 high, and may not be made lower.
    EXPECT_EQ(window->height(), 610);
    EXPECT_EQ(window->minimumHeight(), 610);

    EXPECT_EQ(page.lblVYU2DavkyNadpis->text(),
              QStringLiteral("Dávky obsažené v souboru KDAVKA.209"));
    const QTreeWidget& list = *page.lvVYU2Davky;
    EXPECT_TRUE(list.isVisibleTo(window.get()));
    ASSERT_EQ(list.columnCount(), 9);
    const QByteArray first = Bytes(path).left(62);
    const int offsets[9][2] = {{1, 1},  {2, 2},  {4, 8},   {16, 4}, {20, 2},
                               {22, 6}, {28, 3}, {31, 11}, {42, 18}};
    ASSERT_GE(list.topLevelItemCount(), 1);
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(list.topLevelItem(0)->text(column),
                  QString::fromLatin1(first.mid(offsets[column][0], offsets[column][1])))
            << "column " << column;
        EXPECT_GE(list.header()->sectionSize(column), list.header()->sectionSizeHint(column));
    }
}

TEST(InvoicePage, TheItemRowsFollowTheInsurerAndTheBatches)
{
    QTemporaryDir folder;
    const struct
    {
        InsurerIndex insurer;
        ActionKind kind;
        const char* fixture; // none: an invoice without K-batch file
        QStringList rows;
        bool panelShown;
        int height;
    } cases[] = {
        {0, ActionKind::Vyu1, nullptr, {"Paušál", "Kapitace"}, true, 536},
        {0, ActionKind::Vyu2, nullptr, {"Paušál"}, true, 536},
        {1, ActionKind::Vyu2, "no_type80", {"Není"}, true, 610},
        {4, ActionKind::Vyu2, "some_type80", {"Není", "Paušál"}, false, 610},
        {3, ActionKind::Vyu1, "all_type80", {"Není", "Paušál", "Kapitace"}, true, 536},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.insurer} << " " << (c.fixture ? c.fixture : "-"));
        MemorySettingsBackend settings;
        ScriptedPlatform platform;
        const auto window = StartWindow(settings, platform, c.insurer, c.kind);
        ASSERT_NE(window, nullptr);
        QString path;
        if (c.fixture != nullptr) {
            path = folder.filePath(QStringLiteral("KDAVKA.") +
                                   QString::fromUtf8(InsurerProfileTable.InsurerCode[c.insurer]));
            Write(path, Bytes(DataFile(QStringLiteral("kbatch/%1.kdavka").arg(c.fixture))));
        }
        Poridit(*window, path);
        ASSERT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
        const InvoicePage& page = *window->invoicePage;
        QStringList rows;
        for (int i = 0; i < page.edtVYU2PausalKapitace->count(); ++i)
            rows << page.edtVYU2PausalKapitace->itemText(i);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(page.pnlVYU2PausalKapitace->isVisibleTo(window.get()), c.panelShown);
        EXPECT_EQ(page.FlatRateItemChosen(), c.rows.front() != QStringLiteral("Není"));
        EXPECT_EQ(page.edtVYU2Castka->isVisibleTo(window.get()), page.FlatRateItemChosen());
        EXPECT_EQ(page.edtVYU2FaktCastka->isEnabled(), c.fixture != nullptr);
        EXPECT_EQ(window->height(), c.height);
    }
}

TEST(InvoicePage, ChoosingAnItemShowsItsAmountAndNoneClearsIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("KDAVKA.207"));
    Write(path, TwoBatches());
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu1);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Poridit(*window, path);
    InvoicePage& page = *window->invoicePage;
    ASSERT_EQ(page.edtVYU2PausalKapitace->itemText(0), QStringLiteral("Není"));
    EXPECT_FALSE(page.edtVYU2Castka->isVisibleTo(window.get()));

    page.edtVYU2PausalKapitace->setCurrentIndex(1); // "Paušál", as the user picks it
    EXPECT_TRUE(page.FlatRateItemChosen());
    EXPECT_TRUE(page.edtVYU2Castka->isVisibleTo(window.get()));
    EXPECT_TRUE(page.edtVYU2Castka->hasFocus());
    QTest::keyClicks(page.edtVYU2Castka, QStringLiteral("250"));
    // With a K-batch file the invoice amount is the user's own.
    EXPECT_TRUE(page.edtVYU2FaktCastka->text().isEmpty());

    page.edtVYU2PausalKapitace->setCurrentIndex(0);
    EXPECT_FALSE(page.FlatRateItemChosen());
    EXPECT_EQ(page.edtVYU2Castka->Value().units, 0);
}

TEST(InvoicePage, WithoutKBatchFileTheInvoiceAmountFollowsTheItemAmount)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    Poridit(*window, QString());
    InvoicePage& page = *window->invoicePage;
    EXPECT_FALSE(page.edtVYU2FaktCastka->isEnabled());
    EXPECT_TRUE(page.edtVYU2ICZ->isEnabled());
    QTest::keyClicks(page.edtVYU2Castka, QStringLiteral("1500"));
    EXPECT_EQ(page.edtVYU2FaktCastka->Value(), (Decimal{150000, 2}));
    page.edtVYU2Castka->clear();
    EXPECT_EQ(page.edtVYU2FaktCastka->Value(), (Decimal{0, 2}));
}

TEST(InvoicePage, AmountFieldsTakeDigitsThePointAndOneSeparatorTypedOrPasted)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("KDAVKA.207"));
    Write(path, TwoBatches());
    Poridit(*window, path);
    InvoicePage& page = *window->invoicePage;
    const QString separator(QLatin1Char(page.DecimalSeparator()));
    for (NumberEdit* edit : {page.edtVYU2FaktCastka, page.edtVYU2Castka}) {
        SCOPED_TRACE(edit->objectName().toStdString());
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a2-3 ") + separator + QStringLiteral("4") +
                                   separator + QStringLiteral("5"));
        EXPECT_EQ(edit->text(), QStringLiteral("123") + separator + QStringLiteral("45"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), QStringLiteral("123") + separator + QStringLiteral("4"));

        // Pasted text passes the same filter, character by character.
        edit->clear();
        edit->insert(QStringLiteral("-1 0x0") + separator + QStringLiteral("5") + separator);
        EXPECT_EQ(edit->text(), QStringLiteral("100") + separator + QStringLiteral("5"));
        edit->setCursorPosition(0);
        edit->insert(QStringLiteral("9") + separator);
        EXPECT_EQ(edit->text(), QStringLiteral("9100") + separator + QStringLiteral("5"));
    }
}

TEST(InvoicePage, SavingIsEnabledByTheInvoiceNumberAndTheCapitationAmount)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("KDAVKA.209"));
    Write(path, Bytes(DataFile(QStringLiteral("kbatch/all_type80.kdavka"))));
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 1, ActionKind::Vyu2);
    ASSERT_NE(window, nullptr);
    Poridit(*window, path);
    InvoicePage& page = *window->invoicePage;
    page.edtVYU2FaktCastka->setText(QStringLiteral("0"));
    window->RefreshActions();
    EXPECT_FALSE(page.actVYU2Odeslat->isEnabled());
    page.edtVYU2Cif->setText(QStringLiteral("5"));
    window->RefreshActions();
    EXPECT_FALSE(page.actVYU2Odeslat->isEnabled()); // capitation amount still 0
    page.edtVYU2Castka->setText(QStringLiteral("10"));
    window->RefreshActions();
    EXPECT_TRUE(page.actVYU2Odeslat->isEnabled());
    EXPECT_TRUE(page.btnVYU2Odeslat->isEnabled());
}

// A window on the invoice page of OZP, VYU2, ready to save: invoice number and amount typed.
struct ReadyInvoice
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    std::unique_ptr<TfrmMain> window;

    ReadyInvoice(const QString& kBatchPath)
    {
        window = StartWindow(settings, platform, 0, ActionKind::Vyu2);
        if (!window)
            return;
        Poridit(*window, kBatchPath);
        InvoicePage& page = *window->invoicePage;
        page.edtVYU2Cif->setText(QStringLiteral("17"));
        page.edtVYU2IC->setText(QStringLiteral("42"));
        page.edtVYU2OJ->setText(QStringLiteral("1"));
        if (kBatchPath.isEmpty())
            page.edtVYU2Castka->setText(QStringLiteral("1500"));
        else
            page.edtVYU2FaktCastka->setText(QStringLiteral("1300"));
        window->RefreshActions();
    }

    void Save(const QString& directory)
    {
        platform.ChooseDirectoryAnswer(directory);
        window->RefreshActions();
        QTest::mouseClick(window->invoicePage->btnVYU2Odeslat, Qt::LeftButton);
    }
};

TEST(PairedSave, OneQuestionProtectsWhatIsThereAndNoLeavesItAlone)
{
    const QByteArray oldF = "old F-batch\r\n";
    const QByteArray oldK = "old K-batch\r\n";
    enum class Source
    {
        None,
        Elsewhere,
        InTarget,
    };
    const struct
    {
        const char* name;
        Source source;
        bool fExists;
        bool kExists;
        PairedSaveQuestion question;
    } cases[] = {
        {"elsewhere, empty target", Source::Elsewhere, false, false, PairedSaveQuestion::None},
        {"elsewhere, both there", Source::Elsewhere, true, true, PairedSaveQuestion::BothExist},
        {"elsewhere, only K", Source::Elsewhere, false, true, PairedSaveQuestion::KBatchOnly},
        {"elsewhere, only F", Source::Elsewhere, true, false, PairedSaveQuestion::FBatchOnly},
        {"in target, F there", Source::InTarget, true, true,
         PairedSaveQuestion::FBatchBesideSource},
        {"in target, no F", Source::InTarget, false, true, PairedSaveQuestion::None},
        {"none, both there", Source::None, true, true, PairedSaveQuestion::BothExistNoKBatch},
        {"none, only F", Source::None, true, false, PairedSaveQuestion::FBatchOnlyNoKBatch},
        {"none, only K", Source::None, false, true, PairedSaveQuestion::None},
    };
    for (const auto& c : cases) {
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
            if (c.question == PairedSaveQuestion::None && answer == MessageAnswer::No)
                continue;
            SCOPED_TRACE(testing::Message()
                         << c.name << (answer == MessageAnswer::Yes ? ", Yes" : ", No"));
            QTemporaryDir sourceFolder;
            QTemporaryDir target;
            const QString fPath = target.filePath(QStringLiteral("FDAVKA.207"));
            const QString kPath = target.filePath(QStringLiteral("KDAVKA.207"));
            QString source;
            if (c.source == Source::Elsewhere)
                source = sourceFolder.filePath(QStringLiteral("KDAVKA.207"));
            if (c.source == Source::InTarget)
                source = kPath;
            if (!source.isEmpty())
                Write(source, TwoBatches());
            if (c.fExists)
                Write(fPath, oldF);
            if (c.kExists && c.source != Source::InTarget)
                Write(kPath, oldK);
            const QByteArray fBefore = Contents(fPath);
            const QByteArray kBefore = Contents(kPath);

            ReadyInvoice invoice(source);
            ASSERT_NE(invoice.window, nullptr);
            if (c.question != PairedSaveQuestion::None)
                invoice.platform.Answer(answer);
            invoice.Save(target.path());

            const auto& prompts = invoice.platform.prompts();
            if (c.question == PairedSaveQuestion::None) {
                EXPECT_TRUE(prompts.empty());
            } else {
                ASSERT_EQ(prompts.size(), 1u);
                EXPECT_EQ(prompts[0].caption, QStringLiteral("Dotaz"));
                EXPECT_EQ(prompts[0].text, FromUtf8(PairedSaveQuestionText(c.question)));
                EXPECT_EQ(prompts[0].icon, MessageIcon::Question);
                EXPECT_EQ(prompts[0].buttons, MessageButtons::YesNo);
            }
            const bool saved = answer == MessageAnswer::Yes;
            EXPECT_EQ(invoice.window->ResultPageShown(), saved);
            if (saved) {
                EXPECT_TRUE(Bytes(fPath).startsWith("F1.00")) << "the F-batch is written";
                // The pair is complete, except that without a K-batch file an old one stays.
                if (c.source == Source::None) {
                    EXPECT_EQ(Contents(kPath), kBefore);
                } else {
                    EXPECT_EQ(Bytes(kPath), TwoBatches());
                }
            } else {
                EXPECT_EQ(Contents(fPath), fBefore);
                EXPECT_EQ(Contents(kPath), kBefore);
                EXPECT_EQ(CurrentPage(*invoice.window), QStringLiteral("tabVYU2"));
            }
            if (!source.isEmpty()) {
                EXPECT_EQ(Bytes(source), TwoBatches()) << "the source stays as it was";
            }
            for (const QString& name : QDir(target.path()).entryList(QDir::Files))
                EXPECT_TRUE(name == QStringLiteral("FDAVKA.207") ||
                            name == QStringLiteral("KDAVKA.207"))
                    << name.toStdString();
        }
    }
}

TEST(PairedSave, TheSourceReachedThroughALinkIsTheCopyItself)
{
    QTemporaryDir target;
    const QString kPath = target.filePath(QStringLiteral("KDAVKA.207"));
    Write(kPath, TwoBatches());
    QTemporaryDir elsewhere;
    const QString link = elsewhere.filePath(QStringLiteral("KDAVKA.207"));
    ASSERT_TRUE(QFile::link(kPath, link));

    ReadyInvoice invoice(link);
    ASSERT_NE(invoice.window, nullptr);
    invoice.Save(target.path() + QStringLiteral("/"));
    EXPECT_TRUE(invoice.platform.prompts().empty());
    ASSERT_TRUE(invoice.window->ResultPageShown());
    EXPECT_EQ(Bytes(kPath), TwoBatches());
    EXPECT_TRUE(QFileInfo(kPath).isFile() && !QFileInfo(kPath).isSymLink());
    EXPECT_EQ(invoice.window->resultPage->lblSaveSoubor->text(),
              target.filePath(QStringLiteral("FDAVKA.207")) + QStringLiteral(", KDAVKA.207"));
}

TEST(PairedSave, AFailedWriteShowsTheSystemsErrorAndNoResult)
{
    QTemporaryDir sourceFolder;
    const QString source = sourceFolder.filePath(QStringLiteral("KDAVKA.207"));
    Write(source, TwoBatches());
    QTemporaryDir target;
    ReadyInvoice invoice(source);
    ASSERT_NE(invoice.window, nullptr);
    invoice.window->invoicePage->SetWriteDeviceFilter(test::FailAfter(100));
    invoice.platform.Answer(MessageAnswer::Ok);
    invoice.Save(target.path());
    ASSERT_EQ(invoice.platform.prompts().size(), 1u);
    EXPECT_EQ(invoice.platform.prompts()[0].caption, kChyba);
    EXPECT_TRUE(
        invoice.platform.prompts()[0].text.contains(QStringLiteral("Injected write error")));
    EXPECT_FALSE(invoice.window->ResultPageShown());
    EXPECT_TRUE(QDir(target.path()).entryList(QDir::Files).isEmpty()) << "nothing is written";
    // The remembered directory has changed; the history entry stays.
    EXPECT_EQ(RegReadString(invoice.window->mainKey(), kLastWDirectory, ""),
              target.path().toStdString());
    ASSERT_FALSE(invoice.window->history().HistoryICZ().empty());
    EXPECT_EQ(invoice.window->history().HistoryICZ().back(), "12345678 - 00000042 - 01");
}

TEST(PairedSave, AFailedCopyLeavesTheFBatchWrittenAndShowsTheError)
{
    QTemporaryDir sourceFolder;
    const QString source = sourceFolder.filePath(QStringLiteral("KDAVKA.207"));
    Write(source, TwoBatches());
    QTemporaryDir target;
    const QString kPath = target.filePath(QStringLiteral("KDAVKA.207"));
    Write(kPath, "read-only\r\n");
    ASSERT_TRUE(QFile::setPermissions(kPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ReadyInvoice invoice(source);
    ASSERT_NE(invoice.window, nullptr);
    invoice.platform.Answer(MessageAnswer::Yes);
    invoice.platform.Answer(MessageAnswer::Ok);
    invoice.Save(target.path());
    ASSERT_EQ(invoice.platform.prompts().size(), 2u);
    EXPECT_EQ(invoice.platform.prompts()[1].caption, kChyba);
    EXPECT_EQ(invoice.platform.prompts()[1].text, FromUtf8(kMsgSaveFailed));
    EXPECT_EQ(invoice.platform.prompts()[1].icon, MessageIcon::Error);
    EXPECT_FALSE(invoice.window->ResultPageShown());
    EXPECT_TRUE(Bytes(target.filePath(QStringLiteral("FDAVKA.207"))).startsWith("F1.00"));
    EXPECT_EQ(Bytes(kPath), QByteArray("read-only\r\n"));
}

TEST(PairedSave, HeaderFailuresAreShownTogetherAndNothingIsAsked)
{
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    const auto window = StartWindow(settings, platform, 4, ActionKind::Vyu2); // VoZP, mode 5
    ASSERT_NE(window, nullptr);
    Poridit(*window, QString());
    InvoicePage& page = *window->invoicePage;
    page.edtVYU2Cif->setText(QStringLiteral("1"));
    page.edtVYU2KodBanky->setText(QStringLiteral("080"));
    page.edtVYU2UcetPredcisli->clear();
    page.edtVYU2Ucet->setText(QStringLiteral("18"));
    window->RefreshActions();
    platform.Answer(MessageAnswer::Ok);
    QTest::mouseClick(page.btnVYU2Odeslat, Qt::LeftButton);
    ASSERT_EQ(platform.prompts().size(), 1u);
    EXPECT_EQ(platform.prompts()[0].caption, kChyba);
    EXPECT_EQ(platform.prompts()[0].text,
              QStringLiteral("Předčíslí bankovního účtu musí být vyplněno.\r\n"
                             "Kód peněžního ústavu musí obsahovat 4 číslice.\r\n"
                             "Chyba v kontrolním součtu u čísla bankovního účtu.\r\n"));
    EXPECT_TRUE(window->history().HistoryICZ().empty());
    EXPECT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
}

// The provider's whole road: the K-batch file chosen in the dialog, the header typed, both
// files saved side by side, byte for byte.
TEST(BillingSubmission, EndToEndWithAKBatchFile)
{
    QTemporaryDir sourceFolder;
    const QString source = sourceFolder.filePath(QStringLiteral("KDAVKA.201"));
    Write(source, TwoBatches());
    QTemporaryDir target;
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    platform.fixedClock().Set(std::chrono::year{2026} / 12 / 10);
    const auto window = StartWindow(settings, platform, 4, ActionKind::Vyu2); // VoZP
    ASSERT_NE(window, nullptr);

    platform.ChooseFileAnswer(source);
    QTest::mouseClick(window->filePage->edtKDavka->browseButton(), Qt::LeftButton);
    QTest::mouseClick(window->filePage->btnVYUPoridit, Qt::LeftButton);
    ASSERT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
    InvoicePage& page = *window->invoicePage;
    EXPECT_EQ(page.edtVYU2ICZ->text(), QStringLiteral("12345678"));

    const auto type = [](QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    type(page.edtVYU2IC, QStringLiteral("87654321"));
    type(page.edtVYU2OJ, QStringLiteral("3"));
    type(page.edtVYU2KodBanky, QStringLiteral("0800"));
    type(page.edtVYU2UcetSS, QStringLiteral("1234"));
    type(page.edtVYU2UcetPredcisli, QStringLiteral("19"));
    type(page.edtVYU2Ucet, QStringLiteral("2000145399"));
    type(page.edtVYU2Cif, QStringLiteral("17"));
    EXPECT_EQ(page.edtVYU2Mesic->value(), 11);
    page.edtVYU2Mesic->setValue(10);
    EXPECT_EQ(page.edtVYU2Rok->value(), 2026);
    type(page.edtVYU2FaktCastka, QStringLiteral("1300"));
    // Pasted, as the key helpers cannot type every Czech letter.
    page.edtVYU2FaktPoznamka->insert(QStringLiteral("Faktura za září, ošetřovací den"));
    EXPECT_EQ(page.edtVYU2PausalKapitace->currentText(), QStringLiteral("Není"));

    platform.ChooseDirectoryAnswer(target.path());
    window->RefreshActions();
    ASSERT_TRUE(page.btnVYU2Odeslat->isEnabled());
    QTest::mouseClick(page.btnVYU2Odeslat, Qt::LeftButton);

    EXPECT_TRUE(platform.prompts().empty());
    ASSERT_TRUE(window->ResultPageShown());
    const QString fPath = target.filePath(QStringLiteral("FDAVKA.201"));
    EXPECT_EQ(Bytes(fPath), Bytes(DataFile(QStringLiteral("fbatch/two_batches.fbatch"))));
    EXPECT_EQ(Bytes(target.filePath(QStringLiteral("KDAVKA.201"))), TwoBatches());
    EXPECT_EQ(Bytes(source), TwoBatches());

    EXPECT_EQ(window->resultPage->lblSaveSoubor->text(), fPath + QStringLiteral(", KDAVKA.201"));
    EXPECT_EQ(window->resultPage->pnlSaveSubjekt->text(),
              QStringLiteral("IČZ : 12345678   IČO : 87654321   Org. jednotka : 03"));
    EXPECT_EQ(window->resultPage->lblSaveHTMLOdkaz->text(),
              ProfileText(InsurerProfileTable.LinkPortalBilling, 4));
    EXPECT_EQ(RegReadString(window->mainKey(), kLastBill, ""), "0800-1234-19-2000145399");
    EXPECT_EQ(window->history().HistoryICZ().back(), "12345678 - 87654321 - 03");
}

TEST(BillingSubmission, WithoutKBatchFileAFlatRateItemIsTheOnlyRecord)
{
    QTemporaryDir target;
    MemorySettingsBackend settings;
    ScriptedPlatform platform;
    platform.fixedClock().Set(std::chrono::year{2026} / 12 / 10);
    const auto window = StartWindow(settings, platform, 0, ActionKind::Vyu2); // OZP
    ASSERT_NE(window, nullptr);
    Poridit(*window, QString());
    ASSERT_EQ(CurrentPage(*window), QStringLiteral("tabVYU2"));
    InvoicePage& page = *window->invoicePage;
    EXPECT_EQ(page.edtVYU2PausalKapitace->currentText(), QStringLiteral("Paušál"));

    const auto type = [](QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    type(page.edtVYU2ICZ, QStringLiteral("1234"));
    type(page.edtVYU2IC, QStringLiteral("42"));
    type(page.edtVYU2OJ, QStringLiteral("1"));
    type(page.edtVYU2Cif, QStringLiteral("2026001"));
    type(page.edtVYU2Castka, QStringLiteral("1500"));

    platform.ChooseDirectoryAnswer(target.path());
    window->RefreshActions();
    QTest::mouseClick(page.btnVYU2Odeslat, Qt::LeftButton);
    EXPECT_TRUE(platform.prompts().empty());
    ASSERT_TRUE(window->ResultPageShown());
    const QString fPath = target.filePath(QStringLiteral("FDAVKA.207"));
    EXPECT_EQ(Bytes(fPath), Bytes(DataFile(QStringLiteral("fbatch/flat_rate_no_kbatch.fbatch"))));
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("FDAVKA.207")});
    EXPECT_EQ(window->resultPage->lblSaveSoubor->text(), fPath);
    // OZP shows no bank fields, so no account is remembered.
    EXPECT_FALSE(window->mainKey().ReadString(kLastBill).has_value());
}

} // namespace
} // namespace lumtaris
