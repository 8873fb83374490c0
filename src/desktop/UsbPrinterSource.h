#pragma once
#include <functional>
#include <string>
#include <vector>

#include "link/DeviceEnumeration.h"

namespace pelmora::desktop {

/// How the main window finds USB printers; tests give fake ones.
struct UsbPrinterSource {
    /// The printers present, labelled USB01, USB02, ...
    std::function<std::vector<link::UsbPrinterInfo>()> list;
    /// Whether a listed device node is still there.
    std::function<bool(const std::string& path)> present;
};

/// The usblp printers of this machine; listing writes "Attempting to open"
/// and "FAILED to open" lines to standard output.
UsbPrinterSource SystemUsbPrinters();

}  // namespace pelmora::desktop
