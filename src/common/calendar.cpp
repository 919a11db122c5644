#include "common/calendar.hpp"

#include <array>

namespace lumtaris {

using namespace std::chrono;

year_month_day EasterSunday(std::uint16_t yearNumber)
{
    // Gauss's method; every value below is non-negative, so / and % are the whole-number
    // division and remainder the method asks for.
    const int y = yearNumber;
    const int a = y % 19;
    const int b = y % 4;
    const int c = y % 7;
    const int k = y / 100;
    const int p = (8 * k + 13) / 25;
    const int q = k / 4;
    const int m = (15 - p + k - q + 30 * 30) % 30;
    const int n = (4 + k - q + 7 * 700) % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;

    if (d + e <= 9)
        return year{y} / March / static_cast<unsigned>(22 + d + e);
    int aprilDay = d + e - 9;
    if (d == 29 && e == 6)
        aprilDay = 19;
    else if (d == 28 && e == 6 && a > 10)
        aprilDay = 18;
    return year{y} / April / static_cast<unsigned>(aprilDay);
}

bool IsPublicHoliday(year_month_day date)
{
    static constexpr std::array<month_day, 11> kFixed{
        January / 1,  May / 1,       May / 8,       July / 5,      July / 6,      September / 28,
        October / 28, November / 17, December / 24, December / 25, December / 26,
    };
    const month_day md{date.month(), date.day()};
    for (const month_day holiday : kFixed) {
        if (md == holiday)
            return true;
    }
    const int y = static_cast<int>(date.year());
    if (y < 1 || y > 65535)
        return false;
    const sys_days easter{EasterSunday(static_cast<std::uint16_t>(y))};
    const sys_days day{date};
    return day == easter - days{2} || day == easter + days{1};
}

year_month_day NextWorkingDay(year_month_day date)
{
    sys_days day{date};
    for (;;) {
        const weekday wd{day};
        if (wd != Saturday && wd != Sunday && !IsPublicHoliday(year_month_day{day}))
            return year_month_day{day};
        day += days{1};
    }
}

} // namespace lumtaris
