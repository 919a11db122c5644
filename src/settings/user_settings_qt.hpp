#pragma once

// The settings of the current user: the registry on Windows, a settings file elsewhere.

#include "settings/settings_key.hpp"

#include <memory>

namespace lumtaris {

std::unique_ptr<SettingsBackend> CreateUserSettingsBackend();

} // namespace lumtaris
