#pragma once

// The four operations of the main window on its main settings key. They never fail loudly:
// a closed key, a missing value or one of another type gives the caller's default.

#include "settings/settings_key.hpp"

namespace lumtaris {

std::int32_t RegReadInteger(const SettingsKey& key, std::string_view name, std::int32_t fallback);
std::string RegReadString(const SettingsKey& key, std::string_view name, std::string_view fallback);
void RegWriteInteger(SettingsKey& key, std::string_view name, std::int32_t value);
void RegWriteString(SettingsKey& key, std::string_view name, std::string_view value);

// Value names of the main key.
inline constexpr std::string_view kLastZPSelected = "LastZPSelected";
inline constexpr std::string_view kLastActionSelected = "LastActionSelected";
inline constexpr std::string_view kLastWDirectory = "LastWDirectory";
inline constexpr std::string_view kLastBill = "LastBill";

} // namespace lumtaris
