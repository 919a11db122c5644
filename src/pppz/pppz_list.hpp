#pragma once

// The PPPZ record table memPPPZ: one record per reported month.

#include "common/record_table.hpp"

#include <string>

namespace lumtaris {

// Texts are as stored; DATSPLAT and DATOPR are ddmmyyyy.
struct PppzRecord
{
    int ID = 0;
    int ROK = 0;
    int MES = 0;
    std::string POCPOJ;    // 5: the count as typed, trimmed, may be empty
    std::string VYMZAKL;   // 10: whole crowns, no leading zeros
    std::string KC;        // 10: whole crowns, no leading zeros
    std::string DATSPLAT;  // 8
    std::string KOD = " "; // "O" for a correction, else a space
    std::string DATOPR;    // 8, empty when KOD is a space

    friend bool operator==(const PppzRecord&, const PppzRecord&) = default;
};

// A new record goes in front of the current one, so records stored in a row come out newest
// first.
using PppzList = RecordTable<PppzRecord>;

// The month in two digits and the year in four, month first: 012025.
std::string PeriodKey(int month, int year);

} // namespace lumtaris
