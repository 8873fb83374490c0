#pragma once
#include <map>
#include <string>

#include "context/SettingsStore.h"

namespace pelmora::context {

/// Key of the port map: text values "COMn" = device path.
inline constexpr const char* PortMapKey = "Software\\Korvane\\Pelmora\\Ports";

/// The device path a port name stands for. "\\.\" before and ":" after a COM
/// name are dropped; "COMn" is looked up in the port map and falls back to
/// ComDevice(n); any other name (a device path) is used as it stands.
std::string ResolvePortName(const SettingsStore& store, const std::string& name);

/// The system's own device for COMn (n >= 1): /dev/ttyS(n-1) on Linux
/// (ComDevice.cpp), \\.\COMn on Windows (win32/ComDevice.cpp).
std::string ComDevice(unsigned number);

/// The "COMn" entries of the port map (case as stored).
std::map<std::string, std::string> ReadPortMap(const SettingsStore& store);

}  // namespace pelmora::context
