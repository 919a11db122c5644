#include "common/codepage.hpp"

#include "common/byte_recoder.hpp"

#include <array>
#include <cerrno>
#include <optional>
#include <string>

#include <iconv.h>

namespace lumtaris {

namespace {

class Converter
{
public:
    Converter(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str()))
    {
    }
    ~Converter()
    {
        if (ok())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole input; nothing when the converter refuses it.
    std::optional<std::string> Convert(std::string input)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char out[16];
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* outPtr = out;
        std::size_t outLeft = sizeof out;
        if (iconv(handle_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return std::string(out, static_cast<std::size_t>(outPtr - out));
    }

private:
    iconv_t handle_;
};

std::string IconvName(CodePage page)
{
    return "CP" + std::to_string(page);
}

std::string Utf32(char32_t c)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((c >> (8 * i)) & 0xFF);
    return bytes;
}

char32_t FromUtf32(const std::string& bytes)
{
    char32_t c = 0;
    for (int i = 3; i >= 0; --i)
        c = (c << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return c;
}

// What the Windows conversion to code page 852 makes of characters that 852 lacks.
std::optional<unsigned char> BestFit852(char32_t c)
{
    switch (c) {
    case 0x201A:
    case 0x2018:
    case 0x2019:
        return '\'';
    case 0x201E:
    case 0x201C:
    case 0x201D:
        return '"';
    case 0x2013:
    case 0x2014:
        return '-';
    case 0x2039:
        return '<';
    case 0x203A:
        return '>';
    case 0x2030:
        return '%';
    case 0x2122:
        return 't';
    case 0x00A6:
        return '|';
    case 0x00A9:
        return 'c';
    case 0x00AE:
        return 'R';
    case 0x00B1:
        return '+';
    case 0x00B5:
        return 'u';
    case 0x00B6:
        return 0x14;
    case 0x2026:
    case 0x2022:
    case 0x00B7:
        return 0x07;
    case 0x2020:
    case 0x2021:
        return 0xC5;
    default:
        return std::nullopt;
    }
}

// Builds the byte table of a pair of single-byte code pages, or nothing when iconv does not
// know one of them or one of them is not single-byte.
std::optional<ByteRecoder> BuildTable(CodePage source, CodePage target)
{
    Converter decode("UTF-32LE", IconvName(source));
    Converter encode(IconvName(target), "UTF-32LE");
    if (!decode.ok() || !encode.ok())
        return std::nullopt;
    ByteRecoder::Table table{};
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        char32_t c =
            static_cast<char32_t>(b); // an undefined byte reads as the control of its number
        if (const auto wide = decode.Convert(byte)) {
            if (wide->size() != 4)
                return std::nullopt;
            c = FromUtf32(*wide);
        } else if (errno == EINVAL) {
            return std::nullopt; // a lead byte: not a single-byte code page
        }
        unsigned char result = '?';
        if (const auto narrow = encode.Convert(Utf32(c))) {
            if (narrow->size() != 1)
                return std::nullopt;
            result = static_cast<unsigned char>((*narrow)[0]);
        } else if (target == kCodePage852) {
            result = BestFit852(c).value_or('?');
        }
        table[static_cast<std::size_t>(b)] = result;
    }
    return ByteRecoder(table);
}

// The table of a pair of code pages: the one of 1250 to 852, which the writers use for every
// line and which is built once, or one built into `built`. Nothing when a page is unsupported.
const ByteRecoder* TableFor(CodePage source, CodePage target, std::optional<ByteRecoder>& built)
{
    static const std::optional<ByteRecoder> k1250To852 = BuildTable(kCodePage1250, kCodePage852);
    if (source == kCodePage1250 && target == kCodePage852)
        return k1250To852 ? &*k1250To852 : nullptr;
    built = BuildTable(source, target);
    return built ? &*built : nullptr;
}

} // namespace

void AppendRecodedText(std::string& out, std::string_view text, CodePage source, CodePage target)
{
    if (text.empty())
        return;
    std::optional<ByteRecoder> built;
    const ByteRecoder* table = TableFor(source, target, built);
    const std::size_t start = out.size();
    out.append(text);
    if (table != nullptr)
        table->Copy(out.data() + start, text.size(), out.data() + start);
}

std::string RecodeText(std::string_view text, CodePage source, CodePage target)
{
    if (text.empty())
        return {};
    std::optional<ByteRecoder> built;
    const ByteRecoder* table = TableFor(source, target, built);
    std::string result(text);
    if (table != nullptr)
        table->Copy(result.data(), result.size(), result.data());
    return result;
}

} // namespace lumtaris
