#pragma once
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "context/SettingsStore.h"
#include "link/DeviceEnumeration.h"

namespace pelmora::cli {

struct SerialPortRow {
    std::string path;
    std::string description;
    std::string com;  ///< the "COMn" that opens this port; empty when none does
};

/// What `pelmora ports` shows.
struct PortsListing {
    std::vector<SerialPortRow> serial;
    std::vector<link::UsbPrinterInfo> usb;
    std::map<std::string, std::string> portMap;
};

/// The listing for the ports found, with each serial port's COM name taken
/// from the port map and its default (COMn for /dev/ttyS(n-1)).
PortsListing MakePortsListing(const context::SettingsStore& store, const std::vector<link::SerialPortInfo>& serial,
                              std::vector<link::UsbPrinterInfo> usb);

/// The "COMn" that resolves to `path`: the lowest mapped one, else the default
/// name when the port map does not send it elsewhere; empty when none does.
std::string ComNameFor(const context::SettingsStore& store, const std::map<std::string, std::string>& portMap,
                       const std::string& path);

void PrintPortsTable(std::ostream& out, const PortsListing& listing);
/// {"serial":[{"path","description","com"}], "usb":[{"label","path"}], "portMap":{"COM3":"/dev/ttyUSB0"}}
nlohmann::json PortsJson(const PortsListing& listing);

}  // namespace pelmora::cli
