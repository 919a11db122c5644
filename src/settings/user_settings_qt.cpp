#include "settings/user_settings_qt.hpp"

#include "settings/memory_key.hpp"

namespace lumtaris {

// Until the settings file lands, settings last for the run only.
std::unique_ptr<SettingsBackend> CreateUserSettingsBackend()
{
    return std::make_unique<MemorySettingsBackend>();
}

} // namespace lumtaris
