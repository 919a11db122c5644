#include "pppz/pppz_list.hpp"

#include "common/text.hpp"

namespace lumtaris {

std::string PeriodKey(int month, int year)
{
    return PadText(std::to_string(month), '0', 2, true) +
           PadText(std::to_string(year), '0', 4, true);
}

} // namespace lumtaris
