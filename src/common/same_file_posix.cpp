#include "common/same_file.hpp"

namespace lumtaris {

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return !error && same;
}

} // namespace lumtaris
