#include "common/codepage.hpp"

#include <iterator>
#include <string>

#include <windows.h>

namespace lumtaris {

void AppendRecodedText(std::string& out, std::string_view text, CodePage source, CodePage target)
{
    if (!IsValidCodePage(source) || !IsValidCodePage(target)) {
        out.append(text);
        return;
    }
    if (text.empty())
        return;
    const int inLength = static_cast<int>(text.size());
    // A line of a submission file fits the buffer on the stack; longer texts take the heap.
    wchar_t stackWide[512];
    std::wstring heapWide;
    wchar_t* wide = stackWide;
    int wideLength = MultiByteToWideChar(source, 0, text.data(), inLength, nullptr, 0);
    if (wideLength <= 0) {
        out.append(text);
        return;
    }
    if (wideLength > static_cast<int>(std::size(stackWide))) {
        heapWide.resize(static_cast<std::size_t>(wideLength));
        wide = heapWide.data();
    }
    MultiByteToWideChar(source, 0, text.data(), inLength, wide, wideLength);
    const int outLength =
        WideCharToMultiByte(target, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) {
        out.append(text);
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(outLength));
    WideCharToMultiByte(target, 0, wide, wideLength, out.data() + start, outLength, nullptr,
                        nullptr);
}

std::string RecodeText(std::string_view text, CodePage source, CodePage target)
{
    std::string result;
    AppendRecodedText(result, text, source, target);
    return result;
}

} // namespace lumtaris
