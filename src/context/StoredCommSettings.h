#pragma once
#include <string>

#include "context/SettingsStore.h"
#include "link/CommSettings.h"

namespace pelmora::context {

/// The address of a "NET" port text: every leading 'N', 'E' or 'T' removed
/// (a character-set trim, as the link and the window read it, not a prefix cut).
std::string NetAddress(const std::string& port);

/// The communication settings as the desktop main window opens with them and
/// gathers them: "uPortType" .. "uFlowcontrol" under ProductKey, passed
/// through the window's lists (a port outside COM1..COM49 becomes COM1, a baud
/// rate outside the list 115200, flow control always none, the TCP port 9100).
/// An empty store gives serial COM1, 115200, 8 data bits, no parity, one stop
/// bit, no flow control.
link::CommSettings LoadCommSettings(const SettingsStore& store);

/// Stop bits (0 one, 2 two) for a stored "uStopbit". The window lists "1"
/// and "2" and takes a stored value other than 2 as that list's index, so a
/// stored 1 means two stop bits as well; anything else opens on one.
std::int32_t StopBitsFromStore(std::uint32_t stored);

/// Writes the seven values in the window's order; false when a write failed.
bool SaveCommSettings(SettingsStore& store, const link::CommSettings& settings);

}  // namespace pelmora::context
