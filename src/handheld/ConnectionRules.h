#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "context/SettingsStore.h"
#include "link/CommSettings.h"

/// The connection screen's rules, apart from its widgets: what it opens with,
/// what it gathers, what it hands to the link and what "Exit" keeps.
namespace pelmora::handheld {

/// The port type as the screen keeps and stores it (the link's is derived).
inline constexpr std::uint32_t kScreenSerial = 0;
inline constexpr std::uint32_t kScreenTcp = 2;

/// The three stored values.
struct HandheldComm {
    std::uint32_t screenPortType = kScreenSerial;
    std::string port;  ///< "COM1:", a typed device name, or "NET" + address
    std::uint32_t baudRate = 115200;  ///< the TCP port for TCP/IP
};

/// The screen's controls.
struct ConnectionForm {
    bool tcp = false;
    std::string port = "COM1:";
    int baudIndex = 6;  ///< of link::kBaudRates; -1 when none is selected
    std::string address = "192.168.1.1";
    std::string tcpPort = "9100";
};

/// "COM1:" .. "COM49:".
std::vector<std::string> ComPortEntries();

/// The baud-rate list's index for a stored rate: its own entry, any other "115200".
int BaudIndexOf(std::uint32_t rate);
/// The rate of a list index: any index outside the first six gives 115200.
std::uint32_t BaudOfIndex(int index);

/// The form after reading "uPortType", "uPort" and "uBaudrate"; the defaults
/// for whatever is missing or does not fit.
ConnectionForm RestoreConnection(const context::SettingsStore& store);

struct Gathered {
    enum Problem { None, BadAddress, BadTcpPort } problem = None;
    HandheldComm comm;
};
/// The three values of the form. TCP/IP: "NET" is put before the address
/// unless the box holds it already; the address and the port must be what
/// the link can take.
Gathered GatherConnection(const ConnectionForm& form);

/// What the printer context gets: port type 3 for TCP/IP, else 0; eight data
/// bits, no parity, one stop bit, flow control 1.
link::CommSettings LinkSettings(const HandheldComm& comm);

/// Writes the three values; "" when all were written, else the failure.
std::string SaveConnection(context::SettingsStore& store, const HandheldComm& comm);

}  // namespace pelmora::handheld
