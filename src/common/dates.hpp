#pragma once

// The two date forms of the program: dotted "dd.mm.yyyy" as the date entries show it, and
// compact "ddmmyyyy" as the record tables and the files hold it.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lumtaris {

// The text a date entry shows when nothing has been typed.
inline constexpr std::string_view kEmptyDottedDate = "  .  .    ";

bool IsValidDottedDate(std::string_view text);
std::string DottedDateToCompact(std::string_view text);
std::string CompactDateToDotted(std::string_view text);

// The date of a valid dotted text, or nothing.
std::optional<std::chrono::year_month_day> ParseDottedDate(std::string_view text);
std::string FormatDottedDate(std::chrono::year_month_day date);

// The same day one calendar month earlier; a day the earlier month lacks becomes its last day.
std::chrono::year_month_day OneMonthEarlier(std::chrono::year_month_day date);

// How a record table shows a stored compact date: empty stays empty, else dd.mm.yyyy. The HOZ
// and PPPZ grids share it.
std::string memHOZDATUMGetText(std::string_view stored);

// The check of a date entry that lost the focus, shared by every date entry: the warning to
// show (UTF-8, caption kDateWarningCaption), or nothing for a valid date and the empty mask.
std::optional<std::string> edtHOZDatumExit(std::string_view entryText);
inline constexpr std::string_view kDateWarningCaption = "Upozornění";

} // namespace lumtaris
