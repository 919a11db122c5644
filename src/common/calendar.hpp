#pragma once

// The Czech working-day calendar behind the proposed due date of a premium payment.

#include <chrono>
#include <cstdint>

namespace lumtaris {

// Gregorian Easter Sunday of a year of 1 or more.
std::chrono::year_month_day EasterSunday(std::uint16_t year);

// One of the eleven fixed Czech public holidays, Good Friday or Easter Monday.
bool IsPublicHoliday(std::chrono::year_month_day date);

// The date itself when it is a working day, otherwise the first later working day.
std::chrono::year_month_day NextWorkingDay(std::chrono::year_month_day date);

} // namespace lumtaris
