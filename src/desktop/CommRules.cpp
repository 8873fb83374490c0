#include "desktop/CommRules.h"

#include <algorithm>
#include <cstdlib>

#include "context/PortMap.h"
#include "context/StoredCommSettings.h"

namespace pelmora::desktop {

SerialSelection RestoreSerial(const link::CommSettings& stored) {
    SerialSelection s;
    const auto ports = context::ComPortEntries(context::Layout::Desktop);
    if (const auto port = std::find(ports.begin(), ports.end(), stored.port); port != ports.end())
        s.port = static_cast<int>(port - ports.begin());
    if (const int rate = link::BaudIndexOf(stored.baudRate); rate >= 0) s.baudRate = rate;
    if (stored.parity >= 0 && stored.parity <= 2) s.parity = stored.parity;
    s.stopBits = stored.stopBits == 2 ? 1 : 0;  // "2" is listed second
    s.flowControl = 0;  // hardware flow control is never offered at opening
    return s;
}

int RestoreUsb(const std::string& storedPort, const std::vector<std::string>& usbPaths, int portCount) {
    const int count = std::min(portCount, static_cast<int>(usbPaths.size()));
    for (int i = 0; i < count; ++i)
        if (usbPaths[static_cast<std::size_t>(i)] == storedPort) return i;
    return -1;
}

link::CommSettings GatherSerial(link::CommSettings previous, std::int32_t portType, const SerialForm& form) {
    previous.portType = portType;
    previous.port = form.port;
    previous.baudRate = static_cast<std::int32_t>(link::BaudRateAt(form.baudRate));
    previous.dataBits = std::atoi(form.dataBits.c_str());
    previous.parity = form.parity;
    previous.stopBits = form.stopBits != 0 ? 2 : 0;
    previous.flowControl = form.flowControl;
    return previous;
}

std::string ListedPortFor(const context::SettingsStore& store, const std::string& device) {
    for (const std::string& entry : context::ComPortEntries(context::Layout::Desktop))
        if (entry == device || context::ResolvePortName(store, entry) == device) return entry;
    return device;
}

}  // namespace pelmora::desktop
