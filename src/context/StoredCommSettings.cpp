#include "context/StoredCommSettings.h"

#include <algorithm>

#include "context/RegSyntax.h"
#include "context/TcpAddress.h"

namespace pelmora::context {

namespace {

constexpr int kComPorts = 49;
constexpr const char* kDesktopAddress = "0.0.0.0";
constexpr const char* kHandheldAddress = "192.168.1.1";
// Handhelds before the shared store wrote TCP/IP as 2, which the desktop
// numbers USB; such a file holds a "NET" port, which no USB port is.
constexpr std::uint32_t kOldHandheldTcp = 2;

const std::vector<std::string>& NamesKept(Layout program) {
    static const std::vector<std::string> desktop{"uPortType", "uPort",   "uBaudrate",   "uDatabit",
                                                  "uParity",   "uStopbit", "uFlowcontrol"};
    static const std::vector<std::string> handheld{"uPortType", "uPort", "uBaudrate"};
    return program == Layout::Desktop ? desktop : handheld;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::int32_t Signed(std::uint32_t value) { return static_cast<std::int32_t>(value); }

/// What the store holds; a failed number read gives 0, a failed text read "".
struct Raw {
    bool portTypeRead = false;
    std::uint32_t portType = 0, baud = 0, dataBits = 0, parity = 0, stopBits = 0, flow = 0;
    std::string port;
};

Raw ReadRaw(const SettingsStore& store) {
    Raw raw;
    raw.portTypeRead = store.GetRegDword(ProductKey, "uPortType", raw.portType) == 1;
    store.GetRegString(ProductKey, "uPort", raw.port);
    store.GetRegDword(ProductKey, "uBaudrate", raw.baud);
    store.GetRegDword(ProductKey, "uDatabit", raw.dataBits);
    store.GetRegDword(ProductKey, "uParity", raw.parity);
    store.GetRegDword(ProductKey, "uStopbit", raw.stopBits);
    store.GetRegDword(ProductKey, "uFlowcontrol", raw.flow);
    return raw;
}

// Both programs number port types as the link does; an older handheld's 2 reads as TCP/IP.
std::uint32_t SharedPortType(const Raw& raw) {
    return raw.portType == kOldHandheldTcp && link::IsNetPort(raw.port) ? static_cast<std::uint32_t>(link::PortTcp)
                                                                      : raw.portType;
}

// "COM3" on the desktop is "COM3:" on the handheld.
std::string WithoutColon(std::string port) {
    if (!port.empty() && port.back() == ':') port.pop_back();
    return port;
}

// The TCP port the other program stored with the address; 9100 when there is none.
std::int32_t StoredTcpPort(std::uint32_t stored) {
    return stored >= 1 && stored <= 65535 ? static_cast<std::int32_t>(stored) : static_cast<std::int32_t>(link::kPrinterTcpPort);
}

link::CommSettings AsStored(const Raw& raw) {
    return {Signed(raw.portType), raw.port,         Signed(raw.baud), Signed(raw.dataBits),
            Signed(raw.parity),   Signed(raw.stopBits), Signed(raw.flow)};
}

void AddOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

link::CommSettings FromDesktopStore(const Raw& raw, std::vector<std::string>& unreadable) {
    if (!raw.portTypeRead) return {};  // the window's defaults
    link::CommSettings s = AsStored(raw);
    s.portType = Signed(SharedPortType(raw));
    switch (s.portType) {
    case link::PortSerial:
    case link::PortBluetooth: {
        const link::CommSettings lists;  // the entries each list opens on
        const auto ports = ComPortEntries(Layout::Desktop);
        s.port = WithoutColon(raw.port);
        if (std::find(ports.begin(), ports.end(), s.port) == ports.end()) s.port = lists.port;
        if (!link::IsListedBaudRate(raw.baud)) s.baudRate = lists.baudRate;
        if (raw.parity > 2) s.parity = lists.parity;
        s.dataBits = lists.dataBits;
        s.stopBits = StopBitsFromStore(raw.stopBits);
        s.flowControl = lists.flowControl;  // hardware flow control is never offered at opening
        break;
    }
    case link::PortTcp: {
        std::string address = link::NetAddress(raw.port);
        if (!IsDottedIpv4(address)) {
            address = kDesktopAddress;
            AddOnce(unreadable, "uPort");
        }
        s.port = link::NetPort(address);
        s.baudRate = StoredTcpPort(raw.baud);
        break;
    }
    default:
        break;  // USB, and types no window lists: jobs run with what is stored
    }
    return s;
}

link::CommSettings FromHandheldStore(const Raw& raw) {
    if (SharedPortType(raw) == static_cast<std::uint32_t>(link::PortTcp)) {
        if (!link::IsNetPort(raw.port))
            return HandheldLink(link::PortTcp, link::NetPort(kHandheldAddress), link::kPrinterTcpPort);
        return HandheldLink(link::PortTcp, raw.port, static_cast<std::uint32_t>(StoredTcpPort(raw.baud)));
    }
    // The desktop's "COM4" is the handheld's "COM4:"; a name typed on the handheld stays as typed.
    const auto desktopPorts = ComPortEntries(Layout::Desktop);
    const bool fromDesktop = std::find(desktopPorts.begin(), desktopPorts.end(), raw.port) != desktopPorts.end();
    return HandheldLink(link::PortSerial, fromDesktop                    ? raw.port + ":"
                                          : StartsWith(raw.port, "COM") ? raw.port
                                                                        : ComPortEntries(Layout::Handheld).front(),
                        link::IsListedBaudRate(raw.baud) ? raw.baud : link::kDefaultBaudRate);
}

std::vector<std::string> UnreadableValues(const SettingsStore& store, Layout program) {
    std::vector<std::string> unreadable;
    // Also a file that is no store at all: it reads as nothing, which would look like a first start.
    if (!store.ReadProblem().empty() || store.Damaged())
        unreadable.emplace_back("(file)");
    const std::vector<std::string> present = store.ValueNames(ProductKey);
    for (const std::string& name : NamesKept(program)) {
        if (std::none_of(present.begin(), present.end(), [&](const std::string& p) { return EqualsNoCase(p, name); }))
            continue;
        std::string text = "?";  // an empty stored text empties it and still reads 0
        std::uint32_t number = 0;
        const bool read = name == "uPort" ? store.GetRegString(ProductKey, name, text) == 1 || text.empty()
                                          : store.GetRegDword(ProductKey, name, number) == 1;
        if (!read) unreadable.push_back(name);
    }
    return unreadable;
}

}  // namespace

link::CommSettings HandheldLink(std::int32_t portType, std::string port, std::uint32_t baudRate) {
    link::CommSettings s;
    s.portType = portType;
    s.port = std::move(port);
    s.baudRate = Signed(baudRate);
    s.flowControl = 1;
    return s;
}

std::int32_t StopBitsFromStore(std::uint32_t stored) { return stored == 1 || stored == 2 ? 2 : 0; }

std::vector<std::string> ComPortEntries(Layout program) {
    std::vector<std::string> entries;
    for (int n = 1; n <= kComPorts; ++n)
        entries.push_back("COM" + std::to_string(n) + (program == Layout::Handheld ? ":" : ""));
    return entries;
}

StoredComm ReadCommSettings(const SettingsStore& store, Layout program) {
    StoredComm stored;
    stored.unreadable = UnreadableValues(store, program);
    const Raw raw = ReadRaw(store);
    stored.settings = program == Layout::Desktop ? FromDesktopStore(raw, stored.unreadable) : FromHandheldStore(raw);
    stored.chosen = raw.portTypeRead;
    return stored;
}

std::string WriteCommSettings(SettingsStore& store, const link::CommSettings& s, Layout program) {
    const auto number = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    store.TakeWriteFailure();  // an earlier failure is not this write's
    // One write, so a port never meets the other port type's numbers.
    if (program == Layout::Handheld)
        store.SetRegValues(ProductKey, {{"uPortType", number(s.portType == link::PortSerial ? link::PortSerial : link::PortTcp)},
                                        {"uPort", s.port},
                                        {"uBaudrate", number(s.baudRate)}});
    else
        store.SetRegValues(ProductKey, {{"uPortType", number(s.portType)},
                                        {"uPort", s.port},
                                        {"uBaudrate", number(s.baudRate)},
                                        {"uDatabit", number(s.dataBits)},
                                        {"uParity", number(s.parity)},
                                        {"uStopbit", number(s.stopBits)},
                                        {"uFlowcontrol", number(s.flowControl)}});
    return store.TakeWriteFailure();
}

}  // namespace pelmora::context
