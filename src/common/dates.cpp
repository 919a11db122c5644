#include "common/dates.hpp"

#include "common/text.hpp"

#include <cstdio>

namespace lumtaris {

using namespace std::chrono;

namespace {

// Safe substring by 1-based position: characters beyond the end contribute nothing.
std::string_view Part(std::string_view text, std::size_t from1, std::size_t count)
{
    const std::size_t from = from1 - 1;
    if (from >= text.size())
        return {};
    return text.substr(from, count);
}

} // namespace

std::optional<year_month_day> ParseDottedDate(std::string_view text)
{
    if (text.size() != 10 || text[2] != '.' || text[5] != '.')
        return std::nullopt;
    long day = 0;
    long month = 0;
    long yearValue = 0;
    if (!ReadInteger(text.substr(0, 2), day) || !ReadInteger(text.substr(3, 2), month) ||
        !ReadInteger(text.substr(6, 4), yearValue))
        return std::nullopt;
    if (yearValue < 1 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const year_month_day date{year{static_cast<int>(yearValue)},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

bool IsValidDottedDate(std::string_view text)
{
    return ParseDottedDate(text).has_value();
}

std::string DottedDateToCompact(std::string_view text)
{
    std::string result;
    result += Part(text, 1, 2);
    result += Part(text, 4, 2);
    result += Part(text, 7, 4);
    return result;
}

std::string CompactDateToDotted(std::string_view text)
{
    std::string result;
    result += Part(text, 1, 2);
    result += '.';
    result += Part(text, 3, 2);
    result += '.';
    result += Part(text, 5, 4);
    return result;
}

std::string FormatDottedDate(year_month_day date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return buffer;
}

year_month_day OneMonthEarlier(year_month_day date)
{
    const year_month earlier = year_month{date.year(), date.month()} - months{1};
    const day last = year_month_day_last{earlier.year(), month_day_last{earlier.month()}}.day();
    return year_month_day{earlier.year(), earlier.month(), std::min(date.day(), last)};
}

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
