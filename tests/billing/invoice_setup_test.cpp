#include "billing/invoice_setup.hpp"

#include "support/test_data.hpp"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace lumtaris {
namespace {

constexpr InsurerIndex kOzp = 0;
constexpr InsurerIndex kZps = 1;
constexpr InsurerIndex kRbp = 2;
constexpr InsurerIndex kCpzp = 3;
constexpr InsurerIndex kVozp = 4;
constexpr const char* kCodes[] = {"207", "209", "213", "205", "201"};

// Files by path; a path not listed cannot be opened.
class FakeFiles : public KBatchFileAccess
{
public:
    std::map<std::string, std::string> files;
    bool vanishBeforeRead = false;
    std::string readError; // non-empty: reading fails with it
    std::vector<std::string> calls;

    bool CanOpenForReading(const std::string& path) override
    {
        calls.push_back("open " + path);
        return files.contains(path);
    }

    KBatchReadStatus Read(const std::string& path,
                          const std::function<void(std::string_view)>& parse,
                          std::string& errorText) override
    {
        calls.push_back("read " + path);
        if (vanishBeforeRead || !files.contains(path))
            return KBatchReadStatus::CannotOpen;
        if (!readError.empty()) {
            errorText = readError;
            return KBatchReadStatus::Failed;
        }
        parse(files.at(path));
        return KBatchReadStatus::Done;
    }
};

std::string KBatchPathFor(InsurerIndex insurer)
{
    return std::string("C:\\Ordinace\\KDAVKA.") + kCodes[insurer];
}

FilePageOutcome Pridit(InsurerIndex insurer, ActionKind kind, const char* fixture,
                       std::vector<std::string> history = {})
{
    FakeFiles files;
    FilePageInput input{"", insurer, kind, std::move(history)};
    if (fixture != nullptr) {
        input.kBatchFieldText = "  " + KBatchPathFor(insurer) + " ";
        files.files[KBatchPathFor(insurer)] =
            test::ReadBytes(test::DataPath(std::string("kbatch/") + fixture));
    }
    return BtnVYUPoriditClick(input, files);
}

using Rows = std::vector<FlatRateItem>;
constexpr auto N = FlatRateItem::None;
constexpr auto F = FlatRateItem::FlatRate;
constexpr auto K = FlatRateItem::Capitation;

struct FlatRateCase
{
    InsurerIndex insurer;
    ActionKind kind;
    const char* fixture; // nullptr: no K-batch file
    Rows rows;
    bool panelHidden;
};

void PrintTo(const FlatRateCase& c, std::ostream* os)
{
    *os << kCodes[c.insurer] << (c.kind == ActionKind::Vyu1 ? " VYU1 " : " VYU2 ")
        << (c.fixture ? c.fixture : "no file");
}

class FlatRateTable : public testing::TestWithParam<FlatRateCase>
{
};

TEST_P(FlatRateTable, OffersTheInsurersItemsAndSelectsTheFirst)
{
    const FlatRateCase& c = GetParam();
    const FilePageOutcome outcome = Pridit(c.insurer, c.kind, c.fixture);
    ASSERT_TRUE(outcome.showInvoicePage) << outcome.errorMessage;
    const InvoicePageSetup& setup = outcome.setup;
    EXPECT_EQ(setup.itemRows, c.rows);
    EXPECT_EQ(setup.hideFlatRatePanel, c.panelHidden);
    const bool chosen = c.rows.front() != FlatRateItem::None;
    EXPECT_EQ(setup.itemEffect.FlatRateItemChosen, chosen);
    EXPECT_EQ(setup.itemEffect.showAmount, chosen);
    EXPECT_EQ(setup.itemEffect.clearAmount, !chosen);
    EXPECT_FALSE(setup.itemEffect.focusAmount) << "no focus move when the page opens";
}

constexpr auto V1 = ActionKind::Vyu1;
constexpr auto V2 = ActionKind::Vyu2;
constexpr const char* kAll = "all_type80.kdavka";
constexpr const char* kSome = "some_type80.kdavka";
constexpr const char* kNone = "no_type80.kdavka";

INSTANTIATE_TEST_SUITE_P(
    InsurersKindsAndFiles, FlatRateTable,
    testing::Values(
        // OZP, RBP, ČPZP: flat rate offered, type 80 plays no part.
        FlatRateCase{kOzp, V1, nullptr, {F, K}, false},
        FlatRateCase{kOzp, V1, kAll, {N, F, K}, false},
        FlatRateCase{kOzp, V1, kSome, {N, F, K}, false},
        FlatRateCase{kOzp, V1, kNone, {N, F, K}, false},
        FlatRateCase{kOzp, V2, nullptr, {F}, false}, FlatRateCase{kOzp, V2, kAll, {N, F}, false},
        FlatRateCase{kOzp, V2, kSome, {N, F}, false}, FlatRateCase{kOzp, V2, kNone, {N, F}, false},
        FlatRateCase{kRbp, V1, nullptr, {F, K}, false},
        FlatRateCase{kRbp, V1, kAll, {N, F, K}, false},
        FlatRateCase{kRbp, V1, kSome, {N, F, K}, false},
        FlatRateCase{kRbp, V1, kNone, {N, F, K}, false},
        FlatRateCase{kRbp, V2, nullptr, {F}, false}, FlatRateCase{kRbp, V2, kAll, {N, F}, false},
        FlatRateCase{kRbp, V2, kSome, {N, F}, false}, FlatRateCase{kRbp, V2, kNone, {N, F}, false},
        FlatRateCase{kCpzp, V1, nullptr, {F, K}, false},
        FlatRateCase{kCpzp, V1, kAll, {N, F, K}, false},
        FlatRateCase{kCpzp, V1, kSome, {N, F, K}, false},
        FlatRateCase{kCpzp, V1, kNone, {N, F, K}, false},
        FlatRateCase{kCpzp, V2, nullptr, {F}, false}, FlatRateCase{kCpzp, V2, kAll, {N, F}, false},
        FlatRateCase{kCpzp, V2, kSome, {N, F}, false},
        FlatRateCase{kCpzp, V2, kNone, {N, F}, false},
        // ZPŠ: no flat rate; every batch of type 80 needs capitation.
        FlatRateCase{kZps, V1, nullptr, {K}, false}, FlatRateCase{kZps, V1, kAll, {K}, false},
        FlatRateCase{kZps, V1, kSome, {N, K}, false}, FlatRateCase{kZps, V1, kNone, {N, K}, false},
        FlatRateCase{kZps, V2, nullptr, {K}, false}, FlatRateCase{kZps, V2, kAll, {K}, false},
        FlatRateCase{kZps, V2, kSome, {N}, false}, FlatRateCase{kZps, V2, kNone, {N}, false},
        // VoZP: any batch of type 80 hides the panel, and the choice stays at "Není".
        FlatRateCase{kVozp, V1, nullptr, {F, K}, false},
        FlatRateCase{kVozp, V1, kAll, {N, F, K}, true},
        FlatRateCase{kVozp, V1, kSome, {N, F, K}, true},
        FlatRateCase{kVozp, V1, kNone, {N, F, K}, false},
        FlatRateCase{kVozp, V2, nullptr, {F}, false}, FlatRateCase{kVozp, V2, kAll, {N, F}, true},
        FlatRateCase{kVozp, V2, kSome, {N, F}, true},
        FlatRateCase{kVozp, V2, kNone, {N, F}, false}));

TEST(FlatRateItemText, RowTextsOfTheProfile)
{
    EXPECT_EQ(FlatRateItemText(FlatRateItem::None, kOzp), "Není");
    EXPECT_EQ(FlatRateItemText(FlatRateItem::FlatRate, kOzp), "Paušál");
    EXPECT_EQ(FlatRateItemText(FlatRateItem::Capitation, kOzp), "Kapitace");
}

TEST(EdtVYU2PausalKapitaceChange, TheUsersChoiceMovesTheFocusToTheAmount)
{
    EXPECT_TRUE(EdtVYU2PausalKapitaceChange(FlatRateItem::FlatRate, true).focusAmount);
    const FlatRateChoiceEffect none = EdtVYU2PausalKapitaceChange(FlatRateItem::None, true);
    EXPECT_FALSE(none.FlatRateItemChosen);
    EXPECT_FALSE(none.showAmount);
    EXPECT_TRUE(none.clearAmount);
    EXPECT_FALSE(none.focusAmount);
}

TEST(BtnVYUPoriditClick, WithoutFileOpensAnEditableInvoiceWithoutBatches)
{
    const std::vector<std::string> history{"11111111 - 00000001 - 01", "22222222 - 00000002 - 02"};
    const FilePageOutcome outcome = Pridit(kOzp, V1, nullptr, history);
    ASSERT_TRUE(outcome.showInvoicePage);
    const InvoicePageSetup& s = outcome.setup;
    EXPECT_EQ(s.KBatchPath, "");
    EXPECT_TRUE(s.kbatch.records.empty());
    EXPECT_FALSE(s.kbatch.HasType80Batch);
    // As at start-up: without batches ZPŠ's capitation rule does not apply.
    EXPECT_FALSE(s.kbatch.AllBatchesType80);
    EXPECT_TRUE(s.showPickIcz);
    EXPECT_EQ(s.subject, (SubjectFields{"22222222", "00000002", "02"}));
    EXPECT_TRUE(s.iczEnabled);
    EXPECT_FALSE(s.invoiceAmountEnabled) << "the invoice amount follows the item amount";
    EXPECT_EQ(s.relationTypeText, "1 - Veřejné zdravotní pojištění");
    EXPECT_FALSE(s.showBatchList);
    EXPECT_FALSE(s.windowHeight.has_value());

    const FilePageOutcome noHistory = Pridit(kOzp, V1, nullptr);
    EXPECT_FALSE(noHistory.setup.showPickIcz);
    EXPECT_FALSE(noHistory.setup.subject.has_value());
}

TEST(BtnVYUPoriditClick, ABadFileLeavesNothingForTheInvoiceWithoutFile)
{
    FakeFiles files;
    files.files[KBatchPathFor(kOzp)] =
        test::ReadBytes(test::DataPath("kbatch/duplicate_month.kdavka"));
    FilePageInput input{KBatchPathFor(kOzp), kOzp, V2, {}};
    EXPECT_EQ(BtnVYUPoriditClick(input, files).errorMessage, "Duplicitní dávka (věta D).");
    input.kBatchFieldText = "   ";
    const FilePageOutcome outcome = BtnVYUPoriditClick(input, files);
    ASSERT_TRUE(outcome.showInvoicePage);
    EXPECT_TRUE(outcome.setup.kbatch.records.empty());
}

TEST(BtnVYUPoriditClick, ChecksOpeningBeforeTheNameAndTheNameBeforeReading)
{
    FakeFiles files;
    files.files["/data/kdavka.209"] = test::ReadBytes(test::DataPath("kbatch/d62.kdavka"));
    FilePageInput input{"/data/missing.txt", kOzp, V1, {}};
    FilePageOutcome outcome = BtnVYUPoriditClick(input, files);
    EXPECT_FALSE(outcome.showInvoicePage);
    EXPECT_EQ(outcome.errorMessage, "Zadaný soubor neexistuje nebo je používán jinou aplikací!");

    input.kBatchFieldText = "/data/kdavka.209";
    outcome = BtnVYUPoriditClick(input, files);
    EXPECT_EQ(outcome.errorMessage,
              "Neplatný název souboru\r\nProsím připojujte pouze soubor KDAVKA.207");
    EXPECT_EQ(files.calls,
              (std::vector<std::string>{"open /data/missing.txt", "open /data/kdavka.209"}));
}

TEST(BtnVYUPoriditClick, AFileThatVanishesBeforeReadingFailsSilently)
{
    FakeFiles files;
    files.files[KBatchPathFor(kOzp)] = test::ReadBytes(test::DataPath("kbatch/d62.kdavka"));
    files.vanishBeforeRead = true;
    const FilePageOutcome outcome = BtnVYUPoriditClick({KBatchPathFor(kOzp), kOzp, V1, {}}, files);
    EXPECT_FALSE(outcome.showInvoicePage);
    EXPECT_EQ(outcome.errorMessage, "");

    files.vanishBeforeRead = false;
    files.readError = "Vstupně-výstupní chyba";
    EXPECT_EQ(BtnVYUPoriditClick({KBatchPathFor(kOzp), kOzp, V1, {}}, files).errorMessage,
              "Vstupně-výstupní chyba");
}

TEST(BtnVYUPoriditClick, WithFileTakesTheFirstBatchAndListsEveryBatch)
{
    const std::vector<std::string> history{"12345678 - 00000011 - 01", "12345678 - 00000033 - 03",
                                           "99999999 - 00000044 - 04"};
    const FilePageOutcome outcome = Pridit(kZps, V2, "relation_4_2.kdavka", history);
    ASSERT_TRUE(outcome.showInvoicePage) << outcome.errorMessage;
    const InvoicePageSetup& s = outcome.setup;
    EXPECT_EQ(s.KBatchPath, KBatchPathFor(kZps)) << "the path is trimmed";
    EXPECT_EQ(s.kbatch.records.size(), 2u);
    EXPECT_FALSE(s.showPickIcz);
    EXPECT_FALSE(s.iczEnabled);
    EXPECT_EQ(s.subject, (SubjectFields{"12345678", "00000033", "03"})) << "the newest match wins";
    EXPECT_TRUE(s.invoiceAmountEnabled);
    EXPECT_EQ(s.relationTypeText, "4 - Pojištění EU a mezinárodní smlouvy");
    EXPECT_TRUE(s.showBatchList);
    EXPECT_EQ(s.windowHeight, 610);

    const BatchList& list = s.batchList;
    EXPECT_EQ(list.title, "Dávky obsažené v souboru KDAVKA.209");
    ASSERT_EQ(list.columns.size(), 9u);
    const std::vector<std::string> headings{
        "Char.", "Typ", "IČZ", "Rok", "Měsíc", "Číslo dávky", "Počet dokladů", "Body", "Kč/mat."};
    const auto fit = ColumnWidthRule::FitContents;
    const auto head = ColumnWidthRule::FitHeading;
    const std::vector<ColumnWidthRule> widths{head, head, fit, fit, head, head, head, fit, fit};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(list.columns[i].heading, headings[i]);
        EXPECT_EQ(list.columns[i].width, widths[i]) << "column " << i + 1;
    }
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[1], (BatchListRow{"P", "01", "12345678", "2026", "10", "000002", "002",
                                          "00000000100", "000000000000150.50"}));
}

