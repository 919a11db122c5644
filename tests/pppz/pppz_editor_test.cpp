#include "pppz/pppz_editor.hpp"

#include "common/clock.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

using namespace std::chrono;

constexpr InsurerIndex kOzp = 0;

PppzEntry Month(int month, int year, const char* dueDate)
{
    PppzEntry e;
    e.month = month;
    e.year = year;
    e.count = "1";
    e.base = "1000";
    e.premium = "135";
    e.dueDate = dueDate;
    return e;
}

std::vector<int> Months(const PppzList& list)
{
    std::vector<int> months;
    for (const PppzRecord& r : list.Records())
        months.push_back(r.MES);
    return months;
}

TEST(PppzEditorTest, NewRecordsGoInFrontOfTheCurrentOne)
{
    const FixedClock clock(2025y / May / 10);
    PppzEditor editor(kOzp);
    EXPECT_FALSE(editor.CanUseList());
    for (int month : {1, 2, 3})
        ASSERT_TRUE(editor.Store(Month(month, 2025, "20.04.2025"), clock.Today()).value().entry);
    EXPECT_EQ(Months(editor.List()), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(editor.List().CurrentIndex(), 0u);

    editor.SetCurrentIndex(2);
    ASSERT_TRUE(editor.Store(Month(4, 2025, "20.04.2025"), clock.Today()).value().entry);
    EXPECT_EQ(Months(editor.List()), (std::vector<int>{3, 2, 4, 1}));
    EXPECT_EQ(editor.List().CurrentIndex(), 2u);
    EXPECT_EQ(editor.List().Current()->ID, 4);
}

TEST(PppzEditorTest, StoreSetsTheFieldsAndClearsTheEntry)
{
    const FixedClock clock(2025y / January / 15);
    PppzEditor editor(kOzp);
    PppzEntry entry = Month(12, 2024, "20.01.2025");
    entry.count = " ";
    entry.base = "";
    entry.premium = "";
    const std::optional<PppzStoreResult> result = editor.Store(entry, clock.Today());
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->warning); // an empty base expects a premium of 0
    EXPECT_FALSE(result->error);
    ASSERT_TRUE(result->entry);

    PppzEntry cleared;
    cleared.month = 12;
    cleared.year = 2024;
    cleared.count = "0";
    cleared.base = "0";
    cleared.premium = "0";
    cleared.dueDate = "20.01.2025";
    cleared.correctionDate = "  .  .    ";
    EXPECT_EQ(*result->entry, cleared);
    EXPECT_EQ(result->focus, PppzField::Month);

    const PppzRecord& r = editor.List().At(0);
    EXPECT_EQ(r.POCPOJ, "");
    EXPECT_EQ(r.VYMZAKL, "0");
    EXPECT_EQ(r.KC, "0");
    EXPECT_EQ(r.DATSPLAT, "20012025");
    EXPECT_EQ(r.KOD, " ");
    EXPECT_EQ(r.DATOPR, "");
}

TEST(PppzEditorTest, ProposedPeriodAndDueDate)
{
    struct Case
    {
        year_month_day today;
        int month;
        int year;
        const char* dueDate;
    };
    for (const Case& c : {Case{2025y / January / 15, 12, 2024, "20.01.2025"},
                          // The 20th is Easter Sunday; Easter Monday is a holiday too.
                          Case{2025y / April / 10, 3, 2025, "22.04.2025"},
                          Case{2025y / March / 31, 2, 2025, "20.03.2025"}}) {
        const PppzEntry initial = PppzInitialEntry(c.today);
        EXPECT_EQ(initial.month, c.month);
        EXPECT_EQ(initial.year, c.year);
        EXPECT_EQ(initial.dueDate, c.dueDate);
        EXPECT_EQ(initial.count, "");
        EXPECT_EQ(initial.correctionDate, "  .  .    ");
        EXPECT_EQ(PppzClearedEntry(c.today).premium, "0");
    }
}

