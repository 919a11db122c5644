#pragma once

// The HOZ record table memHOZ and the date display its grid shares with the PPPZ grid.

#include "common/record_table.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace lumtaris {

// One employee change. Texts are code page 1250; DATUM is ddmmyyyy.
struct HozRecord
{
    std::string KOD;      // 1: the change code letter
    std::string CPOJ;     // 10: insured person's number
    std::string PRIJMENI; // 30
    std::string JMENO;    // 24
    std::string DATUM;    // 8
    int ID = 0;
    int ITMIDX = -1;   // position of the change code in the drop-down, to choose it again
    std::string ULICE; // 30, may be empty
    std::string OBEC;  // 30, may be empty
    std::string PSC;   // 5, may be empty

    friend bool operator==(const HozRecord&, const HozRecord&) = default;
};

// Records stay in the order they were first stored.
using HozList = RecordTable<HozRecord>;

// How a record table shows a stored ddmmyyyy date: empty stays empty, else dd.mm.yyyy.
std::string memHOZDATUMGetText(std::string_view stored);

// The check of a date entry that lost the focus: the warning to show (UTF-8, caption
// kDateWarningCaption), or nothing for a valid date and for the empty mask.
std::optional<std::string> edtHOZDatumExit(std::string_view entryText);
inline constexpr std::string_view kDateWarningCaption = "Upozornění";

} // namespace lumtaris
