#include "platform/core_text.hpp"

#include "common/codepage.hpp"

namespace lumtaris {

std::optional<std::string> ToCore(const QString& text)
{
    // Qt would turn a surrogate (an emoji, or half of one cut off by a length limit) into
    // "?", which code page 1250 would then take as a real character.
    for (const QChar c : text) {
        if (c.isSurrogate())
            return std::nullopt;
    }
    return Cp1250FromUtf8(text.toStdString());
}

QString FromCore(std::string_view text)
{
    return FromUtf8(Utf8FromCp1250(text));
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool FitsCodePage1250(const QString& text)
{
    return ToCore(text).has_value();
}

} // namespace lumtaris
