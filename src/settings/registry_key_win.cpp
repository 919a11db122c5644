#include "settings/registry_key_win.hpp"

#include <windows.h>

namespace lumtaris {

namespace {

// Nothing when the text is not valid UTF-8: such a name is not looked up under another name.
std::optional<std::wstring> Wide(std::string_view utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int inLength = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, wide.data(), length);
    return wide;
}

std::optional<std::string> Utf8(std::wstring_view wide)
{
    if (wide.empty())
        return std::string();
    const int inLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), inLength,
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), inLength, utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

SettingsValueType TypeFromRegistry(DWORD type)
{
    switch (type) {
    case REG_DWORD:
        return SettingsValueType::Integer;
    case REG_SZ:
        return SettingsValueType::String;
    case REG_EXPAND_SZ:
        return SettingsValueType::ExpandString;
    default:
        return SettingsValueType::Other;
    }
}

// Value names are at most 16383 characters long.
constexpr std::size_t kLongestValueName = 16384;

class RegistryKey final : public SettingsKey
{
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override
    {
        if (key_)
            RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const override { return key_ != nullptr; }

    bool ValueExists(std::string_view name) const override
    {
        return TypeOf(name) != SettingsValueType::None;
    }

    SettingsValueType TypeOf(std::string_view name) const override
    {
        const auto wideName = Wide(name);
        DWORD type = REG_NONE;
        if (!key_ || !wideName ||
            RegQueryValueExW(key_, wideName->c_str(), nullptr, &type, nullptr, nullptr) !=
                ERROR_SUCCESS)
            return SettingsValueType::None;
        return TypeFromRegistry(type);
    }

    std::vector<std::string> ValueNames() const override
    {
        std::vector<std::string> names;
        for (const std::wstring& wideName : WideValueNames()) {
            if (auto name = Utf8(wideName))
                names.push_back(std::move(*name));
        }
        return names;
    }

    std::optional<std::int32_t> ReadInteger(std::string_view name) const override
    {
        const auto wideName = Wide(name);
        if (!key_ || !wideName)
            return std::nullopt;
        DWORD type = REG_NONE;
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegQueryValueExW(key_, wideName->c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
            type != REG_DWORD || size != sizeof value)
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }

    std::optional<std::string> ReadString(std::string_view name) const override
    {
        const auto wideName = Wide(name);
        if (!key_ || !wideName)
            return std::nullopt;
        DWORD type = REG_NONE;
        DWORD size = 0;
        LONG result = RegQueryValueExW(key_, wideName->c_str(), nullptr, &type, nullptr, &size);
        std::wstring text;
        while (result == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
            // Room for a terminating zero that the stored data may lack.
            text.assign(size / sizeof(wchar_t) + 1, L'\0');
            DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
            result = RegQueryValueExW(key_, wideName->c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(text.data()), &got);
            if (result == ERROR_MORE_DATA) {
                // Rewritten longer in between: ask again.
                size = got;
                result = ERROR_SUCCESS;
                continue;
            }
            if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
                return std::nullopt;
            // The text ends at its first zero, as every reader of registry strings sees it.
            text.resize(got / sizeof(wchar_t));
            if (const std::size_t end = text.find(L'\0'); end != std::wstring::npos)
                text.resize(end);
            return Utf8(text);
        }
        return std::nullopt;
    }

    bool WriteInteger(std::string_view name, std::int32_t value) override
    {
        const auto wideName = Wide(name);
        if (!key_ || !wideName)
            return false;
        const DWORD data = static_cast<DWORD>(value);
        return RegSetValueExW(key_, wideName->c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
    }

    bool WriteString(std::string_view name, std::string_view value) override
    {
        const auto wideName = Wide(name);
        const auto wideValue = Wide(value);
        // A zero inside would cut the text short when read back.
        if (!key_ || !wideName || !wideValue || wideValue->find(L'\0') != std::wstring::npos)
            return false;
        const DWORD size = static_cast<DWORD>((wideValue->size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_, wideName->c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(wideValue->c_str()),
                              size) == ERROR_SUCCESS;
    }

    bool DeleteValue(std::string_view name) override
    {
        const auto wideName = Wide(name);
        return key_ && wideName && RegDeleteValueW(key_, wideName->c_str()) == ERROR_SUCCESS;
    }

    // The registry has no transaction here: every old value goes, then the new ones are
    // written; a failure part way is reported and leaves what was done.
    bool
    ReplaceAllWithStrings(const std::vector<std::pair<std::string, std::string>>& values) override
    {
        if (!key_)
            return false;
        bool ok = true;
        // By the registry's own names, so that a name UTF-8 cannot hold goes too.
        for (const std::wstring& name : WideValueNames())
            ok = RegDeleteValueW(key_, name.c_str()) == ERROR_SUCCESS && ok;
        ok = ok && WideValueNames().empty();
        for (const auto& [name, text] : values)
            ok = WriteString(name, text) && ok;
        return ok;
    }

private:
    std::vector<std::wstring> WideValueNames() const
    {
        std::vector<std::wstring> names;
        DWORD longestName = 0;
        if (!key_ ||
            RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             &longestName, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        std::wstring buffer(longestName + 1, L'\0');
        for (DWORD index = 0;;) {
            DWORD length = static_cast<DWORD>(buffer.size());
            const LONG result = RegEnumValueW(key_, index, buffer.data(), &length, nullptr, nullptr,
                                              nullptr, nullptr);
            if (result == ERROR_MORE_DATA && buffer.size() < kLongestValueName) {
                // A longer name was written since the key was asked; ask again, larger.
                buffer.resize(buffer.size() * 2);
                continue;
            }
            if (result != ERROR_SUCCESS)
                break;
            names.emplace_back(buffer.data(), length);
            ++index;
        }
        return names;
    }

    HKEY key_; // null when opening failed
};

} // namespace

std::unique_ptr<SettingsKey> RegistrySettingsBackend::OpenOrCreate(std::string_view path)
{
    HKEY key = nullptr;
    const auto widePath = Wide(path);
    if (!widePath ||
        RegCreateKeyExW(HKEY_CURRENT_USER, widePath->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        key = nullptr;
    return std::make_unique<RegistryKey>(key);
}

} // namespace lumtaris
