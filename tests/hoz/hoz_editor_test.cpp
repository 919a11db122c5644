#include "hoz/hoz_editor.hpp"

#include "common/codepage.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

constexpr InsurerIndex kOzp = 0;

HozEntry CompleteEntry()
{
    HozEntry entry;
    entry.changeCodeIndex = 0;
    entry.insuredNumber = "8001011234";
    entry.surname = "Novak";
    entry.firstName = "Jan";
    entry.date = "01.02.2025";
    return entry;
}

struct RuleCase
{
    const char* name;
    void (*change)(HozEntry&);
    bool enabled;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class HozRecordRuleTest : public testing::TestWithParam<RuleCase>
{
};

TEST_P(HozRecordRuleTest, StoreIsEnabledExactlyForACompleteRecord)
{
    HozEntry entry = CompleteEntry();
    GetParam().change(entry);
    EXPECT_EQ(actHOZZalozitUpdate(entry), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HozRecordRuleTest,
    testing::Values(
        RuleCase{"complete", [](HozEntry&) {}, true},
        RuleCase{"no change code", [](HozEntry& e) { e.changeCodeIndex = -1; }, false},
        RuleCase{"last change code", [](HozEntry& e) { e.changeCodeIndex = 24; }, true},
        RuleCase{"change code past the list", [](HozEntry& e) { e.changeCodeIndex = 25; }, false},
        RuleCase{"insured number of 8", [](HozEntry& e) { e.insuredNumber = "80010112"; }, false},
        RuleCase{"insured number of 9", [](HozEntry& e) { e.insuredNumber = "800101123"; }, true},
        RuleCase{"insured number of 10", [](HozEntry& e) { e.insuredNumber = "8001011234"; }, true},
        RuleCase{"8 digits padded with spaces", [](HozEntry& e) { e.insuredNumber = " 80010112 "; },
                 false},
        RuleCase{"a dot counts as a character", [](HozEntry& e) { e.insuredNumber = "80010112."; },
                 true},
        RuleCase{"surname of spaces", [](HozEntry& e) { e.surname = "   "; }, false},
        RuleCase{"first name of spaces", [](HozEntry& e) { e.firstName = "  "; }, false},
        RuleCase{"empty date", [](HozEntry& e) { e.date = std::string(kEmptyDottedDate); }, false},
        RuleCase{"31.02.2024", [](HozEntry& e) { e.date = "31.02.2024"; }, false},
        RuleCase{"29.02.2024", [](HozEntry& e) { e.date = "29.02.2024"; }, true},
        RuleCase{"town without post code", [](HozEntry& e) { e.town = "Praha"; }, false},
        RuleCase{"post code without town", [](HozEntry& e) { e.postCode = "11000"; }, false},
        RuleCase{"town and post code",
                 [](HozEntry& e) {
                     e.town = "Praha";
                     e.postCode = "11000";
                 },
                 true},
        RuleCase{"town of spaces and no post code", [](HozEntry& e) { e.town = "  "; }, true},
        RuleCase{"street alone", [](HozEntry& e) { e.street = "Dlouha 1"; }, true},
        RuleCase{"post code 9999",
                 [](HozEntry& e) {
                     e.town = "Praha";
                     e.postCode = "9999";
                 },
                 false},
        RuleCase{"post code 01234",
                 [](HozEntry& e) {
                     e.town = "Praha";
                     e.postCode = "01234";
                 },
                 false},
        RuleCase{"post code 10000",
                 [](HozEntry& e) {
                     e.town = "Praha";
                     e.postCode = "10000";
                 },
                 true},
        RuleCase{"post code not a number",
                 [](HozEntry& e) {
                     e.town = "Praha";
                     e.postCode = "1.000";
                 },
                 false}));

HozEntry Entry(const char* insuredNumber, const char* surname, const char* date)
{
    HozEntry entry = CompleteEntry();
    entry.insuredNumber = insuredNumber;
    entry.surname = surname;
    entry.date = date;
    return entry;
}

TEST(HozEditorTest, StoreTrimsAndKeepsTheChangeCodeChosen)
{
    HozEditor editor(kOzp);
    EXPECT_FALSE(editor.CanUseList());

    HozEntry entry = CompleteEntry();
    entry.changeCodeIndex = 4; // "O Odhlášení ..."
    entry.insuredNumber = " 800101123 ";
    entry.surname = *Cp1250FromUtf8(" Řeřichová ");
    entry.firstName = "Jana ";
    entry.street = " Dlouha 1";
    entry.town = "Praha ";
    entry.postCode = "11000";
    const std::optional<HozEntryView> view = editor.Store(entry);
    ASSERT_TRUE(view);

    HozEntry cleared;
    cleared.changeCodeIndex = 4;
    EXPECT_EQ(view->entry, cleared);
    EXPECT_EQ(view->entry.date, "  .  .    ");
    EXPECT_EQ(view->focus, HozField::InsuredNumber);

    ASSERT_EQ(editor.List().Count(), 1u);
    const HozRecord& record = editor.List().At(0);
    EXPECT_EQ(record.KOD(), "O");
    EXPECT_EQ(record.ITMIDX, 4);
    EXPECT_EQ(record.CPOJ(), "800101123");
    EXPECT_EQ(record.PRIJMENI(), *Cp1250FromUtf8("Řeřichová"));
    EXPECT_EQ(record.JMENO(), "Jana");
    EXPECT_EQ(record.DATUM(), "01022025");
    EXPECT_EQ(record.ULICE(), "Dlouha 1");
    EXPECT_EQ(record.OBEC(), "Praha");
    EXPECT_EQ(record.PSC(), "11000");
    EXPECT_EQ(record.ID, 1);
    EXPECT_EQ(editor.List().CurrentIndex(), 0u);
    EXPECT_TRUE(editor.CanUseList());
}

TEST(HozEditorTest, StoreRefusesAnIncompleteRecord)
{
    HozEditor editor(kOzp);
    EXPECT_FALSE(editor.Store(Entry("80010112", "Novak", "01.02.2025")));
    EXPECT_TRUE(editor.List().IsEmpty());
}

TEST(HozEditorTest, CorrectionKeepsPlaceAndIdAndBlocksTheListCommands)
{
    HozEditor editor(kOzp);
    ASSERT_TRUE(editor.Store(Entry("8001011111", "Prvni", "01.01.2025")));
    ASSERT_TRUE(editor.Store(Entry("8001012222", "Druhy", "02.01.2025")));
    ASSERT_TRUE(editor.Store(Entry("8001013333", "Treti", "03.01.2025")));

    editor.SetCurrentIndex(1);
    const std::optional<HozEntryView> loaded = editor.Correct();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->entry, Entry("8001012222", "Druhy", "02.01.2025"));
    EXPECT_EQ(loaded->focus, HozField::InsuredNumber);
    EXPECT_EQ(editor.EditedHOZId(), 2);
    EXPECT_TRUE(editor.List().IsDisplayFrozen());
    EXPECT_FALSE(editor.CanUseList());
    EXPECT_FALSE(editor.Duplicate());
    EXPECT_FALSE(editor.Delete());
    EXPECT_FALSE(editor.Correct());

    // Moving the highlight meanwhile does not redirect the correction.
    editor.SetCurrentIndex(2);
    ASSERT_TRUE(editor.Store(Entry("8001012222", "Opraveny", "12.01.2025")));
    EXPECT_EQ(editor.EditedHOZId(), 0);
    EXPECT_FALSE(editor.List().IsDisplayFrozen());
    EXPECT_TRUE(editor.CanUseList());

    ASSERT_EQ(editor.List().Count(), 3u);
    EXPECT_EQ(editor.List().At(0).PRIJMENI(), "Prvni");
    EXPECT_EQ(editor.List().At(1).PRIJMENI(), "Opraveny");
    EXPECT_EQ(editor.List().At(1).DATUM(), "12012025");
    EXPECT_EQ(editor.List().At(1).ID, 2);
    EXPECT_EQ(editor.List().At(2).PRIJMENI(), "Treti");
    EXPECT_EQ(editor.List().CurrentIndex(), 1u);
}

TEST(HozEditorTest, DuplicateFillsTheEntryAndTheNextStoreAppends)
{
    HozEditor editor(kOzp);
    HozEntry first = Entry("8001011111", "Prvni", "01.01.2025");
    first.changeCodeIndex = 3;
    first.town = "Brno";
    first.postCode = "60200";
    ASSERT_TRUE(editor.Store(first));
    ASSERT_TRUE(editor.Store(Entry("8001012222", "Druhy", "02.01.2025")));
    editor.SetCurrentIndex(0);

    std::optional<HozEntryView> copy = editor.Duplicate();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->entry, first);
    EXPECT_EQ(copy->focus, HozField::ChangeCode);
    EXPECT_EQ(editor.EditedHOZId(), 0);
    EXPECT_FALSE(editor.List().IsDisplayFrozen());

