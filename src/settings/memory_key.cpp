#include "settings/memory_key.hpp"

namespace lumtaris {

class MemoryKey final : public SettingsKey
{
public:
    MemoryKey(MemorySettingsBackend* backend, std::string path)
        : backend_(backend), path_(std::move(path))
    {
    }

    bool IsOpen() const override { return backend_ != nullptr; }

    bool ValueExists(std::string_view name) const override
    {
        return TypeOf(name) != SettingsValueType::None;
    }

    SettingsValueType TypeOf(std::string_view name) const override
    {
        const MemoryValue* value = Find(name);
        return value ? value->type : SettingsValueType::None;
    }

    std::vector<std::string> ValueNames() const override
    {
        std::vector<std::string> names;
        if (IsOpen()) {
            for (const auto& [name, value] : backend_->ValuesOf(path_))
                names.push_back(name);
        }
        return names;
    }

    std::optional<std::int32_t> ReadInteger(std::string_view name) const override
    {
        const MemoryValue* value = Find(name);
        if (!value || value->type != SettingsValueType::Integer)
            return std::nullopt;
        return std::get<std::int32_t>(value->data);
    }

    std::optional<std::string> ReadString(std::string_view name) const override
    {
        const MemoryValue* value = Find(name);
        if (!value || (value->type != SettingsValueType::String &&
                       value->type != SettingsValueType::ExpandString))
            return std::nullopt;
        return std::get<std::string>(value->data);
    }

    bool WriteInteger(std::string_view name, std::int32_t value) override
    {
        return Write(name, MemoryValue{SettingsValueType::Integer, value});
    }

    bool WriteString(std::string_view name, std::string_view value) override
    {
        return Write(name, MemoryValue{SettingsValueType::String, std::string(value)});
    }

    bool DeleteValue(std::string_view name) override
    {
        if (!Writable())
            return false;
        auto& values = backend_->ValuesOf(path_);
        const auto it = values.find(name);
        if (it == values.end())
            return false;
        values.erase(it);
        return true;
    }

    bool
    ReplaceAllWithStrings(const std::vector<std::pair<std::string, std::string>>& values) override
    {
        if (!Writable())
            return false;
        auto& stored = backend_->ValuesOf(path_);
        stored.clear();
        for (const auto& [name, text] : values)
            stored[name] = MemoryValue{SettingsValueType::String, text};
        return true;
    }

private:
    const MemoryValue* Find(std::string_view name) const
    {
        if (!IsOpen())
            return nullptr;
        const auto& values = backend_->ValuesOf(path_);
        const auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }

    bool Writable() const { return IsOpen() && !backend_->failingWrites_.contains(path_); }

    bool Write(std::string_view name, MemoryValue value)
    {
        if (!Writable())
            return false;
        backend_->ValuesOf(path_)[std::string(name)] = std::move(value);
        return true;
    }

    MemorySettingsBackend* backend_; // null when opening failed
    std::string path_;
};

std::unique_ptr<SettingsKey> MemorySettingsBackend::OpenOrCreate(std::string_view path)
{
    if (failingOpens_.contains(path))
        return std::make_unique<MemoryKey>(nullptr, std::string(path));
    keys_.try_emplace(std::string(path));
    return std::make_unique<MemoryKey>(this, std::string(path));
}

MemorySettingsBackend::Values& MemorySettingsBackend::ValuesOf(std::string_view path)
{
    return keys_.try_emplace(std::string(path)).first->second;
}

bool MemorySettingsBackend::HasKey(std::string_view path) const
{
    return keys_.find(path) != keys_.end();
}

void MemorySettingsBackend::FailToOpen(std::string_view path)
{
    failingOpens_.emplace(path);
}

void MemorySettingsBackend::FailWrites(std::string_view path)
{
    failingWrites_.emplace(path);
}

} // namespace lumtaris
