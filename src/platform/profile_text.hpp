#pragma once

// A cell of the insurer profile table as Qt text.

#include "platform/core_text.hpp"
#include "profiles/insurer_profile.hpp"

#include <QString>

namespace lumtaris {

inline QString ProfileText(const ProfileRow& row, InsurerIndex insurer)
{
    return FromUtf8(row.at(insurer));
}

} // namespace lumtaris
