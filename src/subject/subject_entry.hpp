#pragma once

// The texts made of a subject's identifiers: IČO and IČZ in 8 digits, the unit in 2, an empty
// field counting as 0; the history entries and the page header built from them, and the cuts
// that take an entry apart again.

#include <string>
#include <string_view>

namespace lumtaris {

// The field's whole-number value, zero-filled on the left to `width` digits.
std::string IdentifierText(std::string_view field, int width);

// "IČO - OJ", 13 characters.
std::string IcOjEntry(std::string_view icoText, std::string_view ojText);
// "IČZ - IČO - OJ", 24 characters.
std::string IczEntry(std::string_view iczText, std::string_view icoText, std::string_view ojText);

// `labelIco` ": " IČO "   " `labelOrgUnit` ": " OJ.
std::string SubjectHeader(std::string_view labelIco, std::string_view labelOrgUnit,
                          std::string_view icoText, std::string_view ojText);

struct IcOjParts
{
    std::string ico;
    std::string oj;
};
struct IczParts
{
    std::string icz;
    std::string ico;
    std::string oj;
};

// Characters 1-8 and 12-13 of an IČO/OJ entry.
IcOjParts CutIcOjEntry(std::string_view entry);
// Characters 1-8, 12-19 and 23-24 of an IČZ entry.
IczParts CutIczEntry(std::string_view entry);

} // namespace lumtaris
