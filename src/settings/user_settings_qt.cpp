#include "settings/user_settings_qt.hpp"

#ifdef _WIN32
#include "settings/registry_key_win.hpp"
#else
#include "settings/file_key_qt.hpp"
#endif

namespace lumtaris {

std::unique_ptr<SettingsBackend> CreateUserSettingsBackend()
{
#ifdef _WIN32
    return std::make_unique<RegistrySettingsBackend>();
#else
    return std::make_unique<FileSettingsBackend>();
#endif
}

} // namespace lumtaris
