#include "desktop/CommRules.h"

#include <algorithm>
#include <cstdlib>

#include "context/RegFileIo.h"
#include "context/RegSyntax.h"
#include "context/StoredCommSettings.h"

namespace pelmora::desktop {

namespace {

constexpr int kComPorts = 49;

int ToInt(const std::string& text) { return std::atoi(text.c_str()); }

}  // namespace

link::CommSettings InitialComm() {
    link::CommSettings settings;
    settings.port.clear();
    return settings;
}

const std::vector<std::string>& CommValueNames() {
    static const std::vector<std::string> names{"uPortType", "uPort",   "uBaudrate",   "uDatabit",
                                                "uParity",   "uStopbit", "uFlowcontrol"};
    return names;
}

StoredComm ReadStoredComm(const context::SettingsStore& store) {
    StoredComm stored;
    std::uint32_t number = 0;
    if (!store.GetRegDword(context::ProductKey, "uPortType", number)) return stored;
    stored.portTypeRead = true;
    link::CommSettings& v = stored.values;
    v.portType = static_cast<std::int32_t>(number);
    store.GetRegString(context::ProductKey, "uPort", v.port);
    const auto readNumber = [&](const char* name, std::int32_t& field) {
        store.GetRegDword(context::ProductKey, name, number);  // 0 when it fails
        field = static_cast<std::int32_t>(number);
    };
    readNumber("uBaudrate", v.baudRate);
    readNumber("uDatabit", v.dataBits);
    readNumber("uParity", v.parity);
    readNumber("uStopbit", v.stopBits);
    readNumber("uFlowcontrol", v.flowControl);
    return stored;
}

std::vector<std::string> UnreadableCommValues(const context::SettingsStore& store) {
    std::vector<std::string> unreadable;
    std::string bytes;
    // Also a file that is no store at all: it reads as nothing, which would look like a first start.
    if (!store.ReadProblem().empty() || (context::ReadWholeFile(store.path(), bytes) == context::FileRead::Ok &&
                                         context::ParseRegFile(bytes).damaged))
        unreadable.emplace_back("(file)");
    const std::vector<std::string> present = store.ValueNames(context::ProductKey);
    for (const std::string& name : CommValueNames()) {
        if (std::none_of(present.begin(), present.end(),
                         [&](const std::string& p) { return context::EqualsNoCase(p, name); }))
            continue;
        std::string text = "?";  // an empty stored text empties it and still reads 0
        std::uint32_t number = 0;
        const bool read = name == "uPort" ? store.GetRegString(context::ProductKey, name, text) == 1 || text.empty()
                                          : store.GetRegDword(context::ProductKey, name, number) == 1;
        if (!read) unreadable.push_back(name);
    }
    return unreadable;
}

std::vector<std::string> ComPortEntries() {
    std::vector<std::string> entries;
    for (int n = 1; n <= kComPorts; ++n) entries.push_back("COM" + std::to_string(n));
    return entries;
}

std::vector<std::string> BaudRateEntries() {
    std::vector<std::string> entries;
    for (const std::uint32_t rate : link::kBaudRates) entries.push_back(std::to_string(rate));
    return entries;
}

SerialSelection RestoreSerial(const link::CommSettings& stored, const std::vector<std::string>& portEntries) {
    SerialSelection s;
    if (const auto port = std::find(portEntries.begin(), portEntries.end(), stored.port); port != portEntries.end())
        s.port = static_cast<int>(port - portEntries.begin());
    const auto& rates = link::kBaudRates;
    const auto rate = std::find_if(rates.begin(), rates.end(),
                                   [&](std::uint32_t r) { return static_cast<std::int64_t>(r) == stored.baudRate; });
    if (rate != rates.end()) s.baudRate = static_cast<int>(rate - rates.begin());
    if (stored.parity >= 0 && stored.parity <= 2) s.parity = stored.parity;
    // Two stop bits are listed second.
    if (stored.stopBits >= 0 && context::StopBitsFromStore(static_cast<std::uint32_t>(stored.stopBits)) == 2)
        s.stopBits = 1;
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
    previous.baudRate = ToInt(form.baudRate);
    previous.dataBits = ToInt(form.dataBits);
    previous.parity = form.parity;
    previous.stopBits = form.stopBits != 0 ? 2 : 0;
    previous.flowControl = form.flowControl;
    return previous;
}

}  // namespace pelmora::desktop
