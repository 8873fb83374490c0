#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

/// A networked printer's raw print port: where TCP/IP settings open, and what
/// an address given without a port reaches.
inline constexpr std::uint16_t kPrinterTcpPort = 9100;

/// A TCP/IP port text is this prefix and an address or host name.
inline constexpr std::string_view kNetPrefix = "NET";
inline std::string NetPort(std::string_view address) { return std::string(kNetPrefix) + std::string(address); }
inline bool IsNetPort(std::string_view port) { return port.starts_with(kNetPrefix); }
/// The address of a port text (or of what an address box holds). Stores of
/// old kept a character-set trim of 'N', 'E' and 'T', which for an address
/// (digits next) is kept; a host name ("NETTILL-1") loses the prefix only.
inline std::string NetAddress(std::string_view port) {
    const auto first = port.find_first_not_of(kNetPrefix);
    if (first == std::string_view::npos) return std::string();
    if (port[first] >= '0' && port[first] <= '9') return std::string(port.substr(first));
    return std::string(IsNetPort(port) ? port.substr(kNetPrefix.size()) : port.substr(first));
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

/// Port type of a link whose owner has not chosen one: OpenPort opens nothing.
inline constexpr std::int32_t kPortUnset = -1;

/// What a link holds until its owner configures it, and what the printer
/// context hands it until a window or the command line hands over their own.
inline CommSettings LinkDefaults() { return {kPortUnset, "COM1:", kDefaultBaudRate, 8, 0, 0, 1}; }

}  // namespace pelmora::link
