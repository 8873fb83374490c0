#include "support/PrinterRig.h"

#include <cstdlib>
#include <fstream>
#include <random>

#include "context/ResultCode.h"
#include "link/Trace.h"

namespace pelmora::test {

std::string Hex(std::span<const std::uint8_t> bytes) {
    return link::HexBytes(bytes.data(), bytes.size());
}

namespace {

link::CommSettings SettingsFor(std::int32_t portType) {
    link::CommSettings settings;
    settings.portType = portType;
    switch (portType) {
    case link::PortTcp:
        settings.port = "NET127.0.0.1";
        settings.baudRate = 9100;
        break;
    case link::PortUsb: settings.port = "/dev/usb/lp0"; break;
    default: settings.port = "COM1"; break;
    }
    return settings;
}

}  // namespace

PrinterRig::PrinterRig(std::int32_t portType)
    : platform(printer), util(platform), store(dir / "registry.reg") {
    util.HandOver(SettingsFor(portType));
}

bool PrinterRig::Open() { return util.link().OpenPort() == 1; }

bool PrinterRig::Identify() {
    return util.QueryPrinter(context::QUERY_MODEL) == rc::Ok &&
           util.QueryPrinter(context::QUERY_VERSION) == rc::Ok;
}

std::uint64_t PrinterRig::Now() const { return platform.virtualClock().Now(); }

std::vector<std::uint8_t> PrinterRig::TakeReceived() {
    const auto& all = printer.received();
    std::vector<std::uint8_t> fresh(all.begin() + static_cast<std::ptrdiff_t>(std::min(taken_, all.size())), all.end());
    taken_ = all.size();
    return fresh;
}

}  // namespace pelmora::test