TEST(PppzEditorTest, CorrectionRoundTripKeepsPlaceIdAndPeriod)
{
    const FixedClock clock(2025y / May / 10);
    PppzEditor editor(kOzp);
    PppzEntry corrected = Month(2, 2025, "20.03.2025");
    corrected.correctionDate = "15.04.2025";
    ASSERT_TRUE(editor.Store(Month(1, 2025, "20.02.2025"), clock.Today()).value().entry);
    ASSERT_TRUE(editor.Store(corrected, clock.Today()).value().entry);
    ASSERT_TRUE(editor.Store(Month(3, 2025, "20.04.2025"), clock.Today()).value().entry);
    EXPECT_EQ(editor.List().At(1).KOD, "O");
    EXPECT_EQ(editor.List().At(1).DATOPR, "15042025");
    EXPECT_EQ(editor.StoreActionText().caption, "Založit");
    EXPECT_EQ(editor.StoreActionText().hint, "Založí záznam do seznamu");

    editor.SetCurrentIndex(1);
    std::optional<PppzEntryView> loaded = editor.Correct();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->entry, corrected);
    EXPECT_EQ(loaded->focus, PppzField::Month);
    EXPECT_EQ(editor.EditedPPPZId(), 2);
    EXPECT_TRUE(editor.List().IsDisplayFrozen());
    EXPECT_FALSE(editor.CanUseList());
    EXPECT_FALSE(editor.Delete());
    EXPECT_EQ(editor.StoreActionText().caption, "Uložit");
    EXPECT_EQ(editor.StoreActionText().hint, "Uložit změny na záznamu");

    // A failed check leaves the correction in progress.
    PppzEntry entry = loaded->entry;
    entry.year = 2026;
    std::optional<PppzStoreResult> refused = editor.Store(entry, clock.Today());
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->error);
    EXPECT_FALSE(refused->entry);
    EXPECT_EQ(refused->focus, PppzField::Year);
    EXPECT_EQ(editor.EditedPPPZId(), 2);

    editor.SetCurrentIndex(0);
    entry = loaded->entry;
    entry.premium = "136";
    entry.correctionDate = "  .  .    ";
    std::optional<PppzStoreResult> stored = editor.Store(entry, clock.Today());
    ASSERT_TRUE(stored);
    EXPECT_FALSE(stored->warning);
    EXPECT_FALSE(stored->error);
    ASSERT_TRUE(stored->entry);
    EXPECT_EQ(*stored->entry, PppzClearedEntry(clock.Today()));
    EXPECT_EQ(stored->focus, PppzField::Month);
    EXPECT_EQ(editor.EditedPPPZId(), 0);
    EXPECT_FALSE(editor.List().IsDisplayFrozen());
    EXPECT_EQ(editor.StoreActionText().caption, "Založit");

    EXPECT_EQ(Months(editor.List()), (std::vector<int>{3, 2, 1}));
    const PppzRecord& r = editor.List().At(1);
    EXPECT_EQ(r.ID, 2);
    EXPECT_EQ(r.KC, "136");
    EXPECT_EQ(r.KOD, " ");
    EXPECT_EQ(r.DATOPR, "");

    // Without a correction date the entry comes back as the empty mask.
    editor.SetCurrentIndex(1);
    loaded = editor.Correct();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->entry.correctionDate, "  .  .    ");
}

TEST(PppzEditorTest, WarningThenDuplicateStoresNothing)
{
    const FixedClock clock(2025y / May / 10);
    PppzEditor editor(kOzp);
    ASSERT_TRUE(editor.Store(Month(1, 2025, "20.02.2025"), clock.Today()).value().entry);
    PppzEntry again = Month(1, 2025, "20.02.2025");
    again.premium = "999";
    const std::optional<PppzStoreResult> result = editor.Store(again, clock.Today());
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->warning);
    EXPECT_EQ(result->error, "Dané období 012025 nesmí být předáno vícenásobně");
    EXPECT_EQ(result->focus, PppzField::Month);
    EXPECT_FALSE(result->entry);
    EXPECT_EQ(editor.List().Count(), 1u);
}

TEST(PppzEditorTest, RecordRuleOnTheTwoDates)
{
    PppzEntry entry = Month(1, 2025, "20.02.2025");
    EXPECT_TRUE(actPPPZZalozitUpdate(entry));
    entry.correctionDate = "01.03.2025";
    EXPECT_TRUE(actPPPZZalozitUpdate(entry));
    entry.correctionDate = "31.02.2025";
    EXPECT_FALSE(actPPPZZalozitUpdate(entry));
    entry.correctionDate = "  .  .    ";
    entry.dueDate = "  .  .    ";
    EXPECT_FALSE(actPPPZZalozitUpdate(entry));

    PppzEditor editor(kOzp);
    EXPECT_FALSE(editor.Store(entry, 2025y / May / 10));
    EXPECT_TRUE(editor.List().IsEmpty());
}

TEST(PppzEditorTest, ComputePremium)
{
    EXPECT_EQ(
        sbCalcKCQuestion(),
        "Chcete spočítat výši pojistného?\r\n"
        "Výše pojistného je rovná 13,5% vyměřovacího základu.\r\n"
        "\r\n"
        "Chcete automaticky spočítat výši pojistného a touto výší nahradit aktuální hodnotu?");
    EXPECT_EQ(sbCalcKCPremium("1500"), "203");
    EXPECT_EQ(sbCalcKCPremium("300"), "40");
    EXPECT_EQ(sbCalcKCPremium("0"), "0");
    EXPECT_EQ(sbCalcKCPremium(""), "0");
}

} // namespace
} // namespace lumtaris
