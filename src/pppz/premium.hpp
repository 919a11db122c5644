#pragma once

// The expected premium of a PPPZ month: 13.5 % of the assessment base, as the insurers compute
// it in 64-bit-mantissa arithmetic.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumtaris {

// The 64-bit-mantissa value nearest to 0.135 is kPremiumRateMantissa / 2^66.
inline constexpr std::uint64_t kPremiumRateMantissa = 9961241799803157873ULL;
inline constexpr int kPremiumRateExponent = -66;

// base × 0.135 with the product rounded to a 64-bit mantissa, then rounded to a whole number
// with ties to even, exactly as an extended-precision multiply and round would give it; the
// same on every platform. 1500 gives 203, 300 gives 40.
std::int64_t ExpectedPremium(std::int64_t base);

// The whole-number value of a number field: trimmed, an optional sign, then at most 18
// digits; anything else, and the empty text, is 0. Ten-digit amounts fit.
std::int64_t ReadWholeAmount(std::string_view text);

} // namespace lumtaris
