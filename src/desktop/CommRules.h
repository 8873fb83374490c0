#pragma once
#include <string>
#include <vector>

#include "link/CommSettings.h"

/// The main window's lists and the settings, apart from its widgets. What the
/// store holds is read and written by context/StoredCommSettings.
namespace pelmora::desktop {

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

}  // namespace pelmora::desktop
