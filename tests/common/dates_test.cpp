#include "common/dates.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

using namespace std::chrono;

struct DateCase
{
    const char* text;
    bool valid;
};

void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << c.text;
}

class IsValidDottedDateTest : public testing::TestWithParam<DateCase>
{
};

TEST_P(IsValidDottedDateTest, AcceptsExactlyRealGregorianDates)
{
    EXPECT_EQ(IsValidDottedDate(GetParam().text), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsValidDottedDateTest,
    testing::Values(
        DateCase{"05.01.2006", true}, DateCase{"31.12.9999", true}, DateCase{"29.02.2004", true},
        DateCase{"29.02.2000", true}, DateCase{"31.04.2005", false}, DateCase{"29.02.2005", false},
        DateCase{"29.02.1900", false}, DateCase{"01.01.0000", false}, DateCase{"1.1.2005", false},
        DateCase{"  .  .    ", false}, DateCase{"00.01.2005", false}, DateCase{"01.13.2005", false},
        DateCase{"32.01.2005", false}, DateCase{"01-01-2005", false}, DateCase{"31.02.2024", false},
        DateCase{"", false},
        // Parts read as integers: leading blanks and a sign are allowed.
        DateCase{" 1.01.2005", true}, DateCase{"+1.01.2005", true}, DateCase{"01.01.  05", true},
        DateCase{"1 .01.2005", false}, DateCase{"-1.01.2005", false}, DateCase{"01.01.-005", false},
        DateCase{"0a.01.2005", false}));

TEST(DateForms, ConvertWithoutValidating)
{
    EXPECT_EQ(DottedDateToCompact("05.01.2006"), "05012006");
    EXPECT_EQ(DottedDateToCompact(""), "");
    EXPECT_EQ(DottedDateToCompact("05.01"), "0501");
    EXPECT_EQ(CompactDateToDotted("05012006"), "05.01.2006");
    EXPECT_EQ(CompactDateToDotted(""), "..");
    EXPECT_EQ(CompactDateToDotted("010120"), "01.01.20");
}

TEST(DateForms, FormatsAndParsesDates)
{
    EXPECT_EQ(FormatDottedDate(2026y / December / 10), "10.12.2026");
    EXPECT_EQ(FormatDottedDate(year{5} / January / 1), "01.01.0005");
    EXPECT_EQ(ParseDottedDate("10.12.2026"), 2026y / December / 10);
    EXPECT_FALSE(ParseDottedDate("31.11.2026"));
}

TEST(OneMonthEarlier, KeepsTheDayOrTakesTheLastDayOfTheMonth)
{
    EXPECT_EQ(OneMonthEarlier(2025y / January / 15), 2024y / December / 15);
    EXPECT_EQ(OneMonthEarlier(2025y / March / 31), 2025y / February / 28);
    EXPECT_EQ(OneMonthEarlier(2024y / March / 31), 2024y / February / 29);
    EXPECT_EQ(OneMonthEarlier(2025y / May / 31), 2025y / April / 30);
}

} // namespace
} // namespace lumtaris