    copy->entry.date = "05.01.2025";
    ASSERT_TRUE(editor.Store(copy->entry));
    ASSERT_EQ(editor.List().Count(), 3u);
    EXPECT_EQ(editor.List().At(0).DATUM(), "01012025");
    EXPECT_EQ(editor.List().At(2).DATUM(), "05012025");
    EXPECT_EQ(editor.List().At(2).ID, 3);
    EXPECT_EQ(editor.List().At(2).KOD(), "E");
    EXPECT_EQ(editor.List().CurrentIndex(), 2u);
}

TEST(HozEditorTest, DeleteMovesToTheNextRecordElseThePreviousAndNeverReusesAnId)
{
    HozEditor editor(kOzp);
    EXPECT_FALSE(editor.Delete());
    for (const char* surname : {"A", "B", "C"})
        ASSERT_TRUE(editor.Store(Entry("8001011111", surname, "01.01.2025")));

    editor.SetCurrentIndex(1);
    ASSERT_TRUE(editor.Delete());
    ASSERT_EQ(editor.List().Count(), 2u);
    EXPECT_EQ(editor.List().Current()->PRIJMENI(), "C");

    ASSERT_TRUE(editor.Delete());
    EXPECT_EQ(editor.List().Current()->PRIJMENI(), "A");

    ASSERT_TRUE(editor.Delete());
    EXPECT_TRUE(editor.List().IsEmpty());
    EXPECT_EQ(editor.List().Current(), nullptr);
    EXPECT_FALSE(editor.CanUseList());

    ASSERT_TRUE(editor.Store(Entry("8001011111", "D", "01.01.2025")));
    EXPECT_EQ(editor.List().At(0).ID, 4);
}

