#pragma once

// Text helpers behind every fixed-width column of the submission files. Texts are 8-bit
// (code page 1250), one byte a character.

#include <string>
#include <string_view>

namespace lumtaris {

// True when every character is a decimal digit; the empty text counts as all digits.
bool IsAllDigits(std::string_view text);

// Removes every character of code 32 or lower from both ends.
std::string Trim(std::string_view text);

// Cuts the text to `width` characters, keeping its start, then fills it up to `width` with
// `fill`, in front when `padLeft` is set. Width 0 or less gives the empty text.
std::string PadText(std::string_view text, char fill, int width, bool padLeft);

// Drops one trailing separator ("\" or "/") together with the blanks around the whole path,
// and turns a bare drive ("C:") into its root ("C:\").
std::string NormalizeDirectory(std::string_view path);

// Hands out the trimmed text before the first `separator` and removes it, with the
// separator, from `source`. Without a separator the whole trimmed source is handed out.
std::string SplitAtSeparator(std::string& source, std::string_view separator);

// Reads an integer as the date and number fields accept it: leading blanks, an optional sign,
// then digits only. Returns false for anything else, or for a value outside 32 bits.
bool ReadInteger(std::string_view text, long& value);

// Whole-number value of a digits field as the number edits hold it; anything that is not a
// whole number, and the empty text, reads as 0.
long WholeNumberOrZero(std::string_view text);

} // namespace lumtaris
