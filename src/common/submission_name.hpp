#pragma once

// The file name of a HOZ or PPPZ submission: the employer's IČO in eight digits, the kind's
// infix and the organisational unit in two digits.

#include <string>
#include <string_view>

namespace lumtaris {

inline constexpr std::string_view kHozNameInfix = ".";
inline constexpr std::string_view kPppzNameInfix = ".H";

// `icoText` and `unitText` are the texts of the subject fields; each counts as its
// whole-number value, an empty or unreadable text as 0. So IČO 1234, unit 5 and ".H" give
// 00001234.H05.
std::string SubmissionFileName(std::string_view icoText, std::string_view unitText,
                               std::string_view infix);

} // namespace lumtaris
