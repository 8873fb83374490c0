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

/// Whether `rate` is one of kBaudRates; takes signed and unsigned alike.
constexpr bool IsListedBaudRate(std::int64_t rate) {
    return std::find(kBaudRates.begin(), kBaudRates.end(), rate) != kBaudRates.end();
}

/// What the link is opened with. For TCP/IP `port` is "NET" + dotted IPv4
/// and `baudRate` holds the TCP port number.
struct CommSettings {
    std::int32_t portType = PortSerial;
    std::string port = "COM1";
    std::int32_t baudRate = 115200;
    std::int32_t dataBits = 8;
    std::int32_t parity = 0;       ///< 0 none, 1 odd, 2 even
    std::int32_t stopBits = 0;     ///< 0 one, 2 two
    std::int32_t flowControl = 0;  ///< 1 hardware (DTR/DSR), anything else none
};

}  // namespace pelmora::link
