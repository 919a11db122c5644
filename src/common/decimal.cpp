#include "common/decimal.hpp"

#include "common/text.hpp"

#include <cassert>
#include <limits>

namespace lumtaris {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Scanned
{
    bool negative = false;
    std::string digits;    // all mantissa digits, whole part first
    long long pointAt = 0; // the value's point stands after this many of `digits`
};

// Accepts [sign] digits [separator digits] [e [sign] digits], with at least one mantissa digit.
bool Scan(std::string_view text, char separator, Scanned& out)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    std::size_t wholeDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        out.digits += text[i++];
        ++wholeDigits;
    }
    if (i < text.size() && text[i] == separator) {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            out.digits += text[i++];
    }
    if (out.digits.empty())
        return false;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == text.size() || !IsDigit(text[i]))
            return false;
        while (i < text.size() && IsDigit(text[i])) {
            // Past a few thousand the value is zero or too large either way.
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return false;
    out.pointAt = static_cast<long long>(wholeDigits) + exponent;
    return true;
}

} // namespace

Decimal ParseRoundedNumber(std::string_view text, std::uint8_t decimals, char decimalSeparator)
{
    const std::uint8_t scale = decimals > kMaxDecimalScale ? kMaxDecimalScale : decimals;
    std::string prepared = Trim(text);
    if (decimalSeparator != '.') {
        if (const auto dot = prepared.find('.'); dot != std::string::npos)
            prepared[dot] = decimalSeparator;
    }
    Scanned scanned;
    if (!Scan(prepared, decimalSeparator, scanned))
        return Decimal{0, scale};

    // The units are the digits up to `scale` places after the point; the rest is cut.
    const long long keep = scanned.pointAt + scale;
    if (keep <= 0)
        return Decimal{0, scale};
    std::uint64_t units = 0;
    constexpr auto kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (long long i = 0; i < keep; ++i) {
        const int digit = i < static_cast<long long>(scanned.digits.size())
                              ? scanned.digits[static_cast<std::size_t>(i)] - '0'
                              : 0;
        if (units > (kLimit - static_cast<std::uint64_t>(digit)) / 10)
            return Decimal{0, scale};
        units = units * 10 + static_cast<std::uint64_t>(digit);
    }
    const auto value = static_cast<std::int64_t>(units);
    return Decimal{scanned.negative ? -value : value, scale};
}

std::string FormatFixedDecimal(int width, std::uint8_t decimals, Decimal value)
{
    const bool negative = value.units < 0;
    // The magnitude as digits, worked on as text so that no scale can overflow.
    std::string digits = std::to_string(value.units);
    if (negative)
        digits.erase(0, 1);
    int scale = value.scale;
    if (decimals >= scale) {
        digits.append(static_cast<std::size_t>(decimals - scale), '0');
    } else {
        const auto drop = static_cast<std::size_t>(scale - decimals);
        if (digits.size() < drop + 1)
            digits.insert(0, drop + 1 - digits.size(), '0');
        const bool roundUp = digits[digits.size() - drop] >= '5';
        digits.resize(digits.size() - drop);
        if (roundUp) {
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9')
                digits[--i] = '0';
            if (i == 0)
                digits.insert(0, 1, '1');
            else
                ++digits[i - 1];
        }
    }
    if (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - decimals, 1, '.');
    const bool isZero = digits.find_first_not_of("0.") == std::string::npos;
    if (negative && !isZero)
        digits.insert(0, 1, '-');
    return PadText(digits, ' ', width, true);
}

Decimal operator+(Decimal a, Decimal b)
{
    assert(a.scale == b.scale);
    return Decimal{a.units + b.units, a.scale};
}

} // namespace lumtaris
