#pragma once

// Exact decimal amounts: an integer count of units at a fixed number of decimals. Amounts are
// never held in binary floating point, so 0.53 stays 0.53 and 2.675 rounds to 2.68.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumtaris {

struct Decimal
{
    std::int64_t units = 0; // value = units / 10^scale
    std::uint8_t scale = 0;

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

// Decimal places beyond this cannot be held in 64 bits next to a whole part; finer cuts
// stop here.
inline constexpr std::uint8_t kMaxDecimalScale = 18;

// Czech regional settings write "," between the whole part and the decimals.
inline constexpr char kCzechDecimalSeparator = ',';

// Reads an amount: trimmed, the first "." taken as the decimal point, else the regional
// `decimalSeparator`; an optional sign and exponent. The value is cut toward zero after
// `decimals` places. Anything else, or a value too large to hold, reads as 0.
Decimal ParseRoundedNumber(std::string_view text, std::uint8_t decimals,
                           char decimalSeparator = kCzechDecimalSeparator);

// Writes `value` with exactly `decimals` places and "." as the point, halves rounded away
// from zero, never "-0", right-aligned in `width` (cut to its first `width` characters).
std::string FormatFixedDecimal(int width, std::uint8_t decimals, Decimal value);

// The sum of two amounts of the same scale.
Decimal operator+(Decimal a, Decimal b);

} // namespace lumtaris
