#pragma once

// The one place where Qt text meets the core's code page 1250 text.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace lumtaris {

// Nothing when the text holds a character that code page 1250 cannot hold.
std::optional<std::string> ToCore(const QString& text);
QString FromCore(std::string_view text);

// Core strings that are UTF-8 already: profile texts and messages.
QString FromUtf8(std::string_view text);

// True when every character of the text has a place in code page 1250.
bool FitsCodePage1250(const QString& text);

} // namespace lumtaris
