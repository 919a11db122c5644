#pragma once

// Code page recoding of file lines, and the one conversion between the program's 8-bit texts
// (code page 1250) and UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumtaris {

using CodePage = std::uint16_t;

inline constexpr CodePage kCodePage1250 = 1250;
inline constexpr CodePage kCodePage852 = 852;

// The code page of the program's own texts. It is 1250 everywhere, whatever the system's
// own code page, so that Czech letters survive on any system.
CodePage SystemAnsiCodePage();

// Recodes `text` from `source` to `target` as the Windows conversion does with flags 0:
// a character the target lacks becomes a look-alike where one exists, otherwise "?".
// An unsupported code page on either side returns the text unchanged. Outside Windows only
// single-byte code pages are supported.
std::string RecodeText(std::string_view text, CodePage source, CodePage target);

// RecodeText of `text`, appended to `out`: for writers that build a whole file line by line
// without a string of their own per line. `text` must not lie within `out`.
void AppendRecodedText(std::string& out, std::string_view text, CodePage source, CodePage target);

// UTF-8 to code page 1250; nothing when a character has no place in 1250 or the UTF-8 is
// malformed. Text is never quietly changed on the way in.
std::optional<std::string> Cp1250FromUtf8(std::string_view utf8);
std::string Utf8FromCp1250(std::string_view text);

// The Unicode character of a code page 1250 byte.
char32_t UnicodeOfCp1250(unsigned char byte);

} // namespace lumtaris
