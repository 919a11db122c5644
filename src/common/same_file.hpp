#pragma once

// Whether two paths name one file, as the file system decides it: symbolic links, "." and
// "..", and on Windows other spellings and letter case all lead to the same file.

#include <filesystem>

namespace lumtaris {

// False unless both files exist and are one.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace lumtaris
