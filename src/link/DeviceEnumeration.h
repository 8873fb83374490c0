#pragma once
#include <functional>
#include <string>
#include <vector>

#include "link/Trace.h"

namespace pelmora::link {

struct SerialPortInfo {
    std::string path;         ///< /dev/ttyS0, /dev/ttyUSB0, /dev/rfcomm0; COM3 on Windows
    std::string description;  ///< libserialport's description
};

struct UsbPrinterInfo {
    std::string label;  ///< USB01, USB02, ...
    std::string path;   ///< /dev/usb/lp0; the device interface path on Windows
};

/// Serial ports present, in natural path order: those libserialport lists, and
/// the rfcomm (Bluetooth) ports it leaves out while no remote device is connected.
std::vector<SerialPortInfo> ListSerialPorts(TraceSink& trace);

/// USB printers present: the usblp nodes that open for reading and writing,
/// labelled as the port list shows them.
std::vector<UsbPrinterInfo> ListUsbPrinters(TraceSink& trace);

/// The labelling step of ListUsbPrinters: tries each node in natural order,
/// tracing "Attempting to open" and, on failure, "FAILED to open"; the nodes
/// that open are numbered from USB01 without gaps.
std::vector<UsbPrinterInfo> LabelUsbPrinters(std::vector<std::string> nodes,
                                             const std::function<bool(const std::string&)>& opens,
                                             TraceSink& trace);

/// Device nodes of one subsystem whose kernel names match `sysname` (a glob),
/// as udev lists them; nothing where udev cannot enumerate or is not installed. Linux only: the
/// Windows lists come from the registry's device map and SetupAPI.
std::vector<std::string> DeviceNodes(const char* subsystem, const char* sysname);

/// Why the lists leave out what only udev finds (USB printers, rfcomm ports
/// no device is connected to): libudev could not be loaded, named with what to
/// install; "" when it was, and always on Windows.
std::string DeviceListProblem();

/// "USB%02d": the port-list label of the `number`-th printer (from 1).
std::string UsbLabel(int number);

/// Orders names with their digit runs compared as numbers: lp2 before lp10.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace pelmora::link