TEST(HozListTest, RecordColumnsAreCutToTheirWidthAndReadBackWithoutTheFilling)
{
    HozRecord record;
    EXPECT_EQ(record.PRIJMENI(), "");
    record.SetColumn(HozColumn::JMENO, "Jan Maria");
    record.SetColumn(HozColumn::PRIJMENI, std::string(35, 'x'));
    record.SetColumn(HozColumn::PSC, "110001");
    EXPECT_EQ(record.JMENO(), "Jan Maria"); // a blank inside stays
    EXPECT_EQ(record.PRIJMENI(), std::string(30, 'x'));
    EXPECT_EQ(record.PSC(), "11000");
    EXPECT_EQ(record.CPOJ(), ""); // neighbours untouched
    EXPECT_EQ(std::string_view(record.line.data(), 41),
              std::string(11, ' ') + std::string(30, 'x'));
    record.SetColumn(HozColumn::JMENO, "Eva");
    EXPECT_EQ(record.JMENO(), "Eva"); // a shorter value leaves nothing of the longer one
}

TEST(HozListTest, DateDisplayAndDateFieldCheck)
{
    EXPECT_EQ(memHOZDATUMGetText(""), "");
    EXPECT_EQ(memHOZDATUMGetText("05012006"), "05.01.2006");

    EXPECT_FALSE(edtHOZDatumExit("  .  .    "));
    EXPECT_FALSE(edtHOZDatumExit("29.02.2024"));
    EXPECT_EQ(edtHOZDatumExit("31.02.2024"), "Zadaný datum není platný!");
}

} // namespace
} // namespace lumtaris
