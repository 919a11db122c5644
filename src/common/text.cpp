#include "common/text.hpp"

#include <algorithm>
#include <climits>

namespace lumtaris {

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool IsPathSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

bool IsAllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string PadText(std::string_view text, char fill, int width, bool padLeft)
{
    if (width <= 0)
        return {};
    const auto size = static_cast<std::size_t>(width);
    std::string result(text.substr(0, size));
    const std::size_t missing = size - result.size();
    if (padLeft)
        result.insert(0, missing, fill);
    else
        result.append(missing, fill);
    return result;
}

std::string NormalizeDirectory(std::string_view path)
{
    if (path.empty())
        return {};
    std::string result(path);
    if (IsPathSeparator(result.back())) {
        result.back() = ' ';
        result = Trim(result);
    }
    if (result.size() == 2 && result[1] == ':')
        result += '\\';
    return result;
}

std::string SplitAtSeparator(std::string& source, std::string_view separator)
{
    const std::size_t at = separator.empty() ? std::string::npos : source.find(separator);
    if (at == std::string::npos) {
        std::string field = Trim(source);
        source.clear();
        return field;
    }
    std::string field = Trim(std::string_view(source).substr(0, at));
    source = Trim(std::string_view(source).substr(at + separator.size()));
    return field;
}

bool ReadInteger(std::string_view text, long& value)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    long long result = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
        if (result > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (negative)
        result = -result;
    if (result > INT_MAX || result < INT_MIN)
        return false;
    value = static_cast<long>(result);
    return true;
}

long WholeNumberOrZero(std::string_view text)
{
    long value = 0;
    return ReadInteger(Trim(text), value) ? value : 0;
}

} // namespace lumtaris
