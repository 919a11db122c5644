#include "pppz/premium.hpp"

#include "common/text.hpp"

#include <algorithm>

namespace lumtaris {
namespace {

// Just enough of an unsigned 128-bit integer for one exact product and its two roundings.
struct U128
{
    std::uint64_t hi = 0;
    std::uint64_t lo = 0;
};

U128 Multiply(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
    const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    U128 r;
    r.lo = (middle << 32) | (p00 & 0xFFFFFFFFu);
    r.hi = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
    return r;
}

int BitLength(U128 v)
{
    int n = 0;
    for (std::uint64_t w = v.hi ? v.hi : v.lo; w != 0; w >>= 1)
        ++n;
    return v.hi ? n + 64 : n;
}

// v >> s for 0 <= s < 128.
U128 ShiftRight(U128 v, int s)
{
    if (s == 0)
        return v;
    if (s >= 64)
        return {0, v.hi >> (s - 64)};
    return {v.hi >> s, (v.lo >> s) | (v.hi << (64 - s))};
}

// The bits of v below bit s, compared with 2^(s-1): -1 below, 0 equal, 1 above. 1 <= s < 128.
int CompareRemainderWithHalf(U128 v, int s)
{
    U128 rem;
    if (s >= 64) {
        rem.hi = s == 64 ? 0 : (v.hi & ((std::uint64_t{1} << (s - 64)) - 1));
        rem.lo = v.lo;
    } else {
        rem.lo = v.lo & ((std::uint64_t{1} << s) - 1);
    }
    U128 half;
    if (s - 1 >= 64)
        half.hi = std::uint64_t{1} << (s - 1 - 64);
    else
        half.lo = std::uint64_t{1} << (s - 1);
    if (rem.hi != half.hi)
        return rem.hi < half.hi ? -1 : 1;
    if (rem.lo != half.lo)
        return rem.lo < half.lo ? -1 : 1;
    return 0;
}

// v / 2^s rounded to the nearest integer, ties to even, for 1 <= s < 128; only the low 64
// bits of the result are kept.
std::uint64_t RoundShift(U128 v, int s)
{
    const U128 q = ShiftRight(v, s);
    const int cmp = CompareRemainderWithHalf(v, s);
    std::uint64_t result = q.lo;
    if (cmp > 0 || (cmp == 0 && (result & 1) != 0))
        ++result;
    return result;
}

} // namespace

std::int64_t ExpectedPremium(std::int64_t base)
{
    const bool negative = base < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(base)
                                             : static_cast<std::uint64_t>(base);

    // The exact product, in units of 2^-66.
    const U128 exact = Multiply(magnitude, kPremiumRateMantissa);

    // Rounded to a 64-bit mantissa, as the extended-precision multiply leaves it.
    int shift = std::max(0, BitLength(exact) - 64);
    std::uint64_t mantissa = shift == 0 ? exact.lo : RoundShift(exact, shift);
    if (shift > 0 && mantissa == 0) { // rounded up out of 64 bits: 2^64 is 2^63 one place up
        mantissa = std::uint64_t{1} << 63;
        ++shift;
    }

    // The product is mantissa × 2^(shift - 66), and shift is at most 63 (the product has at
    // most 127 bits), so some bits are always below the point; round them off.
    const int fractionBits = -kPremiumRateExponent - shift;
    const std::uint64_t whole = RoundShift(U128{0, mantissa}, fractionBits);
    const auto result = static_cast<std::int64_t>(whole);
    return negative ? -result : result;
}

std::int64_t ReadWholeAmount(std::string_view text)
{
    const std::string trimmed = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
        negative = trimmed[i] == '-';
        ++i;
    }
    if (i == trimmed.size() || trimmed.size() - i > 18)
        return 0;
    std::int64_t value = 0;
    for (; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

} // namespace lumtaris
