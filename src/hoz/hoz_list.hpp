#pragma once

// The HOZ record table memHOZ and the date display its grid shares with the PPPZ grid.

#include "common/dates.hpp" // memHOZDATUMGetText and edtHOZDatumExit, shared by both lists
#include "common/record_table.hpp"

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace lumtaris {

inline constexpr int kHozLineWidth = 138;

// The columns of a HOZ record, in the order of the file line.
enum class HozColumn
{
    KOD,      // 1: the change code letter
    CPOJ,     // 10: insured person's number
    PRIJMENI, // 30
    JMENO,    // 24
    DATUM,    // 8: ddmmyyyy
    ULICE,    // 30, may be empty
    OBEC,     // 30, may be empty
    PSC,      // 5, may be empty
};
inline constexpr std::size_t kHozColumnCount = 8;

// One employee change, kept as its finished file line in code page 1250: every column cut or
// filled with blanks to its width. A list of records is then one block of plain bytes that
// grows by copying, and the file is one copy per record. Columns read back without the filling;
// a stored value never ends in a blank, since Store trims it.
struct HozRecord
{
    std::array<char, kHozLineWidth> line = BlankLine();
    int ID = 0;
    int ITMIDX = -1; // position of the change code in the drop-down, to choose it again

    static constexpr std::size_t Width(HozColumn column) { return kWidths[Index(column)]; }

    std::string_view Column(HozColumn column) const
    {
        std::string_view value(line.data() + Offset(column), Width(column));
        const std::size_t end = value.find_last_not_of(' ');
        return value.substr(0, end == std::string_view::npos ? 0 : end + 1);
    }
    // Cut to the column's width.
    void SetColumn(HozColumn column, std::string_view value)
    {
        char* out = line.data() + Offset(column);
        const std::size_t kept = value.size() < Width(column) ? value.size() : Width(column);
        std::memcpy(out, value.data(), kept);
        std::memset(out + kept, ' ', Width(column) - kept);
    }

    std::string_view KOD() const { return Column(HozColumn::KOD); }
    std::string_view CPOJ() const { return Column(HozColumn::CPOJ); }
    std::string_view PRIJMENI() const { return Column(HozColumn::PRIJMENI); }
    std::string_view JMENO() const { return Column(HozColumn::JMENO); }
    std::string_view DATUM() const { return Column(HozColumn::DATUM); }
    std::string_view ULICE() const { return Column(HozColumn::ULICE); }
    std::string_view OBEC() const { return Column(HozColumn::OBEC); }
    std::string_view PSC() const { return Column(HozColumn::PSC); }

    friend bool operator==(const HozRecord&, const HozRecord&) = default;

private:
    static constexpr std::array<std::size_t, kHozColumnCount> kWidths{1, 10, 30, 24, 8, 30, 30, 5};

    static constexpr std::size_t Index(HozColumn column)
    {
        return static_cast<std::size_t>(column);
    }
    static constexpr std::size_t Offset(HozColumn column)
    {
        std::size_t offset = 0;
        for (std::size_t i = 0; i < Index(column); ++i)
            offset += kWidths[i];
        return offset;
    }
    static constexpr std::array<char, kHozLineWidth> BlankLine()
    {
        std::array<char, kHozLineWidth> blank{};
        blank.fill(' ');
        return blank;
    }

    static_assert(1 + 10 + 30 + 24 + 8 + 30 + 30 + 5 == kHozLineWidth);
};

// Records stay in the order they were first stored.
using HozList = RecordTable<HozRecord>;

} // namespace lumtaris
