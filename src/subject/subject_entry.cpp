#include "subject/subject_entry.hpp"

#include "common/text.hpp"

namespace lumtaris {

namespace {

// Safe cut by 1-based position; characters beyond the end contribute nothing.
std::string Cut(std::string_view text, std::size_t from1, std::size_t count)
{
    if (from1 - 1 >= text.size())
        return {};
    return std::string(text.substr(from1 - 1, count));
}

} // namespace

std::string IdentifierText(std::string_view field, int width)
{
    return PadText(std::to_string(WholeNumberOrZero(field)), '0', width, true);
}

std::string IcOjEntry(std::string_view icoText, std::string_view ojText)
{
    return std::string(icoText) + " - " + std::string(ojText);
}

std::string IczEntry(std::string_view iczText, std::string_view icoText, std::string_view ojText)
{
    return std::string(iczText) + " - " + std::string(icoText) + " - " + std::string(ojText);
}

std::string SubjectHeader(std::string_view labelIco, std::string_view labelOrgUnit,
                          std::string_view icoText, std::string_view ojText)
{
    std::string header(labelIco);
    header += ": ";
    header += icoText;
    header += "   ";
    header += labelOrgUnit;
    header += ": ";
    header += ojText;
    return header;
}

IcOjParts CutIcOjEntry(std::string_view entry)
{
    return {Cut(entry, 1, 8), Cut(entry, 12, 2)};
}

IczParts CutIczEntry(std::string_view entry)
{
    return {Cut(entry, 1, 8), Cut(entry, 12, 8), Cut(entry, 23, 2)};
}

} // namespace lumtaris
