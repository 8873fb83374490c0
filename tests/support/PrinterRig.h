#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "context/PrinterContext.h"
#include "context/SettingsStore.h"
#include "link/CommSettings.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualPlatform.h"
#include "support/TempDir.h"

namespace pelmora::test {

/// TCP/IP settings for a port on a loopback address.
inline link::CommSettings LoopbackTcp(std::uint16_t port = link::kPrinterTcpPort, const char* host = "127.0.0.1") {
    link::CommSettings s;
    s.portType = link::PortTcp;
    s.port = link::NetPort(host);
    s.baudRate = port;
    return s;
}

/// The link's settings with one change, as a test arranges them.
template <class Edit>
void Reconfigure(link::PrinterLink& link, Edit edit) {
    link::CommSettings s = link.settings();
    edit(s);
    link.Configure(s);
}

/// "1D 49 43" for failure messages.
std::string Hex(std::span<const std::uint8_t> bytes);

/// The virtual printer, the simulated platform on virtual time, a printer
/// context with its settings applied, and a settings store on a temporary file.
struct PrinterRig {
    explicit PrinterRig(std::int32_t portType = link::PortTcp);

    TempDir dir;
    sim::PrinterModel printer;
    sim::VirtualPlatform platform;
    context::PrinterContext util;
    context::SettingsStore store;

    bool Open();
    /// QUERY_MODEL then QUERY_VERSION; true when both succeed.
    bool Identify();
    std::uint64_t Now() const;
    /// The bytes the printer received since the last call.
    std::vector<std::uint8_t> TakeReceived();
    /// The lines traced from now on, as --trace shows them.
    const std::vector<std::string>& TraceLines();

private:
    std::size_t taken_ = 0;
};

}  // namespace pelmora::test

namespace std {
// Byte vectors print as hex in gtest failures.
inline void PrintTo(const vector<uint8_t>& bytes, ostream* os) {
    *os << '[' << pelmora::test::Hex(bytes) << ']';
}
}  // namespace std
