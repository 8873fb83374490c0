#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "context/SettingsStore.h"
#include "context/TcpAddress.h"
#include "link/CommSettings.h"

namespace pelmora::desktop {

/// The settings the main window holds before anything is read or gathered:
/// an empty port and the numbers of the fill's defaults.
link::CommSettings InitialComm();

/// What the main window reads from the store when it opens. A failed number
/// read gives 0, a failed text read leaves the text as it was.
struct StoredComm {
    bool portTypeRead = false;  ///< false: nothing else was read either
    link::CommSettings values = InitialComm();
};
StoredComm ReadStoredComm(const context::SettingsStore& store);

/// The seven value names in the order "Exit" writes them.
const std::vector<std::string>& CommValueNames();

/// Names of the communication values the store holds with the wrong type, and
/// "(file)" first when some line of the store could not be read.
std::vector<std::string> UnreadableCommValues(const context::SettingsStore& store);

/// "COM1" .. "COM49".
std::vector<std::string> ComPortEntries();
/// "2400" .. "115200"; the fill selects the last.
std::vector<std::string> BaudRateEntries();

/// List indices the serial and Bluetooth lists open on; the fill's defaults
/// where nothing matches.
struct SerialSelection {
    int port = 0;
    int baudRate = 6;
    int parity = 0;
    int stopBits = 0;
    int flowControl = 0;
};
SerialSelection RestoreSerial(const link::CommSettings& stored, const std::vector<std::string>& portEntries);

/// Index of the USB printer whose path is the stored port, or -1.
int RestoreUsb(const std::string& storedPort, const std::vector<std::string>& usbPaths, int portCount);

/// Serial and Bluetooth controls as the window reads them.
struct SerialForm {
    std::string port;
    std::string baudRate;
    std::string dataBits;
    int parity = 0;
    int stopBits = 0;  ///< list index
    int flowControl = 0;
};
link::CommSettings GatherSerial(link::CommSettings previous, std::int32_t portType, const SerialForm& form);

// The address checks are shared with the handheld program.
using context::IsDottedIpv4;
using context::ParseTcpPort;

}  // namespace pelmora::desktop
