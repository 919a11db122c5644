#include "common/calendar.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

using namespace std::chrono;

// The anonymous Gregorian algorithm (Meeus/Jones/Butcher), a method independent of Gauss's.
year_month_day MeeusEaster(int y)
{
    const int a = y % 19;
    const int b = y / 100;
    const int c = y % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return year{y} / static_cast<unsigned>(month) / static_cast<unsigned>(day);
}

TEST(EasterSunday, AgreesWithAnIndependentMethodFrom1583To9999)
{
    for (int y = 1583; y <= 9999; ++y)
        ASSERT_EQ(EasterSunday(static_cast<std::uint16_t>(y)), MeeusEaster(y)) << y;
}

TEST(EasterSunday, KnownDatesIncludingBothExceptions)
{
    EXPECT_EQ(EasterSunday(2024), 2024y / March / 31);
    EXPECT_EQ(EasterSunday(2025), 2025y / April / 20);
    EXPECT_EQ(EasterSunday(1981), 1981y / April / 19);
    EXPECT_EQ(EasterSunday(1954), 1954y / April / 18);
    EXPECT_EQ(EasterSunday(2049), 2049y / April / 18);
    EXPECT_EQ(EasterSunday(2016), 2016y / March / 27);
}

TEST(IsPublicHoliday, FixedDaysAndTheTwoEasterDays)
{
    for (const month_day md :
         {January / 1, May / 1, May / 8, July / 5, July / 6, September / 28, October / 28,
          November / 17, December / 24, December / 25, December / 26})
        EXPECT_TRUE(IsPublicHoliday(2031y / md.month() / md.day()));
    EXPECT_TRUE(IsPublicHoliday(2025y / April / 18));
    EXPECT_TRUE(IsPublicHoliday(2025y / April / 21));
    EXPECT_TRUE(IsPublicHoliday(2016y / March / 25));
    EXPECT_FALSE(IsPublicHoliday(2025y / April / 20)); // Easter Sunday itself
    EXPECT_FALSE(IsPublicHoliday(2025y / April / 19));
    EXPECT_FALSE(IsPublicHoliday(2025y / December / 27));
}

struct WorkingDayCase
{
    year_month_day date;
    year_month_day expected;
};

void PrintTo(const WorkingDayCase& c, std::ostream* os)
{
    *os << static_cast<int>(c.date.year()) << "-" << static_cast<unsigned>(c.date.month()) << "-"
        << static_cast<unsigned>(c.date.day());
}

class NextWorkingDayTest : public testing::TestWithParam<WorkingDayCase>
{
};

TEST_P(NextWorkingDayTest, SkipsWeekendsAndHolidays)
{
    EXPECT_EQ(NextWorkingDay(GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextWorkingDayTest,
    testing::Values(WorkingDayCase{2025y / April / 20, 2025y / April / 22},
                    WorkingDayCase{2030y / April / 20, 2030y / April / 23},
                    WorkingDayCase{2025y / December / 24, 2025y / December / 29},
                    WorkingDayCase{2025y / December / 20, 2025y / December / 22},
                    WorkingDayCase{2026y / September / 20, 2026y / September / 21},
                    WorkingDayCase{2025y / July / 5, 2025y / July / 7},
                    WorkingDayCase{2025y / January / 1, 2025y / January / 2},
                    WorkingDayCase{2025y / June / 20, 2025y / June / 20},
                    WorkingDayCase{2025y / December / 31, 2025y / December / 31}));

} // namespace
} // namespace lumtaris
