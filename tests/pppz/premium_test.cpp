#include "pppz/premium.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace lumtaris {
namespace {

TEST(PremiumTest, ExpectedPremiumRoundsTheExtendedProductTiesToEven)
{
    struct Case
    {
        std::int64_t base;
        std::int64_t expected;
    };
    // 300 and 700 give exact halves in extended precision; 1500 lies just above one.
    for (const Case c :
         {Case{0, 0}, Case{300, 40}, Case{700, 94}, Case{100, 14}, Case{1500, 203}, Case{1, 0},
          Case{4, 1}, Case{1234567, 166667}, Case{9999999999, 1350000000}}) {
        EXPECT_EQ(ExpectedPremium(c.base), c.expected) << "base " << c.base;
    }
}

long double ExtendedRate()
{
    return 0.135L;
}

TEST(PremiumTest, RateIsTheExtendedValueNearestToTheFactor)
{
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double has no 64-bit mantissa here";
    } else {
        int exponent = 0;
        const long double fraction = std::frexp(ExtendedRate(), &exponent);
        EXPECT_EQ(static_cast<std::uint64_t>(std::ldexp(fraction, 64)), kPremiumRateMantissa);
        EXPECT_EQ(exponent - 64, kPremiumRateExponent);
    }
}

std::int64_t ExtendedPremium(std::int64_t base)
{
    return std::llrint(static_cast<long double>(base) * ExtendedRate());
}

TEST(PremiumTest, ExactMethodAgreesWithExtendedPrecision)
{
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double has no 64-bit mantissa here";
    } else {
        for (std::int64_t base = 0; base <= 200000; ++base)
            ASSERT_EQ(ExpectedPremium(base), ExtendedPremium(base)) << "base " << base;

        std::mt19937_64 random(20250115);
        std::uniform_int_distribution<std::int64_t> tenDigits(0, 9999999999);
        std::uniform_int_distribution<std::int64_t> wide(0, std::int64_t{1} << 62);
        for (int i = 0; i < 200000; ++i) {
            const std::int64_t base = tenDigits(random);
            ASSERT_EQ(ExpectedPremium(base), ExtendedPremium(base)) << "base " << base;
            const std::int64_t large = wide(random);
            ASSERT_EQ(ExpectedPremium(large), ExtendedPremium(large)) << "base " << large;
            ASSERT_EQ(ExpectedPremium(-base), ExtendedPremium(-base)) << "base " << -base;
        }
        // Multiples of 100 and of 20 sit on halves and near them.
        for (std::int64_t base = 0; base <= 100000000; base += 20)
            ASSERT_EQ(ExpectedPremium(base), ExtendedPremium(base)) << "base " << base;
    }
}

TEST(PremiumTest, ReadWholeAmountTakesTenDigitFields)
{
    EXPECT_EQ(ReadWholeAmount(""), 0);
    EXPECT_EQ(ReadWholeAmount(" 1500 "), 1500);
    EXPECT_EQ(ReadWholeAmount("9999999999"), 9999999999);
    EXPECT_EQ(ReadWholeAmount("12.5"), 0);
    EXPECT_EQ(ReadWholeAmount("-"), 0);
    EXPECT_EQ(ReadWholeAmount("1234567890123456789"), 0);
}

} // namespace
} // namespace lumtaris
