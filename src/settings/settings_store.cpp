#include "settings/settings_store.hpp"

namespace lumtaris {

std::int32_t RegReadInteger(const SettingsKey& key, std::string_view name, std::int32_t fallback)
{
    if (!key.IsOpen() || !key.ValueExists(name))
        return fallback;
    return key.ReadInteger(name).value_or(fallback);
}

std::string RegReadString(const SettingsKey& key, std::string_view name, std::string_view fallback)
{
    if (!key.IsOpen() || !key.ValueExists(name))
        return std::string(fallback);
    return key.ReadString(name).value_or(std::string(fallback));
}

void RegWriteInteger(SettingsKey& key, std::string_view name, std::int32_t value)
{
    if (key.IsOpen())
        key.WriteInteger(name, value);
}

void RegWriteString(SettingsKey& key, std::string_view name, std::string_view value)
{
    if (key.IsOpen())
        key.WriteString(name, value);
}

} // namespace lumtaris
