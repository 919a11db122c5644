#pragma once

// A named settings key: the registry key on Windows, a section of the settings file elsewhere,
// a map in tests. Names and string values are UTF-8. Every operation is silent on failure.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumtaris {

// The types the registry keeps apart; a plain string and an expandable one are different.
enum class SettingsValueType
{
    None, // no such value
    Integer,
    String,
    ExpandString,
    Other,
};

class SettingsKey
{
public:
    virtual ~SettingsKey() = default;

    // False when the key could not be opened or created; every read then fails and every
    // write is skipped.
    virtual bool IsOpen() const = 0;

    virtual bool ValueExists(std::string_view name) const = 0;
    virtual SettingsValueType TypeOf(std::string_view name) const = 0;
    virtual std::vector<std::string> ValueNames() const = 0;

    // Nothing when the value is missing or of another type. A string read takes both plain and
    // expandable strings, as the registry's string read does.
    virtual std::optional<std::int32_t> ReadInteger(std::string_view name) const = 0;
    virtual std::optional<std::string> ReadString(std::string_view name) const = 0;

    // Each write replaces a value of that name of any type. False when it failed.
    virtual bool WriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual bool WriteString(std::string_view name, std::string_view value) = 0;
    virtual bool DeleteValue(std::string_view name) = 0;

    // Deletes every value of the key and writes these strings instead, as one change where
    // the backend can make it one.
    virtual bool
    ReplaceAllWithStrings(const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

// Opens keys by path below the current user's settings, creating missing ones.
class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;

    // Never null: a key that could not be opened reports IsOpen() false.
    virtual std::unique_ptr<SettingsKey> OpenOrCreate(std::string_view path) = 0;
};

inline constexpr std::string_view kMainKeyPath = "SOFTWARE\\Brennic\\Lumtaris";
inline constexpr std::string_view kSubjectKeyPath = "SOFTWARE\\Brennic\\Lumtaris\\Subjekt";

} // namespace lumtaris
