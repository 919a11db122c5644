#include "common/decimal.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

struct ParseCase
{
    const char* text;
    int decimals;
    char separator;
    std::int64_t units; // at scale `decimals`
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.text << "@" << c.decimals << c.separator;
}

class ParseRoundedNumberTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseRoundedNumberTest, CutsTowardZeroExactly)
{
    const ParseCase& c = GetParam();
    const Decimal value =
        ParseRoundedNumber(c.text, static_cast<std::uint8_t>(c.decimals), c.separator);
    EXPECT_EQ(value.units, c.units) << '"' << c.text << '"';
    EXPECT_EQ(value.scale, c.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseRoundedNumberTest,
    testing::Values(
        ParseCase{" 12.5 ", 2, ',', 1250}, ParseCase{"12,5", 2, ',', 1250},
        ParseCase{"12.345", 2, ',', 1234}, ParseCase{"-12.345", 2, ',', -1234},
        ParseCase{"7.9", 0, ',', 7}, ParseCase{"0.53", 2, ',', 53}, ParseCase{"1.999", 2, ',', 199},
        ParseCase{"-1.999", 0, ',', -1}, ParseCase{"1.234.5", 2, ',', 0},
        ParseCase{"1,234.5", 2, ',', 0}, ParseCase{"abc", 2, ',', 0}, ParseCase{"", 2, ',', 0},
        ParseCase{"12 5", 2, ',', 0}, ParseCase{"0000250", 0, ',', 250}, ParseCase{"+3", 0, ',', 3},
        ParseCase{"1e3", 0, ',', 1000}, ParseCase{"1.5E-1", 2, ',', 15},
        ParseCase{"2.675", 3, ',', 2675}, ParseCase{".5", 2, ',', 50}, ParseCase{"5.", 2, ',', 500},
        ParseCase{"1e", 0, ',', 0}, ParseCase{"-", 0, ',', 0},
        // With "." as the regional separator a comma is not a decimal point.
        ParseCase{"12,5", 2, '.', 0}, ParseCase{"12.5", 2, '.', 1250},
        ParseCase{"1.234.5", 2, '.', 0},
        // Too large to hold: read as no number at all.
        ParseCase{"99999999999999999999", 0, ',', 0}, ParseCase{"1e999999999999", 0, ',', 0},
        ParseCase{"1e-999999999999", 2, ',', 0}));

struct FormatCase
{
    int width;
    int decimals;
    Decimal value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.value.units << "e-" << int{c.value.scale} << "@" << c.decimals;
}

class FormatFixedDecimalTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatFixedDecimalTest, RoundsHalvesAwayFromZeroWithADot)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFixedDecimal(c.width, static_cast<std::uint8_t>(c.decimals), c.value),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedDecimalTest,
    testing::Values(FormatCase{18, 2, {12345, 1}, "           1234.50"},
                    FormatCase{10, 0, {125, 1}, "        13"},
                    FormatCase{10, 0, {-125, 1}, "       -13"}, FormatCase{6, 2, {0, 2}, "  0.00"},
                    FormatCase{0, 2, {5, 0}, ""}, FormatCase{4, 2, {2675, 3}, "2.68"},
                    FormatCase{5, 2, {-2675, 3}, "-2.68"}, FormatCase{5, 2, {-4, 3}, " 0.00"},
                    FormatCase{5, 0, {-4, 1}, "    0"}, FormatCase{5, 2, {9995, 3}, "10.00"},
                    FormatCase{6, 3, {7, 0}, " 7.000"}, FormatCase{4, 2, {5, 3}, "0.01"},
                    FormatCase{1, 0, {0, 0}, "0"},
                    // Longer than the width: the first characters are kept.
                    FormatCase{3, 2, {123456, 2}, "123"},
                    FormatCase{16, 0, {350, 0}, "             350"}));

TEST(Decimal, RoundTripsThroughTextAtEveryScale)
{
    for (std::int64_t units : {0LL, 1LL, -1LL, 53LL, 123456789LL, -987654321012LL}) {
        for (std::uint8_t scale : {0, 1, 2, 5}) {
            const Decimal value{units, scale};
            const std::string text = FormatFixedDecimal(40, scale, value);
            EXPECT_EQ(ParseRoundedNumber(text, scale), value) << text;
        }
    }
}

} // namespace
} // namespace lumtaris
