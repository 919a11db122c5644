#include "common/codepage.hpp"

#include <windows.h>

namespace lumtaris {

std::string RecodeText(std::string_view text, CodePage source, CodePage target)
{
    if (!IsValidCodePage(source) || !IsValidCodePage(target))
        return std::string(text);
    if (text.empty())
        return {};
    const int inLength = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(source, 0, text.data(), inLength, nullptr, 0);
    if (wideLength <= 0)
        return std::string(text);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(source, 0, text.data(), inLength, wide.data(), wideLength);
    const int outLength =
        WideCharToMultiByte(target, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0)
        return std::string(text);
    std::string result(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(target, 0, wide.data(), wideLength, result.data(), outLength, nullptr,
                        nullptr);
    return result;
}

} // namespace lumtaris
