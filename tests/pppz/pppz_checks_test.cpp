#include "pppz/pppz_editor.hpp"

#include "common/clock.hpp"
#include "profiles/insurer_profile.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

using namespace std::chrono;

constexpr InsurerIndex kOzp = 0;
const FixedClock kClock(2025y / June / 15); // today + 22 days is 07.07.2025

PppzEntry April2025()
{
    PppzEntry e;
    e.month = 4;
    e.year = 2025;
    e.count = "2";
    e.base = "1000"; // 135 expected, up to 137 with two insured
    e.premium = "135";
    e.dueDate = "20.05.2025";
    return e;
}

std::string PremiumWarning(const char* range)
{
    return std::string(InsurerProfileTable.MsgPremiumRate[kOzp]) + " " + range;
}

const char* const kYearRange =
    "Rok hlášení musí být buď letošní, nebo starší (nanejvýše 10 let zpět)";
const char* const kDueDate =
    "Datum splatnosti musí odpovídat vykázanému roku. Nesmí být novější než 07.07.2025";
const char* const kMayTwice = "Dané období 052025 nesmí být předáno vícenásobně";

struct CheckCase
{
    const char* name;
    void (*change)(PppzEntry&);
    int editedId; // the list holds May 2025 with ID 1
    std::optional<std::string> warning;
    std::optional<std::string> error;
    PppzField errorField;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class PppzChecksTest : public testing::TestWithParam<CheckCase>
{
};

TEST_P(PppzChecksTest, ChecksRunInOrder)
{
    PppzEditor editor(kOzp);
    PppzEntry may = April2025();
    may.month = 5;
    ASSERT_TRUE(editor.Store(may, kClock.Today()).value().entry);

    const CheckCase& c = GetParam();
    PppzEntry entry = April2025();
    c.change(entry);
    const PppzCheckResult result =
        CheckPppzStore(entry, kClock.Today(), editor.List(), c.editedId, kOzp);
    EXPECT_EQ(result.warning, c.warning);
    EXPECT_EQ(result.error, c.error);
    if (c.error) {
        EXPECT_EQ(result.errorField, c.errorField);
        EXPECT_FALSE(result.record);
    } else {
        ASSERT_TRUE(result.record);
        EXPECT_EQ(result.record->MES, entry.month);
        EXPECT_EQ(result.record->ROK, entry.year);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PppzChecksTest,
    testing::Values(
        CheckCase{"plain", [](PppzEntry&) {}, 0, {}, {}, {}},
        CheckCase{
            "year 2014", [](PppzEntry& e) { e.year = 2014; }, 0, {}, kYearRange, PppzField::Year},
        CheckCase{"year 2015", [](PppzEntry& e) { e.year = 2015; }, 0, {}, {}, {}},
        CheckCase{"year 2025", [](PppzEntry& e) { e.year = 2025; }, 0, {}, {}, {}},
        CheckCase{
            "year 2026", [](PppzEntry& e) { e.year = 2026; }, 0, {}, kYearRange, PppzField::Year},
        CheckCase{"year error comes before the premium warning",
                  [](PppzEntry& e) {
                      e.year = 2026;
                      e.premium = "1";
                  },
                  0,
                  {},
                  kYearRange,
                  PppzField::Year},
        CheckCase{
            "due date today + 22", [](PppzEntry& e) { e.dueDate = "07.07.2025"; }, 0, {}, {}, {}},
        CheckCase{"due date today + 23",
                  [](PppzEntry& e) { e.dueDate = "08.07.2025"; },
                  0,
                  {},
                  kDueDate,
                  PppzField::DueDate},
        CheckCase{"January due date for last year's December",
                  [](PppzEntry& e) {
                      e.year = 2024;
                      e.month = 12;
                      e.dueDate = "20.01.2025";
                  },
                  0,
                  {},
                  {},
                  {}},
        CheckCase{"due date in a year before the report",
                  [](PppzEntry& e) {
                      e.year = 2024;
                      e.month = 12;
                      e.dueDate = "20.12.2023";
                  },
                  0,
                  {},
                  kDueDate,
                  PppzField::DueDate},
        CheckCase{"premium at E + N", [](PppzEntry& e) { e.premium = "137"; }, 0, {}, {}, {}},
        CheckCase{"premium below E",
                  [](PppzEntry& e) { e.premium = "134"; },
                  0,
                  PremiumWarning("135 až 137"),
                  {},
                  {}},
        CheckCase{"premium above E + N",
                  [](PppzEntry& e) { e.premium = "138"; },
                  0,
                  PremiumWarning("135 až 137"),
                  {},
                  {}},
        CheckCase{"premium warning, then a duplicate period",
                  [](PppzEntry& e) {
                      e.month = 5;
                      e.premium = "1";
                  },
                  0, PremiumWarning("135 až 137"), kMayTwice, PppzField::Month},
        CheckCase{
            "a correction keeps its period", [](PppzEntry& e) { e.month = 5; }, 1, {}, {}, {}},
        CheckCase{"a correction of another record may not take the period",
                  [](PppzEntry& e) { e.month = 5; },
                  2,
                  {},
                  kMayTwice,
                  PppzField::Month}));

TEST(PppzPremiumWarningTest, Base300)
{
    struct Case
    {
        const char* count;
        const char* premium;
        std::optional<std::string> warning;
    };
    for (const Case& c : {Case{"0", "40", {}}, Case{"0", "41", PremiumWarning("40 až 40")},
                          Case{"0", "39", PremiumWarning("40 až 40")}, Case{"1", "41", {}},
                          Case{"1", "42", PremiumWarning("40 až 41")},
                          Case{"", "41", PremiumWarning("40 až 40")}}) {
        PppzEntry entry = April2025();
        entry.base = "300";
        entry.count = c.count;
        entry.premium = c.premium;
        const PppzCheckResult result = CheckPppzStore(entry, kClock.Today(), PppzList(), 0, kOzp);
        EXPECT_EQ(result.warning, c.warning) << "count " << c.count << ", premium " << c.premium;
        EXPECT_TRUE(result.record);
    }
}

} // namespace
} // namespace lumtaris
