#include "hoz/hoz_file.hpp"

#include "common/codepage.hpp"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumtaris {
namespace {

// Writes `value` cut or filled with blanks to `width` characters at `out`; returns the end.
char* PutColumn(char* out, const std::string& value, std::size_t width)
{
    const std::size_t kept = std::min(value.size(), width);
    std::memcpy(out, value.data(), kept);
    std::memset(out + kept, ' ', width - kept);
    return out + width;
}

} // namespace

std::string UlozHOZ(const HozList& list)
{
    std::string bytes;
    bytes.reserve(list.Count() * (kHozLineWidth + 2));
    // Widths count characters of the typed text, so the line is built before recoding.
    static_assert(1 + 10 + 30 + 24 + 8 + 30 + 30 + 5 == kHozLineWidth);
    std::array<char, kHozLineWidth> line;
    for (const HozRecord& record : list.Records()) {
        char* out = line.data();
        out = PutColumn(out, record.KOD, 1);
        out = PutColumn(out, record.CPOJ, 10);
        out = PutColumn(out, record.PRIJMENI, 30);
        out = PutColumn(out, record.JMENO, 24);
        out = PutColumn(out, record.DATUM, 8);
        out = PutColumn(out, record.ULICE, 30);
        out = PutColumn(out, record.OBEC, 30);
        PutColumn(out, record.PSC, 5);
        AppendRecodedText(bytes, std::string_view(line.data(), line.size()), SystemAnsiCodePage(),
                          kCodePage852);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace lumtaris
