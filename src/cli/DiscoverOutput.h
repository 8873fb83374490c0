#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "context/LocalDiscovery.h"
#include "context/TcpDiscovery.h"
#include "link/BluetoothDevices.h"

namespace pelmora::cli {

/// Everything one `discover` run learned.
struct DiscoveryFindings {
    context::TcpDiscoveryResult tcp;
    std::uint64_t tcpTotal = 0;  ///< addresses the targets hold
    context::LocalDiscoveryResult local;
    bool localSearched = false;
    link::BluetoothListing bluetooth;
    bool bluetoothSearched = false;

    bool Stopped() const { return tcp.stopped || local.stopped; }
};

/// How a found printer is named to the other commands, as a line of a
/// printers file: "tcp 10.0.0.5:9100", "tcp [fe80::1]:9100",
/// "serial /dev/ttyUSB0 baud=9600", "usb /dev/usb/lp0".
std::string PrinterLine(const context::TcpAnswer& answer);
std::string PrinterLine(const context::LocalAnswer& answer);

/// The listing: one line per printer and per port skipped, with `all` also
/// what answered otherwise and why; then the Bluetooth devices; then a summary.
void PrintDiscoveryTable(std::ostream& out, const DiscoveryFindings& findings, bool all);

/// {"found": [...], "skipped": [...], "other": [...] (with `all`), "bluetooth": [...],
///  "tried", "total", "portsTried", "interrupted", "problems"}; the README gives each row's fields.
nlohmann::json DiscoveryJson(const DiscoveryFindings& findings, bool all);

/// The printers file of what was found, which `--printers` reads as is; the
/// old file stays whole when it cannot be written. Empty on success, else why.
std::string WritePrintersFile(const std::string& path, const DiscoveryFindings& findings);

}  // namespace pelmora::cli
