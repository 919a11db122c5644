// Amounts, dates and code pages on any bytes, checked against their round-trip properties.

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/decimal.hpp"
#include "common/text.hpp"
#include "fuzz_check.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace lumtaris;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto decimals = static_cast<std::uint8_t>(data[0] % 24);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    // A parsed amount formats and parses back to itself, with either regional separator.
    for (const char separator : {',', '.'}) {
        const Decimal value = ParseRoundedNumber(text, decimals, separator);
        Check(value.scale == (decimals > kMaxDecimalScale ? kMaxDecimalScale : decimals));
        const std::string formatted = FormatFixedDecimal(40, value.scale, value);
        Check(formatted.size() == 40);
        Check(ParseRoundedNumber(formatted, value.scale, separator) == value);
    }

    // A date is valid exactly when it parses, and the two forms convert back and forth.
    const bool valid = IsValidDottedDate(text);
    const auto parsed = ParseDottedDate(text);
    Check(valid == parsed.has_value());
    if (valid) {
        Check(IsValidDottedDate(FormatDottedDate(*parsed)));
        Check(CompactDateToDotted(DottedDateToCompact(text)) == text);
    }

    // Recoding between single-byte code pages keeps the length, leaves printable ASCII alone
    // and gives every byte what it gives that byte alone, however the text is passed over.
    const std::string recoded = RecodeText(text, kCodePage1250, kCodePage852);
    Check(recoded.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F)
            Check(recoded[i] == text[i]);
        Check(RecodeText(text.substr(i, 1), kCodePage1250, kCodePage852) == recoded.substr(i, 1));
    }
    Check(RecodeText(text, 1, kCodePage852) == text);

    // Every 1250 text survives the trip through UTF-8.
    const auto back = Cp1250FromUtf8(Utf8FromCp1250(text));
    Check(back.has_value() && *back == text);

    const int width = static_cast<int>(data[0]) - 128;
    Check(PadText(text, '0', width, data[0] & 1).size() ==
          static_cast<std::size_t>(width < 0 ? 0 : width));
    std::string source(text);
    const std::string field = SplitAtSeparator(source, "-");
    Check(field.size() <= text.size() && source.size() <= text.size());
    return 0;
}
