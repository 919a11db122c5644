#pragma once

// Start-up: the main window is created first, then the insurer and the action dialog ask for
// the choice of the run, each preset from the settings; both answers are remembered and the
// window is set up. The dialogs run through Platform::RunDialog, so a test scripts them by
// acting on the open dialog (selecting, then accept() or reject()) and nothing blocks.

#include "app/main_window.hpp"

#include <memory>

namespace lumtaris {

// The set-up main window, not yet shown; nothing when the user left a dialog without OK.
std::unique_ptr<TfrmMain> RunStartup(SettingsBackend& settings, Platform& platform);

} // namespace lumtaris
