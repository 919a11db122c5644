#include "pppz/pppz_file.hpp"

#include "common/clock.hpp"
#include "pppz/pppz_editor.hpp"
#include "support/test_data.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

using namespace std::chrono;

PppzEntry Entry(int month, int year, const char* count, const char* base, const char* premium,
                const char* dueDate, const char* correctionDate = "  .  .    ")
{
    PppzEntry e;
    e.month = month;
    e.year = year;
    e.count = count;
    e.base = base;
    e.premium = premium;
    e.dueDate = dueDate;
    e.correctionDate = correctionDate;
    return e;
}

TEST(PppzFileTest, MatchesTheFixtureNewestFirst)
{
    const FixedClock clock(2025y / April / 10);
    PppzEditor editor(0);
    // Stored oldest first without moving the highlight, so the file lists them newest first.
    for (const PppzEntry& e :
         {Entry(11, 2024, "0", "10000", "1350", "20.12.2024"),
          Entry(12, 2024, "", "", "", "20.01.2025"),
          Entry(2, 2025, "25", "1234567", "166667", "20.03.2025", "15.04.2025"),
          Entry(1, 2025, "25", "1234567", "166667", "20.02.2025")}) {
        ASSERT_TRUE(editor.Store(e, clock.Today()).value().entry) << e.month;
    }
    EXPECT_EQ(UlozPPPZ(editor.List(), "12345678", "01", 0),
              test::ReadBytes(test::DataPath("pppz/12345678.H01")));
}

TEST(PppzFileTest, SubjectColumnsAreZeroFilled)
{
    PppzEditor editor(2); // RBP
    ASSERT_TRUE(editor.Store(Entry(3, 2025, "1", "100", "14", "20.03.2025"), 2025y / March / 5)
                    .value()
                    .entry);
    EXPECT_EQ(UlozPPPZ(editor.List(), "12345", "", 2),
              "0001234500213202503    1       100        1420032025         \r\n");
}

} // namespace
} // namespace lumtaris
