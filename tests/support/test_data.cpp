#include "support/test_data.hpp"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lumtaris::test {

std::string DataPath(const std::string& name)
{
    return std::string(LUMTARIS_TEST_DATA) + "/" + name;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace lumtaris::test
