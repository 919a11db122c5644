#pragma once

// Settings held in memory, for tests. Keys opened from one backend share its values, as two
// handles of one registry key do.

#include "settings/settings_key.hpp"

#include <map>
#include <set>
#include <variant>

namespace lumtaris {

struct MemoryValue
{
    SettingsValueType type = SettingsValueType::String;
    std::variant<std::int32_t, std::string> data;
};

class MemorySettingsBackend final : public SettingsBackend
{
public:
    using Values = std::map<std::string, MemoryValue, std::less<>>;

    std::unique_ptr<SettingsKey> OpenOrCreate(std::string_view path) override;

    // The values of a key, to set up and inspect in tests.
    Values& ValuesOf(std::string_view path);
    bool HasKey(std::string_view path) const;

    // Keys on this path fail to open from now on, as an unwritable registry or settings file.
    void FailToOpen(std::string_view path);
    // Writes to keys on this path fail from now on.
    void FailWrites(std::string_view path);

private:
    friend class MemoryKey;
    std::map<std::string, Values, std::less<>> keys_;
    std::set<std::string, std::less<>> failingOpens_;
    std::set<std::string, std::less<>> failingWrites_;
};

} // namespace lumtaris
