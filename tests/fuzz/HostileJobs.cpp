#include "HostileJobs.h"

#include "HostilePrinter.h"

namespace pelmora::fuzz {

link::CommSettings SettingsFor(std::int32_t portType) {
    link::CommSettings settings;
    settings.portType = portType;
    switch (portType) {
    case link::PortTcp: settings.port = "NET127.0.0.1"; settings.baudRate = 9100; break;
    case link::PortUsb: settings.port = "/dev/usb/lp0"; break;
    default: settings.port = "COM1"; break;
    }
    return settings;
}

std::uint64_t WorstReadMs(std::int32_t portType, std::uint64_t capacity) {
    return portType == link::PortSerial || portType == link::PortBluetooth ? SerialSilenceMs(capacity)
                                                                           : kStreamSilenceMs;
}

}  // namespace pelmora::fuzz
