#pragma once
#include "handheld/ConnectionScreen.h"

namespace pelmora::handheld {

/// The sentinel window in its handheld layout, for step 2's "Advance..".
SentinelEditor HandheldSentinelWindow(ui::Prompts& prompts);

/// The NV job and manager in their handheld layout, for "NV Manager".
NvLauncher HandheldNvManager(context::SettingsStore& store, ui::Prompts& prompts, ui::PhaseTimer* timer = nullptr);

}  // namespace pelmora::handheld
