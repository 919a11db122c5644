#include "hoz/hoz_file.hpp"

#include "common/byte_recoder.hpp"
#include "common/codepage.hpp"

#include <cstring>
#include <optional>

namespace lumtaris {

std::string UlozHOZ(const HozList& list)
{
    // A record is its line already; widths count characters of the typed text, so the line is
    // recoded only now, on its way into the file.
    static const std::optional<ByteRecoder> recoder =
        ByteRecoder::For(SystemAnsiCodePage(), kCodePage852);
    std::string bytes(list.Count() * (kHozLineWidth + 2), '\0');
    char* out = bytes.data();
    for (const HozRecord& record : list.Records()) {
        if (recoder)
            recoder->Copy(record.line.data(), kHozLineWidth, out);
        else
            std::memcpy(out, record.line.data(), kHozLineWidth);
        out[kHozLineWidth] = '\r';
        out[kHozLineWidth + 1] = '\n';
        out += kHozLineWidth + 2;
    }
    if (!recoder)
        bytes = RecodeText(bytes, SystemAnsiCodePage(), kCodePage852);
    return bytes;
}

} // namespace lumtaris
