#include "pppz/pppz_file.hpp"

#include "common/text.hpp"
#include "profiles/insurer_profile.hpp"

namespace lumtaris {

std::string UlozPPPZ(const PppzList& list, std::string_view icoText, std::string_view unitText,
                     InsurerIndex insurer)
{
    const std::string subject = PadText(icoText, '0', 8, true) + PadText(unitText, '0', 2, true) +
                                PadText(InsurerProfileTable.InsurerCode[insurer], '0', 3, true);
    std::string bytes;
    for (const PppzRecord& r : list.Records()) {
        bytes += subject;
        bytes += PadText(std::to_string(r.ROK), '0', 4, true);
        bytes += PadText(std::to_string(r.MES), '0', 2, true);
        bytes += PadText(r.POCPOJ, ' ', 5, true);
        bytes += PadText(r.VYMZAKL, ' ', 10, true);
        bytes += PadText(r.KC, ' ', 10, true);
        bytes += PadText(r.DATSPLAT, ' ', 8, false);
        bytes += PadText(r.KOD, ' ', 1, false);
        bytes += PadText(r.DATOPR, ' ', 8, false);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace lumtaris
