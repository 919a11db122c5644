#include "hoz/hoz_file.hpp"

#include "common/codepage.hpp"

#include <cstring>


namespace lumtaris {

std::string UlozHOZ(const HozList& list)
{
    // A record is its line already; widths count characters of the typed text, so the file is
    // recoded only when it is whole, in one pass.
    std::string bytes(list.Count() * (kHozLineWidth + 2), '\0');
    char* out = bytes.data();
    for (const HozRecord& record : list.Records()) {
        std::memcpy(out, record.line.data(), kHozLineWidth);
        out[kHozLineWidth] = '\r';
        out[kHozLineWidth + 1] = '\n';
        out += kHozLineWidth + 2;
    }
    RecodeInPlace(bytes, SystemAnsiCodePage(), kCodePage852);
    return bytes;
}

} // namespace lumtaris