TEST(BtnVYUPoriditClick, WindowGrowsOnlyWhereBankFieldsExist)
{
    EXPECT_FALSE(Pridit(kOzp, V1, kNone).setup.windowHeight.has_value());
    EXPECT_FALSE(Pridit(kCpzp, V1, kNone).setup.windowHeight.has_value());
    EXPECT_EQ(Pridit(kRbp, V1, kNone).setup.windowHeight, 610);
    EXPECT_EQ(Pridit(kVozp, V1, kNone).setup.windowHeight, 610);
}

TEST(SubjectForBatchIcz, MatchesByValueAndTheNewestEntryWins)
{
    const std::vector<std::string> history{"00012345 - 00000001 - 01", "00012345 - 00000002 - 02",
                                           "00054321 - 00000003 - 03", "ABCDEFGH - 00000004 - 04",
                                           "00012345 - 0000"};
    EXPECT_EQ(SubjectForBatchIcz("00012345", history),
              (SubjectFields{"00012345", "00000002", "02"}));
    EXPECT_EQ(SubjectForBatchIcz("   12345", history),
              (SubjectFields{"   12345", "00000002", "02"}));
    EXPECT_EQ(SubjectForBatchIcz("54321", history), (SubjectFields{"54321", "00000003", "03"}));
    // Text that is no number matches nothing, not even the same text.
    EXPECT_EQ(SubjectForBatchIcz("ABCDEFGH", history), (SubjectFields{"ABCDEFGH", "0", "0"}));
    EXPECT_EQ(SubjectForBatchIcz("12345   ", history), (SubjectFields{"12345   ", "0", "0"}));
    EXPECT_EQ(SubjectForBatchIcz("00012345", {}), (SubjectFields{"00012345", "0", "0"}));
}

TEST(AmountKeyFilter, DigitsPointAndOneRegionalSeparator)
{
    for (const char key : std::string("0123456789.\b\t"))
        EXPECT_TRUE(AcceptAmountKey(key, "12", ',')) << int(key);
    for (const char key : std::string("-+ eaE'"))
        EXPECT_FALSE(AcceptAmountKey(key, "12", ',')) << key;
    EXPECT_TRUE(AcceptAmountKey(',', "12", ','));
    EXPECT_FALSE(AcceptAmountKey(',', "1,2", ','));
    EXPECT_TRUE(AcceptAmountKey('.', "1.2", ',')) << "with \",\" the point is not limited";
    EXPECT_FALSE(AcceptAmountKey('.', "1.2", '.'));

    EXPECT_EQ(FilterAmountInput("", "1 500,50 Kč", ','), "1500,50");
    EXPECT_EQ(FilterAmountInput("1,", "2,3", ','), "23");
    EXPECT_EQ(FilterAmountInput("", "-12\t", ','), "12");
}

} // namespace
} // namespace lumtaris
