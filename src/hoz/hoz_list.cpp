#include "hoz/hoz_list.hpp"

#include "common/dates.hpp"

namespace lumtaris {

std::string memHOZDATUMGetText(std::string_view stored)
{
    return stored.empty() ? std::string() : CompactDateToDotted(stored);
}

std::optional<std::string> edtHOZDatumExit(std::string_view entryText)
{
    if (entryText == kEmptyDottedDate || IsValidDottedDate(entryText))
        return std::nullopt;
    return std::string("Zadaný datum není platný!");
}

} // namespace lumtaris
