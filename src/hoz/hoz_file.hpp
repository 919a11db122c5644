#pragma once

// The HOZ file: one 138-character line per record, in list order, recoded to code page 852.

#include "hoz/hoz_list.hpp"

#include <string>

namespace lumtaris {

// The bytes of the whole file, CR LF after every line.
std::string UlozHOZ(const HozList& list);

} // namespace lumtaris
