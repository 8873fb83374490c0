#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace pelmora::link {

/// Interface numbers of the communication settings.
enum PortType : std::int32_t {
    PortSerial = 0,
    PortBluetooth = 1,
    PortUsb = 2,
    PortTcp = 3,
};

/// The serial speeds offered wherever one is chosen: the communication
/// settings and the printer's own serial interface.
inline constexpr std::array<std::uint32_t, 7> kBaudRates{2400, 4800, 9600, 19200, 38400, 57600, 115200};
/// What the lists open on, and what a rate outside them becomes.
inline constexpr std::uint32_t kDefaultBaudRate = 115200;

/// Position of `rate` in kBaudRates (a list's index), or -1; takes signed and unsigned alike.
constexpr int BaudIndexOf(std::int64_t rate) {
    const auto found = std::find(kBaudRates.begin(), kBaudRates.end(), rate);
    return found == kBaudRates.end() ? -1 : static_cast<int>(found - kBaudRates.begin());
}
constexpr bool IsListedBaudRate(std::int64_t rate) { return BaudIndexOf(rate) >= 0; }
inline constexpr int kDefaultBaudIndex = BaudIndexOf(kDefaultBaudRate);

/// The rate at a list's index; `otherwise` for no selection or an index past the list.
constexpr std::uint32_t BaudRateAt(int index, std::uint32_t otherwise = kDefaultBaudRate) {
    return index >= 0 && index < static_cast<int>(kBaudRates.size()) ? kBaudRates[static_cast<std::size_t>(index)]
                                                                      : otherwise;
}

/// The address of a "NET" port text. Stores of old kept a character-set trim
/// of 'N', 'E' and 'T', which for an address (digits next) is kept; a host
/// name ("NETTILL-1") loses the "NET" prefix only.
inline std::string NetAddress(const std::string& port) {
    const auto first = port.find_first_not_of("NET");
    if (first == std::string::npos) return std::string();
    if (port[first] >= '0' && port[first] <= '9') return port.substr(first);
    return port.rfind("NET", 0) == 0 ? port.substr(3) : port.substr(first);
}

/// What the link is opened with. For TCP/IP `port` is "NET" + dotted IPv4
/// and `baudRate` holds the TCP port number.
struct CommSettings {
    std::int32_t portType = PortSerial;
    std::string port = "COM1";
    std::int32_t baudRate = kDefaultBaudRate;
    std::int32_t dataBits = 8;
    std::int32_t parity = 0;       ///< 0 none, 1 odd, 2 even
    std::int32_t stopBits = 0;     ///< 0 one, 2 two
    std::int32_t flowControl = 0;  ///< 1 hardware (DTR/DSR), anything else none
};

}  // namespace pelmora::link
