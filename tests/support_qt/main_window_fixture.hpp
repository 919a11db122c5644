#pragma once

// Starts the real program's start-up with scripted answers to both dialogs.

#include "app/main_window.hpp"
#include "settings/memory_key.hpp"
#include "support_qt/scripted_platform.hpp"

#include <memory>

namespace lumtaris {

// The position of an insurer in the insurer dialog's list.
int ListPositionOf(InsurerIndex insurer);

// Queues the two dialog answers that choose this insurer and kind.
void ScriptChoice(ScriptedPlatform& platform, InsurerIndex insurer, ActionKind kind);

// A set-up main window for the insurer and kind, shown (offscreen) as a person would see it.
std::unique_ptr<TfrmMain> StartWindow(MemorySettingsBackend& settings, ScriptedPlatform& platform,
                                      InsurerIndex insurer, ActionKind kind);

} // namespace lumtaris
