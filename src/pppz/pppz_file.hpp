#pragma once

// The PPPZ file: one 61-character line per record in list order. Its lines hold only digits,
// spaces and "O", so they are written as built.

#include "pppz/pppz_list.hpp"
#include "profiles/insurer.hpp"

#include <string>
#include <string_view>

namespace lumtaris {

inline constexpr int kPppzLineWidth = 61;

// The bytes of the whole file, CR LF after every line. `icoText` and `unitText` are the texts
// of the subject fields.
std::string UlozPPPZ(const PppzList& list, std::string_view icoText, std::string_view unitText,
                     InsurerIndex insurer);

} // namespace lumtaris
