#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "context/Layout.h"
#include "context/SettingsStore.h"
#include "link/CommSettings.h"

/// The one reader and writer of the stored communication settings ("uPortType"
/// .. "uFlowcontrol" under ProductKey), for the command line and both programs.
namespace pelmora::context {

/// The connection the store describes, as the program's window opens on it
/// and as the link takes it.
struct StoredComm {
    link::CommSettings settings;
    /// Stored values that could not be read or shown, "(file)" first when a
    /// line of the store is damaged or the file is no store; the window's
    /// default stands in for each.
    std::vector<std::string> unreadable;
    /// A port type is stored: some program chose a connection.
    bool chosen = false;
};

/// Desktop (and command line): nothing but defaults unless "uPortType" reads;
/// then the seven values, a failed number read giving 0. Serial and Bluetooth
/// pass through the window's lists: a port outside COM1..COM49 becomes COM1, a
/// baud rate outside the list 115200, parity outside 0..2 none, flow control
/// none; stop bits as StopBitsFromStore. USB keeps what is stored. TCP/IP
/// takes link::NetAddress of the port (0.0.0.0 and "uPort" unreadable when that is
/// no dotted IPv4 address) and the TCP port stored in "uBaudrate" (9100 when it
/// is none). Any other port type: the numbers as stored.
/// Handheld: "uPortType" (3 TCP/IP, anything else serial), "uPort" and
/// "uBaudrate" only. Serial keeps a port starting with "COM" (else "COM1:")
/// and a listed rate (else 115200); TCP/IP keeps a port starting with "NET"
/// and its stored TCP port (else NET192.168.1.1 and 9100); the rest as
/// HandheldLink.
/// Both programs share one store and one numbering (the link's port types);
/// a 2 with a "NET" port, as older handhelds wrote TCP/IP, reads as TCP/IP.
StoredComm ReadCommSettings(const SettingsStore& store, Layout program);

/// Writes, in one go, what `program` keeps: the desktop the seven values in
/// its window's order (port type as given, -1 for none), the handheld the
/// port type (3 for TCP/IP, else 0), the port and the baud rate. "" when
/// written, else why not; what was stored then stays.
std::string WriteCommSettings(SettingsStore& store, const link::CommSettings& settings, Layout program);

/// What the handheld hands the link: the port and speed (the TCP port for
/// TCP/IP) with eight data bits, no parity, one stop bit, flow control 1.
link::CommSettings HandheldLink(std::int32_t portType, std::string port, std::uint32_t baudRate);

/// Stop bits (0 one, 2 two) for a stored "uStopbit". The desktop window lists
/// "1" and "2" and takes a stored value other than 2 as that list's index, so
/// a stored 1 means two stop bits as well; anything else is one.
std::int32_t StopBitsFromStore(std::uint32_t stored);

/// The serial ports the windows list: "COM1" .. "COM49", on the handheld
/// "COM1:" .. "COM49:".
std::vector<std::string> ComPortEntries(Layout program);

}  // namespace pelmora::context
