#pragma once

// Reading fixtures of tests/data as exact bytes.

#include <string>

namespace lumtaris::test {

std::string DataPath(const std::string& name);
std::string ReadBytes(const std::string& path);

} // namespace lumtaris::test
