#include "hoz/hoz_file.hpp"

#include "common/codepage.hpp"
#include "common/text.hpp"

namespace lumtaris {
namespace {

std::string Column(const std::string& value, int width)
{
    return PadText(value, ' ', width, false);
}

} // namespace

std::string UlozHOZ(const HozList& list)
{
    std::string bytes;
    for (const HozRecord& record : list.Records()) {
        // Widths count characters of the typed text, so the line is built before recoding.
        const std::string line = Column(record.KOD, 1) + Column(record.CPOJ, 10) +
                                 Column(record.PRIJMENI, 30) + Column(record.JMENO, 24) +
                                 Column(record.DATUM, 8) + Column(record.ULICE, 30) +
                                 Column(record.OBEC, 30) + Column(record.PSC, 5);
        bytes += RecodeText(line, SystemAnsiCodePage(), kCodePage852);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace lumtaris
