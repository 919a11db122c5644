#pragma once

// The settings of the current user in the Windows registry: keys below HKEY_CURRENT_USER,
// created on first use. Names and strings are UTF-8 here and UTF-16 in the registry.

#include "settings/settings_key.hpp"

namespace lumtaris {

class RegistrySettingsBackend final : public SettingsBackend
{
public:
    // The path is relative to HKEY_CURRENT_USER, with backslashes; missing parents are created.
    std::unique_ptr<SettingsKey> OpenOrCreate(std::string_view path) override;
};

} // namespace lumtaris
