#pragma once
#include <array>
#include <string>
#include <vector>

#include "context/SettingsStore.h"
#include "link/CommSettings.h"

/// The main window's lists and the settings, apart from its widgets. What the
/// store holds is read and written by context/StoredCommSettings.
namespace pelmora::desktop {

/// The interface list's entries, at their port types' indices; the printer
/// search names a row's link by them too.
inline constexpr std::array<const char*, 4> kInterfaceNames{"Serial / RS232C", "Bluetooth", "USB", "TCP/IP"};

/// List indices the serial and Bluetooth lists open on for stored settings.
struct SerialSelection {
    int port = 0;
    int baudRate = link::kDefaultBaudIndex;
    int parity = 0;
    int stopBits = 0;
    int flowControl = 0;
};
SerialSelection RestoreSerial(const link::CommSettings& stored);

/// Index of the USB printer whose path is the stored port, or -1.
int RestoreUsb(const std::string& storedPort, const std::vector<std::string>& usbPaths, int portCount);

/// Serial and Bluetooth controls as the window reads them.
struct SerialForm {
    std::string port;
    int baudRate = link::kDefaultBaudIndex;  ///< list index
    std::string dataBits;
    int parity = 0;
    int stopBits = 0;  ///< list index
    int flowControl = 0;
};
link::CommSettings GatherSerial(link::CommSettings previous, std::int32_t portType, const SerialForm& form);

/// The serial list's entry that opens `device` (through the port map, or as
/// the system's own COMn), else `device` itself: a printer the search found
/// on a port no entry reaches is still shown by its path.
std::string ListedPortFor(const context::SettingsStore& store, const std::string& device);

}  // namespace pelmora::desktop
