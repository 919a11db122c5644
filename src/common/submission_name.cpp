#include "common/submission_name.hpp"

#include "common/text.hpp"

namespace lumtaris {

std::string SubmissionFileName(std::string_view icoText, std::string_view unitText,
                               std::string_view infix)
{
    const std::string ico = std::to_string(WholeNumberOrZero(icoText));
    const std::string unit = std::to_string(WholeNumberOrZero(unitText));
    return PadText(ico, '0', 8, true) + std::string(infix) + PadText(unit, '0', 2, true);
}

} // namespace lumtaris
