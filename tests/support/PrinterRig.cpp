#include "support/PrinterRig.h"

#include <cstdlib>
#include <fstream>
#include <random>

#include "context/ResultCode.h"
#include "link/Trace.h"
#include "support/RecordingTrace.h"

namespace pelmora::test {

std::string Hex(std::span<const std::uint8_t> bytes) {
    return link::HexBytes(bytes.data(), bytes.size());
}

namespace {

link::CommSettings SettingsFor(std::int32_t portType) {
    if (portType == link::PortTcp) return LoopbackTcp();
    link::CommSettings settings;
    settings.portType = portType;
    settings.port = portType == link::PortUsb ? "/dev/usb/lp0" : "COM1";
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

const std::vector<std::string>& PrinterRig::TraceLines() {
    auto trace = std::make_unique<RecordingTrace>();
    const auto& lines = trace->lines;
    platform.SetTrace(std::move(trace));
    return lines;
}

}  // namespace pelmora::test
