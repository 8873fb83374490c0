#pragma once
#include <functional>
#include <memory>

#include "context/SettingsStore.h"
#include "link/Platform.h"

namespace pelmora::context {

/// Where the store comes from when a port name is resolved: asked at each
/// open, so a program may replace its store after the start.
using StoreSource = std::function<const SettingsStore&()>;

/// The system's link services for one program run: port names resolved
/// through the store's port map, diagnostic lines to stderr when `traced`
/// or when PELMORA_TRACE is set to anything but "" or "0", else dropped.
std::unique_ptr<link::Platform> StartSystemPlatform(StoreSource store, bool traced = false);

}  // namespace pelmora::context
