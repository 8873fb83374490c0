#include "context/StoredCommSettings.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace pelmora::context {

namespace {

bool IsListedComPort(const std::string& port) {
    if (port.size() < 4 || port.size() > 5 || port.compare(0, 3, "COM") != 0) return false;
    if (!std::all_of(port.begin() + 3, port.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    if (port[3] == '0') return false;
    const int n = std::atoi(port.c_str() + 3);
    return n >= 1 && n <= 49;
}

}  // namespace

std::string NetAddress(const std::string& port) {
    const auto first = port.find_first_not_of("NET");
    return first == std::string::npos ? std::string() : port.substr(first);
}

std::int32_t StopBitsFromStore(std::uint32_t stored) { return stored == 1 || stored == 2 ? 2 : 0; }

link::CommSettings LoadCommSettings(const SettingsStore& store) {
    link::CommSettings settings;  // the window's defaults
    std::uint32_t portType = 0;
    if (!store.GetRegDword(ProductKey, "uPortType", portType)) return settings;

    std::string port;
    std::uint32_t baud = 0, dataBits = 0, parity = 0, stopBits = 0, flow = 0;
    store.GetRegString(ProductKey, "uPort", port);
    store.GetRegDword(ProductKey, "uBaudrate", baud);
    store.GetRegDword(ProductKey, "uDatabit", dataBits);
    store.GetRegDword(ProductKey, "uParity", parity);
    store.GetRegDword(ProductKey, "uStopbit", stopBits);
    store.GetRegDword(ProductKey, "uFlowcontrol", flow);

    settings.portType = static_cast<std::int32_t>(portType);
    switch (settings.portType) {
    case link::PortSerial:
    case link::PortBluetooth:
        if (IsListedComPort(port)) settings.port = port;
        if (link::IsListedBaudRate(baud)) settings.baudRate = static_cast<std::int32_t>(baud);
        if (parity <= 2) settings.parity = static_cast<std::int32_t>(parity);
        settings.stopBits = StopBitsFromStore(stopBits);
        settings.flowControl = 0;  // the list always opens on "NONE"
        break;
    case link::PortUsb:
        settings.port = port;
        break;
    case link::PortTcp:
        settings.port = "NET" + NetAddress(port);
        settings.baudRate = 9100;  // the port box always opens on 9100
        break;
    default:
        // No interface the window knows: jobs run with what the store holds.
        settings.port = port;
        settings.baudRate = static_cast<std::int32_t>(baud);
        settings.dataBits = static_cast<std::int32_t>(dataBits);
        settings.parity = static_cast<std::int32_t>(parity);
        settings.stopBits = static_cast<std::int32_t>(stopBits);
        settings.flowControl = static_cast<std::int32_t>(flow);
        break;
    }
    return settings;
}

bool SaveCommSettings(SettingsStore& store, const link::CommSettings& s) {
    const auto number = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    // One write, so a port never meets the other port type's numbers.
    return store.SetRegValues(ProductKey, {{"uPortType", number(s.portType)},
                                           {"uPort", s.port},
                                           {"uBaudrate", number(s.baudRate)},
                                           {"uDatabit", number(s.dataBits)},
                                           {"uParity", number(s.parity)},
                                           {"uStopbit", number(s.stopBits)},
                                           {"uFlowcontrol", number(s.flowControl)}}) == 1;
}

}  // namespace pelmora::context
